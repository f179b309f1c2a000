#include "montecarlo/mcs_diagram_geometry.h"

namespace {

// The printer's page layouts by the page's shape.
struct PageLayout {
  double plotX, plotWidth;
  double ldY, ldHeight;  // life distribution
  double ppY, ppHeight;  // probability plot
};

constexpr PageLayout kTall{-330, 1910, -300, 650, -325, 675};
constexpr PageLayout kWide{-350, 2200, -285, 580, -325, 630};
constexpr PageLayout kMiddle{-310, 1870, -295, 590, -325, 630};

void SetPlotScale(McsDiagramGeometry& g, const PageLayout& p, bool lifeDistribution) {
  g.plotX = p.plotX;
  g.plotWidth = p.plotWidth;
  g.plotY = lifeDistribution ? p.ldY : p.ppY;
  g.plotHeight = lifeDistribution ? p.ldHeight : p.ppHeight;
}

}  // namespace

McsDiagramGeometry McsDiagramGeometryFor(SurfaceKind kind, const McsDiagramSizes& sz) {
  McsDiagramGeometry g;
  g.kind = kind;
  switch (kind) {
    case SurfaceKind::Printer: {
      const PageBand band = PageBandOf(sz.width, sz.height);
      if (band == PageBand::Wide) {
        g.H = 0.76 * sz.height;
        g.W = g.H / 0.71 / 1.226;
        g.S = 0.29 * g.W;
      } else {
        g.W = 0.62 * sz.width;
        g.H = band == PageBand::Tall ? g.W * 0.71 * 1.226 : 0.76 * sz.height;
        g.S = 0.18 * sz.width;
      }
      g.marginLeft = 0.1 * sz.width;
      g.marginTop = 0.1 * sz.height;
      g.P = 1.016 * g.W;
      g.fontFactor = 1;
      SetPlotScale(g, band == PageBand::Tall ? kTall : band == PageBand::Wide ? kWide : kMiddle, sz.lifeDistribution);
      break;
    }
    case SurfaceKind::Bitmap:
      g.H = 0.975 * sz.height;
      g.W = 0.76 * sz.width;
      g.S = 0.21 * sz.width;
      g.marginLeft = 0.001 * sz.width;
      g.marginTop = 0.005 * sz.height;
      g.P = 1.02 * g.W;
      g.fontFactor = sz.fontScale;
      g.plotX = -180;
      g.plotWidth = 1620;
      g.plotY = -265;
      g.plotHeight = 500;
      break;
    case SurfaceKind::Screen:
      g.W = sz.width;
      g.H = sz.height;
      g.S = sz.sideWidth;
      g.fontFactor = sz.fontScale;
      g.plotX = -140;
      g.plotWidth = 1180;
      g.plotY = -265;
      g.plotHeight = 490;
      break;
  }
  return g;
}
