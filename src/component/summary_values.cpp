#include "component/summary_values.h"

#include "component/notch_sensitivity.h"
#include "component/summary_rows.h"
#include "material/sn_extension.h"
#include "program_state.h"

namespace {

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
