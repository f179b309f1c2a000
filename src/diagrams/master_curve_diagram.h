#pragma once

#include <string>

#include "diagrams/master_curve_texts.h"

struct ProgramState;
struct MasterCurveGeometry;
class Surface;

// Captions of the main window that the master-curve screen prints on paper:
// the two frames' captions, the infinite-life label's caption; and the job
// summary texts its text panel repeats.
struct MasterCurveLabels {
  std::string graphCaption = "Master Curve";
  std::string textCaption = "Input Data";
  std::string infiniteCaption = "Fatigue Life  =  Infinite...";
  JobSummaryTexts summary;
};

// What the life diagram came to: an infinite life (no life axis), and
// whether the curve was drawn.
struct MasterCurveOutcome {
  bool infinite = false;
  bool curveDrawn = false;
};

// The life diagram of the master curve on `graph`: the life (horizontal,
// from 0) against the varied parameter (vertical, from 0) with ticks, grid,
// labels and titles, and the curve through the points in red with its
// run-out. Sets `LifeUnitFactor2`; the life axis and the curve are left out
// when no positive life can be shown.
MasterCurveOutcome DrawMasterLifeDiagram(ProgramState& s, Surface& graph, const MasterCurveGeometry& g,
                                         const std::string& lifeTitle, const std::string& infiniteCaption);

// The whole master-curve screen on its two surfaces (one and the same on
// paper), after the screen's pictures were cleared and sized: the graph's
// scale, `LifeUnitFactor`, on paper the frames with their captions and the
// text panel's separators, the text panel and the life diagram.
MasterCurveOutcome DrawMasterCurveOverview(ProgramState& s, Surface& graph, Surface& text, const MasterCurveGeometry& g,
                                           const MasterCurveLabels& labels);
