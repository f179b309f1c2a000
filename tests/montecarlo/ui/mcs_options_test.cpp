// The simulation options frame driven headless: its check boxes, the number
// of simulations, Cancel, O&K and the brake.

#include "montecarlo/ui/mcs_options_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "platform/draw/printer_surface.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/mcs_replay.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

class McsOptionsTest : public ::testing::Test {
 protected:
  // A probabilistic constant amplitude with a random Se, the options up.
  void SetUp() override {
    Press(main.problemDefinition().chk_end_limit);
    Press(main.problemDefinition().Cmd_analysis_next);
    SetRandomVariable(state.randomVariableTable, 1, 1, 0.1f);
    Choose(main.menus().mnu_calculate);
    ASSERT_TRUE(opt.Frm_MCS_opt.IsShowing());
  }

  ScopedCurrentFolder folder{"mcs_options"};
  Program program;
  ProgramState& state = program.state;
  FakeHost& host = program.host;
  FormMain& main = program.main;
  McsOptionsPanel& opt = main.mcsOptions();
};

TEST_F(McsOptionsTest, TheCheckBoxesSetTheOptionsAndTheirTags) {
  McsSettings& m = state.mcsSettings;
  opt.chk_StartNo(1).click();
  EXPECT_EQ(m.NeglectFatigueLimit, 0);
  EXPECT_EQ(m.McsNeglectFLCopy, 0);
  EXPECT_EQ(m.FatigueLimitTag, "FL");
  opt.chk_StartNo(1).click();
  EXPECT_EQ(m.FatigueLimitTag, "NoFL");
  opt.chk_StartNo(0).click();
  EXPECT_EQ(m.RandomStart, 0);
  EXPECT_FALSE(opt.chk_StartNo(3).Enabled()) << "no faster algorithm for constant amplitude";
  EXPECT_EQ(m.FastSimulationTag, "/NSA");
  opt.chk_StartNo(3).SetValue(1);
  EXPECT_EQ(m.FastSimulation, 1);
  EXPECT_EQ(m.FastSimulationTag, "/FSA");
}

TEST_F(McsOptionsTest, TheNumberOfSimulations) {
  struct Case {
    const char* typed;
    const char* message;
  };
  const Case refused[] = {
      {"abc", "Sorry, Data is Incorrect! "},
      {"50", "Sorry, Data is Incorrect! (No<100)"},
      {"3000000000", "Sorry, Data is Incorrect! (No>2147483647)"},
      {"1e39", "Sorry, Data is Incorrect! (No>2147483647)"},
      {"-1e39", "Sorry, Data is Incorrect! (No<100)"},
  };
  for (const Case& c : refused) {
    host.messages.clear();
    Enter(opt.No_simult, c.typed);
    ASSERT_EQ(host.messages.size(), 1u) << c.typed;
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].title, "Number of Simulations");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(opt.No_simult.Text(), "10000");
    EXPECT_EQ(state.mcsSettings.SimulationCount, 10000);
  }
  opt.No_simult.leave();  // the focus left on the box after the last refusal moves on
  host.messages.clear();
  state.mcsSettings.BrakeRequested = -1;
  opt.No_simult.SetFocus();
  EXPECT_EQ(state.mcsSettings.BrakeRequested, 0);
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  opt.No_simult.typeText(" 2500 ");
  opt.No_simult.leave();
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(state.mcsSettings.SimulationCount, 2500);
}

