#include "diagrams/damage_diagram.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "diagrams/bar_lines.h"
#include "diagrams/damage_geometry.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr int32_t kBarOutline = 0x404080;
constexpr int32_t kBarFill = 0x80C0FF;

// The plot box inside the diagram: bars from x0 to x1 above the base line y0,
// up to yt.
struct PlotBox {
  float x0, x1, y0, yt;
};


void PrintAt(Surface& t, double x, double y, const std::string& text) {
  t.SetCurrentX(x);
  t.SetCurrentY(y);
  t.Print(text);
}

// The damage at the top of the axis, left of the plot box and above it: at
// its design place, or further out where the font would reach the box's
// lines there.
void PrintTopValue(Surface& t, const PlotBox& b, double x, double y, const std::string& text) {
  const double height = std::fabs(t.TextHeight(text));
  const double gap = height / 4;
  PrintAt(t, std::min(x, b.x0 - t.TextWidth(text) - gap), std::max(y, b.yt + height + gap), text);
}

void DrawAxisTitles(ProgramState& s, Surface& t, const PlotBox& b, float fs) {
  t.SetFontName("Microsoft Sans Serif");
  t.SetFontSize(Sng(6.5 * fs));
  t.SetCurrentY(b.y0 - 80.0 * fs);
  t.SetCurrentX((static_cast<double>(b.x1) + b.x0) / 2.5);
  t.Print(s.analysisOptions.LoadingType == 1 ? "RAIFLOW CYCLES" : "SPECTRUM LEVELS");
  std::string& caption = s.shellState.CaptionBuf;
  caption = "DAMAGE";
  for (int k = 1; k <= 6; ++k)
    PrintAt(t, b.x0 - 220.0 * fs, b.yt - 200.0 * fs - 200.0 * k * fs, caption.substr(k - 1, 1));
  t.Line(b.x0, b.y0, b.x1, b.yt, 0, Surface::kBox);
}

// A bar from xa to xb over the base line, topped at ytop.
void Bar(Surface& t, double xa, double y0, double xb, double ytop) { t.Line(xa, y0, xb, ytop, kBarOutline, Surface::kBox); }

// The levels' bars: `spans(k, xa, xb)` gives the horizontal extent of level
// k; heights by the display mode.
template <class Spans>
void DrawLevelBars(const ProgramState& s, Surface& t, const PlotBox& b, float ky, int kFirst, int kLast, int step,
                   Spans spans) {
  const std::vector<float>& damage = s.results.LevelDamage;
  const bool cumulative = s.resultsDisplay.DamageDisplayMode == 1;
  float before = 0;
  for (int k = kFirst; step > 0 ? k <= kLast : k >= kLast; k += step) {
    const float d = damage[static_cast<size_t>(k)];
    double xa = 0, xb = 0;
    spans(k, xa, xb);
    if (cumulative)
      Bar(t, xa, b.y0, xb, b.y0 + (static_cast<double>(before) + d) * ky);
    else if (d > 1e-29)
      Bar(t, xa, b.y0, xb, b.y0 + static_cast<double>(d) * ky);
    before = Sng(static_cast<double>(before) + d);
  }
}

// Spectrum and constant amplitude: the width stands for the cycles of one block.
void DrawSpectrumBars(ProgramState& s, Surface& t, const PlotBox& b, float ky, int batch) {
  LoadingDatabase& db = s.loadingDatabase;
  int32_t cycles = 1;
  if (s.analysisOptions.LoadingType == 3)
    db.BatchLevelCycles[batch][1] = 1.0f;
  else if (!TryCLng(db.BatchBlockCycles[batch], cycles))
    return;
  if (cycles <= 0) return;
  const float w = Sng((static_cast<double>(b.x1) - b.x0) / cycles);
  const auto& levelCycles = db.BatchLevelCycles[batch];
  double c = 0;
  DrawLevelBars(s, t, b, ky, 1, s.loadingData.LevelCount, 1, [&](int k, double& xa, double& xb) {
    xa = b.x0 + static_cast<double>(w) * c;
    xb = b.x0 + static_cast<double>(w) * (c + levelCycles[k]);
    c = std::nearbyint(c + levelCycles[k]);  // a whole number, halves to even
  });
}

