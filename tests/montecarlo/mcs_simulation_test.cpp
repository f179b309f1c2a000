// The simulation driver: its settings of the records, the work file, the
// messages, the brake, the aborts, and the lives of the recount-free history
// runs against one damage calculation per run.

#include "montecarlo/mcs_simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_results_file.h"
#include "montecarlo/mcs_run_inputs.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/typed_number.h"
#include "report/summary_report.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/mcs_replay.h"
#include "support/scoped_folder.h"

namespace {

void SetVariable(ProgramState& s, int slot, int16_t type, float cov, float xmin = 0.5f, float xmax = 2.0f) {
  SetRandomVariable(s.randomVariableTable, slot, type, cov, xmin, xmax);
}

void MakeProbabilistic(ProgramState& s, const ScopedTempFolder& folder, int32_t runs) {
  s.analysisOptions.AnalysisKind = 2;
  s.analysisOptions.SNDataSpecimen = 1;
  s.mcsSettings.SimulationCount = runs;
  s.mcsSettings.RandomStart = 0;
  s.mcsSettings.FastSimulation = 0;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.mcsSettings.WorkDir = folder.path().string() + "/";
  s.materialData.SeFrom = 100.0f;
  s.shellState.UiState = 0;  // the options frame is up
}

// A constant-amplitude job with a random endurance limit.
ProgramState AmplitudeJob(const ScopedTempFolder& folder, int32_t runs) {
  ProgramState s = PlainJob();
  s.analysisOptions.LoadingType = 3;
  s.loadingData.StressRange = 200.0f;
  MakeProbabilistic(s, folder, runs);
  SetVariable(s, 1, 2, 0.1f);
  return s;
}

// A stress history of `points` points (0 .. 300 MPa) with a random endurance
// limit and scaling factor.
ProgramState HistoryMcsJob(const ScopedTempFolder& folder, int32_t runs, int points = 3000) {
  std::mt19937 rng(3);
  std::vector<float> history(static_cast<std::size_t>(points));
  float x = 150.0f;
  for (float& v : history) {
    x += std::normal_distribution<float>(0.0f, 40.0f)(rng);
    if (x < 0.0f || x > 300.0f) x = 150.0f;
    v = x;
  }
  ProgramState s = HistoryJob(history);
  s.loadingDatabase.BatchHistoryMax[1] = 300.0f;
  s.loadingDatabase.BatchHistoryMin[1] = 0.0f;
  s.materialData.SuUsed = 600.0f;
  s.materialData.SNExtensionRatio = 0.4f;
  s.materialData.SNExtensionExponent = 5.0f;
  MakeProbabilistic(s, folder, runs);
  SetVariable(s, 1, 2, 0.1f);
  SetVariable(s, 2, 1, 0.05f);
  return s;
}

std::vector<float> OneCalculationPerRun(const ProgramState& s, int32_t runs) {
  FakeHost host;
  return OneCalculationPerRun(s, host, runs);
}

// A life as the work file keeps it (seven digits).
float AsKept(float life) { return TypedSingle(NumberText(life)).value(); }

// The items of a work file after its header: the lives and last the
// reference life.
std::vector<float> WorkFileItems(const std::string& path) {
  SeqReader in = SeqReader::Open(path);
  ReadMcsResultsHeader(in);
  std::vector<float> items;
  try {
    for (;;) items.push_back(in.ReadSingle());
  } catch (const RuntimeError&) {
  }
  return items;
}

// Presses "&Brake" (while the events are processed) at the tick that shows
// `atToGo` runs to go or fewer.
struct BrakeAt : McsProgress {
  BrakeAt(ProgramState& s, int32_t toGo) : state(s), atToGo(toGo) {}
  void ShowRunsToGo(int32_t toGo) override {
    shown.push_back(toGo);
    if (toGo <= atToGo) state.mcsSettings.BrakeRequested = -1;
  }
  ProgramState& state;
  int32_t atToGo;
  std::vector<int32_t> shown;
};

class McsSimulationTest : public ::testing::Test {
 protected:
  std::string WorkPath() const { return (folder.path() / "zp1pl.res").string(); }

