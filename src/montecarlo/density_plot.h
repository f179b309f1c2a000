#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "diagrams/diagram_surface.h"

class Surface;

// What the density plot takes from the random-variable dialog: the surface's
// kind, the truncation bounds of the working record, the diagrams' text
// scale, and on paper the dialog's texts: the frame caption (the title), the
// caption with the variable's tag, and the five parameter rows (C.O.V.,
// B, A, Xmin, Xmax, each with its box text where it has one).
struct DensityPlotView {
  SurfaceKind kind = SurfaceKind::Screen;
  float xmin = 1.0f, xmax = 1.0f;
  float fontScale = 1.0f;
  std::string title;
  std::string variable;
  std::array<std::string, 5> rows;
};

// Where the plot goes on a surface of that kind and size (twips): the region
// W x H, the margins that move the origin right and up, the text scale s and
// the curve's line width. The screen uses the whole picture; the hidden
// print picture 0.8 of it with 0.1 margins; the printer 0.78 of the page
// height with a width of H / 0.7 (at most what the margins leave across
// the page), the left margin by the page band (0.08 tall, 0.1 middle, 0.15
// wide), font scale 1.
struct DensityPlotRegion {
  float width, height;
  float left, top;
  float textScale;
  int curveWidth;
};
DensityPlotRegion DensityPlotRegionOf(SurfaceKind kind, double surfaceWidth, double surfaceHeight, float fontScale);

// The plot frame inside the region and the scales of the curve: x = 0 at x0,
// x = xmax at 0.81 W; the largest density of the samples 0.005 xmax ..
// 1.02 xmax at 0.95 yTop.
struct DensityPlotFrame {
  float x0, x1, y0, yTop;
  double xm;    // the plot's right end (xmax; 1 when it is not a positive number)
  double ymax;  // the largest density sampled (1 when every sample is 0)
  double sx, sy;
};
DensityPlotFrame DensityPlotFrameOf(const DensityPlotRegion& region, bool onPaper, int16_t type, float a, float b,
                                    float xmax);

// Draws the probability density of a mean-1 variable of `type` (-1 .. 5)
// with the parameters a and b: axes with "PDF" and "X", ticks at the bounds
// and at the mean 1, the curve of the types 1 to 4, the truncation box of the
// types 1 to 5 (the uniform's density), a point mass at 1 for None (0),
// nothing for Correlated (-1). The screen picture is cleared first; on paper
// the frame, its title in the gap of the top edge, and the dialog's texts
// come first.
void DrawDensityPlot(Surface& target, const DensityPlotView& view, int16_t type, float a, float b);
