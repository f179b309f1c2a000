#include "testdata/test_diagram_plot.h"

#include <cmath>

#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "shell/unit_settings.h"

namespace {

constexpr int32_t kBlack = 0;
constexpr int32_t kUsedColour = 0xC00000;
constexpr int32_t kOmittedColour = 0xFFC0C0;
constexpr int32_t kFitColour = 0xFF00FF;
constexpr int32_t kMajorGrid = 0x808080;
constexpr int32_t kMinorGrid = 0xE0E0E0;

struct Plot {
  TestDataSet& set;
  const UnitSettings& units;
  Surface& s;
  SurfaceKind kind;
  TestDiagramPage page;
  int zoom;
  double fs;

  bool Paper() const { return OnPaper(kind); }
  void Font(double size, bool bold = false) {
    s.SetFontSize(size * fs);
    s.SetFontBold(bold);
  }
  void TextAt(double x, double y, const std::string& text, bool keepPen = false) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text, keepPen);
  }
};

// The title on the page border, with the border erased behind it.
void DrawTitle(Plot& p, const std::string& title) {
  Surface& s = p.s;
  const double pw = p.page.pageWidth, ph = p.page.pageHeight;
  s.Line(0, 0, pw, ph, kBlack, Surface::kBox);
  s.SetFontSize(12 * p.fs);
  s.SetForeColor(kBlack);
  PrintCaptionOnEdge(s, title, 200 * p.fs, ph + 150, 150 * p.fs, ph, false);
  s.SetFontName("Microsoft Sans Serif");
}

// The points the information box lists: at most 21, around the grid's top row.
void ListedPoints(const TestDataSet& set, int& first, int& last) {
  const int n = WholePointCount(set.TestPointCount);
  const int top = set.TestGridTop;
  if (n < 21) {
    first = 1, last = n;
  } else if (n - top < 20) {
    first = n - 20, last = n;
  } else {
    first = top, last = top + 20;
  }
}

void DrawInformationBox(Plot& p) {
  Surface& s = p.s;
  const TestDataSet& set = p.set;
  const float f = p.units.StressUnitFactor;
  const double ix = p.page.infoLeft, iw = p.page.infoWidth, ph = p.page.pageHeight;
  s.Line(ix, 0, ix + iw, ph, kBlack, Surface::kBox);
  p.Font(9);
  s.SetFontItalic(false);
  s.SetForeColor(kBlack);
  s.Line(ix, 0.89 * ph, ix + iw, 0.89 * ph, kBlack);
  const double x = ix + 300;
  p.TextAt(x, 0.94 * ph, "Material:  " + set.TestDataName);
  p.TextAt(x, 0.87 * ph, "No of Points: " + PrintSingle(set.TestPointCount));
  p.TextAt(x, 0.83 * ph, "Yield Strength = " + Format(set.TestSy * f, "######0 ") + p.units.StressUnit);
  p.TextAt(x, 0.79 * ph, "Ultimate Strength = " + Format(set.TestSu * f, "###0 ") + p.units.StressUnit);
  p.TextAt(x, 0.75 * ph, "Stress ratio = " + Format(set.TestStressRatio, "0.0# "));
  p.TextAt(x, 0.69 * ph, "No");
  p.TextAt(ix + 0.23 * iw, 0.69 * ph, "Sig " + p.units.StressUnitBracket);
  p.TextAt(ix + 0.62 * iw, 0.69 * ph, "N [cyc]");
  s.Line(x, 0.69 * ph - 350, ix + iw - 250, 0.69 * ph - 350, kBlack);
  int first = 0, last = 0;
  ListedPoints(set, first, last);
  for (int k = first, i = 1; k <= last; ++k, ++i) {
    const double y = 0.67 * ph - 260 * i;
    p.TextAt(x, y, PrintInteger(k));
    p.TextAt(ix + 0.28 * iw, y, Format(set.TestStress[k] * f, "###0.0#"));
    p.TextAt(ix + 0.60 * iw, y, Format(set.TestLife[k], "0.000E+##"));
  }
  s.SetFontSize(8 * p.fs);
  const double rule = s.CurrentY() - 50;
  s.Line(x, rule, ix + iw - 250, rule, kBlack);
}

