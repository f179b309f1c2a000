// The simulation options by real input: "O&K" runs the simulation with the
// frame's second button reading "&Brake", and the frame is gone before the
// summary of the simulated lives comes up.

#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "montecarlo/mcs_results_messages.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"

namespace real_input {
namespace {

TEST(SimulationOptions, TheFrameIsHiddenBeforeTheSummaryComesUp) {
  RealProgram p("simulation_options_hidden");
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(DefineProbabilisticJob(p));
  ASSERT_NO_FATAL_FAILURE(OpenSimulationOptions(p, "200"));
  McsOptionsPanel& options = p.main.mcsOptions();
  EXPECT_EQ(options.cmd_MCS_opt(1).Caption(), "&Cancel");
  std::string secondButton;
  bool frameInForm = true, frameOnShow = true;
  user.AnswerMessage("OK", [&] {
    secondButton = options.cmd_MCS_opt(1).Caption();
    frameInForm = options.Frm_MCS_opt.IsShowing();
    frameOnShow = options.Frm_MCS_opt.widget()->isVisible();
  });
  user.Click(options.cmd_MCS_opt(0));
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].title, kMcsSummaryTitle);
  EXPECT_EQ(secondButton, "&Brake");
  EXPECT_FALSE(frameInForm) << "the simulation options stand behind the summary";
  EXPECT_FALSE(frameOnShow) << "the simulation options are on show behind the summary";
}

}  // namespace
}  // namespace real_input
