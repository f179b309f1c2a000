#pragma once

#include "platform/ui/control.h"

class ClassicLineEdit;
class QPlainTextEdit;

// A text box, one line or (MultiLine, chosen when it is made) several lines
// separated by CR LF. A single-line box looks like a classic edit box: a thin
// border, as tall as its font needs, the text in the middle of its height.
class TextBox : public Control {
 public:
  TextBox(Form& form, Control* container, std::string name, int index, bool multiLine = false);

  const std::string& Text() const { return text_; }
  // Sets the text; Change runs when it differs from the text before.
  void SetText(const std::string& text);
  // Whether the user has changed the text since the program last set it: a
  // box left untyped holds the value the program put there.
  bool Typed() const { return typed_; }
  bool Locked() const { return locked_; }
  void SetLocked(bool on);
  // Largest number of characters the user may type; 0 = no limit. Text set
  // by code is not cut.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length) { maxLength_ = length < 0 ? 0 : length; }
  int SelStart() const;
  void SetSelStart(int pos);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  int Alignment() const { return alignment_; }
  void SetAlignment(int alignment);
  bool MultiLine() const { return multiLine_; }
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);

  bool CanTakeFocus() const override { return true; }
  // A multi-line box that may be typed into takes Enter as a new line.
  bool TypesEnter() const override { return multiLine_ && !locked_; }

  // Types `text` as the user would: the focus comes to the box, the whole
  // old text is replaced, every character passes KeyPress (which may change
  // or cancel it); a locked box keeps its text; MaxLength is respected. The
  // resulting text is set at once, so Change runs once when the text differs.
  void typeText(const std::string& text);
  // The user moves the focus away from the box to no other control
  // (LostFocus runs when the box had the focus).
  void leave();

 private:
  friend class Form;
  friend class ControlBridge;
  bool ShowsProgramText() const override { return !typed_; }
  void UserEdited(const std::string& text);
  void ShowText();

  ClassicLineEdit* line_ = nullptr;
  QPlainTextEdit* multi_ = nullptr;
  std::string text_;
  bool locked_ = false;
  int maxLength_ = 0;
  int alignment_ = 0;
  bool multiLine_;
  int borderStyle_ = 1;
  bool showing_ = false;  // set while the widget is being updated by code
  bool typed_ = false;
};
