#pragma once

#include <cstdint>

#include "montecarlo/random_variables.h"

// x modulo 2147483647 (2^31 - 1) in double precision: x - floor(x / m) x m.
double CalcModM31(double x);

// The next uniform number of a stream: seed := CalcModM31(16807 x seed) (the
// product rounded to a Double first), u = seed / 2147483648, so 0 <= u < 1.
double NextUniform(double& seed);

// A value of the random variable in slot `varIndex` (0 .. 8) of the table for
// the type code `distType`, relative to the mean 1 (the caller multiplies the
// nominal input by it). Successive values of one slot use the uniform numbers
// u, 1 - u, u', 1 - u', ... (the partner of u is 1 minus the stored Single
// RvLastUniform); a value outside RvXmin .. RvXmax (bounds included) is drawn
// again. Type 1 returns its Single value widened. Codes other than 1 .. 5
// define no value: they give 1.0 without drawing. When no value within the
// bounds turns up in kMaxVariatePasses passes (bounds that exclude every
// value), the result is 1.0 too, so that a run never loops for ever.
double GenerateRandomVariate(RandomVariableTable& table, int16_t distType, int16_t varIndex, double& seed);

inline constexpr int kMaxVariatePasses = 1'000'000;
