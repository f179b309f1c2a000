#include "loading/decimated_history.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/draw/surface.h"

namespace {

// Points per device-pixel column: the nearest whole number to 1 / p, halves
// to even, as a 32-bit count (a long history on a narrow picture has tens of
// thousands per column). A step of no pixel width puts every point in one
// column that is never completed.
int32_t PointsPerColumn(double pixelsPerPoint) {
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  if (!(pixelsPerPoint > 0)) return std::numeric_limits<int32_t>::max();
  const double m = std::nearbyint(1.0 / pixelsPerPoint);
  return m >= kMax ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(m);
}

// The smallest and largest of points [from, to] (both included). Eight
// independent lanes keep the pass at memory speed.
void Extremes(const float* from, const float* to, float& lo, float& hi) {
  constexpr int kLanes = 8;
  float l[kLanes], h[kLanes];
  std::fill(l, l + kLanes, *from);
  std::fill(h, h + kLanes, *from);
  const float* p = from;
  for (; to - p >= kLanes; p += kLanes) {
    for (int k = 0; k < kLanes; ++k) {
      l[k] = p[k] < l[k] ? p[k] : l[k];
      h[k] = p[k] > h[k] ? p[k] : h[k];
    }
  }
  for (; p <= to; ++p) {
    l[0] = *p < l[0] ? *p : l[0];
    h[0] = *p > h[0] ? *p : h[0];
  }
  lo = *std::min_element(l, l + kLanes);
  hi = *std::max_element(h, h + kLanes);
}

void DrawPointByPoint(Surface& surface, float x0, float yZero, float xStep, float yScale, int32_t colour, int32_t first,
                      int32_t last, float factor, const std::vector<float>& points) {
  surface.PSet(x0, points[first] * factor * yScale + yZero);
  for (int32_t j = first + 1; j <= last; ++j) {
    const float x = x0 + xStep * static_cast<float>(j - first);
    surface.LineTo(x, points[j] * factor * yScale + yZero, colour);
  }
}

// One vertical line per column. The scaled value v = point * factor * yScale
// is monotonic in the point (rising or, with a negative multiplier, falling),
// so the column's lowest and highest v are the scaled lowest and highest
// points, taken in the order that the sign of the multiplier gives.
void DrawColumns(Surface& surface, float x0, float yZero, float xStep, float yScale, int32_t colour, int32_t first,
                 int32_t last, float factor, int32_t m, const std::vector<float>& points) {
  const bool falling = (factor < 0) != (yScale < 0);
  for (int32_t g = first / m; g <= last / m - 1; ++g) {
    const int64_t j0 = static_cast<int64_t>(g) * m;
    float lo = 0, hi = 0;
    Extremes(points.data() + j0, points.data() + j0 + m, lo, hi);
    float vlo = lo * factor * yScale, vhi = hi * factor * yScale;
    if (falling) std::swap(vlo, vhi);
    const float x = x0 + xStep * static_cast<float>(j0 - first);
    surface.Line(x, vlo + yZero, x, vhi + yZero, colour);
  }
}

}  // namespace

void DrawDecimatedHistory(Surface& surface, float x0, float yZero, float xStep, float yScale, int32_t colour,
                          int32_t first, int32_t last, float factor, const std::vector<float>& points) {
  if (points.empty()) return;
  last = std::min<int64_t>(last, static_cast<int64_t>(points.size()) - 1);
  if (first < 0 || first > last) return;
  const int32_t m = PointsPerColumn(std::abs(surface.ScaleXToPixels(xStep)));
  if (m <= 1) {
    DrawPointByPoint(surface, x0, yZero, xStep, yScale, colour, first, last, factor, points);
  } else {
    DrawColumns(surface, x0, yZero, xStep, yScale, colour, first, last, factor, m, points);
  }
}
