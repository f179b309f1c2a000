#pragma once

#include <QImage>

#include "platform/draw/window_image.h"

class QWidget;

// The QImage behind a WindowImage handle (for the platform layer only).
struct WindowImage::Impl {
  QImage image;
};

// A handle on a copy of image.
WindowImage MakeWindowImage(const QImage& image);
// The image of a handle; a null image for an empty handle.
QImage QImageOf(const WindowImage& image);
// The client area of a window (or any widget) as the screen would show it,
// controls and all; works for hidden windows too (they are rendered).
WindowImage GrabWindowImage(QWidget& widget);
