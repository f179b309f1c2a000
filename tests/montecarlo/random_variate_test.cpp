#include "montecarlo/random_variate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTwo31 = 2147483648.0;

// One variable in slot 1 with wide bounds.
RandomVariableTable Slot1(float a, float b, float cov, float xmin = 0.0f, float xmax = 100.0f) {
  RandomVariableTable t;
  t.RvParA[1] = a;
  t.RvParB[1] = b;
  t.RvCov[1] = cov;
  t.RvXmin[1] = xmin;
  t.RvXmax[1] = xmax;
  return t;
}

// The standard normal quantile of u, by bisection on erfc.
double NormalQuantile(double u) {
  double lo = -10.0, hi = 10.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2.0;
    (0.5 * std::erfc(-mid / std::sqrt(2.0)) < u ? lo : hi) = mid;
  }
  return lo;
}

TEST(CalcModM31, StreamsOfTheMultiplicativeGenerator) {
  struct Case {
    double seed, next;
  };
  const Case cases[] = {
      {1.0, 16807.0},
      {16807.0, 282475249.0},
      {3413432.0, 1534976802.0},  // the endurance limit's first seed
      {2147483646.0, 2147466840.0},
  };
  for (const Case& c : cases) {
    double seed = c.seed;
    EXPECT_EQ(NextUniform(seed), c.next / kTwo31) << c.seed;
    EXPECT_EQ(seed, c.next) << c.seed;
  }
  EXPECT_EQ(CalcModM31(2147483647.0 * 3 + 5.5), 5.5);
  double fractional = 10335225.45346;  // fractions are carried
  NextUniform(fractional);
  EXPECT_DOUBLE_EQ(fractional, CalcModM31(16807.0 * 10335225.45346));
}

TEST(GenerateRandomVariate, AntitheticPairsAdvanceTheSeedEverySecondCall) {
  RandomVariableTable t = Slot1(1.0f, 0.1f, 0.1f, 0.8f, 1.2f);
  const double u1 = 1534976802.0 / kTwo31, u2 = 634059803.0 / kTwo31;
  struct Call {
    double u, seedAfter;
    float memory;
  };
  const Call calls[] = {
      {u1, 1534976802.0, static_cast<float>(u1)},
      {1.0 - static_cast<float>(u1), 1534976802.0, 0.0f},  // 1 minus the stored Single
      {u2, 634059803.0, static_cast<float>(u2)},
      {1.0 - static_cast<float>(u2), 634059803.0, 0.0f},
  };
  double seed = 3413432.0;
  const double width = static_cast<double>(1.2f) - static_cast<double>(0.8f);
  for (const Call& c : calls) {
    EXPECT_EQ(GenerateRandomVariate(t, 5, 1, seed), width * c.u + static_cast<double>(0.8f));
    EXPECT_EQ(seed, c.seedAfter);
    EXPECT_EQ(t.RvLastUniform[1], c.memory);
  }
}

// Exponential with A = 0.5, B = 2, COV 0.5: m = 0.4, s = 1.5.
double Exponential(double u) { return static_cast<float>(0.5 - 0.2 * static_cast<double>(0.5f)) - std::log(1.0 - u) / 1.5; }

TEST(GenerateRandomVariate, ARejectedNumberIsFollowedByItsPartner) {
  const double u1 = 1534976802.0 / kTwo31;  // gives 1.24: outside 0.5 .. 1.0
  RandomVariableTable t = Slot1(0.5f, 2.0f, 0.5f, 0.5f, 1.0f);
  double seed = 3413432.0;
  const double value = GenerateRandomVariate(t, 4, 1, seed);
  EXPECT_DOUBLE_EQ(value, Exponential(1.0 - static_cast<float>(u1)));
  EXPECT_EQ(seed, 634059803.0);  // the stream advanced twice, the second number unused
  EXPECT_EQ(t.RvLastUniform[1], 0.0f);
}

