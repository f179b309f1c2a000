// The whole program driven as a user drives it: started through its start-up
// (warranty accepted), then led through the menus, the step buttons and the
// boxes only where a user can reach them.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/analysis_frame_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"

namespace {

// One run of the program: its records, its host and its main window, started
// with the warranty accepted.
struct Program {
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  int programEnds = 0;

  Program() {
    main.onProgramEnd = [this] { ++programEnds; };
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    main.Load();
  }
};

// A press the user can make: the control shows and can be reached.
void Press(Control& c) {
  ASSERT_TRUE(c.IsShowing()) << c.Name() << " is not on show";
  ASSERT_TRUE(c.IsEnabledInForm()) << c.Name() << " is disabled";
  c.click();
}

// A menu command the user can choose: the item and its menus are enabled.
void Choose(MenuItem& item) {
  ASSERT_TRUE(item.Visible()) << item.Caption() << " is not in the menu";
  ASSERT_TRUE(item.IsEnabledInMenu()) << item.Caption() << " is disabled";
  item.click();
}

// Types a value into a box on show and moves on, as the user would.
void Enter(TextBox& box, const std::string& text) {
  ASSERT_TRUE(box.IsShowing()) << box.Name() << " is not on show";
  ASSERT_TRUE(box.IsEnabledInForm()) << box.Name() << " is disabled";
  box.SetFocus();
  box.typeText(text);
  box.leave();
}

void ExpectStep(const CommandButton& b, const char* caption, const char* tip) {
  EXPECT_EQ(b.Caption(), caption) << b.Name();
  EXPECT_EQ(b.ToolTipText(), tip) << b.Name();
}

class UserRoads : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"user_roads_test"};
};

TEST_F(UserRoads, FromStartUpToALifeOnTheStartValues) {
  Program p;
  FormMain& main = p.main;
  AnalysisFramePanel& analysis = main.problemDefinition();
  MainMenus& menus = main.menus();

  // Accept has opened the problem definition on a constant amplitude.
  ASSERT_TRUE(analysis.frm_analysis.IsShowing());
  EXPECT_TRUE(analysis.chk_constant.Value());
  ExpectStep(analysis.Cmd_analysis_next, "&Next", "Check the input parameters");

  // Next commits the definition and leads to the input view.
  Press(analysis.Cmd_analysis_next);
  EXPECT_FALSE(analysis.frm_analysis.Visible());
  EXPECT_TRUE(main.snInputs().frm_SN.IsShowing());
  EXPECT_EQ(p.state.shellState.UiState, 1);

  // "&Calculate" on the start values gives a life.
  Choose(menus.mnu_calculate);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_TRUE(main.dataBox().Result.IsShowing());
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");
}

TEST_F(UserRoads, DefineProblemThenCalculateFromTheMenus) {
  Program p;
  MainMenus& menus = p.main.menus();
  AnalysisFramePanel& analysis = p.main.problemDefinition();
  // OK instead of Next: the input view is not up yet, so the road to
  // "&Calculate" goes through "Check/Change &Input Data...".
  Press(analysis.cmd_analysis_done);
  EXPECT_FALSE(menus.mnu_calculate.Enabled());
  Choose(menus.mnu_calculations);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
  Choose(menus.mnu_calculate);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");

  // Back in the problem definition with the input view up, its step button
  // runs the calculation at once.
  Choose(menus.mnu_target);
  ASSERT_TRUE(analysis.frm_analysis.IsShowing());
  EXPECT_EQ(analysis.Cmd_analysis_next.ToolTipText(), "Calculate fatigue life");
  p.main.dataBox().Result.SetCaption("");
  Press(analysis.Cmd_analysis_next);
  EXPECT_FALSE(analysis.frm_analysis.Visible());
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");
}

