// The Monte Carlo simulation driver: reset, seeds, the work file, the first
// (deterministic) run, the drawn runs with their progress ticks and the
// brake, and the reading back of a complete simulation.

#include "montecarlo/mcs_simulation.h"

#include <algorithm>
#include <utility>

#include "engine/damage.h"
#include "loading/scaling_factor.h"
#include "loading/selected_batch.h"
#include "montecarlo/first_run_values.h"
#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_history_runs.h"
#include "montecarlo/mcs_results_file.h"
#include "montecarlo/mcs_results_messages.h"
#include "montecarlo/mcs_run_inputs.h"
#include "montecarlo/mcs_view_rules.h"
#include "platform/host.h"
#include "platform/runtime/date_time.h"
#include "platform/runtime/format.h"
#include "platform/runtime/seq_writer.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr const char* kNoRandomVariablesText = "Sorry, Insufficient number of random variables.";
constexpr double kSeedSe = 3413432.0, kSeedKt = 10335225.45346, kSeedK = 17423431.453546;

// The results state of a new simulation.
void ResetResultsState(ProgramState& s) {
  McsResults& r = s.mcsResults;
  McsSettings& m = s.mcsSettings;
  r.LivesSorted = 0;
  m.NumRandomVars = 0;
  m.BrakeRequested = 0;
  r.ProbabilityLevel = SimulationProbabilityLevel(m.SimulationCount);
  s.mcsDisplay.ReliabilityInputMode = 0;
  r.LifeFitKind = 1;
  r.LowerTailLife = 1.0e30f;
  r.SummaryShown = 0;
}

// The seeds: fixed starting values, moved by an offset from the clock's
// seconds and the runtime's random function for a random start.
void SeedStreams(ProgramState& s) {
  McsSettings& m = s.mcsSettings;
  float offset = 0.0f;
  if (m.RandomStart == 1) offset = Sng(LocalTimeNow().second * static_cast<double>(m.StartRandom.Rnd()) * 10.0);
  for (int i = 1; i <= kRandomVarMax; ++i) s.randomVariableTable.RvLastUniform[i] = 0.0f;
  m.SeedSe = offset + kSeedSe;
  m.SeedKt = offset + kSeedKt;
  m.SeedK = offset + kSeedK;
  m.SimulationsDone = 0;
  m.SimulationsTarget = m.SimulationCount;
}

// The loading's extremes and cycles per block that the results file keeps.
void SetHeaderValues(ProgramState& s) {
  LoadingData& ld = s.loadingData;
  const LoadingDatabase& db = s.loadingDatabase;
  const int b = SelectedBatchOf(s);
  const int16_t type = s.analysisOptions.LoadingType;
  if (type == loading_type::kHistory) {
    ScaleHistoryExtremes(s);
    TryCLng((static_cast<double>(db.BatchPointCount[b]) - 1.0) / 2.0, ld.CyclesPerBlock);
    return;
  }
  if (ld.StressInputMode == 1) {
    ld.LoadSmax = ld.StressRange + ld.StressMinOrMean;
    ld.LoadSmin = ld.StressMinOrMean;
  } else {
    ld.LoadSmax = ld.StressMinOrMean + ld.StressRange / 2.0f;
    ld.LoadSmin = ld.StressMinOrMean - ld.StressRange / 2.0f;
  }
  if (type == loading_type::kSpectrum) {
    TryCLng(db.BatchBlockCycles[b], ld.CyclesPerBlock);
  } else if (type == loading_type::kConstantAmplitude) {
    ld.CyclesPerBlock = 1;
  } else {
    ld.CyclesPerBlock = ld.BlockVolumeEntry;
  }
}

// Writes the work file as it stands; a failure is reported with the
// runtime's text.
bool SaveWorkFile(ProgramState& s, Host& host, const SeqWriter& work) {
  const SaveResult saved = work.Save(s.mcsResults.ResultsPath);
  if (saved) return true;
  ReportMcsFileFailure(s.shellState, host, "write", s.mcsResults.ResultsPath, saved.errorText);
  return false;
}

// What follows each run's damage calculation, in run order.
class RunLoop {
 public:
  RunLoop(ProgramState& s, Host& host, McsProgress& progress, SeqWriter& work)
      : s_(s), host_(host), progress_(progress), work_(work), step_(ProgressStep(s)) {}

  // The progress tick, the life unit, the first run's reference life, and the
  // run's life line. True while another run follows (not braked).
  bool FinishRun() {
    McsSettings& m = s_.mcsSettings;
    if ((m.SimulationsDone + 1) % step_ == 0) {
      progress_.ShowRunsToGo(m.SimulationsTarget - m.SimulationsDone - 1);
      host_.DoEvents();
    }
    const bool constantAmplitude = s_.analysisOptions.LoadingType == loading_type::kConstantAmplitude;
    s_.analysisOptions.LifeUnit = constantAmplitude ? life_unit::kCycles : life_unit::kBlocks;
    if (m.SimulationsDone == 0) FinishFirstRun();
    ++m.SimulationsDone;
    WriteMcsLifeLine(work_, s_.results.LifeBlocks);
    return m.SimulationsDone < m.SimulationsTarget && m.BrakeRequested == 0;
  }

