// The Monte Carlo core at the sizes of a large simulation: drawing variates,
// sorting a million lives, and reading a million-life work file back (read,
// sort, in-place rewrite, tail) with its statistics.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_results_file.h"
#include "montecarlo/random_variate.h"
#include "platform/runtime/atomic_file.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"
#include "quiet_host.h"

namespace {

std::vector<float> ScrambledLives(int n) {
  std::vector<float> lives(static_cast<std::size_t>(n) + 1, 0.0f);
  uint32_t x = 12345;
  for (int i = 1; i <= n; ++i) lives[i] = 1.0e4f + static_cast<float>((x = x * 1103515245u + 12345u) >> 8);
  return lives;
}

void BM_GenerateVariate(benchmark::State& state) {
  const auto type = static_cast<int16_t>(state.range(0));
  RandomVariableTable t;
  t.RvParA[1] = type == 2 ? -0.005f : type == 3 ? 1.043f : type == 4 ? 0.5f : 1.0f;
  t.RvParB[1] = type == 2 ? 0.0998f : type == 3 ? 12.06f : type == 4 ? 2.0f : 0.1f;
  t.RvXmin[1] = 0.5f;
  t.RvXmax[1] = 2.0f;
  double seed = 3413432.0;
  for (auto _ : state) benchmark::DoNotOptimize(GenerateRandomVariate(t, type, 1, seed));
}
BENCHMARK(BM_GenerateVariate)->DenseRange(1, 5);

void BM_SortLives(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<float> scrambled = ScrambledLives(n);
  for (auto _ : state) {
    std::vector<float> lives = scrambled;
    SortLives(lives, n);
    benchmark::DoNotOptimize(lives.data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SortLives)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ReadMillionLives(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "mcs_bench_zp1pl.res";
  ProgramState job;
  job.mcsSettings.SimulationsTarget = n;
  job.resultsDisplay.MseTag2 = "MSE(+)";
  SeqWriter w;
  WriteMcsWorkFileHeader(w, McsResultsHeaderOf(job, "Kt", "Kt"));
  const std::vector<float> lives = ScrambledLives(n);
  for (int i = 1; i <= n; ++i) WriteMcsLifeLine(w, lives[i]);
  WriteMcsLifeLine(w, 1.0e4f);
  QuietHost host;
  for (auto _ : state) {
    state.PauseTiming();
    (void)WriteFileAtomically(path.string(), w.Bytes());
    ProgramState s = job;
    s.mcsResults.ResultsPath = path.string();
    state.ResumeTiming();
    ReadMCSResults(s, host);
    if (s.mcsResults.ResultsReadStatus != 0) {
      state.SkipWithError("the work file was not read back");
      break;
    }
    benchmark::DoNotOptimize(CalcLifeStatistics(s, host));
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ReadMillionLives)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