  ScopedTempFolder folder{"mcs_simulation"};
  FakeHost host;
  MessagesOnFailure trace{host};
  McsProgress progress;
};

// The records the main window draws from once the first run is done: its
// damage diagram and reference life show them.
struct FirstRunRecords : McsProgress {
  explicit FirstRunRecords(const ProgramState& s) : state(s) {}
  void FirstRunDone() override {
    results = state.results;
    life = state.lifeResults;
    component = state.componentData;
    loading = state.loadingData;
  }
  const ProgramState& state;
  Results results;
  LifeResults life;
  ComponentData component;
  LoadingData loading;
};

// The report line that holds `part` (empty when there is none).
std::string LineWith(const ReportLines& r, const std::string& part) {
  for (const std::string& line : r.lines) {
    if (line.find(part) != std::string::npos) return line;
  }
  return "";
}

// Every run leaves its drawn inputs, scaled stresses, damage and life in the
// records; when the runs end the records hold the first run's again, which
// the main window shows, so that a report or a print reads the typed inputs
// and the deterministic result.
TEST_F(McsSimulationTest, AfterTheRunsTheRecordsHoldTheFirstRunAndTheReportTheTypedInputs) {
  // Amplitude 150 MPa and mean 20 MPa typed; Se, k and the Kt of a plain specimen random.
  ProgramState amplitude = AmplitudeJob(folder, 300);
  LoadingData& ld = amplitude.loadingData;
  ld.StressInputMode = 2;
  ld.StressRangeTo = ld.StressRange = 300.0f;
  ld.StressMinOrMeanInput = ld.StressMinOrMean = 20.0f;
  amplitude.analysisOptions.SNDataSpecimen = 2;
  amplitude.componentData.Kt = 1.5f;
  SetVariable(amplitude, 2, 1, 0.05f);
  SetVariable(amplitude, 3, 2, 0.1f);
  // The fatigue limit kept, with the tag that a deterministic definition leaves.
  amplitude.mcsSettings.NeglectFatigueLimit = 0;
  amplitude.mcsSettings.FatigueLimitTag = "NoFL";

  ProgramState spectrum = AmplitudeJob(folder, 300);
  spectrum.analysisOptions.LoadingType = 2;
  spectrum.loadingData.SpectrumLevelCount = 3;
  const float stresses[] = {1.0f, 0.8f, 0.5f}, cycles[] = {10.0f, 100.0f, 1000.0f};
  for (int j = 1; j <= 3; ++j) {
    spectrum.loadingData.LevelStress[j] = stresses[j - 1];
    spectrum.loadingData.LevelCycles[j] = cycles[j - 1];
  }
  spectrum.loadingData.StressRangeTo = 300.0f;
  spectrum.loadingDatabase.BatchBlockCycles[0] = 1110.0f;
  SetVariable(spectrum, 2, 1, 0.05f);

  ProgramState fastHistory = HistoryMcsJob(folder, 300);
  fastHistory.mcsSettings.FastSimulation = 1;

  struct Case {
    const char* what;
    const ProgramState& job;
  };
  const Case cases[] = {
      {"constant amplitude", amplitude},
      {"spectrum", spectrum},
      {"history, the counted cycles summed on every core", HistoryMcsJob(folder, 300)},
      {"history, the fast algorithm", fastHistory},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState s = c.job;
    FirstRunRecords first(s);
    ASSERT_EQ(RunMonteCarloCore(s, host, first), McsOutcome::Completed) << host.Transcript();
    ASSERT_NE(first.results.LifeBlocks, 0.0f);
    EXPECT_TRUE(s.results == first.results);
    EXPECT_EQ(s.results.TotalDamage, first.results.TotalDamage);
    EXPECT_TRUE(s.lifeResults == first.life);
    EXPECT_TRUE(s.componentData == first.component);
    EXPECT_TRUE(s.loadingData == first.loading);
    EXPECT_EQ(s.loadingData.ScalingFactorApplied, s.loadingData.ScalingFactorMean);
  }

  // The report of the constant amplitude, as the results view's print reads it.
  ProgramState s = amplitude;
  ASSERT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Completed);
  CalcReliabilityMeasures(s);
  const ReportLines r = SummaryReportLines(s, {"Stress Conc. Factor:  Kt = ", "Kt = ", "1.5", "Fit:  No Fit"},
                                           "01-02-2025", ReportVariant::File);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(LineWith(r, "SSmax =").substr(LineWith(r, "SSmax =").find('=')), "=  150.0");
  EXPECT_EQ(LineWith(r, "Smean =").substr(LineWith(r, "Smean =").find('=')), "=  20.0");
  EXPECT_NE(LineWith(r, "MCS: FL/NSA"), "") << "the fatigue limit was kept";
}

