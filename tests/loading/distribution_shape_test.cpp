#include "loading/distribution_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "loading/loading_records.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"

namespace {

LoadingData Typed(int16_t type, float q, float r) {
  LoadingData l;
  l.DistributionType = type;
  l.DistQ = l.DistQInput = q;
  l.DistR = l.DistRInput = r;
  return l;
}

TEST(NormaliseTypedDistribution, WeibullSmaxIsTheRangeExceededWithProbability0002) {
  LoadingData l = Typed(2, 100, 2);
  NormaliseTypedDistribution(l);
  EXPECT_NEAR(l.StressRangeTo, 291.842f, 0.0005f);
  EXPECT_NEAR(l.DistQ, 0.342651f, 5e-7f);
  EXPECT_EQ(l.DistR, 2.0f);
  const double p = DistributionExceedance(2, l.DistQ, l.DistR);
  EXPECT_NEAR(p, 2e-4, 1e-9);
  EXPECT_EQ(Format(p, "#.0#e+##"), "2.0e-4");
}

TEST(NormaliseTypedDistribution, LogNormalSmaxLies33StandardDeviationsAboveTheMean) {
  LoadingData l = Typed(3, 4, 0.5f);
  NormaliseTypedDistribution(l);
  EXPECT_EQ(l.StressRangeTo, Sng(std::exp(4 + 0.125 + 1.65)));
  EXPECT_NEAR(l.DistQ, -1.775f, 2e-6f);
  // The trapezoid sum of 9,999 terms, not the exact integral (1.93e-4).
  const double p = DistributionExceedance(3, l.DistQ, l.DistR);
  EXPECT_NEAR(p, 1.8151e-4, 5e-9);
}

TEST(NormaliseTypedDistribution, BetaAndShapelessDistributionsStayAsTyped) {
  struct Case {
    int16_t type;
    float q, r;
  };
  for (const Case c : {Case{1, 3, 3}, Case{2, 100, 0}, Case{3, 4, 0}, Case{2, 0, 2}, Case{3, 100, 100}}) {
    LoadingData l = Typed(c.type, c.q, c.r);
    l.StressRangeTo = 250;
    EXPECT_EQ(TypedDistributionPlaceable(l), c.type == 1) << c.type << " " << c.q << " " << c.r;
    NormaliseTypedDistribution(l);
    EXPECT_EQ(l.StressRangeTo, 250.0f);
    EXPECT_EQ(l.DistQ, c.q);
  }
  EXPECT_EQ(DistributionExceedance(1, 3, 3), 0.0);
}

TEST(LoadingDensity, TheThreeKindsAtOnePoint) {
  const double s = 0.3;
  EXPECT_DOUBLE_EQ(LoadingDensity(1, s, 3, 2), s * s * (1 - s));
  EXPECT_DOUBLE_EQ(LoadingDensity(2, s, 0.5, 2), (2 * s / 0.25) * std::exp(-s * s / 0.25));
  const double d = std::log(s) + 1;
  EXPECT_NEAR(LoadingDensity(3, s, -1, 0.5), std::exp(-d * d / 2 / 0.25) / s / 0.5 / std::sqrt(2 * 3.141592654), 1e-15);
}

TEST(DensitySamples, SinglePrecisionStepsGiveTheCountsOfTheDiagramAndThePreview) {
  const auto diagram = DensitySamples(1, 3, 3, 0.002f, 0.002f, 0.998f);
  ASSERT_EQ(diagram.size(), 499u);
  EXPECT_LT(diagram.back().s, 0.998f);
  EXPECT_EQ(DensitySamples(2, 0.5f, 2, 0.005f, 0.005f, 0.995f).size(), 199u);
  // Beta 3, 3 peaks at s = 0.5.
  EXPECT_NEAR(LargestDensity(diagram), 0.0625, 1e-6);
}

TEST(DrawablePeak, NoPeakOrAnUnboundedSampleLeavesNothingToDraw) {
  EXPECT_EQ(DrawablePeak({}), 0.0);
  EXPECT_EQ(DrawablePeak({{0.1f, 0.0}, {0.2f, 0.0}}), 0.0);
  EXPECT_EQ(DrawablePeak({{0.1f, 2.0}, {0.2f, std::numeric_limits<double>::quiet_NaN()}}), 0.0);
  EXPECT_EQ(DrawablePeak({{0.1f, 2.0}, {0.2f, 3.0}, {0.3f, 3.0}}), 3.0);
}

TEST(DistributionNameOf, EveryTypeBeyondWeibullIsLogNormal) {
  EXPECT_EQ(DistributionNameOf(1), "Beta ");
  EXPECT_EQ(DistributionNameOf(2), "Weibull ");
  EXPECT_EQ(DistributionNameOf(3), "Log-norm ");
  EXPECT_EQ(DistributionNameOf(0), "Log-norm ");
}

TEST(DistributionTypeOfBatch, KindCodesOfTheDatabase) {
  EXPECT_EQ(DistributionTypeOfBatch(0), 1);
  EXPECT_EQ(DistributionTypeOfBatch(-1), 2);
  EXPECT_EQ(DistributionTypeOfBatch(-2), 3);
  EXPECT_EQ(DistributionTypeOfBatch(7), 3);
}

}  // namespace