 private:
  // The reference life: the deterministic life of the job, in every unit.
  void FinishFirstRun() {
    Results& res = s_.results;
    LifeResults& lr = s_.lifeResults;
    if (res.InfiniteLifeFlag != 1) {
      res.LifeBlocks = s_.mcsResults.DeterministicLife;
      const double life = res.LifeBlocks;
      lr.LifeByUnit[1] = Sng(life * s_.loadingData.CyclesPerBlock);
      lr.LifeByUnit[2] = res.LifeBlocks;
      lr.LifeByUnit[3] = Sng(life * s_.loadingDatabase.BatchBlockTime[SelectedBatchOf(s_)] / 60.0);
      lr.LifeUnitLabel[1] = " [cyc] ";
      lr.LifeUnitLabel[2] = " [blk] ";
      lr.LifeUnitLabel[3] = " [h]   ";
    }
    progress_.FirstRunDone();
    host_.DoEvents();
    s_.mcsResults.ReferenceLife = res.LifeBlocks;
  }

  ProgramState& s_;
  Host& host_;
  McsProgress& progress_;
  SeqWriter& work_;
  const int32_t step_;
};

// The runs after the first, one damage calculation each.
void RunEachRun(ProgramState& s, Host& host, RunLoop& loop) {
  bool more = true;
  while (more) {
    ApplyRunInputs(s, DrawRunInputs(s, false));
    CalcDamage(s, host);
    more = s.results.CalcAborted == 0 && loop.FinishRun();
  }
}

McsOutcome Idle(ProgramState& s, McsOutcome outcome) {
  s.shellState.UiState = ui_state::kIdle;
  return outcome;
}

}  // namespace

double SimulationProbabilityLevel(int32_t simulations) {
  constexpr double kLevel = 0.999;
  if (simulations > 0 && 1.0 - kLevel < 1.0 / simulations) return 1.0 - 1.0 / simulations;
  return kLevel;
}

int32_t ProgressStep(const ProgramState& s) {
  const int32_t target = s.mcsSettings.SimulationsTarget;
  const bool faster =
      s.mcsSettings.FastSimulation == 1 || s.analysisOptions.LoadingType > loading_type::kHistory;
  return target > 2000 && faster ? target / 1000 : 10;
}

std::string ReferenceLifeCaption(const ProgramState& s) {
  constexpr const char* kCaption = "Reference Life   To = ";
  if (s.results.InfiniteLifeFlag == 1) return std::string(kCaption) + "Infinite...";
  const int unit = std::clamp<int>(s.analysisOptions.LifeUnit, life_unit::kCycles, life_unit::kHours);
  return kCaption + Format(s.lifeResults.LifeByUnit[unit], "0.0###E+##") + s.lifeResults.LifeUnitLabel[unit];
}

void PrepareSimulationRuns(ProgramState& s) {
  // The tags that the results file and the report print say what the runs
  // do: the options may have changed without their check boxes (the fatigue
  // limit is kept for a deterministic analysis), or come from a job file.
  MatchSimulationTags(s.mcsSettings);
  ResetResultsState(s);
  SeedStreams(s);
  SetHeaderValues(s);
}

McsOutcome RunMonteCarloCore(ProgramState& s, Host& host, McsProgress& progress) {
  if (s.analysisOptions.AnalysisKind != analysis_kind::kProbabilistic) return McsOutcome::Refused;
  if (RefuseUndrawableVariables(s, host)) return Idle(s, McsOutcome::Refused);
  McsSettings& m = s.mcsSettings;
  McsResults& r = s.mcsResults;
  PrepareSimulationRuns(s);
  r.ResultsPath = m.WorkDir + kMcsWorkFileName;
  SeqWriter work;
  WriteMcsWorkFileHeader(work,
                         McsResultsHeaderOf(s, progress.NotchFactorCaption(), progress.MeanStressNotchCaption()));
  if (!SaveWorkFile(s, host, work)) return Idle(s, McsOutcome::Aborted);

  ApplyRunInputs(s, DrawRunInputs(s, true));
  if (m.NumRandomVars == 0) {
    InformMcs(host, kNoRandomVariablesText);
    return Idle(s, McsOutcome::NoRandomVariables);
  }
  RunLoop loop(s, host, progress, work);
  CalcDamage(s, host);
  if (s.results.CalcAborted == 0 && loop.FinishRun()) {
    const FirstRunValues first(s);
    if (HistoryRunsApply(s))
      RunHistoryRuns(s, host, [&loop] { return loop.FinishRun(); });
    else
      RunEachRun(s, host, loop);
    first.PutBack(s);
  }
  WriteMcsLifeLine(work, r.ReferenceLife);
  const bool saved = SaveWorkFile(s, host, work);
  progress.RunsEnded();
  s.shellState.UiState = ui_state::kIdle;
  if (!saved) return McsOutcome::Aborted;
  if (m.SimulationsDone < m.SimulationsTarget)
    return s.results.CalcAborted == 1 ? McsOutcome::Aborted : McsOutcome::Braked;
  ReadMCSResults(s, host);
  if (r.ResultsReadStatus < 0) return Idle(s, McsOutcome::NoResult);
  CalcLifeStatistics(s, host);
  return Idle(s, McsOutcome::Completed);
}
