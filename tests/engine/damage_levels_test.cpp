#include <gtest/gtest.h>

#include <cmath>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "support/fake_host.h"

namespace {

constexpr float kInf = 1.0e30f;

class SpectrumTest : public ::testing::Test {
 protected:
  ProgramState s = PlainJob();
  FakeHost host;
  void Run() { CalcDamageSpectrum(s, host); }
  void SetSpectrum(std::initializer_list<std::pair<float, float>> levels) {
    s.analysisOptions.LoadingType = 2;
    int i = 0;
    for (auto [stress, cycles] : levels) {
      ++i;
      s.loadingData.LevelStress[i] = stress;
      s.loadingData.LevelCycles[i] = cycles;
    }
    s.loadingData.SpectrumLevelCount = static_cast<int16_t>(i);
    s.results.LevelDamage.assign(i + 1, 0.0f);
  }
};

TEST_F(SpectrumTest, ConstantAmplitudeAtTheEnduranceLimitTakesNo) {
  s.loadingData.StressRangeTo = 100.0f;
  Run();
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, 2e6f);
  EXPECT_FLOAT_EQ(s.results.LifeCycles, 2e6f);
  EXPECT_FLOAT_EQ(s.results.TotalDamage, 1.0f / 2e6f);
  EXPECT_FLOAT_EQ(s.results.MaxLevelDamage, 1.0f / 2e6f);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 0);
  EXPECT_EQ(s.analysisOptions.LifeUnit, 1);
  EXPECT_EQ(s.loadingData.LevelCount, 1);
  EXPECT_EQ(s.loadingData.LevelStress[1], 100.0f);
  EXPECT_FLOAT_EQ(s.results.NotchedEnduranceRange, 100.0f);
}

TEST_F(SpectrumTest, ConstantAmplitudeBelowTheLimit) {
  s.loadingData.StressRangeTo = 80.0f;
  s.materialData.SNExtensionExponent = 5.0f;
  Run();  // the fatigue limit holds: no damage
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, kInf);
  EXPECT_EQ(s.results.TotalDamage, 0.0f);
  EXPECT_EQ(s.results.MaxLevelDamage, 0.0f);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);

  s.mcsSettings.NeglectFatigueLimit = 1;  // counted on the extension with m'
  Run();
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, 1.0f / (1.0f / CyclesAt(100, 80, 5.0)));
  EXPECT_EQ(s.results.InfiniteLifeFlag, 0);
}

TEST_F(SpectrumTest, LevelsBelowTheExtensionCutOffDoNoDamage) {
  SetSpectrum({{1.0f, 1.0f}, {0.5f, 10.0f}, {0.2f, 100.0f}});
  s.materialData.SNExtensionRatio = 0.5f;  // Se' = 50
  Run();
  const auto& d = s.results.LevelDamage;
  EXPECT_FLOAT_EQ(d[1], 1.0f / CyclesAt(100, 200, 3.5));
  EXPECT_FLOAT_EQ(d[2], 10.0f / 2e6f);  // 100 MPa, at the limit
  EXPECT_FLOAT_EQ(d[3], 1e-30f);        // 40 MPa, below Se'
  EXPECT_FLOAT_EQ(s.results.MaxLevelDamage, d[1]);
  EXPECT_FLOAT_EQ(s.results.TotalDamage, d[1] + d[2] + d[3]);

  s.materialData.SNExtensionRatio = 0.0f;  // no cut-off: the extension goes on with m'
  Run();
  EXPECT_FLOAT_EQ(d[3], 100.0f / CyclesAt(100, 40, 3.5));
}

TEST_F(SpectrumTest, SpectrumWithoutBlockTimeShowsBlocksAndConstantAmplitudeCycles) {
  SetSpectrum({{1.0f, 5.0f}});
  s.analysisOptions.LifeUnit = 3;
  Run();
  EXPECT_EQ(s.analysisOptions.LifeUnit, 2);
  s.loadingDbState.SelectedLoadingBatch = 2;
  s.loadingDatabase.BatchBlockTime[2] = 10.0f;
  s.analysisOptions.LifeUnit = 3;
  Run();
  EXPECT_EQ(s.analysisOptions.LifeUnit, 3);
}

