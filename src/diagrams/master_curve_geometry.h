#pragma once

#include <cstdint>

#include "diagrams/diagram_surface.h"

// The layout of the master-curve screen on one kind of output, in twips of
// the surfaces: the life diagram's height H and width W, the text panel's
// width WT and left edge XT, the margins of the origin from the left and
// bottom edges, the text scale fs, the colour C of frames, axes, ticks and
// the major grid, and the offset T of the loading block's first line.
struct MasterCurveGeometry {
  int mode = 1;  // 1 screen, 2 bitmap, 3 printer
  float H = 0, W = 0, WT = 0;
  float ML = 0, MB = 0, XT = 0;
  float fs = 1;
  int32_t C = 0;
  float T = 0;
};

// The sizes the layout starts from: the graph surface's size, and on the
// screen the frames `frm_master` and `frm_master1`.
struct MasterCurveSizes {
  double surfaceWidth = 0, surfaceHeight = 0;
  float frameWidth = 0, frameHeight = 0, textFrameWidth = 0;
  float fontScale = 1;
};

MasterCurveGeometry MasterCurveGeometryFor(SurfaceKind kind, const MasterCurveSizes& sizes);
