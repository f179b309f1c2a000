#pragma once

#include <cstdint>

#include "loading/diagram_placement.h"

class FormMain;
struct PictureSpot;

// The history diagram's values (twips of the diagram, Singles): the plot from
// the stress axis x0 to x1 (0.95 W) and from the point axis y0 to y1.
struct HistoryGeometry : PlotFrame {
  int32_t n;      // points
  float ky, kx;   // twips per stress, twips per point
  float Yz;       // the zero line
  bool drawable;  // false where the stress range is empty or n < 2
};

// Places and fills the labels and value boxes lying on Pic_Hist after a
// drawing on the screen.
void PlaceHistoryControls(FormMain& main, const PictureSpot& spot, const HistoryGeometry& g);
