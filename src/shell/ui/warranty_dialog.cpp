#include "shell/ui/warranty_dialog.h"

#include "shell/ui/control_rows.h"

namespace {
using namespace rows;

// Design inner size 4848 x 3864 twips; outer 5020 x 4300 at scale 1.
constexpr ControlDef kDialog[] = {
    [] {
      ControlDef d = BoxDef("Dialog_Text", -1, "", 240, 240, 4335, 2775, "");
      d.multiLine = true;
      d.locked = true;
      return d;
    }(),
    [] {
      ControlDef d = ButtonDef("Dialog_OKButton", -1, "", 960, 3240, 1335, 375, "Accept");
      d.isDefault = true;
      return d;
    }(),
    [] {
      ControlDef d = ButtonDef("Dialog_CancelButton", -1, "", 2640, 3240, 1335, 375, "Don't accept");
      d.isCancel = true;
      return d;
    }(),
};

Form& Built(Form& f) {
  f.SetCaption("DUVAK Limited Warranty");
  f.Move(0, 0, 5020, 4300);
  f.Build(kDialog);
  return f;
}
}  // namespace

WarrantyDialog::WarrantyDialog(Host& host)
    : Form(host, "Dialog"),
      Dialog_Text(Built(*this).textBox("Dialog_Text")),
      Dialog_OKButton(button("Dialog_OKButton")),
      Dialog_CancelButton(button("Dialog_CancelButton")) {
  // Wire Form_Load (the warranty text) and the buttons' Click here.
}