TEST_F(McsOptionsTest, CancelClosesTheOptions) {
  Press(opt.cmd_MCS_opt(1));
  EXPECT_FALSE(opt.Frm_MCS_opt.Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
}

TEST_F(McsOptionsTest, TheBrakeEndsTheSimulationAtTheTickThatNoticesIt) {
  Enter(opt.No_simult, "500");
  int ticks = 0;
  host.onDoEvents = [&] {
    if (++ticks != 2) return;  // the first tick after the first run's displays
    ASSERT_EQ(opt.cmd_MCS_opt(1).Caption(), "&Brake");
    opt.cmd_MCS_opt(0).click();  // O&K while running: nothing
    Press(opt.cmd_MCS_opt(1));
  };
  Press(opt.cmd_MCS_opt(0));
  host.onDoEvents = nullptr;
  EXPECT_LT(state.mcsSettings.SimulationsDone, 500);
  EXPECT_GT(state.mcsSettings.SimulationsDone, 0);
  EXPECT_FALSE(main.formShow().Visible()) << "no results are shown";
  EXPECT_FALSE(main.menus().mnu_MCSres_L.Enabled());
  EXPECT_FALSE(opt.Frm_MCS_opt.Visible());
  EXPECT_EQ(opt.No_simult.Text(), "500");
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

TEST_F(McsOptionsTest, WithoutRandomInputTheOptionsClose) {
  state.randomVariableTable.RvType[1] = 0;
  Press(opt.cmd_MCS_opt(0));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Insufficient number of random variables.");
  EXPECT_FALSE(opt.Frm_MCS_opt.Visible());
  EXPECT_FALSE(main.dataBox().wait.Visible());
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_FALSE(main.formShow().Visible());
}

// The box of the number of simulations counts the runs to go, each figure
// set before the tick lets the window show it, and shows the number of
// simulations again before the summary of the lives read back comes up.
TEST_F(McsOptionsTest, TheCountdownShowsAtEachTickAndTheNumberBeforeTheSummary) {
  Enter(opt.No_simult, "100");
  std::vector<std::string> atTicks;
  host.onDoEvents = [&] {
    if (state.mcsSettings.SimulationsDone > 0 && state.shellState.UiState != 1) atTicks.push_back(opt.No_simult.Text());
  };
  std::string atSummary;
  host.onMessage = [&](const FakeHost::Message&) { atSummary = opt.No_simult.Text(); };
  Press(opt.cmd_MCS_opt(0));
  host.onDoEvents = nullptr;
  EXPECT_EQ(atTicks, (std::vector<std::string>{"90", "80", "70", "60", "50", "40", "30", "20", "10", "0"}));
  ASSERT_EQ(host.messages.size(), 1u) << host.Transcript();
  EXPECT_EQ(host.messages[0].title, "MCS Simulation Results");
  EXPECT_EQ(atSummary, "100");
}

TEST_F(McsOptionsTest, TheFirstRunShowsTheReferenceLife) {
  Enter(opt.No_simult, "100");
  Press(opt.cmd_MCS_opt(0));
  EXPECT_EQ(main.dataBox().Result.Caption().rfind("Reference Life   To = ", 0), 0u) << main.dataBox().Result.Caption();
  EXPECT_TRUE(main.formShow().Visible());
  EXPECT_TRUE(main.formShow().mnu_prt_res.Visible());
}

// Lives that all fall in one class give the lower tail no spread: the view
// opens without statistics after the message, and Show Last shows it again;
// lives that give no result at all (one finite life among infinite ones)
// open no view.
TEST_F(McsOptionsTest, ATailWithoutSpreadOpensTheViewWithoutStatistics) {
  struct Case {
    const char* what;
    float seFrom, seTo;  // the drawn multipliers of Se
    const char* says;
    bool view;
  };
  const Case cases[] = {
      {"every run at the nominal Se", 1.0f, 1.0f, "Deterministic Fatigue Life!\rT = ", true},
      {"one finite life, the nominal one", 40.0f, 40.0f, nullptr, false},
  };
  FormShow& show = main.formShow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetRandomVariable(state.randomVariableTable, 1, 5, 0.1f, c.seFrom, c.seTo);  // uniform over one value
    state.mcsSettings.NeglectFatigueLimit = 0;
    host.messages.clear();
    Enter(opt.No_simult, "100");
    Press(opt.cmd_MCS_opt(0));
    ASSERT_EQ(host.messages.size(), c.says ? 2u : 1u) << host.Transcript();
    EXPECT_EQ(host.messages[0].title, "MCS Simulation Results");
    if (c.says) {
      EXPECT_EQ(host.messages[1].text.rfind(c.says, 0), 0u) << host.messages[1].text;
      EXPECT_EQ(host.messages[1].title, "MCS Simulation");
    }
    EXPECT_EQ(show.Visible(), c.view);
    EXPECT_EQ(main.menus().mnu_MCSres_L.Enabled(), c.view);
    EXPECT_EQ(state.shellState.UiState, 1);
    if (!c.view) continue;
    EXPECT_EQ(state.mcsResults.ResultsReadStatus, -3);
    EXPECT_TRUE(show.frm_diag.Visible());
    EXPECT_TRUE(show.frm_master1.Visible());
    for (int i = 0; i <= 2; ++i) EXPECT_FALSE(show.Res_probT(i).Visible()) << "no statistics";
    EXPECT_TRUE(show.mnu_prt_res.Visible());
    // Back on the main window, Show Last opens the same view without a word.
    host.messages.clear();
    Choose(show.mnu_back);
    Choose(main.menus().mnu_MCSres_L);
    EXPECT_TRUE(show.Visible());
    EXPECT_TRUE(host.messages.empty()) << host.Transcript();
    Choose(show.mnu_back);
    Choose(main.menus().mnu_calculate);  // the options again for the next case
  }
}

// After a simulation whose lower tail has no spread, the results window's
// Print Summary writes and prints the whole report: the measures the result
// cannot give are left out, and the job's deterministic life stands.
TEST_F(McsOptionsTest, TheSummaryOfASimulationWithoutStatisticsComesOutWhole) {
  SetRandomVariable(state.randomVariableTable, 1, 5, 0.1f, 1.0f, 1.0f);  // every run at the nominal Se
  state.mcsSettings.NeglectFatigueLimit = 0;
  Enter(opt.No_simult, "100");
  Press(opt.cmd_MCS_opt(0));
  ASSERT_EQ(state.mcsResults.ResultsReadStatus, -3) << host.Transcript();
  FormShow& show = main.formShow();
  ASSERT_TRUE(show.Visible());
  const std::array<float, 4> life = state.lifeResults.LifeByUnit;
  host.messages.clear();

  host.saveAnswers.push_back((folder.path() / "summary.txt").string());
  Choose(show.mnu_prt_file);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  const std::string text = folder.Read("summary.txt");
  const std::string ending = "              MCS: FL/NSA\r\n              Sampling: S = 100 \r\n\r\n"
                             "              No. of Cycles:   N = " + Format(life[1], "0.0##0E+##") + "\r\n";
  ASSERT_GE(text.size(), ending.size());
  EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
  EXPECT_EQ(state.lifeResults.LifeByUnit, life);

  if (!main.Printer().DeviceName().empty()) return;  // a printer is installed: nothing to look at
  host.saveAnswers.push_back((folder.path() / "summary.pdf").string());
  Choose(show.mnu_prt_doc);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "summary.pdf"));
  EXPECT_EQ(state.lifeResults.LifeByUnit, life);
}

}  // namespace
