// How long the window goes without an answer while a stress history of
// 10,000,000 points is taken and used: the browser's Show (the history read
// for its preview, the previews drawn), Select (the history read again,
// checked and made the job's loading, the input view redrawn), Calculate
// (the counting, the damage and the damage diagram), the simulation's count
// of the history's cycles for its later runs, and simulations of 2 and 100
// runs.
//
// The host lets the pending events of the offscreen window through at every
// yield. The figures: the longest stretch without a yield (from the start to
// the first yield, between two yields, from the last yield to the end) in
// milliseconds over the iterations, and the yields of one operation. The
// window should answer within 100 ms.
//
//   build/test/bench/responsiveness_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/counted_cycles.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "montecarlo/mcs_simulation.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"
#include "random_walk.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/mcs_replay.h"
#include "support/scoped_folder.h"
#include "window_bench.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kPoints = 10'000'000;

// The stretches between the yields of one operation.
class Gaps {
 public:
  // Before the first iteration of a benchmark.
  void Reset() { longest_ = 0; }
  void Start() {
    mark_ = Clock::now();
    yields_ = 0;
  }
  // At a yield: the stretch before it ends, the events run, a new one begins.
  void Yield() {
    Lap();
    ++yields_;
    QApplication::processEvents();
    mark_ = Clock::now();
  }
  // At the end of the operation.
  void Stop() { Lap(); }

  void Report(benchmark::State& state) const {
    state.counters["longest_gap_ms"] = longest_;
    state.counters["yields"] = yields_;
  }

 private:
  using Clock = std::chrono::steady_clock;
  void Lap() { longest_ = std::max(longest_, std::chrono::duration<double, std::milli>(Clock::now() - mark_).count()); }

  Clock::time_point mark_ = Clock::now();
  double longest_ = 0;
  int yields_ = 0;
};

// "duvdt.dat" of one history batch and its "duvhs.1" in `p`: a random walk
// of kPoints points that starts at its minimum.
void WriteHistoryBatch(const fs::path& p) {
  std::vector<float> h = RandomWalk(kPoints);
  const auto [lo, hi] = std::minmax_element(h.begin() + 1, h.end() - 1);
  const float min = *lo, max = *hi;
  h[1] = min;
  SeqWriter history;
  history.PrintLine("Random walk");
  history.PrintLine(kPoints);
  history.PrintLine(60.0f);
  for (int32_t j = 1; j <= kPoints; ++j) history.PrintLine(h[static_cast<std::size_t>(j)]);
  std::ofstream(p / "duvhs.1", std::ios::binary) << history.Bytes();
  SeqWriter db;
  db.WriteLine(int16_t{-2});
  db.WriteLine(int16_t{1});
  db.WriteLine(60.0f, 0.0f, kPoints, max, min);
  db.WriteLine(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, "Random walk");
  db.WriteLine(0.0f, 0.0f, int16_t{0});
  db.WriteLine(0.0f, 0.0f);
  std::ofstream(p / "duvdt.dat", std::ios::binary) << db.Bytes();
}

// A folder of the benchmark's own with that batch, removed at the end.
const fs::path& Folder() {
  static const ScopedTempFolder folder("responsiveness_bench");
  static const bool written = (WriteHistoryBatch(folder.path()), true);
  (void)written;
  return folder.path();
}

// The program with a history job whose loading database is read and browsed.
struct Program {
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  Gaps gaps;

  Program() {
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    host.onDoEvents = [this] { gaps.Yield(); };
    main.Load();
    main.problemDefinition().chk_history.click();
    main.problemDefinition().Cmd_analysis_next.click();
    DataServicePanel& ds = main.dataService();
    ds.Dir1.SetPath(Folder().string());
    ds.cmd_data_do.click();  // read
    ds.cmd_data_do.click();  // browse
  }

  // From the input view back to the browser.
  void Browse() {
    LoadingDbPanel& b = main.loadingDb();
    if (b.frm_Load_Dbase.Visible()) return;
    main.menus().mnu_loading.click();
    main.dataService().cmd_data_do.click();
  }

  // The first Select and the step to the input view, once.
  void InputView() {
    if (state.loadingDbState.SelectedLoadingBatch == 1) return;
    Browse();
    main.loadingDb().Cmd_Load_Db_OK.click();
    main.dataService().cmd_data_next.click();
  }
};

void BM_BrowserShow(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  LoadingDbPanel& b = p.main.loadingDb();
  p.Browse();
  p.gaps.Reset();
  for (auto _ : state) {
    p.gaps.Start();
    b.Cmd_Load_Db_Show.click();
    p.gaps.Stop();
    state.PauseTiming();
    if (p.state.loadingDbState.PreviewShown != 1) state.SkipWithError("no previews");
    b.Cmd_Load_Db_Show.click();  // Hide
    state.ResumeTiming();
  }
  p.gaps.Report(state);
}

void BM_BrowserSelect(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  p.InputView();
  p.gaps.Reset();
  for (auto _ : state) {
    state.PauseTiming();
    p.Browse();
    p.state.loadingDbState.SelectedLoadingBatch = 0;
    state.ResumeTiming();
    p.gaps.Start();
    p.main.loadingDb().Cmd_Load_Db_OK.click();
    p.gaps.Stop();
    if (p.state.loadingDbState.SelectedLoadingBatch != 1) state.SkipWithError("the batch was not taken");
  }
  p.gaps.Report(state);
}

void BM_Calculate(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  p.InputView();
  p.gaps.Reset();
  for (auto _ : state) {
    p.gaps.Start();
    p.main.menus().mnu_calculate.click();
    p.gaps.Stop();
    if (p.state.results.LifeBlocks <= 0) state.SkipWithError("no life");
  }
  p.gaps.Report(state);
}

void BM_SimulationCount(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  p.InputView();
  p.gaps.Reset();
  for (auto _ : state) {
    CountedCycles cycles;
    p.gaps.Start();
    cycles.Count(p.state, p.host);
    p.gaps.Stop();
    benchmark::DoNotOptimize(cycles.Cycles());
  }
  p.gaps.Report(state);
}

// A simulation of state.range(0) runs with a random scaling factor: with 2
// runs the first (deterministic) run, the count for the later runs and one
// run; with 100 also the runs on every core, which let events through at the
// progress ticks (every 10 runs), so that their figure depends on the cores
// free for them.
void BM_Simulation(benchmark::State& state) {
  Program& p = TheProgram<Program>();
  p.InputView();
  ProgramState& s = p.state;
  const ProgramState kept = s;
  s.analysisOptions.AnalysisKind = analysis_kind::kProbabilistic;
  s.mcsSettings.SimulationCount = static_cast<int32_t>(state.range(0));
  s.mcsSettings.FastSimulation = 0;
  s.mcsSettings.WorkDir = Folder().string() + "/";
  SetRandomVariable(s.randomVariableTable, 2, 1, 0.05f);  // k normal, 5 %
  McsProgress progress;
  p.gaps.Reset();
  for (auto _ : state) {
    p.gaps.Start();
    const McsOutcome outcome = RunMonteCarloCore(s, p.host, progress);
    p.gaps.Stop();
    if (outcome != McsOutcome::Completed && outcome != McsOutcome::NoResult) state.SkipWithError("no simulation");
  }
  p.gaps.Report(state);
  s = kept;
}

BENCHMARK(BM_BrowserShow)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BrowserSelect)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Calculate)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SimulationCount)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Simulation)->Arg(2)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks<Program>(argc, argv); }
