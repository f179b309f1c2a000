#pragma once

#include "loading/diagram_axes.h"
#include "loading/diagram_placement.h"

class Surface;

// Where a diagram is drawn: the picture box of a window, the hidden print
// picture that composes a bitmap, or the printer. Every diagram lays itself
// out by the kind of the surface it is given.
enum class SurfaceKind { Screen, Bitmap, Printer };

SurfaceKind KindOf(const Surface& target);
inline bool OnPaper(SurfaceKind kind) { return kind != SurfaceKind::Screen; }

// The printer's page bands (PageBand, PageBandOf) are the loading
// diagrams' rule: loading/diagram_placement.h.

// The drawing state a diagram starts from (ResetDiagramPen) is the loading
// diagrams' rule as well: loading/diagram_axes.h.

// The diagram's own coordinates on the whole surface: y upwards, the origin
// `left` in from the left edge and `bottom` above the lower edge.
void ScaleUpwardsFrom(Surface& target, double left, double bottom);

// The caption of a frame drawn on paper (PrintCaptionOnEdge) is the loading
// diagrams' rule as well: loading/diagram_axes.h.