// Mean stress: fM of the level from Su / (Su - k L Sm), k = Kf while elastic.
TEST_F(SpectrumTest, InputModesCorrectTheMeanStress) {
  s = MeanStressJob();
  struct Case {
    int16_t mode;
    float minOrMean;
    float fM;  // expected level factor
  };
  const Case cases[] = {
      {2, 50.0f, 500.0f / 450.0f},   // amplitude and mean: Sm = 50
      {1, 50.0f, 500.0f / 400.0f},   // range and minimum: Sm = 100 / 2 + 50
      {2, -50.0f, 500.0f / 550.0f},  // a negative mean lowers the effective range
  };
  s.loadingData.StressRangeTo = 100.0f;
  s.mcsSettings.NeglectFatigueLimit = 1;
  for (const Case& c : cases) {
    s.loadingData.StressInputMode = c.mode;
    s.loadingData.StressMinOrMeanInput = c.minOrMean;
    Run();
    EXPECT_FLOAT_EQ(s.results.TotalDamage, 1.0f / CyclesAt(100, c.fM * 100.0f, 3.5)) << "mode " << c.mode;
  }
}

TEST_F(SpectrumTest, RangeModeCorrectsEveryLevelWithTheReferenceMean) {
  s = MeanStressJob();
  SetSpectrum({{1.0f, 1.0f}, {0.5f, 1.0f}});
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.loadingData.StressRangeTo = 200.0f;
  s.loadingData.StressInputMode = 1;
  s.loadingData.StressMinOrMeanInput = 0.0f;  // reference mean 100
  Run();
  const float fM = 500.0f / 400.0f;
  EXPECT_FLOAT_EQ(s.results.LevelDamage[2], 1.0f / CyclesAt(100, fM * 100.0f, 3.5));
}

TEST_F(SpectrumTest, NominalStressAboveSuIsRefused) {
  s = MeanStressJob();
  s.loadingData.StressRangeTo = 100.0f;
  s.loadingData.StressMinOrMeanInput = 460.0f;  // Smax 510
  s.results.LifeBlocks = 123.0f;
  Run();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Nominal stress exceeds Su! Can't continue...");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::OKOnly);
  EXPECT_EQ(host.messages[0].title, "  Damage Calculation");
  EXPECT_EQ(host.events.front(), "Beep");
  EXPECT_EQ(s.results.CalcAborted, 1);
  EXPECT_EQ(s.results.LifeBlocks, 123.0f);

  s.analysisOptions.StressApproach = 2;  // local stress is not checked here
  s.results.CalcAborted = 0;
  Run();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(s.results.CalcAborted, 0);
}

TEST_F(SpectrumTest, AMeanStressFactorThatIsNotPositiveIsAnOverload) {
  s = MeanStressJob();
  s.analysisOptions.StressApproach = 2;
  s.loadingUnits.LoadToStressFactor = 2.0f;  // k L Sm reaches Su
  s.loadingData.StressRangeTo = 10.0f;
  s.loadingData.StressMinOrMeanInput = 300.0f;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.shellState.BeepEnabled = 0;
  Run();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Nominal stress exceeds Su! Can't continue...");
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(s.results.CalcAborted, 1);
}

TEST_F(SpectrumTest, DataStressRatioNearOneKeepsFactorOne) {
  s = MeanStressJob();
  s.mcsSettings.NeglectFatigueLimit = 1;
  Run();
  const float plain = s.results.LifeBlocks;
  s.materialData.SNStressRatio = 0.9f;  // Sm_r = 950 > Su: fR would be negative
  Run();
  EXPECT_TRUE(std::isfinite(s.results.LifeBlocks));
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, plain);
}

TEST_F(SpectrumTest, ZeroRangeOrZeroScalingDoesNoDamage) {
  s.mcsSettings.NeglectFatigueLimit = 1;
  for (auto [range, scaling] : {std::pair{0.0f, 1.0f}, std::pair{200.0f, 0.0f}}) {
    s.loadingData.StressRangeTo = range;
    s.loadingData.ScalingFactorApplied = scaling;
    Run();
    EXPECT_EQ(s.results.LifeBlocks, kInf);
    EXPECT_EQ(s.results.LifeCycles, kInf);
    EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
    EXPECT_EQ(s.results.TotalDamage, 0.0f);
  }
}

