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
  if (a.AnalysisMode != analysis_mode::kMasterCurve) return RangeStep::Calculate;
  if (a.MasterCurveParameter == master_curve_parameter::kEnduranceLimit)
    return m.SeFrom == m.SeTo ? RangeStep::EnduranceLimitInput : RangeStep::Calculate;
  if (a.MasterCurveParameter != master_curve_parameter::kLoadLevel) return RangeStep::Calculate;
  const bool emptyRange = l.StressRangeTo == l.StressRangeFrom;
  switch (a.LoadingType) {
    case loading_type::kHistory:
      return l.ScalingFactorMax == l.ScalingFactorMin ? RangeStep::ScalingFactorInput
                                                      : RangeStep::ScalingFactorInputThenCalculate;
    case loading_type::kDistribution:
      return emptyRange ? RangeStep::DistributionStressInput : RangeStep::Calculate;
    case loading_type::kSpectrum:
    case loading_type::kConstantAmplitude:
      if (!emptyRange) return RangeStep::Calculate;
      return spectrumFrameUp ? RangeStep::SpectrumStressInput : RangeStep::DistributionStressInput;
    default:
      return RangeStep::Calculate;
  }
}
