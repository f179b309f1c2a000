#include "loading/loading_units.h"

#include <string>
#include <utility>

#include "loading/selected_batch.h"
#include "program_state.h"

namespace {
// The micro sign (Windows-1252 code 181) of the strain units.
constexpr const char* kMicro = "\xC2\xB5";
}  // namespace

void FollowLoadingUnits(ProgramState& s) {
  LoadingUnits& lu = s.loadingUnits;
  const UnitSettings& us = s.unitSettings;
  if (lu.LoadQuantity == "Stress ") {
    lu.LoadUnitFactor = us.StressUnitFactor;
    lu.LoadUnitBracket = us.StressUnitBracket;
    lu.LoadUnit = us.StressUnit;
    return;
  }
  // Single divisions: each quotient is the correctly rounded Single.
  const float e = s.materialData.YoungModulus;
  if (s.loadingDatabase.BatchPointCount[SelectedBatchOf(s)] != 0) {
    lu.LoadUnitFactor = 1.0f;
    lu.LoadToStressFactor = e / 1000000.0f;
  } else {
    lu.LoadUnitFactor = 1000000.0f / e;
    lu.LoadToStressFactor = 1.0f;
  }
  lu.LoadUnitBracket = std::string("[") + kMicro + "str]";
  lu.LoadUnit = std::string(kMicro) + "str";
}

void RescaleStrainLoading(ProgramState& s, float oldE) {
  FollowLoadingUnits(s);
  LoadingData& ld = s.loadingData;
  const float ratio = s.materialData.YoungModulus / oldE;
  ld.StressRangeTo *= ratio;
  ld.StressRangeFrom *= ratio;
  ld.StressMinOrMean *= ratio;
  ld.StressRange = ld.StressRangeTo;
  ld.StressMinOrMeanInput = ld.StressMinOrMean;
  const float mode = ld.StressInputMode;
  ld.SpectrumSmax = ld.StressRange / mode + ld.StressMinOrMean;
  ld.SpectrumSmin = ld.StressRange / mode * (1 - mode) + ld.StressMinOrMean;
  ld.LoadSmax = ld.SpectrumSmax;
  ld.LoadSmin = ld.SpectrumSmin;
  if (ld.SpectrumSmax < ld.SpectrumSmin) {
    std::swap(ld.SpectrumSmax, ld.SpectrumSmin);
    std::swap(ld.LoadSmax, ld.LoadSmin);
  }
}
