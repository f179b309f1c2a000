#pragma once

#include "platform/ui/form.h"

// The warranty dialog shown at the end of start-up ("Accept" / "Don't accept").
// Its text is filled by its load.
class WarrantyDialog : public Form {
 public:
  explicit WarrantyDialog(Host& host);

  TextBox& Dialog_Text;
  CommandButton& Dialog_OKButton;
  CommandButton& Dialog_CancelButton;
};
