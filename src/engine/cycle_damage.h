#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

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

// The Single nearest t, when t (a value within 1e-12 of the exact one) lies
// clearly inside one Single rounding interval, where the exact value rounds
// to the same Single; NaN otherwise (and for t out of the normal range).
inline float SafeNearestSingle(double t) {
  const float f = static_cast<float>(t);
  const uint32_t bits = std::bit_cast<uint32_t>(f);
  const double offset = t - static_cast<double>(f);
  const double neighbour = static_cast<double>(std::bit_cast<float>(offset >= 0.0 ? bits + 1 : bits - 1));
  const double room = 0.5 * std::fabs(neighbour - static_cast<double>(f)) - std::fabs(offset);
  const bool safe = (f >= FLT_MIN) & (f < FLT_MAX) & (room > 1e-12 * t);  // false for NaN
  return safe ? f : std::numeric_limits<float>::quiet_NaN();
}

// The Single damage 1 / (no x base^e), given t from ApproxInverseLives.
inline float CycleDamageFrom(double t, double no, float base, double e) {
  const float f = SafeNearestSingle(t);
  return f == f ? f : ExactCycleDamage(no, base, e);
}

// Cycles are decided a batch at a time, then the powers of the batch are
// taken together and summed in counting order.
inline constexpr int kCycleBatch = 512;

struct CycleBatch {
  float base[kCycleBatch];
  double e[kCycleBatch];
  double t[kCycleBatch];
  float damage[kCycleBatch];
  uint8_t verdict[kCycleBatch];
};

// damage[k] := SafeNearestSingle(t[k]) for k = 0 .. count - 1.
void NearestSingles(const double* t, float* damage, int count);

// What a pass with every mean-stress factor 1 needs to take the damage of a
// cycle of range r from the power r^e kept for it: L |h|, 1 / num, the
// exponent m, and the factors 1 / No (L |h| / num)^e for e = m and m'.
struct PowerFactors {
  double lh = 0.0;
  double invNum = 0.0;
  double m = 0.0;
  double cM = 0.0, cExt = 0.0;
};

// The factors of a pass of `rule` (whose mean-stress factor is 1); false when
// one lies outside the normal double range (the powers cannot serve).
bool PowerFactorsOf(const CycleRule& rule, double no, PowerFactors& f);

// t[k] ~ 1 / (no x base[k]^e[k]) from the kept powers ranges[k]^m and
// ranges[k]^m' (powM, powExt; a decided batch whose mean-stress factors are
// all 1); NaN where a power is out of the normal range.
//
// The base is b = Single(Single(num / L / r) / |h|) (each quotient rounded),
// the exact quotient B = num / (L r |h|) times (1 + delta) with |delta| below
// 4 x 2^-24; so 1 / (No b^e) = [1 / No (L |h| / num)^e] r^e (1 + delta)^-e,
// the last factor by a short series in delta, which is known in double to
// about 1e-16: together far within the 1e-12 that SafeNearestSingle needs.
void InverseLivesFromPowers(const PowerFactors& f, const float* base, const double* e, const float* ranges,
                            const double* powM, const double* powExt, double* t, int count);

// Adds the damages of a decided batch (verdicts, bases, exponents and the
// approximations t) to the damage sum D as Single in counting order, keeping
// the largest cycle damage and whether a cycle did damage. `onCycle(k,
// verdict, damage)` sees every cycle summed. Stops at an overloading cycle
// and returns its index in the batch; count when none overloads.
template <class OnCycle>
inline int SumCycleBatch(CycleBatch& b, int count, double no, float& D, float& largest, bool& damaged,
                         OnCycle&& onCycle) {
  NearestSingles(b.t, b.damage, count);
  for (int k = 0; k < count; ++k) {
    float dj = 0.0f;
    if (b.verdict[k] == kCycleOverload) return k;
    if (b.verdict[k] == kCycleDamages) {
      dj = b.damage[k];
      if (dj != dj) dj = ExactCycleDamage(no, b.base[k], b.e[k]);
      damaged = true;
    }
    D += dj;
    if (dj > largest) largest = dj;
    onCycle(k, b.verdict[k], dj);
  }
  return count;
}