// With the fatigue limit kept and a damage to failure below 1, the runs
// whose loading lies wholly below the drawn endurance limit did no damage:
// each writes the infinite life, and the summary counts them as infinite.
TEST_F(McsSimulationTest, RunsBelowTheLimitAreInfiniteWhateverTheDamageToFailure) {
  ProgramState amplitude = AmplitudeJob(folder, 300);
  amplitude.loadingData.StressRangeTo = 94.0f;  // below Se = 100 unless the draw lowers it
  ProgramState history = HistoryMcsJob(folder, 300);
  history.loadingData.ScalingFactorMean = 0.32f;  // ranges up to 96
  for (ProgramState* job : {&amplitude, &history}) {
    SCOPED_TRACE(job->analysisOptions.LoadingType);
    ProgramState s = *job;
    s.mcsSettings.NeglectFatigueLimit = 0;
    s.analysisOptions.DamageToFailure = 0.5f;
    host.messages.clear();
    ASSERT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Completed) << host.Transcript();
    const McsResults& r = s.mcsResults;
    const int32_t finite = s.mcsSettings.SimulationsTarget;
    EXPECT_EQ(r.OneCycleLifeCount, 0);
    EXPECT_GT(finite, 10);
    EXPECT_LT(finite, 150) << "most runs do no damage";
    const auto infinite = std::count(r.SimulatedLives.begin() + 1, r.SimulatedLives.end(), 1.0e30f);
    EXPECT_EQ(infinite, 300 - finite);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_TRUE(host.messages[0].text.ends_with(" - Infinite Life:     " + std::to_string(300 - finite)))
        << host.messages[0].text;
  }
}

TEST_F(McsSimulationTest, TheRequiredReliabilityFollowsTheNumberOfSimulations) {
  struct Case {
    int32_t runs;
    double level;
  };
  for (const Case& c : {Case{999, 1.0 - 1.0 / 999}, Case{1000, 0.999}, Case{100, 0.99}}) {
    ProgramState s = AmplitudeJob(folder, c.runs);
    EXPECT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Completed) << c.runs;
    EXPECT_EQ(s.mcsResults.ProbabilityLevel, c.level) << c.runs;
    EXPECT_EQ(s.mcsResults.ResultsReadStatus, 0);
    EXPECT_EQ(s.mcsSettings.SimulationsDone, c.runs);
    EXPECT_EQ(s.shellState.UiState, 1);
  }
}

TEST_F(McsSimulationTest, ACompleteSimulationIsReadBackSortedWithItsSummary) {
  ProgramState s = AmplitudeJob(folder, 200);
  s.mcsResults.LifeFitKind = 3;
  s.mcsResults.LowerTailLife = 5.0f;
  ASSERT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Completed);
  const McsResults& r = s.mcsResults;
  EXPECT_EQ(r.ResultsPath, WorkPath());
  EXPECT_EQ(r.LifeFitKind, 1);
  EXPECT_EQ(r.LivesSorted, 1);
  EXPECT_EQ(r.SummaryShown, 1);
  EXPECT_EQ(r.ReferenceLife, AsKept(r.DeterministicLife));  // as the file keeps it
  EXPECT_TRUE(std::is_sorted(r.SimulatedLives.begin() + 1, r.SimulatedLives.end()));
  EXPECT_GT(r.SampleMax, r.SampleMin);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "MCS Simulation Results");
  EXPECT_EQ(s.analysisOptions.LifeUnit, 1);  // constant amplitude: cycles
}

