#pragma once

#include <string>

class Surface;

// Where a diagram is drawn: the picture box of a window, the hidden print
// picture that composes a bitmap, or the printer. Every diagram lays itself
// out by the kind of the surface it is given.
enum class SurfaceKind { Screen, Bitmap, Printer };

SurfaceKind KindOf(const Surface& target);
inline bool OnPaper(SurfaceKind kind) { return kind != SurfaceKind::Screen; }

// The three printer page layouts, chosen by the page's height-to-width ratio
// taken as a Single: above 0.72, from 0.7 to 0.72, below 0.7. A page without
// a width counts as tall.
enum class PageBand { Tall, Middle, Wide };
PageBand PageBandOf(double pageWidth, double pageHeight);

// The caption of a frame drawn on paper: printed bold italic at (x, y) with
// the pen kept behind it, the frame's edge at `edgeY` cut white from `cutFrom`
// to 50 units past the end of the caption, and the caption printed again over
// the cut. With `wholePen` the end of the caption is taken as a whole number.
// Fore colour, bold and italic are left black and off.
void PrintCaptionOnEdge(Surface& target, const std::string& caption, double x, double y, double cutFrom,
                        double edgeY, bool wholePen);