// The start-up road up to the input view (Accept, then Next).
void ToTheInputView(Program& p) {
  Press(p.main.problemDefinition().Cmd_analysis_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
}

// The constant-amplitude range the loading inputs would take (they are not
// built yet, so the record is set directly).
void SetConstantAmplitudeRange(Program& p, float range) {
  p.state.loadingData.StressRangeTo = range;
  p.state.loadingData.StressRange = range;
}

// Types the S-N curve: Se as an amplitude, No, m.
void TypeSnCurve(Program& p, const char* seAmplitude, const char* no, const char* m) {
  SnFramePanel& sn = p.main.snInputs();
  Enter(sn.SNset(0), seAmplitude);
  Enter(sn.SNNot, no);
  Enter(sn.SNmt, m);
}

std::string CalculatedLife(Program& p) {
  Choose(p.main.menus().mnu_calculate);
  return p.main.dataBox().Result.Caption();
}

TEST_F(UserRoads, TypedSnCurveGivesTheLifeOfTheRange) {
  Program p;
  ToTheInputView(p);
  SetConstantAmplitudeRange(p, 200.0f);
  TypeSnCurve(p, "60", "1E+6", "4");
  EXPECT_EQ(p.state.materialData.Se, 120.0f) << "the amplitude is stored as a range";
  EXPECT_EQ(p.state.materialData.SeFrom, 120.0f);
  EXPECT_EQ(p.state.materialData.EnduranceCycles, 1000000);
  EXPECT_EQ(p.state.materialData.SNExponent, 4.0f);
  const std::string other = CalculatedLife(p);
  EXPECT_NE(other, "Fatigue life:   1.768E+5 [cyc] ");

  TypeSnCurve(p, "50", "2E+6", "3.5");
  EXPECT_EQ(p.state.materialData.Se, 100.0f);
  EXPECT_EQ(p.state.materialData.SeTo, 100.0f) << "Calculate takes the single Se as both ends";
  EXPECT_EQ(CalculatedLife(p), "Fatigue life:   1.768E+5 [cyc] ");
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(UserRoads, UnitsSwitchTheTextsAndKeepTheRecords) {
  Program p;
  ToTheInputView(p);
  SetConstantAmplitudeRange(p, 200.0f);
  TypeSnCurve(p, "50", "2E+6", "3.5");
  const MaterialData material = p.state.materialData;
  SnFramePanel& sn = p.main.snInputs();
  MainMenus& menus = p.main.menus();
  const Label& unitLabel = p.main.fatigueDb().Label28(0);

  Choose(menus.mnu_US);
  EXPECT_TRUE(menus.mnu_US.Checked());
  EXPECT_FALSE(menus.mnu_SI.Checked());
  EXPECT_EQ(unitLabel.Caption(), "[ksi]");
  EXPECT_EQ(p.state.loadingUnits.LoadUnitBracket, "[ksi]");
  EXPECT_EQ(p.state.materialData, material);
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 200.0f);
  EXPECT_EQ(CalculatedLife(p), "Fatigue life:   1.768E+5 [cyc] ");
  // A value typed now is read in ksi and kept in MPa.
  Enter(sn.SNset(0), "10");
  EXPECT_EQ(sn.SNset(0).Text(), "10.0");
  EXPECT_NEAR(p.state.materialData.Se, 137.9f, 0.01f);

  Choose(menus.mnu_SI);
  EXPECT_TRUE(menus.mnu_SI.Checked());
  EXPECT_EQ(unitLabel.Caption(), "[MPa]");
  EXPECT_EQ(p.state.loadingUnits.LoadUnitBracket, "[MPa]");
  EXPECT_NEAR(p.state.materialData.Se, 137.9f, 0.01f);
  Enter(sn.SNset(0), "50");
  EXPECT_EQ(p.state.materialData, material);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(UserRoads, SavedJobReopensEqualInAFreshWindow) {
  const std::string path = (folder.path() / "road.sns").string();
  std::string life;
  ProgramState saved;
  {
    Program p;
    ToTheInputView(p);
    SetConstantAmplitudeRange(p, 200.0f);
    TypeSnCurve(p, "50", "2E+6", "3.5");
    Enter(p.main.snInputs().SNtht(0), "30");
    life = CalculatedLife(p);
    p.host.saveAnswers.push_back(path);
    Choose(p.main.menus().mnu_start(1));
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    saved = p.state;
  }
  Program q;
  q.host.openAnswers.push_back(path);
  Choose(q.main.menus().mnu_start(0));
  ASSERT_TRUE(q.host.messages.empty()) << q.host.Transcript();
  EXPECT_EQ(q.state.materialData, saved.materialData);
  EXPECT_EQ(q.state.loadingData.StressRangeTo, saved.loadingData.StressRangeTo);
  EXPECT_EQ(q.state.analysisOptions.LoadingType, saved.analysisOptions.LoadingType);
  EXPECT_EQ(q.state.analysisOptions.AnalysisMode, saved.analysisOptions.AnalysisMode);
  EXPECT_EQ(q.state.componentData.Kt, saved.componentData.Kt);
  EXPECT_EQ(q.state.componentData.Kf, saved.componentData.Kf);
  // The user goes on from the opened job to the life.
  if (!q.main.menus().mnu_calculate.IsEnabledInMenu()) Choose(q.main.menus().mnu_calculations);
  EXPECT_EQ(CalculatedLife(q), life);
  EXPECT_TRUE(q.host.messages.empty()) << q.host.Transcript();
}

}  // namespace
