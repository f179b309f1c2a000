// The Monte Carlo simulation of a long stress history: 10,000 runs over a
// 1,000,000-point random walk, Se random (log-normal, COV 0.1) and k random
// (normal, COV 0.05), fixed seeds, the fast simulation algorithm off, the
// mean stress neglected (argument 1) or accounted (2). The time of one
// simulation includes the work file, the read-back, the sort and the
// statistics. Counters: the worker threads, and the largest relative
// difference of the lives of the first 200 runs from the damage calculation
// run once per run with that run's inputs (each run counting the history
// again), with whether the first life equals the deterministic life.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/counted_cycles.h"
#include "engine/damage.h"
#include "montecarlo/mcs_run_inputs.h"
#include "montecarlo/mcs_simulation.h"
#include "montecarlo/ordered_parallel_runs.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "quiet_host.h"
#include "random_walk.h"
#include "support/mcs_replay.h"

namespace {

constexpr int32_t kPoints = 1000000;
constexpr int32_t kRuns = 10000;
constexpr int32_t kCheckedRuns = 200;

ProgramState SimulationJob(int16_t meanStressOption, const std::filesystem::path& folder) {
  ProgramState s;
  AnalysisOptions& ao = s.analysisOptions;
  ao.AnalysisKind = 2;
  ao.LoadingType = 1;
  ao.StressApproach = 1;
  ao.NotchSensitivityMode = 1;
  ao.SNDataSpecimen = 1;
  ao.MeanStressOption = meanStressOption;
  s.componentData.SpecimenNotchFactor = 1.0f;
  s.componentData.Kf = 1.0f;
  s.materialData.SNExtensionRatio = 0.0f;  // no cut-off: every cycle does damage
  s.materialData.SNExtensionExponent = 5.0f;
  s.loadingDbState.SelectedLoadingBatch = 1;
  s.loadingData.HistoryPoints = RandomWalk(kPoints);
  s.loadingDatabase.BatchPointCount[1] = kPoints;
  s.loadingDatabase.BatchHistoryMax[1] = 200.0f;
  s.loadingDatabase.BatchHistoryMin[1] = -100.0f;
  s.loadingData.SelectedHistoryLength = kPoints;
  McsSettings& m = s.mcsSettings;
  m.SimulationCount = kRuns;
  m.RandomStart = 0;
  m.FastSimulation = 0;
  m.NeglectFatigueLimit = 1;
  m.WorkDir = folder.string() + "/";
  SetRandomVariable(s.randomVariableTable, 1, 2, 0.1f);
  SetRandomVariable(s.randomVariableTable, 2, 1, 0.05f);
  return s;
}

// The lives of a simulation of `runs` runs, sorted as it reads them back.
std::vector<float> SimulatedLives(ProgramState s, int32_t runs) {
  QuietHost host;
  McsProgress progress;
  s.mcsSettings.SimulationCount = runs;
  RunMonteCarloCore(s, host, progress);
  return {s.mcsResults.SimulatedLives.begin() + 1, s.mcsResults.SimulatedLives.end()};
}

void CheckLives(benchmark::State& state, const ProgramState& job) {
  QuietHost host;
  std::vector<float> recounted = OneCalculationPerRun(job, host, kCheckedRuns);
  ProgramState first = job;
  ApplyRunInputs(first, DrawRunInputs(first, true));
  first.analysisOptions.AnalysisKind = 1;  // the job's deterministic life
  CalcDamage(first, host);
  const bool firstIsDeterministic = recounted.front() == first.results.LifeBlocks;
  std::sort(recounted.begin(), recounted.end());
  const std::vector<float> simulated = SimulatedLives(job, kCheckedRuns);
  // The lives come back through the work file, which keeps seven digits; as
  // the file keeps them, the recounted lives are matched to the last bit.
  double largest = simulated.size() == recounted.size() ? 0.0 : 1.0;
  double largestAsKept = largest;
  for (std::size_t i = 0; i < std::min(simulated.size(), recounted.size()); ++i) {
    const double asKept = TypedSingle(NumberText(recounted[i])).value();
    largest = std::max(largest, std::fabs(static_cast<double>(simulated[i]) / recounted[i] - 1.0));
    largestAsKept = std::max(largestAsKept, std::fabs(simulated[i] / asKept - 1.0));
  }
  state.counters["largest_rel_diff"] = largest;
  state.counters["largest_rel_diff_as_kept"] = largestAsKept;
  state.counters["first_is_deterministic"] = firstIsDeterministic ? 1 : 0;
}

void BM_SimulationOfMillionPointHistory(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "mcs_bench_work";
  std::filesystem::create_directories(folder);
  const ProgramState job = SimulationJob(static_cast<int16_t>(state.range(0)), folder);
  QuietHost host;
  McsProgress progress;
  for (auto _ : state) {
    state.PauseTiming();
    ProgramState s = job;
    state.ResumeTiming();
    const McsOutcome outcome = RunMonteCarloCore(s, host, progress);
    if (outcome != McsOutcome::Completed || s.mcsResults.ResultsReadStatus != 0) {
      state.SkipWithError("the simulation did not complete");
      break;
    }
    state.PauseTiming();
    s = ProgramState();  // the copy's history is freed outside the timing
    state.ResumeTiming();
  }
  CheckLives(state, job);
  state.counters["threads"] = HardwareWorkers();
  state.counters["runs"] = kRuns;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SimulationOfMillionPointHistory)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("mean_stress_option")
    ->Unit(benchmark::kSecond)
    ->Iterations(2)
    ->UseRealTime();

// One run's damage over the counted cycles on one thread: the cost of a run
// on the recount-free path.
void BM_CountedHistoryPass(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  ProgramState s = SimulationJob(static_cast<int16_t>(state.range(0)), folder);
  QuietHost host;
  ApplyRunInputs(s, DrawRunInputs(s, true));
  CalcDamage(s, host);
  CountedCycles cycles;
  cycles.Count(s, host);
  HistoryPoint point;
  SetUpHistoryPoint(s, cycles.Ranges(), cycles.Means(), cycles.Cycles(), cycles.RangeMax(), true, point);
  CountedCycles::Scratch scratch;
  LoopTotals totals;
  for (auto _ : state) {
    cycles.SumDamage(point, s.materialData.EnduranceCycles, scratch, totals);
    benchmark::DoNotOptimize(totals.damage);
  }
  state.counters["ns_per_cycle"] =
      benchmark::Counter(static_cast<double>(cycles.Cycles()) * state.iterations() * 1e-9,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CountedHistoryPass)->Arg(1)->Arg(2)->ArgName("mean_stress_option")->Unit(benchmark::kMillisecond);

}  // namespace
