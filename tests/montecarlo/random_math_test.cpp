#include "montecarlo/random_math.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/gamma.h"

namespace {

TEST(CalcDistributionParams, MeanOneParametersByType) {
  const struct {
    int16_t type;
    float cov;
    float a, b;
  } cases[] = {
      {1, 0.1f, 1, 0.1f},
      {5, 0.2f, 1, 0.2f},
      {2, 0.1f, -0.005f, static_cast<float>(std::sqrt(std::log(1.01)))},
      {4, 0.5f, 0.5f, 2},
      {0, 0.3f, 1, 0},
      {-1, 0.3f, 1, 0},
      {4, 0, 1, 0},  // no division by a COV of 0
  };
  for (const auto& c : cases) {
    RandomVariablePanel p;
    CalcDistributionParams(p, c.type, c.cov);
    EXPECT_FLOAT_EQ(p.PanelParA, c.a) << c.type << " " << c.cov;
    EXPECT_FLOAT_EQ(p.PanelParB, c.b) << c.type << " " << c.cov;
  }
}

TEST(CalcDistributionParams, WeibullShapeByIteration) {
  RandomVariablePanel one;
  CalcDistributionParams(one, 3, 1.0f);
  EXPECT_EQ(one.PanelParB, 1);
  EXPECT_FLOAT_EQ(one.PanelParA, static_cast<float>(1 / CalcGamma(2)));
  RandomVariablePanel tenth;
  CalcDistributionParams(tenth, 3, 0.1f);
  EXPECT_NEAR(tenth.PanelParB, 12, 0.3);
  EXPECT_NEAR(tenth.PanelParA, 1.04, 0.01);
}

TEST(CalcDistributionPlotRange, FourDeviationsClampedTo0_01And3) {
  RandomVariablePanel normal;
  normal.PanelParA = 1;
  normal.PanelParB = 0.3f;
  CalcDistributionPlotRange(normal, 1);
  EXPECT_FLOAT_EQ(normal.PanelXmin, 0.01f);
  EXPECT_FLOAT_EQ(normal.PanelXmax, 2.2f);
  RandomVariablePanel exponential;
  exponential.PanelParA = 0;
  exponential.PanelParB = 1;
  CalcDistributionPlotRange(exponential, 4);
  EXPECT_EQ(exponential.PanelXmin, 0);
  EXPECT_EQ(exponential.PanelXmax, 3);
  RandomVariablePanel logNormal;
  CalcDistributionParams(logNormal, 2, 0.1f);
  CalcDistributionPlotRange(logNormal, 2);
  EXPECT_NEAR(logNormal.PanelXmin, std::exp(-4 * logNormal.PanelParB), 1e-3);
  EXPECT_NEAR(logNormal.PanelXmax, std::exp(4 * logNormal.PanelParB), 1e-3);
}

}  // namespace
