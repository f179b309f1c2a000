#include <gtest/gtest.h>

#include <cmath>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "loading/gamma.h"
#include "support/fake_host.h"

namespace {

constexpr float kInf = 1.0e30f;

class DistributionTest : public ::testing::Test {
 protected:
  ProgramState s = PlainJob();
  FakeHost host;
  void SetUp() override {
    s.analysisOptions.LoadingType = 4;
    s.loadingData.DistributionType = 1;
    s.loadingData.DistQ = 1.0f;
    s.loadingData.DistR = 1.0f;
    s.materialData.SNExponent = 3.0f;
  }
  void Run() { CalcDamageDistribution(s, host); }
};

TEST_F(DistributionTest, BetaOneOneIsAboutFourTimesTheConstantRangeLife) {
  Run();
  const double constantRange = 2e6 * std::pow(100.0 / 200.0, 3.0);
  EXPECT_NEAR(s.results.LifeCycles / constantRange, 4.0, 4e-3);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 0);
  EXPECT_EQ(s.results.LifeBlocks, s.results.LifeCycles);  // one cycle per block
  EXPECT_FLOAT_EQ(s.results.TotalDamage, 1.0f / s.results.LifeBlocks);
  EXPECT_EQ(s.analysisOptions.LifeUnit, 1);
}

TEST_F(DistributionTest, WeibullAndLogNormalClosedForms) {
  s.loadingData.DistQ = 0.5f;
  s.loadingData.DistR = 2.0f;
  s.loadingData.DistributionType = 2;
  Run();
  const double c = 2e6 * 1e6;
  EXPECT_NEAR(s.results.LifeCycles, c / CalcGamma(2.5f) / std::pow(100.0, 3.0), 1.0);
  s.loadingData.DistributionType = 3;
  s.loadingData.DistR = 0.5f;
  Run();
  const double z = std::exp(0.25) - 1.0;
  EXPECT_NEAR(s.results.LifeCycles / (c / std::pow(std::exp(0.5) * 200.0, 3.0) / std::pow(1.0 + z, 3.0)), 1.0,
              1e-6);
}

TEST_F(DistributionTest, BelowTheLimitIsInfiniteOnlyWhileTheLimitHolds) {
  s.loadingData.StressRangeTo = 50.0f;
  Run();
  EXPECT_EQ(s.results.LifeCycles, kInf);
  EXPECT_EQ(s.results.LifeBlocks, kInf);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
  s.mcsSettings.NeglectFatigueLimit = 1;
  Run();
  EXPECT_LT(s.results.LifeCycles, 1e29f);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 0);
}

TEST_F(DistributionTest, LifeBelowOneCycleIsOneCycle) {
  s.materialData.EnduranceCycles = 1;
  s.materialData.SeFrom = 1.0f;
  s.loadingData.StressRangeTo = 1000.0f;
  Run();
  EXPECT_LT(s.results.DistributionLife, 1.0f);
  EXPECT_EQ(s.results.LifeCycles, 1.0f);
}

TEST_F(DistributionTest, BatchBlockCyclesAreRoundedHalfToEven) {
  s.loadingDbState.LoadingSource = 1;
  s.loadingDbState.SelectedLoadingBatch = 4;
  s.loadingDatabase.BatchBlockCycles[4] = 1000.5f;
  Run();
  EXPECT_EQ(s.loadingData.CyclesPerBlock, 1000);
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, s.results.LifeCycles / 1000.0f);
}

TEST_F(DistributionTest, TotalDamageIsWrittenInEverySimulationRun) {
  s.mcsSettings.SimulationsDone = 5;
  s.analysisOptions.DamageToFailure = 0.5f;
  Run();
  EXPECT_FLOAT_EQ(s.results.TotalDamage, 0.5f / s.results.LifeBlocks);
}

TEST_F(DistributionTest, SteepCurvesDoNotOverflowSingle) {
  s.loadingData.DistributionType = 2;
  s.loadingData.DistQ = 1.0f;
  s.loadingData.DistR = 2.0f;
  s.materialData.SNExponent = 15.0f;  // C = No x 400^15 is beyond Single
  s.materialData.SeFrom = 400.0f;
  s.loadingData.StressRangeTo = 500.0f;
  Run();
  const double expected = 2e6 * std::pow(0.8, 15.0) / CalcGamma(8.5f);
  EXPECT_NEAR(s.results.LifeCycles / expected, 1.0, 1e-5);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 0);
}

