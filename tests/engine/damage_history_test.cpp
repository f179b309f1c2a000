#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "support/fake_host.h"

namespace {

constexpr float kInf = 1.0e30f;

// Records what the calculation draws on the progress picture.
struct RecordingProgress : CalcProgress {
  std::vector<float> boxRight;
  float ProgressScaleWidth() override { return 1000.0f; }
  float ProgressScaleHeight() override { return 100.0f; }
  void DrawProgressBox(float x1, float y1, float x2, float y2, int32_t colour) override {
    EXPECT_FLOAT_EQ(x1, 300.0f);
    EXPECT_FLOAT_EQ(y1, 85.0f);
    EXPECT_FLOAT_EQ(y2, 95.0f);
    EXPECT_EQ(colour, 0xFF0000);
    boxRight.push_back(x2);
  }
};

// Life in blocks of two cycles of range 200 on the plain curve: a cycle's N
// is held in double, its damage 1 / N in Single.
float TwoCyclesOf200() {
  const float d = static_cast<float>(1.0 / (2e6 * std::pow(100.0 / 200.0, 3.5)));
  return 1.0f / (d + d);
}

class HistoryTest : public ::testing::Test {
 protected:
  FakeHost host;
  CalcProgress none;
  void Run(ProgramState& s) { CalcDamageHistory(s, host, none); }
};

TEST_F(HistoryTest, SumsTheDamageOfTheCountedCycles) {
  ProgramState s = HistoryJob({0, 200, 0, 200, 0});  // two cycles of range 200
  s.analysisOptions.LifeUnit = 3;
  s.loadingData.ScalingFactor = 5.0f;
  s.mcsResults.SampleMax = 7.0f;  // a simulation result's tail
  s.mcsResults.SampleMin = 3.0f;
  Run(s);
  const float d = 1.0f / CyclesAt(100, 200, 3.5);
  EXPECT_FLOAT_EQ(s.results.LevelDamage[1], d);
  EXPECT_FLOAT_EQ(s.results.LevelDamage[2], d);
  EXPECT_FLOAT_EQ(s.results.TotalDamage, d + d);
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, 1.0f / (d + d));
  EXPECT_FLOAT_EQ(s.results.LifeCycles, s.results.LifeBlocks * 2.0f);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 0);
  EXPECT_EQ(s.results.CountedRangeMax, 200.0f);
  EXPECT_EQ(s.results.CountedRangeMin, 200.0f);
  EXPECT_EQ(s.mcsResults.SampleMax, 7.0f);  // the counting leaves the result's tail alone
  EXPECT_EQ(s.mcsResults.SampleMin, 3.0f);
  EXPECT_EQ(s.analysisOptions.LifeUnit, 2);         // the batch has no block time
  EXPECT_EQ(s.loadingData.ScalingFactor, 1.0f);     // back to its lower end
  EXPECT_EQ(s.loadingData.HistoryScaleUsed, 1.0f);
}

TEST_F(HistoryTest, CyclesBelowTheExtensionCutOffAreDropped) {
  ProgramState s = HistoryJob({0, 40, 0, 200, 0});  // ranges 40 and 200
  s.materialData.SNExtensionRatio = 0.5f;             // Se' = 50
  Run(s);
  EXPECT_EQ(s.loadingData.RainflowRanges[1], 0.0f);
  EXPECT_EQ(s.loadingData.RainflowRanges[2], 200.0f);
  EXPECT_EQ(s.results.LevelDamage[1], 0.0f);
  EXPECT_FLOAT_EQ(s.results.TotalDamage, 1.0f / CyclesAt(100, 200, 3.5));
  EXPECT_EQ(s.results.CountedRangeMin, 40.0f);
}

