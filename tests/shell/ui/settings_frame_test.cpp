#include "shell/ui/settings_frame_panel.h"

#include <gtest/gtest.h>

#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"

namespace {

class SettingsFrameTest : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"settings_frame_test"};
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  SettingsFramePanel& p = main.settings();

  void SetUp() override {
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    main.Load();
    host.beeps = 0;
  }
};

TEST_F(SettingsFrameTest, ColorsOpensTheFrameAndKeepsTheColours) {
  main.frame("frm_data_serv").SetVisible(true);
  main.menus().mnu_settings.click();
  EXPECT_EQ(state.shellState.UiState, 0);
  EXPECT_TRUE(p.frm_settings.Visible());
  EXPECT_FALSE(main.frame("frm_data_serv").Visible());
  EXPECT_EQ(main.ActiveControl(), &p.cmd_settings_cancel);
  const ColourSettings& c = state.colourSettings;
  EXPECT_EQ(c.SavedColours, (std::array<int32_t, 5>{c.ColourSN, c.ColourLoading, c.ColourResults, c.ColourDataBox,
                                                    c.ColourDiagrams}));
  // While it is up, a second "&Colors..." only beeps.
  main.menus().mnu_settings.click();
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFrameTest, ColorsWhileBusyOnlyBeeps) {
  state.shellState.UiState = 0;
  main.menus().mnu_settings.click();
  EXPECT_FALSE(p.frm_settings.Visible());
  EXPECT_EQ(host.beeps, 1);
}

TEST_F(SettingsFrameTest, ChoosingAColourAndBlackKeepsIt) {
  main.menus().mnu_settings.click();
  host.colourAnswers = {0x00102030, 0};
  p.Graphics(6).click();
  EXPECT_EQ(state.colourSettings.ColourDiagrams, 0x00102030);
  EXPECT_EQ(p.Graphics(6).BackColor(), 0x00102030);
  p.Graphics(6).click();  // black: unchanged
  EXPECT_EQ(state.colourSettings.ColourDiagrams, 0x00102030);
  EXPECT_EQ(p.Graphics(6).BackColor(), 0x00102030);
  // The pictures follow only on OK.
  EXPECT_NE(main.picture("pic_master").BackColor(), 0x00102030);
}

TEST_F(SettingsFrameTest, PressedLook) {
  main.menus().mnu_settings.click();
  Label& material = p.Graphics(1);
  const int32_t colour = material.BackColor();
  material.mouseDown(1, 0, 10, 10);
  EXPECT_EQ(material.BackColor(), 0x00FF0000);
  EXPECT_EQ(material.ForeColor(), 0x00FFFFFF);
  material.mouseUp(1, 0, 10, 10);
  EXPECT_EQ(material.BackColor(), colour);
  EXPECT_EQ(material.ForeColor(), 0);
  Label& restore = p.Graphics(5);
  restore.mouseDown(1, 0, 10, 10);
  restore.mouseUp(1, 0, 10, 10);
  EXPECT_EQ(restore.BackColor(), 0x00808080);
  EXPECT_EQ(restore.ForeColor(), 0x00FFFFFF);
}

TEST_F(SettingsFrameTest, RestoreFactoryColors) {
  main.menus().mnu_settings.click();
  host.colourAnswers = {0x00102030};
  p.Graphics(1).click();
  p.Graphics(5).click();
  EXPECT_EQ(state.colourSettings.ColourSN, 0x0080FFFF);
  EXPECT_EQ(state.colourSettings.ColourDiagrams, 0x00FFC0C0);  // not the start colour 0x00FFFF80
  EXPECT_EQ(p.Graphics(1).BackColor(), 0x0080FFFF);
  EXPECT_EQ(p.Graphics(6).BackColor(), 0x00FFC0C0);
}

TEST_F(SettingsFrameTest, CancelRestoresTheColours) {
  const ColourSettings before = state.colourSettings;
  main.menus().mnu_settings.click();
  host.colourAnswers = {0x00102030, 0x00405060};
  p.Graphics(1).click();
  p.Graphics(4).click();
  p.Graphics(5).click();
  p.cmd_settings_cancel.click();
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_FALSE(p.frm_settings.Visible());
  EXPECT_EQ(state.colourSettings.ColourSN, before.ColourSN);
  EXPECT_EQ(state.colourSettings.ColourDataBox, before.ColourDataBox);
  EXPECT_EQ(state.colourSettings.ColourDiagrams, before.ColourDiagrams);
  EXPECT_EQ(p.Graphics(1).BackColor(), before.ColourSN);
  EXPECT_EQ(p.Graphics(6).BackColor(), before.ColourDiagrams);
  EXPECT_EQ(main.picture("Pic_SN").BackColor(), before.ColourSN);
}

TEST_F(SettingsFrameTest, OkAppliesTheColoursToThePictures) {
  main.menus().mnu_settings.click();
  host.colourAnswers = {0x00102030, 0x00405060, 0x00708090};
  p.Graphics(2).click();
  p.Graphics(3).click();
  p.Graphics(4).click();
  p.cmd_settings_done.click();
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_FALSE(p.frm_settings.Visible());
  EXPECT_EQ(main.picture("Pic_Dam").BackColor(), 0x00102030);
  EXPECT_EQ(main.picture("Pic_Rel").BackColor(), 0x00102030);
  EXPECT_EQ(main.picture("Pic_Distr").BackColor(), 0x00405060);
  EXPECT_EQ(main.picture("pic_DBox").BackColor(), 0x00708090);
}

TEST_F(SettingsFrameTest, TipTextMenuIsNotGated) {
  state.shellState.UiState = 0;
  main.menus().mnu_tool(1).click();
  EXPECT_EQ(state.shellState.ToolTipMode, 1);
  EXPECT_TRUE(main.menus().mnu_tool(1).Checked());
  EXPECT_FALSE(main.menus().mnu_tool(0).Checked());
  main.menus().mnu_tool(0).click();
  EXPECT_EQ(state.shellState.ToolTipMode, 0);
  EXPECT_TRUE(main.menus().mnu_tool(0).Checked());
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace
