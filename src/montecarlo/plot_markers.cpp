#include "montecarlo/plot_markers.h"

#include "platform/draw/surface.h"

namespace {

void Triangle(Surface& t, double x, double y, double x1, double y1, double x2, double y2, int32_t colour) {
  t.Line(x, y, x1, y1, colour);
  t.Line(x1, y1, x2, y2, colour);
  t.Line(x2, y2, x, y, colour);
}

}  // namespace

void DrawPlotMarkerA(Surface& t, double x, double y, int32_t colour, double size) {
  Triangle(t, x, y, x - 3 * size, y - 0.5 * size, x - 3 * size, y + 0.5 * size, colour);
}

void DrawPlotMarkerB(Surface& t, double x, double y, int32_t colour, double size) {
  Triangle(t, x, y, x - size, y - 1.5 * size, x + size, y - 1.5 * size, colour);
}
