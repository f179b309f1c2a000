#include "loading/loading_units.h"

#include <string>

#include "loading/selected_batch.h"
#include "loading/stress_pair.h"
#include "program_state.h"

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
  lu.LoadUnitBracket = std::string("[") + kMicroSign + "str]";
  lu.LoadUnit = std::string(kMicroSign) + "str";
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
  DeriveStressPair(ld);
}
