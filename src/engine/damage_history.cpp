// Damage and life of a stress history: rainflow counting of the selected
// batch's history, then the damage of every counted cycle by the S-N curve
// (thickness, mean-stress and extension rules) summed by Miner's rule into
// the damage of one pass (one block); repeated over the points of a master
// curve without counting again.

#include <algorithm>
#include <cmath>

#include "engine/calc_numbers.h"
#include "engine/cycle_damage.h"
#include "engine/damage.h"
#include "engine/event_pump.h"
#include "engine/master_curve.h"
#include "engine/mean_stress.h"
#include "engine/overload_message.h"
#include "engine/rainflow.h"
#include "loading/selected_batch.h"
#include "platform/host.h"
#include "program_state.h"

namespace {

using calc::BelowLimit;

// Counts the history into RainflowRanges and RainflowMeans; returns the cycles.
int32_t CountHistory(ProgramState& s, Host& host) {
  LoadingData& ld = s.loadingData;
  const int32_t available = ld.HistoryPoints.empty() ? 0 : static_cast<int32_t>(ld.HistoryPoints.size()) - 1;
  const int32_t n = std::clamp<int32_t>(s.loadingDatabase.BatchPointCount[SelectedBatchOf(s)], 0, available);
  SizeRainflowArrays(n, ld.RainflowWork, ld.RainflowRanges, ld.RainflowMeans);
  RainflowCounter counter(ld.HistoryPoints.data(), n, ld.RainflowWork.data(), ld.RainflowRanges.data(),
                          ld.RainflowMeans.data());
  constexpr int32_t kChunk = 1 << 16;
  EventPump pump(host, 1);
  for (int32_t until = kChunk; !counter.CountUpTo(until); until += std::min(kChunk, INT32_MAX - until)) {
    pump.Tick();
  }
  return counter.Cycles();
}

void SetCountedExtremes(ProgramState& s, int32_t c) {
  const std::vector<float>& ranges = s.loadingData.RainflowRanges;
  float mx = 0.0f, mn = 10000.0f;
  for (int32_t j = 1; j <= c; ++j) {
    if (ranges[j] > mx) mx = ranges[j];
    if (ranges[j] < mn) mn = ranges[j];
  }
  s.results.CountedRangeMax = mx;
  s.results.CountedRangeMin = mn;
}

// What one point of the cycle loop works with.
struct HistoryPoint {
  CycleRule rule;
  float seN = 0.0f;
  float fR = 1.0f, fM = 1.0f;
  bool lastPoint = true;
};

// Whole-history factor from the last counted cycle; false on an overload.
bool WholeHistoryFactor(const ProgramState& s, int32_t c, HistoryPoint& hp) {
  hp.fM = 1.0f;
  if (c <= 0) return true;
  const float range = s.loadingData.RainflowRanges[c], mean = s.loadingData.RainflowMeans[c];
  const float kf = s.results.KfUsed, L = s.loadingUnits.LoadToStressFactor;
  const float sy = s.materialData.SyUsed, su = s.materialData.SuUsed;
  const float sm = hp.rule.h * mean;
  const float smax = hp.rule.h * range / 2.0f + sm;
  if (sm > 0.0f && kf * L * sm < sy && !(2.0f * sy < kf * L * range)) {
    const float k = (L * smax * kf <= sy) ? kf : (sy - kf * L * range / 2.0f) / std::fabs(sm);
    hp.fM = MeanStressFactor(su, k * L * sm);
    return hp.fM > 0.0f;
  }
  return true;
}

struct LoopTotals {
  float damage = 0.0f;
  float largest = 0.0f;
};

// Cycles are decided a batch at a time, then the powers of the batch are
// taken together (see cycle_damage.h) and summed in counting order.
constexpr int kCycleBatch = 512;

struct CycleBatch {
  float base[kCycleBatch];
  double e[kCycleBatch];
  double t[kCycleBatch];
  uint8_t verdict[kCycleBatch];
};

// The cycle loop; false when a cycle overloads the material (the cycles
// before it have been summed as they would be one by one).
bool CycleLoop(ProgramState& s, Host& host, int32_t c, const HistoryPoint& hp, LoopTotals& t) {
  Results& res = s.results;
  float* const ranges = s.loadingData.RainflowRanges.data();
  const float* const means = s.loadingData.RainflowMeans.data();
  float* const levelDamage = res.LevelDamage.data();
  const bool keepCycles = s.mcsSettings.SimulationsDone == 0;
  const double no = s.materialData.EnduranceCycles;
  const CycleRule& rule = hp.rule;
  EventPump pump(host, 1u << 7);
  CycleBatch batch;
  float D = 0.0f, largest = 0.0f;
  bool damaged = false;
  bool overload = false;
  for (int32_t first = 1; first <= c && !overload; first += kCycleBatch) {
    pump.Tick();
    const int count = static_cast<int>(std::min<int32_t>(kCycleBatch, c - first + 1));
    DecideCycleBatch(rule, ranges + first, means + first, count, batch.base, batch.e, batch.verdict);
    ApproxInverseLives(batch.base, batch.e, no, batch.t, count);
    for (int k = 0; k < count; ++k) {
      float dj = 0.0f;
      switch (batch.verdict[k]) {
        case kCycleOverload:
          overload = true;
          break;
        case kCycleCutOff:
          if (hp.lastPoint) ranges[first + k] = 0.0f;  // below the extension's cut-off
          break;
        case kCycleDamages:
          dj = CycleDamageFrom(batch.t[k], no, batch.base[k], batch.e[k]);
          damaged = true;
          break;
        default:
          break;
      }
      if (overload) break;
      D += dj;
      if (dj > largest) largest = dj;
      if (keepCycles) levelDamage[first + k] = dj;
    }
  }
  if (damaged) res.InfiniteLifeFlag = 0;
  t.damage = D;
  t.largest = largest;
  return !overload;
}

// One point: the damage of a pass and the life. False when refused.
bool CalcHistoryPoint(ProgramState& s, Host& host, int32_t c, bool lastPoint) {
  Results& res = s.results;
  const MaterialData& md = s.materialData;
  const float L = s.loadingUnits.LoadToStressFactor, tf = md.ThicknessFactor;
  HistoryPoint hp;
  CycleRule& rule = hp.rule;
  rule.h = s.loadingData.HistoryScaleUsed;
  rule.absH = std::fabs(rule.h);
  rule.L = L;
  rule.kf = s.componentData.Kf;
  rule.su = md.SuUsed;
  rule.sy = md.SyUsed;
  hp.seN = res.NotchedEnduranceRange;
  hp.lastPoint = lastPoint;
  res.SNSlopeUsed = md.SNExponent;
  rule.m = res.SNSlopeUsed;
  rule.mExt = md.SNExtensionExponent;
  const float smR = DataMeanStress(md, hp.seN);
  const float extension = hp.seN * md.SNExtensionRatio;
  rule.accountMean = s.analysisOptions.MeanStressOption == mean_stress_option::kAccount;
  if (rule.accountMean) {
    if (!WholeHistoryFactor(s, c, hp)) {
      RefuseOverload(s, host);
      return false;
    }
    hp.fR = DataMeanStressFactor(md.SuUsed, smR);
  }
  rule.extensionLimit = extension * hp.fR * tf;
  rule.enduranceLimit = hp.seN * hp.fR * tf;
  rule.numerator = tf * hp.fR * hp.seN;
  LoopTotals t;
  const bool shortcut = s.mcsSettings.NeglectFatigueLimit == 0 &&
                        BelowLimit(rule.enduranceLimit, L * hp.fM * rule.absH * s.results.CountedRangeMax);
  if (shortcut) {
    t.damage = calc::kBelowLimitDamage;
  } else if (!CycleLoop(s, host, c, hp, t)) {
    RefuseOverload(s, host);
    return false;
  }
  if (t.damage > 0.0f) {
    // d / D as Single; a quotient beyond Single (cycles whose damage is
    // barely above 0) is the infinite life, and so shown.
    const double quotient = static_cast<double>(s.analysisOptions.DamageToFailure) / t.damage;
    res.LifeBlocks = calc::StoreLife(quotient);
    if (!std::isfinite(static_cast<float>(quotient))) res.InfiniteLifeFlag = 1;
    // With no cycle counted there is nothing to fail: the life in cycles is infinite.
    res.LifeCycles = c > 0 ? calc::StoreLife(static_cast<double>(res.LifeBlocks) * c) : calc::kInfiniteLife;
  } else {  // no cycle does damage: the life is infinite
    res.LifeBlocks = calc::kInfiniteLife;
    res.LifeCycles = calc::kInfiniteLife;
    res.InfiniteLifeFlag = 1;
  }
  if (s.mcsSettings.SimulationsDone == 0) {
    res.MaxLevelDamage = t.largest;
    res.TotalDamage = t.damage;
  }
  return true;
}

void AdvanceProgressBar(Results& res, CalcProgress& progress) {
  const float w = progress.ProgressScaleWidth(), h = progress.ProgressScaleHeight();
  res.HistoryProgress = Sng(res.HistoryProgress + 0.4 * w / 20.0);
  progress.DrawProgressBox(Sng(0.3 * w), Sng(0.85 * h), Sng(0.3 * w + res.HistoryProgress), Sng(0.95 * h),
                           calc::kProgressColour);
}

}  // namespace

