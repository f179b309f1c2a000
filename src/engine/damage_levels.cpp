// Damage and life of a constant-amplitude loading or a block spectrum, by the
// S-N curve with its extension, thickness and mean-stress corrections, summed
// by Miner's rule; repeated over the points of a master curve.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/calc_numbers.h"
#include "engine/damage.h"
#include "engine/master_curve.h"
#include "engine/mean_stress.h"
#include "engine/overload_message.h"
#include "loading/selected_batch.h"
#include "platform/host.h"
#include "program_state.h"

namespace {

using calc::BelowLimit;

struct SpectrumPoint {
  float fR = 1.0f;
  float fM = 1.0f;
  float extensionLimit = 0.0f;  // Se'
  float damage = 0.0f;          // D
  float largest = 0.0f;
  bool damaged = false;         // a level did damage by the S-N curve (not only the 1E-30 below the limits)
};

bool IsRangeMode(const LoadingData& ld) { return ld.StressInputMode == 1; }

// Whether the damages of the levels and of the block are kept for display:
// outside the later runs of a simulation, and for a constant amplitude only
// when the simulation is not a fast one.
bool KeepsLevelDamages(const ProgramState& s) {
  return s.mcsSettings.SimulationsDone == 0 &&
         (s.analysisOptions.LoadingType == loading_type::kSpectrum || s.mcsSettings.FastSimulation == 0);
}

// Whole-loading factor from the top level. Returns false on a factor that is
// not positive.
bool WholeLoadingFactor(const ProgramState& s, float& fM) {
  const LoadingData& ld = s.loadingData;
  const float sr = ld.StressRange, smm = ld.StressMinOrMean;
  const float kf = s.componentData.Kf, L = s.loadingUnits.LoadToStressFactor;
  const float sy = s.materialData.SyUsed, su = s.materialData.SuUsed;
  float smax, sm;
  if (IsRangeMode(ld)) {
    smax = sr > 0.0f ? smm + sr : smm;
    sm = sr / 2.0f + smm;
  } else {
    smax = sr / 2.0f + smm;
    sm = smm;
  }
  fM = 1.0f;
  if (sm > 0.0f && kf * L * sm < sy && !(2.0f * sy < kf * L * sr)) {
    const float k = (kf * L * smax <= sy) ? kf : (sy - kf * L * sr / 2.0f) / std::fabs(sm);
    fM = MeanStressFactor(su, k * L * sm);
    return fM > 0.0f;
  }
  return true;
}

// Mean-stress factor of one level. Returns false on a factor that is not positive.
bool LevelFactor(const ProgramState& s, float smaxI, float smI, float rel, float& fMi) {
  const float kf = s.componentData.Kf, L = s.loadingUnits.LoadToStressFactor;
  const float sy = s.materialData.SyUsed, su = s.materialData.SuUsed;
  const float absRange = std::fabs(s.loadingData.StressRange);
  fMi = 1.0f;
  if (smI == 0.0f) return true;  // no mean stress, nothing to correct
  float k;
  if (kf * L * smaxI <= sy) {
    k = kf;
  } else if (2.0f * sy < kf * L * absRange * rel) {
    k = 0.0f;
  } else {
    k = (sy - kf * L * absRange * rel / 2.0f) / std::fabs(smI);
  }
  fMi = MeanStressFactor(su, k * L * smI);
  return fMi > 0.0f;
}

// Damage of level i; false when the routine must stop (overload refused).
bool LevelDamage(ProgramState& s, Host& host, int i, SpectrumPoint& pt) {
  LoadingData& ld = s.loadingData;
  const MaterialData& md = s.materialData;
  const float L = s.loadingUnits.LoadToStressFactor;
  const float sr = ld.StressRange, smm = ld.StressMinOrMean;
  const float ref = ld.LevelStress[1];
  const float rel = ref != 0.0f ? ld.LevelStress[i] / ref : 0.0f;
  float smaxI, smI;
  if (IsRangeMode(ld)) {
    smaxI = sr > 0.0f ? sr * rel + smm : smm;
    smI = sr / 2.0f + smm;  // the reference level's mean for every level
  } else {
    smaxI = sr * rel / 2.0f + smm;
    smI = smm;
  }
  if (L * smaxI > md.SuUsed && s.analysisOptions.StressApproach == 1) {
    RefuseOverload(s, host);
    return false;
  }
  float fMi = 1.0f;
  if (s.analysisOptions.MeanStressOption == mean_stress_option::kAccount && !LevelFactor(s, smaxI, smI, rel, fMi)) {
    RefuseOverload(s, host);
    return false;
  }
  const float seN = s.results.NotchedEnduranceRange, tf = md.ThicknessFactor;
  const float sI = fMi * L * std::fabs(sr) * rel;
  float dI = 0.0f;
  if (i > 1 && BelowLimit(pt.extensionLimit * pt.fR * tf, sI)) {
    dI = calc::kBelowLimitDamage;
  } else if (sI > 0.0f) {
    const double e = BelowLimit(seN * pt.fR * tf, sI) ? md.SNExtensionExponent : s.results.SNSlopeUsed;
    const float nI = Sng(md.EnduranceCycles * std::pow(static_cast<double>(tf * pt.fR * seN / sI), e));
    if (nI > 0.0f) dI = ld.LevelCycles[i] / nI;
    if (dI > 0.0f) pt.damaged = true;
  }
  pt.damage += dI;
  if (dI > pt.largest) pt.largest = dI;
  if (KeepsLevelDamages(s)) s.results.LevelDamage[i] = dI;
  return true;
}

// One point: damage of a block and the life. False when refused.
bool CalcSpectrumPoint(ProgramState& s, Host& host, float& largest) {
  Results& res = s.results;
  LoadingData& ld = s.loadingData;
  const MaterialData& md = s.materialData;
  const float L = s.loadingUnits.LoadToStressFactor;
  res.SNSlopeUsed = md.SNExponent;
  const float seN = res.NotchedEnduranceRange;
  SpectrumPoint pt;
  const float smR = DataMeanStress(md, seN);
  pt.extensionLimit = seN * md.SNExtensionRatio;
  if (s.analysisOptions.MeanStressOption == mean_stress_option::kAccount) {
    if (!WholeLoadingFactor(s, pt.fM)) {
      RefuseOverload(s, host);
      return false;
    }
    pt.fR = DataMeanStressFactor(md.SuUsed, smR);
  }
  if (s.analysisOptions.LoadingType == loading_type::kConstantAmplitude) {
    ld.LevelCount = 1;
    ld.LevelStress[1] = std::fabs(ld.StressRange);
    ld.LevelCycles[1] = 1.0f;
    pt.extensionLimit = seN;
  } else {
    ld.LevelCount = std::clamp<int16_t>(ld.SpectrumLevelCount, 0, kLevelMax);
  }
  if (res.LevelDamage.size() < static_cast<size_t>(ld.LevelCount) + 1) res.LevelDamage.resize(ld.LevelCount + 1, 0.0f);
  const bool shortcut = s.mcsSettings.NeglectFatigueLimit == 0 &&
                        BelowLimit(seN * pt.fR * md.ThicknessFactor, pt.fM * L * std::fabs(ld.StressRange));
  if (shortcut) {
    pt.damage = calc::kBelowLimitDamage;
  } else {
    for (int i = 1; i <= ld.LevelCount; ++i) {
      if (!LevelDamage(s, host, i, pt)) return false;
    }
  }
  if (pt.damage > 0.0f) {
    // d / D as Single; a quotient beyond Single (tiny damages) is the infinite
    // life. Where no level did damage, D holds only the 1E-30 that stands for
    // the loading, or each level, below the limits: the life is the infinite
    // life whatever d and however many such levels (d / D would fall below
    // the bounds at which a life counts as infinite).
    res.LifeBlocks = pt.damaged ? calc::StoreLife(static_cast<double>(s.analysisOptions.DamageToFailure) / pt.damage)
                                : calc::kInfiniteLife;
    res.LifeCycles = calc::StoreLife(static_cast<double>(res.LifeBlocks) * ld.CyclesPerBlock);
    if (pt.damaged && res.LifeCycles < calc::kInfiniteFrom) res.InfiniteLifeFlag = 0;
  } else {  // no level does damage: the life is infinite
    res.LifeBlocks = calc::kInfiniteLife;
    res.LifeCycles = calc::kInfiniteLife;
    res.InfiniteLifeFlag = 1;
  }
  if (KeepsLevelDamages(s)) {
    res.MaxLevelDamage = pt.largest;
    res.TotalDamage = pt.damage;
  }
  largest = pt.largest;
  return true;
}

}  // namespace

