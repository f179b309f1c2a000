#pragma once

#include "platform/ui/form.h"

class FormMain;

// The colours frame `frm_settings` ("&Settings" > "&Colors..."), the tip-text
// menu ("&Show" / "&Hide") and "&Save Settings".
class SettingsFramePanel {
 public:
  explicit SettingsFramePanel(FormMain& main);

  // "&Colors...": opens the frame (only while the main view is idle).
  void mnu_settings_Click();
  // The pressed look of a colour label.
  void Graphics_MouseDown(int Index);
  void Graphics_MouseUp(int Index);
  // Chooses the colour of label Index, or (5) restores the factory colours.
  void Graphics_Click(int Index);
  void cmd_settings_cancel_Click();
  void cmd_settings_done_Click();
  // "&Show" (0) / "&Hide" (1) of "&Tip Text".
  void mnu_tool_Click(int Index);
  // "&Save Settings": writes "Duvak.cfg" in the current folder.
  void mnu_Settings_save_Click();

  FormMain& main;
  Frame& frm_settings;
  Frame& frm_set_graphics;
  ControlArray<Label>& Graphics;  // 1 .. 6
  Label& Select_settings_option;
  CommandButton& cmd_settings_done;
  CommandButton& cmd_settings_cancel;
};
