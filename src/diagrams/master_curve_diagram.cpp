#include "diagrams/master_curve_diagram.h"

#include <algorithm>
#include <cmath>

#include "diagrams/diagram_surface.h"
#include "diagrams/master_curve_axes.h"
#include "diagrams/master_curve_geometry.h"
#include "diagrams/master_curve_units.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr int32_t kRed = 0xFF;
constexpr int32_t kLightGrey = 0xC0C0C0;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int kLastPoint = 21;  // the axes take their range from point 21

// The plot area in the graph's user scale.
struct Plot {
  double XL, XR, YB, YT, fs;
  int32_t C;
};

double Sgn(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

void PrintAt(Surface& t, double x, double y, const std::string& text) {
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text);
}

void Dotted(Surface& t, double x1, double y1, double x2, double y2, int32_t colour) {
  t.SetDrawStyle(Surface::kDot);
  t.Line(x1, y1, x2, y2, colour);
  t.SetDrawStyle(Surface::kSolid);
}

// The largest finite life of the first 21 points, in blocks.
float LargestFiniteLife(const LifeResults& lr) {
  float largest = 0;
  for (int k = 1; k <= kLastPoint; ++k)
    if (lr.MasterLife[k] > largest && lr.MasterLife[k] < 1e29) largest = lr.MasterLife[k];
  return largest;
}

// The life axis from 0 to m x p, with its ticks, grid and labels.
double DrawLifeAxis(Surface& t, const Plot& p, const LifeAxis& a) {
  const double sx = Sng((p.XR - p.XL) / a.m / a.p);
  for (int i = 1; i <= CInt(10.0 * a.m - 1); ++i) {
    const double x = p.XL + sx * i * a.p / 10;
    t.Line(x, p.YB, x, p.YB - 40, p.C);
    t.Line(x, p.YT, x, p.YT + 40, p.C);
    if (i % a.labelStep == 0) Dotted(t, x, p.YB, x, p.YT, kLightGrey);
  }
  for (int i = 0; i <= CInt(a.m); ++i) {
    const double x = p.XL + sx * i * a.p;
    t.Line(x, p.YB, x, p.YB - 80, p.C);
    t.Line(x, p.YT, x, p.YT + 80, p.C);
    Dotted(t, x, p.YB, x, p.YT, p.C);
    PrintAt(t, x - 150 * p.fs, p.YB - 100 * p.fs, Format(static_cast<double>(a.p) * i, "0E+0"));
  }
  return sx;
}

// The parameter axis from 0 to n x r; its minor ticks and grid only beside
// a life axis. The last label stays in `CaptionBuf`.
double DrawParameterAxis(ProgramState& s, Surface& t, const Plot& p, const ParameterAxis& a, double lastValue,
                         bool withLives) {
  const double sy = Sng((p.YT - p.YB) / a.n / a.r);
  if (a.n < 10 && withLives) {
    const int step = TenthsStep(a.n);
    for (int i = 1; i <= CInt(10.0 * a.n - 1); ++i) {
      const double y = p.YB + i * sy * a.r / 10;
      t.Line(p.XL, y, p.XL - 40 * p.fs, y, p.C);
      t.Line(p.XR, y, p.XR + 50 * p.fs, y, p.C);
      if (i % step == 0) Dotted(t, p.XL, y, p.XR, y, kLightGrey);
    }
  }
  for (int i = 0; i <= Int(a.n); ++i) {
    const double y = p.YB + i * sy * a.r;
    t.Line(p.XL, y, p.XL - 80 * p.fs, y, p.C);
    t.Line(p.XR, y, p.XR + 80 * p.fs, y, p.C);
    if (i >= 1 && i < a.n && withLives) Dotted(t, p.XL, y, p.XR, y, p.C);
    std::string& label = s.shellState.CaptionBuf;
    label = Format(Sgn(lastValue) * i * a.r, "###0.0");
    PrintAt(t, p.XL - p.fs * (static_cast<double>(label.size()) + 1) * 100, y + 130, label);
  }
  return sy;
}

// The curve through the points with a life below 9.9e29, and the run-out of
// an infinite last point to the end of the life axis.
void DrawCurve(const ProgramState& s, Surface& t, const Plot& p, double sx, double sy, double lifeFactor,
               const ParameterDisplay& shown, double axisEnd) {
  const LifeResults& lr = s.lifeResults;
  const int last = std::clamp<int>(s.analysisOptions.MasterCurveSteps + 1, 0, kMasterPointsMax);
  const double syShown = sy * Sgn(lr.MasterParam[kLastPoint]) * shown.factor;
  bool started = false;
  double px = 0, py = 0;
  for (int k = 1; k <= last; ++k) {
    if (!(lr.MasterLife[k] < 9.9e29)) continue;
    const double x = p.XL + lifeFactor * lr.MasterLife[k] * sx;
    const double y = p.YB + static_cast<double>(lr.MasterParam[k]) / shown.divisor * syShown;
    if (started)
      t.Line(px, py, x, y, kRed);
    else
      t.PSet(x, y, kRed);
    started = true;
    px = x;
    py = y;
  }
  if (started && lr.MasterLife[kLastPoint] == 1e30f) t.Line(px, py, axisEnd, py, kRed);
}

}  // namespace

