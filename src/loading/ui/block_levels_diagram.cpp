// The spectrum diagram: one block of a block spectrum, or constant
// amplitude, as bars on a linear cycles axis, on the screen picture
// Pic_Spectr, the hidden print picture or the printer; and the small
// spectrum preview of the loading-database browser.

#include "loading/ui/block_levels_diagram.h"

#include <algorithm>
#include <string>

#include "loading/diagram_axes.h"
#include "loading/diagram_placement.h"
#include "loading/selected_batch.h"
#include "loading/stress_pair.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/surface.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

// A Single taken as a 32-bit count, 0 where it does not fit.
int32_t WholeCount(float v) {
  int32_t n = 0;
  return TryCLng(v, n) ? n : 0;
}

// A batch's level count taken as a 16-bit whole number, 1 .. 500.
int LevelCountOf(float count) {
  int16_t n = 0;
  return TryCInt(count, n) ? std::clamp<int>(n, 1, kLevelMax) : 1;
}

// The ends of the plot in a diagram area of W x H.
SpectrumGeometry FrameOf(float W, float H) {
  SpectrumGeometry g{};
  static_cast<PlotFrame&>(g) = PlotFrameOf(W, H, 0.9);
  return g;
}

SpectrumGeometry GeometryOf(const ProgramState& s, int b, const DiagramPlace& p) {
  const LoadingDatabase& db = s.loadingDatabase;
  SpectrumGeometry g = FrameOf(p.W, p.H);
  g.batch = b;
  const bool levels = b != 0 && db.BatchLevelCount[b] != 0;
  g.Sref = levels ? db.BatchUpper[b] : s.loadingData.StressRangeTo;
  if (s.analysisOptions.LoadingType == loading_type::kConstantAmplitude) {
    g.N = 1;
    g.L = 1;
  } else {
    g.N = WholeCount(db.BatchBlockCycles[b]);
    g.L = LevelCountOf(db.BatchLevelCount[b]);
  }
  g.drawable = g.Sref != 0 && g.N != 0;
  if (g.drawable) {
    g.ys = Sng((g.y1 - g.y0) / g.Sref / 1.22);
    g.xs = Sng((g.x1 - g.x0) / static_cast<double>(g.N) / 1.05);
  }
  return g;
}

// On paper: the frame with its title, and the captions that the screen shows
// in labels (as the last screen drawing left them).
void PrintPaperHeading(FormMain& main, Surface& surface, const SpectrumGeometry& g, const DiagramPlace& p) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const float f = p.f;
  DrawPaperFrame(surface, lf.frm_Spectr.Caption(), p.W, p.H, g.x0 - 300 * f, g.x0 - 350 * f, 10 * f);
  surface.SetFontSize(9 * f);
  if (s.analysisOptions.MeanStressOption == mean_stress_option::kAccount)
    PlaceText(surface, g.x0 + 2600 * f, g.y1 - 300 * f, lf.SSmean.Caption());
  if (s.loadingDatabase.BatchPointCount[g.batch] >= 1 &&
      s.analysisOptions.LoadingType != loading_type::kConstantAmplitude) {
    const std::string& tag = s.loadingData.BatchMseText;
    surface.SetFontSize(7 * f);
    PlaceText(surface, p.W - f * 90 * static_cast<float>(tag.size()), g.y1 + 200 * f, tag);
  }
  surface.SetFontSize(9 * f);
  surface.SetFontName("Microsoft Sans Serif");
  PlaceText(surface, g.x0 + 100 * f, g.y1 - 300 * f, lf.SSmax(0).Caption());
  surface.SetCurrentX(g.x0 + 1300 * f);
  surface.Print(lf.SSrng(0).Caption(), true);
  if (s.analysisOptions.AnalysisKind == analysis_kind::kProbabilistic) {
    PlaceText(surface, g.xc - 550 * f, g.y1 - 50 * f, lf.SHscal(2).Caption() + lf.load_distr(1).Caption());
  }
}