void CalcDamageHistory(ProgramState& s, Host& host, CalcProgress& progress) {
  LoadingData& ld = s.loadingData;
  Results& res = s.results;
  const AnalysisOptions& ao = s.analysisOptions;
  ld.HistoryScaleUsed = ld.ScalingFactor;
  res.InfiniteLifeFlag = 1;
  res.HistoryProgress = 0.0f;
  const int32_t c = CountHistory(s, host);
  SetCountedExtremes(s, c);
  if (s.mcsSettings.SimulationsDone == 0 && res.LevelDamage.size() < static_cast<size_t>(c) + 1) {
    res.LevelDamage.resize(static_cast<size_t>(c) + 1, 0.0f);
  }
  const float step = SetUpMasterCurve(s, host, ld.HistoryScaleUsed, ld.ScalingFactorMax * ld.ScalingFactorApplied,
                                      ld.ScalingFactorMin, ld.ScalingFactorMax, ld.ScalingFactorMin);
  const int points = MasterPointCount(ao);
  for (int p = 1; p <= points; ++p) {
    if (p > 1) {
      if (ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit) res.NotchedEnduranceRange += step;
      if (ao.MasterCurveParameter == master_curve_parameter::kLoadLevel) ld.HistoryScaleUsed += step;
      AdvanceProgressBar(res, progress);
    }
    if (!CalcHistoryPoint(s, host, c, p == points)) return;
    StoreMasterPoint(s, p, ld.HistoryScaleUsed);
  }
  AnalysisOptions& opts = s.analysisOptions;
  if (s.loadingDatabase.BatchBlockTime[SelectedBatchOf(s)] == 0.0f && opts.LifeUnit == life_unit::kHours)
    opts.LifeUnit = life_unit::kBlocks;
  if (opts.AnalysisKind == analysis_kind::kDeterministic) ld.ScalingFactor = ld.ScalingFactorMin;
}
