#include "diagrams/damage_geometry.h"

#include "platform/runtime/sng.h"

DamageGeometry DamageGeometryFor(SurfaceKind kind, double surfaceWidth, double surfaceHeight, float frameWidth,
                                 float frameHeight, float fontScale) {
  DamageGeometry g;
  switch (kind) {
    case SurfaceKind::Screen:
      g.W = Sng(0.96 * frameWidth);
      g.H = Sng(0.92 * frameHeight);
      g.fs = fontScale;
      g.DW = 1;
      break;
    case SurfaceKind::Bitmap:
      g.W = Sng(surfaceWidth / 2.04);
      g.H = Sng(surfaceHeight / 2.09);
      g.left = Sng(0.001 * surfaceWidth);
      g.bottom = Sng(0.005 * surfaceHeight);
      g.fs = fontScale;
      g.DW = 2;
      break;
    case SurfaceKind::Printer:
      switch (PageBandOf(surfaceWidth, surfaceHeight)) {
        case PageBand::Tall:
          g.W = Sng(surfaceWidth / 2.45);
          g.H = Sng(0.7 * g.W);
          break;
        case PageBand::Middle:
          g.W = Sng(surfaceWidth / 2.5);
          g.H = Sng(surfaceHeight / 2.6);
          break;
        case PageBand::Wide:
          g.H = Sng(surfaceHeight / 2.6);
          g.W = Sng(g.H / 0.7);
          break;
      }
      g.left = Sng(0.1 * surfaceWidth);
      g.bottom = Sng(0.1 * surfaceHeight);
      g.fs = 1;
      g.DW = 4;
      break;
  }
  return g;
}
