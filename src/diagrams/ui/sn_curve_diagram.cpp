// The schematic S-N curve: the knee at the endurance limit, the finite-life
// line, the plateau and the dotted extension, on fixed proportions; the
// material's numbers stand beside it as labels (screen) or texts (paper).

#include <string>

#include "diagrams/diagram_surface.h"
#include "diagrams/sn_curve_geometry.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/sn_curve_labels.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

constexpr int32_t kBlack = 0;
constexpr int32_t kRed = 0x0000FF;
constexpr const char* kTextFont = "Microsoft Sans Serif";

// The S-N frame takes the upper left quarter of the window, the picture most of it.
void LayOutSnFrame(FormMain& main) {
  SnFramePanel& sn = main.snInputs();
  Frame& frame = sn.frm_SN;
  frame.SetWidth(main.ScaleWidth() / 2);
  frame.SetHeight(main.ScaleHeight() / 2);
  frame.SetLeft(0);
  frame.SetTop(10);
  const float w = frame.Width(), h = frame.Height();
  PictureBox& pic = sn.Pic_SN;
  pic.SetHeight(0.92f * h);
  pic.SetLeft(0.02f * w);
  pic.SetTop(0.07f * h / main.state().layoutScales.ScaleY);
  pic.SetWidth(0.96f * w);
}

void PrintAt(Surface& t, double x, double y, const std::string& text, bool keepPen = false) {
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text, keepPen);
}

// ---- the texts of the printed diagram

using TextOf = std::string (*)(const SnFramePanel&, const ProgramState&);
using Applies = bool (*)(const ProgramState&);

enum class X { X0, Xm };
enum class Y { Y0, Ye, Y1, Pen };

struct PrintedText {
  TextOf text;
  X x;
  float dx;  // x fs
  Y y;
  float dy;
  bool dyScaled;  // dy x fs
  bool keepPen;
  Applies applies;  // nullptr: always
};

std::string NoText(const SnFramePanel& sn, const ProgramState&) { return sn.SNNo.Caption(); }
std::string SeText(const SnFramePanel&, const ProgramState& s) {
  const float amplitude = Sng(s.materialData.SeFrom * s.unitSettings.StressUnitFactor) / 2;
  return "Se = " + Format(amplitude, "###0.0# ") + s.unitSettings.StressUnit + "  ";
}
std::string SeTagText(const SnFramePanel& sn, const ProgramState&) { return sn.dN_distr(0).Caption(); }
std::string PnText(const SnFramePanel& sn, const ProgramState&) { return sn.SNPn.Caption(); }
std::string MAndRText(const SnFramePanel& sn, const ProgramState&) {
  return sn.SNm.Caption() + ", " + sn.SNr.Caption();
}
std::string EText(const SnFramePanel& sn, const ProgramState&) { return sn.SNE.Caption(); }
std::string SuText(const SnFramePanel& sn, const ProgramState&) { return sn.SNth(3).Caption(); }
std::string SyText(const SnFramePanel& sn, const ProgramState&) { return sn.SNth(2).Caption(); }
bool Probabilistic(const ProgramState& s) { return s.analysisOptions.AnalysisKind == 2; }
bool StrainLoading(const ProgramState& s) { return s.loadingUnits.LoadQuantity == "Strain "; }

// The Sy and Su texts are printed whatever the mean-stress option; E, for a
// strain loading, above them in the same column.
constexpr PrintedText kPrintedTexts[] = {
    {NoText, X::Xm, -355, Y::Y0, -50, true, false, nullptr},
    {SeText, X::Xm, 1100, Y::Ye, 300, true, true, nullptr},
    {SeTagText, X::Xm, 0, Y::Pen, 0, false, false, Probabilistic},
    {PnText, X::Xm, 1200, Y::Ye, -50, true, false, nullptr},
    {MAndRText, X::Xm, 1000, Y::Y1, 0, false, false, nullptr},
    {EText, X::X0, 150, Y::Y0, 800, false, false, StrainLoading},
    {SuText, X::X0, 150, Y::Y0, 550, false, false, nullptr},
    {SyText, X::X0, 150, Y::Y0, 300, false, false, nullptr},
};

