#pragma once

#include <memory>
#include <string>

#include "platform/draw/forwarding_surface.h"
#include "platform/draw/window_image.h"

// The hidden picture (Printer2): an off-screen image on which a print command
// composes the diagrams of a window and then saves them as a bitmap file. It
// keeps its drawing and size until they are changed. A fresh picture is empty
// (0 x 0); its size is set in twips, 15 twips a pixel.
class HiddenPicture : public ForwardingSurface {
 public:
  HiddenPicture();
  ~HiddenPicture() override;
  HiddenPicture(const HiddenPicture&) = delete;
  HiddenPicture& operator=(const HiddenPicture&) = delete;

  bool IsHiddenPicture() const override { return true; }

  // The size in twips; the image is resized at once, keeping what was drawn.
  void SetWidth(double twips);
  void SetHeight(double twips);

  // Writes the image as a 24-bit .bmp file, replacing the target only after a
  // complete write. On failure returns false with the runtime's text for the
  // fault ("Path not found", ...) in error.
  bool SaveBitmap(const std::string& path, std::string* error = nullptr) const;
  // A copy of the image as drawn.
  WindowImage Image() const;

 protected:
  Surface& Target() override;
  const Surface& Target() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
