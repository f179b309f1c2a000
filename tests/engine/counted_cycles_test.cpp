// Passes over cycles counted once against the history routine, which counts
// the history again for every calculation.

#include "engine/counted_cycles.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "support/fake_host.h"

namespace {

struct Job {
  float L, h, kf, ratio, mExt, seFrom;
  int16_t meanOption, neglectLimit;
};

std::vector<float> RandomHistory(std::mt19937& rng, int n) {
  std::vector<float> history(static_cast<std::size_t>(n));
  float x = 150.0f;
  for (float& v : history) {
    x += std::normal_distribution<float>(0.0f, 40.0f)(rng);
    if (x < 0.0f || x > 300.0f) x = 150.0f;
    v = x;
  }
  return history;
}

ProgramState JobOf(const std::vector<float>& history, const Job& job) {
  ProgramState s = HistoryJob(history);
  s.analysisOptions.MeanStressOption = job.meanOption;
  s.analysisOptions.StressApproach = 2;
  s.mcsSettings.NeglectFatigueLimit = job.neglectLimit;
  s.loadingUnits.LoadToStressFactor = job.L;
  s.loadingData.ScalingFactorMax = job.h;
  s.componentData.Kf = job.kf;
  s.materialData.SuUsed = 600.0f;
  s.materialData.SNStressRatio = 0.1f;
  s.materialData.SNExtensionRatio = job.ratio;
  s.materialData.SNExtensionExponent = job.mExt;
  s.materialData.ThicknessFactor = 0.9f;
  s.materialData.SeFrom = job.seFrom;
  return s;
}

// One pass of the records' point over freshly counted cycles.
LoopTotals Pass(const ProgramState& s, const CountedCycles& cycles, bool& ok) {
  HistoryPoint hp;
  ok = SetUpHistoryPoint(s, cycles.Ranges(), cycles.Means(), cycles.Cycles(), cycles.RangeMax(), true, hp);
  CountedCycles::Scratch scratch;
  LoopTotals t;
  if (ok) ok = cycles.SumDamage(hp, s.materialData.EnduranceCycles, scratch, t);
  return t;
}

TEST(CountedCycles, APassGivesTheHistoryRoutinesDamageToTheLastBit) {
  const Job jobs[] = {
      {1.0f, 1.0f, 1.0f, 0.0f, 3.5f, 100.0f, 1, 1},    // the kept powers, no extension
      {1.0f, 0.8f, 1.0f, 0.5f, 5.0f, 150.0f, 1, 1},    // the kept powers, cut-off and m'
      {1.3f, -1.2f, 1.0f, 0.3f, 9.0f, 120.0f, 1, 1},   // a negative scaling value
      {1.0f, 1.0f, 1.0f, 0.3f, 5.0f, 100.0f, 2, 1},    // the mean stress accounted
      {0.9f, 0.7f, 1.8f, 0.4f, 6.0f, 90.0f, 2, 0},     // with a notch and the fatigue limit
      {1.0f, 0.1f, 1.0f, 0.5f, 5.0f, 400.0f, 1, 0},    // wholly below the fatigue limit
  };
  std::mt19937 rng(7);
  for (const Job& job : jobs) {
    ProgramState s = JobOf(RandomHistory(rng, 4000), job);
    FakeHost host;
    CalcDamage(s, host);
    ASSERT_EQ(s.results.CalcAborted, 0) << host.Transcript();
    CountedCycles cycles;
    cycles.Count(s, host);
    EXPECT_EQ(cycles.RangeMax(), s.results.CountedRangeMax);
    EXPECT_EQ(cycles.RangeMin(), s.results.CountedRangeMin);
    bool ok = false;
    const LoopTotals t = Pass(s, cycles, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(t.damage, s.results.TotalDamage) << "h " << job.h << " option " << job.meanOption;
    EXPECT_EQ(t.largest, s.results.MaxLevelDamage);
    ProgramState kept = s;
    StoreHistoryLife(kept, cycles.Cycles(), t);
    EXPECT_EQ(kept.results.LifeBlocks, s.results.LifeBlocks);
    EXPECT_EQ(kept.results.InfiniteLifeFlag, s.results.InfiniteLifeFlag);
  }
}

// A long history is counted, and the powers of its ranges kept, in
// stretches that let events through; the passes over it are as exact.
TEST(CountedCycles, ALongHistoryIsCountedInStretchesThatLetEventsThrough) {
  std::mt19937 rng(13);
  for (const Job& job : {Job{1.0f, 1.0f, 1.0f, 0.5f, 5.0f, 150.0f, 1, 1}, Job{1.0f, 1.0f, 1.0f, 0.0f, 3.5f, 100.0f, 1, 1}}) {
    ProgramState s = JobOf(RandomHistory(rng, 400000), job);
    FakeHost host;
    CalcDamage(s, host);
    ASSERT_EQ(s.results.CalcAborted, 0) << host.Transcript();
    FakeHost counting;
    counting.yieldIntervalMs = 0;
    CountedCycles cycles;
    cycles.Count(s, counting);
    EXPECT_GT(counting.doEventsCalls, 0);
    bool ok = false;
    const LoopTotals t = Pass(s, cycles, ok);
    ASSERT_TRUE(ok);
    EXPECT_GT(cycles.Cycles(), 1 << 16);
    EXPECT_EQ(t.damage, s.results.TotalDamage) << "m' " << job.mExt;
  }
}

TEST(CountedCycles, APassLeavesTheCyclesAsCounted) {
  std::mt19937 rng(11);
  ProgramState s = JobOf(RandomHistory(rng, 3000), {1.0f, 1.0f, 1.0f, 0.6f, 5.0f, 100.0f, 1, 1});
  FakeHost host;
  CountedCycles cycles;
  cycles.Count(s, host);
  const std::vector<float> ranges(cycles.Ranges(), cycles.Ranges() + cycles.Cycles() + 1);
  bool ok = false;
  s.results.NotchedEnduranceRange = 250.0f;  // most cycles below the cut-off
  Pass(s, cycles, ok);
  s.results.NotchedEnduranceRange = 60.0f;
  const LoopTotals low = Pass(s, cycles, ok);
  EXPECT_EQ(std::vector<float>(cycles.Ranges(), cycles.Ranges() + cycles.Cycles() + 1), ranges);
  CountedCycles fresh;
  fresh.Count(s, host);
  EXPECT_EQ(low.damage, Pass(s, fresh, ok).damage);
}

TEST(CountedCycles, AnOverloadingCycleEndsThePassAsTheHistoryRoutineDoes) {
  std::mt19937 rng(5);
  ProgramState s = JobOf(RandomHistory(rng, 2000), {1.0f, 3.0f, 1.0f, 0.0f, 5.0f, 100.0f, 2, 1});
  s.materialData.SyUsed = 2000.0f;  // the whole history's factor holds; single cycles reach Su
  FakeHost host;
  CountedCycles cycles;
  cycles.Count(s, host);
  s.loadingData.HistoryScaleUsed = 3.0f;
  s.results.NotchedEnduranceRange = 100.0f;
  bool ok = true;
  Pass(s, cycles, ok);
  EXPECT_FALSE(ok);
  CalcDamage(s, host);
  EXPECT_EQ(s.results.CalcAborted, 1);
}

}  // namespace
