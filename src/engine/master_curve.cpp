#include "engine/master_curve.h"

#include <algorithm>

#include "engine/analysis_records.h"
#include "platform/host.h"
#include "program_state.h"
#include "shell/user_messages.h"

int MasterPointCount(const AnalysisOptions& options) {
  if (options.AnalysisMode != analysis_mode::kMasterCurve) return 1;
  return std::clamp(options.MasterCurveSteps + 1, 1, kMasterPointsMax);
}

float MasterStep(float from, float to, int16_t steps) {
  if (steps <= 0) return 0.0f;
  return (to - from) / static_cast<float>(steps);
}

float SetUpMasterCurve(ProgramState& s, Host& host, float& used, float singleValue, float loadFrom, float loadTo,
                       float enduranceValue) {
  const AnalysisOptions& ao = s.analysisOptions;
  const MaterialData& md = s.materialData;
  Results& res = s.results;
  if (ao.AnalysisMode != analysis_mode::kMasterCurve) {
    used = singleValue;
    if (ao.AnalysisKind == analysis_kind::kDeterministic) res.NotchedEnduranceRange = md.SeFrom / res.KfUsed;
    return 0.0f;
  }
  const int16_t param = ao.MasterCurveParameter;
  if ((param == 1 && loadTo == loadFrom) || (param == 2 && md.SeFrom == md.SeTo)) {
    BeepIfEnabled(s.shellState, host);
    return 0.0f;
  }
  if (param == 2) {
    res.NotchedEnduranceRange = md.SeFrom / res.KfUsed;
    used = enduranceValue;
    return MasterStep(md.SeFrom, md.SeTo, ao.MasterCurveSteps) / res.KfUsed;
  }
  if (param == 1) {
    used = loadFrom;
    res.NotchedEnduranceRange = md.SeFrom / res.KfUsed;
    return MasterStep(loadFrom, loadTo, ao.MasterCurveSteps);
  }
  return 0.0f;  // a parameter the routines do not step: the values in place
}

void StoreMasterPoint(ProgramState& s, int p, float used) {
  const AnalysisOptions& ao = s.analysisOptions;
  if (ao.AnalysisMode != analysis_mode::kMasterCurve) return;
  s.lifeResults.MasterLife[p] = s.results.LifeBlocks;
  s.lifeResults.MasterParam[p] =
      ao.MasterCurveParameter == master_curve_parameter::kLoadLevel ? used : s.results.NotchedEnduranceRange;
}
