#pragma once

#include "platform/ui/form.h"

class FormMain;

// The colour settings frame `frm_settings`.
class SettingsFramePanel {
 public:
  explicit SettingsFramePanel(FormMain& main);

  FormMain& main;
  Frame& frm_settings;
  Frame& frm_set_graphics;
  ControlArray<Label>& Graphics;  // 1 .. 6
  Label& Select_settings_option;
  CommandButton& cmd_settings_done;
  CommandButton& cmd_settings_cancel;
};
