#pragma once

#include <cstdint>
#include <string>

#include "montecarlo/life_statistics.h"

class Surface;
struct ProgramState;

// The two plots of the simulation results diagram, drawn in the plot scale
// (y upwards) with the statistics of the lower tail just computed.

// Colours of the plots.
inline constexpr int32_t kMcsGrey = 0x808080;       // probability-paper grid and ticks
inline constexpr int32_t kMcsFitColour = 0xC00000;  // fitted curves, reliability guide
inline constexpr int32_t kMcsBarColour = 0x800080;  // histogram bars, empirical R(T) steps
inline constexpr int32_t kMcsLifeColour = 0xC000C0;  // plotted lives

// What the plots share: the displayed life per stored life f, its unit label,
// the font factor and the fill colour of lives, bars and steps.
struct McsPlotStyle {
  double f = 1;
  std::string unitLabel;
  float phi = 1;
  int32_t fillColour = 0;
};

// The probability paper as drawn: the life axis over decades Dlo .. Dlo + n
// (x0 + sx per decade) and the probability axis of the Weibull (k, p0) or
// log-normal paper.
struct ProbabilityPaper {
  static constexpr double x0 = -25, y0 = -220;
  bool weibull = false;
  int k = 7;
  double p0 = 1e-4;
  double sy = 0;
  double sx = 0;
  int dlo = 0;
  double f = 1;
  // Where a displayed-unit life and a failure probability lie.
  double X(double storedLife) const;
  double Y(double p) const;
};

// The probability plot: paper, grid, labels, the plotted lives and the fitted
// distribution (LifeFitKind above 1), and the axis titles.
ProbabilityPaper DrawProbabilityPlot(ProgramState& s, Surface& t, const McsPlotStyle& style);

// The life distribution: the histogram of the tail with the fitted density
// (LifeFitKind above 1) over the reliability R(T), empirical and fitted; sets
// TailFraction to the share of the lives in the classes. Tmax is the largest
// displayed life.
void DrawLifeDistribution(ProgramState& s, Surface& t, const McsPlotStyle& style, const LifeStatistics& st,
                          double tmax);
