#include "shell/ui/settings_frame_panel.h"

#include <array>
#include <cstdint>

#include "diagrams/ui/diagram_services.h"
#include "engine/ui/input_step_commands.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_services.h"
#include "component/ui/data_box_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/settings_file.h"
#include "shell/ui/display_colours.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {

constexpr int32_t kPressedBack = 0x00FF0000;  // blue
constexpr int32_t kWhite = 0x00FFFFFF;
constexpr int32_t kBlack = 0;
constexpr int kRestoreLabel = 5;

// The colour each colour label chooses (label 5 restores the factory colours).
int32_t* ColourOfLabel(ColourSettings& c, int index) {
  switch (index) {
    case 1: return &c.ColourSN;
    case 2: return &c.ColourResults;
    case 3: return &c.ColourLoading;
    case 4: return &c.ColourDataBox;
    case 6: return &c.ColourDiagrams;
    default: return nullptr;
  }
}

// The five colours in the order they are kept while the frame is open.
std::array<int32_t*, 5> KeptColours(ColourSettings& c) {
  return {&c.ColourSN, &c.ColourLoading, &c.ColourResults, &c.ColourDataBox, &c.ColourDiagrams};
}

}  // namespace

SettingsFramePanel::SettingsFramePanel(FormMain& m)
    : main(m),
      frm_settings(m.frame("frm_settings")),
      frm_set_graphics(m.frame("frm_set_graphics")),
      Graphics(m.array<Label>("Graphics")),
      Select_settings_option(m.label("Select_settings_option")),
      cmd_settings_done(m.button("cmd_settings_done")),
      cmd_settings_cancel(m.button("cmd_settings_cancel")) {
  Graphics.onMouseDown = [this](int i, int, int, float, float) { Graphics_MouseDown(i); };
  Graphics.onMouseUp = [this](int i, int, int, float, float) { Graphics_MouseUp(i); };
  Graphics.onClick = [this](int i) { Graphics_Click(i); };
  cmd_settings_cancel.onClick = [this] { cmd_settings_cancel_Click(); };
  cmd_settings_done.onClick = [this] { cmd_settings_done_Click(); };
}

void SettingsFramePanel::mnu_settings_Click() {
  ProgramState& s = main.state();
  if (s.shellState.UiState != 1) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  s.shellState.UiState = 0;
  for (const char* frame : {"frm_analysis", "frm_data_serv", "frm_Fatigue_Dbase", "frm_Load_Dbase"})
    main.frame(frame).SetVisible(false);
  frm_settings.SetVisible(true);
  cmd_settings_cancel.SetFocus();
  ColourSettings& c = s.colourSettings;
  const auto kept = KeptColours(c);
  for (size_t i = 0; i < kept.size(); ++i) c.SavedColours[i] = *kept[i];
}

void SettingsFramePanel::Graphics_MouseDown(int Index) {
  Label& label = Graphics(Index);
  main.state().shellState.PressedLabelColour = label.BackColor();
  label.SetBackColor(kPressedBack);
  label.SetForeColor(kWhite);
}

void SettingsFramePanel::Graphics_MouseUp(int Index) {
  Label& label = Graphics(Index);
  label.SetBackColor(main.state().shellState.PressedLabelColour);
  if (Index != kRestoreLabel) label.SetForeColor(kBlack);
}

void SettingsFramePanel::Graphics_Click(int Index) {
  ProgramState& s = main.state();
  if (Index == kRestoreLabel) {
    RestoreFactoryColours(s.colourSettings, s.shellState.DisplayColourCount);
    PaintColourLabels(main);
    return;
  }
  int32_t* colour = ColourOfLabel(s.colourSettings, Index);
  if (!colour) return;
  // The chooser starts from the current colour; black (also a cancelled
  // chooser) keeps the colour as it was.
  const int32_t chosen = main.host().ShowColor(*colour);
  if (chosen <= 0) return;
  *colour = chosen;
  Graphics(Index).SetBackColor(chosen);
}

void SettingsFramePanel::cmd_settings_cancel_Click() {
  ProgramState& s = main.state();
  s.shellState.UiState = 1;
  ColourSettings& c = s.colourSettings;
  const auto kept = KeptColours(c);
  for (size_t i = 0; i < kept.size(); ++i) *kept[i] = c.SavedColours[i];
  // The labels show the colours in force again.
  PaintColourLabels(main);
  frm_settings.SetVisible(false);
}

void SettingsFramePanel::cmd_settings_done_Click() {
  main.state().shellState.UiState = 1;
  ApplyPictureColours(main);
  frm_settings.SetVisible(false);
  if (main.frame("frm_master").Visible()) {
    DrawMasterCurve(main, main.picture("pic_master").surface(), main.picture("pic_master1").surface());
  } else if (main.frame("frm_SN").Visible()) {
    mnu_calculations_Click(main);
    main.dataBox().pic_DBox.surface().Refresh();
  }
}

void SettingsFramePanel::mnu_tool_Click(int Index) {
  ProgramState& s = main.state();
  s.shellState.ToolTipMode = static_cast<int16_t>(Index);
  main.menus().mnu_tool(Index).SetChecked(true);
  main.menus().mnu_tool(1 - Index).SetChecked(false);
  const int batch = SelectedBatchOf(s);
  if (main.frame("frm_Spectr").Visible()) DrawSpectrumDiagram(main, main.picture("Pic_Spectr").surface(), batch);
  if (main.frame("frm_Distr").Visible()) DrawDistributionDiagram(main, main.picture("Pic_Distr").surface(), batch);
  if (main.frame("frm_Hist").Visible()) DrawHistoryDiagram(main, main.picture("Pic_Hist").surface(), batch);
  if (main.picture("Pic_Dam").Visible()) DrawDamageDiagram(main, main.picture("Pic_Dam").surface());
  main.dataBox().UpdateDataBox();
}

void SettingsFramePanel::mnu_Settings_save_Click() {
  const ProgramState& s = main.state();
  SaveSettingsFile(kSettingsFileName, s.unitSettings.LengthUnitFactor, s.colourSettings, s.shellState.ToolTipMode,
                   main.host(), s.shellState.BeepEnabled == 1);
}
