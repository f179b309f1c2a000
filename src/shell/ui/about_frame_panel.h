#pragma once

#include "platform/ui/form.h"

class FormMain;

// The About frame `frm_about`, the "&Help" menu's commands and the title
// block of the empty main view (`Label1` .. `Label4`).
class AboutFramePanel {
 public:
  explicit AboutFramePanel(FormMain& main);

  // "About DUVAK...": the About frame covers the working frame that is up.
  void mnu_about_Click();
  // "&OK" of the About frame: the covered frame and the UiState come back.
  void cmd_about_Click();
  // "&Contents": the help file "duvak.hlp" while the main view is idle.
  void mnu_hlp_ind_Click();
  // The title block shows in the empty main view only: once the input view
  // is up its frames stand in the title's place, and a frame that goes away
  // there leaves no piece of the title in sight.
  void ShowTitle();

  FormMain& main;
  Frame& frm_about;
  ControlArray<Label>& info_about;
  CommandButton& cmd_about;
  Label& Label1;
  Label& Label2;
  Label& Label3;
  Label& Label4;
};
