#pragma once

#include "diagrams/diagram_surface.h"

// The layout of the simulation results diagram on one kind of output, in the
// surfaces' own units (twips): the plot box's width W and height H, the side
// column's left edge P and width S (on the screen the side column is a
// picture of its own, P 0), the margins of the origin, the font factor, and
// the plot scale (x from, width; y from, height) that the plots are drawn in.
struct McsDiagramGeometry {
  SurfaceKind kind = SurfaceKind::Screen;
  double W = 0, H = 0, P = 0, S = 0;
  double marginLeft = 0, marginTop = 0;
  float fontFactor = 1;
  double plotX = 0, plotWidth = 0, plotY = 0, plotHeight = 0;
};

// What the layout starts from: the target's size (on the screen the plot
// picture's size after the view has placed it) and, on the screen, the side
// picture's width; the screen's font scale; which plot is drawn.
struct McsDiagramSizes {
  double width = 0, height = 0;
  double sideWidth = 0;
  float fontScale = 1;
  bool lifeDistribution = true;
};

McsDiagramGeometry McsDiagramGeometryFor(SurfaceKind kind, const McsDiagramSizes& sizes);
