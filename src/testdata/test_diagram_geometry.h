#pragma once

#include "diagrams/diagram_surface.h"
#include "testdata/test_data_records.h"

// The diagram's fixed geometry in its own units (x to the right, y upwards).
inline constexpr double kPlotX0 = 80;       // lower left corner of the plot area
inline constexpr double kPlotY0 = -160;
inline constexpr double kPlotWidth = 620;   // the life axis
inline constexpr double kPlotHeight = 285;  // the stress axis

// The layout of one surface of Width w and Height h (twips): the second
// window's pane (the screen), the hidden picture of the bitmap output or the
// printer page. On paper: the page area and the information box beside it;
// everywhere: the font factor and the window of diagram units that spans the
// whole surface.
struct TestDiagramPage {
  double marginLeft = 0, marginBottom = 0;  // the page origin, from the bottom left
  double pageWidth = 0, pageHeight = 0;     // the bordered page area (paper only)
  double infoLeft = 0, infoWidth = 0;       // the information box (paper only)
  double fontFactor = 1;
  int fitLineWidth = 2;
  double windowLeft = 0, windowRight = 0, windowBottom = 0, windowTop = 0;
  double frameLeft = -30;  // the outer diagram frame's left edge
  double textColumn = 770; // the fit's text block
  double pointRadius = 5;
};
TestDiagramPage TestDiagramPageFor(SurfaceKind kind, double w, double h, int zoom, float fontScale);

// The logarithmic axes over the points with a positive stress and life (used
// and omitted alike; the life axis never starts above 10^8): the exponents of
// the first and last decades and the units per decade. `stressFactor` turns
// MPa into the displayed unit, in which the stress axis runs.
struct TestDiagramAxes {
  bool hasPoints = false;
  double lifeMin = 0, lifeMax = 0;      // cycles
  double stressMin = 0, stressMax = 0;  // MPa
  int lifeFirst = 0, lifeLast = 0;      // decades a .. b
  int stressFirst = 0, stressLast = 0;  // decades c .. d
  float lifeDecade = 0, stressDecade = 0;
  float stressFactor = 1;

  double X(double life) const;
  double Y(double stressMpa) const;
};
TestDiagramAxes TestDiagramAxesFor(const TestDataSet& set, float stressFactor);

// Whether point k can be drawn (a positive stress and life).
bool DrawableTestPoint(const TestDataSet& set, int k);

// The displayed stress S x f, in single precision.
float DisplayedStress(float stressMpa, float stressFactor);
