#pragma once

#include <string>

#include "testdata/test_diagram_geometry.h"

class Surface;
struct UnitSettings;

// What a drawing of the test data diagram produced.
struct TestDiagramDrawn {
  bool plotted = false;    // the frame, axes and points (the set has points)
  bool fitShown = false;   // the fitted line, its band and the text block
  double noLabelEnd = 0;   // x where the label "No =  " ended, at y = 125
};

// Draws the test data diagram on `s` in the layout of its kind: on paper the
// border with the title `title` (the diagram frame's caption) and, when not
// zoomed, the information box with the set's values and up to 21 points;
// then the frame, the logarithmic axes of life and displayed stress with
// their grid, the fitted mean line with its band of +/- 3 s and the fit's
// text block (only for a falling fitted line), and the points (dark when
// used in the fit, light when omitted). Points without a positive stress and
// life are left out. The pane is neither cleared nor laid out here, and no
// page is started or ended. Refreshes the set's axis fields when it has
// points to draw.
TestDiagramDrawn DrawTestDataPlot(TestDataSet& set, const UnitSettings& units, float fontScale, Surface& s,
                                  const std::string& title);
