// The test point grid, its scroll bar and keys, the header boxes and the name box.

#include <gtest/gtest.h>

#include "platform/runtime/number_text.h"
#include "shell/unit_settings.h"
#include "testdata/ui/editor_fixture.h"

namespace {

using EditorGrid = EditorUi;

// A set of n falling points: stress 500 - 5k MPa at 1000 k cycles.
TestDataSet Points(int n) {
  TestDataSet set;
  for (int k = 1; k <= n; ++k) AddPoint(set, {500.0f - 5 * k, 1000 * k});
  set.TestSy = 355;
  set.TestSu = 510;
  set.TestStressRatio = -1;
  return set;
}

TEST_F(EditorGrid, RowsWithinTheCountAndTheScrollLimits) {
  OpenWith(Points(5));
  EXPECT_EQ(ed.scroll_CLO.Max(), 0);
  for (int r = 0; r < 10; ++r) {
    EXPECT_EQ(ed.lbl_CLOn(r).Caption(), NumberText(static_cast<int32_t>(r + 1)));
    const bool within = r < 5;
    EXPECT_EQ(ed.txt_CLOx(r).Enabled(), within) << r;
    EXPECT_EQ(ed.txt_CLOn(r).Enabled(), within) << r;
  }
  ed.scroll_CLO_Change();  // the refill of the scroll bar
  EXPECT_EQ(ed.txt_CLOx(4).Text(), "475.00");
  EXPECT_EQ(ed.txt_CLOn(4).Text(), "5.000E+3");
  EXPECT_TRUE(ed.txt_CLOx(5).Locked());
  EXPECT_EQ(ed.txt_CLOx(5).BackColor(), kColourButtonFace);
  EXPECT_EQ(ed.txt_CLOx(5).Text(), "");

  OpenWith(Points(51));
  EXPECT_EQ(ed.scroll_CLO.Max(), 41);
  ed.scroll_CLO.SetValue(41);
  EXPECT_EQ(set.TestGridTop, 42);
  EXPECT_EQ(ed.lbl_CLOn(0).Caption(), "42");
  EXPECT_EQ(ed.lbl_CLOn(9).Caption(), "51");
  EXPECT_EQ(ed.txt_CLOn(9).Text(), "5.100E+4");
}

TEST_F(EditorGrid, ArrowKeysMoveWithinTheColumnAndScrollAtTheEnds) {
  OpenWith(Points(12));
  TextBox& top = ed.txt_CLOx(0);
  Press(top);
  top.keyDown(kKeyUp);  // row 0 at the top: stored, nothing moves
  EXPECT_TRUE(top.HasFocus());
  EXPECT_EQ(ed.scroll_CLO.Value(), 0);
  EXPECT_EQ(set.TestCurrentPoint, 1);
  top.keyDown(kKeyDown);
  EXPECT_TRUE(ed.txt_CLOx(1).HasFocus());
  EXPECT_EQ(set.TestCurrentPoint, 2);

  TextBox& bottom = ed.txt_CLOn(9);
  Press(bottom);
  for (int i = 0; i < 4; ++i) bottom.keyDown(kKeyDown);
  EXPECT_TRUE(bottom.HasFocus()) << "the focus stays in row 9";
  EXPECT_EQ(ed.scroll_CLO.Value(), 2) << "until the last point stands in row 9";
  EXPECT_EQ(ed.lbl_CLOn(9).Caption(), "12");
  EXPECT_EQ(set.TestCurrentPoint, 12);
  Press(ed.txt_CLOn(0));
  ed.txt_CLOn(0).keyDown(kKeyUp);
  EXPECT_EQ(ed.scroll_CLO.Value(), 1);
  EXPECT_EQ(set.TestCurrentPoint, 2);

  OpenWith(Points(4));
  Press(ed.txt_CLOx(3));
  ed.txt_CLOx(3).keyDown(kKeyDown);  // the row of the last point
  EXPECT_TRUE(ed.txt_CLOx(3).HasFocus());
  EXPECT_EQ(set.TestCurrentPoint, 4);
}

TEST_F(EditorGrid, TheCountBoxRefusesLimitsAndAsksBeforeDroppingPoints) {
  OpenWith(Points(5));
  TextBox& count = ed.txt_points(0);
  const struct {
    const char* typed;
    const char* message;
  } refusals[] = {{"1", "Min. number of data points is 2!"},    {"-3", "Min. number of data points is 2!"},
                  {"word", "Min. number of data points is 2!"}, {"52", "Max. number of data points is 51!"},
                  {"51.5", "Max. number of data points is 51!"}, {"51.2", "Max. number of data points is 51!"},
                  // checked as typed, before it is made a whole count
                  {"1.5", "Min. number of data points is 2!"},  {"1.9", "Min. number of data points is 2!"},
                  // beyond every field: the bound on the number's side
                  {"1e39", "Max. number of data points is 51!"}, {"1e400", "Max. number of data points is 51!"},
                  {"-1e39", "Min. number of data points is 2!"}, {"1e-400", "Min. number of data points is 2!"}};
  for (const auto& r : refusals) {
    host.messages.clear();
    Enter(count, r.typed);
    ASSERT_EQ(host.messages.size(), 1u) << r.typed;
    EXPECT_EQ(host.messages[0].text, r.message);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(host.messages[0].title, "Number of Data Points");
    EXPECT_EQ(set.TestPointCount, 5) << r.typed;
    EXPECT_EQ(count.Text(), "5");
  }
  EXPECT_EQ(host.beeps, 0);

  host.messages.clear();
  host.QueueAnswer(kAnswerNo);
  Enter(count, "2");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Delete the last  3 data points?");
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(host.messages[0].defaultButton, 1);
  EXPECT_EQ(set.TestPointCount, 5);
  EXPECT_EQ(count.Text(), "5");
  EXPECT_TRUE(ed.txt_CLOx(4).HasFocus()) << "the stress cell of the last row";

  host.QueueAnswer(kAnswerYes);
  Enter(count, "3");
  EXPECT_EQ(set.TestPointCount, 3);
  EXPECT_FALSE(ed.txt_CLOx(3).Enabled());
  Enter(count, "5");  // the points above the count come back
  EXPECT_EQ(set.TestPointCount, 5);
  EXPECT_EQ(ed.txt_CLOx(4).Text(), "475.00");
  EXPECT_FALSE(ed.cmd_CLO_OK.Enabled()) << "a count taken disables Fit/OK";
  Enter(count, "6.4");
  EXPECT_EQ(set.TestPointCount, 6) << "counts are whole points";
  Enter(count, "5.6");
  EXPECT_EQ(set.TestPointCount, 6) << "the whole count is the current one: nothing to delete";

  // A fraction below the count asks about the whole points it drops.
  host.messages.clear();
  host.QueueAnswer(kAnswerYes);
  Enter(count, "2.4");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Delete the last  4 data points?");
  EXPECT_EQ(set.TestPointCount, 2);
  EXPECT_EQ(count.Text(), "2");
}

TEST_F(EditorGrid, HeaderBoxesStoreInDisplayUnitsAndRefuseWhatCannotBeHeld) {
  OpenWith(Points(3));
  state.fatigueDbState.FatigueDbModified = 0;
  Enter(ed.txt_points(1), "1e39");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect!");
  EXPECT_EQ(host.messages[0].title, "1e39");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
  EXPECT_EQ(set.TestSy, 355);
  EXPECT_EQ(ed.txt_points(1).ForeColor(), 4095) << "the box keeps its focus colour";
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 0);

