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
#include "platform/event_pump.h"
#include "engine/history_point.h"
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
  EventPump pump(host, 1);
  return CountRainflow(ld.HistoryPoints, HistoryPointsInUse(s), ld.RainflowWork, ld.RainflowRanges,
                       ld.RainflowMeans, pump);
}

void SetCountedExtremes(ProgramState& s, int32_t c) {
  CountedRangeExtremes(s.loadingData.RainflowRanges.data(), c, s.results.CountedRangeMax, s.results.CountedRangeMin);
}

// Whole-history factor from the last counted cycle; false on an overload.
bool WholeHistoryFactor(const ProgramState& s, const float* ranges, const float* means, int32_t c, HistoryPoint& hp) {
  hp.fM = 1.0f;
  if (c <= 0) return true;
  const float range = ranges[c], mean = means[c];
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
    const int summed = SumCycleBatch(batch, count, no, D, largest, damaged,
                                     [&](int k, uint8_t verdict, float dj) {
                                       // below the extension's cut-off
                                       if (verdict == kCycleCutOff && hp.lastPoint) ranges[first + k] = 0.0f;
                                       if (keepCycles) levelDamage[first + k] = dj;
                                     });
    overload = summed < count;
  }
  t.damage = D;
  t.largest = largest;
  t.damaged = damaged;
  return !overload;
}

// One point: the damage of a pass and the life. False when refused.
bool CalcHistoryPoint(ProgramState& s, Host& host, int32_t c, bool lastPoint) {
  Results& res = s.results;
  const LoadingData& ld = s.loadingData;
  HistoryPoint hp;
  if (!SetUpHistoryPoint(s, ld.RainflowRanges.data(), ld.RainflowMeans.data(), c, res.CountedRangeMax, lastPoint,
                         hp)) {
    RefuseOverload(s, host);
    return false;
  }
  res.SNSlopeUsed = s.materialData.SNExponent;
  LoopTotals t;
  if (hp.belowLimit) {
    t = BelowLimitTotals();
  } else if (!CycleLoop(s, host, c, hp, t)) {
    RefuseOverload(s, host);
    return false;
  }
  StoreHistoryLife(s, c, t);
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

int32_t HistoryPointsInUse(const ProgramState& s) {
  const LoadingData& ld = s.loadingData;
  const int32_t available = ld.HistoryPoints.empty() ? 0 : static_cast<int32_t>(ld.HistoryPoints.size()) - 1;
  return std::clamp<int32_t>(s.loadingDatabase.BatchPointCount[SelectedBatchOf(s)], 0, available);
}

float SingleCaseHistoryScale(const LoadingData& ld) { return ld.ScalingFactorMax * ld.ScalingFactorApplied; }

void CountedRangeExtremes(const float* ranges, int32_t c, float& largest, float& smallest) {
  float mx = 0.0f, mn = 10000.0f;
  for (int32_t j = 1; j <= c; ++j) {
    if (ranges[j] > mx) mx = ranges[j];
    if (ranges[j] < mn) mn = ranges[j];
  }
  largest = mx;
  smallest = mn;
}

bool SetUpHistoryPoint(const ProgramState& s, const float* ranges, const float* means, int32_t c, float rangeMax,
                       bool lastPoint, HistoryPoint& hp) {
  const MaterialData& md = s.materialData;
  const float L = s.loadingUnits.LoadToStressFactor, tf = md.ThicknessFactor;
  CycleRule& rule = hp.rule;
  rule.h = s.loadingData.HistoryScaleUsed;
  rule.absH = std::fabs(rule.h);
  rule.L = L;
  rule.kf = s.componentData.Kf;
  rule.su = md.SuUsed;
  rule.sy = md.SyUsed;
  hp.seN = s.results.NotchedEnduranceRange;
  hp.lastPoint = lastPoint;
  rule.m = md.SNExponent;
  rule.mExt = md.SNExtensionExponent;
  const float smR = DataMeanStress(md, hp.seN);
  const float extension = hp.seN * md.SNExtensionRatio;
  rule.accountMean = s.analysisOptions.MeanStressOption == mean_stress_option::kAccount;
  hp.fR = 1.0f;
  hp.fM = 1.0f;
  if (rule.accountMean) {
    if (!WholeHistoryFactor(s, ranges, means, c, hp)) return false;
    hp.fR = DataMeanStressFactor(md.SuUsed, smR);
  }
  rule.extensionLimit = extension * hp.fR * tf;
  rule.enduranceLimit = hp.seN * hp.fR * tf;
  rule.numerator = tf * hp.fR * hp.seN;
  hp.belowLimit = s.mcsSettings.NeglectFatigueLimit == 0 &&
                  BelowLimit(rule.enduranceLimit, L * hp.fM * rule.absH * rangeMax);
  return true;
}

LoopTotals BelowLimitTotals() {
  LoopTotals t;
  t.damage = calc::kBelowLimitDamage;
  return t;
}

void StoreHistoryLife(ProgramState& s, int32_t c, const LoopTotals& t) {
  Results& res = s.results;
  if (t.damaged) res.InfiniteLifeFlag = 0;
  if (t.damage > 0.0f) {
    // d / D as Single; a quotient beyond Single (cycles whose damage is
    // barely above 0) is the infinite life, and so shown. Where no cycle did
    // damage, D is the 1E-30 of a history below the limit: the life is the
    // infinite life whatever d (d / D would fall below the bounds at which a
    // life counts as infinite).
    const double quotient = static_cast<double>(s.analysisOptions.DamageToFailure) / t.damage;
    res.LifeBlocks = t.damaged ? calc::StoreLife(quotient) : calc::kInfiniteLife;
    if (!std::isfinite(static_cast<float>(quotient))) res.InfiniteLifeFlag = 1;
    // With no cycle counted there is nothing to fail: the life in cycles is infinite.
    res.LifeCycles = c > 0 ? calc::StoreLife(static_cast<double>(res.LifeBlocks) * c) : calc::kInfiniteLife;
  } else {  // no cycle does damage: the life is infinite
    res.LifeBlocks = calc::kInfiniteLife;
    res.LifeCycles = calc::kInfiniteLife;
    res.InfiniteLifeFlag = 1;
  }
}

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
  const float step = SetUpMasterCurve(s, host, ld.HistoryScaleUsed, SingleCaseHistoryScale(ld),
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
