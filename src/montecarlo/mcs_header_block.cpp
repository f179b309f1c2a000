#include "montecarlo/mcs_header_block.h"

#include <string>

#include "diagrams/diagram_surface.h"
#include "montecarlo/distribution_tag.h"
#include "montecarlo/mcs_diagram_geometry.h"
#include "montecarlo/mcs_results_header.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr const char* kMicroStrain = "\xC2\xB5" "str";

// The rows of one block: 240 x phi apart below its title.
class Rows {
 public:
  Rows(Surface& t, double x, double titleY, float phi) : t_(t), x_(x), y_(titleY), step_(240.0 * phi) {}
  void Row(const std::string& text) {
    y_ -= step_;
    t_.SetCurrentX(x_);
    t_.SetCurrentY(y_);
    t_.Print(text);
  }
  // A row left empty.
  void Skip() { y_ -= step_; }
  double Y() const { return y_; }

 private:
  Surface& t_;
  double x_, y_, step_;
};

void Title(Surface& t, double x, double y, const std::string& text, bool bold, float phi) {
  t.SetFontName("Arial");
  t.SetFontSize(Sng(10.0 * phi));
  t.SetFontBold(bold);
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text);
  t.SetFontBold(false);
}

void ValueFont(Surface& t, float phi) {
  t.SetFontName("Microsoft Sans Serif");
  t.SetFontSize(Sng(9.0 * phi));
  t.SetFontBold(false);
  t.SetFontItalic(false);
}

std::string Tag(const McsResultsHeader& h, int slot) { return FormatDistributionTag(h.RvType[slot], h.RvCov[slot]); }

std::string LoadingTitle(const McsResultsHeader& h) {
  if (h.LoadingType == 1) return "Loading: History";
  if (h.LoadingType == 2 || h.LoadingType == 3) return "Loading: Spectrum";
  return "Loading: " + h.DistributionName + " Distrib.";
}

void LoadingRows(const ProgramState& s, Rows& rows, const McsResultsHeader& h) {
  const LoadingUnits& lu = s.loadingUnits;
  auto stress = [&](float v) { return Format(static_cast<double>(v) * lu.LoadUnitFactor, "####0.0 ") + lu.LoadUnit; };
  rows.Row(s.jobTexts.LoadingName);
  rows.Row(h.StressApproachText);
  if (h.PointText != "1") rows.Row(h.PointText);
  if (h.LoadingType == 1) {
    rows.Row("Smax = " + stress(h.Stress1));
    rows.Row("Smin  = " + stress(h.Stress2));
    rows.Row("Points:  " + Format(h.PointCount, "######"));
  } else {
    const bool range = h.StressInputMode == 1;
    rows.Row("SS = " + stress(h.Stress1) + (range ? " (range)" : " (ampl.)"));
    rows.Row((range ? "Smin = " : "Smean = ") + stress(h.Stress2));
    if (h.LoadingType == 2 || h.LoadingType == 3) {
      rows.Row("Cycles:  " + Format(h.CyclesPerBlock, "#######"));
      rows.Row("Levels:  " + Format(h.PointCount, "######"));
    }
  }
  rows.Row("Scaling factor  " + Tag(h, 2));
}

void MaterialRows(const ProgramState& s, Rows& rows, const McsResultsHeader& h) {
  const UnitSettings& u = s.unitSettings;
  rows.Row(s.jobTexts.MaterialName);
  rows.Row(h.SpecimenText);
  rows.Row("Se =  " + Format(static_cast<double>(h.Se) * u.StressUnitFactor / 2, "###.0 ") + "  " + u.StressUnit +
           Tag(h, 1));
  rows.Row("No =  " + Format(h.EnduranceCycles, "0E+0# ") + "cyc");
  rows.Row("m  =  " + Format(h.SNExponent, "#0.0#"));
  rows.Row("r    =  " + Format(h.SNStressRatio, "#0.0#"));
  rows.Row("Pn =  " + Format(h.SurvivalProbability, "#0.0 ") + "%");
  if (h.LoadingType != 3) {
    if (h.SNExtensionDisplay == 0)
      rows.Row("Se'/Se  =  " + Format(h.LoadingType >= 4 ? 0.0f : h.SNExtensionRatio, "0.0#"));
    else
      rows.Row("No' =  " + Format(s.materialData.SNExtensionCycles, "0E+#0 ") + "cyc");
    if (h.SNExtensionRatio < 1.0f) rows.Row("m'  =  " + Format(h.SNExtensionExponent, "#0.0#"));
  }
  if (s.loadingUnits.LoadQuantity == "Strain ")
    rows.Row("E =  " + Format(static_cast<double>(h.YoungModulus) * u.StressUnitFactor, "#####0 ") + u.StressUnit);
}

