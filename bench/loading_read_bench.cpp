// Reading the loading database and its stress histories: histories of 1e5,
// 1e6 and 1e7 points as the runtime writes them (one value a line, seven
// significant digits, CR LF), a database of 20 batches of 500 levels, and
// the whole selection of a history batch (read, checks, rainflow arrays).
// Prints million points per second and the peak memory beyond the points.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "loading/batch_selection.h"
#include "loading/history_file.h"
#include "loading/loading_db_file.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "program_state.h"
#include "quiet_host.h"
#include "support/scoped_folder.h"

namespace fs = std::filesystem;

namespace {

// A folder of the benchmark's own, removed at the end.
const fs::path& Folder() {
  static const ScopedTempFolder folder("loading_read_bench");
  return folder.path();
}

// A random walk of n points starting at its minimum, written to duvhs.<k>.
void WriteHistory(int k, int n) {
  std::mt19937 rng(static_cast<unsigned>(n));
  std::normal_distribution<float> step(0.0f, 25.0f);
  SeqWriter w;
  w.PrintLine("Random walk");
  w.PrintLine(static_cast<int32_t>(n));
  w.PrintLine(60.0f);
  float x = -400.0f;
  w.PrintLine(x);
  for (int i = 1; i < n; ++i) {
    x += step(rng);
    if (x < -400.0f) x = -400.0f + (-400.0f - x);
    w.PrintLine(x);
  }
  std::ofstream(Folder() / ("duvhs." + std::to_string(k)), std::ios::binary) << w.Bytes();
}

// The database: batch 1 .. 3 histories of 1e5, 1e6, 1e7 points, then block
// spectra of 500 levels up to 20 batches.
void WriteDatabase() {
  SeqWriter w;
  w.WriteLine(int16_t{-2});
  w.WriteLine(int16_t{20});
  for (int i = 1; i <= 20; ++i) {
    const bool history = i <= 3;
    const int32_t points = history ? (i == 1 ? 100000 : i == 2 ? 1000000 : 10000000) : 0;
    w.WriteLine(60.0f, history ? 0.0f : 500.0f, points, 5000.0f, -400.0f);
    for (int b = 1; !history && b <= 500; ++b) w.WriteLine(1.0f - b / 1000.0f, 10.0f * b);
    w.WriteLine(history ? 0.0f : 300.0f, 30.0f, 5000.0f, 0.0f, 0.0f, 0.0f, "Batch " + std::to_string(i));
    w.WriteLine(0.0f, 0.0f, int16_t{0});
    w.WriteLine(0.0f, 0.0f);
  }
  std::ofstream(Folder() / "duvdt.dat", std::ios::binary) << w.Bytes();
}

void Prepare() {
  static const bool ready = [] {
    // Large blocks straight from the system and back to it when freed, so
    // that the resident memory shows what a read holds.
    mallopt(M_MMAP_THRESHOLD, 64 << 10);
    mallopt(M_TRIM_THRESHOLD, 64 << 10);
    WriteDatabase();
    WriteHistory(1, 100000);
    WriteHistory(2, 1000000);
    WriteHistory(3, 10000000);
    return true;
  }();
  (void)ready;
}

// The resident memory of the process: now, and its peak since the last reset.
long StatusKiB(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(line.find(':') + 1));
  }
  return 0;
}
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

ProgramState StateWithDatabase() {
  ProgramState s;
  QuietHost host;
  s.fatigueDbState.DatabaseDir = Folder().string();
  ReadLoadingDatabase(s, host);
  return s;
}

void BM_ReadHistoryFile(benchmark::State& state) {
  Prepare();
  const int k = static_cast<int>(state.range(0));
  ProgramState s = StateWithDatabase();
  QuietHost host;
  const double points = s.loadingDatabase.BatchPointCount[k];
  double peakBeyond = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<float>().swap(s.loadingData.HistoryPoints);
    const long before = StatusKiB("VmRSS");
    ResetPeak();
    state.ResumeTiming();
    ReadHistoryFile(s, host, k);
    state.PauseTiming();
    const double beyond = (StatusKiB("VmHWM") - before) / 1024.0 - points * 4 / (1 << 20);
    peakBeyond = std::max(peakBeyond, beyond);
    if (s.loadingData.LoadedHistoryLength != points) state.SkipWithError("the history was not read");
    state.ResumeTiming();
  }
  state.counters["Mpoints/s"] = benchmark::Counter(points * 1e-6, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MiB_beyond_points"] = peakBeyond;
}
BENCHMARK(BM_ReadHistoryFile)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// For scale: the runtime's reader, which holds the whole text.
void BM_SeqReaderHistory(benchmark::State& state) {
  Prepare();
  const std::string path = (Folder() / "duvhs.2").string();
  for (auto _ : state) {
    SeqReader in = SeqReader::Open(path);
    in.ReadString();
    const int32_t n = in.ReadLong();
    in.ReadSingle();
    std::vector<float> points(static_cast<std::size_t>(n) + 2);
    for (int32_t i = 1; i <= n; ++i) points[i] = in.ReadSingle();
    benchmark::DoNotOptimize(points.data());
  }
  state.counters["Mpoints/s"] = benchmark::Counter(1.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SeqReaderHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadLoadingDatabase(benchmark::State& state) {
  Prepare();
  ProgramState s;
  QuietHost host;
  s.fatigueDbState.DatabaseDir = Folder().string();
  for (auto _ : state) {
    if (!ReadLoadingDatabase(s, host)) state.SkipWithError("the database was not read");
  }
}
BENCHMARK(BM_ReadLoadingDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

// Taking the 1e7-point history batch into a history job.
void BM_TakeHistoryBatch(benchmark::State& state) {
  Prepare();
  ProgramState s = StateWithDatabase();
  QuietHost host;
  s.analysisOptions.LoadingType = 1;
  for (auto _ : state) {
    s.loadingDbState.BrowsedLoadingBatch = 3;
    if (TakeBrowsedBatch(s, host) != BatchTaking::Taken) state.SkipWithError("the batch was not taken");
  }
  state.counters["Mpoints/s"] = benchmark::Counter(10.0, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TakeHistoryBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
