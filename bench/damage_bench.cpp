// Speed of the damage calculation: constant amplitude, a 500-level spectrum,
// and random-walk stress histories (counting alone, and counting plus damage
// with the mean stress accounted). Figures in million samples per second.

#include <benchmark/benchmark.h>

#include <vector>

#include "engine/damage.h"
#include "engine/rainflow.h"
#include "program_state.h"
#include "quiet_host.h"
#include "random_walk.h"

namespace {

// A deterministic job under nominal stress with the mean stress accounted.
ProgramState BaseJob() {
  ProgramState s;
  s.analysisOptions.StressApproach = 1;
  s.analysisOptions.NotchSensitivityMode = 1;
  s.analysisOptions.MeanStressOption = 2;
  s.componentData.SpecimenNotchFactor = 1.0f;
  s.componentData.Kf = 1.0f;
  s.mcsSettings.NeglectFatigueLimit = 1;
  s.materialData.SNExtensionRatio = 0.0f;  // no cut-off: every cycle does damage
  s.materialData.SNExtensionExponent = 5.0f;
  return s;
}

ProgramState HistoryJob(int32_t n) {
  ProgramState s = BaseJob();
  s.analysisOptions.LoadingType = 1;
  s.loadingDbState.SelectedLoadingBatch = 1;
  s.loadingData.HistoryPoints = RandomWalk(n);
  s.loadingDatabase.BatchPointCount[1] = n;
  s.loadingData.SelectedHistoryLength = n;
  s.loadingData.LoadSmax = 200.0f;
  s.loadingData.LoadSmin = -100.0f;
  return s;
}

void BM_ConstantAmplitude(benchmark::State& state) {
  ProgramState s = BaseJob();
  s.loadingData.StressRangeTo = 200.0f;
  s.loadingData.StressMinOrMeanInput = 20.0f;
  QuietHost host;
  for (auto _ : state) {
    CalcDamage(s, host);
    benchmark::DoNotOptimize(s.results.LifeBlocks);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Spectrum500(benchmark::State& state) {
  ProgramState s = BaseJob();
  s.analysisOptions.LoadingType = 2;
  s.loadingData.StressRangeTo = 300.0f;
  s.loadingData.StressMinOrMeanInput = 20.0f;
  s.loadingData.SpectrumLevelCount = 500;
  for (int i = 1; i <= 500; ++i) {
    s.loadingData.LevelStress[i] = 1.0f - static_cast<float>(i - 1) / 500.0f;
    s.loadingData.LevelCycles[i] = static_cast<float>(i);
  }
  s.results.LevelDamage.assign(501, 0.0f);
  QuietHost host;
  for (auto _ : state) {
    CalcDamage(s, host);
    benchmark::DoNotOptimize(s.results.LifeBlocks);
  }
  state.SetItemsProcessed(state.iterations() * 500);
}

void BM_RainflowCounting(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  const std::vector<float> h = RandomWalk(n);
  std::vector<float> stack, ranges, means;
  int32_t cycles = 0;
  for (auto _ : state) {
    cycles = CountRainflow(h, n, stack, ranges, means);
    benchmark::DoNotOptimize(cycles);
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.counters["cycles"] = cycles;
  state.counters["Msamples"] = benchmark::Counter(static_cast<double>(n) * state.iterations() / 1e6,
                                                    benchmark::Counter::kIsRate);
}

void BM_HistoryDamage(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  ProgramState s = HistoryJob(n);
  QuietHost host;
  CalcDamage(s, host);  // sizes the work arrays once, as the first run of a job does
  for (auto _ : state) {
    CalcDamage(s, host);
    benchmark::DoNotOptimize(s.results.LifeBlocks);
  }
  const LoadingData& ld = s.loadingData;
  const double extraFloats = static_cast<double>(ld.RainflowWork.capacity() + ld.RainflowRanges.capacity() +
                                                 ld.RainflowMeans.capacity() + s.results.LevelDamage.capacity());
  state.SetItemsProcessed(state.iterations() * n);
  state.counters["Msamples"] = benchmark::Counter(static_cast<double>(n) * state.iterations() / 1e6,
                                                    benchmark::Counter::kIsRate);
  state.counters["floats/point"] = extraFloats / n;
  state.counters["aborted"] = s.results.CalcAborted;
}

BENCHMARK(BM_ConstantAmplitude);
BENCHMARK(BM_Spectrum500);
BENCHMARK(BM_RainflowCounting)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryDamage)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

}  // namespace
