#include "diagrams/display_choices.h"

#include <cmath>

#include "loading/distribution_blocks.h"
#include "loading/distribution_shape.h"
#include "loading/loading_units.h"
#include "loading/selected_batch.h"
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
  LeaveBatchForKeyboard(s);
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

bool ChangeDistributionLaw(ProgramState& s, int type) {
  LoadingData& ld = s.loadingData;
  LoadingDistributionBlocks& blocks = s.loadingDistributionBlocks;
  const DistributionLaw before = DistributionLawOf(s);
  blocks.DistKindCode = ld.DistributionType;
  ld.DistributionType = static_cast<int16_t>(type);
  ld.DistributionName = DistributionNameOf(type);
  if (ld.DistQ == 0) return true;
  blocks.DistLowestLevel = 0.1;
  blocks.DistBlockCount = 10;
  DiscretizeLoadingDistribution(s);
  const double top = ld.StressRangeTo;
  // A Weibull's scale and a log-normal's log-mean are turned back into
  // stress by the distribution's largest range, which must be above 0.
  if (!FitLoadingDistribution(s) || (type != 1 && !(top > 0))) {
    RestoreDistributionLaw(s, before);
    return false;
  }
  float q = ld.DistQ;
  if (type == 2) q = Sng(ld.DistQ * top);
  if (type == 3) q = Sng(ld.DistQ + std::log(top));
  if (!std::isfinite(q)) {
    RestoreDistributionLaw(s, before);
    return false;
  }
  ld.DistQ = q;
  ld.DistQInput = ld.DistQ;
  ld.DistRInput = ld.DistR;
  return true;
}

std::string DistributionQFault(const ProgramState& s) {
  const LoadingData& ld = s.loadingData;
  if (ld.DistributionType == 3) return ld.DistQ != 0 ? "" : "(Q = 0)";
  return ld.DistQ > 0 ? "" : "(Q < 0)";
}
