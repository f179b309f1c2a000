#pragma once

#include "platform/ui/control.h"

class QLabel;

// A label. With AutoSize its Width and Height follow its caption and font:
// they are fitted again after every change of caption, font, Width or Height.
class Label : public Control {
 public:
  Label(Form& form, Control* container, std::string name, int index);
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Alignment() const { return alignment_; }
  void SetAlignment(int alignment);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);

 protected:
  void FontChanged() override;
  void ApplyColours() override;

 private:
  void FitToCaption();
  QLabel* label_;
  std::string caption_;
  int alignment_ = 0;
  int borderStyle_ = 0;
  bool autoSize_ = false;
};
