#pragma once

#include <cstdint>

struct AnalysisOptions;
struct LoadingData;
struct MaterialData;

// Where the next press of a step button leads, and the texts that say so.
struct StepButtonTexts {
  const char* toolTip;
  const char* analysisCaption;  // Cmd_analysis_next
  const char* dataCaption;      // cmd_data_next
};

// The loading data do not fit: the loading input ("&Next" on the problem
// definition, "&Run" on the data services); they fit and the input view is
// up: the calculation; they fit and it is not up yet: the input view.
StepButtonTexts StepButtonTextsFor(bool loadingReady, bool inputViewUp);

inline constexpr const char* kTipInputLoading = "Input the loading data";
inline constexpr const char* kTipCheckInputs = "Check the input parameters";
inline constexpr const char* kTipCalculate = "Calculate fatigue life";

// What a step button's press does once the loading and the input view are in
// place. A master curve whose range has equal ends is not calculated: the
// press opens the input of that range instead. A history master curve over
// the load level opens its scaling-factor input at every press, and goes on
// to the calculation when the factors differ.
enum class RangeStep {
  Calculate,
  EnduranceLimitInput,              // SNSe_Click(0)
  ScalingFactorInput,               // SHSmax_Click
  ScalingFactorInputThenCalculate,  // SHSmax_Click, then Calculate
  DistributionStressInput,          // DTSmax_Click(0)
  SpectrumStressInput,              // SSmax_Click(0)
};
RangeStep RangeStepFor(const AnalysisOptions& options, const MaterialData& material,
                       const LoadingData& loading, bool spectrumFrameUp);
