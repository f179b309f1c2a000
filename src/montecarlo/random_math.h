#pragma once

#include <cstdint>

#include "montecarlo/random_variables.h"

// The distribution mathematics of a random variable with mean 1, by type code:
// -1 correlated, 0 none, 1 normal, 2 log-normal, 3 Weibull, 4 exponential,
// 5 uniform.

// Writes PanelParA and PanelParB of a mean-1 variable of that type and
// coefficient of variation:
//   normal, uniform   A = 1 (mean),               B = cov (standard deviation)
//   log-normal        A = -cov^2 / 2 (location),  B = sqrt(ln(1 + cov^2)) (scale)
//   Weibull           A = 1 / Gamma(1 + 1/B),     B = the shape whose coefficient
//                     of variation lies within 0.001 of cov (by iteration; codes
//                     6 and above take this branch as well)
//   exponential       A = 1 - 1/B (shift),        B = 1 / cov (rate)
//   none, correlated  A = 1,                      B = 0
// A coefficient that is not above 0 gives A = 1, B = 0 for the Weibull and
// exponential types (they divide by it).
void CalcDistributionParams(RandomVariablePanel& panel, int16_t distType, float cov);

// Writes PanelXmin and PanelXmax, the x range of the density plot, from
// PanelParA and PanelParB: four standard deviations either side of the centre
// (the uniform's own ends; for the exponential its shift up to A + 5/B), a
// negative left end raised to 0.01 and a right end beyond 3 cut to 3.
void CalcDistributionPlotRange(RandomVariablePanel& panel, int16_t distType);

// The probability density at x of the law of that type with parameters a and
// b: for 0 and -1 the point mass at a (1 within 0.0001 of a, else 0); the
// Weibull with scale a and shape b. Any code outside -1 .. 5, and any value
// that cannot be evaluated (a logarithm of x <= 0, a division by zero, an
// overflow), gives 0.
double CalcProbabilityDensity(int16_t distType, float a, float b, float x);
