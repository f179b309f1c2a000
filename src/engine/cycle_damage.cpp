#include "engine/cycle_damage.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kSqrt2 = 1.4142135623730951;
constexpr double kLn2 = 0.69314718055994530942;
constexpr double kLn2Hi = 6.93147180369123816490e-01;  // trailing zeros: j x kLn2Hi is exact
constexpr double kLn2Lo = 1.90821492927058770002e-10;
constexpr double kInvLn2 = 1.44269504088896338700;
constexpr double kShifter = 6755399441055744.0;  // 1.5 x 2^52: adding it rounds to a whole number
constexpr double kMaxExponent = 700.0;

// ln b for a positive finite b: b = 2^k m with m in [sqrt(1/2), sqrt(2)),
// ln m = 2 atanh(s), s = (m - 1) / (m + 1), |s| <= 0.172, by its series.
inline double LogPositive(double b) {
  const uint64_t bits = std::bit_cast<uint64_t>(b);
  // the biased exponent as a double, through the bits of 2^52 + exponent
  double k = std::bit_cast<double>((bits >> 52) | 0x4330000000000000ull) - (4503599627370496.0 + 1023.0);
  double m = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull);
  const bool high = m > kSqrt2;
  m = high ? m * 0.5 : m;
  k = high ? k + 1.0 : k;
  const double s = (m - 1.0) / (m + 1.0);
  const double s2 = s * s;
  double p = 1.0 / 23.0;
  p = p * s2 + 1.0 / 21.0;
  p = p * s2 + 1.0 / 19.0;
  p = p * s2 + 1.0 / 17.0;
  p = p * s2 + 1.0 / 15.0;
  p = p * s2 + 1.0 / 13.0;
  p = p * s2 + 1.0 / 11.0;
  p = p * s2 + 1.0 / 9.0;
  p = p * s2 + 1.0 / 7.0;
  p = p * s2 + 1.0 / 5.0;
  p = p * s2 + 1.0 / 3.0;
  p = p * s2 + 1.0;
  return k * kLn2 + 2.0 * s * p;
}

// e^y for |y| <= kMaxExponent: y = j ln 2 + r, |r| <= ln 2 / 2, e^r by its
// Taylor series to r^14, times 2^j built in the exponent bits.
inline double ExpBounded(double y) {
  const double shifted = y * kInvLn2 + kShifter;
  const double j = shifted - kShifter;
  const int64_t jBits = std::bit_cast<int64_t>(shifted) - std::bit_cast<int64_t>(kShifter);
  const double r = (y - j * kLn2Hi) - j * kLn2Lo;
  double q = 1.0 / 87178291200.0;  // 1/14!
  q = q * r + 1.0 / 6227020800.0;
  q = q * r + 1.0 / 479001600.0;
  q = q * r + 1.0 / 39916800.0;
  q = q * r + 1.0 / 3628800.0;
  q = q * r + 1.0 / 362880.0;
  q = q * r + 1.0 / 40320.0;
  q = q * r + 1.0 / 5040.0;
  q = q * r + 1.0 / 720.0;
  q = q * r + 1.0 / 120.0;
  q = q * r + 1.0 / 24.0;
  q = q * r + 1.0 / 6.0;
  q = q * r + 0.5;
  q = q * r + 1.0;
  q = q * r + 1.0;
  const double scale = std::bit_cast<double>(static_cast<uint64_t>(jBits + 1023) << 52);
  return q * scale;
}

