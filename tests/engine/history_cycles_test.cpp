// The history routine against the per-cycle rule written out one cycle at a
// time, on random histories with every correction in play.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/damage.h"
#include "engine/engine_jobs.h"
#include "engine/rainflow.h"
#include "platform/runtime/sng.h"
#include "support/fake_host.h"

namespace {

struct Job {
  float L, h, kf, sy, ratio, mExt;
  int16_t meanOption;
};

// Damage of one cycle (range r, mean) as the rule states it.
float RuleDamage(const ProgramState& s, const Job& job, float r, float mean) {
  const MaterialData& md = s.materialData;
  const float L = job.L, h = job.h, kf = job.kf, su = md.SuUsed, sy = md.SyUsed, tf = md.ThicknessFactor;
  const float seN = md.SeFrom / s.results.KfUsed;
  const float smR = Sng(static_cast<double>(tf * seN) * 0.5 * (1.0f + md.SNStressRatio) / (1.0f - md.SNStressRatio));
  float fR = 1.0f;
  if (job.meanOption == 2 && smR > 0.0f) fR = su / (su - smR);
  float fM = 1.0f;
  if (job.meanOption == 2) {
    const float sm = h * mean;
    const float smax = h * r / 2.0f + sm;
    if (sm > 0.0f && kf * L * sm < sy && !(2.0f * sy < kf * L * r)) {
      const float k = (L * smax * kf <= sy) ? kf : (sy - kf * L * r / 2.0f) / std::fabs(sm);
      fM = su / (su - k * L * sm);
    }
  }
  const float sj = L * fM * std::fabs(h) * r;
  const float margin = Sng(1.0001 * sj);
  if (seN * md.SNExtensionRatio * fR * tf > margin) return 0.0f;
  if (!(sj > 0.0f)) return 0.0f;
  const double e = seN * fR * tf > margin ? md.SNExtensionExponent : md.SNExponent;
  const float base = tf * fR * seN / fM / L / r / std::fabs(h);
  return Sng(1.0 / (md.EnduranceCycles * std::pow(static_cast<double>(base), e)));
}

TEST(HistoryCycles, EachCycleDamageFollowsTheRuleToTheLastBit) {
  const Job jobs[] = {
      {1.0f, 1.0f, 1.0f, 300.0f, 0.0f, 3.5f, 1},
      {1.0f, 1.0f, 1.0f, 300.0f, 0.3f, 5.0f, 2},
      {1.3f, 0.7f, 1.8f, 250.0f, 0.4f, 6.0f, 2},
      {0.9f, -1.2f, 2.5f, 150.0f, 0.0f, 9.0f, 2},
  };
  std::mt19937 rng(31);
  for (const Job& job : jobs) {
    std::vector<float> history(3000);
    float x = 150.0f;
    for (float& v : history) {
      x += std::normal_distribution<float>(0.0f, 40.0f)(rng);
      if (x < 0.0f || x > 300.0f) x = 150.0f;
      v = x;
    }
    ProgramState s = HistoryJob(history);
    s.analysisOptions.MeanStressOption = job.meanOption;
    s.analysisOptions.StressApproach = 2;
    s.mcsSettings.NeglectFatigueLimit = 1;
    s.loadingUnits.LoadToStressFactor = job.L;
    s.loadingData.ScalingFactorMax = job.h;
    s.componentData.Kf = job.kf;
    s.materialData.SyUsed = job.sy;
    s.materialData.SuUsed = 600.0f;
    s.materialData.SNStressRatio = 0.1f;
    s.materialData.SNExtensionRatio = job.ratio;
    s.materialData.SNExtensionExponent = job.mExt;
    s.materialData.ThicknessFactor = 0.9f;

    std::vector<float> stack, ranges, means;
    std::vector<float> points(history.size() + 2, 0.0f);
    std::copy(history.begin(), history.end(), points.begin() + 1);
    const int32_t c = CountRainflow(points, static_cast<int32_t>(history.size()), stack, ranges, means);

    FakeHost host;
    CalcProgress none;
    CalcDamageHistory(s, host, none);
    ASSERT_EQ(s.results.CalcAborted, 0) << host.Transcript();
    float total = 0.0f;
    int damaging = 0;
    for (int32_t j = 1; j <= c; ++j) {
      const float d = RuleDamage(s, job, ranges[j], means[j]);
      ASSERT_EQ(s.results.LevelDamage[j], d) << "cycle " << j << " range " << ranges[j] << " mean " << means[j];
      total += d;
      damaging += d > 0.0f;
    }
    EXPECT_EQ(s.results.TotalDamage, total);
    EXPECT_GT(damaging, 100);
  }
}

}  // namespace
