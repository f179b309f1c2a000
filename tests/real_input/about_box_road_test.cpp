// The About box during a simulation, by real input: closed after the run has
// ended, the commands work again; closed while the run is still going, they
// stay gated until the run ends.

#include <gtest/gtest.h>

#include <functional>

#include <QTimer>

#include "engine/ui/problem_definition_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"
#include "shell/ui/about_frame_panel.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

// The probabilistic job simulated with 1000 runs. `duringTheRun` is the user's
// input while the runs go; the run ends with the summary and the results
// view, and the user goes back to the main window.
void SimulateWithInputDuringTheRun(RealProgram& p, const std::function<void()>& duringTheRun) {
  User& user = p.user;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  ASSERT_NO_FATAL_FAILURE(DefineProbabilisticJob(p));
  ASSERT_NO_FATAL_FAILURE(OpenSimulationOptions(p, "1000"));
  McsOptionsPanel& options = main.mcsOptions();
  // Events come through between every two pieces of the run, so that the
  // input below surely arrives while it goes.
  p.host.yieldAtEveryPiece = true;
  int inputs = 0;
  std::function<void()> once = [&] {
    const McsSettings& mcs = p.state.mcsSettings;
    if (mcs.SimulationsDone == 0) {
      QTimer::singleShot(0, &user, once);
      return;
    }
    ++inputs;
    EXPECT_LT(mcs.SimulationsDone, mcs.SimulationsTarget) << "the run ended before the input";
    duringTheRun();
  };
  QTimer::singleShot(0, &user, once);
  user.AnswerMessage("OK");  // the summary
  user.Click(options.cmd_MCS_opt(0));
  p.host.yieldAtEveryPiece = false;
  ASSERT_EQ(inputs, 1);
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_TRUE(show.Visible());

  p.watchdog.Step("back to the main window");
  user.Choose(show.mnu_back);
  ASSERT_TRUE(main.Visible());
}

// Define Problem, a gated command: whether it opens the problem definition.
bool DefineProblemOpens(RealProgram& p) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  p.user.Choose(p.main.menus().mnu_target);
  const bool opened = pd.frm_analysis.IsShowing();
  if (opened) p.user.Click(pd.cmd_analysis_cancel);
  return opened;
}

TEST(AboutBoxRoad, ClosedAfterTheRunEndedTheCommandsWork) {
  RealProgram p("about_after_run");
  AboutFramePanel& about = p.main.about();
  ASSERT_NO_FATAL_FAILURE(SimulateWithInputDuringTheRun(p, [&] {
    p.user.Choose(p.main.menus().mnu_about);
    EXPECT_TRUE(about.frm_about.IsShowing());
  }));
  ASSERT_TRUE(about.frm_about.IsShowing());
  p.watchdog.Step("About closed after the run");
  p.user.Click(about.cmd_about);
  EXPECT_FALSE(about.frm_about.IsShowing());
  EXPECT_TRUE(DefineProblemOpens(p)) << "Define Problem does nothing";
  p.user.Choose(p.main.menus().mnu_US);
  EXPECT_EQ(p.state.unitSettings.StressUnit, "ksi") << "Settings > Units does nothing";
}

TEST(AboutBoxRoad, ClosedWhileTheRunGoesTheCommandsStayGatedUntilItEnds) {
  RealProgram p("about_during_run");
  AboutFramePanel& about = p.main.about();
  ASSERT_NO_FATAL_FAILURE(SimulateWithInputDuringTheRun(p, [&] {
    p.user.Choose(p.main.menus().mnu_about);
    p.user.Click(about.cmd_about);
    EXPECT_FALSE(about.frm_about.IsShowing());
    EXPECT_FALSE(DefineProblemOpens(p)) << "Define Problem opened during the run";
  }));
  p.watchdog.Step("after the run");
  EXPECT_TRUE(DefineProblemOpens(p)) << "Define Problem does nothing";
}

}  // namespace
}  // namespace real_input
