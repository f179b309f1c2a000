// A probabilistic job driven through the real windows as a user drives it:
// the problem definition, Calculate, the simulation options, the results
// view with its popups and boxes, the results file saved and opened again,
// and back to the main window.

#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_road_fixtures.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "program_state.h"
#include "shell/job_file_format.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/mcs_replay.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

// A log-normal scatter of the endurance limit with a coefficient of
// variation of 0.1, through its tag and the random-variable dialog.
void GiveSeAScatter(Program& p) {
  RandomVariableDialog& dlg = p.main.formShow().randomVariables();
  p.host.onModal = [&] {
    Press(dlg.chk_distr(3));
    Enter(dlg.txt_distr(0), "0.1");
    Press(dlg.cmd_ok);
  };
  Press(p.main.snInputs().dN_distr(0));
  p.host.onModal = nullptr;
  EXPECT_EQ(p.main.snInputs().dN_distr(0).Caption(), "{L10}");
}

// What the results view shows in its boxes and labels.
struct Figures {
  std::string pf, tr, tail, fit, unit;
  bool operator==(const Figures&) const = default;
};
Figures FiguresOf(FormShow& show) {
  return {show.Res_probT(0).Text(), show.Res_probT(1).Text(), show.Res_probT(2).Text(), show.Res_prob(1).Caption(),
          show.Res_prob(0).Caption()};
}

// Right click on the fit label, "Fit:  Log-norm", then a Pf typed and Enter.
void FitLogNormalAtPf(Program& p, const std::string& pf) {
  FormShow& show = p.main.formShow();
  RightClick(p.host, show.Res_prob(1), "Fit:  Log-norm");
  EnterByReturn(show.Res_probT(0), pf);
}

TEST(McsUserRoad, SimulateFitSaveOpenAndBack) {
  ScopedCurrentFolder folder("mcs_user_road");
  Program p;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  ProblemDefinitionPanel& analysis = main.problemDefinition();
  McsOptionsPanel& options = main.mcsOptions();

  // A constant-amplitude single case made probabilistic.
  Press(analysis.chk_end_limit);
  Press(analysis.Cmd_analysis_next);
  ASSERT_EQ(p.state.analysisOptions.AnalysisKind, 2);
  GiveSeAScatter(p);

  Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(options.Frm_MCS_opt.IsShowing());
  EXPECT_EQ(options.cmd_MCS_opt(0).Caption(), "O&K");
  Enter(options.No_simult, "1000");
  Press(options.chk_StartNo(0));  // no random start: the same lives every time
  EXPECT_EQ(p.state.mcsSettings.RandomStart, 0);
  Press(options.cmd_MCS_opt(0));

  // The summary message, then the results view in place of the main window.
  ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
  EXPECT_EQ(p.host.messages[0].title, "MCS Simulation Results");
  EXPECT_EQ(p.host.messages[0].text, " - No of Simulations: 1000\r - 1 cycle Life:      0\r - Infinite Life:     0");
  EXPECT_FALSE(options.Frm_MCS_opt.Visible());
  EXPECT_TRUE(show.Visible());
  EXPECT_FALSE(main.Visible());
  EXPECT_EQ(p.state.shellState.SecondWindowView, 5);
  EXPECT_EQ(show.frm_diag.Caption(), "Life Distribution");
  EXPECT_EQ(show.Res_probT(0).Text(), "1.00E-3");
  EXPECT_EQ(show.Res_prob(1).Caption(), "Fit:   No Fit  ");
  EXPECT_EQ(show.Res_prob(0).Caption(), "Life  T [cyc] ");
  EXPECT_TRUE(main.menus().mnu_MCSres_L.Enabled());
  EXPECT_EQ(p.state.shellState.UiState, 1);

  FitLogNormalAtPf(p, "0.01");
  EXPECT_EQ(p.state.mcsResults.LifeFitKind, 2);
  EXPECT_EQ(show.Res_prob(1).Caption(), "Fit:   Log-norm");
  EXPECT_DOUBLE_EQ(p.state.mcsResults.ProbabilityLevel, 1.0 - 0.01f);
  EXPECT_EQ(show.Res_probT(0).Text(), "1.00E-2");
  EXPECT_EQ(show.Res_probT(0).ForeColor(), 0xC00000);
  const Figures fitted = FiguresOf(show);
  const std::vector<float> lives = p.state.mcsResults.SimulatedLives;

  // Saved and opened again: the same lives, and the same figures for the same choices.
  const std::string path = (folder.path() / "shaft.psn").string();
  p.host.saveAnswers.push_back(path);
  Choose(show.mnu_an_list);
  ASSERT_EQ(p.host.saveRequests.size(), 1u);
  EXPECT_EQ(p.host.saveRequests[0].filter, "MCS-Results (*.psn)|*.psn");
  EXPECT_EQ(p.host.saveRequests[0].flags, 6);
  p.host.openAnswers.push_back(path);
  Choose(show.mnu_an_show);
  EXPECT_EQ(p.state.mcsResults.ResultsPath, path);
  EXPECT_EQ(p.state.mcsResults.LifeFitKind, 1);
  EXPECT_EQ(p.state.mcsResults.SimulatedLives, lives);
  EXPECT_FALSE(show.mnu_prt_res.Enabled());
  FitLogNormalAtPf(p, "0.01");
  EXPECT_EQ(FiguresOf(show), fitted);

  Choose(show.mnu_back);
  EXPECT_FALSE(show.Visible());
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(p.state.shellState.UiState, 1);
}

