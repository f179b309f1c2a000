#include "engine/master_curve.h"

#include <algorithm>

#include "engine/analysis_records.h"
#include "platform/host.h"
#include "program_state.h"

int MasterPointCount(const AnalysisOptions& options) {
  if (options.AnalysisMode != 2) return 1;
  return std::clamp(options.MasterCurveSteps + 1, 1, kMasterPointsMax);
}

float MasterStep(float from, float to, int16_t steps) {
  if (steps <= 0) return 0.0f;
  return (to - from) / static_cast<float>(steps);
}

float SetUpStressMasterCurve(ProgramState& s, Host& host, bool scaleMean) {
  const AnalysisOptions& ao = s.analysisOptions;
  LoadingData& ld = s.loadingData;
  const MaterialData& md = s.materialData;
  Results& res = s.results;
  if (ao.AnalysisMode != 2) {
    ld.StressRange = ld.StressRangeTo * ld.ScalingFactorApplied;
    if (scaleMean) ld.StressMinOrMean = ld.StressMinOrMeanInput * ld.ScalingFactorApplied;
    if (ao.AnalysisKind == 1) res.NotchedEnduranceRange = md.SeFrom / res.KfUsed;
    return 0.0f;
  }
  const int16_t param = ao.MasterCurveParameter;
  if ((param == 1 && ld.StressRangeTo == ld.StressRangeFrom) || (param == 2 && md.SeFrom == md.SeTo)) {
    if (s.shellState.BeepEnabled == 1) host.Beep();
    return 0.0f;
  }
  if (param == 2) {
    res.NotchedEnduranceRange = md.SeFrom / res.KfUsed;
    ld.StressRange = ld.StressRangeTo;
    return MasterStep(md.SeFrom, md.SeTo, ao.MasterCurveSteps) / res.KfUsed;
  }
  if (param == 1) {
    ld.StressRange = ld.StressRangeFrom;
    res.NotchedEnduranceRange = md.SeFrom / res.KfUsed;
    return MasterStep(ld.StressRangeFrom, ld.StressRangeTo, ao.MasterCurveSteps);
  }
  return 0.0f;  // a parameter the routine does not step: the values in place
}