TEST_F(DistributionTest, MasterCurvesWriteEveryPointAndEnd) {
  s.analysisOptions.AnalysisMode = 2;
  s.loadingData.StressRangeFrom = 200.0f;
  s.loadingData.StressRangeTo = 400.0f;
  s.materialData.SeFrom = 100.0f;
  s.materialData.SeTo = 150.0f;
  for (int16_t param : {1, 2, 3}) {
    s.analysisOptions.MasterCurveParameter = param;
    s.lifeResults.MasterLife.fill(-1.0f);
    Run();  // parameter 3 is not stepped: every point with the values in place
    for (int p = 1; p <= 21; ++p) EXPECT_GT(s.lifeResults.MasterLife[p], 0.0f) << param << " " << p;
    EXPECT_EQ(s.lifeResults.MasterLife[22], -1.0f);
    EXPECT_FLOAT_EQ(s.results.NotchedEnduranceRange, 100.0f);  // restored to the lower end
    if (param == 3) {
      EXPECT_EQ(s.lifeResults.MasterLife[1], s.lifeResults.MasterLife[21]);
    }
  }
  s.analysisOptions.MasterCurveParameter = 2;
  Run();
  EXPECT_FLOAT_EQ(s.lifeResults.MasterParam[21], 150.0f);
  EXPECT_GT(s.lifeResults.MasterLife[21], s.lifeResults.MasterLife[1]);
}

// Figures worked out by hand from the Single rules (C, the Gamma factors and
// the lives as Single; powers and Gamma in double), pinned to the last bit:
// m = 3, r = 0.1 (fR = Su / (Su - 55.56), no thickness factor in Sm_r),
// TF = 0.9, 200 MPa, 1000 cycles per block.
TEST_F(DistributionTest, WorkedFiguresToTheLastBit) {
  struct Case {
    int16_t type;
    float q, r;
    float lifeCycles, lifeBlocks, totalDamage;
  };
  const Case cases[] = {
      {1, 1.0f, 1.0f, 1077886.875f, 1077.8868408203125f, 0.0009277411736547947f},
      {2, 0.5f, 2.0f, 1621745.25f, 1621.7452392578125f, 0.0006166196544654667f},
      {3, 0.5f, 0.5f, 28402.15234375f, 28.40215301513672f, 0.03520859777927399f},
  };
  for (const Case& c : cases) {
    s.analysisOptions.MeanStressOption = 2;
    s.materialData.SNStressRatio = 0.1f;
    s.materialData.ThicknessFactor = 0.9f;
    s.loadingData.CyclesPerBlock = 1000;
    s.loadingData.DistributionType = c.type;
    s.loadingData.DistQ = c.q;
    s.loadingData.DistR = c.r;
    Run();
    EXPECT_EQ(s.results.DistributionLife, c.lifeCycles) << "type " << c.type;
    EXPECT_EQ(s.results.LifeCycles, c.lifeCycles) << "type " << c.type;
    EXPECT_EQ(s.results.LifeBlocks, c.lifeBlocks) << "type " << c.type;
    EXPECT_EQ(s.results.TotalDamage, c.totalDamage) << "type " << c.type;
    EXPECT_EQ(s.results.InfiniteLifeFlag, 0) << "type " << c.type;
  }
}

TEST_F(DistributionTest, ZeroStressIsAnInfiniteLife) {
  s.mcsSettings.NeglectFatigueLimit = 1;  // no shortcut: the closed form would divide by 0
  for (auto [range, scaling] : {std::pair{0.0f, 1.0f}, std::pair{200.0f, 0.0f}}) {
    s.loadingData.StressRangeTo = range;
    s.loadingData.ScalingFactorApplied = scaling;
    Run();
    EXPECT_EQ(s.results.LifeCycles, kInf);
    EXPECT_EQ(s.results.LifeBlocks, kInf);
    EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
    EXPECT_EQ(s.results.TotalDamage, 1.0f / kInf);
  }
}

}  // namespace