TEST_F(HistoryTest, HistoriesWithoutDamagingCyclesHaveInfiniteLife) {
  struct Case {
    std::vector<float> history;
    int16_t neglectLimit;
  };
  const Case cases[] = {
      {{5}, 0}, {{5}, 1},                     // nothing counted
      {{-30, 40, -10, 0}, 1},                 // only residue
      {{7, 7, 7, 7, 7, 7}, 1},                // ranges of 0
      {{0, 50, 0, 50, 0}, 1},                 // below Se' (ratio 1)
  };
  for (const Case& c : cases) {
    ProgramState s = HistoryJob(c.history);
    s.mcsSettings.NeglectFatigueLimit = c.neglectLimit;
    s.materialData.SNExtensionRatio = 1.0f;
    Run(s);
    EXPECT_EQ(s.results.LifeCycles, kInf) << c.history.size() << " points";
    EXPECT_GE(s.results.LifeBlocks, 1e29f);
    EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
  }
  ProgramState s = HistoryJob({5});
  Run(s);
  EXPECT_EQ(s.results.CountedRangeMax, 0.0f);
  EXPECT_EQ(s.results.CountedRangeMin, 10000.0f);
}

TEST_F(HistoryTest, ScalingValueOfZeroDoesNoDamage) {
  ProgramState s = HistoryJob({0, 200, 0, 200, 0});
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.loadingData.ScalingFactorMax = 0.0f;
  Run(s);
  EXPECT_EQ(s.results.LifeBlocks, kInf);
  EXPECT_EQ(s.results.TotalDamage, 0.0f);
}

TEST_F(HistoryTest, CycleAboveSuIsRefusedUnderEitherApproach) {
  for (int16_t approach : {1, 2}) {
    ProgramState s = HistoryJob({0, 600});  // one cycle: range 600, mean 300, Smax 600
    s.analysisOptions.MeanStressOption = 2;
    s.analysisOptions.StressApproach = approach;
    s.analysisOptions.LifeUnit = 3;
    s.loadingData.ScalingFactor = 4.0f;
    s.results.LifeBlocks = 77.0f;
    FakeHost h;
    CalcDamageHistory(s, h, none);
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].text, "Nominal stress exceeds Su! Can't continue...");
    EXPECT_EQ(h.messages[0].title, "  Damage Calculation");
    EXPECT_EQ(h.beeps, 1);
    EXPECT_EQ(s.results.CalcAborted, 1);
    EXPECT_EQ(s.results.LifeBlocks, 77.0f);
    EXPECT_EQ(s.analysisOptions.LifeUnit, 3);
    EXPECT_EQ(s.loadingData.ScalingFactor, 4.0f);
  }
}

TEST_F(HistoryTest, MeanStressCorrectsEachCycle) {
  ProgramState s = HistoryJob({0, 100, 0, 100, 0});  // range 100, mean 50
  s.analysisOptions.MeanStressOption = 2;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.loadingData.ScalingFactorMax = 2.0f;  // range 200, mean 100
  Run(s);
  const float fM = 500.0f / 400.0f;
  EXPECT_FLOAT_EQ(s.results.LevelDamage[1], 1.0f / CyclesAt(100, fM * 200.0f, 3.5));
}

TEST_F(HistoryTest, MasterCurveOverTheLoadLevelCountsCutOffCyclesAtHigherPoints) {
  ProgramState s = HistoryJob({0, 40, 0, 200, 0});
  s.materialData.SNExtensionRatio = 0.5f;  // the range-40 cycle is cut off at scale 1
  s.analysisOptions.AnalysisMode = 2;
  s.loadingData.ScalingFactorMin = 1.0f;
  s.loadingData.ScalingFactorMax = 3.0f;
  RecordingProgress progress;
  CalcDamageHistory(s, host, progress);
  const auto& lr = s.lifeResults;
  EXPECT_FLOAT_EQ(lr.MasterParam[1], 1.0f);
  EXPECT_NEAR(lr.MasterParam[21], 3.0f, 1e-5);
  EXPECT_FLOAT_EQ(lr.MasterLife[1], CyclesAt(100, 200, 3.5));
  ASSERT_EQ(progress.boxRight.size(), 20u);
  EXPECT_FLOAT_EQ(progress.boxRight.back(), 700.0f);
  EXPECT_FLOAT_EQ(s.results.HistoryProgress, 400.0f);

  // The last point equals a single case at that scale, both cycles counted.
  ProgramState single = HistoryJob({0, 40, 0, 200, 0});
  single.materialData.SNExtensionRatio = 0.5f;
  single.loadingData.ScalingFactorMax = lr.MasterParam[21];
  Run(single);
  EXPECT_GT(single.results.LevelDamage[1], 0.0f);
  EXPECT_FLOAT_EQ(lr.MasterLife[21], single.results.LifeBlocks);
}

