// The history diagram: the stress (or strain) history in use times its
// scaling factor over the point number, on the screen picture Pic_Hist, the
// hidden print picture or the printer; and the history preview of the
// loading-database browser. Both plot through DrawDecimatedHistory, so that
// ten million points cost one line per pixel column.

#include "loading/ui/history_diagram.h"

#include <cmath>
#include <string>
#include <utility>

#include "loading/decimated_history.h"
#include "loading/diagram_axes.h"
#include "loading/diagram_placement.h"
#include "loading/scaling_factor.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/surface.h"
#include "platform/host.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

// The plot in an area of W x H for a history of n points whose largest value
// is smax and whose range starts at ymin (0 for a history above 0). Without
// a stress range or with fewer than two points the diagram has no scale: the
// zero line then lies at 0.9 of the stress axis and no curve is drawn.
HistoryGeometry GeometryOf(float W, float H, float smax, float smin, int32_t n) {
  HistoryGeometry g{};
  static_cast<PlotFrame&>(g) = PlotFrameOf(W, H, 0.95);
  g.n = n;
  const float ymin = smin <= 0 ? smin : 0.0f;
  const float range = smax - ymin;
  if (range > 0 && std::isfinite(range)) g.ky = Sng(H / range / 1.6);
  if (n > 1) g.kx = Sng((g.x1 - g.x0) / static_cast<double>(n - 1) / 1.05);
  g.drawable = g.ky > 0 && g.kx > 0;
  g.Yz = Sng(0.9 * g.y1 - smax * g.ky);
  return g;
}

void DrawHistoryAxes(Surface& surface, const HistoryGeometry& g, int32_t colour) {
  DrawUpwardAxis(surface, g.x0, g.y0 - 20, g.y1, colour);
  DrawRightwardAxis(surface, g.x0, g.Yz, g.x1, colour);
}

// The point axis from the stress axis to the last point, with an end line
// from 20 below it up to `endTop`.
void DrawPointAxis(Surface& surface, const HistoryGeometry& g, float endTop) {
  const float end = Sng(g.x1 / 1.045);
  surface.Line(g.x0, g.y0, end, g.y0, kDiagramBlack);
  surface.Line(end, g.y0 - 20, end, endTop, kDiagramBlack);
}

// On paper: the frame with its title, the point axis with its end tick, and
// the captions that the screen shows in labels.
void PrintPaperHeading(FormMain& main, Surface& surface, const HistoryGeometry& g, const DiagramPlace& p) {
  LoadingFramesPanel& lf = main.loadingFrames();
  const float fs = p.f;
  DrawPaperFrame(surface, lf.frm_Hist.Caption(), p.W, p.H, g.x0 - 300 * fs, g.x0 - 350 * fs, 10 * fs);
  surface.SetFontName("Microsoft Sans Serif");
  surface.SetFontSize(9 * fs);
  DrawPointAxis(surface, g, g.y0);
  PlaceText(surface, g.xc - 850 * fs, g.y1 + 50, lf.SHSmax.Caption());
  if (main.state().analysisOptions.AnalysisKind == analysis_kind::kProbabilistic) {
    PlaceText(surface, g.xc - 550 * fs, g.y1 - 200 * fs, lf.SHscal(0).Caption() + "  " + lf.load_distr(0).Caption());
  }
}

// The quantity down the stress axis, the first and the last point number
// and "POINTS".
void DrawAxisTexts(ProgramState& s, Surface& surface, const HistoryGeometry& g, float fs) {
  surface.SetFontName("Microsoft Sans Serif");
  std::string& word = s.shellState.CaptionBuf;
  word = s.loadingUnits.LoadQuantity != "Stress " ? "STRAIN" : "STRESS";
  surface.SetFontSize(6.5 * s.layoutScales.FontScale);
  PrintDownwards(surface, word, g.x0 - 220 * fs, g.y1, 200 * fs);
  surface.SetFontSize(9 * fs);
  PlaceText(surface, g.x0 - 20 * fs, g.y0 - 50 * fs, "1");
  surface.SetFontSize(6.5 * fs);
  PlaceText(surface, (g.x0 + g.x1) / 2.4, g.y0 - 80 * fs, "POINTS");
  surface.SetFontSize(9 * fs);
  const float c = static_cast<float>(StrInteger(g.n).size());
  PlaceText(surface, g.x0 + g.kx * static_cast<float>(g.n - 1) - 50 * fs * c, g.y0 - 50 * fs, PrintInteger(g.n));
}

