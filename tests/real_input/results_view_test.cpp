// The simulation results view by real input: a probabilistic job simulated,
// the summary message, the results view; after Print Setup a Pf typed and
// confirmed by Enter or Tab is checked and Tr follows; the fit label's popup
// opens no other popup.

#include <gtest/gtest.h>

#include <string>

#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/real_roads.h"
#include "real_input/real_user.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

TEST(ResultsView, AfterPrintSetupPfIsCheckedAndTheFitPopupOpensNoOther) {
  RealProgram p("results_view");
  User& user = p.user;
  FormMain& main = p.main;
  FormShow& show = main.formShow();

  // A constant-amplitude single case made probabilistic, with a log-normal
  // scatter of Se through its tag and the random-variable dialog.
  MakeTheJobProbabilistic(p);
  ASSERT_EQ(p.state.analysisOptions.AnalysisKind, 2);
  ASSERT_TRUE(user.AllAnswered());
  EXPECT_EQ(main.snInputs().dN_distr(0).Caption(), "{L10}");

  // The simulation: 1000 runs without a random start; while the summary is
  // up, the box shows the number of simulations again.
  p.watchdog.Step("the simulation");
  user.Choose(main.menus().mnu_calculate);
  McsOptionsPanel& options = main.mcsOptions();
  ASSERT_TRUE(options.Frm_MCS_opt.IsShowing());
  user.Retype(options.No_simult, "1000");
  user.Click(options.chk_StartNo(0));
  EXPECT_EQ(p.state.mcsSettings.SimulationCount, 1000);
  std::string countAtSummary;
  user.AnswerMessage("OK", [&] { countAtSummary = ShownText(options.No_simult); });
  user.Click(options.cmd_MCS_opt(0));
  ASSERT_TRUE(user.AllAnswered());
  EXPECT_EQ(user.Messages().at(0).title, "MCS Simulation Results");
  EXPECT_EQ(countAtSummary, "1000");
  ASSERT_TRUE(show.Visible());
  EXPECT_EQ(ShownText(show.Res_probT(0)), "1.00E-3");

  // Print Setup, cancelled; then Pf typed and Enter: checked, and Tr follows.
  p.watchdog.Step("Print Setup, then Pf");
  user.CancelDialog();
  user.Choose(show.mnu_prtopt);
  ASSERT_TRUE(user.AllAnswered());
  const std::string tr = ShownText(show.Res_probT(1));
  user.Retype(show.Res_probT(0), "0.02");
  user.Key(Qt::Key_Return);
  EXPECT_EQ(ShownText(show.Res_probT(0)), "2.00E-2");
  EXPECT_DOUBLE_EQ(p.state.mcsResults.ProbabilityLevel, 1.0 - 0.02f);
  EXPECT_NE(ShownText(show.Res_probT(1)), tr) << "Tr keeps the value of the previous Pf";
  user.CancelDialog();
  user.Choose(show.mnu_prtopt);
  user.Retype(show.Res_probT(0), "0.01");
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(ShownText(show.Res_probT(0)), "1.00E-2");

  // Each fit from the fit label's popup, and no other popup after it.
  p.watchdog.Step("the fit popup");
  const struct {
    const char* item;
    int kind;
  } fits[] = {{"Fit:  Log-norm", 2}, {"Fit:  Weibull ", 3}, {"Fit:  No Fit  ", 1}};
  for (const auto& fit : fits) {
    const size_t before = user.shown.size();
    user.AnswerPopup(fit.item);
    user.Click(show.Res_prob(1), Qt::RightButton);
    user.Wait(50);
    EXPECT_EQ(p.state.mcsResults.LifeFitKind, fit.kind) << fit.item;
    EXPECT_EQ(user.shown.size(), before + 1) << "another popup came up after " << fit.item;
  }
  EXPECT_TRUE(user.AllAnswered());
}

}  // namespace
}  // namespace real_input
