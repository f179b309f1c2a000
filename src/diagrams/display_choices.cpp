#include "diagrams/display_choices.h"

#include <cmath>

#include "loading/distribution_blocks.h"
#include "loading/distribution_shape.h"
#include "loading/loading_units.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

void SettleMasterCurveEnds(ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  if (ao.AnalysisMode != 2 || ao.MasterCurveParameter != 1) return;
  LoadingData& ld = s.loadingData;
  if (ao.LoadingType == 1) {
    if (std::fabs(ld.ScalingFactorMin) > std::fabs(ld.ScalingFactorMax)) ld.ScalingFactorMax = ld.ScalingFactorMin;
  } else if (std::fabs(ld.StressRangeFrom) > std::fabs(ld.StressRangeTo)) {
    ld.StressRangeFrom = ld.StressRangeTo;
  }
}

void AbandonBatchForQuantityChange(ProgramState& s) {
  s.loadingDbState.LoadingSource = 2;
  s.jobTexts.LoadingName = "???";
  s.loadingDbState.SelectedLoadingBatch = 0;
  if (s.loadingUnits.LoadQuantity != "Strain ") return;
  LoadingData& ld = s.loadingData;
  const double toStress = s.materialData.YoungModulus / 1e6;
  ld.StressRangeTo = Sng(ld.StressRangeTo * toStress);
  ld.StressRange = ld.StressRangeTo;
  ld.StressRangeFrom = Sng(ld.StressRangeFrom * toStress);
  ld.StressMinOrMean = Sng(ld.StressMinOrMean * toStress);
  ld.StressMinOrMeanInput = ld.StressMinOrMean;
}

void SetLoadQuantity(ProgramState& s, bool strain) {
  s.loadingUnits.LoadQuantity = strain ? "Strain " : "Stress ";
  FollowLoadingUnits(s);
  if (!strain) s.loadingUnits.LoadToStressFactor = 1;
}

DistributionLaw DistributionLawOf(const ProgramState& s) {
  const LoadingData& ld = s.loadingData;
  return {ld.DistributionType, ld.DistributionName, ld.DistQ, ld.DistR, ld.DistQInput, ld.DistRInput};
}

void RestoreDistributionLaw(ProgramState& s, const DistributionLaw& law) {
  LoadingData& ld = s.loadingData;
  ld.DistributionType = static_cast<int16_t>(law.type);
  ld.DistributionName = law.name;
  ld.DistQ = law.q;
  ld.DistR = law.r;
  ld.DistQInput = law.qInput;
  ld.DistRInput = law.rInput;
}

void ChangeDistributionLaw(ProgramState& s, int type) {
  LoadingData& ld = s.loadingData;
  LoadingDistributionBlocks& blocks = s.loadingDistributionBlocks;
  const DistributionLaw before = DistributionLawOf(s);
  blocks.DistKindCode = ld.DistributionType;
  ld.DistributionType = static_cast<int16_t>(type);
  ld.DistributionName = DistributionNameOf(type);
  if (ld.DistQ == 0) return;
  blocks.DistLowestLevel = 0.1;
  blocks.DistBlockCount = 10;
  DiscretizeLoadingDistribution(s);
  const bool fitted = FitLoadingDistribution(s);
  const double top = ld.StressRangeTo;
  if (!fitted || (type == 3 && !(top > 0))) {
    ld.DistQ = before.q;  // nothing to convert: the parameters stay
    ld.DistR = before.r;
    return;
  }
  if (type == 2) ld.DistQ = Sng(ld.DistQ * top);
  if (type == 3) ld.DistQ = Sng(ld.DistQ + std::log(top));
  ld.DistQInput = ld.DistQ;
  ld.DistRInput = ld.DistR;
}

std::string DistributionQFault(const ProgramState& s) {
  const LoadingData& ld = s.loadingData;
  if (ld.DistributionType == 3) return ld.DistQ != 0 ? "" : "(Q = 0)";
  return ld.DistQ > 0 ? "" : "(Q < 0)";
}