TEST_F(McsSimulationTest, AJobWithoutRandomInputEndsAfterTheHeader) {
  struct Case {
    const char* what;
    int16_t specimen, seType, ktType;
  };
  for (const Case& c : {Case{"every type 0", 2, 0, 0}, Case{"only Kt random, feature specimen", 1, 0, 1}}) {
    FakeHost h;
    ProgramState s = AmplitudeJob(folder, 100);
    s.analysisOptions.SNDataSpecimen = c.specimen;
    s.randomVariableTable.RvType[1] = c.seType;
    SetVariable(s, 3, c.ktType == 0 ? 1 : c.ktType, 0.1f);
    s.randomVariableTable.RvType[3] = c.ktType;
    EXPECT_EQ(RunMonteCarloCore(s, h, progress), McsOutcome::NoRandomVariables) << c.what;
    ASSERT_EQ(h.messages.size(), 1u) << c.what;
    EXPECT_EQ(h.messages[0].text, "Sorry, Insufficient number of random variables.");
    EXPECT_EQ(h.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(h.messages[0].title, "MCS Simulation");
    EXPECT_TRUE(WorkFileItems(WorkPath()).empty()) << "the header only";
    EXPECT_EQ(s.shellState.UiState, 1);
  }
}

TEST_F(McsSimulationTest, ADrawnKtIsNeverBelowOne) {
  struct Case {
    float kt, multiplier, expected;
  };
  for (const Case& c : {Case{1.05f, 0.9f, 1.0f}, Case{2.0f, 0.9f, 1.8f}}) {
    ProgramState s = AmplitudeJob(folder, 100);
    s.analysisOptions.SNDataSpecimen = 2;
    s.componentData.Kt = c.kt;
    SetVariable(s, 3, 5, 0.1f, c.multiplier, c.multiplier);  // uniform over one value
    EXPECT_EQ(DrawRunInputs(s, true).specimenNotchFactor, c.kt);
    const McsRunInputs in = DrawRunInputs(s, false);
    EXPECT_FLOAT_EQ(in.specimenNotchFactor, c.expected);
    EXPECT_EQ(s.mcsSettings.SeNotched, s.materialData.SeFrom / in.specimenNotchFactor);
  }
}

TEST_F(McsSimulationTest, WithoutARandomStartTheSameJobGivesTheSameLives) {
  const ProgramState job = AmplitudeJob(folder, 300);
  ProgramState first = job, second = job;
  RunMonteCarloCore(first, host, progress);
  RunMonteCarloCore(second, host, progress);
  EXPECT_EQ(first.mcsResults.SimulatedLives, second.mcsResults.SimulatedLives);
  EXPECT_EQ(first.mcsSettings.SeedSe, second.mcsSettings.SeedSe);
}

TEST_F(McsSimulationTest, HistoryRunsGiveTheLivesOfOneCalculationPerRunInRunOrder) {
  struct Case {
    const char* what;
    int16_t meanOption, neglectLimit, specimen, notchSensitivity;
  };
  const Case cases[] = {
      {"mean stress neglected", 1, 1, 1, 1},
      {"mean stress accounted", 2, 1, 1, 1},
      {"fatigue limit, random Kt on a plain specimen", 1, 0, 2, 2},
  };
  for (const Case& c : cases) {
    ProgramState job = HistoryMcsJob(folder, 250);
    job.analysisOptions.MeanStressOption = c.meanOption;
    job.mcsSettings.NeglectFatigueLimit = c.neglectLimit;
    job.analysisOptions.SNDataSpecimen = c.specimen;
    job.analysisOptions.NotchSensitivityMode = c.notchSensitivity;
    job.componentData.Kt = 1.8f;
    SetVariable(job, 3, 3, 0.1f);
    const std::vector<float> expected = OneCalculationPerRun(job, 250);
    ASSERT_EQ(expected.size(), 250u) << c.what;

    ProgramState s = job;
    BrakeAt brake(s, 10);  // the lives stay in run order in the work file
    ASSERT_EQ(RunMonteCarloCore(s, host, brake), McsOutcome::Braked) << c.what;
    const std::vector<float> items = WorkFileItems(WorkPath());
    ASSERT_EQ(items.size(), 241u) << c.what;  // 240 lives and the reference life
    for (std::size_t i = 0; i + 1 < items.size(); ++i) ASSERT_EQ(items[i], AsKept(expected[i])) << c.what << " run " << i + 1;
    EXPECT_EQ(items.back(), items.front()) << "the reference life, the first life";
    EXPECT_EQ(s.mcsResults.ReferenceLife, s.mcsResults.DeterministicLife);
  }
}

TEST_F(McsSimulationTest, ABrakeAtTheFirstTickKeepsTheFirstLivesAndReadsNothingBack) {
  const ProgramState job = HistoryMcsJob(folder, 300);
  ProgramState s = job;
  s.mcsResults.ResultsReadStatus = -3;
  BrakeAt brake(s, 1000000);
  EXPECT_EQ(RunMonteCarloCore(s, host, brake), McsOutcome::Braked);
  EXPECT_EQ(brake.shown, std::vector<int32_t>{290});
  EXPECT_EQ(s.mcsSettings.SimulationsDone, 10);
  const std::vector<float> items = WorkFileItems(WorkPath());
  const std::vector<float> expected = OneCalculationPerRun(job, 10);
  ASSERT_EQ(items.size(), 11u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(items[i], AsKept(expected[i])) << i;
  EXPECT_EQ(s.mcsResults.LivesSorted, 0);
  EXPECT_EQ(s.mcsResults.ResultsReadStatus, -3);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(s.shellState.UiState, 1);
}

TEST_F(McsSimulationTest, AnOverloadingRunEndsTheSimulationAfterTheLivesBeforeIt) {
  // k drawn up to 3 takes single cycles beyond Su in some runs; the first runs stay below it.
  ProgramState job = HistoryMcsJob(folder, 400);
  job.analysisOptions.MeanStressOption = 2;
  job.analysisOptions.StressApproach = 2;
  SetVariable(job, 2, 1, 0.25f, 0.2f, 3.0f);
  const std::vector<float> expected = OneCalculationPerRun(job, 400);
  ASSERT_LT(expected.size(), 400u);
  ASSERT_GT(expected.size(), 10u);
  ProgramState s = job;
  EXPECT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Aborted);
  const std::vector<float> items = WorkFileItems(WorkPath());
  ASSERT_EQ(items.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(items[i], AsKept(expected[i])) << i;
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Nominal stress exceeds Su! Can't continue...");
  EXPECT_EQ(s.results.CalcAborted, 1);
  EXPECT_EQ(s.mcsResults.LivesSorted, 0);
  EXPECT_EQ(s.shellState.UiState, 1);
}

// Smax = 250 k above Su = 500 for a drawn k above 2: those runs crack at once.
TEST_F(McsSimulationTest, TheCrackMessageAndTheLocalOverloadQuestionComeOnce) {
  struct Case {
    int16_t approach;
    const char* text;
  };
  for (const Case& c : {Case{1, "Immidiate crack! (Nominal stress, Smax > Su)"},
                        Case{2, "Attention! Local stress, Smax > Su. - Neglect?"}}) {
    FakeHost h;
    h.QueueAnswer(kAnswerNo);  // no: the overloaded runs crack
    ProgramState s = AmplitudeJob(folder, 200);
    s.analysisOptions.MeanStressOption = 2;
    s.analysisOptions.StressApproach = c.approach;
    s.loadingData.StressRangeTo = 500.0f;
    s.loadingData.StressMinOrMean = 0.0f;
    s.loadingData.StressInputMode = 2;
    SetVariable(s, 2, 1, 0.3f, 0.5f, 3.0f);
    EXPECT_EQ(RunMonteCarloCore(s, h, progress), McsOutcome::Completed) << h.Transcript();
    int shown = 0;
    for (const FakeHost::Message& m : h.messages) shown += m.text == c.text;
    EXPECT_EQ(shown, 1) << c.text;
    EXPECT_GT(s.mcsResults.OneCycleLifeCount, 0) << c.text;
  }
}

TEST_F(McsSimulationTest, AWorkFileThatCannotBeWrittenEndsTheSimulationLikeAnAbort) {
  ProgramState s = AmplitudeJob(folder, 100);
  s.mcsSettings.WorkDir = (folder.path() / "no such folder").string() + "/";
  EXPECT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Aborted);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "MCS Simulation");
  EXPECT_NE(host.messages[0].text.find("Sorry, Can't write the MCS-Results file!"), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("(Path not found)"), std::string::npos) << host.messages[0].text;
  EXPECT_EQ(s.mcsSettings.SimulationsDone, 0);
  EXPECT_EQ(s.mcsResults.LivesSorted, 0);
  EXPECT_EQ(s.shellState.UiState, 1);
}