void CalcDamageSpectrum(ProgramState& s, Host& host) {
  const AnalysisOptions& ao = s.analysisOptions;
  Results& res = s.results;
  LoadingData& ld = s.loadingData;
  res.InfiniteLifeFlag = 1;
  const float step = SetUpMasterCurve(s, host, ld.StressRange, ld.StressRangeTo * ld.ScalingFactorApplied,
                                      ld.StressRangeFrom, ld.StressRangeTo, ld.StressRangeTo);
  if (ao.AnalysisMode != analysis_mode::kMasterCurve)
    ld.StressMinOrMean = ld.StressMinOrMeanInput * ld.ScalingFactorApplied;
  const int points = MasterPointCount(ao);
  float largest = 0.0f;
  for (int p = 1; p <= points; ++p) {
    if (p > 1) {
      if (ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit) res.NotchedEnduranceRange += step;
      if (ao.MasterCurveParameter == master_curve_parameter::kLoadLevel) ld.StressRange += step;
    }
    if (!CalcSpectrumPoint(s, host, largest)) return;
    StoreMasterPoint(s, p, ld.StressRange);
  }
  const int batch = SelectedBatchOf(s);
  AnalysisOptions& opts = s.analysisOptions;
  if (s.loadingDatabase.BatchBlockTime[batch] == 0.0f && opts.LoadingType == loading_type::kSpectrum &&
      opts.LifeUnit == life_unit::kHours) {
    opts.LifeUnit = life_unit::kBlocks;
  } else if (opts.LoadingType == loading_type::kConstantAmplitude) {
    res.MaxLevelDamage = largest;
    res.TotalDamage = largest;
    opts.LifeUnit = life_unit::kCycles;
  }
}
