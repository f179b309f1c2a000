#include "diagrams/master_curve_geometry.h"

#include "platform/runtime/sng.h"

namespace {

constexpr int32_t kGrey = 0x808080;

// The printer page by its height-to-width ratio.
void LayOutPage(MasterCurveGeometry& g, double pw, double ph) {
  switch (PageBandOf(pw, ph)) {
    case PageBand::Tall:
      g.W = Sng(0.62 * pw);
      g.WT = Sng(0.18 * pw);
      g.H = Sng(g.W * 0.71 * 1.226);
      break;
    case PageBand::Wide:
      g.H = Sng(0.76 * ph);
      g.W = Sng(g.H / 0.71 / 1.226);
      g.WT = Sng(0.29 * g.W);
      break;
    case PageBand::Middle:
      g.H = Sng(0.76 * ph);
      g.W = Sng(0.62 * pw);
      g.WT = Sng(0.18 * pw);
      break;
  }
}

}  // namespace

MasterCurveGeometry MasterCurveGeometryFor(SurfaceKind kind, const MasterCurveSizes& z) {
  MasterCurveGeometry g;
  const double sw = z.surfaceWidth, sh = z.surfaceHeight;
  switch (kind) {
    case SurfaceKind::Screen:
      g.mode = 1;
      g.H = Sng(0.957 * z.frameHeight);
      g.W = Sng(0.975 * z.frameWidth);
      g.WT = Sng(0.92 * z.textFrameWidth);
      g.fs = z.fontScale;
      g.C = kGrey;
      break;
    case SurfaceKind::Bitmap:
      g.mode = 2;
      g.H = Sng(0.975 * sh);
      g.W = Sng(0.76 * sw);
      g.WT = Sng(0.21 * sw);
      g.ML = Sng(0.001 * sw);
      g.MB = Sng(0.005 * sh);
      g.XT = Sng(1.02 * g.W);
      g.fs = z.fontScale;
      g.T = 100;
      break;
    case SurfaceKind::Printer:
      g.mode = 3;
      LayOutPage(g, sw, sh);
      g.ML = Sng(0.1 * sw);
      g.MB = Sng(0.1 * sh);
      g.XT = Sng(1.016 * g.W);
      g.T = 100;
      break;
  }
  return g;
}
