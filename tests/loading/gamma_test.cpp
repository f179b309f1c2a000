#include "loading/gamma.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Gamma, GivesTheProgramsValues) {
  struct Case {
    float x;
    double value;
  };
  const Case cases[] = {{1.0f, 0.99995}, {3.0f, 1.99994}, {0.5f, 1.77239}};
  for (const Case& c : cases) EXPECT_NEAR(CalcGamma(c.x), c.value, 5e-6) << "x = " << c.x;
  EXPECT_NEAR(CalcGamma(5.0f) / 24.0, 1.0, 1e-4);  // close to the true value for larger x
}

// The series evaluated as written, left to right, with pi and e as stored.
TEST(Gamma, FollowsTheSeriesToTheLastDigits) {
  struct Case {
    float x;
    double value;
  };
  const Case cases[] = {{1.0f, 0.999954517135831}, {3.0f, 1.9999391688239911}, {0.5f, 1.772385290671617}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(CalcGamma(c.x), c.value) << "x = " << c.x;
}

TEST(Gamma, ArgumentsNotAboveZeroGiveNaN) {
  for (float x : {0.0f, -1.0f, -0.5f}) EXPECT_TRUE(std::isnan(CalcGamma(x))) << x;
}

}  // namespace
