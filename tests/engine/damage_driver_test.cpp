#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "support/fake_host.h"

namespace {

constexpr float kInf = 1.0e30f;
const std::string kCrack = "Immidiate crack! (Nominal stress, Smax > Su)";
const std::string kLocal = "Attention! Local stress, Smax > Su. - Neglect?";

struct RecordingProgress : CalcProgress {
  std::vector<float> readied;
  std::vector<std::string> captions;
  void ReadyProgressDisplay(float fontSize) override { readied.push_back(fontSize); }
  void ShowMeanStressCaption(const std::string& caption) override { captions.push_back(caption); }
};

// A constant-amplitude job whose maximum stress (510 MPa) is above Su.
ProgramState OverloadJob() {
  ProgramState s = MeanStressJob();
  s.loadingData.StressRangeTo = 100.0f;
  s.loadingData.StressMinOrMean = 460.0f;
  s.loadingData.StressMinOrMeanInput = 460.0f;
  return s;
}

TEST(NotchFactorInUse, FollowsNotchSensitivityApproachAndSpecimen) {
  struct Case {
    int16_t sensitivity, approach, specimen;
    float kfUsed, kf;
  };
  // Kt 3, Su 269 MPa, notch radius 1 mm: q = 0.5, notch factor 2.
  const Case cases[] = {
      {1, 1, 1, 3.0f, 7.0f},  {1, 1, 2, 3.0f, 7.0f},      {1, 2, 1, 1.0f, 1.0f},
      {2, 2, 1, 2.0f / 3.0f, 2.0f}, {2, 1, 1, 1.0f, 3.0f}, {2, 1, 2, 2.0f, 2.0f},
  };
  for (const Case& c : cases) {
    ProgramState s = PlainJob();
    s.analysisOptions.NotchSensitivityMode = c.sensitivity;
    s.analysisOptions.StressApproach = c.approach;
    s.analysisOptions.SNDataSpecimen = c.specimen;
    s.componentData.SpecimenNotchFactor = 3.0f;
    s.componentData.Kf = 7.0f;
    s.materialData.SuUsed = 269.0f;
    FakeHost host;
    CalcDamage(s, host);
    EXPECT_FLOAT_EQ(s.results.KfUsed, c.kfUsed) << c.sensitivity << c.approach << c.specimen;
    EXPECT_FLOAT_EQ(s.componentData.Kf, c.kf) << c.sensitivity << c.approach << c.specimen;
  }
}

TEST(CalcDamage, PreparesTheCalculationAndRestoresTheFirstLevel) {
  ProgramState s = PlainJob();
  s.loadingData.LevelStress[1] = 0.25f;
  s.loadingData.LevelCycles[1] = 9.0f;
  s.layoutScales.FontScale = 1.25f;
  s.results.LifeCycles = 5.0f;
  FakeHost host;
  RecordingProgress progress;
  CalcDamage(s, host, progress);
  EXPECT_EQ(host.pointerHistory, std::vector<int>{kPointerHourglass});
  EXPECT_EQ(progress.readied, std::vector<float>{11.25f});
  EXPECT_EQ(host.doEventsCalls, 1);
  EXPECT_EQ(s.results.MasterMseLabel, "1");
  EXPECT_EQ(s.loadingData.LevelStress[1], 0.25f);
  EXPECT_EQ(s.loadingData.LevelCycles[1], 9.0f);
  EXPECT_FLOAT_EQ(s.results.LevelDamage[1], s.results.MaxLevelDamage);
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, CyclesAt(100, 200, 3.5));
  EXPECT_FLOAT_EQ(s.mcsResults.DeterministicLife, s.results.LifeBlocks);
}

TEST(CalcDamage, MasterCurveLabelIsTheBatchTextForSpectraAndDistributions) {
  for (int16_t type : {2, 4}) {
    ProgramState s = PlainJob();
    s.analysisOptions.LoadingType = type;
    s.loadingDbState.SelectedLoadingBatch = 3;
    s.loadingDatabase.BatchPointCount[3] = 10;
    s.loadingData.BatchMseText2 = "DMSE(+): 500/300";
    FakeHost host;
    CalcDamage(s, host);
    EXPECT_EQ(s.results.MasterMseLabel, "DMSE(+): 500/300");
  }
}

