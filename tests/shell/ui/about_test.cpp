#include "shell/ui/about_frame_panel.h"

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"

namespace {

class AboutTest : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"about_test"};
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
  AboutFramePanel& p = main.about();
  MainMenus& m = main.menus();

  void SetUp() override {
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    main.Load();
    // Accepting the warranty opens the problem definition; leave it.
    main.problemDefinition().cmd_analysis_cancel.click();
    host.beeps = 0;
  }
};

TEST_F(AboutTest, WithNoWorkingFrame) {
  m.mnu_about.click();
  EXPECT_TRUE(p.frm_about.Visible());
  EXPECT_EQ(state.shellState.UiState, 0);
  EXPECT_FALSE(m.mnu_hlp_ind.Visible());
  EXPECT_FALSE(m.sepbar4.Visible());
  m.mnu_settings.click();  // gated: beeps while About is up
  EXPECT_EQ(host.beeps, 1);
  p.cmd_about.click();
  EXPECT_FALSE(p.frm_about.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_TRUE(m.mnu_hlp_ind.Visible());
  EXPECT_TRUE(m.sepbar4.Visible());
}

TEST_F(AboutTest, OverTheProblemDefinition) {
  Frame& analysis = main.frame("frm_analysis");
  analysis.SetVisible(true);
  m.mnu_about.click();
  EXPECT_FALSE(analysis.Visible());
  EXPECT_EQ(state.shellState.UiState, 2);
  p.cmd_about.click();
  EXPECT_TRUE(analysis.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
}

TEST_F(AboutTest, OverTheColoursFrameTheFrameHoldsItsCode) {
  m.mnu_settings.click();
  m.mnu_about.click();
  EXPECT_EQ(state.shellState.UiState, 3);
  EXPECT_FALSE(main.settings().frm_settings.Visible());
  p.cmd_about.click();
  EXPECT_TRUE(main.settings().frm_settings.Visible());
  EXPECT_EQ(state.shellState.UiState, 3);
  m.mnu_settings.click();  // gated commands keep beeping
  EXPECT_EQ(host.beeps, 1);
  host.colourAnswers = {0x00102030};
  main.settings().Graphics(1).click();  // the colour commands still work
  EXPECT_EQ(state.colourSettings.ColourSN, 0x00102030);
  main.settings().cmd_settings_done.click();
  EXPECT_EQ(state.shellState.UiState, 1);
}

TEST_F(AboutTest, OverTheLoadingDatabaseWithItsPreview) {
  main.frame("frm_Load_Dbase").SetVisible(true);
  main.frame("frm_Hist").SetVisible(true);
  main.button("Cmd_Load_Db_Show").SetCaption("&Hide");
  m.mnu_about.click();
  EXPECT_EQ(state.shellState.UiState, 5);
  EXPECT_FALSE(main.frame("frm_Hist").Visible());
  p.cmd_about.click();
  EXPECT_TRUE(main.frame("frm_Load_Dbase").Visible());
  EXPECT_EQ(main.button("Cmd_Load_Db_Show").Caption(), "S&how");
  EXPECT_EQ(state.shellState.UiState, 1);
}

// About gives back the state it found: a busy program stays busy, a second
// About keeps the covered frame, the analysis kind's menus stay.
TEST_F(AboutTest, GivesBackWhatItFound) {
  state.shellState.UiState = 0;  // a calculation or a simulation is running
  m.mnu_about.click();
  p.cmd_about.click();
  EXPECT_EQ(state.shellState.UiState, 0);

  state.shellState.UiState = 1;
  Frame& services = main.frame("frm_data_serv");
  services.SetVisible(true);
  m.mnu_about.click();
  m.mnu_about.click();
  EXPECT_EQ(state.shellState.UiState, 4);
  p.cmd_about.click();
  EXPECT_TRUE(services.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);

  m.mnu_form.SetVisible(false);  // probabilistic analysis: no print items
  m.mnu_report.SetVisible(false);
  m.mnu_about.click();
  p.cmd_about.click();
  EXPECT_FALSE(m.mnu_form.Visible());
  EXPECT_FALSE(m.mnu_report.Visible());
}

// A run that ends while About is up leaves the main view idle: closing About
// keeps it so, and the frame About covered comes back.
TEST_F(AboutTest, ARunThatEndedUnderAboutLeavesTheCommandsWorking) {
  Frame& database = main.frame("frm_Load_Dbase");
  database.SetVisible(true);
  state.shellState.UiState = 0;  // a simulation is running
  m.mnu_about.click();
  EXPECT_FALSE(database.Visible());
  state.shellState.UiState = 1;  // what the end of the run sets
  p.cmd_about.click();
  EXPECT_TRUE(database.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
  m.mnu_settings.click();
  EXPECT_EQ(host.beeps, 0);
  EXPECT_TRUE(main.settings().frm_settings.Visible());
}

TEST_F(AboutTest, HelpOnlyWhileIdleAndSilentOtherwise) {
  m.mnu_hlp_ind.click();
  state.shellState.UiState = 0;
  m.mnu_hlp_ind.click();
  EXPECT_EQ(host.helpFiles, (std::vector<std::string>{"duvak.hlp"}));
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace
