#pragma once

class FormMain;
class Surface;

// The distribution diagram's frame values (twips of the diagram, Singles).
struct DistributionGeometry {
  float W, H;
  float xL, xR, yB, yT, xM;  // density axis, right end, s axis, top, text anchor
  float FK;                  // font factor
  int batch;                 // the batch passed (whether it holds a history)
};

// Places and fills the labels and value boxes lying on Pic_Distr after a
// drawing on the screen; `pictureWidth` is the picture's width in the
// diagram's units.
void PlaceDistributionControls(FormMain& main, const Surface& surface, const DistributionGeometry& g,
                               double pictureWidth);
