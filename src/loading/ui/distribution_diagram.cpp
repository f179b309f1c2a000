// The distribution diagram: the density of the loading distribution over the
// normalised stress range s = S / Smax, or for another loading type the
// selected batch's spectrum as bars, on the screen picture Pic_Distr, the
// hidden print picture or the printer; and the distribution preview of the
// loading-database browser.

#include "loading/ui/distribution_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "loading/diagram_axes.h"
#include "loading/diagram_placement.h"
#include "loading/distribution_shape.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/surface.h"
#include "platform/host.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

DistributionGeometry GeometryOf(float W, float H, float FK, int batch) {
  DistributionGeometry g{};
  static_cast<PlotFrame&>(g) = PlotFrameOf(W, H, 0.9);
  g.W = W;
  g.H = H;
  g.FK = FK;
  g.batch = batch;
  return g;
}

// s = 1 lies this far right of the density axis.
float UnitSpan(const DistributionGeometry& g) { return Sng((g.x1 - g.x0) / 1.05); }

// On paper: the frame with its title, and the captions that the screen shows
// in labels.
void PrintPaperHeading(FormMain& main, Surface& surface, const DistributionGeometry& g) {
  const ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  LoadingFramesPanel& lf = main.loadingFrames();
  const float fk = g.FK;
  DrawPaperFrame(surface, lf.frm_Distr.Caption(), g.W, g.H, g.x0 - 300 * fk, g.x0 - 350 * fk, 9 * fk);
  surface.SetFontName("Microsoft Sans Serif");
  if (a.LoadingType == loading_type::kDistribution) {
    PlaceText(surface, g.xc - 550 * fk, g.y1 - 200 * fk, lf.DT(0).Caption() + ",    " + lf.DT(1).Caption());
  } else if (a.LoadingType == loading_type::kSpectrum && a.MeanStressOption == mean_stress_option::kAccount) {
    PlaceText(surface, g.xc - 550 * fk, g.y1 - 200 * fk, lf.SSmean.Caption());
  }
  if (a.AnalysisKind == analysis_kind::kProbabilistic) {
    PlaceText(surface, g.xc - 550 * fk, g.y1 + 50 * fk, lf.SHscal(3).Caption() + "  " + lf.load_distr(2).Caption());
  }
  if (s.loadingDatabase.BatchPointCount[g.batch] > 0 && a.LoadingType != loading_type::kConstantAmplitude) {
    const std::string& tag = s.loadingData.BatchMseText;
    surface.SetFontSize(7 * fk);
    PlaceText(surface, g.W - fk * 100 * static_cast<float>(tag.size()), g.y1 + 300 * fk, tag);
  }
  surface.SetFontSize(9 * fk);
  PlaceText(surface, g.x1 - lf.DTSmax(1).Width() + 100, g.y0 - 50, lf.DTSmax(1).Caption());
  surface.SetFontSize(6.5 * fk);
  PlaceText(surface, g.x1 - 3400 * fk, g.y0 - 80, lf.DTrng(1).Caption());
}

// The density curve from the origin through the samples.
void DrawDensityCurve(Surface& surface, const std::vector<DensitySample>& samples, float xL, float yB, float xk,
                      double yk, int32_t colour) {
  surface.PSet(xL, yB, kDiagramBlack);
  for (const DensitySample& d : samples) surface.LineTo(xL + d.s * xk, yB + d.f * yk, colour);
}

// The tool tip of the Smax box: the probability that a stress range exceeds
// Smax.
std::string ExceedanceTip(const ProgramState& s, double probability) {
  const LoadingUnits& u = s.loadingUnits;
  return "P(DS > " + Format(s.loadingData.StressRangeTo * u.LoadUnitFactor, "####.## " + u.LoadUnit + ") = ") +
         Format(probability, "#.0#e+##");
}

