#include "layout/layout_scales.h"

#include "platform/runtime/sng.h"

LayoutScales ComputeLayoutScales(float windowWidth, float windowHeight) {
  LayoutScales s;
  s.ScaleX = Sng(static_cast<double>(windowWidth) / 12000.0);
  if (windowWidth != 0.0f) {
    s.ScaleY = Sng(static_cast<double>(s.ScaleX) * windowHeight / windowWidth * 4.0 / 3.0);
  } else {
    s.ScaleY = Sng(static_cast<double>(windowHeight) / 9000.0);
  }
  if (s.ScaleX > 1.4f) {
    s.FontScale = 1.25f;
  } else if (s.ScaleX > 1.0f) {
    s.FontScale = Sng(static_cast<double>(s.ScaleX) * 0.9);
  } else {
    s.FontScale = s.ScaleX;
  }
  return s;
}