void AnalysisRows(const ProgramState& s, Rows& rows, const McsResultsHeader& h, const McsHeaderTexts& texts) {
  const UnitSettings& u = s.unitSettings;
  rows.Row(h.NotchSensitivityText);
  if (h.NotchSensitivityMode == 2 && h.SNDataSpecimen != 1 && h.StressApproach != 1) {
    std::string row = texts.notchFactorLabel + texts.notchFactorValue;
    if (h.NotchFactor > 1.0f)
      row += ", r = " + Format(static_cast<double>(h.NotchRadius) * u.LengthUnitFactor, "##0.0# ") + u.SmallLengthUnit;
    rows.Row(row);
  } else {
    rows.Skip();
  }
  if (h.MeanStressOption == 2 && h.NotchSensitivityMode == 1 && h.StressApproach == 1 && h.SNDataSpecimen == 1)
    rows.Row(": " + h.NotchFactorLabel + " " + Format(h.NotchFactor, "#0.0## "));
  else
    rows.Skip();
  if (h.SNDataSpecimen == 1) {
    rows.Row("t = " + Format(static_cast<double>(h.Thickness) * u.LengthUnitFactor, "###0.0# ") + u.SmallLengthUnit +
             ", k = " + Format(h.ThicknessExponent, "###0.0# "));
  }
  if (h.LoadingType != 3) rows.Row("DTF = " + Format(h.DamageToFailure, "#0.0#"));
  if (h.StressApproach == 1 && h.SNDataSpecimen == 2) rows.Row(h.NotchText + " " + Format(h.Kt, "#0.0##  ") + Tag(h, 3));
}

// The simulation's rows follow the analysis options: the sample and, when
// the file keeps them, the run's options.
void SimulationRows(const ProgramState& s, Rows& rows, const McsResultsHeader& h) {
  rows.Row("Sample = " + std::to_string(s.mcsSettings.SimulationsDone));
  if (h.HasLine12()) rows.Row("MCS:  " + h.SimulationTags);
}

// The units of the file's loading: micro-strain for a stress factor below 1.
void SetLoadUnits(ProgramState& s, const McsResultsHeader& h) {
  LoadingUnits& lu = s.loadingUnits;
  const bool strain = h.LoadToStressFactor < 1.0f;
  lu.LoadUnitFactor = strain ? 1.0f : s.unitSettings.StressUnitFactor;
  lu.LoadUnit = strain ? kMicroStrain : s.unitSettings.StressUnit;
}

}  // namespace

void DrawMcsHeaderBlock(ProgramState& s, Surface& target, Surface& side, const McsDiagramGeometry& g,
                        const McsResultsHeader& h, const McsHeaderTexts& texts) {
  const double H = g.H, P = g.P, S = g.S;
  const float phi = g.fontFactor;
  SetLoadUnits(s, h);
  if (OnPaper(g.kind)) {
    target.Line(0, 0, g.W, H, 0, Surface::kBox);
    target.SetFontName("Arial");
    target.SetFontSize(Sng(12.0 * phi));
    PrintCaptionOnEdge(target, texts.title, 200 * phi, H + 150, 150 * phi, H, false);
    side.Line(P, 0, P + S, H, 0, Surface::kBox);
    side.SetFontName("Arial");
    side.SetFontSize(Sng(12.0 * phi));
    PrintCaptionOnEdge(side, texts.sideCaption, P + 200 * phi, H + 150, P + 150 * phi, H, false);
  }
  for (const double y : {0.7 * H, 0.34 * H, 0.08 * H}) side.Line(P, y, P + S, y, 0);
  const double titleX = P + 200 * phi, valueX = P + 300;
  struct Block {
    double y;
    std::string title;
  };
  const Block loading{0.98 * H, LoadingTitle(h)}, material{0.67 * H, "Material  Properties"},
      analysis{0.31 * H, "Analysis  Options"};
  for (const Block* b : {&loading, &material, &analysis}) Title(side, titleX, b->y, b->title, true, phi);
  Title(side, titleX, 0.05 * H, h.Subject, false, phi);
  ValueFont(side, phi);
  Rows loadingRows(side, valueX, loading.y, phi);
  LoadingRows(s, loadingRows, h);
  Rows materialRows(side, valueX, material.y, phi);
  MaterialRows(s, materialRows, h);
  Rows analysisRows(side, valueX, analysis.y, phi);
  AnalysisRows(s, analysisRows, h, texts);
  SimulationRows(s, analysisRows, h);
}
