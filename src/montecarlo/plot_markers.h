#pragma once

#include <cstdint>

class Surface;

// The closed arrowheads at the ends of the axes of the life-distribution
// plots: three lines in `colour` from the tip (x, y) and back to it.
// DrawPlotMarkerA points in +x (the end of a life axis), DrawPlotMarkerB in
// +y (the end of an ordinate).
void DrawPlotMarkerA(Surface& target, double x, double y, int32_t colour, double size);
void DrawPlotMarkerB(Surface& target, double x, double y, int32_t colour, double size);
