#pragma once

#include "diagrams/diagram_surface.h"

// The sizes the damage bar diagram takes on a surface, in the surface's
// twips: the diagram's width W and height H, the offsets of its origin from
// the left and bottom edges, the text scale fs and the pen width DW of the
// bars.
struct DamageGeometry {
  float W = 0, H = 0;
  float left = 0, bottom = 0;
  float fs = 1;
  int DW = 1;
};

// On the screen the diagram fills its frame `frm_Dam` (frameWidth x
// frameHeight); on the bitmap it takes its quarter of the composed screen;
// on the printer one of three page layouts. fontScale is the layout's text
// scale (the printer uses 1).
DamageGeometry DamageGeometryFor(SurfaceKind kind, double surfaceWidth, double surfaceHeight, float frameWidth,
                                 float frameHeight, float fontScale);