TEST_F(SpectrumTest, LifeInCyclesBeyondSingleBecomesInfinite) {
  SetSpectrum({{1.0f, 1.0f}});
  s.loadingData.StressRangeTo = 50.0f;  // below the limit: 1e30 blocks
  s.loadingData.CyclesPerBlock = 1000;
  Run();
  EXPECT_FLOAT_EQ(s.results.LifeCycles, 1e33f);  // fits: unchanged
  s.loadingData.CyclesPerBlock = 1000000000;
  Run();
  EXPECT_EQ(s.results.LifeCycles, kInf);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
}

TEST_F(SpectrumTest, MasterCurveWritesPointsOneToTwentyOne) {
  s.analysisOptions.AnalysisMode = 2;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.lifeResults.MasterLife.fill(-1.0f);
  struct Case {
    int16_t param;
    float first, last;
  };
  for (const Case& c : {Case{1, 100.0f, 300.0f}, Case{2, 100.0f, 200.0f}}) {
    s.analysisOptions.MasterCurveParameter = c.param;
    s.loadingData.StressRangeFrom = 100.0f;
    s.loadingData.StressRangeTo = 300.0f;
    s.materialData.SeFrom = 100.0f;
    s.materialData.SeTo = 200.0f;
    Run();
    const auto& lr = s.lifeResults;
    EXPECT_EQ(lr.MasterLife[0], -1.0f);
    EXPECT_EQ(lr.MasterLife[22], -1.0f);
    EXPECT_FLOAT_EQ(lr.MasterParam[1], c.first);
    EXPECT_FLOAT_EQ(lr.MasterParam[21], c.last);
    EXPECT_FLOAT_EQ(lr.MasterLife[21], s.results.LifeBlocks);
    for (int p = 2; p <= 21; ++p) EXPECT_GT(lr.MasterParam[p], lr.MasterParam[p - 1]);
  }
  EXPECT_FLOAT_EQ(s.results.NotchedEnduranceRange, 200.0f);  // keeps the last value
}

TEST_F(SpectrumTest, MasterCurveOverKtComputesEveryPointInPlace) {
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.MasterCurveParameter = 3;
  s.loadingData.StressRange = 200.0f;  // the values in place
  s.results.NotchedEnduranceRange = 100.0f;
  s.lifeResults.MasterLife.fill(-1.0f);
  Run();
  for (int p = 1; p <= 21; ++p) EXPECT_FLOAT_EQ(s.lifeResults.MasterLife[p], CyclesAt(100, 200, 3.5)) << p;
  EXPECT_EQ(s.lifeResults.MasterLife[22], -1.0f);
}

TEST_F(SpectrumTest, MasterCurveWithEqualEndsBeeps) {
  s.analysisOptions.AnalysisMode = 2;
  s.loadingData.StressRangeFrom = s.loadingData.StressRangeTo = 200.0f;
  s.loadingData.StressRange = 200.0f;
  s.results.NotchedEnduranceRange = 100.0f;
  Run();
  EXPECT_EQ(host.beeps, 1);
  EXPECT_FLOAT_EQ(s.lifeResults.MasterLife[1], s.lifeResults.MasterLife[21]);
}