MasterCurveOutcome DrawMasterLifeDiagram(ProgramState& s, Surface& t, const MasterCurveGeometry& g,
                                         const std::string& lifeTitle, const std::string& infiniteCaption) {
  MasterCurveOutcome out;
  const bool screen = g.mode == 1;
  t.SetDrawWidth(1);
  t.SetDrawStyle(Surface::kSolid);
  t.SetFontSize(Sng(8 * g.fs));
  t.SetFontName("Microsoft Sans Serif");
  const Plot p{Sng(0.1 * g.W), Sng(0.9 * g.W), Sng(0.15 * g.H), Sng(0.9 * g.H), g.fs, g.C};
  if (screen) {
    t.SetFillStyle(Surface::kFillSolid);
    t.SetFillColor(kWhite);
  }
  t.Line(p.XL, p.YB, p.XR, p.YT, p.C, Surface::kBox);
  if (screen) t.SetFillStyle(Surface::kFillTransparent);

  const ParameterDisplay shown = ParameterDisplayOf(s);
  s.resultsDisplay.LifeUnitFactor2 = shown.factor;
  const float lifeFactor = s.resultsDisplay.LifeUnitFactor;
  const LifeResults& lr = s.lifeResults;

  LifeAxis life;
  double sx = 0;
  if (s.results.InfiniteLifeFlag == 1) {
    out.infinite = true;
    if (!screen) {
      t.SetFontBold(true);
      PrintAt(t, (p.XR + p.XL - 100.0 * infiniteCaption.size()) / 2, (p.YT + p.YB) / 2, infiniteCaption);
    }
    t.SetFontBold(false);
  } else {
    const float largest = LargestFiniteLife(lr);
    const float g105 = lr.MasterLife[1] <= 1e29 && lr.MasterLife[kLastPoint] <= 1e29 ? 1.0f : 1.05f;
    life = LifeAxisFor(Sng(static_cast<double>(lifeFactor) * g105 * largest));
    if (life.drawn) sx = DrawLifeAxis(t, p, life);
  }

  const double lastValue = lr.MasterParam[kLastPoint] / static_cast<double>(shown.divisor);
  const ParameterAxis param = ParameterAxisFor(lastValue, shown.factor);
  double sy = 0;
  if (param.drawn) sy = DrawParameterAxis(s, t, p, param, lastValue, life.drawn);

  t.Line(p.XL, p.YB, p.XL, p.YT, p.C);
  t.Line(p.XR, p.YB, p.XR, p.YT, p.C);
  t.SetFontBold(true);
  PrintAt(t, p.XL - 600 * p.fs, p.YT + 400, ParameterAxisTitle(s));
  if (!screen) PrintAt(t, (p.XR + p.XL - 100.0 * lifeTitle.size() - 500) / 2, p.YB - 500, lifeTitle);
  t.SetFontBold(false);
  t.Line(p.XL, p.YB, p.XR, p.YB, p.C);

  t.SetDrawWidth(2 * g.mode);
  if (!life.drawn || !param.drawn) return out;
  DrawCurve(s, t, p, sx, sy, lifeFactor, shown, p.XL + static_cast<double>(life.m) * life.p * sx);
  out.curveDrawn = true;
  return out;
}

MasterCurveOutcome DrawMasterCurveOverview(ProgramState& s, Surface& graph, Surface& text, const MasterCurveGeometry& g,
                                           const MasterCurveLabels& labels) {
  const bool screen = g.mode == 1;
  ResetDiagramPen(graph);
  text.SetDrawWidth(1);
  text.SetDrawStyle(Surface::kSolid);

  graph.Scale(0, graph.Height(), graph.Width(), 0);
  graph.SetScaleLeft(graph.ScaleLeft() - g.ML);
  graph.SetScaleTop(graph.ScaleTop() - g.MB);
  s.resultsDisplay.LifeUnitFactor = MasterLifeUnitFactor(s);

  const double fs = g.fs, W = g.W, H = g.H, XT = g.XT, WT = g.WT;
  if (!screen) {
    graph.Line(0, 0, W, H, g.C, Surface::kBox);
    graph.SetFontName("Arial");
    graph.SetFontSize(Sng(12 * fs));
    graph.SetForeColor(0);
    PrintCaptionOnEdge(graph, labels.graphCaption, 0.1 * W - 600 * fs, H + 150, 0.1 * W - 650 * fs, H, false);
    graph.Line(XT, 0, XT + WT, H, g.C, Surface::kBox);
    PrintCaptionOnEdge(graph, labels.textCaption, XT + 200 * fs, H + 150, XT + 150 * fs, H, false);
    for (double y : {0.71, 0.31, 0.08}) graph.Line(XT, y * H, XT + WT, y * H, g.C);
  } else {
    text.Scale(0, text.Height(), text.Width(), 0);
  }
  const float V = screen && s.layoutScales.ScaleX < 1 ? -100.0f : 0.0f;
  DrawMasterCurveTexts(s, text, graph, g, V, labels.summary);
  return DrawMasterLifeDiagram(s, graph, g, LifeAxisTitle(s), labels.infiniteCaption);
}
