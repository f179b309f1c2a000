#include <gtest/gtest.h>

#include <string>

#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material_ui_fixture.h"
#include "shell/unit_settings.h"

namespace {

class FatigueDbTable : public ::testing::Test, public MaterialUi {
 protected:
  FatigueDbTable() {
    PutThreeBatches(state);
    st.DataServiceMode = 2;
    st.OverwriteConfirmed = 1;
    ds.frm_data_serv.SetVisible(true);
    ds.chk_Edit_Dbase.SetValue(true);
    ds.cmd_data_do.click();
    st.FatigueDbModified = 0;
  }
  void Type(TextBox& cell, const std::string& text) {
    cell.click();
    cell.typeText(text);
    cell.leave();
  }

  DataServicePanel& ds = main.dataService();
  FatigueDbPanel& db = main.fatigueDb();
  FatigueDbState& st = state.fatigueDbState;
  FatigueDatabase& fdb = state.fatigueDatabase;
};

TEST_F(FatigueDbTable, PassingThroughACellKeepsTheFullValue) {
  db.cmd_fatigue_Db_Next.click();
  ASSERT_EQ(db.Text4(0).Text(), "2.3E+6");
  db.Text4(0).click();
  db.Text4(0).keyDown(40);
  db.Text5(0).keyDown(40);
  db.Text6(0).leave();
  EXPECT_EQ(fdb.FdbNo[2][1], 2345678);
  EXPECT_EQ(st.FatigueDbModified, 0);
  Type(db.Text4(0), "2E+06");
  EXPECT_EQ(fdb.FdbNo[2][1], 2000000);
  EXPECT_EQ(st.FatigueDbModified, 1);
}

TEST_F(FatigueDbTable, RefusedCellsRestoreTheValueAndHoldUpTheNextStep) {
  struct Case {
    const char* what;
    TextBox& (*cell)(FatigueDbPanel&);
    const char *typed, *text, *title, *refill;
  };
  const Case cases[] = {
      {"Se letters", [](FatigueDbPanel& p) -> TextBox& { return p.Text3(0); }, "abc",
       "Sorry, Data Incorrect! (Se > Su)", " Endurance Limit (Se)", "200"},
      {"Se above Su", [](FatigueDbPanel& p) -> TextBox& { return p.Text3(0); }, "511",
       "Sorry, Data Incorrect! (Se > Su)", " Endurance Limit (Se)", "200"},
      {"No", [](FatigueDbPanel& p) -> TextBox& { return p.Text4(0); }, "99999", "Sorry, Data Incorrect!  (No < 1e5)",
       " Endurance Limit Life (No)", "2000000"},
      {"m", [](FatigueDbPanel& p) -> TextBox& { return p.Text5(0); }, "1", "Sorry, Data Incorrect!  (m < 1) ",
       " S-N Curve Exponent (m)", "3.5"},
      {"r", [](FatigueDbPanel& p) -> TextBox& { return p.Text6(0); }, "1", "Sorry, Data Incorrect! (|r| > 1)",
       " Stress Ratio (r)", ""},
      {"Pn 0", [](FatigueDbPanel& p) -> TextBox& { return p.Text8(0); }, "0", "Sorry, Data Incorrect! (Pn < 0)",
       " Survival Probability (Pn)", "50"},
      {"Pn 100", [](FatigueDbPanel& p) -> TextBox& { return p.Text8(0); }, "100", "Sorry, Data Incorrect! (Pn > 100)",
       " Survival Probability (Pn)", "50"},
      {"Sy", [](FatigueDbPanel& p) -> TextBox& { return p.Text7(0); }, "510", "Sorry, Data Incorrect! (Sy >= Su)",
       " Yield Strength (Sy)", "355"},
      // the file reads a yield strength below 10 MPa back as 0.6 x Su
      {"Sy below what the file keeps", [](FatigueDbPanel& p) -> TextBox& { return p.Text7(0); }, "9.99",
       "Sorry, Data Incorrect! (Sy < 10 MPa)", " Yield Strength (Sy)", "355"},
      {"Su", [](FatigueDbPanel& p) -> TextBox& { return p.Text9(0); }, "300", "Sorry, Data Incorrect! (Su <= Se)",
       " Ultimate Strength (Su)", "510"},
  };
  const FatigueDatabase before = fdb;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    TextBox& cell = c.cell(db);
    Type(cell, c.typed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(LastMessage().text, c.text);
    EXPECT_EQ(LastMessage().title, c.title);
    EXPECT_EQ(cell.Text(), c.refill);
    EXPECT_TRUE(cell.HasFocus());
    EXPECT_TRUE(fdb == before);
    db.cmd_fatigue_Db_Next.click();  // held up once
    EXPECT_EQ(db.Label20(3).Caption(), "1");
    EXPECT_EQ(state.fatigueDbEditState.NewSetAnswer, kAnswerNo);
  }
  db.cmd_fatigue_Db_Next.click();
  EXPECT_EQ(db.Label20(3).Caption(), "2");
}

TEST_F(FatigueDbTable, StressesAreTypedInTheUnitOnScreen) {
  state.unitSettings = UnitsOf(UnitSystem::US);
  db.ShowFatigueDbBatch(1);
  Type(db.Text3(0), "36.26");
  EXPECT_NEAR(fdb.FdbSe[1][1], 250.0, 0.02);
  Type(db.Text3(0), "80");  // above Su = 510 MPa = 73.97 ksi: refilled in ksi
  EXPECT_EQ(db.Text3(0).Text(), "36.26");
}

TEST_F(FatigueDbTable, EmptyCellsAndLinkedSets) {
  Type(db.Text6(0), "");  // r may be emptied: nothing stored
  EXPECT_EQ(fdb.FdbR[1][1], -1.0f);
  Type(db.Text3(3), "");  // an unfilled column can be passed through
  EXPECT_TRUE(host.messages.empty());
  fdb.FdbTestDataName[1][2] = fdb.FdbSetName[1][2];
  const FatigueDatabase before = fdb;
  Type(db.Text5(1), "1");
  Type(db.Text2(1), "Other");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(fdb == before);
}

TEST_F(FatigueDbTable, BlankNameOfAnExistingSetBecomesItsNumber) {
  Type(db.Text2(1), "   ");
  EXPECT_EQ(fdb.FdbSetName[1][2], "Set 2");
  EXPECT_EQ(db.Text2(1).Text(), "Set 2");
  Type(db.Text2(2), "  ");
  EXPECT_EQ(fdb.FdbSetName[1][3], "  ");
  EXPECT_EQ(db.Text2(0).MaxLength(), 9);
}

TEST_F(FatigueDbTable, ArrowsRunDownTheRowsAndWrap) {
  db.Text8(0).click();
  db.Text8(0).keyDown(40);
  EXPECT_TRUE(db.Text7(0).HasFocus());
  db.Text7(0).keyDown(40);
  db.Text9(0).keyDown(40);
  EXPECT_TRUE(db.Text2(0).HasFocus());
  db.Text2(0).keyDown(38);
  EXPECT_TRUE(db.Text9(0).HasFocus());
}

TEST_F(FatigueDbTable, NewSetIsOfferedForAbandonBeforeMovingOn) {
  Type(db.Text3(2), "150");
  host.QueueAnswer(kAnswerNo);
  db.cmd_fatigue_Db_Next.click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Wuold you like to abandon the new data set?");
  EXPECT_EQ(LastMessage().title, "Fatifue Data");
  EXPECT_EQ(LastMessage().defaultButton, 2);  // Enter keeps the typed set
  EXPECT_EQ(db.Label20(3).Caption(), "1");
  EXPECT_TRUE(db.Text2(2).HasFocus());
  host.QueueAnswer(kAnswerYes);
  db.cmd_fatigue_Db_Next.click();
  EXPECT_EQ(fdb.FdbSe[1][3], 0.0f);
  EXPECT_EQ(db.Label20(3).Caption(), "2");
}

}  // namespace
