#include "diagrams/diagram_surface.h"

#include "platform/draw/surface.h"

SurfaceKind KindOf(const Surface& target) {
  if (target.IsPrinter()) return SurfaceKind::Printer;
  if (target.IsHiddenPicture()) return SurfaceKind::Bitmap;
  return SurfaceKind::Screen;
}

void ScaleUpwardsFrom(Surface& target, double left, double bottom) {
  target.Scale(0, target.Height(), target.Width(), 0);
  target.SetScaleLeft(target.ScaleLeft() - left);
  target.SetScaleTop(target.ScaleTop() - bottom);
}