// The vertical title, "CYCLES" and, with a scale, the end tick with the
// cycles per block of a block spectrum.
void DrawAxisTexts(ProgramState& s, Surface& surface, const SpectrumGeometry& g, float f) {
  surface.SetFontName("Microsoft Sans Serif");
  surface.SetFontSize(6.5 * f);
  std::string& title = s.shellState.CaptionBuf;
  title = s.loadingUnits.LoadQuantity == "Stress " ? "STRESS" : "STRAIN";
  title += s.loadingData.StressInputMode == 1 ? " RANGE" : " AMPL ";
  PrintDownwards(surface, title, g.x0 - 220 * f, g.y1, 200 * f);
  PlaceText(surface, (g.x0 + g.x1) * 0.56, g.y0 - 80 * f, "CYCLES");
  if (!g.drawable) return;
  const float xe = g.x0 + g.xs * static_cast<float>(g.N);
  surface.Line(xe, g.y0 - 30, xe, g.y0, kDiagramBlack);
  surface.SetFontSize(9 * f);
  if (s.analysisOptions.LoadingType == loading_type::kSpectrum) {
    const std::string n = StrInteger(g.N);
    PlaceText(surface, xe - f * 50 * static_cast<float>(n.size()), g.y0 - 50 * f, PrintInteger(g.N));
  }
}

struct Level {
  float stress;
  int64_t cycles;
};

// Level k of a block spectrum (its stress and whole cycles), or the one bar
// of constant amplitude.
Level LevelOf(const LoadingDatabase& db, const SpectrumGeometry& g, bool block, int k) {
  if (!block) return {g.Sref, 1};
  return {db.BatchLevelStress[g.batch][k], WholeCount(db.BatchLevelCycles[g.batch][k])};
}

// Whether no level of a block spectrum has a stress above the one before it.
bool DescendingOf(const LoadingDatabase& db, const SpectrumGeometry& g, bool block) {
  if (!block) return true;
  for (int k = 2; k <= g.L; ++k) {
    if (db.BatchLevelStress[g.batch][k] > db.BatchLevelStress[g.batch][k - 1]) return false;
  }
  return true;
}

double XOf(const SpectrumGeometry& g, int64_t cycles) {
  return g.x0 + static_cast<double>(g.xs) * static_cast<double>(cycles);
}

// One level of the staircase outline on paper and in the preview: from the
// pen up or down to the level, along it, and down to the cycles axis.
void OutlineLevel(Surface& surface, const SpectrumGeometry& g, int64_t end, const Level& level, int32_t colour) {
  const double y = level.stress * g.ys + g.y0;
  surface.LineTo(XOf(g, end - level.cycles), y, colour);
  surface.LineTo(XOf(g, end), y, colour);
  surface.LineTo(XOf(g, end), g.y0, colour);
}

// A saw-tooth of 15 teeth inside the bar of constant amplitude.
void DrawSawTooth(Surface& surface, const SpectrumGeometry& g) {
  surface.SetDrawWidth(1);
  surface.PSet(g.x0, g.y0, kDiagramPurple);
  const double span = g.x1 - g.x0;
  for (int j = 1; j <= 29; j += 2) {
    surface.LineTo(g.x0 + span * j / 30 / 1.05, g.y1 / 1.18, kDiagramPurple);
    surface.LineTo(g.x0 + span * (j + 1) / 30 / 1.05, g.y0, kDiagramPurple);
  }
}

// The bars: filled boxes on the screen, one staircase outline on paper; the
// saw-tooth of constant amplitude. A diagram without a scale has none.
void DrawBars(const ProgramState& s, Surface& surface, const SpectrumGeometry& g, const DiagramPlace& p) {
  if (!g.drawable) return;
  const bool block = s.analysisOptions.LoadingType == loading_type::kSpectrum;
  const LoadingDatabase& db = s.loadingDatabase;
  surface.PSet(g.x0, g.Sref * g.ys + g.y0, kDiagramPurple);
  surface.SetDrawWidth(p.lineWidth);
  int64_t c = 0;
  for (int k = 1; k <= g.L; ++k) {
    const Level level = LevelOf(db, g, block, k);
    c += level.cycles;
    if (!OnPaper(p.kind)) {
      surface.SetFillStyle(Surface::kFillSolid);
      surface.SetFillColor(s.colourSettings.InvalidFieldColour);
      if (level.cycles > 0) {
        surface.Line(XOf(g, c - level.cycles), g.y0, XOf(g, c), level.stress * g.ys + g.y0, kDiagramPurple,
                     Surface::kBox);
      }
    } else {
      OutlineLevel(surface, g, c, level, kDiagramPurple);
    }
    if (s.analysisOptions.LoadingType == loading_type::kConstantAmplitude) DrawSawTooth(surface, g);
  }
}

