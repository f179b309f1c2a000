#include "shell/step_button_rules.h"

#include "engine/analysis_records.h"
#include "loading/loading_records.h"
#include "material/material_data.h"

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
