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

// What the cycle loop of one point works with.
struct CycleRule {
  float h = 0.0f, absH = 0.0f;   // scaling value and its magnitude
  float L = 1.0f;                 // loading value to stress
  float kf = 1.0f;                // notch factor of the mean-stress correction
  float su = 0.0f, sy = 0.0f;     // strengths in use
  float extensionLimit = 0.0f;    // Se' x fR x TF
  float enduranceLimit = 0.0f;    // Se_n x fR x TF
  float numerator = 0.0f;         // TF x fR x Se_n
  double m = 0.0, mExt = 0.0;     // exponents above and below Se_n
  bool accountMean = false;
};

// What becomes of one counted cycle.
enum CycleVerdict : uint8_t { kCycleHarmless = 0, kCycleDamages = 1, kCycleCutOff = 2, kCycleOverload = 3 };

// Decides `count` cycles (ranges and means): the verdict of each, and for a
// damaging cycle the base TF fR Se_n / fM / L / range / |h| and exponent of
// its power. A cycle overloads when its nominal maximum exceeds Su or its
// mean-stress factor is not positive.
void DecideCycleBatch(const CycleRule& rule, const float* ranges, const float* means, int count, float* base,
                      double* e, uint8_t* verdict);

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