TEST_F(HistoryTest, MasterCurveOverTheEnduranceLimit) {
  ProgramState s = HistoryJob({0, 200, 0, 200, 0});
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.MasterCurveParameter = 2;
  s.materialData.SeFrom = 100.0f;
  s.materialData.SeTo = 150.0f;
  Run(s);
  EXPECT_FLOAT_EQ(s.lifeResults.MasterParam[1], 100.0f);
  EXPECT_FLOAT_EQ(s.lifeResults.MasterParam[21], 150.0f);
  EXPECT_FLOAT_EQ(s.lifeResults.MasterLife[21], CyclesAt(150, 200, 3.5) / 2.0f);
}

// Figures worked out by hand from the counting and the Single rules, pinned
// to the last bit: cycles (100.5, 70.25) and (150, 75); Se_n = 120 / 1.25,
// fR from r = 0.1, Se' = 0.4 Se_n, m' = 6.
TEST_F(HistoryTest, WorkedFiguresToTheLastBit) {
  struct Case {
    const char* what;
    int16_t meanStress;
    float scaling, loadToStress;
    float lifeBlocks, lifeCycles, damage1, damage2;
  };
  const Case cases[] = {
      // mean stress accounted, scaling 1.5: the first cycle on the extension
      {"mean stress, scaling 1.5", 2, 1.5f, 1.0f, 42543.171875f, 85086.34375f, 4.348949460108997e-06f,
       1.915658504003659e-05f},
      // strain-like factor 0.21 and scaling -1.5: the first cycle falls below Se'
      {"neglected, scaling -1.5", 1, -1.5f, 0.21f, 140684640.0f, 281369280.0f, 0.0f, 7.1080967778414106e-09f},
  };
  for (const Case& c : cases) {
    ProgramState s = HistoryJob({0, 150, 20, 120.5f, -30.25f, 180, 0, 60, 10});
    s.analysisOptions.MeanStressOption = c.meanStress;
    s.mcsSettings.NeglectFatigueLimit = 1;
    s.materialData.SeFrom = 120.0f;
    s.results.KfUsed = 1.25f;
    s.componentData.Kf = 1.2f;
    s.materialData.SNStressRatio = 0.1f;
    s.materialData.SNExtensionRatio = 0.4f;
    s.materialData.SNExtensionExponent = 6.0f;
    s.loadingData.ScalingFactorMax = c.scaling;
    s.loadingUnits.LoadToStressFactor = c.loadToStress;
    Run(s);
    EXPECT_EQ(s.loadingData.RainflowMeans[1], 70.25f) << c.what;
    EXPECT_EQ(s.loadingData.RainflowRanges[2], 150.0f) << c.what;
    EXPECT_EQ(s.loadingData.RainflowRanges[1], c.damage1 > 0.0f ? 100.5f : 0.0f) << c.what;
    EXPECT_EQ(s.results.LifeBlocks, c.lifeBlocks) << c.what;
    EXPECT_EQ(s.results.LifeCycles, c.lifeCycles) << c.what;
    EXPECT_EQ(s.results.LevelDamage[1], c.damage1) << c.what;
    EXPECT_EQ(s.results.LevelDamage[2], c.damage2) << c.what;
    EXPECT_EQ(s.results.TotalDamage, c.damage1 + c.damage2) << c.what;
    EXPECT_EQ(s.results.MaxLevelDamage, c.damage2) << c.what;
    EXPECT_EQ(s.results.CountedRangeMin, 100.5f) << c.what;
    EXPECT_EQ(s.results.CountedRangeMax, 150.0f) << c.what;
  }
}

