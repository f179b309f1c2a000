#include "diagrams/master_curve_texts.h"

#include <string>

#include "diagrams/master_curve_geometry.h"
#include "diagrams/master_curve_units.h"
#include "loading/scaling_factor.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

// A block of lines: line k stands 240 x fs below the block's first line.
struct Block {
  Surface& t;
  double x, y0, fs;

  void At(double y, const std::string& text) const {
    if (text.empty()) return;
    t.SetCurrentX(x);
    t.SetCurrentY(y);
    t.Print(text);
  }
  void Line(int k, const std::string& text) const { At(y0 - k * 240.0 * fs, text); }
};

std::string Loaded(const ProgramState& s, double value, const char* mask) {
  return Format(value * s.loadingUnits.LoadUnitFactor, mask) + s.loadingUnits.LoadUnit;
}

std::string LoadingHeading(const ProgramState& s) {
  switch (s.analysisOptions.LoadingType) {
    case 4:
      return "Loading: " + s.loadingData.DistributionName + " Distr.";
    case 1:
      return "Loading: History";
    default:
      return "Loading: Spectrum";
  }
}

// Over the load level the scaling factor is the varied parameter ("RSF =
// PAR"): the screen shows the history unscaled. The job's scaling factor and
// its scaled extremes stay as they are.
void DrawHistoryItems(const ProgramState& s, const Block& b, int batch) {
  const float factor = s.analysisOptions.MasterCurveParameter == 1 ? 1.0f : s.loadingData.ScalingFactor;
  const HistoryExtremes e = ScaledHistoryExtremes(s, batch, factor);
  b.Line(0, s.jobTexts.LoadingName);
  b.Line(1, s.analysisOptions.StressApproachText);
  b.Line(2, "Smax = " + Loaded(s, e.max, "####0.0# "));
  b.Line(3, "Smin = " + Loaded(s, e.min, "####0.0# "));
  b.Line(4, "Points:  " + Format(s.loadingDatabase.BatchPointCount[batch], "#######"));
  b.Line(5, s.analysisOptions.MasterCurveParameter == 1 ? "RSF = PAR" : "");
}

void DrawSpectrumItems(ProgramState& s, const Block& b, int batch) {
  const AnalysisOptions& ao = s.analysisOptions;
  LoadingData& ld = s.loadingData;
  const LoadingDatabase& db = s.loadingDatabase;
  const bool constant = ao.LoadingType == 3;
  const int k = s.results.MasterMseLabel != "1" ? 1 : 0;
  b.Line(0, s.jobTexts.LoadingName);
  b.Line(1, ao.StressApproachText);
  if (db.BatchPointCount[batch] >= 1 && ao.LoadingType == 2) b.Line(2, ld.BatchMseText2);
  const std::string form = ld.StressInputMode == 1 ? " (range)" : " (ampl.)";
  b.Line(k + 2, ao.MasterCurveParameter == 1
                    ? "SS =  PAR" + form
                    : "SS =  " + Loaded(s, static_cast<double>(ld.StressRange) / StressInputDivisor(s), "####0.0# ") + form);
  if (ao.MeanStressOption != 1)
    b.Line(k + 3, (ld.StressInputMode == 1 ? "Smin =  " : "Smean =  ") + Loaded(s, ld.StressMinOrMean, "####0.0# "));
  int32_t cycles = 1;
  if (!constant && !TryCLng(db.BatchBlockCycles[batch], cycles)) cycles = 0;
  b.Line(k + 4, "Cycles:  " + Format(cycles, "#######"));
  ld.LevelCount = constant ? 1 : ld.SpectrumLevelCount;
  b.Line(k + 5, "Levels:   " + Format(ld.LevelCount, "######"));
}

void DrawDistributionItems(const ProgramState& s, const Block& b, int batch) {
  const LoadingData& ld = s.loadingData;
  const double g = s.loadingDatabase.BatchPointCount[batch] > 0 ? 240 : 0;
  b.Line(0, s.jobTexts.LoadingName);
  b.Line(1, s.analysisOptions.StressApproachText);
  if (g > 0) b.At(b.y0 - 480, ld.BatchMseText2);
  b.At(b.y0 - (g + 720) * b.fs, "Q   =  " + Format(ld.DistQInput, "##0.0#"));
  b.At(b.y0 - (g + 960) * b.fs, "R   =  " + Format(ld.DistRInput, "##0.0#"));
  b.At(b.y0 - (g + 1200) * b.fs,
       "SS =  " + (s.analysisOptions.MasterCurveParameter == 1 ? std::string("PAR") : Loaded(s, ld.StressRange, "####.0 ")));
}

