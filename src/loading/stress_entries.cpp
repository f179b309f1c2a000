#include "loading/stress_entries.h"

#include <cmath>

#include "loading/stress_pair.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"

namespace {

bool MeanNeglected(const ProgramState& s) {
  return s.analysisOptions.MeanStressOption == mean_stress_option::kNeglect;
}

// A master curve over the load level: a lower and an upper end are typed.
bool EndsTyped(const AnalysisOptions& a) {
  return a.AnalysisMode != analysis_mode::kSingleCase &&
         a.MasterCurveParameter != master_curve_parameter::kEnduranceLimit;
}

float Sign(float v) { return v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f); }

}  // namespace

float TypedStressRange(const ProgramState& s, const std::string& text) {
  return BoxSingle(text) / s.loadingUnits.LoadUnitFactor * s.loadingData.StressInputMode;
}

float ShownStressRange(const ProgramState& s, float range) {
  return range * s.loadingUnits.LoadUnitFactor / s.loadingData.StressInputMode;
}

float TypedStress(const ProgramState& s, const std::string& text) {
  return BoxSingle(text) / s.loadingUnits.LoadUnitFactor;
}

bool SwitchRangeAndAmplitude(ProgramState& s) {
  if (MeanNeglected(s)) return false;
  int16_t& mode = s.loadingData.StressInputMode;
  mode = mode == 1 ? 2 : 1;
  return true;
}

void SwitchMeanAndMinimum(ProgramState& s) {
  LoadingData& l = s.loadingData;
  if (l.StressInputMode == 2) {
    l.StressMinOrMean = l.LoadSmin;
    l.StressInputMode = 1;
  } else {
    l.StressMinOrMean = (l.LoadSmax + l.LoadSmin) / 2;
    l.StressInputMode = 2;
  }
  l.StressMinOrMeanInput = l.StressMinOrMean;
  if (MeanNeglected(s)) {
    l.StressMinOrMean = 0;
    l.StressMinOrMeanInput = 0;
  }
}

void StoreStressMinOrMean(ProgramState& s, float v) {
  LoadingData& l = s.loadingData;
  l.StressMinOrMean = v;
  l.StressMinOrMeanInput = v;
  DeriveStressPair(l);
}

std::string SpectrumRangeTitle(const ProgramState& s) {
  return s.loadingUnits.LoadQuantity + (MeanNeglected(s) ? "Range (SS)" : "Amplitude (SS)");
}

std::optional<std::string> SpectrumRangeRefusal(const ProgramState& s, int box, float v) {
  const LoadingData& l = s.loadingData;
  std::string reason;
  // Written so that a number that does not fit (NaN) fails the first check.
  const bool negative = l.StressInputMode == 1 ? !(v / 2 + l.StressMinOrMean >= 0) : !(v >= 0);
  if (negative) {
    reason = !(v > 0) ? "(SS < 0)" : "(Sm < 0)";
  } else if (!std::isfinite(v)) {
    reason = "(SS too big)";
  } else if (EndsTyped(s.analysisOptions)) {
    const float sign = Sign(v), magnitude = std::fabs(v);
    const bool outOfOrder = box == 1 ? l.StressRangeTo * sign < magnitude : l.StressRangeFrom * sign > magnitude;
    if (!outOfOrder) return std::nullopt;
    reason = "(SSmax < SSmin)";
  } else {
    return std::nullopt;
  }
  return MeanNeglected(s) ? std::string() : reason;
}

std::string StoreSpectrumRange(ProgramState& s, int box, float v) {
  const AnalysisOptions& a = s.analysisOptions;
  LoadingData& l = s.loadingData;
  l.MaxStressInput = v;
  l.StressRange = v;
  std::string tag;
  if (box == 1) {
    tag = "(Min)";
    l.StressRangeFrom = v;
  } else {
    const bool single = a.AnalysisMode == analysis_mode::kSingleCase;
    if (MeanNeglected(s) || l.StressInputMode == 1)
      tag = single || a.MasterCurveParameter == master_curve_parameter::kEnduranceLimit ? "(range)" : "(Max)";
    else
      tag = single ? "(amplit.)" : "(Max)";
    l.StressRangeTo = v;
  }
  DeriveStressPair(l);
  return tag;
}

std::optional<InputRefusal> MeanStressRefusal(bool negativeMean, float v) {
  if (std::isinf(v) && v > 0) return InputRefusal{DataIncorrectText("(Sm too big)"), MsgIcon::Critical, kMeanStressTitle};
  if (negativeMean || std::isnan(v)) return InputRefusal{kNoMeanStressEffect, MsgIcon::Information, kMeanStressTitle};
  return std::nullopt;
}

std::optional<InputRefusal> SpectrumMeanRefusal(const ProgramState& s, float v) {
  const LoadingData& l = s.loadingData;
  // The implied mean of a minimum may fall below 0 by at most 0.0015 MPa.
  const bool negative = v < 0 && (l.StressInputMode == 2 || Sng(-l.StressRange / 2.0) > Sng(v + 0.0015));
  return MeanStressRefusal(negative, v);
}
