// Life under a loading whose stress ranges follow a distribution (Beta,
// Weibull or log-normal): Miner's sum over the distribution in closed form
// through the Gamma function. Repeated over the points of a master curve.
//
// Intermediates that Single holds are rounded to Single; where a steep S-N
// curve would overflow Single they are carried in double, and a life beyond
// Single is stored as the infinite life.

#include <cmath>

#include "engine/calc_numbers.h"
#include "engine/damage.h"
#include "engine/master_curve.h"
#include "engine/mean_stress.h"
#include "loading/gamma.h"
#include "loading/selected_batch.h"
#include "platform/host.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

using calc::NarrowOrWide;

// The material part of a point: C and the Gamma factors.
struct MaterialPart {
  float fR = 1.0f;
  double c = 0.0;   // d x No x (Se_n x TF x fR)^m
  double b1 = 0.0, b2 = 0.0;  // Beta
  double g5 = 0.0;            // Weibull
};

double GammaSng(float x) { return NarrowOrWide(CalcGamma(x)); }

MaterialPart CalcMaterialPart(ProgramState& s) {
  const MaterialData& md = s.materialData;
  LoadingData& ld = s.loadingData;
  Results& res = s.results;
  MaterialPart mp;
  res.SNSlopeUsed = md.SNExponent;
  const float m = res.SNSlopeUsed;
  const float seN = res.NotchedEnduranceRange;
  const float r = md.SNStressRatio;
  const float smR = Sng(static_cast<double>(seN) * 0.5 * (1.0f + r) / (1.0f - r));
  const float denominator = md.SuUsed - smR;
  if (s.analysisOptions.MeanStressOption == mean_stress_option::kAccount && denominator != 0.0f)
    mp.fR = md.SuUsed / denominator;
  if (!(mp.fR > 0.0f)) mp.fR = 1.0f;
  if (s.loadingDbState.LoadingSource == 1) {
    const int batch = SelectedBatchOf(s);
    int32_t cycles = 0;
    if (TryCLng(s.loadingDatabase.BatchBlockCycles[batch], cycles)) ld.CyclesPerBlock = cycles;
  }
  const double power = std::pow(static_cast<double>(seN * md.ThicknessFactor * mp.fR), static_cast<double>(m));
  mp.c = NarrowOrWide(static_cast<double>(s.analysisOptions.DamageToFailure) * md.EnduranceCycles * power);
  const float q = ld.DistQ, rr = ld.DistR;
  if (ld.DistributionType == 1) {
    const double g1 = GammaSng(q + rr + m), g2 = GammaSng(q + m), g3 = GammaSng(q), g4 = GammaSng(rr + q);
    mp.b1 = NarrowOrWide(g1 / g4);
    mp.b2 = NarrowOrWide(g3 / g2);
  } else if (ld.DistributionType == 2) {
    mp.g5 = GammaSng(m / rr + 1.0f);
  }
  return mp;
}

// Closed-form life in cycles at the stress S; false when the type is unknown.
bool ClosedFormLife(const ProgramState& s, const MaterialPart& mp, float S, double& life) {
  const LoadingData& ld = s.loadingData;
  const double m = s.results.SNSlopeUsed;
  switch (ld.DistributionType) {
    case 1:
      life = NarrowOrWide(mp.b1 * mp.b2) * mp.c;
      life = NarrowOrWide(life) / std::pow(static_cast<double>(S), m);
      return true;
    case 2:
      life = NarrowOrWide(mp.c / mp.g5) / std::pow(static_cast<double>(ld.DistQ * S), m);
      return true;
    case 3: {
      life = NarrowOrWide(mp.c / std::pow(std::exp(static_cast<double>(ld.DistQ)) * S, m));
      const double z = std::exp(std::pow(static_cast<double>(ld.DistR), 2.0)) - 1.0;
      const float half = s.results.SNSlopeUsed * (s.results.SNSlopeUsed - 1.0f) / 2.0f;
      life = life / std::pow(1.0 + z, static_cast<double>(half));
      return true;
    }
    default:
      return false;
  }
}

// The loading part of a point: the life at the stress range in use.
void CalcLoadingPart(ProgramState& s, const MaterialPart& mp) {
  Results& res = s.results;
  const MaterialData& md = s.materialData;
  const float S = s.loadingUnits.LoadToStressFactor * s.loadingData.StressRange;
  const float limit = res.NotchedEnduranceRange * mp.fR * md.ThicknessFactor;
  const bool shortcut = s.mcsSettings.NeglectFatigueLimit == 0 && calc::BelowLimit(limit, S);
  if (shortcut || !(S > 0.0f)) {  // below the limit, or no stress at all: infinite
    res.LifeCycles = calc::kInfiniteLife;
  } else {
    double life = 0.0;
    bool beyondSingle = false;
    if (ClosedFormLife(s, mp, S, life)) {
      beyondSingle = !std::isfinite(static_cast<float>(life));
      res.DistributionLife = calc::StoreLife(life);
    }
    res.InfiniteLifeFlag = beyondSingle ? 1 : 0;
    res.LifeCycles = res.DistributionLife < 1.0f ? 1.0f : res.DistributionLife;
  }
  const int32_t perBlock = s.loadingData.CyclesPerBlock;
  if (res.LifeCycles < calc::kInfiniteLife && perBlock > 0) {
    res.LifeBlocks = Sng(static_cast<double>(res.LifeCycles) / perBlock);
  } else {
    res.LifeBlocks = res.LifeCycles;
  }
  res.TotalDamage = s.analysisOptions.DamageToFailure / res.LifeBlocks;
}

}  // namespace

void CalcDamageDistribution(ProgramState& s, Host& host) {
  const AnalysisOptions& ao = s.analysisOptions;
  Results& res = s.results;
  LoadingData& ld = s.loadingData;
  res.InfiniteLifeFlag = 1;
  const float step = SetUpMasterCurve(s, host, ld.StressRange, ld.StressRangeTo * ld.ScalingFactorApplied,
                                      ld.StressRangeFrom, ld.StressRangeTo, ld.StressRangeTo);
  const int points = MasterPointCount(ao);
  MaterialPart mp = CalcMaterialPart(s);
  for (int p = 1; p <= points; ++p) {
    if (p > 1) {
      if (ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit) {
        res.NotchedEnduranceRange += step;
        mp = CalcMaterialPart(s);
      } else if (ao.MasterCurveParameter == master_curve_parameter::kLoadLevel) {
        ld.StressRange += step;
      }
    }
    CalcLoadingPart(s, mp);
    StoreMasterPoint(s, p, ld.StressRange);
  }
  if (ao.AnalysisMode == analysis_mode::kMasterCurve) res.NotchedEnduranceRange = s.materialData.SeFrom / res.KfUsed;
  s.analysisOptions.LifeUnit = life_unit::kCycles;
}
