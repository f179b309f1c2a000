// Sequential text files with a simulation's worth of lives (one Single a line).
#include <benchmark/benchmark.h>

#include "platform/runtime/format.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"

namespace {

std::string LivesFile(int count) {
  SeqWriter w;
  for (int i = 0; i < count; ++i) w.PrintLine(1.0e5f + static_cast<float>(i) * 3.7f);
  return w.Bytes();
}

void BM_WriteLives(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LivesFile(static_cast<int>(state.range(0))));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteLives)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ReadLives(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string text = LivesFile(count);
  for (auto _ : state) {
    SeqReader r = SeqReader::FromText(text);
    float sum = 0;
    for (int i = 0; i < count; ++i) sum += r.ReadSingle();
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ReadLives)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_FormatMask(benchmark::State& state) {
  double v = 0.123;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Format(v, "0.0##E+##"));
    v += 1.7;
  }
}
BENCHMARK(BM_FormatMask);

}  // namespace
