#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

// Damage of counted cycles, 1 / (No x base^e) rounded to Single, for many
// cycles at a time and exactly as the plain formula with std::pow gives it.
//
// ApproxInverseLives evaluates the power for a batch by its own logarithm and
// exponential (no calls, so the compiler can vectorise the loop) with a
// relative error far below 1e-12. CycleDamageFrom then takes the Single
// nearest that value when the value lies clearly inside one Single rounding
// interval, where the exact value rounds to the same Single; otherwise, and
// for arguments out of the usual range, it evaluates the exact formula.

// t[k] ~ 1 / (no x base[k]^e[k]) for k = 0 .. count - 1; NaN where the
// argument is out of range (base not above 0, or a power beyond double).
void ApproxInverseLives(const float* base, const double* e, double no, double* t, int count);

// The plain formula, Single(1 / (no x base^e)) with std::pow.
float ExactCycleDamage(double no, float base, double e);

// The Single damage 1 / (no x base^e), given t from ApproxInverseLives.
inline float CycleDamageFrom(double t, double no, float base, double e) {
  const float f = static_cast<float>(t);
  if (f >= FLT_MIN && f < FLT_MAX) {  // false for NaN
    const uint32_t bits = std::bit_cast<uint32_t>(f);
    const double offset = t - static_cast<double>(f);
    const double neighbour = static_cast<double>(std::bit_cast<float>(offset >= 0.0 ? bits + 1 : bits - 1));
    const double room = 0.5 * std::fabs(neighbour - static_cast<double>(f)) - std::fabs(offset);
    if (room > 1e-12 * t) return f;  // far above the approximation's error
  }
  return ExactCycleDamage(no, base, e);
}
