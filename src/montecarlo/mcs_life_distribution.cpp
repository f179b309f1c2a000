// The life distribution: the histogram of the lower tail with the fitted
// density, above the reliability R(T).

#include <algorithm>
#include <cmath>
#include <string>

#include "montecarlo/mcs_plots.h"
#include "montecarlo/plot_markers.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr double kAxisX = 80, kAxisEnd = 670, kDataWidth = 540;
constexpr double kHistogramY = 0, kHistogramTop = 130;
constexpr double kReliabilityY = -190, kReliabilityTop = -55;
constexpr double kBarsHeight = 120;
constexpr double kMarkerSize = 3;
constexpr int kCurveSteps = 9990;  // t = 0.0001 .. 0.999

void PrintAt(Surface& t, double x, double y, const std::string& text) {
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text);
}

double XOf(double life, double sampleMax) { return kAxisX + kDataWidth * life / sampleMax; }

// The frame of one plot: the ordinate from `top` down to the life axis at
// `y`, the axis to its end, and their arrowheads; the titles.
void PlotFrame(Surface& t, double y, double top, const std::string& ordinate, double ordinateY,
               const std::string& lifeTitle, float phi) {
  t.Line(kAxisX, top, kAxisX, y, 0);
  t.Line(kAxisX, y, kAxisEnd, y, 0);
  DrawPlotMarkerA(t, kAxisEnd, y, 0, kMarkerSize);
  DrawPlotMarkerB(t, kAxisX, top, 0, kMarkerSize);
  t.SetFontSize(Sng(9.0 * phi));
  PrintAt(t, ordinate == "f(T)" ? 30 : 25, ordinateY, ordinate);
  PrintAt(t, 380, y - 15, lifeTitle);
  t.SetFontSize(Sng(8.0 * phi));
}

// The life axis below y: major ticks 0 .. M units of 10^Int(log10 Tmax),
// labelled with their number and the last with the unit's value (`mask`),
// and the minor ticks between them.
void LifeTicks(Surface& t, double y, double tmax, const char* mask) {
  if (!(tmax > 0) || !std::isfinite(tmax)) return;
  const double e = std::log10(tmax);
  const double decade = Int(e);
  const double m = std::pow(10.0, e - decade);
  const double u = kDataWidth / m;
  const int majors = static_cast<int>(Int(m));
  const int perUnit = majors < 5 ? 10 : 5;
  for (int i = 0; i <= majors; ++i) {
    const double x = kAxisX + i * u;
    t.Line(x, y, x, y - 3.5, 0);
    const std::string label = i < majors ? std::to_string(i) : Format(majors * std::pow(10.0, decade), mask);
    PrintAt(t, i < majors ? x - 3 : x - 12, y - 5, label);
  }
  int32_t minors = 0;
  if (!TryCLng(m * perUnit, minors)) return;
  for (int j = 1; j <= minors; ++j) {
    const double x = kAxisX + j * u / perUnit;
    t.Line(x, y, x, y - 2, 0);
  }
}

// A filled box with its outline; the left edge only right of the axis.
void Bar(Surface& t, double x1, double y1, double x2, double y2, int32_t fill) {
  const bool leftEdge = x1 > kAxisX;
  x1 = std::max(x1, kAxisX);
  if (!(x2 > x1)) return;
  t.Line(x1, y1, x2, y2, fill, Surface::kFilledBox);
  t.Line(x1, y2, x2, y2, kMcsBarColour);
  t.Line(x2, y1, x2, y2, kMcsBarColour);
  t.Line(x1, y1, x2, y1, kMcsBarColour);
  if (leftEdge) t.Line(x1, y1, x1, y2, kMcsBarColour);
}

// The fitted density over the histogram, scaled to the classes of the tail;
// left out when the scale is undefined (a tail below one class width, or no
// life as long as the tail's bound).
void FittedDensityCurve(const ProgramState& s, Surface& t, const LifeStatistics& st, float area) {
  const McsResults& r = s.mcsResults;
  const std::vector<float>& life = r.SimulatedLives;
  const int32_t n = std::min<int32_t>(s.mcsSettings.SimulationsDone, static_cast<int32_t>(life.size()) - 1);
  int32_t j = 1;
  while (j <= n && life[static_cast<std::size_t>(j)] < r.LowerTailLife) ++j;
  if (j > n || !(st.classWidth > 0.0f) || !(st.maxCount > 0.0f)) return;
  const double a = Int(r.LowerTailLife / st.classWidth);
  if (!(a > 0) || !std::isfinite(a)) return;
  const double g = kBarsHeight * j / (st.maxCount * a * area);
  double px = kAxisX, py = kHistogramY;
  for (int k = 1; k <= kCurveSteps; ++k) {
    const float x = Sng(k * 1.0e-4);
    const double X = kAxisX + kDataWidth * x, Y = g * FittedDensity(r, x);
    if (!std::isfinite(Y)) continue;
    t.Line(px, py, X, Y, kMcsFitColour);
    px = X;
    py = Y;
  }
}