void DrawSpectrumAxes(Surface& surface, const SpectrumGeometry& g, int32_t colour) {
  DrawUpwardAxis(surface, g.x0, g.y0, g.y1, colour);
  DrawRightwardAxis(surface, g.x0, g.y0, g.x1, colour);
}

}  // namespace

void DrawSpectrumDiagram(FormMain& main, Surface& target, int /*batch*/) {
  ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const int b = SelectedBatchOf(s);
  SetSpectrumEntryControls(main);
  if (b == 0 || s.loadingDatabase.BatchLevelCount[b] == 0) DeriveTypedStressPair(s.loadingData);
  ResetDiagramPen(target);
  const bool screen = !OnPaper(DiagramSurfaceOf(target));
  if (screen) {
    target.Cls();
    lf.load_distr(1).SetVisible(false);
    lf.SHscal(2).SetVisible(false);
    PlaceLoadingFrame(main, lf.frm_Spectr);
    target.Cls();
  }
  double width = 0, height = 0;
  const DiagramPlace p =
      PlaceLoadingDiagram(main, target, kSpectrumPlacement, lf.frm_Spectr, lf.Pic_Spectr, width, height);
  ScaleToDiagram(target, width, height, p);
  const SpectrumGeometry g = GeometryOf(s, b, p);
  s.loadingData.SpectrumDescending =
      DescendingOf(s.loadingDatabase, g, s.analysisOptions.LoadingType == loading_type::kSpectrum);
  if (!screen) PrintPaperHeading(main, target, g, p);
  DrawAxisTexts(s, target, g, p.f);
  DrawBars(s, target, g, p);
  target.SetFillStyle(Surface::kFillTransparent);
  target.SetDrawWidth(1);
  DrawSpectrumAxes(target, g, kDiagramBlack);
  if (!screen) return;
  PlaceSpectrumControls(main, PictureSpot{target, width, height}, g);
}

void DrawSpectrumPreview(FormMain& main, int batch) {
  const LoadingDatabase& db = main.state().loadingDatabase;
  const int i = BatchRow(batch);
  if (i == 0 || db.BatchLevelCount[i] == 0) return;
  LoadingDbPanel& browser = main.loadingDb();
  Surface& surface = browser.Pic_SpectrSH.surface();
  const float W = Sng(browser.frm_SpectrSH.Width() * 0.96), H = Sng(browser.frm_SpectrSH.Height() * 0.9);
  surface.Cls();
  browser.Pic_SpectrSH.SetHeight(H);
  browser.Pic_SpectrSH.SetWidth(W);
  surface.Scale(0, H, W, 0);
  SpectrumGeometry g = FrameOf(W, H);
  g.batch = i;
  g.Sref = db.BatchUpper[i];
  g.L = LevelCountOf(db.BatchLevelCount[i]);
  g.N = WholeCount(db.BatchBlockCycles[i]);
  g.drawable = g.Sref != 0 && g.N != 0;
  surface.SetDrawWidth(1);
  surface.SetDrawStyle(Surface::kSolid);
  DrawSpectrumAxes(surface, g, kPreviewGrey);
  if (!g.drawable) return;
  g.ys = Sng((g.y1 - g.y0) / g.Sref / 1.25);
  g.xs = Sng((g.x1 - g.x0) / static_cast<double>(g.N) / 1.05);
  surface.PSet(g.x0, g.Sref * g.ys + g.y0, kCurveMagenta);
  int64_t c = 0;
  for (int k = 1; k <= g.L; ++k) {
    const Level level = LevelOf(db, g, true, k);
    c += level.cycles;
    OutlineLevel(surface, g, c, level, kCurveMagenta);
  }
}
