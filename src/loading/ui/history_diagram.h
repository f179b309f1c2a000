#pragma once

#include <cstdint>

class FormMain;
class Surface;

// The history diagram's frame values (twips of the diagram, Singles).
struct HistoryGeometry {
  float X0, Xr, Yb, Yt, Xc;  // stress axis, right end, point axis, top, text anchor
  int32_t n;                  // points
  float ky, kx;               // twips per stress, twips per point
  float Yz;                   // the zero line
  bool drawable;              // false where the stress range is empty or n < 2
};

// Places and fills the labels and value boxes lying on Pic_Hist after a
// drawing on the screen, and draws the screen's end of the point axis.
void PlaceHistoryControls(FormMain& main, Surface& surface, const HistoryGeometry& g);
