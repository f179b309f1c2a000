#include "loading/loading_value_checks.h"

#include <string>

#include "loading/distribution_entries.h"
#include "loading/scaling_factor.h"
#include "loading/stress_entries.h"
#include "program_state.h"

namespace {

using Refusal = std::optional<LoadingValueRefusal>;

Refusal Of(LoadingBox box, int index, const std::string& text, const std::string& title) {
  return LoadingValueRefusal{box, index, InputRefusal{text, MsgIcon::Critical, title}};
}

Refusal Of(LoadingBox box, const std::optional<InputRefusal>& refusal) {
  if (!refusal) return std::nullopt;
  return LoadingValueRefusal{box, 0, *refusal};
}

Refusal HistoryRefusal(const ProgramState& s) {
  const LoadingData& l = s.loadingData;
  const bool ends = LoadLevelMasterCurve(s.analysisOptions);
  const float values[] = {ends ? l.ScalingFactorMax : l.ScalingFactor, l.ScalingFactorMin};
  for (int box = 0; box < (ends ? 2 : 1); ++box) {
    const std::string reason = ScalingFactorRefusal(s, box, values[box]);
    if (!reason.empty()) return Of(LoadingBox::SHscalt, box, DataIncorrectText(reason), kScalingFactorTitle);
  }
  return std::nullopt;
}

Refusal SpectrumRefusal(const ProgramState& s) {
  const LoadingData& l = s.loadingData;
  const bool ends = LoadLevelMasterCurve(s.analysisOptions);
  const float values[] = {l.StressRangeTo, l.StressRangeFrom};
  for (int box = 0; box < (ends ? 2 : 1); ++box) {
    if (const auto reason = SpectrumRangeRefusal(s, box, values[box]))
      return Of(LoadingBox::SSmaxt, box, DataIncorrectText(*reason), SpectrumRangeTitle(s));
  }
  return Of(LoadingBox::SSmeant, SpectrumMeanRefusal(s, l.StressMinOrMean));
}

Refusal DistributionRefusal(const ProgramState& s) {
  const LoadingData& l = s.loadingData;
  const bool typedIn = s.loadingDbState.LoadingSource == 2;
  for (int index = 0; typedIn && index <= 1; ++index) {
    const std::string reason = DistributionParameterRefusal(s, index, DistributionParameterInBox(s, index));
    if (!reason.empty())
      return Of(LoadingBox::DTt, index, DataIncorrectText(reason), DistributionParameterTitle(index));
  }
  // A typed-in Weibull or log-normal law draws its range from Q and R.
  if (l.DistributionType == 1 || !typedIn) {
    const bool ends = LoadLevelMasterCurve(s.analysisOptions);
    const float values[] = {l.StressRangeFrom, l.StressRangeTo};
    for (int box = 1; box >= (ends ? 0 : 1); --box) {
      if (const auto reason = DistributionRangeRefusal(s, box, values[box]))
        return Of(LoadingBox::DTSmaxt, box, kDataIncorrect + *reason, DistributionRangeTitle(s));
    }
  }
  if (Refusal mean = Of(LoadingBox::DTmeant, DistributionMeanRefusal(s, l.StressMinOrMean))) return mean;
  if (const std::string reason = BlockVolumeRefusal(l.BlockVolumeEntry); typedIn && !reason.empty())
    return Of(LoadingBox::DTvolumet, 0, kDataIncorrect + reason, kBlockVolumeTitle);
  return std::nullopt;
}

}  // namespace

std::optional<LoadingValueRefusal> RefusedLoadingValue(const ProgramState& s) {
  switch (s.analysisOptions.LoadingType) {
    case loading_type::kHistory: return HistoryRefusal(s);
    case loading_type::kSpectrum:
    case loading_type::kConstantAmplitude: return SpectrumRefusal(s);
    case loading_type::kDistribution: return DistributionRefusal(s);
    default: return std::nullopt;
  }
}