// Every operation is done for every cycle and the results selected, so that
// the loop has no branches and is vectorised; the Single operations are those
// of the one-by-one rule in the same order, so the values are identical.
template <bool kAccountMean>
inline void DecideCycles(const CycleRule& rule, const float* ranges, const float* means, int count, float* base,
                         double* e, uint8_t* verdict) {
  const float h = rule.h, L = rule.L, kf = rule.kf, su = rule.su, sy = rule.sy;
  for (int k = 0; k < count; ++k) {
    const float r = ranges[k];
    float fM = 1.0f;
    bool overload = false;
    if constexpr (kAccountMean) {
      const float sm = h * means[k];
      const float smax = h * r / 2.0f + sm;
      overload = L * smax > su;
      const bool applies = (sm > 0.0f) & (kf * L * sm < sy) & !(2.0f * sy < kf * L * r);
      const bool elastic = L * smax * kf <= sy;
      const float plastic = (sy - kf * L * r / 2.0f) / std::fabs(sm);
      const float kk = elastic ? kf : plastic;
      const float denominator = su - kk * L * sm;
      const float f = su / denominator;
      const bool positive = (denominator > 0.0f) & (f > 0.0f);
      fM = applies ? f : 1.0f;
      overload = overload | (applies & !positive);
    }
    const float s = L * fM * rule.absH * r;
    const float margin = static_cast<float>(static_cast<double>(s) * 1.0001);
    const bool cutOff = rule.extensionLimit > margin;
    const bool belowLimit = rule.enduranceLimit > margin;
    const bool damages = !cutOff & (s > 0.0f);
    const float b = rule.numerator / fM / L / r / rule.absH;  // dividing by exactly 1 changes nothing
    base[k] = damages ? b : 1.0f;
    e[k] = belowLimit ? rule.mExt : rule.m;
    const uint8_t v = damages ? uint8_t{kCycleDamages} : uint8_t{kCycleHarmless};
    const uint8_t w = cutOff ? uint8_t{kCycleCutOff} : v;
    verdict[k] = overload ? uint8_t{kCycleOverload} : w;
  }
}

}  // namespace

__attribute__((target_clones("avx512f", "avx2", "default")))
void DecideCycleBatch(const CycleRule& rule, const float* ranges, const float* means, int count, float* base,
                      double* e, uint8_t* verdict) {
  if (rule.accountMean) {
    DecideCycles<true>(rule, ranges, means, count, base, e, verdict);
  } else {
    DecideCycles<false>(rule, ranges, means, count, base, e, verdict);
  }
}

// Built for AVX-512 and AVX2 as well where the processor has them (chosen at
// load time).
__attribute__((target_clones("avx512f", "avx2", "fma", "default")))
void ApproxInverseLives(const float* base, const double* e, double no, double* t, int count) {
  const double invNo = 1.0 / no;
  for (int k = 0; k < count; ++k) {
    const double b = base[k];
    const bool usable = (b > 0.0) & (b <= static_cast<double>(FLT_MAX));
    const double y = -e[k] * LogPositive(usable ? b : 1.0);
    const bool inRange = usable & (std::fabs(y) <= kMaxExponent);
    const double value = ExpBounded(inRange ? y : 0.0) * invNo;
    t[k] = inRange ? value : std::numeric_limits<double>::quiet_NaN();
  }
}

float ExactCycleDamage(double no, float base, double e) {
  return static_cast<float>(1.0 / (no * std::pow(static_cast<double>(base), e)));
}

__attribute__((target_clones("avx512f", "avx2", "default")))
void NearestSingles(const double* t, float* damage, int count) {
  for (int k = 0; k < count; ++k) damage[k] = SafeNearestSingle(t[k]);
}

bool PowerFactorsOf(const CycleRule& rule, double no, PowerFactors& f) {
  f.lh = static_cast<double>(rule.L) * rule.absH;  // exact: two Singles
  f.invNum = 1.0 / rule.numerator;
  f.m = rule.m;
  const double ratio = f.lh * f.invNum;
  f.cM = std::pow(ratio, rule.m) / no;
  f.cExt = std::pow(ratio, rule.mExt) / no;
  return std::isnormal(ratio) && std::isnormal(f.cM) && std::isnormal(f.cExt);
}

__attribute__((target_clones("avx512f", "avx2", "fma", "default")))
void InverseLivesFromPowers(const PowerFactors& f, const float* base, const double* e, const float* ranges,
                            const double* powM, const double* powExt, double* t, int count) {
  constexpr double kThird = 1.0 / 3.0, kSixth = 1.0 / 6.0;
  for (int k = 0; k < count; ++k) {
    const double powerM = powM[k], powerExt = powExt[k];  // both read: a select, not a masked load
    const bool ext = e[k] != f.m;
    const double power = ext ? powerExt : powerM;
    const double c = ext ? f.cExt : f.cM;
    const double delta = static_cast<double>(base[k]) * f.lh * static_cast<double>(ranges[k]) * f.invNum - 1.0;
    const double u = e[k] * (delta * (1.0 - delta * (0.5 - delta * kThird)));  // e ln(1 + delta)
    const double correction = 1.0 - u * (1.0 - u * (0.5 - u * kSixth));        // e^-u
    const bool usable = (power >= DBL_MIN) & (power <= DBL_MAX);
    t[k] = usable ? c * power * correction : std::numeric_limits<double>::quiet_NaN();
  }
}
