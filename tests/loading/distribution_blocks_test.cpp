#include "loading/distribution_blocks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "program_state.h"

namespace {

// A distribution of law `kind` with relative Q and R, ready to be cut as the
// display menu cuts it (10 blocks down to 0.1), to be fitted as `fitTo`.
ProgramState Cut(float kind, float q, float r, int16_t fitTo) {
  ProgramState s;
  s.loadingDistributionBlocks.DistKindCode = kind;
  s.loadingDistributionBlocks.DistBlockCount = 10;
  s.loadingDistributionBlocks.DistLowestLevel = 0.1;
  s.loadingData.DistQ = q;
  s.loadingData.DistR = r;
  s.loadingData.DistributionType = fitTo;
  DiscretizeLoadingDistribution(s);
  return s;
}

float WeightSum(const LoadingDistributionBlocks& b) {
  float sum = 0;
  for (int k = 1; k <= b.DistBlockCount; ++k) sum += b.DistBlockWeight[k];
  return sum;
}

TEST(DiscretizeLoadingDistribution, UniformBetaGivesTenEqualBlocks) {
  ProgramState s = Cut(1, 1, 1, 1);
  const LoadingDistributionBlocks& b = s.loadingDistributionBlocks;
  ASSERT_EQ(b.DistBlockCount, 10);
  EXPECT_EQ(b.DistLowestLevel, 0.1);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_NEAR(b.DistBlockLevel[k], 1.0 - 0.1 * (k - 1), 1e-6) << k;
    if (k < 10) {
      EXPECT_EQ(b.DistBlockWeight[k], 0.1f) << k;
    }
  }
  EXPECT_EQ(b.DistBlockWeight[10], 0.099999987f) << "the tenth takes the remainder";
  EXPECT_EQ(b.DistBlockWeight[0], 0.0f);

  ASSERT_TRUE(FitLoadingDistribution(s));
  EXPECT_NEAR(s.loadingData.DistQ, 1.01515f, 1e-5);
  EXPECT_NEAR(s.loadingData.DistR, 1.01515f, 1e-5);
}

TEST(DiscretizeLoadingDistribution, BetaTwoFiveBackToBeta) {
  ProgramState s = Cut(1, 2, 5, 1);
  const LoadingDistributionBlocks& b = s.loadingDistributionBlocks;
  ASSERT_EQ(b.DistBlockCount, 10);
  EXPECT_NEAR(b.DistBlockWeight[1], 1.76e-5, 0.01e-5);
  EXPECT_NEAR(b.DistBlockWeight[10], 0.12068, 0.00001);
  EXPECT_NEAR(WeightSum(b), 1.0f, 1e-6);
  ASSERT_TRUE(FitLoadingDistribution(s));
  EXPECT_NEAR(s.loadingData.DistQ, 1.9080, 0.0001);
  EXPECT_NEAR(s.loadingData.DistR, 4.8507, 0.0001);
}

TEST(DiscretizeLoadingDistribution, EveryLawToEveryLaw) {
  // Beta, Weibull and log-normal (relative parameters) fitted by each law:
  // every fit gives finite parameters above 0 (Q of a log-normal is ln s).
  struct Law {
    float kind, q, r;
  } laws[] = {{1, 2, 5}, {1, 0.5f, 0.8f}, {2, 0.3f, 1.5f}, {3, -1.5f, 0.5f}};
  for (const Law& law : laws) {
    for (int16_t to = 1; to <= 3; ++to) {
      ProgramState s = Cut(law.kind, law.q, law.r, to);
      EXPECT_NEAR(WeightSum(s.loadingDistributionBlocks), 1.0f, 1e-6) << law.kind;
      ASSERT_TRUE(FitLoadingDistribution(s)) << law.kind << " to " << to;
      EXPECT_TRUE(std::isfinite(s.loadingData.DistQ));
      EXPECT_GT(s.loadingData.DistR, 0.0f);
      if (to != 3) {
        EXPECT_GT(s.loadingData.DistQ, 0.0f);
      }
    }
  }
  // A Weibull fitted to a Weibull comes back close to where it started.
  ProgramState w = Cut(2, 0.3f, 1.5f, 2);
  ASSERT_TRUE(FitLoadingDistribution(w));
  EXPECT_NEAR(w.loadingData.DistR, 1.5f, 0.3f);
  EXPECT_NEAR(w.loadingData.DistQ, 0.3f, 0.05f);
}

