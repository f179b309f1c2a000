#pragma once

#include <array>

class Surface;
struct LayoutScales;

// The three layouts of a diagram on a printer page, chosen by the page's
// height-to-width ratio taken as a Single: above 0.72, from 0.7 to 0.72
// (both ends included), below 0.7. A page without a width counts as tall.
enum class PageBand { Tall, Middle, Wide };
PageBand PageBandOf(double pageWidth, double pageHeight);

// Where a loading diagram lies on its surface. The screen picture sits in its
// frame; the hidden print picture (Printer2) and the printer hold the diagram
// at a fixed place of the page, the printer in three bands of the page's
// height-to-width ratio.
enum class DiagramSurface : int { kScreen, kPrinter2, kPrinterTall, kPrinterMiddle, kPrinterWide };

// The surface kind: the printer by its page's band, the hidden picture,
// anything else the screen picture.
DiagramSurface DiagramSurfaceOf(const Surface& surface);
inline bool OnPaper(DiagramSurface kind) { return kind != DiagramSurface::kScreen; }

// One length of the placement: basis x factor, or basis / divisor.
struct PlacementTerm {
  enum Basis : int { kWidth, kHeight, kFrameWidth, kFrameHeight, kPlotWidth, kPlotHeight, kZero };
  Basis basis;
  bool divide;
  double value;
};

// Which scale of the screen multiplies the diagram's font sizes.
enum class FontFactor : int { kOne, kFontScale, kScaleX };

// One row of a placement table: plot width W and height H, the origin's
// offsets ox (from the left edge) and oy (from the bottom edge), the width of
// the curve or bar lines, the font factor.
struct PlacementRow {
  PlacementTerm w, h, ox, oy;
  int lineWidth;
  FontFactor font;
};

// A placement table: one row per DiagramSurface, in its order.
using PlacementTable = std::array<PlacementRow, 5>;

extern const PlacementTable kSpectrumPlacement;
extern const PlacementTable kHistoryPlacement;
extern const PlacementTable kDistributionPlacement;

// The placement worked out (twips, Singles).
struct DiagramPlace {
  DiagramSurface kind;
  float W, H, ox, oy;
  int lineWidth;
  float f;  // font factor
};

// The row of `kind` worked out: Width and Height are the surface's own (the
// page for the printer), the frame's size serves the screen picture.
DiagramPlace PlaceDiagram(const PlacementTable& table, DiagramSurface kind, double width, double height,
                          float frameWidth, float frameHeight, const LayoutScales& scales);

// The plot inside a diagram area of W x H (twips of the diagram, y up):
// the vertical axis at x0 = 0.1 W, the right end x1, the horizontal axis at
// y0 = 0.15 H, the top y1 = 0.9 H, and xc = (x0 + x1) / 2.5, the anchor of
// the texts above the plot.
struct PlotFrame {
  float x0, x1, y0, y1, xc;
};
PlotFrame PlotFrameOf(float W, float H, double rightFraction);

// Scale (0, height)-(width, 0) with the origin moved to (ox, oy): twips of
// the surface, x to the right, y upward.
void ScaleToDiagram(Surface& surface, double width, double height, const DiagramPlace& place);