// The density of the distribution in use. A typed Weibull or log-normal is
// first placed on s; one that cannot be (a shape R of 0), or a density
// without a peak, leaves the axes alone.
void DrawDensityView(FormMain& main, Surface& surface, const DistributionGeometry& g, const DiagramPlace& p) {
  ProgramState& s = main.state();
  LoadingData& l = s.loadingData;
  LoadingFramesPanel& lf = main.loadingFrames();
  surface.SetDrawWidth(1);
  const bool typed = l.DistributionType != 1 && s.loadingDbState.LoadingSource != 1;
  const bool shaped = typed ? TypedDistributionPlaceable(l) : (l.DistributionType == 1 || l.DistR != 0);
  if (!shaped) {
    SetTip(lf.DTSmaxt(1), "", s);
    return;
  }
  if (typed) NormaliseTypedDistribution(l);
  SetTip(lf.DTSmaxt(1), ExceedanceTip(s, DistributionExceedance(l.DistributionType, l.DistQ, l.DistR)), s);
  const std::vector<DensitySample> samples =
      DensitySamples(l.DistributionType, l.DistQ, l.DistR, 0.002f, 0.002f, 0.998f);
  const double fmax = DrawablePeak(samples);
  if (fmax == 0) return;
  const double yk = (g.H / fmax) / 1.65;
  const float xk = UnitSpan(g);
  surface.Line(g.x0 + xk, g.y0 - 50, g.x0 + xk, g.y0, kDiagramBlack);
  surface.PSet(g.x0, g.y0, kDiagramBlack);
  surface.SetDrawWidth(p.lineWidth);
  if (!OnPaper(p.kind)) {
    for (const DensitySample& d : samples) {
      surface.Line(g.x0 + (d.s - 0.005) * xk, g.y0, g.x0 + d.s * xk, g.y0 + d.f * yk,
                   s.colourSettings.InvalidFieldColour, Surface::kFilledBox);
    }
  }
  DrawDensityCurve(surface, samples, g.x0, g.y0, xk, yk, kDiagramPurple);
}

// Another loading type: the selected batch's levels as bars over s, each
// from its stress to the next lower one; the last bar's lower edge lies one
// level width below the lowest level. Nothing is written to the database.
void DrawSpectrumView(FormMain& main, Surface& surface, const DistributionGeometry& g, const DiagramPlace& p) {
  ProgramState& s = main.state();
  const LoadingDatabase& db = s.loadingDatabase;
  const int b = SelectedBatchOf(s);
  surface.SetDrawWidth(p.lineWidth);
  if (OnPaper(p.kind)) {
    surface.SetFillStyle(Surface::kFillTransparent);
  } else {
    surface.SetFillStyle(Surface::kFillSolid);
    surface.SetFillColor(s.colourSettings.InvalidFieldColour);
  }
  SetTip(main.loadingFrames().DTSmaxt(1), "", s);
  int16_t count = 0;
  const int n = TryCInt(db.BatchLevelCount[b], count) ? std::min<int>(count, kLevelMax) : 0;
  if (n < 1) return;
  const auto& stress = db.BatchLevelStress[b];
  const auto& cycles = db.BatchLevelCycles[b];
  const float cmax = *std::max_element(cycles.begin() + 1, cycles.begin() + n + 1);
  const bool distribution = db.BatchR[b] > 0;
  if (!(cmax > 0) || db.BatchUpper[b] == 0 || (distribution && n == 1)) return;
  const float xk = UnitSpan(g);
  const float yk = Sng((g.H / cmax) / 1.65);
  const float w = distribution ? (db.BatchUpper[b] - db.BatchLower[b]) / static_cast<float>(n - 1) : db.BatchLower[b];
  const float lastLower = db.BatchLower[b] - w;
  const float upper = db.BatchUpper[b];
  for (int i = 1; i <= n; ++i) {
    const float next = i < n ? stress[static_cast<size_t>(i) + 1] : lastLower;
    surface.Line(g.x0 + stress[i] / upper * xk, g.y0, g.x0 + next / upper * xk, g.y0 + yk * cycles[i], kDiagramPurple,
                 Surface::kBox);
  }
}

