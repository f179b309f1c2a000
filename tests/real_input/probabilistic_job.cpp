#include "real_input/probabilistic_job.h"

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"

namespace real_input {

void DefineProbabilisticJob(RealProgram& p) {
  User& user = p.user;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  user.Click(main.problemDefinition().chk_end_limit);
  user.Click(main.problemDefinition().Cmd_analysis_next);
  ASSERT_EQ(p.state.analysisOptions.AnalysisKind, 2);
  p.watchdog.Step("the random-variable dialog");
  user.AnswerWindow([&] {
    user.Click(show.chk_distr(3));
    user.Retype(show.txt_distr(0), "0.1");
    user.Click(show.cmd_ok);
  });
  user.Click(main.snInputs().dN_distr(0));
  ASSERT_TRUE(user.AllAnswered());
  EXPECT_EQ(main.snInputs().dN_distr(0).Caption(), "{L10}");
}

void OpenSimulationOptions(RealProgram& p, const std::string& runs) {
  p.watchdog.Step("the simulation");
  p.user.Choose(p.main.menus().mnu_calculate);
  McsOptionsPanel& options = p.main.mcsOptions();
  ASSERT_TRUE(options.Frm_MCS_opt.IsShowing());
  p.user.Retype(options.No_simult, runs);
}

void RunTheSimulation(RealProgram& p) {
  p.watchdog.Step("the simulation runs");
  p.user.AnswerMessage("OK");  // the summary
  p.user.Click(p.main.mcsOptions().cmd_MCS_opt(0));
  ASSERT_TRUE(p.user.AllAnswered());
  ASSERT_TRUE(p.main.formShow().Visible());
}

}  // namespace real_input
