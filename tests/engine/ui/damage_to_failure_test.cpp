#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

namespace {

// A single-case spectrum life of 1000 blocks of 10 cycles (D = 0.001) on show
// in the job summary.
class DamageToFailureTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  DataBoxPanel& box = main.dataBox();

  void SetUp() override {
    state.analysisOptions.LoadingType = 2;
    state.loadingData.CyclesPerBlock = 10;
    state.results.TotalDamage = 0.001f;
    state.results.LifeBlocks = 1000.0f;
    state.results.InfiniteLifeFlag = 0;
    ShowFatigueLife(main, 2);
    box.frm_DBox.SetVisible(true);
    box.Result.SetVisible(true);
  }
  void Type(const std::string& text) {
    box.DTFf.click();
    box.DTFft.typeText(text);
    box.DTFft.leave();
  }
};

TEST_F(DamageToFailureTest, NewValueRescalesTheLifeOnShow) {
  box.DTFf.click();
  EXPECT_TRUE(box.DTFft.HasFocus());
  EXPECT_TRUE(IsBeingEdited(box.DTFft));
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
  box.DTFft.typeText("2");
  box.DTFft.leave();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.analysisOptions.DamageToFailure, 2.0f);
  EXPECT_EQ(box.DTFft.Text(), "2.0");
  EXPECT_EQ(box.DTFft.Width(), 360.0f);
  EXPECT_FALSE(IsBeingEdited(box.DTFft));
  EXPECT_EQ(box.DTFft.BackColor(), state.colourSettings.ColourDataBox);
  EXPECT_FLOAT_EQ(state.results.LifeBlocks, 2000.0f);
  EXPECT_FLOAT_EQ(state.results.LifeCycles, 20000.0f);
  EXPECT_EQ(box.Result.Caption(), "Fatigue life:   2.000E+3 [blk] 2.000E+4 [cyc] ");
  EXPECT_FALSE(main.menus().mnu_form.Enabled());
  EXPECT_FALSE(main.menus().mnu_report.Enabled());
  EXPECT_TRUE(main.menus().mnu_calculate.Enabled());
}

TEST_F(DamageToFailureTest, RangeIsAboveZeroAndBelowTen) {
  struct Case {
    const char* typed;
    const char* reason;  // nullptr: accepted
    const char* shown;
  };
  const Case cases[] = {
      {"0", "(DTF < 0)", "1.0"}, {"-3", "(DTF < 0)", "1.0"}, {"abc", "(DTF < 0)", "1.0"},
      {"10", "(DTF >10)", "1.0"}, {"9.999", nullptr, "9.999"}, {"0.5e1", nullptr, "5.0"},
  };
  for (const Case& c : cases) {
    state.analysisOptions.DamageToFailure = 1.0f;
    host.messages.clear();
    Type(c.typed);
    EXPECT_EQ(box.DTFft.Text(), c.shown) << c.typed;
    if (!c.reason) {
      EXPECT_TRUE(host.messages.empty()) << c.typed;
      continue;
    }
    ASSERT_EQ(host.messages.size(), 1u) << c.typed;
    EXPECT_EQ(host.messages[0].text, std::string("Sorry, Data Incorrect! ") + c.reason);
    EXPECT_EQ(host.messages[0].title, " Damage to Failure (DTF)");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(state.analysisOptions.DamageToFailure, 1.0f);
    EXPECT_TRUE(box.DTFft.HasFocus());
    EXPECT_TRUE(IsBeingEdited(box.DTFft));
  }
}

TEST_F(DamageToFailureTest, RefusalIsSilentWhileTheSummaryIsHidden) {
  box.DTFft.typeText("12");
  box.pic_DBox.SetVisible(false);
  box.DTFft.leave();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(box.DTFft.Text(), "12");
  EXPECT_EQ(state.analysisOptions.DamageToFailure, 1.0f);
}

TEST_F(DamageToFailureTest, InfiniteLifeWithoutDamageStaysInfinite) {
  state.analysisOptions.LoadingType = 3;
  state.results.TotalDamage = 0.0f;
  state.results.LifeBlocks = 1.0e30f;
  state.results.InfiniteLifeFlag = 1;
  ShowFatigueLife(main, 1);
  Type("2");
  EXPECT_EQ(box.Result.Caption(), "Fatigue Life  =   Infinite...");
  EXPECT_EQ(state.results.LifeBlocks, 1.0e30f);
  EXPECT_TRUE(box.Result.Visible());
}

TEST_F(DamageToFailureTest, MasterCurveHidesTheLifeInsteadOfRescaling) {
  state.analysisOptions.AnalysisMode = 2;
  main.results().Pic_Dam.SetVisible(true);
  Type("3");
  EXPECT_FALSE(box.Result.Visible());
  EXPECT_FALSE(main.results().Pic_Dam.Visible());
  EXPECT_EQ(state.results.LifeBlocks, 1000.0f);
}

TEST_F(DamageToFailureTest, DownGoesToTheSubjectWithoutTheReliabilityLine) {
  int subjectClicks = 0;
  box.Subj.onClick = [&] { ++subjectClicks; };
  box.DTFft.SetFocus();
  box.DTFft.keyDown(kKeyDown);
  EXPECT_EQ(subjectClicks, 1);
}

}  // namespace
