#include "diagrams/diagram_surface.h"

#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"

namespace {
constexpr int32_t kWhite = 0xFFFFFF;
}

SurfaceKind KindOf(const Surface& target) {
  if (target.IsPrinter()) return SurfaceKind::Printer;
  if (target.IsHiddenPicture()) return SurfaceKind::Bitmap;
  return SurfaceKind::Screen;
}

PageBand PageBandOf(double pageWidth, double pageHeight) {
  if (!(pageWidth > 0)) return PageBand::Tall;
  const float ratio = Sng(pageHeight / pageWidth);
  if (ratio > 0.72f) return PageBand::Tall;
  if (ratio < 0.7f) return PageBand::Wide;
  return PageBand::Middle;
}

void PrintCaptionOnEdge(Surface& target, const std::string& caption, double x, double y, double cutFrom,
                        double edgeY, bool wholePen) {
  target.SetFontBold(true);
  target.SetFontItalic(true);
  target.SetCurrentX(x);
  target.SetCurrentY(y);
  target.Print(caption, true);
  double end = target.CurrentX();
  int32_t whole = 0;
  if (wholePen && TryCLng(end, whole)) end = whole;
  target.Line(cutFrom, edgeY, end + 50, edgeY, kWhite);
  target.SetCurrentX(x);
  target.SetCurrentY(y);
  target.Print(caption, true);
  target.SetForeColor(0);
  target.SetFontBold(false);
  target.SetFontItalic(false);
}
