// The one entry into the damage calculation: settles the notch factor in use,
// checks the loading's extremes against the ultimate strength, runs the
// routine of the loading type and, in a fast simulation, replaces the later
// runs by a scaled constant-amplitude equivalent.

#include <cmath>

#include "component/notch_sensitivity.h"
#include "engine/calc_numbers.h"
#include "engine/damage.h"
#include "loading/selected_batch.h"
#include "platform/host.h"
#include "program_state.h"

namespace {

void PrepareDisplay(ProgramState& s, Host& host, CalcProgress& progress) {
  const AnalysisOptions& ao = s.analysisOptions;
  const bool batchWithData = s.loadingDatabase.BatchPointCount[SelectedBatchOf(s)] > 0;
  s.results.MasterMseLabel =
      batchWithData && (ao.LoadingType == loading_type::kSpectrum || ao.LoadingType == loading_type::kDistribution)
          ? s.loadingData.BatchMseText2
          : "1";
  progress.ReadyProgressDisplay(9.0f * s.layoutScales.FontScale);
  host.DoEvents();
}

}  // namespace

float SettleNotchFactor(ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  ComponentData& cd = s.componentData;
  Results& res = s.results;
  const float kt = cd.SpecimenNotchFactor;
  if (ao.NotchSensitivityMode == 1) {
    if (ao.StressApproach == 1) {
      res.KfUsed = kt;
    } else {
      res.KfUsed = 1.0f;
      cd.Kf = 1.0f;
    }
    return 1.0f;
  }
  const float kfNotch = NotchFactorFromKt(kt, NotchSensitivity(s.materialData.SuUsed, cd.NotchRadius));
  if (ao.StressApproach == 2) {
    cd.Kf = kfNotch;
    res.KfUsed = kfNotch / kt;
    return res.KfUsed;
  }
  if (ao.SNDataSpecimen == sn_data_specimen::kFeature) {
    res.KfUsed = 1.0f;
    cd.Kf = kt;
  } else {
    res.KfUsed = kfNotch;
    cd.Kf = kfNotch;
  }
  return 1.0f;
}

namespace {

void StoreImmediateCrack(Results& res) {
  res.LifeBlocks = 0.0f;
  res.MaxLevelDamage = 1.0f;
  res.TotalDamage = 1.0f;
  if (res.LevelDamage.size() < 2) res.LevelDamage.resize(2, 0.0f);
  res.LevelDamage[1] = 1.0f;
  res.InfiniteLifeFlag = 0;  // a crack is a finite (zero) life
  res.ImmediateCrackFlag = 1;
}

void ShowCrackMessage(ProgramState& s, Host& host) {
  Results& res = s.results;
  if (s.analysisOptions.AnalysisKind == analysis_kind::kDeterministic || res.CrackMessageShown == 0) {
    host.MsgBox("Immidiate crack! (Nominal stress, Smax > Su)", MsgButtons::OKOnly, MsgIcon::Information, 1,
                "Loading Data");
    res.CrackMessageShown = 1;
  }
}

// Asks whether a local overload is to be neglected; true for No (crack).
bool LocalOverloadCracks(ProgramState& s, Host& host) {
  Results& res = s.results;
  if (s.analysisOptions.AnalysisKind == analysis_kind::kDeterministic || res.CrackMessageShown == 0) {
    res.LocalOverloadAnswer = static_cast<int16_t>(host.MsgBox(
        "Attention! Local stress, Smax > Su. - Neglect?", MsgButtons::YesNo, MsgIcon::Question, 2, "Loading Data"));
    res.CrackMessageShown = 1;
  }
  return res.LocalOverloadAnswer == kAnswerNo;
}

// The overload check; true when the immediate-crack result was stored.
bool ImmediateCrack(ProgramState& s, Host& host, float c) {
  const AnalysisOptions& ao = s.analysisOptions;
  if (ao.MeanStressOption == mean_stress_option::kNeglect) return false;
  const LoadingData& ld = s.loadingData;
  const float L = s.loadingUnits.LoadToStressFactor, su = s.materialData.SuUsed;
  const float mode = ld.StressInputMode == 1 ? 1.0f : 2.0f;
  const float scale = c * ld.ScalingFactorApplied;
  const float smax = scale * (ld.StressRangeTo / mode + ld.StressMinOrMean);
  const float smin = scale * (ld.StressRangeTo / mode * (1.0f - mode) + ld.StressMinOrMean);
  bool crack = false;
  if (ao.LoadingType > loading_type::kHistory && (std::fabs(smax * L) > su || std::fabs(smin * L) > su)) {
    if (ao.StressApproach == 1) {
      ShowCrackMessage(s, host);
      crack = true;
    } else {
      crack = LocalOverloadCracks(s, host);
    }
  } else if (ao.LoadingType == loading_type::kHistory && ao.StressApproach == 1 && ld.LoadSmax * L > su) {
    ShowCrackMessage(s, host);
    crack = true;
  }
  if (crack) StoreImmediateCrack(s.results);
  return crack;
}

void Dispatch(ProgramState& s, Host& host, CalcProgress& progress) {
  switch (s.analysisOptions.LoadingType) {
    case loading_type::kDistribution:
      CalcDamageDistribution(s, host);
      break;
    case loading_type::kHistory:
      CalcDamageHistory(s, host, progress);
      break;
    default:
      CalcDamageSpectrum(s, host);
      break;
  }
}

// What the constant-amplitude equivalent of a fast simulation changes beside
// the life it is run for: the job's stress inputs (a history's give way to
// its range and mean), the damage of the job's own calculation and the life
// unit. Kept before it and put back after it, so that the screens, a saved
// job, a later Calculate and the report see the job's inputs and its own
// result; on the first run, the job's own calculation, its life stands too.
class BesideTheEquivalent {
 public:
  explicit BesideTheEquivalent(const ProgramState& s)
      : rangeTo_(s.loadingData.StressRangeTo),
        minOrMeanInput_(s.loadingData.StressMinOrMeanInput),
        minOrMean_(s.loadingData.StressMinOrMean),
        range_(s.loadingData.StressRange),
        totalDamage_(s.results.TotalDamage),
        maxLevelDamage_(s.results.MaxLevelDamage),
        lifeBlocks_(s.results.LifeBlocks),
        lifeCycles_(s.results.LifeCycles),
        inputMode_(s.loadingData.StressInputMode),
        levelCount_(s.loadingData.LevelCount),
        infinite_(s.results.InfiniteLifeFlag),
        loadingType_(s.analysisOptions.LoadingType),
        lifeUnit_(s.analysisOptions.LifeUnit) {}

