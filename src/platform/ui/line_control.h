#pragma once

#include "platform/ui/control.h"

class LineWidget;

// A straight line between (X1, Y1) and (X2, Y2), in twips of its container,
// BorderWidth pixels wide. Left/Top/Width/Height follow the end points.
class LineControl : public Control {
 public:
  LineControl(Form& form, Control* container, std::string name, int index);
  float X1() const { return x1_; }
  float Y1() const { return y1_; }
  float X2() const { return x2_; }
  float Y2() const { return y2_; }
  void SetX1(float twips);
  void SetY1(float twips);
  void SetX2(float twips);
  void SetY2(float twips);
  int16_t BorderWidth() const { return borderWidth_; }
  // Rounds to the nearest whole number, halves to the even one; at least 1.
  void SetBorderWidth(double pixels);
  int32_t BorderColor() const { return borderColor_; }
  void SetBorderColor(int32_t colour);

 private:
  friend class Form;
  bool KeepsGivenRect() const override { return true; }
  void Place();
  LineWidget* line_;
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int16_t borderWidth_ = 1;
  int32_t borderColor_ = 0;
};