  Enter(ed.txt_points(3), "0.1");
  EXPECT_EQ(set.TestStressRatio, 0.1f);
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 1);

  state.unitSettings = UnitsOf(UnitSystem::US);
  Enter(ed.txt_points(2), "50");
  EXPECT_NEAR(set.TestSu, 344.75, 0.01);
  Enter(ed.txt_Name, "");
  EXPECT_EQ(ed.txt_Name.Text(), "Weld_B") << "an emptied name comes back";
  Enter(ed.txt_Name, " Weld C ");
  EXPECT_EQ(set.TestDataName, " Weld C ");
}

TEST_F(EditorGrid, CellsStoreTheirValueAndRefuseOnesBeyondTheirField) {
  OpenWith(Points(3));
  Enter(ed.txt_CLOx(1), "1e39");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect!");
  EXPECT_EQ(host.messages[0].title, "1e39");
  EXPECT_EQ(set.TestStress[2], 490);
  EXPECT_EQ(ed.txt_CLOx(1).Text(), "490.00");
  Enter(ed.txt_CLOn(1), "3e9");
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(set.TestLife[2], 2000);

  Enter(ed.txt_CLOn(2), "1234567");
  EXPECT_EQ(ed.txt_CLOn(2).Text(), "1.235E+6");
  Enter(ed.txt_CLOn(2), ed.txt_CLOn(2).Text());  // left as shown: rounded to the digits shown
  EXPECT_EQ(set.TestLife[3], 1235000);
  Enter(ed.txt_CLOx(2), "");
  EXPECT_EQ(set.TestStress[3], 0);
  EXPECT_EQ(set.TestDataModified, 1);
}