TEST(CalcDamage, NominalOverloadIsAnImmediateCrack) {
  ProgramState s = OverloadJob();
  s.results.InfiniteLifeFlag = 1;  // left by an earlier infinite life
  s.results.LifeCycles = 1e30f;
  FakeHost host;
  CalcDamage(s, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kCrack);
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::OKOnly);
  EXPECT_EQ(host.messages[0].title, "Loading Data");
  const Results& r = s.results;
  EXPECT_EQ(r.LifeBlocks, 0.0f);
  EXPECT_EQ(r.LifeCycles, 0.0f);
  EXPECT_EQ(r.TotalDamage, 1.0f);
  EXPECT_EQ(r.MaxLevelDamage, 1.0f);
  EXPECT_EQ(r.LevelDamage[1], 1.0f);
  EXPECT_EQ(r.InfiniteLifeFlag, 0);
  EXPECT_EQ(r.CalcAborted, 0);
  EXPECT_EQ(r.CrackMessageShown, 1);
  EXPECT_EQ(r.ImmediateCrackFlag, 1);
  // The next calculation without an overload clears the flag.
  s.loadingData.StressMinOrMean = 0.0f;
  CalcDamage(s, host);
  EXPECT_EQ(s.results.ImmediateCrackFlag, 0);
}

TEST(CalcDamage, NoOverloadCheckWhileTheMeanStressIsNeglected) {
  ProgramState s = OverloadJob();
  s.analysisOptions.MeanStressOption = 1;
  s.analysisOptions.StressApproach = 2;  // the spectrum routine checks nominal stress only
  s.loadingData.StressRangeTo = 2000.0f;
  FakeHost host;
  CalcDamage(s, host);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_GT(s.results.LifeBlocks, 0.0f);
}

TEST(CalcDamage, NegativeScalingIsCheckedByAbsoluteValue) {
  ProgramState s = OverloadJob();
  s.loadingData.ScalingFactorApplied = -1.0f;
  FakeHost host;
  CalcDamage(s, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kCrack);
}

TEST(CalcDamage, LocalOverloadAsksWhetherToNeglect) {
  for (int answer : {kAnswerNo, kAnswerYes}) {
    ProgramState s = OverloadJob();
    s.analysisOptions.StressApproach = 2;
    FakeHost host;
    host.QueueAnswer(answer);
    CalcDamage(s, host);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kLocal);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.messages[0].defaultButton, 2);
    EXPECT_EQ(host.messages[0].title, "Loading Data");
    EXPECT_EQ(s.results.LocalOverloadAnswer, answer);
    if (answer == kAnswerNo) {
      EXPECT_EQ(s.results.LifeBlocks, 0.0f);
    } else {
      EXPECT_GT(s.results.LifeBlocks, 0.0f);
    }
  }
}