// A spectrum shown as a distribution: the width stands for the stresses from
// 0 to the batch's upper stress, the levels taken from the highest down.
void DrawDistributionBars(ProgramState& s, Surface& t, const PlotBox& b, float ky, int batch) {
  const LoadingDatabase& db = s.loadingDatabase;
  const float upper = db.BatchUpper[batch], lower = db.BatchLower[batch];
  if (upper == 0) return;
  float d = lower;
  if (db.BatchR[batch] > 0) {
    if (db.BatchLevelCount[batch] == 1) return;
    d = Sng((static_cast<double>(upper) - lower) / (static_cast<double>(db.BatchLevelCount[batch]) - 1));
  }
  const float w = Sng((static_cast<double>(b.x1) - b.x0) / upper);
  const auto& stresses = db.BatchLevelStress[batch];
  float from = Sng(static_cast<double>(lower) - d);
  DrawLevelBars(s, t, b, ky, s.loadingData.LevelCount, 1, -1, [&](int k, double& xa, double& xb) {
    xa = b.x0 + static_cast<double>(w) * from;
    xb = b.x0 + static_cast<double>(w) * stresses[k];
    from = stresses[k];
  });
}

void DrawLoadingLevelBars(ProgramState& s, Surface& t, const PlotBox& b, float ky, const DamageDiagramView& view) {
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  const int levels = s.loadingData.LevelCount;
  if (!BatchInRecords(batch)) return;
  if (levels < 0 || levels > kLevelMax || static_cast<size_t>(levels) >= s.results.LevelDamage.size()) return;
  float& firstLevelCycles = s.loadingDatabase.BatchLevelCycles[batch][1];
  const float kept = firstLevelCycles;
  if (view.spectrumShown)
    DrawSpectrumBars(s, t, b, ky, batch);
  else if (view.distributionShown)
    DrawDistributionBars(s, t, b, ky, batch);
  firstLevelCycles = kept;
}

void DrawHistoryBars(ProgramState& s, Surface& t, const PlotBox& b, float ky) {
  const int32_t count = s.loadingData.CyclesPerBlock;
  if (count <= 0 || static_cast<size_t>(count) >= s.results.LevelDamage.size()) return;
  const float w = Sng((static_cast<double>(b.x1) - b.x0) / count);
  const int32_t flag = s.resultsDisplay.DamageDisplayMode > 0 ? 1 : 0;
  float sum = 0;
  DrawBarLines(s, t, b.x0, b.y0, w, ky, kBarOutline, flag, count, sum);
}

}  // namespace

void DrawDamageBars(ProgramState& s, Surface& t, const DamageDiagramView& view) {
  ResetDiagramPen(t);
  const float fs = s.layoutScales.FontScale;
  const DamageGeometry g = DamageGeometryFor(view.kind, t.Width(), t.Height(), view.frameWidth, view.frameHeight, fs);
  if (view.kind == SurfaceKind::Screen) t.Cls();
  ScaleUpwardsFrom(t, g.left, g.bottom);
  PlotBox b{Sng(0.1 * g.W), Sng(0.9 * g.W), Sng(0.15 * g.H), Sng(0.9 * g.H)};
  if (OnPaper(view.kind)) {
    if (view.distributionShown) std::swap(b.x0, b.x1);
    t.Line(0, 0, g.W, g.H, 0, Surface::kBox);
    t.SetFontSize(Sng(10.0 * g.fs));
    PrintCaptionOnEdge(t, view.title, b.x0 - 300.0 * g.fs, g.H + 100.0, b.x0 - 350.0 * g.fs, g.H, true);
  }
  DrawAxisTitles(s, t, b, g.fs);

  const Results& r = s.results;
  if (r.MaxLevelDamage == 0) return;
  const bool cumulative = s.resultsDisplay.DamageDisplayMode > 0;
  const float top = cumulative ? r.TotalDamage : r.MaxLevelDamage;
  PrintTopValue(t, b, b.x0 - 500.0 * s.layoutScales.ScaleX, b.yt + 150.0 * g.fs, Format(top, "0.0##E+##"));
  if (!(top > 0) || !std::isfinite(top)) return;
  const float ky = Sng((static_cast<double>(b.yt) - 10 - b.y0) / top);
  t.SetDrawWidth(g.DW);
  if (view.kind == SurfaceKind::Screen) {
    t.SetFillStyle(Surface::kFillSolid);
    t.SetFillColor(kBarFill);
  }
  if (s.analysisOptions.LoadingType == 1)
    DrawHistoryBars(s, t, b, ky);
  else
    DrawLoadingLevelBars(s, t, b, ky, view);
}
