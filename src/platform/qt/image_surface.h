#pragma once

#include <QImage>
#include <QSize>
#include <functional>

#include "platform/qt/painter_surface.h"

// A drawing surface over a persistent image: the backing store of a picture
// box, painted on screen by its widget, and of the hidden picture.
//
// The image follows the pixel size that the size source reports. It is
// brought to that size before every call (a hidden widget gets no resize
// event); what was drawn stays in place, new area is filled with BackColor.
// After every change the change listener runs, so that a widget can update().
// The screen resolution is taken as 96 dpi: 15 twips a pixel.
class ImageSurface : public PainterSurface {
 public:
  using SizeSource = std::function<QSize()>;
  static constexpr double kDpi = 96.0;
  static constexpr double kTwipsPerPixel = 15.0;

  explicit ImageSurface(SizeSource size);

  // The image as drawn, at the current size.
  const QImage& image() const;
  void SetChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

  void Refresh() override;
  // Setting the background clears the picture to the new colour.
  void SetBackColor(int32_t colour) override;

 protected:
  QSizeF DevicePixels() const override;
  double DpiX() const override { return kDpi; }
  double DpiY() const override { return kDpi; }
  const QPaintDevice* MetricsDevice() const override;
  void Paint(const std::function<void(QPainter&)>& draw) override;
  int32_t PixelAt(int x, int y) const override;

 private:
  void Sync() const;
  void Notify() const;

  SizeSource sizeSource_;
  mutable QSize size_{0, 0};  // the size last reported (the image is null while it is empty)
  std::function<void()> changed_;
  mutable QImage image_;
  mutable QImage metrics_;  // a 1x1 image to measure text while the picture is empty
};
