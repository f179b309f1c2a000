#pragma once

#include <string>

#include "montecarlo/mcs_header_block.h"

class Host;
class Surface;
struct McsDiagramGeometry;
struct ProgramState;

// What the drawing leaves for the results view: the plot's title, the texts
// of the three results boxes (failure probability, life at the required
// reliability, lower-tail life), and where the boxes and the two popup
// labels go, in the plot scale (left edge, top of the line).
struct McsDiagramOutcome {
  struct Place {
    double x = 0, y = 0;
  };
  bool drawn = false;  // false when the statistics of the tail gave nothing to show
  std::string pfText, trText, tailText;
  Place pf, tr, tail, lifeLabel, fitLabel;
};

// The plot's title: "Life Distribution", or "Probability Plot  {Log-norm}"
// / "Probability Plot  {Weibull}" by the paper.
std::string McsPlotTitle(const ProgramState& s);

// The simulation results diagram on `target` with its header block on
// `side` (one surface for both on paper), laid out by `g`: the results
// file's header read again, the life unit (a constant amplitude always in
// cycles; hours only with a block time), the statistics of the lower tail,
// the life distribution (McsPlotKind 0) or the probability plot, the
// reliability measures with their guide, and the statistics block (on the
// screen the values of Pf, Tr and Le.Tail go to the view's boxes instead).
// Sets LifeUnit, LifeUnitFactor, LifeUnitLabel, and may clip
// ProbabilityLevel or correct LifeAtReliability (with its message).
McsDiagramOutcome DrawMcsResults(ProgramState& s, Host& host, Surface& target, Surface& side,
                                 const McsDiagramGeometry& g, const McsHeaderTexts& texts);
