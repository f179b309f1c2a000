#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/runtime/atomic_file.h"

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
  // Writes the image as a 24-bit .bmp file, replacing the target only after a
  // complete write; a failure carries the runtime's text for the fault.
  SaveResult SaveBitmap(const std::string& path) const;

  const Impl* impl() const { return impl_.get(); }

 private:
  std::shared_ptr<const Impl> impl_;
};