TEST(GenerateRandomVariate, ARejectedPartnerTakesAFreshNumber) {
  RandomVariableTable t = Slot1(0.5f, 2.0f, 0.5f, 1.0f, 1.5f);
  double seed = 3413432.0;
  const double u1 = 1534976802.0 / kTwo31, u2 = 634059803.0 / kTwo31;
  EXPECT_DOUBLE_EQ(GenerateRandomVariate(t, 4, 1, seed), Exponential(u1));  // 1.24: inside
  // Second call: the partner 1 - u1 gives 0.62 (rejected), the fresh u2 0.63
  // (rejected), then one more number is drawn and discarded and u2's partner
  // gives 1.21.
  EXPECT_DOUBLE_EQ(GenerateRandomVariate(t, 4, 1, seed), Exponential(1.0 - static_cast<float>(u2)));
  EXPECT_EQ(seed, 829252607.0);
  EXPECT_EQ(t.RvLastUniform[1], 0.0f);
}

TEST(GenerateRandomVariate, TransformsByType) {
  const double u1 = 1534976802.0 / kTwo31;
  const auto first = [](RandomVariableTable t, int16_t type) {
    double seed = 3413432.0;
    return GenerateRandomVariate(t, type, 1, seed);
  };
  // Normal, A = 1, B = 0.1, COV 0.1: 1.1 x (m + s z) with m = 1 / 1.0175 and
  // s = 0.0985; z within the approximation's 0.003.
  const double m = 1.0 / 1.0175, s = 0.0985;
  const double normal = first(Slot1(1.0f, 0.1f, 0.1f), 1);
  EXPECT_NEAR(normal, 1.1 * (m + s * NormalQuantile(u1)), 1.1 * s * 0.003);
  EXPECT_EQ(normal, static_cast<float>(normal));  // a Single widened
  // Log-normal: exp(m + s z + B) with m = A - 0.1 COV and s = B / (1 - 0.2 COV).
  const double logNormal = first(Slot1(-0.005f, 0.1f, 0.1f), 2);
  EXPECT_NEAR(std::log(logNormal), -0.015 + 0.1 / 0.98 * NormalQuantile(u1) + 0.1, 0.1 / 0.98 * 0.003);
  // Weibull: m (-ln u)^(1/s) with s = B (1 - 0.15 COV).
  EXPECT_NEAR(first(Slot1(1.04f, 12.0f, 0.1f), 3), 1.04 * std::pow(-std::log(u1), 1.0 / (12.0 * 0.985)), 1e-6);
  EXPECT_DOUBLE_EQ(first(Slot1(0.5f, 2.0f, 0.5f), 4), Exponential(u1));
}

TEST(GenerateRandomVariate, BoundsAreIncluded) {
  const double u1 = 1534976802.0 / kTwo31;
  const double value = Exponential(u1);
  RandomVariableTable t = Slot1(0.5f, 2.0f, 0.5f, static_cast<float>(value), 3.0f);
  if (static_cast<float>(value) > value) t.RvXmin[1] = std::nextafter(t.RvXmin[1], 0.0f);
  double seed = 3413432.0;
  EXPECT_DOUBLE_EQ(GenerateRandomVariate(t, 4, 1, seed), value);
  EXPECT_EQ(seed, 1534976802.0);  // accepted at once
}

TEST(GenerateRandomVariate, CodesWithoutATransformAndEmptyBoundsGiveOne) {
  for (int16_t type : {0, -1, 6, 99}) {
    RandomVariableTable t = Slot1(1.0f, 0.1f, 0.1f);
    double seed = 3413432.0;
    EXPECT_EQ(GenerateRandomVariate(t, type, 1, seed), 1.0) << type;
    EXPECT_EQ(seed, 3413432.0) << type;  // nothing drawn
    EXPECT_EQ(t.RvLastUniform[1], 0.0f);
  }
  RandomVariableTable empty = Slot1(1.0f, 0.1f, 0.1f, 1.2f, 0.8f);  // no value can lie within
  double seed = 3413432.0;
  EXPECT_EQ(GenerateRandomVariate(empty, 1, 1, seed), 1.0);
}

}  // namespace
