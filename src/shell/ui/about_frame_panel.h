#pragma once

#include "platform/ui/form.h"

class FormMain;

// The About frame `frm_about` and the title block of the empty main view
// (`Label1` .. `Label4`).
class AboutFramePanel {
 public:
  explicit AboutFramePanel(FormMain& main);

  FormMain& main;
  Frame& frm_about;
  ControlArray<Label>& lbl_about;
  CommandButton& cmd_about;
  Label& Label1;
  Label& Label2;
  Label& Label3;
  Label& Label4;
};
