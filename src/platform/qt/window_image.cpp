#include <QColor>
#include <QWidget>

#include "platform/draw/bitmap_encoding.h"
#include "platform/qt/colour_conversion.h"
#include "platform/qt/window_grab.h"

WindowImage::WindowImage() = default;
WindowImage::WindowImage(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}
WindowImage::~WindowImage() = default;
WindowImage::WindowImage(const WindowImage&) = default;
WindowImage& WindowImage::operator=(const WindowImage&) = default;

bool WindowImage::IsEmpty() const { return !impl_ || impl_->image.isNull(); }
int WindowImage::PixelWidth() const { return impl_ ? impl_->image.width() : 0; }
int WindowImage::PixelHeight() const { return impl_ ? impl_->image.height() : 0; }

int32_t WindowImage::Pixel(int x, int y) const {
  if (!impl_ || !impl_->image.valid(x, y)) return -1;
  return BgrFromColour(QColor(impl_->image.pixel(x, y)));
}

bool WindowImage::SaveBitmap(const std::string& path, std::string* error) const {
  const auto bytes = EncodeBitmap24(PixelWidth(), PixelHeight(), [this](int x, int y) { return Pixel(x, y); });
  return WriteBytesAtomically(path, bytes, error);
}

WindowImage MakeWindowImage(const QImage& image) {
  auto impl = std::make_shared<WindowImage::Impl>();
  impl->image = image.convertToFormat(QImage::Format_RGB32);
  return WindowImage(std::move(impl));
}

QImage QImageOf(const WindowImage& image) { return image.impl() ? image.impl()->image : QImage(); }

WindowImage GrabWindowImage(QWidget& widget) {
  if (!widget.testAttribute(Qt::WA_WState_Polished)) widget.ensurePolished();
  return MakeWindowImage(widget.grab().toImage());
}