void DrawLifeAxis(Plot& p, const TestDiagramAxes& axes) {
  Surface& s = p.s;
  const int a = axes.lifeFirst, b = axes.lifeLast, z = p.zoom;
  const double top = kPlotY0 + kPlotHeight + 1 - z;
  for (int k = 0; k <= b - a; ++k) {
    const double xk = kPlotX0 + k * static_cast<double>(axes.lifeDecade);
    s.Line(xk, kPlotY0, xk, top, kMajorGrid);
    s.Line(xk, kPlotY0, xk, kPlotY0 - 3.5 - z, kBlack);
    s.Print(Format(std::pow(10.0, a + k), "0E+## "));
  }
  for (int k = 0; k < b - a; ++k) {
    for (int j = 2; j <= 9; ++j) {
      const double x = kPlotX0 + axes.lifeDecade * (k + std::log10(static_cast<double>(j)));
      s.Line(x, kPlotY0, x, kPlotY0 - 2 - z, kBlack);
      s.Line(x, kPlotY0, x, top, kMinorGrid);
    }
  }
}

void DrawStressAxis(Plot& p, const TestDiagramAxes& axes) {
  Surface& s = p.s;
  const int c = axes.stressFirst, d = axes.stressLast, z = p.zoom;
  for (int k = 0; k <= d - c; ++k) {
    const double yk = kPlotY0 + k * static_cast<double>(axes.stressDecade);
    s.Line(kPlotX0, yk, kPlotX0 - 5.5, yk, kBlack);
    s.Line(kPlotX0, yk, kPlotX0 + kPlotWidth, yk, kMajorGrid);
    const double v = std::pow(10.0, c + k);
    const double length = static_cast<double>(StrDouble(v).size());
    p.TextAt((kPlotX0 - 15) - length * (8 - 3 * z), yk + 5, PrintDouble(v));
  }
  for (int k = 0; k < d - c; ++k) {
    for (int j = 2; j <= 9; ++j) {
      const double y = kPlotY0 + axes.stressDecade * (k + std::log10(static_cast<double>(j)));
      s.Line(kPlotX0, y, kPlotX0 - 3.5, y, kBlack);
      s.Line(kPlotX0, y, kPlotX0 + kPlotWidth, y, kMinorGrid);
    }
  }
}

bool FitShown(const TestDataSet& set) { return set.TestFitCoeff > 0 && set.TestFitSlope < 0; }

// The fitted mean line, the band of +/- 3 s and the text block; returns the
// end of the label "No =  ".
double DrawFit(Plot& p, const TestDiagramAxes& axes) {
  Surface& s = p.s;
  const TestDataSet& set = p.set;
  const auto fitted = [&](double life) { return set.TestFitCoeff * std::pow(life, static_cast<double>(set.TestFitSlope)); };
  const auto line = [&](double factor) {
    s.Line(axes.X(axes.lifeMin), axes.Y(fitted(axes.lifeMin) * factor), axes.X(axes.lifeMax),
           axes.Y(fitted(axes.lifeMax) * factor), kFitColour);
  };
  line(1);
  s.SetDrawStyle(Surface::kDot);
  s.SetDrawWidth(1);
  const double band = 3.0 * set.TestFitResidualSd;
  line(std::exp(-band));
  line(std::exp(band));
  s.SetForeColor(kBlack);
  p.Font(9);
  const double tx = p.page.textColumn;
  p.TextAt(tx, 125, "No =  ", true);
  const double noEnd = s.CurrentX();
  const float f = p.units.StressUnitFactor;
  p.TextAt(tx, 113, "Se =  " + Format(set.TestFitSe * f, "###0.0 ") + p.units.StressUnit);
  p.TextAt(tx, 101, "COV =  " + Format(set.TestFitCov, "0.000 ") + "{L}");
  p.TextAt(tx, 89, "m  =   " + Format(-1.0 / set.TestFitSlope, "#0.00 "));
  return noEnd;
}

