#include "platform/qt/image_surface.h"

#include <QPainter>

#include "platform/qt/colour_conversion.h"

namespace {

constexpr int kDotsPerMeter = 3780;  // 96 dpi

QImage MakeImage(QSize size, int32_t back) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  image.fill(ColourFromBgr(back));
  return image;
}

}  // namespace

ImageSurface::ImageSurface(SizeSource size)
    : PainterSurface("Microsoft Sans Serif", 8.25, 0xFFFFFF), size_(std::move(size)) {
  metrics_ = MakeImage(QSize(1, 1), 0xFFFFFF);
}

void ImageSurface::Sync() const {
  QSize want = size_ ? size_() : QSize();
  if (want.width() < 0 || want.height() < 0) want = QSize();
  if (image_.size() == want) return;
  if (want.isEmpty()) {
    image_ = QImage();
  } else {
    QImage next = MakeImage(want, BackColor());
    if (!image_.isNull()) {
      QPainter p(&next);
      p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
  }
  Notify();
}

void ImageSurface::Notify() const {
  if (changed_) changed_();
}

const QImage& ImageSurface::image() const {
  Sync();
  return image_;
}

QSizeF ImageSurface::DevicePixels() const {
  Sync();
  return QSizeF(image_.size());
}

const QPaintDevice* ImageSurface::MetricsDevice() const { return &metrics_; }

void ImageSurface::Paint(const std::function<void(QPainter&)>& draw) {
  Sync();
  if (image_.isNull()) return;
  {
    QPainter p(&image_);
    draw(p);
  }
  Notify();
}

int32_t ImageSurface::PixelAt(int x, int y) const {
  Sync();
  if (!image_.valid(x, y)) return -1;
  return BgrFromColour(QColor(image_.pixel(x, y)));
}

void ImageSurface::Refresh() { Notify(); }

void ImageSurface::SetBackColor(int32_t colour) {
  PainterSurface::SetBackColor(colour);
  Sync();
  if (image_.isNull()) return;
  image_.fill(ColourFromBgr(colour));
  Notify();
}