void Histogram(const ProgramState& s, Surface& t, const McsPlotStyle& style, const LifeStatistics& st) {
  const McsResults& r = s.mcsResults;
  if (!(st.maxCount > 0.0f) || !(r.SampleMax > 0.0f)) return;
  for (int i = 1; i <= std::min<int>(st.classCount, kLifeClassMax - 1); ++i) {
    const double x1 = XOf(r.ClassMid[i] - st.classWidth, r.SampleMax), x2 = XOf(r.ClassMid[i], r.SampleMax);
    Bar(t, x1, kHistogramY, x2, r.ClassCount[i] * kBarsHeight / st.maxCount, style.fillColour);
  }
}

// The empirical reliability: a step per class, from the top class down.
void EmpiricalReliability(const ProgramState& s, Surface& t, const McsPlotStyle& style, const LifeStatistics& st) {
  const McsResults& r = s.mcsResults;
  const double n = s.mcsSettings.SimulationsDone;
  if (!(n > 0) || !(r.SampleMax > 0.0f)) return;
  const int classes = std::min<int>(st.classCount, kLifeClassMax - 1);
  double count = r.ClassCount[1] + n - st.total - r.OneCycleLifeCount;
  double right = XOf(r.ClassMid[1], r.SampleMax);
  for (int i = 1; i <= classes; ++i) {
    const double left = i == classes ? kAxisX : XOf(r.ClassMid[i] - st.classWidth, r.SampleMax);
    Bar(t, left, kReliabilityY, right, kReliabilityY + count * kBarsHeight / n, style.fillColour);
    right = left;
    count += r.ClassCount[i + 1];
  }
}

// The fitted reliability: 1 - the one-cycle share - the tail share of the
// running integral of the density.
void FittedReliability(const McsResults& r, Surface& t) {
  double px = kAxisX, py = kReliabilityY + kBarsHeight * (1.0 - r.OneCycleFraction);
  t.PSet(px, py, kMcsFitColour);
  float F = 0.0f;
  double previous = 0.0;
  for (int k = 1; k <= kCurveSteps; ++k) {
    const float x = Sng(k * 1.0e-4);
    const double d = FittedDensity(r, x);
    F = Sng(F + (d + previous) * 1.0e-4 / 2.0);
    previous = d;
    const double X = kAxisX + kDataWidth * x;
    const double Y = kReliabilityY + kBarsHeight - kBarsHeight * (r.OneCycleFraction + r.TailFraction * F);
    if (!std::isfinite(Y)) continue;
    t.Line(px, py, X, Y, kMcsFitColour);
    px = X;
    py = Y;
  }
}

}  // namespace

void DrawLifeDistribution(ProgramState& s, Surface& t, const McsPlotStyle& style, const LifeStatistics& st,
                          double tmax) {
  McsResults& r = s.mcsResults;
  const double n = s.mcsSettings.SimulationsDone;
  if (n > 0) r.TailFraction = Sng(st.total / n);
  const std::string lifeTitle = "Life " + style.unitLabel;
  PlotFrame(t, kHistogramY, kHistogramTop, "f(T)", 110, lifeTitle, style.phi);
  LifeTicks(t, kHistogramY, tmax, "0.0#E+## ");
  t.SetFillStyle(Surface::kFillSolid);
  Histogram(s, t, style, st);
  const float area = r.LifeFitKind > 1 ? FittedDensityArea(r) : 0.0f;
  const bool fitted = r.LifeFitKind > 1 && area > 0.0f && std::isfinite(area);
  if (fitted) FittedDensityCurve(s, t, st, area);
  PlotFrame(t, kReliabilityY, kReliabilityTop, "R(T)", -80, lifeTitle, style.phi);
  LifeTicks(t, kReliabilityY, tmax, "0.0E+##");
  for (int i = 1; i <= 10; ++i) t.Line(76, kReliabilityY + 12 * i, kAxisX, kReliabilityY + 12 * i, 0);
  EmpiricalReliability(s, t, style, st);
  if (r.LifeFitKind > 1) FittedReliability(r, t);
}
