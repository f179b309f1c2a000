#include "shell/ui/settings_frame_panel.h"

#include "shell/ui/form_main.h"

SettingsFramePanel::SettingsFramePanel(FormMain& m)
    : main(m),
      frm_settings(m.frame("frm_settings")),
      frm_set_graphics(m.frame("frm_set_graphics")),
      Graphics(m.array<Label>("Graphics")),
      Select_settings_option(m.label("Select_settings_option")),
      cmd_settings_done(m.button("cmd_settings_done")),
      cmd_settings_cancel(m.button("cmd_settings_cancel")) {
  // Wire Graphics_Click/MouseDown/MouseUp and the buttons' Click here.
}