void PrintFrameAndTexts(FormMain& main, Surface& t, const SnCurveGeometry& g) {
  const ProgramState& s = main.state();
  const SnFramePanel& sn = main.snInputs();
  const float fs = g.fs;
  t.Line(0, 0, g.W, g.H, kBlack, Surface::kBox);
  t.SetFontName("Arial");
  t.SetFontSize(Sng(10.0 * fs));
  t.SetForeColor(kBlack);
  PrintCaptionOnEdge(t, sn.frm_SN.Caption(), g.x0 - 300 * fs, g.H + 100, g.x0 - 350 * fs, g.H, false);

  t.SetFontName(kTextFont);
  t.SetFontSize(Sng(9.0 * fs));
  for (const PrintedText& p : kPrintedTexts) {
    if (p.applies && !p.applies(s)) continue;
    const std::string text = p.text(sn, s);
    if (p.y == Y::Pen) {
      t.Print(text, p.keepPen);
      continue;
    }
    const double x = (p.x == X::X0 ? g.x0 : g.xm) + p.dx * fs;
    const double base = p.y == Y::Y0 ? g.y0 : p.y == Y::Ye ? g.ye : g.y1;
    PrintAt(t, x, base + (p.dyScaled ? p.dy * fs : p.dy), text, p.keepPen);
  }
}

// Axes with closed arrow heads; their offsets are diagram units, not scaled.
void DrawAxes(ProgramState& s, Surface& t, const SnCurveGeometry& g) {
  const float fs = g.fs;
  t.SetFontName(kTextFont);
  t.SetFontSize(Sng(6.5 * fs));
  std::string& title = s.shellState.CaptionBuf;
  title = "STRESS AMPL";
  for (size_t i = 1; i <= title.size(); ++i)
    PrintAt(t, g.x0 - 220 * fs, g.y1 - 200.0 * static_cast<double>(i) * fs, title.substr(i - 1, 1));
  t.Line(g.x0, g.y0, g.x0, g.y1 + 100, kBlack);
  t.Line(g.x0, g.y1 + 100, g.x0 + 30, g.y1, kBlack);
  t.LineTo(g.x0 - 30, g.y1, kBlack);
  t.LineTo(g.x0, g.y1 + 100, kBlack);
  t.Line(g.x0, g.y0, g.x1 + 100, g.y0, kBlack);
  t.Line(g.x1 + 100, g.y0, g.x1 + 10, g.y0 + 30, kBlack);
  t.LineTo(g.x1 + 10, g.y0 - 30, kBlack);
  t.LineTo(g.x1 + 100, g.y0, kBlack);
  PrintAt(t, g.x1 - 600 * fs, g.y0 - 80 * fs, "CYCLES");
  t.Line(g.xm, g.y0, g.xm, g.y0 - 50, kBlack);
}

void DrawCurve(const ProgramState& s, Surface& t, const SnCurveGeometry& g) {
  const MaterialData& md = s.materialData;
  t.SetDrawWidth(3 * g.k);
  t.Line(g.x1, g.ye, g.xm, g.ye, kRed);
  t.SetDrawWidth(2 * g.k);
  t.Line(g.xm, g.ye, g.Px, g.Py, kRed);
  const SnExtensionEnd e =
      SnExtensionEndFor(g, s.analysisOptions.LoadingType, md.SNExtensionRatio, md.SNExponent, md.SNExtensionExponent);
  if (e.drawn) {
    t.SetDrawWidth(1);
    t.SetDrawStyle(Surface::kDot);
    t.Line(g.xm, g.ye, e.xe, e.ye, kRed);
    if (e.plateau) t.Line(e.xe, e.ye, g.x1, e.ye, kRed);
  }
  t.SetDrawStyle(Surface::kSolid);
  t.SetDrawWidth(1);
}

}  // namespace

void DrawSNCurve(FormMain& main, Surface& target) {
  ProgramState& s = main.state();
  const SurfaceKind kind = KindOf(target);
  ResetDiagramPen(target);
  if (kind == SurfaceKind::Screen) {
    // Printer2 and the printer are not cleared: several diagrams share them.
    target.Cls();
    LayOutSnFrame(main);
  }
  const Frame& frame = main.snInputs().frm_SN;
  const float TW = Sng(target.Width()), TH = Sng(target.Height());
  const SnCurveGeometry g = SnCurveGeometryFor(kind, TW, TH, frame.Width(), frame.Height(), s.layoutScales.FontScale);
  target.Scale(0, TH, TW, 0);
  target.SetScaleLeft(target.ScaleLeft() - g.OX);
  target.SetScaleTop(target.ScaleTop() - g.OY);
  if (kind != SurfaceKind::Screen) PrintFrameAndTexts(main, target, g);
  DrawAxes(s, target, g);
  DrawCurve(s, target, g);
  if (kind == SurfaceKind::Screen) PlaceSnLabels(main, target, g);
}