TEST(DiscretizeLoadingDistribution, EmptyLowBlocksAreDroppedWithTheLowestLevel) {
  // A Beta crowded at the top: blocks 5 to 9 get no weight, the tenth only
  // the rounding remainder. The remainder moves up block by block into
  // block 5, which becomes the last; the lowest level follows it, so the
  // stored levels keep their width of 0.1.
  ProgramState s = Cut(1, 200, 1.5f, 1);
  const LoadingDistributionBlocks& b = s.loadingDistributionBlocks;
  ASSERT_EQ(b.DistBlockCount, 5);
  EXPECT_EQ(b.DistLowestLevel, static_cast<double>(b.DistBlockLevel[5]));
  EXPECT_NEAR(b.DistLowestLevel, 0.6, 1e-6);
  EXPECT_GT(b.DistBlockWeight[5], 0.0f);
  EXPECT_LT(b.DistBlockWeight[5], 1e-7f);
  EXPECT_NEAR(WeightSum(b), 1.0f, 1e-6);
}

TEST(FitLoadingDistribution, KeepsTheParametersWhereNoFitCanBeMade) {
  // All the weight in the top block: the count ends at 0.
  ProgramState s = Cut(2, 0.01f, 2, 1);
  EXPECT_EQ(s.loadingDistributionBlocks.DistBlockWeight[1], 1.0f);
  EXPECT_EQ(s.loadingDistributionBlocks.DistBlockCount, 0);
  for (int16_t to = 1; to <= 3; ++to) {
    s.loadingData.DistributionType = to;
    EXPECT_FALSE(FitLoadingDistribution(s)) << to;
    EXPECT_EQ(s.loadingData.DistQ, 0.01f);
    EXPECT_EQ(s.loadingData.DistR, 2.0f);
  }

  // A Weibull with no density at the top midpoint leaves block 1 all the
  // weight and a trace in the next: no Beta within the inputs' range fits.
  ProgramState steep = Cut(2, 0.2f, 8, 1);
  EXPECT_EQ(steep.loadingDistributionBlocks.DistBlockCount, 2);
  EXPECT_FALSE(FitLoadingDistribution(steep));
  EXPECT_EQ(steep.loadingData.DistQ, 0.2f);

  // Blocks without spread: one level holds all the weight, the next none.
  struct Case {
    int16_t to;
    float level1, level2;
  } degenerate[] = {{1, 0.5f, 0.5f}, {3, 0.5f, 0.5f}, {2, 0.5f, 0.5f}};
  for (const Case& c : degenerate) {
    ProgramState d;
    LoadingDistributionBlocks& b = d.loadingDistributionBlocks;
    b.DistBlockCount = 2;
    b.DistLowestLevel = 1.0;  // both blocks at the same level: width 0
    b.DistBlockLevel[1] = c.level1;
    b.DistBlockLevel[2] = c.level2;
    b.DistBlockWeight[1] = 1;
    d.loadingData.DistributionType = c.to;
    d.loadingData.DistQ = 3;
    d.loadingData.DistR = 4;
    EXPECT_FALSE(FitLoadingDistribution(d)) << c.to;
    EXPECT_EQ(d.loadingData.DistQ, 3.0f);
    EXPECT_EQ(d.loadingData.DistR, 4.0f);
  }
}

TEST(DiscretizeLoadingDistribution, ABetaBeyondTheGammaFunctionIsStillCut) {
  // Q + R beyond 170: the Gamma function overflows, the Beta's scale cancels.
  ProgramState s = Cut(1, 300, 2, 1);
  EXPECT_NEAR(WeightSum(s.loadingDistributionBlocks), 1.0f, 1e-6);
  EXPECT_GE(s.loadingDistributionBlocks.DistBlockCount, 2);
}

}  // namespace
