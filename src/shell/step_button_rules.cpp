#include "shell/step_button_rules.h"

#include "engine/analysis_records.h"
#include "loading/loading_records.h"
#include "material/material_data.h"

bool LoadingFitsType(int type, const LoadingDbState& state, const LoadingDatabase& db) {
  if (type == 3) return true;
  const int b = state.SelectedLoadingBatch;
  if (b < 0 || b > kLoadingBatchMax) return false;
  switch (type) {
    case 1: return db.BatchPointCount[b] >= 1;
    case 2: return db.BatchLevelCount[b] > 0;
    case 4: return state.LoadingSource == 2 || (state.LoadingSource == 1 && db.BatchR[b] > 0);
    default: return false;
  }
}

StepButtonTexts StepButtonTextsFor(bool loadingReady, bool inputViewUp) {
  if (!loadingReady) return {kTipInputLoading, "&Next", "&Run"};
  if (inputViewUp) return {kTipCalculate, "&Run", "&Run"};
  return {kTipCheckInputs, "&Next", "&Next"};
}

RangeStep RangeStepFor(const AnalysisOptions& a, const MaterialData& m, const LoadingData& l,
                       bool spectrumFrameUp) {
  if (a.AnalysisMode != 2) return RangeStep::Calculate;
  if (a.MasterCurveParameter == 2)
    return m.SeFrom == m.SeTo ? RangeStep::EnduranceLimitInput : RangeStep::Calculate;
  if (a.MasterCurveParameter != 1) return RangeStep::Calculate;
  const bool emptyRange = l.StressRangeTo == l.StressRangeFrom;
  switch (a.LoadingType) {
    case 1:
      return l.ScalingFactorMax == l.ScalingFactorMin ? RangeStep::ScalingFactorInput
                                                      : RangeStep::ScalingFactorInputThenCalculate;
    case 4:
      return emptyRange ? RangeStep::DistributionStressInput : RangeStep::Calculate;
    case 2:
    case 3:
      if (!emptyRange) return RangeStep::Calculate;
      return spectrumFrameUp ? RangeStep::SpectrumStressInput : RangeStep::DistributionStressInput;
    default:
      return RangeStep::Calculate;
  }
}
