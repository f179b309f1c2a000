#include "shell/ui/warranty_dialog.h"

#include "engine/ui/engine_commands.h"
#include "program_state.h"
#include "shell/ui/control_rows.h"
#include "shell/ui/form_main.h"

namespace {
using namespace rows;

// Design inner size 4848 x 3864 twips; outer 5020 x 4300 at scale 1.
constexpr ControlDef kDialog[] = {
    [] {
      ControlDef d = MultiLine(BoxDef("Dialog_Text", -1, "", 240, 240, 4335, 2775, ""));
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

const char* const kWarrantyText =
    "This program is provided as it is, without warranty of any kind, except that disks and manuals "
    "found defective within ninety days of delivery will be replaced. No other warranty, expressed or "
    "implied, is given, including any warranty of merchantability or of fitness for a particular "
    "purpose. The whole risk as to the quality and performance of the program and of its results lies "
    "with you, the user. Neither Quorz nor anyone else who has been involved in the making, production "
    "or delivery of this program shall be liable for any direct, indirect or consequential damages "
    "arising from its use or from the inability to use it, even if Quorz has been advised of the "
    "possibility of such damages.";

WarrantyDialog::WarrantyDialog(Host& host, FormMain& main)
    : Form(host, "Dialog"),
      Dialog_Text(Built(*this).textBox("Dialog_Text")),
      Dialog_OKButton(button("Dialog_OKButton")),
      Dialog_CancelButton(button("Dialog_CancelButton")),
      main_(main) {
  onLoad = [this] { Form_Load(); };
  Dialog_OKButton.onClick = [this] { Dialog_OKButton_Click(); };
  Dialog_CancelButton.onClick = [this] { Dialog_CancelButton_Click(); };
}

void WarrantyDialog::Form_Load() { Dialog_Text.SetText(kWarrantyText); }

void WarrantyDialog::Dialog_OKButton_Click() {
  Hide();
  Unload();
  main_.state().shellState.WarrantyAccepted = 1;
  ShowProblemDefinition(main_);
}

void WarrantyDialog::Dialog_CancelButton_Click() {
  Unload();
  main_.Unload();
}
