#include "loading/stress_pair.h"

#include <utility>

#include "loading/loading_records.h"

namespace {

void SetPair(LoadingData& l, float range, float minOrMean) {
  const float mode = l.StressInputMode;
  const float part = range / mode;
  l.SpectrumSmax = part + minOrMean;
  l.SpectrumSmin = part * (1 - mode) + minOrMean;
  if (l.SpectrumSmax < l.SpectrumSmin) std::swap(l.SpectrumSmax, l.SpectrumSmin);
}

}  // namespace

void DeriveStressPair(LoadingData& l) {
  SetPair(l, l.StressRange, l.StressMinOrMean);
  l.LoadSmax = l.SpectrumSmax;
  l.LoadSmin = l.SpectrumSmin;
}

void DeriveTypedStressPair(LoadingData& l) { SetPair(l, l.StressRangeTo, l.StressMinOrMeanInput); }
