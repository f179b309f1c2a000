#include "loading/distribution_entries.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "loading/distribution_shape.h"
#include "loading/stress_entries.h"
#include "loading/stress_pair.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr int kBeta = 1;
constexpr int kWeibull = 2;

const char* NameOf(int index) { return index == 0 ? "Q" : "R"; }

// Q typed in display units, in MPa (a Beta's Q has no unit).
float QInStress(const ProgramState& s, float v) {
  const float unit = s.loadingUnits.LoadUnitFactor;
  switch (s.loadingData.DistributionType) {
    case kBeta: return v;
    case kWeibull: return v / unit;
    default: return Sng(v - std::log(unit));
  }
}

}  // namespace

std::string DistributionParameterRefusal(const ProgramState& s, int index, float v) {
  const LoadingData& l = s.loadingData;
  const std::string name = NameOf(index);
  if (!(v > 0)) return "(" + name + "< 0)";
  const std::string tooBig = "(" + name + "> 100)";
  const bool qBounded = l.DistributionType == kBeta || l.DistributionType == kWeibull;
  if (index == 0 ? (qBounded && v >= 1000) : v >= 100) return tooBig;
  if (!std::isfinite(v)) return tooBig;
  // A typed Weibull or log-normal must have a largest stress range to draw on.
  const float q = index == 0 ? QInStress(s, v) : l.DistQInput;
  const float r = index == 1 ? v : l.DistRInput;
  if (!std::isfinite(q) || !TypedDistributionPlaceable(l.DistributionType, q, r)) return tooBig;
  return "";
}

void StoreDistributionParameter(ProgramState& s, int index, float v) {
  LoadingData& l = s.loadingData;
  if (index == 0) {
    l.DistQ = QInStress(s, v);
    l.DistQInput = l.DistQ;
  } else {
    l.DistR = v;
    l.DistRInput = v;
  }
}

float DistributionParameterInBox(const ProgramState& s, int index) {
  const LoadingData& l = s.loadingData;
  if (index == 1) return l.DistRInput;
  const float unit = s.loadingUnits.LoadUnitFactor;
  switch (l.DistributionType) {
    case kBeta: return l.DistQInput;
    case kWeibull: return l.DistQInput * unit;
    default: return Sng(l.DistQInput + std::log(unit));
  }
}

std::string ShownDistributionParameter(const ProgramState& s, int index) {
  return Format(DistributionParameterInBox(s, index), index == 1 ? "##0.0#" : "##0.0##");
}

std::string DistributionParameterTitle(int index) {
  return std::string(" Distribution Parameter (") + NameOf(index) + ")";
}

std::string DistributionRangeTitle(const ProgramState& s) {
  const bool neglected = s.analysisOptions.MeanStressOption == mean_stress_option::kNeglect;
  return s.loadingUnits.LoadQuantity + (neglected ? "Range" : "Amplitude");
}

std::optional<std::string> DistributionRangeRefusal(const ProgramState& s, int box, float v) {
  if (!(v >= 0)) return std::string();
  if (std::isinf(v)) return std::string(" (SS too big)");
  const AnalysisOptions& a = s.analysisOptions;
  const LoadingData& l = s.loadingData;
  if (a.AnalysisMode != analysis_mode::kSingleCase &&
      a.MasterCurveParameter != master_curve_parameter::kEnduranceLimit) {
    const bool outOfOrder = box == 0 ? v > l.StressRangeTo : v < l.StressRangeFrom;
    if (outOfOrder) return std::string(" (SSmax < SSmin)");
  }
  return std::nullopt;
}

void StoreDistributionRange(ProgramState& s, int box, float v) {
  LoadingData& l = s.loadingData;
  l.MaxStressInput = v;
  if (box == 0) {
    l.StressRangeFrom = v;
  } else {
    if (s.analysisOptions.AnalysisMode == analysis_mode::kSingleCase) l.StressRange = v;
    l.StressRangeTo = v;
  }
  DeriveStressPair(l);
}

void BeginDistributionMean(ProgramState& s) {
  LoadingData& l = s.loadingData;
  l.StressRange = l.StressRangeTo;
  l.StressMinOrMean = l.StressMinOrMeanInput;
}

std::optional<InputRefusal> DistributionMeanRefusal(const ProgramState& s, float v) {
  const LoadingData& l = s.loadingData;
  const bool negative = v < 0 && (l.StressInputMode == 2 || v < Sng(-l.StressRange / 2.0));
  return MeanStressRefusal(negative, v);
}

std::string BlockVolumeRefusal(double volume) {
  const double n = std::nearbyint(volume);  // halves to even
  if (!(n > 1)) return kBlockVolumeReason;
  if (n > std::numeric_limits<int32_t>::max()) return kBlockVolumeTooBig;
  return "";
}

std::string TypedBlockVolume(const std::string& text, int32_t& n) {
  const double typed = BoxDouble(text);
  std::string reason = BlockVolumeRefusal(typed);
  if (reason.empty()) n = CLng(typed);
  return reason;
}

void StoreBlockVolume(ProgramState& s, int32_t n) {
  s.loadingData.BlockVolumeEntry = n;
  s.loadingData.CyclesPerBlock = n;
}
