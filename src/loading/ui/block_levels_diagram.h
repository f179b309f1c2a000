#pragma once

// The block spectrum's diagram: the levels of one block of loading.

#include <cstdint>

#include "loading/diagram_placement.h"

class FormMain;
struct PictureSpot;

// The spectrum diagram's values (twips of the diagram, Singles): the plot
// from the stress axis x0 to x1 and from the cycles axis y0 to y1.
struct SpectrumGeometry : PlotFrame {
  float Sref;     // reference stress: a stress of Sref reaches 1/1.22 of the plot
  int32_t N;      // cycles per block
  int L;          // levels drawn
  float ys, xs;   // twips per stress, twips per cycle
  bool drawable;  // false where Sref or N is 0: the diagram has no scale
  int batch;      // the database row drawn (0 = typed in)
};

// The mouse pointers and tool tips of the SS labels and the E label and box
// of the S-N frame, set at every drawing.
void SetSpectrumEntryControls(FormMain& main);

// Places and fills the labels and value boxes lying on Pic_Spectr after a
// drawing on the screen.
void PlaceSpectrumControls(FormMain& main, const PictureSpot& spot, const SpectrumGeometry& g);