void DrawPoints(Plot& p, const TestDiagramAxes& axes) {
  Surface& s = p.s;
  const TestDataSet& set = p.set;
  s.SetDrawStyle(Surface::kSolid);
  s.SetFillStyle(Surface::kFillSolid);
  const int n = WholePointCount(set.TestPointCount);
  for (int k = 1; k <= n; ++k) {
    if (!DrawableTestPoint(set, k)) continue;
    s.SetFillColor(set.TestPointUsed[k] == 1 ? kUsedColour : kOmittedColour);
    s.Circle(axes.X(set.TestLife[k]), axes.Y(set.TestStress[k]), p.page.pointRadius, kUsedColour);
  }
  s.SetDrawStyle(Surface::kSolid);
  s.SetForeColor(kBlack);
  p.Font(8, true);
}

}  // namespace

TestDiagramDrawn DrawTestDataPlot(TestDataSet& set, const UnitSettings& units, float fontScale, Surface& s,
                                  const std::string& title) {
  const int zoom = set.TestDiagramZoom != 0 ? 1 : 0;
  const SurfaceKind kind = KindOf(s);
  Plot p{set, units, s, kind, TestDiagramPageFor(kind, s.Width(), s.Height(), zoom, fontScale), zoom, 1};
  p.fs = p.page.fontFactor;
  TestDiagramDrawn drawn;

  // Page coordinates: twips from the page origin, y upwards.
  const double w = s.Width(), h = s.Height();
  s.Scale(-p.page.marginLeft, h - p.page.marginBottom, w - p.page.marginLeft, -p.page.marginBottom);
  if (p.Paper()) {
    DrawTitle(p, title);
    if (zoom == 0) DrawInformationBox(p);
    s.SetFontItalic(false);
  }
  s.SetDrawWidth(1);
  s.SetDrawStyle(Surface::kSolid);
  s.SetFontSize(8 * p.fs);
  s.SetFontName("Microsoft Sans Serif");
  s.SetForeColor(kBlack);
  if (WholePointCount(set.TestPointCount) == 0) return drawn;

  const TestDiagramPage& pg = p.page;
  s.Scale(pg.windowLeft, pg.windowTop, pg.windowRight, pg.windowBottom);
  s.Line(pg.frameLeft, -230, pg.frameLeft + 990, 180, p.Paper() ? kBlack : kMajorGrid, Surface::kBox);
  const TestDiagramAxes axes = TestDiagramAxesFor(set, units.StressUnitFactor);
  if (!axes.hasPoints) return drawn;
  drawn.plotted = true;
  set.TestAxisDecadeX = axes.lifeDecade;
  set.TestAxisFirstDecadeX = static_cast<int16_t>(axes.lifeFirst);
  set.TestAxisDecadeY = axes.stressDecade;
  set.TestAxisFirstDecadeY = static_cast<int16_t>(axes.stressFirst);

  p.Font(8, true);
  p.TextAt(kPlotX0 - 45, kPlotY0 + kPlotHeight + 20, "Sig " + units.StressUnitBracket + " (amplitude)");
  p.TextAt(kPlotX0 + 300, kPlotY0 - 18, "Life, N [cyc]");
  p.Font(7);
  DrawLifeAxis(p, axes);
  DrawStressAxis(p, axes);

  s.SetFillStyle(Surface::kFillTransparent);
  s.Line(kPlotX0, kPlotY0 + kPlotHeight, kPlotX0 + kPlotWidth, kPlotY0, kBlack, Surface::kBox);
  s.SetFontSize(9 * p.fs);
  s.SetDrawStyle(Surface::kDash);
  s.SetDrawWidth(pg.fitLineWidth);
  s.SetFillStyle(Surface::kFillTransparent);
  if (FitShown(set)) {
    drawn.fitShown = true;
    drawn.noLabelEnd = DrawFit(p, axes);
  } else {
    s.SetDrawStyle(Surface::kDot);
    s.SetDrawWidth(1);
  }
  if (zoom == 1) {
    s.SetForeColor(kBlack);
    p.TextAt(pg.textColumn, kPlotY0 + kPlotHeight + 20, "Material:  " + set.TestDataName);
  }
  DrawPoints(p, axes);
  return drawn;
}
