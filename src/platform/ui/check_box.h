#pragma once

#include "platform/ui/control.h"

class QCheckBox;

// A check box with Value 0 (clear), 1 (checked) or 2 (grayed). Setting Value
// to a new value runs Click, as does the user's click (which toggles 0 and 1).
class CheckBox : public Control {
 public:
  CheckBox(Form& form, Control* container, std::string name, int index);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Value() const { return value_; }
  void SetValue(int value);
  bool CanTakeFocus() const override { return true; }
  void click() override;

 private:
  friend class Form;
  friend class ControlBridge;
  void ShowValue();
  QCheckBox* box_;
  std::string caption_;
  int value_ = 0;
};
