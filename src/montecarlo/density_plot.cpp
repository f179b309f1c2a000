#include "montecarlo/density_plot.h"

#include <algorithm>
#include <cmath>

#include "loading/diagram_axes.h"
#include "montecarlo/random_math.h"
#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"

namespace {

constexpr int32_t kPurple = kDiagramPurple;
constexpr int32_t kBlack = kDiagramBlack;
// The samples are steps of 0.005 of the plot's right end: up to 1.02 of it
// for the vertical scale, up to 1.1 of it for the curve.
constexpr double kSampleStep = 0.005;
constexpr int kScaleSamples = 204;
constexpr int kCurveSamples = 220;
// The heights of the parameter rows on paper, in parts of H.
constexpr double kRowHeights[] = {0.85, 0.8, 0.75, 0.7, 0.65};

float SampleX(double xm, int k) { return Sng(k * kSampleStep * xm); }

// The frame, its title in the gap of the top edge, and the dialog's texts.
void DrawPaperTexts(Surface& t, const DensityPlotView& v, const DensityPlotRegion& r, const DensityPlotFrame& f) {
  const float s = r.textScale;
  DrawPaperFrame(t, v.title, r.width, r.height, f.x0 - 300 * s, f.x0 - 350 * s, Sng(12.0 * s));
  t.SetFontSize(Sng(10.0 * s));
  t.SetFontBold(true);
  PlaceText(t, f.x0, 0.92 * r.height, v.variable);
  t.SetFontBold(false);
  for (size_t i = 0; i < v.rows.size(); ++i) PlaceText(t, f.x0, kRowHeights[i] * r.height, v.rows[i]);
}

void DrawAxes(Surface& t, const DensityPlotView& v, const DensityPlotRegion& r, const DensityPlotFrame& f) {
  const float s = r.textScale;
  t.SetFontSize(Sng(7.0 * v.fontScale));
  PrintDownwards(t, "PDF", f.x0 - 200 * s, f.yTop, 200 * s);
  PlaceText(t, f.x1, f.y0 - 85 * s, "X");
  t.SetFillStyle(Surface::kFillTransparent);
  t.SetDrawWidth(1);
  t.SetForeColor(kBlack);
  DrawUpwardAxis(t, f.x0, f.y0, f.yTop, kBlack);
  DrawRightwardAxis(t, f.x0, f.y0, f.x1, kBlack);
}

}  // namespace

DensityPlotRegion DensityPlotRegionOf(SurfaceKind kind, double w, double h, float fontScale) {
  switch (kind) {
    case SurfaceKind::Screen:
      return {Sng(w), Sng(h), 0.0f, 0.0f, fontScale, 1};
    case SurfaceKind::Bitmap:
      return {Sng(0.8 * w), Sng(0.8 * h), Sng(0.1 * w), Sng(0.1 * h), fontScale, 2};
    case SurfaceKind::Printer:
      break;
  }
  const PageBand band = PageBandOf(w, h);
  const double left = (band == PageBand::Tall ? 0.08 : band == PageBand::Middle ? 0.1 : 0.15) * w;
  const double height = 0.78 * h;
  // A tall page would put most of a H / 0.7 wide plot beyond its right edge.
  const double width = std::min(height / 0.7, w - 2.0 * left);
  return {Sng(width), Sng(height), Sng(left), Sng(0.1 * h), 1.0f, 5};
}

DensityPlotFrame DensityPlotFrameOf(const DensityPlotRegion& r, bool onPaper, int16_t type, float a, float b,
                                    float xmax) {
  DensityPlotFrame f{};
  f.x0 = Sng(0.1 * r.width);
  f.x1 = Sng(0.9 * r.width);
  f.y0 = Sng(0.15 * r.height);
  f.yTop = Sng((onPaper ? 0.55 : 0.9) * r.height);
  f.xm = std::isfinite(xmax) && xmax > 0.0f ? xmax : 1.0;
  f.ymax = 0.0;
  for (int k = 1; k <= kScaleSamples; ++k)
    f.ymax = std::max(f.ymax, CalcProbabilityDensity(type, a, b, SampleX(f.xm, k)));
  if (!(f.ymax > 0.0)) f.ymax = 1.0;  // nothing sampled: the point mass reaches its full height
  f.sy = (0.95 * f.yTop - f.y0) / f.ymax;
  f.sx = (0.9 * f.x1 - f.x0) / f.xm;
  return f;
}

void DrawDensityPlot(Surface& t, const DensityPlotView& v, int16_t type, float a, float b) {
  ResetDiagramPen(t);
  if (v.kind == SurfaceKind::Screen) t.Cls();
  if (v.kind == SurfaceKind::Printer) t.SetFontSize(9);
  const DensityPlotRegion r = DensityPlotRegionOf(v.kind, t.Width(), t.Height(), v.fontScale);
  t.Scale(0, t.Height(), t.Width(), 0);
  t.SetScaleLeft(t.ScaleLeft() - r.left);
  t.SetScaleTop(t.ScaleTop() - r.top);
  const DensityPlotFrame f = DensityPlotFrameOf(r, OnPaper(v.kind), type, a, b, v.xmax);
  if (OnPaper(v.kind)) DrawPaperTexts(t, v, r, f);
  DrawAxes(t, v, r, f);

  const auto X = [&f](double x) { return f.x0 + x * f.sx; };
  const auto Y = [&f](double p) { return f.y0 + p * f.sy; };
  t.Line(X(v.xmin), f.y0, X(v.xmin), f.y0 + 70.0, kPurple);
  t.Line(X(f.xm), f.y0, X(f.xm), f.y0 + 70.0, kPurple);
  t.Line(X(1.0), f.y0, X(1.0), f.y0 + 100.0, kBlack);

  t.SetDrawWidth(r.curveWidth);
  if (type >= 1 && type <= 4) {
    t.SetCurrentX(f.x0);
    t.SetCurrentY(f.y0);
    for (int k = 1; k <= kCurveSamples; ++k) {
      const float x = SampleX(f.xm, k);
      t.LineTo(X(x), Y(CalcProbabilityDensity(type, a, b, x)), kPurple);
    }
  }
  if (type >= 1 && type <= 5) {
    t.Line(X(v.xmin), f.y0, X(v.xmin), Y(f.ymax), kPurple);
    t.LineTo(X(f.xm), Y(f.ymax), kPurple);
    t.LineTo(X(f.xm), f.y0, kPurple);
  } else if (type == 0) {
    t.Line(X(1.0), f.y0, X(1.0), Y(1.0), kPurple);
  }

  const double labelY = f.y0 - 70.0 * r.textScale;
  PlaceText(t, f.x0, labelY, "0");
  PlaceText(t, f.x0 + f.sx, labelY, "1");
}