// Figures worked out by hand from the Single rules (every product, quotient
// and sum rounded to Single, the powers in double), pinned to the last bit.
TEST_F(SpectrumTest, WorkedFiguresToTheLastBit) {
  struct Case {
    const char* what;
    float rangeTo, minOrMean;
    int16_t mode, loadingType, neglectLimit;
    float kf, ratio, tf, extensionExponent;
    float lifeBlocks, lifeCycles, totalDamage, maxLevelDamage;
  };
  const Case cases[] = {
      // fM = 500 / 440 from the mean 50 (k = Kf = 1.2); fR = 500 / 455 from r = 0 and TF 0.9
      {"constant amplitude, mean 50", 200.0f, 50.0f, 2, 3, 0, 1.2f, 0.0f, 0.9f, 3.5f,
       108722.2421875f, 108722.2421875f, 9.197749932354782e-06f, 9.197749932354782e-06f},
      // negative mean: the level's fM = 500 / 600 takes 105 MPa below Se (exponent m' = 5),
      // while the whole-loading factor stays 1, so the shortcut is not taken
      {"constant amplitude, mean -100", 105.0f, -100.0f, 2, 3, 0, 1.0f, 0.0f, 1.0f, 5.0f,
       3899328.75f, 3899328.75f, 2.5645439905019884e-07f, 2.5645439905019884e-07f},
      // four levels, range and minimum: every level corrected with the reference mean 110;
      // level 3 on the extension (m' = 5), level 4 below Se' = 50
      {"spectrum, range and minimum", 180.0f, 20.0f, 1, 2, 1, 1.0f, 0.5f, 1.0f, 5.0f,
       9498.3203125f, 43046388.0f, 0.00010528176790103316f, 4.6853649109834805e-05f},
  };
  for (const Case& c : cases) {
    s = MeanStressJob();
    s.analysisOptions.LoadingType = c.loadingType;
    s.loadingData.StressRangeTo = c.rangeTo;
    s.loadingData.StressMinOrMeanInput = c.minOrMean;
    s.loadingData.StressInputMode = c.mode;
    s.mcsSettings.NeglectFatigueLimit = c.neglectLimit;
    s.componentData.Kf = c.kf;
    s.materialData.SNExtensionRatio = c.ratio;
    s.materialData.ThicknessFactor = c.tf;
    s.materialData.SNExtensionExponent = c.extensionExponent;
    s.materialData.SNStressRatio = c.tf == 1.0f ? -1.0f : 0.0f;
    if (c.loadingType == 2) {
      SetSpectrum({{1.0f, 2.0f}, {0.6f, 30.0f}, {0.3f, 500.0f}, {0.2f, 4000.0f}});
      s.loadingData.CyclesPerBlock = 4532;
    }
    Run();
    EXPECT_EQ(s.results.LifeBlocks, c.lifeBlocks) << c.what;
    EXPECT_EQ(s.results.LifeCycles, c.lifeCycles) << c.what;
    EXPECT_EQ(s.results.TotalDamage, c.totalDamage) << c.what;
    EXPECT_EQ(s.results.MaxLevelDamage, c.maxLevelDamage) << c.what;
    EXPECT_EQ(s.results.InfiniteLifeFlag, 0) << c.what;
  }
  EXPECT_EQ(s.results.LevelDamage[2], 4.6853649109834805e-05f);
  EXPECT_EQ(s.results.LevelDamage[3], 3.9759052015142515e-05f);
  EXPECT_EQ(s.results.LevelDamage[4], 1e-30f);
}

TEST_F(SpectrumTest, LimitFiguresAreExact) {
  s.loadingData.StressRangeTo = 100.0f;  // at Se: N = No
  Run();
  EXPECT_EQ(s.results.LifeBlocks, 2e6f);
  EXPECT_EQ(s.results.TotalDamage, 1.0f / 2e6f);
  s.loadingData.StressRangeTo = 99.0f;  // below: D = 1e-30, the infinite life whatever d
  s.analysisOptions.DamageToFailure = 0.5f;
  Run();
  EXPECT_EQ(s.results.LifeBlocks, kInf);
  EXPECT_EQ(s.results.LifeCycles, kInf);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
}

TEST_F(SpectrumTest, LifeInBlocksBeyondSingleIsTheInfiniteLife) {
  // 0.06 MPa on an extension of exponent 10: N = 3.3e38 still fits in Single,
  // but d / D = 10 / 3e-39 does not.
  s.loadingData.StressRangeTo = 0.06f;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.materialData.SNExtensionExponent = 10.0f;
  s.analysisOptions.DamageToFailure = 10.0f;
  Run();
  EXPECT_EQ(s.results.LifeBlocks, kInf);
  EXPECT_EQ(s.results.LifeCycles, kInf);
  EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
  EXPECT_GT(s.results.TotalDamage, 0.0f);
}

}  // namespace
