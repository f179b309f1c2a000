#pragma once

#include "platform/ui/control.h"

class QScrollBar;

// A scroll bar. Change runs whenever Value changes: by the user (arrow or
// track clicks, or releasing the dragged thumb) or by code. A Max or Min that
// leaves Value outside the range brings Value into it (and runs Change).
class ScrollBar : public Control {
 public:
  int Value() const { return value_; }
  void SetValue(int value);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int value);
  void SetMax(int value);
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void SetSmallChange(int value);
  void SetLargeChange(int value);
  bool CanTakeFocus() const override { return true; }

 protected:
  ScrollBar(Form& form, Control* container, ControlKind kind, std::string name, int index);

 private:
  friend class Form;
  friend class ControlBridge;
  void UserMoved(int value, bool dragging);
  void ShowRange();
  QScrollBar* bar_;
  int value_ = 0, min_ = 0, max_ = 32767, smallChange_ = 1, largeChange_ = 1;
  bool showing_ = false;
};

class HScrollBar : public ScrollBar {
 public:
  HScrollBar(Form& form, Control* container, std::string name, int index)
      : ScrollBar(form, container, ControlKind::HScrollBar, std::move(name), index) {}
};

class VScrollBar : public ScrollBar {
 public:
  VScrollBar(Form& form, Control* container, std::string name, int index)
      : ScrollBar(form, container, ControlKind::VScrollBar, std::move(name), index) {}
};