TEST_F(HistoryTest, BelowTheLimitTheWholeHistoryTakesTheShortcut) {
  ProgramState s = HistoryJob({0, 90, 0, 60, 0});  // largest range 90 < Se
  s.analysisOptions.DamageToFailure = 2.0f;
  Run(s);
  EXPECT_EQ(s.results.TotalDamage, 1e-30f);
  EXPECT_EQ(s.results.MaxLevelDamage, 0.0f);
  EXPECT_EQ(s.results.LifeBlocks, kInf) << "whatever d";
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
  EXPECT_EQ(s.results.LevelDamage[1], 0.0f);
}

TEST_F(HistoryTest, LifeInBlocksBeyondSingleIsTheInfiniteLife) {
  // Cycles of 0.02 MPa on an extension of exponent 10 each do about 5e-44:
  // d / D is far beyond Single.
  ProgramState s = HistoryJob({0, 0.02f, 0, 0.02f, 0});
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.materialData.SNExtensionExponent = 10.0f;
  Run(s);
  EXPECT_GT(s.results.TotalDamage, 0.0f);
  EXPECT_EQ(s.results.LifeBlocks, kInf);
  EXPECT_EQ(s.results.LifeCycles, 2.0f * kInf);  // blocks times the two cycles, as after the shortcut
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
}

TEST_F(HistoryTest, ProgressBarGrowsInDoubleAndIsStoredAsSingle) {
  struct Wide : CalcProgress {
    std::vector<float> right;
    float ProgressScaleWidth() override { return 1001.0f; }
    void DrawProgressBox(float, float, float x2, float, int32_t) override { right.push_back(x2); }
  } progress;
  ProgramState s = HistoryJob({0, 200, 0, 200, 0});
  s.analysisOptions.AnalysisMode = 2;
  s.loadingData.ScalingFactorMax = 2.0f;
  CalcDamageHistory(s, host, progress);
  float expected = 0.0f;
  for (int k = 0; k < 20; ++k) expected = static_cast<float>(expected + 0.4 * 1001.0 / 20.0);
  EXPECT_EQ(s.results.HistoryProgress, expected);  // 400.399933, not 400.399963 of Single steps
  ASSERT_EQ(progress.right.size(), 20u);
  EXPECT_EQ(progress.right.back(), static_cast<float>(0.3 * 1001.0 + expected));
}

TEST_F(HistoryTest, AMeanStressFactorThatIsNotPositiveIsAnOverload) {
  // One cycle, range 20 and mean 145, at twice the stress (L = 2): Smax 310
  // stays below Su, but the plastic k makes k L Sm = 560 > Su.
  ProgramState s = HistoryJob({135, 155});
  s.analysisOptions.MeanStressOption = 2;
  s.loadingUnits.LoadToStressFactor = 2.0f;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.results.LifeBlocks = 77.0f;
  Run(s);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Nominal stress exceeds Su! Can't continue...");
  EXPECT_EQ(s.results.CalcAborted, 1);
  EXPECT_EQ(s.results.LifeBlocks, 77.0f);
}

TEST_F(HistoryTest, DataStressRatioNearOneKeepsFactorOne) {
  ProgramState s = HistoryJob({-100, 100, -100, 100, -100});  // two cycles of 200 about 0
  s.analysisOptions.MeanStressOption = 2;
  s.materialData.SNStressRatio = 0.9f;  // Sm_r = 950 > Su: fR would be negative
  Run(s);
  EXPECT_EQ(s.results.LifeBlocks, TwoCyclesOf200());
}

TEST_F(HistoryTest, MasterCurveOverKtComputesEveryPointInPlace) {
  ProgramState s = HistoryJob({0, 200, 0, 200, 0});
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.MasterCurveParameter = 3;
  s.loadingData.ScalingFactor = 1.0f;  // HistoryScaleUsed in place
  s.results.NotchedEnduranceRange = 100.0f;
  s.lifeResults.MasterLife.fill(-1.0f);
  Run(s);
  for (int p = 1; p <= 21; ++p) EXPECT_EQ(s.lifeResults.MasterLife[p], s.results.LifeBlocks) << p;
  EXPECT_EQ(s.lifeResults.MasterLife[22], -1.0f);
  EXPECT_EQ(s.results.LifeBlocks, TwoCyclesOf200());
}

}  // namespace
