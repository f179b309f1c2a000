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
  // Once the surface has a user scale (Scale, ScaleLeft, ...), the controls
  // inside the picture are placed in it: Left and Top are the user
  // coordinates of a child's upper left corner (with y growing upwards, Top
  // is the y of its upper edge), Width and Height lengths in user units. A
  // child keeps its place when the scale changes later, until it is moved.
  bool ChildToPixels(float left, float top, float width, float height, PixelRect& out) const override;

 protected:
  void PixelsToScale(double px, double py, float& x, float& y) const override;
  void ApplyColours() override;

 private:
  PictureWidget* picture_;
  std::unique_ptr<Surface> surface_;
  int borderStyle_ = 1;
};
