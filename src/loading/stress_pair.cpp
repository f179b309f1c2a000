#include "loading/stress_pair.h"

#include <utility>

#include "loading/loading_records.h"

void DeriveTypedStressPair(LoadingData& l) {
  const float mode = l.StressInputMode;
  const float part = l.StressRangeTo / mode;
  l.SpectrumSmax = part + l.StressMinOrMeanInput;
  l.SpectrumSmin = part * (1 - mode) + l.StressMinOrMeanInput;
  if (l.SpectrumSmax < l.SpectrumSmin) std::swap(l.SpectrumSmax, l.SpectrumSmin);
}