TEST(CalcDamage, SimulationShowsTheOverloadOnceAndKeepsTheAnswer) {
  ProgramState s = OverloadJob();
  s.analysisOptions.StressApproach = 2;
  s.analysisOptions.AnalysisKind = 2;
  s.mcsSettings.FastSimulation = 0;
  s.results.NotchedEnduranceRange = 100.0f;
  FakeHost host;
  host.QueueAnswer(kAnswerNo);
  for (int32_t run = 0; run < 3; ++run) {
    s.mcsSettings.SimulationsDone = run;
    s.results.LifeBlocks = 9.0f;
    CalcDamage(s, host);
    EXPECT_EQ(s.results.LifeBlocks, 0.0f) << "run " << run;
  }
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(CalcDamage, HistoryAboveSuCracksUnderNominalStressOnly) {
  ProgramState s = HistoryJob({0, 200, 0, 200, 0});
  s.analysisOptions.MeanStressOption = 2;
  s.loadingData.LoadSmax = 520.0f;
  FakeHost host;
  CalcDamage(s, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, kCrack);
  EXPECT_EQ(s.results.LifeBlocks, 0.0f);

  s.analysisOptions.StressApproach = 2;
  FakeHost local;
  CalcDamage(s, local);
  EXPECT_TRUE(local.messages.empty()) << local.Transcript();
  EXPECT_GT(s.results.LifeBlocks, 0.0f);
}

// The first run of a fast simulation is the job's own calculation: the
// constant-amplitude equivalent beside it (a history's range and mean) gives
// only the reference for the later runs and leaves the job's stress inputs,
// damage, life and life unit as a deterministic calculation leaves them.
TEST(CalcDamage, FastSimulationScalesTheConstantAmplitudeEquivalent) {
  ProgramState job = HistoryJob({0, 200, 0, 200, 0});
  job.mcsSettings.NeglectFatigueLimit = 1;
  job.results.NotchedEnduranceRange = 100.0f;
  job.loadingData.LoadSmax = 150.0f;
  job.loadingData.LoadSmin = -50.0f;
  job.loadingData.StressInputMode = 1;  // typed before as a range and minimum
  job.loadingData.StressRangeTo = 90.0f;
  job.loadingData.StressMinOrMeanInput = 10.0f;
  job.analysisOptions.LifeUnit = 3;
  FakeHost host;
  ProgramState deterministic = job;
  CalcDamage(deterministic, host);
  ProgramState s = job;
  s.analysisOptions.AnalysisKind = 2;
  s.mcsSettings.FastSimulation = 1;
  CalcDamage(s, host);  // first run: the history, then its equivalent
  const float history = s.mcsResults.DeterministicLife;
  EXPECT_FLOAT_EQ(history, 1.0f / (2.0f / CyclesAt(100, 200, 3.5)));
  EXPECT_FLOAT_EQ(s.results.FastSimReferenceLife, CyclesAt(100, 200, 3.5));
  EXPECT_EQ(s.mcsResults.ReferenceLife, history);
  EXPECT_TRUE(s.loadingData == deterministic.loadingData);
  EXPECT_EQ(s.loadingData.StressRangeTo, 90.0f);
  EXPECT_EQ(s.loadingData.StressInputMode, 1);
  EXPECT_EQ(s.results.TotalDamage, deterministic.results.TotalDamage);
  EXPECT_EQ(s.results.MaxLevelDamage, deterministic.results.MaxLevelDamage);
  EXPECT_EQ(s.results.LevelDamage, deterministic.results.LevelDamage);
  EXPECT_EQ(s.results.LifeBlocks, deterministic.results.LifeBlocks);
  EXPECT_EQ(s.results.InfiniteLifeFlag, deterministic.results.InfiniteLifeFlag);
  EXPECT_EQ(s.analysisOptions.LoadingType, 1);
  EXPECT_EQ(s.analysisOptions.LifeUnit, deterministic.analysisOptions.LifeUnit);

  s.mcsSettings.SimulationsDone = 1;  // a later run with a stronger material
  s.results.NotchedEnduranceRange = 150.0f;
  CalcDamage(s, host);
  EXPECT_FLOAT_EQ(s.results.LifeBlocks, CyclesAt(150, 200, 3.5) * history / CyclesAt(100, 200, 3.5));
  EXPECT_TRUE(s.loadingData == deterministic.loadingData);
}

// Jobs whose loading does no damage, each with the damage to failure d.
ProgramState BelowTheLimit(float d) {  // constant amplitude, range 80 < Se
  ProgramState s = PlainJob();
  s.loadingData.StressRangeTo = 80.0f;
  s.analysisOptions.DamageToFailure = d;
  return s;
}
ProgramState SpectrumBelowTheLimit(float d) {
  ProgramState s = BelowTheLimit(d);
  s.analysisOptions.LoadingType = 2;
  s.loadingData.SpectrumLevelCount = 3;
  for (int i = 1; i <= 3; ++i) {
    s.loadingData.LevelStress[i] = 1.0f / static_cast<float>(i);
    s.loadingData.LevelCycles[i] = 10.0f * static_cast<float>(i);
  }
  s.loadingData.CyclesPerBlock = 60;
  return s;
}
// The fatigue limit neglected as in a simulation, a scaling factor of 0: the
// first level does nothing, the two others lie below the extension's cut-off
// and are marked with the damage 1E-30 each (D = 2E-30).
ProgramState LevelsBelowTheCutOff(float d) {
  ProgramState s = SpectrumBelowTheLimit(d);
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.materialData.SNExtensionRatio = 0.5f;
  s.loadingData.ScalingFactorApplied = 0.0f;
  return s;
}
ProgramState HistoryBelowTheLimit(float d) {
  ProgramState s = HistoryJob({0, 90, 0, 60, 0});
  s.analysisOptions.DamageToFailure = d;
  return s;
}
ProgramState DistributionBelowTheLimit(float d) {
  ProgramState s = BelowTheLimit(d);
  s.analysisOptions.LoadingType = 4;
  s.loadingData.DistQ = s.loadingData.DistR = 3.0f;
  return s;
}
// A later run of a fast simulation over a spectrum below the limit: its
// constant-amplitude equivalent scaled by the first run's.
ProgramState FastRunBelowTheLimit(float d) {
  ProgramState s = SpectrumBelowTheLimit(d);
  s.analysisOptions.AnalysisKind = 2;
  s.mcsSettings.FastSimulation = 1;
  s.results.NotchedEnduranceRange = 100.0f;
  FakeHost host;
  CalcDamage(s, host);  // the first run
  s.mcsSettings.SimulationsDone = 1;
  s.results.NotchedEnduranceRange = 95.0f;
  return s;
}

// A loading that does no damage has the infinite life 1E+30, whatever d and
// however many levels are marked with 1E-30: d / D would fall below the
// bound at which the results view counts a life as infinite (9E+29) or even
// below the engine's own (1E+29).
TEST(CalcDamage, ALoadingThatDoesNoDamageHasTheInfiniteLifeWhateverD) {
  const struct {
    const char* what;
    ProgramState (*job)(float d);
  } cases[] = {
      {"constant amplitude", BelowTheLimit},
      {"spectrum", SpectrumBelowTheLimit},
      {"spectrum with two levels below the cut-off", LevelsBelowTheCutOff},
      {"history", HistoryBelowTheLimit},
      {"distribution", DistributionBelowTheLimit},
      {"later run of a fast simulation", FastRunBelowTheLimit},
  };
  for (const auto& c : cases) {
    for (float d : {0.05f, 0.5f, 1.0f, 10.0f}) {
      SCOPED_TRACE(std::string(c.what) + ", d = " + std::to_string(d));
      ProgramState s = c.job(d);
      FakeHost host;
      CalcDamage(s, host);
      EXPECT_EQ(s.results.LifeBlocks, kInf);
      EXPECT_GE(s.results.LifeCycles, kInf);
      EXPECT_EQ(s.results.InfiniteLifeFlag, 1);
      EXPECT_TRUE(host.messages.empty());
    }
  }
}

// Along a master curve the points below the limit are infinite whatever d;
// the others keep d / D.
TEST(CalcDamage, MasterCurvePointsBelowTheLimitAreInfiniteWhateverD) {
  for (const auto job : {BelowTheLimit, SpectrumBelowTheLimit, HistoryBelowTheLimit}) {
    ProgramState s = job(0.5f);
    s.analysisOptions.AnalysisMode = 2;
    s.analysisOptions.MasterCurveParameter = 1;  // over the load level
    s.loadingData.StressRangeFrom = 40.0f;
    s.loadingData.StressRangeTo = 400.0f;
    s.loadingData.ScalingFactorMin = 0.5f;
    s.loadingData.ScalingFactorMax = 5.0f;
    FakeHost host;
    CalcDamage(s, host);
    const LifeResults& lr = s.lifeResults;
    EXPECT_EQ(lr.MasterLife[1], kInf) << s.analysisOptions.LoadingType;
    EXPECT_LT(lr.MasterLife[21], 1e29f) << s.analysisOptions.LoadingType;
  }
}

TEST(EffectiveStrengths, TakeTheStrengthsAndTheNotchFactor) {
  ProgramState s;
  s.materialData.Su = 269.0f;
  s.materialData.Sy = 200.0f;
  s.materialData.KtInput = 2.5f;
  s.analysisOptions.NotchSensitivityMode = 2;
  s.componentData.SpecimenNotchFactor = 3.0f;
  FakeHost host;
  RecordingProgress progress;
  CalcEffectiveStrengths(s, host, progress);
  EXPECT_EQ(s.materialData.SuUsed, 269.0f);
  EXPECT_EQ(s.materialData.SyUsed, 200.0f);
  EXPECT_FLOAT_EQ(s.componentData.Kf, 2.0f);
  EXPECT_EQ(s.resultsDisplay.MseTag, "MSE(+): ");
  EXPECT_EQ(s.resultsDisplay.MseTag2, "MSE(+)");
  EXPECT_EQ(progress.captions, std::vector<std::string>{"MSE(+): "});

  s.analysisOptions.SNDataSpecimen = 2;
  CalcEffectiveStrengths(s, host);
  EXPECT_EQ(s.resultsDisplay.MseTag, "MSE(+)");

  s.analysisOptions.MeanStressOption = 1;  // neglected: Kf is the typed value, tags untouched
  s.resultsDisplay.MseTag = "x";
  CalcEffectiveStrengths(s, host);
  EXPECT_EQ(s.componentData.Kf, 2.5f);
  EXPECT_EQ(s.resultsDisplay.MseTag, "x");
}

// A constant-amplitude job in a fast simulation: runs after the first take
// the scaled constant-amplitude life.
ProgramState FastSimulationJob() {
  ProgramState s = PlainJob();
  s.analysisOptions.AnalysisKind = 2;
  s.mcsSettings.FastSimulation = 1;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.results.NotchedEnduranceRange = 100.0f;
  return s;
}

TEST(CalcDamage, FastSimulationKeepsItsReferenceInBothRecords) {
  ProgramState s = FastSimulationJob();
  FakeHost host;
  CalcDamage(s, host);
  EXPECT_EQ(s.results.FastSimReferenceLife, CyclesAt(100, 200, 3.5));
  EXPECT_EQ(s.mcsResults.FastReferenceLife, s.results.FastSimReferenceLife);
}

TEST(CalcDamage, FastSimulationScalingBeyondSingleIsCarriedInDouble) {
  ProgramState s = FastSimulationJob();
  s.mcsSettings.SimulationsDone = 4;
  s.mcsResults.DeterministicLife = 1e35f;  // a near-infinite first run
  s.results.FastSimReferenceLife = 1e10f;
  FakeHost host;
  CalcDamage(s, host);  // constant-amplitude life ~1.8e5 x 1e35 / 1e10
  const double expected = static_cast<double>(CyclesAt(100, 200, 3.5)) * 1e35f / 1e10f;
  EXPECT_EQ(s.results.LifeBlocks, static_cast<float>(expected));

  s.results.FastSimReferenceLife = 1e-10f;  // beyond Single even in double's hands: infinite
  CalcDamage(s, host);
  EXPECT_EQ(s.results.LifeBlocks, kInf);
}

TEST(CalcDamage, FastSimulationAfterACrackGivesZero) {
  ProgramState s = OverloadJob();  // 510 MPa under local stress, the answer No
  s.analysisOptions.StressApproach = 2;
  s.analysisOptions.AnalysisKind = 2;
  s.mcsSettings.FastSimulation = 1;
  s.results.NotchedEnduranceRange = 100.0f;
  FakeHost host;
  host.QueueAnswer(kAnswerNo);
  for (int32_t run = 0; run < 3; ++run) {
    s.mcsSettings.SimulationsDone = run;
    s.analysisOptions.LifeUnit = 3;
    CalcDamage(s, host);
    // Every run cracks: the first run's life is 0, the later ones scale the
    // equivalent's life by 0 / that life. The crack's damage stays.
    EXPECT_EQ(s.mcsResults.DeterministicLife, 0.0f) << "run " << run;
    EXPECT_EQ(s.results.LifeBlocks, 0.0f) << "run " << run;
    EXPECT_EQ(s.results.TotalDamage, 1.0f) << "run " << run;
    EXPECT_EQ(s.results.MaxLevelDamage, 1.0f) << "run " << run;
    EXPECT_EQ(s.analysisOptions.LifeUnit, 3) << "run " << run;
  }
  // The equivalent: k = (300 - 50) / 460 makes fM = 2, so 200 MPa effective.
  EXPECT_EQ(s.results.FastSimReferenceLife, 176776.6875f);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(s.loadingData.StressMinOrMean, 460.0f);
}

TEST(CalcDamage, LocalNotchFactorScalesTheOverloadCheck) {
  // Kt 3, Su 269, radius 1 mm: Kf = 2, KfUsed = c = 2/3 under local stress.
  struct Case {
    float mean;
    size_t questions;  // Smax = 50 + mean; checked as 2/3 of it against 269
  };
  for (const Case& c : {Case{300.0f, 0u}, Case{380.0f, 1u}}) {
    ProgramState s = MeanStressJob();
    s.analysisOptions.StressApproach = 2;
    s.analysisOptions.NotchSensitivityMode = 2;
    s.componentData.SpecimenNotchFactor = 3.0f;
    s.materialData.SuUsed = 269.0f;
    s.loadingData.StressRangeTo = 100.0f;
    s.loadingData.StressMinOrMean = s.loadingData.StressMinOrMeanInput = c.mean;
    FakeHost host;
    host.QueueAnswer(kAnswerYes);
    CalcDamage(s, host);
    EXPECT_EQ(s.results.KfUsed, 2.0f / 3.0f);
    EXPECT_EQ(s.componentData.Kf, 2.0f);
    ASSERT_EQ(host.messages.size(), c.questions) << host.Transcript();
    if (c.questions > 0) {
      EXPECT_EQ(host.messages[0].text, kLocal);
    }
  }
}

}  // namespace
