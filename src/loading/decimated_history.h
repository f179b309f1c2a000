#pragma once

#include <cstdint>
#include <vector>

class Surface;

// Plots points first .. last of a stress history on `surface` in its user
// scale: point j at x = x0 + xStep * (j - first), y = points[j] * factor *
// yScale + yZero. `points` holds the history as the history reader keeps it:
// element 0 is 0, the points are 1 .. n.
//
// Where fewer than 1.5 points fall on one device pixel, the curve is a
// polyline: a dot in the surface's fore colour at the first point, then a
// line to every next point. Otherwise m = the nearest whole number to the
// points per pixel column (halves to even): one vertical line per column
// from the lowest to the highest of its m + 1 values (a column shares its
// boundary point with the next), columns j0 = g * m for g = first / m ..
// last / m - 1, so the first column may start at index 0 and the last up to
// m - 1 points are not drawn. The drawing calls follow the pixel columns, not
// the points; the history is read in place, never copied. Points beyond the
// end of `points` are never read.
void DrawDecimatedHistory(Surface& surface, float x0, float yZero, float xStep, float yScale, int32_t colour,
                          int32_t first, int32_t last, float factor, const std::vector<float>& points);