void DrawDistributionAxes(Surface& surface, const DistributionGeometry& g) {
  const float xk = UnitSpan(g);
  surface.SetDrawWidth(1);
  surface.Line(g.x0 + xk, g.y0, g.x0 + xk, g.y0 - 30, kDiagramBlack);
  DrawUpwardAxis(surface, g.x0, g.y0, g.y1, kDiagramBlack);
  DrawRightwardAxis(surface, g.x0, g.y0, g.x1, kDiagramBlack);
}

}  // namespace

void DrawDistributionDiagram(FormMain& main, Surface& target, int batch) {
  ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  s.loadingData.DistQ = s.loadingData.DistQInput;
  s.loadingData.DistR = s.loadingData.DistRInput;
  ResetDiagramPen(target);
  const bool screen = !OnPaper(DiagramSurfaceOf(target));
  if (screen) {
    target.Cls();
    PlaceLoadingFrame(main, lf.frm_Distr);
  }
  double width = 0, height = 0;
  const DiagramPlace p =
      PlaceLoadingDiagram(main, target, kDistributionPlacement, lf.frm_Distr, lf.Pic_Distr, width, height);
  target.SetFontSize(9);
  ScaleToDiagram(target, width, height, p);
  const DistributionGeometry g = GeometryOf(p.W, p.H, p.f, BatchRow(batch));
  if (!screen) PrintPaperHeading(main, target, g);
  target.SetFontName("Microsoft Sans Serif");
  target.SetFontSize(6.5 * g.FK);
  PrintDownwards(target, "PDF", g.x0 - 220 * g.FK, g.y1, 200 * g.FK);
  if (s.analysisOptions.LoadingType == loading_type::kDistribution) {
    lf.Pic_Distr.SetMousePointer(kPointerCross);
    SetTip(lf.Pic_Distr, "Right click to change the Distribution Type", s);
    DrawDensityView(main, target, g, p);
    lf.Pic_Distr.SetMousePointer(kPointerDefault);
  } else {
    DrawSpectrumView(main, target, g, p);
  }
  DrawDistributionAxes(target, g);
  if (!screen) return;
  PlaceDistributionControls(main, PictureSpot{target, width, height}, g);
}

void DrawDistributionPreview(FormMain& main, int batch) {
  ProgramState& s = main.state();
  const LoadingDatabase& db = s.loadingDatabase;
  LoadingDbPanel& browser = main.loadingDb();
  Surface& surface = browser.Pic_DistrSh.surface();
  const int i = BatchRow(batch);
  surface.Cls();
  const float w = Sng(browser.frm_DistrSH.Width() * 0.96), h = Sng(browser.frm_DistrSH.Height() * 0.9);
  browser.Pic_DistrSh.SetHeight(h);
  browser.Pic_DistrSh.SetWidth(w);
  if (db.BatchR[i] == 0) return;
  s.loadingData.DistR = db.BatchR[i];
  s.loadingData.DistQ = db.BatchQ[i];
  surface.Scale(0, h, w, 0);
  const DistributionGeometry g = GeometryOf(w, h, 1.0f, i);
  surface.SetDrawWidth(1);
  surface.SetDrawStyle(Surface::kSolid);
  DrawUpwardAxis(surface, g.x0, g.y0, g.y1, kPreviewGrey);
  DrawRightwardAxis(surface, g.x0, g.y0, g.x1, kPreviewGrey);
  const std::vector<DensitySample> samples = DensitySamples(
      DistributionTypeOfBatch(db.BatchDistType[i]), s.loadingData.DistQ, s.loadingData.DistR, 0.005f, 0.005f, 0.995f);
  const double fmax = DrawablePeak(samples);
  if (fmax == 0) return;
  DrawDensityCurve(surface, samples, g.x0, g.y0, UnitSpan(g), (h / fmax) / 1.65, kCurveMagenta);
}
