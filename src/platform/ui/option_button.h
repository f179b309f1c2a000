#pragma once

#include "platform/ui/control.h"

class QRadioButton;

// An option button. The option buttons of one container (frame, picture or
// the form) exclude each other; the layer keeps that rule itself, so code
// can also clear every button of a group.
//
// Setting Value to true (from false) clears the others of the group and runs
// Click once, as a user's click would; setting it to false runs nothing.
class OptionButton : public Control {
 public:
  OptionButton(Form& form, Control* container, std::string name, int index);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Value() const { return value_; }
  void SetValue(bool on);
  bool CanTakeFocus() const override { return true; }
  // The user clicks the button: the focus comes to it, it is selected, and
  // Click runs when it was not selected before.
  void click() override;

 private:
  friend class Form;
  friend class ControlBridge;
  void ShowValue();
  QRadioButton* button_;
  std::string caption_;
  bool value_ = false;
};
