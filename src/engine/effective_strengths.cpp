#include "component/notch_sensitivity.h"
#include "engine/damage.h"
#include "program_state.h"

void CalcEffectiveStrengths(ProgramState& s, Host& host) {
  CalcProgress none;
  CalcEffectiveStrengths(s, host, none);
}

void CalcEffectiveStrengths(ProgramState& s, Host& /*host*/, CalcProgress& progress) {
  MaterialData& md = s.materialData;
  ComponentData& cd = s.componentData;
  const AnalysisOptions& ao = s.analysisOptions;
  md.SuUsed = md.Su;
  md.SyUsed = md.Sy;
  cd.Kf = md.KtInput;
  if (ao.MeanStressOption == mean_stress_option::kNeglect) return;
  if (ao.NotchSensitivityMode == 2) {
    cd.Kf = NotchFactorFromKt(cd.SpecimenNotchFactor, NotchSensitivity(md.SuUsed, cd.NotchRadius));
  }
  ResultsDisplay& rd = s.resultsDisplay;
  rd.MseTag = ao.SNDataSpecimen == sn_data_specimen::kFeature ? "MSE(+): " : "MSE(+)";
  rd.MseTag2 = "MSE(+)";
  progress.ShowMeanStressCaption(rd.MseTag);
}
