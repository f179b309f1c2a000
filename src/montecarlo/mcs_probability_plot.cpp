// The probability plot of the simulated lives on log-normal or Weibull
// paper, with the fitted distribution.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "montecarlo/mcs_plots.h"
#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr double kX0 = ProbabilityPaper::x0, kY0 = ProbabilityPaper::y0;
constexpr double kPaperWidth = 990, kPaperHeight = 410;

void PrintAt(Surface& t, double x, double y, const std::string& text) {
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text);
}

// One line of the grid: a grey tick and a dotted line.
void GridLine(Surface& t, double x1, double y1, double x2, double y2, double tx, double ty) {
  t.Line(x1, y1, tx, ty, kMcsGrey);
  t.SetDrawStyle(Surface::kDot);
  t.Line(x1, y1, x2, y2, kMcsGrey);
  t.SetDrawStyle(Surface::kSolid);
}

// The decades of the life axis: from the smallest positive life up to the
// largest finite one, at least one.
void LifeAxis(Surface& t, const McsResults& r, ProbabilityPaper& paper) {
  const double f = paper.f;
  const double high = std::log10(r.MaxFiniteLife * f);
  int dhi = static_cast<int>(Int(high));
  if (high > dhi) ++dhi;
  paper.dlo = static_cast<int>(Int(std::log10(r.SampleMin * f)));
  const int n = std::max(1, dhi - paper.dlo);
  paper.sx = kPaperWidth / n;
  for (int i = 0; i <= n; ++i) {
    const double x = kX0 + i * paper.sx;
    t.Line(x, kY0, x, kY0 - 4, kMcsGrey);
    t.Line(x, kY0 + kPaperHeight, x, kY0 + kPaperHeight + 4, kMcsGrey);
    t.SetDrawStyle(Surface::kDot);
    t.Line(x, kY0, x, kY0 + kPaperHeight, kMcsGrey);
    t.SetDrawStyle(Surface::kSolid);
    if (i < n) {
      for (int j = 2; j <= 9; ++j) {
        const double xm = kX0 + paper.sx * (i + std::log10(static_cast<double>(j)));
        t.Line(xm, kY0, xm, kY0 - 3, kMcsGrey);
        t.Line(xm, kY0 + kPaperHeight, xm, kY0 + kPaperHeight + 3, kMcsGrey);
      }
    }
    const int decade = paper.dlo + i;
    PrintAt(t, x - 25, kY0 - 5, std::string("1E") + (decade < 0 ? "-" : "+") + std::to_string(std::abs(decade)));
  }
}

struct Label {
  const char* text;
  double x, y;  // x from x0; y from y0, or from the grid line of p when p > 0
  double p = 0;
};

void WeibullPaper(Surface& t, const ProbabilityPaper& paper) {
  // The grid in Single steps: decades to 0.1, tenths to 0.9, then 0.99 ...
  float p = static_cast<float>(paper.p0);
  auto grid = [&](float q) { GridLine(t, kX0, paper.Y(q), kX0 + kPaperWidth, paper.Y(q), kX0 - 4, paper.Y(q)); };
  while (p < 0.0999) {
    grid(p);
    p = Sng(p * 10.0);
  }
  while (p < 0.9) {
    grid(p);
    p = Sng(p + 0.1);
  }
  while (p < 0.9999) {
    grid(p);
    p = Sng(p + 0.9 * (1.0 - p));
  }
  static const std::vector<Label> k3 = {{"0.9999", -82, 355},      {"0.9", -45, 300},   {"0.5", -45, 7, 0.5},
                                        {"0.1", -45, 7, 0.1}, {"0.01", -57, 95}, {"0.001", -70, 7}};
  static const std::vector<Label> k4 = {{"0.9999", -82, 355}, {"0.99", -60, 332},  {"0.9", -45, 310},
                                        {"0.5", -45, 275},    {"0.1", -45, 218},   {"0.01", -57, 145},
                                        {"0.001", -70, 76},   {"0.0001", -82, 7}};
  for (const Label& l : paper.k == 3 ? k3 : k4) {
    PrintAt(t, kX0 + l.x, l.p > 0 ? paper.Y(l.p) + l.y : kY0 + l.y, l.text);
  }
}

// Heights of the log-normal grid: the standard normal quantile plus 3.71909.
struct NormalRow {
  double p, u;
  const char* label;
  double labelX, labelDy;
};
constexpr NormalRow kNormalGrid[] = {
    {0.001, 0.628838, "0.001", -70, 7}, {0.01, 1.39274, "0.01", -57, 7},   {0.1, 2.437538, "0.1", -45, 7},
    {0.2, 2.877469, nullptr, 0, 0},     {0.3, 3.194690, nullptr, 0, 0},    {0.4, 3.465743, nullptr, 0, 0},
    {0.5, 3.719090, "0.5", -45, 4},     {0.6, 3.972438, nullptr, 0, 0},    {0.7, 4.243491, nullptr, 0, 0},
    {0.8, 4.560711, nullptr, 0, 0},     {0.9, 5.000642, "0.9", -45, 7},    {0.99, 6.045437, "0.99", -60, 7},
    {0.999, 6.809343, "0.999", -70, 7}, {0.9999, 7.438180, "0.9999", -82, 7},
};

