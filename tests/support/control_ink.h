#pragma once

// Where a control's text shows: the dark pixels of the control's area in its
// window's picture, for tests of how text stands in boxes and labels (Qt
// tests only).

#include <QPoint>
#include <QWidget>

#include "platform/ui/form.h"

struct ControlInk {
  int left = -1, right = -1, top = -1;  // pixels, from the control's corner
  bool Any() const { return left >= 0; }
  int Width() const { return right - left + 1; }
};

// Dark pixels (mean of red, green and blue below 96) of the control's area,
// `inset` pixels in from its edges (1 leaves out a one-pixel border).
inline ControlInk InkOf(const Form& form, const Control& c, int inset = 0) {
  const WindowImage image = form.ClientImage();
  const QWidget* w = c.widget();
  const QPoint at = w->mapTo(form.clientArea(), QPoint(0, 0));
  ControlInk ink;
  for (int y = inset; y < w->height() - inset; ++y)
    for (int x = inset; x < w->width() - inset; ++x) {
      const int32_t p = image.Pixel(at.x() + x, at.y() + y);
      if (((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3 >= 96) continue;
      if (!ink.Any() || x < ink.left) ink.left = x;
      if (x > ink.right) ink.right = x;
      if (ink.top < 0) ink.top = y;
    }
  return ink;
}

// The top of the control's text in the window's picture (pixels from the
// top of the window's inner area); -1 when it shows none.
inline int InkTopInWindow(const Form& form, const Control& c, int inset = 0) {
  const ControlInk ink = InkOf(form, c, inset);
  return ink.Any() ? c.widget()->mapTo(form.clientArea(), QPoint(0, ink.top)).y() : -1;
}
