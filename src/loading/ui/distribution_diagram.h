#pragma once

#include "loading/diagram_placement.h"

class FormMain;
struct PictureSpot;

// The distribution diagram's values (twips of the diagram, Singles): the plot
// from the density axis x0 to x1 and from the s axis y0 to y1 in an area of
// W x H.
struct DistributionGeometry : PlotFrame {
  float W, H;
  float FK;   // font factor
  int batch;  // the batch passed (whether it holds a history)
};

// Places and fills the labels and value boxes lying on Pic_Distr after a
// drawing on the screen.
void PlaceDistributionControls(FormMain& main, const PictureSpot& spot, const DistributionGeometry& g);
