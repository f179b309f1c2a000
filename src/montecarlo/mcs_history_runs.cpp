#include "montecarlo/mcs_history_runs.h"

#include <algorithm>
#include <vector>

#include "engine/counted_cycles.h"
#include "engine/damage.h"
#include "engine/history_point.h"
#include "engine/overload_message.h"
#include "montecarlo/mcs_run_inputs.h"
#include "montecarlo/ordered_parallel_runs.h"
#include "program_state.h"

namespace {

// Runs drawn and set up at a time; their slots are reused block after block.
constexpr int32_t kBlockRuns = 4096;

struct RunSlot {
  McsRunInputs inputs;
  HistoryPoint point;
  LoopTotals totals;
  bool overload = false;
};

// What a run's damage calculation sets from its inputs before its cycles:
// the notch factor in use, the history's scaling value and the life flag.
void SetUpRun(ProgramState& s, const McsRunInputs& in) {
  ApplyRunInputs(s, in);
  SettleNotchFactor(s);
  s.loadingData.HistoryScaleUsed = SingleCaseHistoryScale(s.loadingData);
  s.results.InfiniteLifeFlag = 1;
}

}  // namespace

bool HistoryRunsApply(const ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  return ao.AnalysisKind == analysis_kind::kProbabilistic && ao.LoadingType == loading_type::kHistory &&
         ao.AnalysisMode == analysis_mode::kSingleCase && s.mcsSettings.FastSimulation != 1 &&
         s.mcsSettings.SimulationsTarget > 1 && s.results.ImmediateCrackFlag == 0 && s.results.CalcAborted == 0;
}

void RunHistoryRuns(ProgramState& s, Host& host, const std::function<bool()>& finishRun) {
  CountedCycles cycles;
  cycles.Count(s, host);
  const int32_t c = cycles.Cycles();
  const double no = s.materialData.EnduranceCycles;
  const int workers = HardwareWorkers();
  std::vector<CountedCycles::Scratch> scratch(static_cast<std::size_t>(workers));
  const int64_t runs = static_cast<int64_t>(s.mcsSettings.SimulationsTarget) - 1;
  const auto blockRuns = static_cast<int32_t>(std::min<int64_t>(kBlockRuns, runs));
  std::vector<RunSlot> slots(static_cast<std::size_t>(blockRuns));
  auto slot = [&](int64_t run) -> RunSlot& { return slots[static_cast<std::size_t>(run % blockRuns)]; };

  auto prepare = [&](int64_t run) {
    RunSlot& r = slot(run);
    r.inputs = DrawRunInputs(s, false);
    SetUpRun(s, r.inputs);
    r.overload = !SetUpHistoryPoint(s, cycles.Ranges(), cycles.Means(), c, cycles.RangeMax(), true, r.point);
  };
  // On a worker: only the run's own slot, its scratch and the counted cycles.
  auto compute = [&](int64_t run, int worker) {
    RunSlot& r = slot(run);
    if (!r.overload) r.overload = !cycles.SumDamage(r.point, no, scratch[static_cast<std::size_t>(worker)], r.totals);
  };
  auto finish = [&](int64_t run) {
    RunSlot& r = slot(run);
    SetUpRun(s, r.inputs);
    if (r.overload) {
      RefuseOverload(s, host);
      return false;
    }
    StoreHistoryLife(s, c, r.totals);
    return finishRun();
  };
  RunOrderedInParallel(runs, blockRuns, workers, prepare, compute, finish);
}
