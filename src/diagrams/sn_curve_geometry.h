#pragma once

#include <cstdint>

#include "diagrams/diagram_surface.h"

// The fixed geometry of the schematic S-N diagram: where the diagram lies on
// its surface and the points of its axes and curve. Nothing of it depends on
// the material's values; only the end of the dotted extension does.

struct SnCurveGeometry {
  // The diagram's size, and its lower left corner OX right of the surface's
  // left edge and OY above its bottom edge (twips).
  float W, H, OX, OY;
  float fs;  // text scale
  int k;     // line weight
  // Axes: the stress axis at x0, the cycles axis at y0 up to x1 and y1.
  float x0, x1, xm, y0, y1, ye;
  // The knee lies at (xm, ye); the finite-life line runs up to P.
  float Px, Py;
  // Where the finite-life line, continued below the knee, meets the cycles axis.
  float xa;
};

// TW x TH is the surface's own size; the screen diagram fills 0.96 x 0.92 of
// the S-N frame (frameWidth x frameHeight). On the printer the page's band
// chooses one of three layouts.
SnCurveGeometry SnCurveGeometryFor(SurfaceKind surface, float TW, float TH, float frameWidth, float frameHeight,
                                   float fontScale);

// The end of the dotted extension of the curve below the knee.
struct SnExtensionEnd {
  bool drawn;    // no extension for Se'/Se = 1 or a constant amplitude
  float xe, ye;  // the end of the sloped part
  bool plateau;  // a dotted plateau at Se' from (xe, ye) to x1
};

// The extension slopes with m' down to Se' = ratio x Se, pulled back onto
// x = x1 where it would pass it; for a distribution it runs on with m down
// to the cycles axis.
SnExtensionEnd SnExtensionEndFor(const SnCurveGeometry& g, int16_t loadingType, float ratio, float m,
                                 float mPrime);
