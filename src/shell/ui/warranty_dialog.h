#pragma once

#include "platform/ui/form.h"

class FormMain;

// The warranty dialog shown modally at the end of start-up. Its load fills
// the disclaimer; "Accept" records the acceptance and opens the problem
// definition; "Don't accept" unloads the dialog and the main window, which
// ends the program (as closing the dialog does).
class WarrantyDialog : public Form {
 public:
  WarrantyDialog(Host& host, FormMain& main);

  void Form_Load();
  void Dialog_OKButton_Click();
  void Dialog_CancelButton_Click();

  TextBox& Dialog_Text;
  CommandButton& Dialog_OKButton;
  CommandButton& Dialog_CancelButton;

 private:
  FormMain& main_;
};

// The disclaimer the dialog shows.
extern const char* const kWarrantyText;
