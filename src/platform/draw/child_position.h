#pragma once

#include "platform/draw/surface.h"

// Controls inside a picture are placed in twips from the picture's top left
// corner, whatever scale its surface has. These convert between a point of
// the surface's user scale and that place, for an area `extent` twips wide
// (or high) that the scale spans. Without a scale width (height) the value
// stays as it is.

inline double TwipsFromLeft(const Surface& s, double x, double extent) {
  const double w = s.ScaleWidth();
  return w == 0 ? x : (x - s.ScaleLeft()) / w * extent;
}

inline double TwipsFromTop(const Surface& s, double y, double extent) {
  const double h = s.ScaleHeight();
  return h == 0 ? y : (y - s.ScaleTop()) / h * extent;
}

inline double UserXAt(const Surface& s, double twips, double extent) {
  return extent == 0 ? twips : s.ScaleLeft() + twips / extent * s.ScaleWidth();
}

inline double UserYAt(const Surface& s, double twips, double extent) {
  return extent == 0 ? twips : s.ScaleTop() + twips / extent * s.ScaleHeight();
}
