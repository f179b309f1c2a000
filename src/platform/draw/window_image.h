#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A pixel copy of a window (or of the hidden picture) as the screen shows it,
// for the copy-screen and bitmap commands. The image itself stays behind this
// handle; copies share it.
class WindowImage {
 public:
  struct Impl;

  WindowImage();
  explicit WindowImage(std::shared_ptr<const Impl> impl);
  ~WindowImage();
  WindowImage(const WindowImage&);
  WindowImage& operator=(const WindowImage&);

  bool IsEmpty() const;
  int PixelWidth() const;
  int PixelHeight() const;
  // Colour of a pixel as 0x00BBGGRR; -1 outside the image.
  int32_t Pixel(int x, int y) const;
  // Writes the image as a 24-bit .bmp file (atomically). On failure returns
  // false with the runtime's text for the fault in error.
  bool SaveBitmap(const std::string& path, std::string* error = nullptr) const;

  const Impl* impl() const { return impl_.get(); }

 private:
  std::shared_ptr<const Impl> impl_;
};
