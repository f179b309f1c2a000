#include "report/data_box_layout.h"

#include "loading/diagram_placement.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

DataBoxGeometry DataBoxGeometryOf(bool printer, float width, float height, bool distribution, float fontScale) {
  DataBoxGeometry g;
  if (!printer) {
    g.T = Sng(0.005 * height);
    g.H = Sng(height / 2.09);
    g.W = Sng(width / 2.04);
    g.C = Sng((distribution ? 0.2551 : 0.5051) * width);
    g.fs = fontScale;
    return g;
  }
  switch (PageBandOf(width, height)) {
    case PageBand::Tall:
      g.W = Sng(width / 2.45);
      g.H = Sng(0.7 * g.W);
      g.C = Sng((distribution ? 0.3 : 0.52) * width);
      break;
    case PageBand::Wide:
      g.H = Sng(height / 2.6);
      g.W = Sng(g.H / 0.7);
      g.C = Sng((distribution ? 0.273 : 0.442) * width);
      break;
    case PageBand::Middle:
      g.H = Sng(height / 2.6);
      g.W = Sng(width / 2.5);
      g.C = Sng((distribution ? 0.3 : 0.51) * width);
      break;
  }
  g.T = Sng(0.1 * height);
  g.fs = 1;
  return g;
}

namespace {

// Rows 6 to 8 (Kt or Kf, its tag, the notch radius) are shown unless the S-N
// data are of a feature, or of a plain specimen used locally without notch
// sensitivity.
bool NotchLineShown(const AnalysisOptions& a) {
  if (a.SNDataSpecimen == sn_data_specimen::kFeature) return false;
  return !(a.SNDataSpecimen == sn_data_specimen::kPlain && a.StressApproach == stress_approach::kLocal &&
           a.NotchSensitivityMode == notch_sensitivity::kNeglect);
}

DataBoxLine NotchLine(const ProgramState& s, const DataBoxTexts& t, float x0, float y) {
  const AnalysisOptions& a = s.analysisOptions;
  DataBoxLine line{x0, y, {t.notchLabel, t.notchText, "  "}, false};
  if (a.StressApproach == stress_approach::kLocal && a.NotchSensitivityMode == notch_sensitivity::kAccount) {
    line.items.push_back("(NS");
    line.items.push_back(a.MeanStressOption == mean_stress_option::kAccount ? " & MSE)" : ")");
    line.ended = true;
  } else if (a.AnalysisKind == analysis_kind::kProbabilistic && a.SNDataSpecimen == sn_data_specimen::kPlain &&
             a.StressApproach == stress_approach::kNominal) {
    line.items.push_back(t.notchTag);
    line.ended = true;
  }
  return line;
}

DataBoxLine MeanStressLine(const ProgramState& s, const DataBoxTexts& t, float x0, float y) {
  const AnalysisOptions& a = s.analysisOptions;
  DataBoxLine line{x0, y, {t.mseLabel, s.resultsDisplay.MseTag}, false};
  if (a.MeanStressOption == mean_stress_option::kAccount && a.SNDataSpecimen == sn_data_specimen::kFeature &&
      a.NotchSensitivityMode == notch_sensitivity::kNeglect) {
    line.items.push_back(t.notchQuantityLabel);
    line.items.push_back(t.notchQuantityText);
    line.ended = true;
  }
  return line;
}

}  // namespace

std::vector<DataBoxLine> DataBoxLines(const ProgramState& s, const DataBoxTexts& t, const DataBoxGeometry& g,
                                      bool printer) {
  const AnalysisOptions& a = s.analysisOptions;
  const JobTexts& job = s.jobTexts;
  const float H = g.H;
  const float x0 = Sng(g.W / 12.0);
  const auto at = [H](double fraction) { return Sng(fraction * H); };
  const float f = a.LoadingType == loading_type::kConstantAmplitude ? 0.58f : 0.49f;

  std::vector<DataBoxLine> lines{
      {x0, at(0.9), {t.subject, job.JobSubject}},
      {x0, at(0.81), {t.load, job.LoadingName}},
      {x0, at(0.72), {t.material, job.MaterialName}},
  };
  if (a.LoadingType != loading_type::kConstantAmplitude) {
    lines.push_back({x0, at(0.63), {t.extLabel[0], t.extText[0]}});
    lines.push_back({Sng(x0 + (printer ? 1500.0 : 1800.0)), at(0.58), {t.extLabel[1], t.extText[1]}});
  }
  if (NotchLineShown(a)) {
    lines.push_back(NotchLine(s, t, x0, at(f)));
    if (s.componentData.Kt > 1.0f && a.NotchSensitivityMode == notch_sensitivity::kAccount)
      lines.push_back({x0, at(f - 0.09), {t.radiusLabel, t.radiusText}});
  }
  if (a.SNDataSpecimen == sn_data_specimen::kFeature)
    lines.push_back({x0, at(f - 0.09), {t.thicknessLabel[0], t.thicknessLabel[1]}});
  lines.push_back(MeanStressLine(s, t, x0, at(f - 0.18)));
  lines.push_back({x0, at(f - 0.27), {t.damageLabel, t.damageText}});
  lines.push_back({x0, at(0.13), {t.life}, true, true});
  return lines;
}