void DrawMaterialItems(const ProgramState& s, const Block& b) {
  const MaterialData& md = s.materialData;
  const UnitSettings& us = s.unitSettings;
  const int16_t type = s.analysisOptions.LoadingType;
  b.Line(0, s.jobTexts.MaterialName);
  b.Line(1, s.analysisOptions.SpecimenText);
  b.Line(2, s.analysisOptions.MasterCurveParameter == 1
                ? "Se =  " + Format(static_cast<double>(md.Se) * us.StressUnitFactor / 2, "###.0 ") + us.StressUnit
                : "Se =  PAR");
  b.Line(3, "No =  " + Format(md.EnduranceCycles, "0E+0# ") + "cyc");
  b.Line(4, "m  =  " + Format(md.SNExponent, "#0.0#"));
  b.Line(5, "r    =  " + Format(md.SNStressRatio, "#0.0#"));
  b.Line(6, "Pn =  " + Format(md.SurvivalProbability, "#0.0 ") + "%");
  if (type != 3) {
    const bool distribution = type == 4;
    b.Line(7, md.SNExtensionDisplay != 0
                  ? "No' =  " + Format(md.SNExtensionCycles, "0E+0# ") + "cyc"
                  : "Se'/Se  =  " + Format(distribution ? 0.0f : md.SNExtensionRatio, "0.0#"));
    if (md.SNExtensionRatio < 1)
      b.Line(8, "m'  =  " + Format(distribution ? md.SNExponent : md.SNExtensionExponent, "#0.0#"));
  }
  if (s.loadingUnits.LoadQuantity == "Strain ")
    b.Line(9, "E =  " + Format(static_cast<double>(md.YoungModulus) * us.StressUnitFactor, "#####0 ") + us.StressUnit);
}

void DrawOptionItems(const ProgramState& s, const Block& b, double relX, const JobSummaryTexts& summary) {
  const AnalysisOptions& ao = s.analysisOptions;
  const ComponentData& cd = s.componentData;
  const UnitSettings& us = s.unitSettings;
  const bool feature = ao.SNDataSpecimen == 1, nominal = ao.StressApproach == 1;
  const bool notched = cd.Kf > 1;
  int j = 0;
  b.Line(0, ao.NotchSensitivityText);
  if (ao.NotchSensitivityMode == 2) {
    j = 1;
    std::string line;
    if (!feature && !nominal) line = summary.notchFactorLabel + summary.notchFactorValue + (notched ? ", " : "");
    if (notched) line += "r = " + Format(static_cast<double>(cd.NotchRadius) * us.LengthUnitFactor, "##0.0# ") + us.SmallLengthUnit;
    b.Line(1, line);
  }
  std::string tag = s.resultsDisplay.MseTag;
  if (ao.MeanStressOption == 2 && ao.NotchSensitivityMode == 1 && nominal && feature)
    tag += summary.notchFactorLabel + Format(s.materialData.KtInput, "#0.0##");
  b.Line(j + 1, tag);
  if (feature)
    b.Line(j + 2, "t = " + Format(static_cast<double>(s.materialData.Thickness) * us.LengthUnitFactor, "###0.0# ") + us.SmallLengthUnit +
                      ", k = " + Format(s.materialData.ThicknessExponent, "###0.0# "));
  if (ao.LoadingType != 3) {
    ++j;
    b.Line(j + 2, "DTF = " + Format(ao.DamageToFailure, "#0.0#"));
  }
  if (nominal && ao.SNDataSpecimen == 2) {
    const std::string& caption = summary.notchFactorCaption;
    b.Line(j + 3, caption.substr(caption.size() > 7 ? caption.size() - 7 : 0) + Format(cd.Kt, "#0.0## "));
  }
  if (ao.RelOption == 1)
    Block{b.t, relX, b.y0, b.fs}.Line(2, "REL  =  " + Format(ao.RelValue, "0.0###"));
}

void Heading(Surface& t, double x, double y, const std::string& text) {
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text);
}

}  // namespace

void DrawMasterCurveTexts(ProgramState& s, Surface& text, Surface& graph, const MasterCurveGeometry& g, float V,
                          const JobSummaryTexts& summary) {
  const double fs = g.fs, H = g.H;
  const double xHead = g.XT + 200 * fs;
  text.SetFontBold(true);
  text.SetFontItalic(false);
  text.SetFontSize(Sng(10 * fs));
  text.SetForeColor(0);
  Heading(text, xHead, 0.98 * H - V - g.T, LoadingHeading(s));
  Heading(text, xHead, 0.67 * H - V, "Material: SN-data");
  Heading(text, xHead, 0.28 * H - V, "Analysis Options");
  text.SetFontSize(Sng(9 * fs));
  Heading(text, xHead, 0.05 * H, s.jobTexts.JobSubject);
  for (Surface* surface : {&graph, &text}) {
    surface->SetFontName("Microsoft Sans Serif");
    surface->SetFontBold(false);
    surface->SetFontItalic(false);
  }
  text.SetFontSize(Sng(9 * fs));

  const double xItem = g.XT + 300.0;
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  if (BatchInRecords(batch)) {
    const int16_t type = s.analysisOptions.LoadingType;
    const double lead = type == 4 ? g.T + 160 : g.T + 400;
    const Block loading{text, xItem, 0.98 * H - lead * fs - V, fs};
    if (type == 1)
      DrawHistoryItems(s, loading, batch);
    else if (type == 2 || type == 3)
      DrawSpectrumItems(s, loading, batch);
    else if (type == 4)
      DrawDistributionItems(s, loading, batch);
  }
  DrawMaterialItems(s, Block{text, xItem, 0.67 * H - 400 * fs - V, fs});
  DrawOptionItems(s, Block{text, xItem, 0.28 * H - 400 * fs - V, fs}, g.XT + 300 * fs, summary);
}
