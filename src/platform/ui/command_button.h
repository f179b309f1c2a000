#pragma once

#include "platform/ui/control.h"

class QPushButton;

// A command button. The form's default button is clicked by Enter in the
// form's other controls; the cancel button by Escape.
class CommandButton : public Control {
 public:
  CommandButton(Form& form, Control* container, std::string name, int index);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Default() const;
  void SetDefault(bool on);
  bool Cancel() const;
  void SetCancel(bool on);
  bool CanTakeFocus() const override { return true; }

 private:
  QPushButton* button_;
  std::string caption_;
};
