#pragma once

#include "platform/ui/control.h"

class QGroupBox;

// A frame: a captioned container of other controls. Option buttons of one
// frame form one group.
class Frame : public Control {
 public:
  Frame(Form& form, Control* container, std::string name, int index);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  QWidget* childArea() const override;

 private:
  QGroupBox* box_;
  std::string caption_;
};