// A fast simulation of a history runs a constant-amplitude equivalent beside
// each run: the job's stress inputs and its own damage and life stand after
// it, for the main window and a saved job.
TEST(McsUserRoad, AFastSimulationOfAHistoryLeavesTheJobsInputsAndResult) {
  ScopedCurrentFolder folder("mcs_fast_history");
  Program p;
  ProgramState& s = p.state;
  PutSelectedHistory(s, {10, -100, 300, 0, 150, -50});
  FormMain& main = p.main;
  MainMenus& menus = main.menus();
  ProblemDefinitionPanel& analysis = main.problemDefinition();
  Press(analysis.chk_history);
  Press(analysis.Cmd_analysis_next);
  Choose(menus.mnu_calculate);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  const Results deterministic = s.results;
  ASSERT_GT(deterministic.TotalDamage, 0.0f);
  const JobFile typed = JobFileOf(s);

  Choose(menus.mnu_target);
  Press(analysis.chk_end_limit);  // probabilistic
  Press(analysis.cmd_analysis_done);
  SetRandomVariable(s.randomVariableTable, 1, 1, 0.1f);
  Choose(menus.mnu_calculate);
  McsOptionsPanel& options = main.mcsOptions();
  ASSERT_TRUE(options.Frm_MCS_opt.IsShowing());
  ASSERT_EQ(options.chk_StartNo(3).Value(), 1) << "the faster algorithm, as at start";
  ASSERT_EQ(s.mcsSettings.FastSimulation, 1);
  Enter(options.No_simult, "100");
  Press(options.cmd_MCS_opt(0));
  ASSERT_TRUE(main.formShow().Visible()) << p.host.Transcript();
  Choose(main.formShow().mnu_back);

  // The damage diagram of the main window draws from the job's own damages.
  EXPECT_EQ(s.results.TotalDamage, deterministic.TotalDamage);
  EXPECT_EQ(s.results.MaxLevelDamage, deterministic.MaxLevelDamage);
  EXPECT_FLOAT_EQ(s.mcsResults.ReferenceLife, deterministic.LifeBlocks);
  // The job saved keeps the stresses typed before.
  p.host.saveAnswers.push_back((folder.path() / "axle.sns").string());
  Choose(menus.mnu_start(1));
  const JobFile saved = JobFileOf(s);
  EXPECT_EQ(saved.StressRangeTo, typed.StressRangeTo);
  EXPECT_EQ(saved.StressRange, typed.StressRange);
  EXPECT_EQ(saved.StressMinOrMean, typed.StressMinOrMean);
  EXPECT_EQ(saved.StressInputMode, typed.StressInputMode);
}

}  // namespace
