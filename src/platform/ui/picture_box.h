#pragma once

#include <memory>

#include "platform/ui/control.h"

class Surface;
class PictureWidget;

// A picture box: a control whose drawing surface keeps what was drawn (a
// persistent image the size of the control) and shows it on screen. Mouse
// events report x and y in the surface's user scale. It can hold controls.
class PictureBox : public Control {
 public:
  PictureBox(Form& form, Control* container, std::string name, int index);
  ~PictureBox() override;

  // The drawing surface (Cls, Scale, Line, Print, Point, ...).
  Surface& surface();
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);
  bool CanTakeFocus() const override { return true; }
  QWidget* childArea() const override;

 protected:
  void PixelsToScale(double px, double py, float& x, float& y) const override;
  void ApplyColours() override;

 private:
  PictureWidget* picture_;
  std::unique_ptr<Surface> surface_;
  int borderStyle_ = 1;
};
