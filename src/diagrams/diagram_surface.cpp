#include "diagrams/diagram_surface.h"

#include "platform/draw/surface.h"

SurfaceKind KindOf(const Surface& target) {
  if (target.IsPrinter()) return SurfaceKind::Printer;
  if (target.IsHiddenPicture()) return SurfaceKind::Bitmap;
  return SurfaceKind::Screen;
}
