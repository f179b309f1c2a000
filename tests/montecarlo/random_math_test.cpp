#include "montecarlo/random_math.h"

#include <gtest/gtest.h>

#include <cmath>

#include "loading/gamma.h"

namespace {

RandomVariablePanel ParamsOf(int16_t type, float cov) {
  RandomVariablePanel p;
  CalcDistributionParams(p, type, cov);
  return p;
}

// The coefficient of variation of the Weibull law with shape b.
double WeibullCov(float b) {
  const double g1 = CalcGamma(static_cast<float>(1.0 + 1.0 / b));
  const double g2 = CalcGamma(static_cast<float>(1.0 + 2.0 / b));
  return std::sqrt(g2 - g1 * g1) / g1;
}

TEST(CalcDistributionParams, ParametersOfTheMeanOneLaws) {
  struct Case {
    int16_t type;
    float cov, a, b;
  };
  const Case cases[] = {
      {1, 0.1f, 1.0f, 0.1f},
      {5, 0.2f, 1.0f, 0.2f},
      {2, 0.1f, -0.005f, static_cast<float>(std::sqrt(std::log(1.01)))},
      {4, 0.5f, 0.5f, 2.0f},
      {0, 0.3f, 1.0f, 0.0f},
      {-1, 0.7f, 1.0f, 0.0f},
      {-4, 0.7f, 1.0f, 0.0f},
      {3, 0.0f, 1.0f, 0.0f},  // a COV of 0 would divide by zero
      {4, 0.0f, 1.0f, 0.0f},
      {3, -0.1f, 1.0f, 0.0f},
  };
  for (const Case& c : cases) {
    const RandomVariablePanel p = ParamsOf(c.type, c.cov);
    EXPECT_FLOAT_EQ(p.PanelParA, c.a) << c.type << " " << c.cov;
    EXPECT_FLOAT_EQ(p.PanelParB, c.b) << c.type << " " << c.cov;
  }
}

TEST(CalcDistributionParams, WeibullShapeStopsWithinTheTolerance) {
  const RandomVariablePanel one = ParamsOf(3, 1.0f);  // the first pass already fits
  EXPECT_EQ(one.PanelParB, 1.0f);
  EXPECT_EQ(one.PanelParA, static_cast<float>(1.0 / static_cast<float>(CalcGamma(2.0f))));

  const RandomVariablePanel tenth = ParamsOf(3, 0.1f);  // stops short of the exact 12.15
  EXPECT_NEAR(tenth.PanelParB, 12.06f, 0.01f);
  EXPECT_NEAR(tenth.PanelParA, 1.043f, 0.001f);

  for (float cov : {0.01f, 0.03f, 0.1f, 0.25f, 0.5f, 0.75f, 0.99f}) {
    const RandomVariablePanel p = ParamsOf(3, cov);
    EXPECT_NEAR(WeibullCov(p.PanelParB), cov, 0.0011) << cov;
    EXPECT_FLOAT_EQ(p.PanelParA, static_cast<float>(1.0 / static_cast<float>(CalcGamma(1.0f + 1.0f / p.PanelParB))));
  }
  EXPECT_EQ(ParamsOf(7, 0.1f).PanelParB, tenth.PanelParB);  // codes above 5 take the Weibull branch
}

TEST(CalcDistributionPlotRange, FourDeviationsClampedToThePlot) {
  struct Case {
    int16_t type;
    float a, b, xmin, xmax;
  };
  const Case cases[] = {
      {1, 1.0f, 0.3f, 0.01f, 2.2f},          // a negative left end becomes 0.01
      {4, 0.0f, 1.0f, 0.0f, 3.0f},           // 0 stays 0, 5 is cut to 3
      {5, 1.0f, 0.2f, 1.0f - 0.3464f, 1.0f + 0.3464f},
      {0, 1.0f, 0.0f, 1.0f, 1.0f},
      {3, 1.0f, 0.0f, 0.01f, 3.0f},          // a shape of 0: the widest plot
  };
  for (const Case& c : cases) {
    RandomVariablePanel p;
    p.PanelParA = c.a;
    p.PanelParB = c.b;
    CalcDistributionPlotRange(p, c.type);
    EXPECT_FLOAT_EQ(p.PanelXmin, c.xmin) << c.type;
    EXPECT_FLOAT_EQ(p.PanelXmax, c.xmax) << c.type;
  }
}

TEST(CalcDistributionPlotRange, LogNormalAndWeibullAroundTheirMeans) {
  RandomVariablePanel p = ParamsOf(2, 0.1f);
  CalcDistributionPlotRange(p, 2);
  const double b = p.PanelParB, m = std::exp(-0.005 + b * b / 2.0);
  EXPECT_NEAR(p.PanelXmax, std::exp(std::log(m) + 4.0 * b), 1e-6);
  EXPECT_NEAR(p.PanelXmin, std::exp(std::log(m) - 4.0 * b), 1e-6);

  RandomVariablePanel w = ParamsOf(3, 0.1f);
  CalcDistributionPlotRange(w, 3);
  const double centre = (w.PanelXmax + w.PanelXmin) / 2.0, halfWidth = (w.PanelXmax - w.PanelXmin) / 2.0;
  EXPECT_NEAR(centre, 2.0 - w.PanelParA, 0.001);  // m - A + 1 with the mean m = A Gamma(1 + 1/B) = 1
  EXPECT_NEAR(halfWidth, 0.4, 0.01);
}

TEST(CalcProbabilityDensity, DensitiesAndTheirFailures) {
  const double root2pi = std::sqrt(2.0 * 3.141592654);
  struct Case {
    int16_t type;
    float a, b, x;
    double density;
  };
  const Case cases[] = {
      {0, 1.0f, 0.0f, 1.00009f, 1.0},  // the point mass, within 0.0001 of a
      {-1, 1.0f, 0.0f, 1.0002f, 0.0},
      {1, 1.0f, 0.5f, 1.0f, 1.0 / 0.5 / root2pi},
      {1, 1.0f, 0.0f, 1.0f, 0.0},      // b = 0 divides by zero
      {2, 0.0f, 1.0f, 1.0f, 1.0 / root2pi},
      {2, 0.0f, 1.0f, 0.0f, 0.0},      // ln 0
      {2, 0.0f, 1.0f, -1.0f, 0.0},
      {3, 1.0f, 1.0f, 0.5f, std::exp(-0.5)},
      {3, 2.0f, 2.0f, 1.0f, 2.0 * 1.0 / 4.0 * std::exp(-0.25)},
      {3, 0.0f, 2.0f, 1.0f, 0.0},      // a scale of 0
      {3, 1.0f, 0.5f, 0.0f, 0.0},      // x^(b - 1) at 0 is infinite
      {4, 0.5f, 2.0f, 0.4999f, 0.0},   // left of the shift
      {4, 0.5f, 2.0f, 0.5f, 2.0},
      {5, 1.0f, 0.1f, static_cast<float>(1.0 + 1.732 * static_cast<double>(0.1f)), 1.0 / (2.0 * 0.1732)},
      {5, 1.0f, 0.1f, static_cast<float>(1.0 - 1.732 * static_cast<double>(0.1f)), 1.0 / (2.0 * 0.1732)},
      {5, 1.0f, 0.1f, 1.1733f, 0.0},  // the interval's ends are included, nothing beyond
      {6, 1.0f, 0.1f, 1.0f, 0.0},
      {-2, 1.0f, 0.1f, 1.0f, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(CalcProbabilityDensity(c.type, c.a, c.b, c.x), c.density, 1e-5 * (1.0 + c.density))
        << c.type << " " << c.a << " " << c.b << " " << c.x;
  }
}

}  // namespace