void HideScalingControls(LoadingFramesPanel& lf) {
  lf.load_distr(0).SetVisible(false);
  for (int i = 0; i <= 1; ++i) {
    lf.SHscal(i).SetVisible(false);
    lf.SHscalt(i).SetVisible(false);
  }
}

}  // namespace

void DrawHistoryDiagram(FormMain& main, Surface& target, int batch) {
  ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const int b = BatchRow(batch);
  ResetDiagramPen(target);
  const bool screen = !OnPaper(DiagramSurfaceOf(target));
  if (screen) {
    HideScalingControls(lf);
    main.host().SetMousePointer(kPointerHourglass);
    main.host().DoEvents();
    PlaceLoadingFrame(main, lf.frm_Hist);
    target.Cls();
    target.SetFontSize(10);
  }
  double width = 0, height = 0;
  const DiagramPlace p = PlaceLoadingDiagram(main, target, kHistoryPlacement, lf.frm_Hist, lf.Pic_Hist, width, height);
  ScaleToDiagram(target, width, height, p);
  const HistoryExtremes e = ScaledHistoryExtremes(s, b, s.loadingData.ScalingFactor);
  s.loadingData.LoadSmax = e.max;
  s.loadingData.LoadSmin = e.min;
  const HistoryGeometry g =
      GeometryOf(p.W, p.H, s.loadingData.LoadSmax, s.loadingData.LoadSmin, s.loadingDatabase.BatchPointCount[b]);
  if (!screen) PrintPaperHeading(main, target, g, p);
  DrawAxisTexts(s, target, g, p.f);
  target.SetDrawWidth(1);
  DrawHistoryAxes(target, g, kDiagramBlack);
  if (g.drawable) {
    DrawDecimatedHistory(target, g.x0, g.Yz, g.kx, g.ky, kCurveMagenta, 1, g.n, s.loadingData.ScalingFactor,
                         s.loadingData.HistoryPoints);
  }
  if (!screen) return;
  PlaceHistoryControls(main, PictureSpot{target, width, height}, g);
  DrawPointAxis(target, g, g.Yz);  // on the screen its end runs up to the zero line
  main.host().SetMousePointer(kPointerDefault);
}

void DrawHistoryPreview(FormMain& main, int batch, const std::vector<float>& points) {
  const LoadingDatabase& db = main.state().loadingDatabase;
  LoadingDbPanel& browser = main.loadingDb();
  Surface& surface = browser.Pic_HistSH.surface();
  const int b = BatchRow(batch);
  main.host().SetMousePointer(kPointerHourglass);
  surface.Cls();
  const float W = Sng(browser.frm_HistSH.Width() * 0.96), H = Sng(browser.frm_HistSH.Height() * 0.9);
  browser.Pic_HistSH.SetHeight(H);
  browser.Pic_HistSH.SetWidth(W);
  const int32_t n = db.BatchPointCount[b];
  if (n >= 1) {
    surface.Scale(0, H, W, 0);
    const HistoryGeometry g = GeometryOf(W, H, db.BatchHistoryMax[b], db.BatchHistoryMin[b], n);
    surface.SetDrawWidth(1);
    surface.SetDrawStyle(Surface::kSolid);
    DrawHistoryAxes(surface, g, kPreviewGrey);
    if (g.drawable) DrawDecimatedHistory(surface, g.x0, g.Yz, g.kx, g.ky, kCurveMagenta, 1, n, 1.0f, points);
  }
  main.host().SetMousePointer(kPointerDefault);
}