TEST_F(McsSimulationTest, AVariableThatCannotBeDrawnIsRefusedBeforeTheFirstRun) {
  struct Case {
    int slot;
    int16_t type;
    float xmin, xmax;
    const char* says;
  };
  const Case cases[] = {
      {1, -1, 0.5f, 2.0f, "the Endurance Limit (Se) is not defined (type code -1)"},
      {2, 7, 0.5f, 2.0f, "the Loading Scaling Factor (k) is not defined (type code 7)"},
      {3, 2, 0.5f, 2.0f, "the Stress Concentration Factor (Kt) is not defined"},
      {1, 1, 1.0f, 1.0f, "the bounds of the Endurance Limit (Se) leave no value to draw"},
  };
  for (const Case& c : cases) {
    FakeHost h;
    ProgramState s = AmplitudeJob(folder, 100);
    s.analysisOptions.SNDataSpecimen = 2;
    s.randomVariableTable.RvType[3] = c.slot == 3 ? -1 : 0;
    if (c.slot != 3) SetVariable(s, c.slot, c.type == 1 ? 1 : 2, 0.1f, c.xmin, c.xmax);
    if (c.slot != 3) s.randomVariableTable.RvType[c.slot] = c.type;
    EXPECT_EQ(RunMonteCarloCore(s, h, progress), McsOutcome::Refused) << c.says;
    ASSERT_EQ(h.messages.size(), 1u) << c.says;
    EXPECT_EQ(h.messages[0].title, "MCS Simulation");
    EXPECT_NE(h.messages[0].text.find(c.says), std::string::npos) << h.messages[0].text;
    EXPECT_EQ(s.shellState.UiState, 1);
    EXPECT_TRUE(folder.Read("zp1pl.res").empty()) << "nothing written";
  }
}

TEST_F(McsSimulationTest, ADeterministicJobRunsNoSimulation) {
  ProgramState s = AmplitudeJob(folder, 100);
  s.analysisOptions.AnalysisKind = 1;
  EXPECT_EQ(RunMonteCarloCore(s, host, progress), McsOutcome::Refused);
  EXPECT_TRUE(host.messages.empty());
}

TEST(McsProgressStep, TenRunsOrAThousandthOfTheLargeFasterSimulations) {
  struct Case {
    int32_t target;
    int16_t loadingType, fast;
    int32_t step;
  };
  const Case cases[] = {
      {2500, 1, 0, 10}, {2500, 1, 1, 2}, {2500, 2, 0, 2}, {2000, 2, 1, 10}, {1000000, 3, 0, 1000},
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.mcsSettings.SimulationsTarget = c.target;
    s.analysisOptions.LoadingType = c.loadingType;
    s.mcsSettings.FastSimulation = c.fast;
    EXPECT_EQ(ProgressStep(s), c.step) << c.target << " " << c.loadingType << " " << c.fast;
  }
}

}  // namespace
