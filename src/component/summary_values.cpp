#include "component/summary_values.h"

#include <cfloat>
#include <cmath>

#include "component/notch_sensitivity.h"
#include "component/summary_rows.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

// The life the program holds for "infinite".
constexpr float kInfiniteLife = 1e30f;

// With the extension shown as No', a zero ratio or No' is worked out from the
// curve: the ratio gives Se' = 1 MPa, No' the life where the extension with
// slope m' reaches Se'.
void FillExtensionCycles(MaterialData& md) {
  if (md.SNExtensionDisplay == 0) return;
  if (md.SNExtensionRatio == 0.0f) {
    if (!(md.Se > 0.0f)) return;  // no endurance limit yet: nothing to divide by
    md.SNExtensionRatio = 1.0f / md.Se;
  }
  if (md.SNExtensionCycles != 0.0f) return;
  const float inverse = 1.0f / md.SNExtensionRatio;
  const double cycles = std::floor(static_cast<double>(md.EnduranceCycles) *
                                   std::pow(static_cast<double>(inverse), static_cast<double>(md.SNExtensionExponent)));
  // A steep extension or a small ratio goes beyond the Single range: that is
  // an infinite life.
  md.SNExtensionCycles = std::isfinite(cycles) && cycles <= FLT_MAX ? Sng(cycles) : kInfiniteLife;
}

// A local stress approach without the notch radius works with the plain
// specimen's own notch factor 1.
void ResetKtForLocalApproach(ProgramState& s) {
  const AnalysisOptions& o = s.analysisOptions;
  if (o.SNDataSpecimen != 1 && !NotchRadiusShown(s) && o.StressApproach == 2) s.componentData.Kt = 1.0f;
}

void SetNotchFactorAndTags(ProgramState& s) {
  const AnalysisOptions& o = s.analysisOptions;
  ResultsDisplay& rd = s.resultsDisplay;
  if (o.LoadingType == 4 || o.MeanStressOption == 1) {
    rd.MseTag = rd.MseTag2 = "MSE(-)  ";
    return;
  }
  if (o.MeanStressOption != 2) return;
  ComponentData& cd = s.componentData;
  if (o.NotchSensitivityMode == 2)
    cd.Kf = NotchFactorFromKt(cd.SpecimenNotchFactor, NotchSensitivity(s.materialData.SuUsed, cd.NotchRadius));
  rd.MseTag = o.SNDataSpecimen == 1 ? "MSE(+): " : "MSE(+)";
  rd.MseTag2 = "MSE(+)";
}

}  // namespace

void UpdateSummaryValues(ProgramState& s) {
  FillExtensionCycles(s.materialData);
  ResetKtForLocalApproach(s);
  SetNotchFactorAndTags(s);
}
