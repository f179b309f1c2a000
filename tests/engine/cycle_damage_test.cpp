#include "engine/cycle_damage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

float Exact(double no, float base, double e) {
  return static_cast<float>(1.0 / (no * std::pow(static_cast<double>(base), e)));
}

TEST(CycleDamage, AgreesWithThePlainFormulaToTheLastBit) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<double> logBase(-12.0, 12.0);
  const double exponents[] = {1.0, 3.0, 3.5, 5.0, 7.25, 12.0, 22.0};
  const double lives[] = {1.0, 2e6, 1e7, 123457.0};
  constexpr int kBatch = 1000;
  std::vector<float> base(kBatch);
  std::vector<double> e(kBatch), t(kBatch);
  for (double no : lives) {
    for (int round = 0; round < 100; ++round) {
      for (int k = 0; k < kBatch; ++k) {
        base[k] = static_cast<float>(std::exp(logBase(rng)));
        e[k] = exponents[k % 7];
      }
      ApproxInverseLives(base.data(), e.data(), no, t.data(), kBatch);
      for (int k = 0; k < kBatch; ++k) {
        ASSERT_EQ(CycleDamageFrom(t[k], no, base[k], e[k]), Exact(no, base[k], e[k]))
            << "base " << base[k] << " e " << e[k] << " No " << no;
      }
    }
  }
}

TEST(CycleDamage, OutOfRangeArgumentsTakeThePlainFormula) {
  const float bases[] = {0.0f, 1e-30f, 1e30f, std::numeric_limits<float>::infinity(), 1e-40f};
  for (float b : bases) {
    const double e = 30.0;
    double t = 0.0;
    ApproxInverseLives(&b, &e, 2e6, &t, 1);
    EXPECT_EQ(CycleDamageFrom(t, 2e6, b, e), Exact(2e6, b, e)) << b;
  }
}

}  // namespace
