#include "component/summary_rows.h"

#include "program_state.h"

namespace {
constexpr int16_t kFeatureSpecimen = 1;
constexpr int16_t kPlainSpecimen = 2;
}  // namespace

bool KtRowShown(const ProgramState& s) {
  const AnalysisOptions& o = s.analysisOptions;
  if (o.SNDataSpecimen == kFeatureSpecimen) return false;
  return !(o.SNDataSpecimen == kPlainSpecimen && o.StressApproach == 2 && o.NotchSensitivityMode == 1);
}

bool KtTagShown(const ProgramState& s) {
  const AnalysisOptions& o = s.analysisOptions;
  return KtRowShown(s) && o.AnalysisKind == 2 && o.SNDataSpecimen == kPlainSpecimen && o.StressApproach == 1;
}

bool NotchRadiusShown(const ProgramState& s) {
  return s.componentData.Kt > 1.0f && s.analysisOptions.NotchSensitivityMode == 2;
}

bool NotchRadiusRowShown(const ProgramState& s) {
  return s.analysisOptions.SNDataSpecimen != kFeatureSpecimen && NotchRadiusShown(s);
}

bool ThicknessRowsShown(const ProgramState& s) { return s.analysisOptions.SNDataSpecimen == kFeatureSpecimen; }

bool MeanStressNotchFactorShown(const ProgramState& s) {
  return s.analysisOptions.MeanStressOption == 2 && s.analysisOptions.SNDataSpecimen == kFeatureSpecimen;
}

bool ExtensionBoxesShown(const ProgramState& s) {
  const int16_t type = s.analysisOptions.LoadingType;
  return type == 1 || type == 2;
}