TEST_F(EditorGrid, InsertAndDeleteAtTheCurrentPoint) {
  TestDataSet values = Points(3);
  values.TestStress[1] = 300;
  values.TestLife[1] = 20000;
  OpenWith(values);
  Press(ed.txt_CLOx(0));
  ASSERT_EQ(ed.cmd_CLO_open.Caption(), "&Insert");
  Press(ed.cmd_CLO_open);
  EXPECT_EQ(set.TestPointCount, 4);
  EXPECT_EQ(set.TestStress[1], 150);
  EXPECT_EQ(set.TestLife[1], 20000);
  EXPECT_EQ(set.TestStress[2], 300);
  EXPECT_EQ(ed.txt_points(0).Text(), "4");
  EXPECT_EQ(ed.txt_CLOx(0).Text(), "150.00");

  Press(ed.txt_CLOx(3));
  Press(ed.cmd_CLO_open);  // at point 4: an empty point, Fit waits for it
  EXPECT_EQ(ed.txt_CLOx(3).Text(), "0.00");
  EXPECT_EQ(ed.txt_CLOn(3).Text(), "0.000E+0");
  EXPECT_FALSE(ed.cmd_CLO_OK.Enabled());

  // Delete the empty point 4 again: asked, deleted, checked and refitted.
  host.QueueAnswer(kAnswerOK);
  Press(ed.txt_CLOx(3));
  Press(ed.cmd_CLO_Del);
  ASSERT_EQ(host.messages.size(), 1u) << host.Transcript();
  EXPECT_EQ(host.messages[0].text, "Do you want to delete data #4");
  EXPECT_EQ(host.messages[0].defaultButton, 2);
  EXPECT_EQ(set.TestPointCount, 4);
  EXPECT_EQ(set.TestStress[4], 485) << "point 5 moved down";
  EXPECT_GT(set.TestFitCoeff, 0);

  host.QueueAnswer(kAnswerOK);
  host.QueueAnswer(kAnswerOK);
  Press(ed.txt_CLOx(0));
  Press(ed.cmd_CLO_Del);
  Press(ed.txt_CLOx(0));
  Press(ed.cmd_CLO_Del);
  EXPECT_EQ(set.TestPointCount, 2);
  EXPECT_FALSE(ed.cmd_CLO_Del.Enabled()) << "two points are the least";
  host.messages.clear();
  Press(ed.txt_CLOx(0));  // a click enables Delete whatever the count
  Press(ed.cmd_CLO_Del);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, can't delete more data points...");
  EXPECT_EQ(set.TestPointCount, 2);
}

TEST_F(EditorGrid, FitChecksTheSetAndPutsTheFocusOnTheFault) {
  TestDataSet values = Points(30);
  values.TestStress[7] = 0;
  values.TestLife[7] = 1;
  OpenWith(values);
  Press(ed.txt_CLOx(0));
  Press(ed.cmd_CLO_OK);  // Fit
  ASSERT_EQ(host.messages.size(), 2u) << host.Transcript();
  EXPECT_EQ(host.messages[0].text, "Sorry, Data # 7 is incorrect\rStress must be greater than 0.");
  EXPECT_EQ(host.messages[1].text, "Sorry, Data # 7 is incorrect\rLife must be greater than 1 rev.");
  EXPECT_EQ(host.messages[0].title, "Fatigue Test Data");
  EXPECT_TRUE(ed.txt_CLOn(6).HasFocus());

  // A fault below the rows shown: the grid scrolls to it.
  Enter(ed.txt_CLOx(6), "300");
  Enter(ed.txt_CLOn(6), "7000");
  set.TestLife[25] = 0;
  host.messages.clear();
  Press(ed.cmd_CLO_OK);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(ed.scroll_CLO.Value(), 15);
  EXPECT_EQ(ed.lbl_CLOn(9).Caption(), "25");
  EXPECT_TRUE(ed.txt_CLOn(9).HasFocus());

  // All valid: the check leaves the last point in the bottom row.
  Enter(ed.txt_CLOn(9), "25000");
  host.messages.clear();
  Press(ed.cmd_CLO_OK);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(ed.scroll_CLO.Value(), 20);
  EXPECT_GT(set.TestFitCoeff, 0);

  // The strengths come first: Sy = 0 is the only fault reported.
  EXPECT_EQ(ed.cmd_CLO_OK.Caption(), "&OK");
  Press(ed.txt_CLOx(0));  // back to the edit set
  set.TestSy = 0;
  set.TestStressRatio = 1;
  Press(ed.cmd_CLO_OK);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, value of Yield Strength is incorrect");
  EXPECT_TRUE(ed.txt_points(1).HasFocus());
}

}  // namespace
