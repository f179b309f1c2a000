#include "testdata/test_diagram_geometry.h"

#include <cmath>

#include "platform/runtime/sng.h"

namespace {

// Decimal logarithm, exact at powers of ten, so that a value of 10^k lies on
// its decade.
double Log10(double v) { return std::log10(v); }

struct Window {
  double left, right, bottom, top;
};

void SetWindow(TestDiagramPage& p, Window w) {
  p.windowLeft = w.left;
  p.windowRight = w.right;
  p.windowBottom = w.bottom;
  p.windowTop = w.top;
}

// Paper: three layouts by the shape of the page.
void PrinterPage(TestDiagramPage& p, double w, double h, bool zoomed) {
  p.marginLeft = 0.1 * w;
  p.marginBottom = 0.1 * h;
  p.fitLineWidth = 4;
  const PageBand band = PageBandOf(w, h);
  if (band == PageBand::Tall) {
    p.pageWidth = (zoomed ? 0.80 : 0.58) * w;
    p.pageHeight = p.pageWidth * 0.71 * 1.226;
    p.infoWidth = 0.22 * w;
    SetWindow(p, zoomed ? Window{-250, 1160, -340, 310} : Window{-290, 1660, -340, 310});
  } else if (band == PageBand::Wide) {
    p.pageHeight = 0.76 * h;
    p.pageWidth = zoomed ? p.pageHeight / 0.71 : p.pageHeight / (0.71 * 1.226);
    p.infoWidth = 0.29 * p.pageWidth;
    SetWindow(p, zoomed ? Window{-270, 1180, -305, 305} : Window{-330, 1720, -305, 305});
  } else {
    p.pageWidth = (zoomed ? 0.82 : 0.58) * w;
    p.pageHeight = 0.76 * h;
    p.infoWidth = 0.24 * w;
    SetWindow(p, zoomed ? Window{-245, 1155, -325, 305} : Window{-295, 1655, -325, 305});
  }
  p.infoLeft = 1.016 * p.pageWidth;
}

void HiddenPicturePage(TestDiagramPage& p, double w, double h, bool zoomed, float fontScale) {
  p.marginLeft = 0.001 * w;
  p.marginBottom = 0.005 * h;
  p.pageWidth = zoomed ? w : 0.72 * w;
  p.pageHeight = 0.975 * h;
  p.infoLeft = 1.02 * p.pageWidth;
  p.infoWidth = 0.25 * w;
  p.fontFactor = fontScale;
  SetWindow(p, zoomed ? Window{-100, 1040, -270, 235} : Window{-120, 1500, -270, 235});
}

}  // namespace

TestDiagramPage TestDiagramPageFor(SurfaceKind kind, double w, double h, int zoom, float fontScale) {
  TestDiagramPage p;
  const bool zoomed = zoom != 0;
  switch (kind) {
    case SurfaceKind::Printer:
      PrinterPage(p, w, h, zoomed);
      break;
    case SurfaceKind::Bitmap:
      HiddenPicturePage(p, w, h, zoomed, fontScale);
      break;
    case SurfaceKind::Screen:
      p.fontFactor = fontScale;
      SetWindow(p, Window{-100, 1040, -265, 215});
      break;
  }
  p.frameLeft = OnPaper(kind) ? -25 : -30;
  p.textColumn = 800 - 30 * (1 - zoom);
  p.pointRadius = zoomed ? 6 : 5;
  return p;
}

bool DrawableTestPoint(const TestDataSet& set, int k) { return set.TestStress[k] > 0 && set.TestLife[k] > 0; }

float DisplayedStress(float stressMpa, float stressFactor) { return Sng(static_cast<double>(stressMpa) * stressFactor); }

double TestDiagramAxes::X(double life) const { return kPlotX0 + lifeDecade * (Log10(life) - lifeFirst); }

double TestDiagramAxes::Y(double stressMpa) const {
  return kPlotY0 + stressDecade * (Log10(DisplayedStress(static_cast<float>(stressMpa), stressFactor)) - stressFirst);
}

TestDiagramAxes TestDiagramAxesFor(const TestDataSet& set, float stressFactor) {
  TestDiagramAxes axes;
  axes.stressFactor = stressFactor;
  double nMax = 0, nMin = 1e8, sMax = 0, sMin = 1e8;
  const int n = WholePointCount(set.TestPointCount);
  for (int k = 1; k <= n; ++k) {
    if (!DrawableTestPoint(set, k)) continue;
    axes.hasPoints = true;
    const double life = set.TestLife[k];
    const double stress = set.TestStress[k];
    if (life > nMax) nMax = life;
    if (life < nMin) nMin = life;
    if (stress > sMax) sMax = stress;
    if (stress < sMin) sMin = stress;
  }
  if (!axes.hasPoints) return axes;
  axes.lifeMin = nMin;
  axes.lifeMax = nMax;
  axes.stressMin = sMin;
  axes.stressMax = sMax;
  int a = static_cast<int>(std::floor(Log10(nMin)));
  const int b = static_cast<int>(std::floor(Log10(nMax))) + 1;
  if (a == b) a = b - 1;
  int c = static_cast<int>(std::floor(Log10(DisplayedStress(static_cast<float>(sMin), stressFactor))));
  const int d = static_cast<int>(std::floor(Log10(1.1 * DisplayedStress(static_cast<float>(sMax), stressFactor)))) + 1;
  if (c == d) c = d - 1;
  axes.lifeFirst = a;
  axes.lifeLast = b;
  axes.stressFirst = c;
  axes.stressLast = d;
  axes.lifeDecade = Sng(kPlotWidth / (b - a));
  axes.stressDecade = Sng(kPlotHeight / (d - c));
  return axes;
}
