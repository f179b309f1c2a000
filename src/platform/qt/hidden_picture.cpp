#include "platform/draw/hidden_picture.h"

#include <QSize>
#include <cmath>

#include "platform/qt/image_surface.h"
#include "platform/qt/window_grab.h"

namespace {

int PixelsOf(double twips) {
  if (!(twips > 0)) return 0;
  return static_cast<int>(std::lround(std::min(twips, 16384.0 * ImageSurface::kTwipsPerPixel) / ImageSurface::kTwipsPerPixel));
}

}  // namespace

struct HiddenPicture::Impl {
  QSize size{0, 0};
  ImageSurface surface{[this] { return size; }};
};

HiddenPicture::HiddenPicture() : impl_(std::make_unique<Impl>()) {}
HiddenPicture::~HiddenPicture() = default;

Surface& HiddenPicture::Target() { return impl_->surface; }
const Surface& HiddenPicture::Target() const { return impl_->surface; }

void HiddenPicture::SetWidth(double twips) { impl_->size.setWidth(PixelsOf(twips)); }
void HiddenPicture::SetHeight(double twips) { impl_->size.setHeight(PixelsOf(twips)); }

WindowImage HiddenPicture::Image() const { return MakeWindowImage(impl_->surface.image()); }

bool HiddenPicture::SaveBitmap(const std::string& path, std::string* error) const {
  return Image().SaveBitmap(path, error);
}
