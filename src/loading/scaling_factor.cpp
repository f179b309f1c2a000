#include "loading/scaling_factor.h"

#include <cmath>
#include <utility>

#include "loading/selected_batch.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"

namespace {

// A scaled history value of this magnitude or more is refused.
constexpr float kScaledLimit = 10000.0f;

// The master curve over the load level as the problem definition sets it:
// its two ends are typed in the two boxes.
bool TwoEnds(const AnalysisOptions& a) {
  return a.AnalysisMode == analysis_mode::kMasterCurve && a.MasterCurveParameter == master_curve_parameter::kLoadLevel;
}

bool TooBig(float v, float extreme) { return !(std::fabs(Sng(static_cast<double>(v) * extreme)) < kScaledLimit); }

}  // namespace

std::string ScalingFactorRefusal(const ProgramState& s, int box, float v) {
  const LoadingDatabase& db = s.loadingDatabase;
  const int b = SelectedBatchOf(s);
  // Infinite beyond the Single range either way: too big by magnitude. NaN
  // (too small for a Single) fails this first check too.
  if (TooBig(v, db.BatchHistoryMax[b]) || TooBig(v, db.BatchHistoryMin[b]) || !std::isfinite(v))
    return "(|RSF| to big)";
  if (v == 0) return "(RSF = 0)";
  if (TwoEnds(s.analysisOptions)) {
    const LoadingData& l = s.loadingData;
    const bool inOrder = box == 1 ? std::fabs(v) <= std::fabs(l.ScalingFactorMax)
                                  : std::fabs(v) >= std::fabs(l.ScalingFactorMin);
    if (!inOrder) return "(RSFmax < RSFmin)";
  }
  return "";
}

ScalingFactorEntry CheckScalingFactor(const ProgramState& s, int box, const std::string& text) {
  const float v = BoxSingle(text);
  std::string reason = ScalingFactorRefusal(s, box, v);
  const bool accepted = reason.empty();
  return {accepted, v, std::move(reason)};
}

void StoreScalingFactor(ProgramState& s, int box, float value) {
  LoadingData& l = s.loadingData;
  l.ScalingFactor = value;
  if (!TwoEnds(s.analysisOptions)) {
    l.ScalingFactorMax = value;
    l.ScalingFactorMin = value;
  } else if (box == 1) {
    l.ScalingFactorMin = value;
  } else {
    l.ScalingFactorMax = value;
  }
  ScaleHistoryExtremes(s);
}

HistoryExtremes ScaledHistoryExtremes(const ProgramState& s, int batch, float factor) {
  const LoadingDatabase& db = s.loadingDatabase;
  HistoryExtremes e{factor * db.BatchHistoryMax[batch], factor * db.BatchHistoryMin[batch]};
  if (e.max < e.min) std::swap(e.max, e.min);
  return e;
}

void ScaleHistoryExtremes(ProgramState& s) {
  LoadingData& l = s.loadingData;
  const HistoryExtremes e = ScaledHistoryExtremes(s, SelectedBatchOf(s), l.ScalingFactor);
  l.LoadSmax = e.max;
  l.LoadSmin = e.min;
}

std::string HistoryCaption(const ProgramState& s, float smax, float smin) {
  const LoadingUnits& u = s.loadingUnits;
  return "Smax = " + Format(smax * u.LoadUnitFactor, "###0.0# ") + u.LoadUnit + ",  Smin = " +
         Format(smin * u.LoadUnitFactor, "###0.0# ") + u.LoadUnit;
}

std::string UnscaledHistoryCaption(const ProgramState& s) {
  const HistoryExtremes e = ScaledHistoryExtremes(s, SelectedBatchOf(s), 1.0f);
  return HistoryCaption(s, e.max, e.min);
}