  // Puts back all but the life, which the later runs take from the equivalent.
  void PutBack(ProgramState& s) const {
    LoadingData& ld = s.loadingData;
    ld.StressRangeTo = rangeTo_;
    ld.StressMinOrMeanInput = minOrMeanInput_;
    ld.StressMinOrMean = minOrMean_;
    ld.StressRange = range_;
    ld.StressInputMode = inputMode_;
    ld.LevelCount = levelCount_;
    s.results.TotalDamage = totalDamage_;
    s.results.MaxLevelDamage = maxLevelDamage_;
    s.analysisOptions.LoadingType = loadingType_;
    s.analysisOptions.LifeUnit = lifeUnit_;
  }
  void PutBackLife(Results& res) const {
    res.LifeBlocks = lifeBlocks_;
    res.LifeCycles = lifeCycles_;
    res.InfiniteLifeFlag = infinite_;
  }

 private:
  float rangeTo_, minOrMeanInput_, minOrMean_, range_, totalDamage_, maxLevelDamage_, lifeBlocks_, lifeCycles_;
  int16_t inputMode_, levelCount_, infinite_, loadingType_, lifeUnit_;
};

// One constant-amplitude calculation standing for the loading; the later runs
// of a fast simulation scale its life by the first run's.
void FastSimulationEquivalent(ProgramState& s, Host& host) {
  LoadingData& ld = s.loadingData;
  Results& res = s.results;
  McsResults& mr = s.mcsResults;
  const BesideTheEquivalent kept(s);
  if (s.analysisOptions.LoadingType == loading_type::kHistory) {
    ld.StressRangeTo = ld.LoadSmax - ld.LoadSmin;
    ld.StressMinOrMeanInput = (ld.LoadSmax + ld.LoadSmin) / 2.0f;
    ld.StressInputMode = 2;
    ld.StressMinOrMean = ld.StressMinOrMeanInput;
  }
  s.analysisOptions.LoadingType = loading_type::kConstantAmplitude;
  CalcDamageSpectrum(s, host);
  kept.PutBack(s);
  if (s.mcsSettings.SimulationsDone == 0) {
    res.FastSimReferenceLife = res.LifeBlocks;
    mr.ReferenceLife = mr.DeterministicLife;
    kept.PutBackLife(res);
  } else if (res.LifeBlocks < calc::kInfiniteLife && res.FastSimReferenceLife > 0.0f) {
    // Single products and quotients; one beyond Single is the infinite life.
    const double product = calc::NarrowOrWide(static_cast<double>(res.LifeBlocks) * mr.DeterministicLife);
    res.LifeBlocks = calc::StoreLife(product / res.FastSimReferenceLife);
  }
  mr.FastReferenceLife = res.FastSimReferenceLife;
}

}  // namespace

void CalcDamage(ProgramState& s, Host& host) {
  CalcProgress none;
  CalcDamage(s, host, none);
}

void CalcDamage(ProgramState& s, Host& host, CalcProgress& progress) {
  Results& res = s.results;
  LoadingData& ld = s.loadingData;
  const McsSettings& mcs = s.mcsSettings;
  host.SetMousePointer(kPointerHourglass);
  res.SavedLevelCycles1 = ld.LevelCycles[1];
  res.SavedLevelStress1 = ld.LevelStress[1];
  if (mcs.SimulationsDone == 0) PrepareDisplay(s, host, progress);
  res.LifeCycles = 0.0f;
  res.ImmediateCrackFlag = 0;
  const float c = SettleNotchFactor(s);
  const bool fast = s.analysisOptions.AnalysisKind == analysis_kind::kProbabilistic && mcs.FastSimulation == 1;
  if (!ImmediateCrack(s, host, c) && !(fast && mcs.SimulationsDone > 0)) Dispatch(s, host, progress);
  if (mcs.SimulationsDone == 0) s.mcsResults.DeterministicLife = res.LifeBlocks;
  if (fast) FastSimulationEquivalent(s, host);
  if (s.analysisOptions.LoadingType == loading_type::kConstantAmplitude) {
    if (res.LevelDamage.size() < 2) res.LevelDamage.resize(2, 0.0f);
    res.LevelDamage[1] = res.MaxLevelDamage;
  }
  ld.LevelCycles[1] = res.SavedLevelCycles1;
  ld.LevelStress[1] = res.SavedLevelStress1;
}