void LogNormalPaper(Surface& t, const ProbabilityPaper& paper) {
  for (const NormalRow& row : kNormalGrid) {
    const double y = kY0 + paper.sy * row.u;
    GridLine(t, kX0, y, kX0 + kPaperWidth, y, kX0 - 4, y);
    if (row.label) PrintAt(t, kX0 + row.labelX, y + row.labelDy, row.label);
  }
  PrintAt(t, kX0 - 82, kY0 + 7, "0.0001");
}

// The lives at their plotting positions; a circle that would cover the one
// drawn just before is left out (it would change no pixel).
void PlotLives(const ProgramState& s, Surface& t, const ProbabilityPaper& paper, int32_t fill) {
  const McsResults& r = s.mcsResults;
  const double n = s.mcsSettings.SimulationsDone;
  const int32_t usable = std::min<int32_t>(r.UsableLifeCount, static_cast<int32_t>(r.SimulatedLives.size()) - 1);
  t.SetFillStyle(Surface::kFillSolid);
  t.SetFillColor(fill);
  double lastX = 1e300, lastY = 1e300;
  for (int32_t i = 1; i <= usable; ++i) {
    const double p = (i - 0.3) / (n + 0.4);
    const float life = r.SimulatedLives[static_cast<std::size_t>(i)];
    if (!(p >= 1e-4 && p <= 0.9999 && life > 0.0f)) continue;
    const double x = paper.X(life), y = paper.Y(p);
    if (std::fabs(x - lastX) < 0.25 && std::fabs(y - lastY) < 0.25) continue;
    t.Circle(x, y, 4, kMcsLifeColour);
    lastX = x;
    lastY = y;
  }
}

// The fitted distribution in normalised life t = T / SampleMax, its running
// integral taken by trapezoids (the Weibull in its closed form).
void FittedCurve(const ProgramState& s, Surface& t, const ProbabilityPaper& paper) {
  const McsResults& r = s.mcsResults;
  const float area = FittedDensityArea(r);
  if (!(area > 0.0f) || !std::isfinite(area)) return;
  float F = 0.0f;
  double previous = 0.0;
  bool started = false;
  double px = 0, py = 0;
  for (int k = 1; k <= 9000; ++k) {
    const float x = Sng(k * 1.0e-4);
    const double d = FittedDensity(r, x);
    F = Sng(F + (d + previous) * 1.0e-4 / 2.0);
    previous = d;
    if (r.LifeFitKind == 3) F = Sng(1.0 - std::exp(-std::pow(x / r.LifeFitPar1, static_cast<double>(r.LifeFitPar2))));
    if (!(F < area)) break;
    const double share = static_cast<double>(F) / area;
    const double X = paper.X(static_cast<double>(x) * r.SampleMax);
    const double P = r.OneCycleFraction + r.TailFraction * share;
    const double Y = paper.Y(P);
    if (!(r.TailFraction * share >= paper.p0 && share <= 0.9999 && X > ProbabilityPaper::x0) || !std::isfinite(Y))
      continue;
    if (started)
      t.Line(px, py, X, Y, kMcsFitColour);
    else
      t.PSet(X, Y, kMcsFitColour);
    started = true;
    px = X;
    py = Y;
  }
}

}  // namespace

double ProbabilityPaper::X(double storedLife) const { return x0 + sx * (std::log10(storedLife * f) - dlo); }

double ProbabilityPaper::Y(double p) const {
  if (weibull) return y0 + sy * (std::log10(std::log(1.0 / (1.0 - p))) + k);
  return y0 + sy * (CalcNormalQuantile(static_cast<float>(p)) - CalcNormalQuantile(1e-4f));
}

ProbabilityPaper DrawProbabilityPlot(ProgramState& s, Surface& t, const McsPlotStyle& style) {
  const McsResults& r = s.mcsResults;
  ProbabilityPaper paper;
  paper.f = style.f;
  paper.weibull = r.LifeFitKind == 3 || (r.LifeFitKind == 1 && s.mcsDisplay.McsPlotPaper == 1);
  if (paper.weibull) {
    const bool deep = r.LifeFitKind > 1 || s.mcsSettings.SimulationsDone > 999;
    paper.k = deep ? 4 : 3;
    paper.p0 = deep ? 1e-4 : 1e-3;
    paper.sy = 350.0 / (paper.k + 1);
  } else {
    paper.k = 7;
    paper.p0 = 1e-4;
    paper.sy = 350.0 / (paper.k + 0.5);
  }
  LifeAxis(t, r, paper);
  if (paper.weibull)
    WeibullPaper(t, paper);
  else
    LogNormalPaper(t, paper);
  PlotLives(s, t, paper, style.fillColour);
  if (r.LifeFitKind > 1) FittedCurve(s, t, paper);
  t.SetFontSize(Sng(9.0 * style.phi));
  t.SetFontBold(true);
  PrintAt(t, (2 * kX0 + kPaperWidth) * 0.45, kY0 - 20, " Life  T" + style.unitLabel);
  PrintAt(t, kX0 - 65, kY0 + 385, " P(T)");
  t.SetFontBold(false);
  t.SetFontSize(Sng(8.0 * style.phi));
  return paper;
}
