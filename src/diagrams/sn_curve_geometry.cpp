#include "diagrams/sn_curve_geometry.h"

namespace {

struct Area {
  float W, H, OX, OY, fs;
  int k;
};

Area AreaOf(SurfaceKind surface, float TW, float TH, float frameWidth, float frameHeight, float fontScale) {
  switch (surface) {
    case SurfaceKind::Screen: return {0.96f * frameWidth, 0.92f * frameHeight, 0, 0, fontScale, 1};
    case SurfaceKind::Bitmap: return {TW / 2.04f, TH / 2.09f, 0.001f * TW, TH / 2, fontScale, 1};
    case SurfaceKind::Printer: break;
  }
  const float H = TH / 2.6f;
  switch (PageBandOf(TW, TH)) {
    case PageBand::Tall: {
      const float W = TW / 2.45f;
      return {W, 0.7f * W, 0.1f * TW, 0.485f * TH, 1.0f, 2};
    }
    case PageBand::Middle: return {TW / 2.5f, H, 0.1f * TW, TH / 2, 1.0f, 2};
    case PageBand::Wide: break;
  }
  return {H / 0.7f, H, 0.1f * TW, 0.5f * TH, 1.0f, 2};
}

}  // namespace

SnCurveGeometry SnCurveGeometryFor(SurfaceKind surface, float TW, float TH, float frameWidth, float frameHeight,
                                   float fontScale) {
  const Area a = AreaOf(surface, TW, TH, frameWidth, frameHeight, fontScale);
  SnCurveGeometry g{};
  g.W = a.W;
  g.H = a.H;
  g.OX = a.OX;
  g.OY = a.OY;
  g.fs = a.fs;
  g.k = a.k;
  g.x0 = 0.1f * g.W;
  g.x1 = 0.9f * g.W;
  g.xm = (g.x0 + g.x1) / 2;
  g.y0 = 0.15f * g.H;
  g.y1 = 0.9f * g.H;
  g.ye = (g.y0 + g.y1) / 2.4f;
  g.Px = 1.3f * g.x0;
  g.Py = 0.9f * g.y1;
  g.xa = g.xm + (g.ye - g.y0) * (g.xm - g.Px) / (g.Py - g.ye);
  return g;
}

SnExtensionEnd SnExtensionEndFor(const SnCurveGeometry& g, int16_t loadingType, float ratio, float m,
                                 float mPrime) {
  SnExtensionEnd e{};
  e.drawn = !(ratio == 1.0f || loadingType == 3);
  if (loadingType == 4) {
    e.xe = g.xa;
    e.ye = g.y0;
  } else {
    e.ye = g.y0 + ratio * (g.ye - g.y0);
    const float slope = (g.xm - g.Px) / (g.Py - g.ye);
    e.xe = g.xm + (mPrime / m) * slope * (g.ye - e.ye);
    if (e.xe > g.x1) {
      e.ye = g.ye - (g.ye - e.ye) * (g.x1 - g.xm) / (e.xe - g.xm);
      e.xe = g.x1;
    }
  }
  e.plateau = e.drawn && e.ye > g.y0;
  return e;
}
