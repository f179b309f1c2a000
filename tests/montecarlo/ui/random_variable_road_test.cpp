// The user gives the endurance limit a scatter through the real windows,
// pressing only what is shown and enabled.

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/random_math.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "shell/ui/form_show.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

TEST(RandomVariableRoad, EnduranceLimitTakesALogNormalScatter) {
  ScopedCurrentFolder folder{"random_variable_road"};
  Program p;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  RandomVariableDialog& dlg = show.randomVariables();

  // A probabilistic single case: the input view shows the Se tag.
  ProblemDefinitionPanel& analysis = main.problemDefinition();
  Press(analysis.chk_end_limit);
  Press(analysis.Cmd_analysis_next);
  Label& tag = main.snInputs().dN_distr(0);
  ASSERT_TRUE(main.snInputs().frm_SN.IsShowing());
  ASSERT_EQ(tag.Caption(), "{\u2013}");

  p.host.onModal = [&] {
    ASSERT_TRUE(show.Visible());
    Press(dlg.chk_distr(3));
    Enter(dlg.txt_distr(0), "0.15");
    Enter(dlg.txt_distr(2), "2.5");
    Press(dlg.cmd_ok);
  };
  Press(tag);
  EXPECT_FALSE(show.Visible());
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(tag.Caption(), "{L15}");
  const RandomVariableTable& t = p.state.randomVariableTable;
  RandomVariablePanel expected;
  CalcDistributionParams(expected, 2, 0.15f);
  EXPECT_EQ(t.RvType[1], 2);
  EXPECT_FLOAT_EQ(t.RvCov[1], 0.15f);
  EXPECT_EQ(t.RvParA[1], expected.PanelParA);
  EXPECT_EQ(t.RvParB[1], expected.PanelParB);
  EXPECT_EQ(t.RvXmax[1], 2.5f);
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());

  // Opened again, Uniform chosen, cancelled: all stays as it was.
  const ProgramState before = p.state;
  p.host.onModal = [&] {
    EXPECT_TRUE(dlg.chk_distr(3).Value());
    EXPECT_EQ(dlg.txt_distr(2).Text(), "2.5");
    Press(dlg.chk_distr(6));
    EXPECT_EQ(dlg.Distr_Var.Caption(), "Variability of the Endurance Limit,  Se: {U15}");
    Press(dlg.cmd_cancel);
  };
  Press(tag);
  EXPECT_EQ(p.state.randomVariableTable, before.randomVariableTable);
  EXPECT_EQ(tag.Caption(), "{L15}");
  EXPECT_EQ(p.host.modalRuns, 3);  // the warranty and the dialog twice
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

}  // namespace
