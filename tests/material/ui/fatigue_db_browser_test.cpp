#include <gtest/gtest.h>

#include <string>

#include "component/ui/data_box_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "material_ui_fixture.h"
#include "platform/draw/surface.h"

namespace {

class FatigueDbBrowser : public ::testing::Test, public MaterialUi {
 public:
  FatigueDbBrowser() {
    PutThreeBatches(state);
    st.DataServiceMode = 2;
    ds.frm_data_serv.SetVisible(true);
  }
  void Browse() {
    ds.chk_Input_Dbase.SetValue(true);
    ds.cmd_data_do.click();
  }
  // The editor on the database in memory (its folder needs no question).
  void Edit() {
    st.OverwriteConfirmed = 1;
    ds.chk_Edit_Dbase.SetValue(true);
    ds.cmd_data_do.click();
    st.FatigueDbModified = 0;
  }
  std::string ShownBatch() const { return db.Label20(3).Caption(); }

  DataServicePanel& ds = main.dataService();
  FatigueDbPanel& db = main.fatigueDb();
  FatigueDbState& st = state.fatigueDbState;
  FatigueDatabase& fdb = state.fatigueDatabase;
};

TEST_F(FatigueDbBrowser, BrowseShowsTheBatchWithItsCells) {
  Browse();
  EXPECT_TRUE(db.frm_Fatigue_Dbase.Visible());
  EXPECT_EQ(ShownBatch(), "1");
  EXPECT_EQ(db.Label20(1).Caption(), "3");
  EXPECT_EQ(db.Lab1_fatigue_DB.Caption(), "Steels");
  EXPECT_EQ(db.Text2(0).Text(), "S355");
  EXPECT_EQ(db.Text3(0).Text(), "200.0");
  EXPECT_EQ(db.Text4(0).Text(), "2.0E+6");
  EXPECT_EQ(db.Text5(1).Text(), "4.0");
  EXPECT_EQ(db.Text6(0).Text(), "-1");
  EXPECT_EQ(db.Text8(1).Text(), "97.7");
  EXPECT_EQ(db.Text2(2).Text(), "");
  EXPECT_TRUE(db.cmd_fatigue_Db_OK.Visible());
  EXPECT_FALSE(db.cmd_Fatigue_Db_Del.Visible());
}

TEST_F(FatigueDbBrowser, NextPastTheLastBatchShowsTheFirst) {
  Browse();
  const char* expected[] = {"2", "3", "1"};
  for (const char* batch : expected) {
    db.cmd_fatigue_Db_Next.click();
    EXPECT_EQ(ShownBatch(), batch);
  }
  db.cmd_Fatigue_Db_Prev.click();
  EXPECT_EQ(ShownBatch(), "3");
  // r and Pn read as numbers are written, with the zero before the point.
  EXPECT_EQ(db.Text6(2).Text(), "0.1");
  EXPECT_EQ(db.Text8(2).Text(), "90");
  db.cmd_Fatigue_Db_Prev.click();
  EXPECT_EQ(db.Text6(0).Text(), "0.5");
}

TEST_F(FatigueDbBrowser, OkTakesThePickedSetAsARange) {
  Browse();
  db.Text3(0).click();
  EXPECT_EQ(db.Text3(0).BackColor(), 0x00C0FFFF);
  EXPECT_EQ(db.dN_distr(3).Caption(), "{N8}");
  db.cmd_fatigue_Db_OK.click();
  const MaterialData& md = state.materialData;
  EXPECT_EQ(md.SeFrom, 400.0f);
  EXPECT_EQ(md.SeTo, 400.0f);
  EXPECT_EQ(md.Se, 400.0f);
  EXPECT_EQ(md.SNExtensionExponent, md.SNExponent);
  EXPECT_EQ(md.EnduranceCycles, 2000000);
  EXPECT_EQ(md.DataSu, 510.0f);
  EXPECT_EQ(md.Sy, 355.0f);
  EXPECT_EQ(md.MaterialSource, 1);
  EXPECT_EQ(state.jobTexts.MaterialName, "S355");
  EXPECT_EQ(main.dataBox().Materialt.Text(), "S355");
  EXPECT_EQ(state.results.NotchedEnduranceRange, 800.0f);
  EXPECT_EQ(state.randomVariableTable.RvType[1], 1);
  EXPECT_FLOAT_EQ(state.randomVariableTable.RvCov[1], 0.08f);
  EXPECT_EQ(main.snInputs().dN_distr(0).Caption(), "{N8}");
  EXPECT_EQ(st.UsedFatigueBatch, 1);
  EXPECT_FALSE(db.frm_Fatigue_Dbase.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible());
}

// The picked set's reference button shows a small sheet of writing: a dark
// edge round a white sheet with grey lines on it, on every side of the button.
TEST_F(FatigueDbBrowser, ThePickedSetsReferenceButtonShowsASheet) {
  Browse();
  for (int column : {1, 0}) {
    db.Text3(column).click();
    PictureBox& button = db.refer_pic(column);
    ASSERT_TRUE(button.Visible());
    Surface& face = button.surface();
    face.ScalePixels();
    const int w = static_cast<int>(face.ScaleWidth()), h = static_cast<int>(face.ScaleHeight());
    ASSERT_GE(w, 8);
    int edge = 0, sheet = 0, writing = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int32_t p = face.Point(x, y);
        edge += p == 0x404040;
        sheet += p == 0xFFFFFF;
        writing += p == 0x808080;
      }
    EXPECT_GE(edge, w + h) << column;
    EXPECT_GE(sheet, w) << column;
    EXPECT_GE(writing, 3) << column;
    EXPECT_FALSE(db.refer_pic(1 - column).Visible()) << "one button, the picked set's";
  }
}

TEST_F(FatigueDbBrowser, OkFromAnotherBatchFirstReturnsToThePickedOne) {
  Browse();
  db.Text2(1).click();
  db.cmd_fatigue_Db_Next.click();
  db.cmd_fatigue_Db_Next.click();
  db.cmd_fatigue_Db_OK.click();
  EXPECT_EQ(ShownBatch(), "1");
  EXPECT_EQ(state.materialData.MaterialSource, 2);
  db.cmd_fatigue_Db_OK.click();
  EXPECT_EQ(state.jobTexts.MaterialName, "S235");
  EXPECT_EQ(state.materialData.SeFrom, 320.0f);
}

TEST_F(FatigueDbBrowser, OkRefusesASetTheInputsWouldRefuse) {
  fdb.FdbR[1][2] = 1;
  Browse();
  db.Text2(1).click();
  const MaterialData before = state.materialData;
  db.cmd_fatigue_Db_OK.click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Sorry, Data Incorrect! (| r | > 1) ");
  EXPECT_EQ(LastMessage().title, " Stress Ratio (r)");
  EXPECT_TRUE(state.materialData == before);
  EXPECT_TRUE(db.frm_Fatigue_Dbase.Visible());
  EXPECT_EQ(st.UsedFatigueBatch, 0);
}

TEST_F(FatigueDbBrowser, EditNextAddsABatchOnlyAfterACompleteSet) {
  Edit();
  db.cmd_fatigue_Db_Next.click();
  db.cmd_fatigue_Db_Next.click();
  EXPECT_EQ(ShownBatch(), "3");
  db.cmd_fatigue_Db_Next.click();
  EXPECT_EQ(ShownBatch(), "4");
  EXPECT_EQ(st.FatigueBatchCount, 4);
  EXPECT_FALSE(db.cmd_Fatigue_Db_Del.Enabled());
  EXPECT_EQ(st.FatigueDbModified, 1);
  const int beeps = host.beeps;
  db.cmd_fatigue_Db_Next.SetEnabled(true);
  db.cmd_fatigue_Db_Next.click();  // an empty batch cannot be passed
  EXPECT_EQ(ShownBatch(), "4");
  EXPECT_EQ(host.beeps, beeps + 1);
  db.cmd_Fatigue_Db_Prev.click();  // and going back drops it
  EXPECT_EQ(ShownBatch(), "3");
  EXPECT_EQ(st.FatigueBatchCount, 3);
}

TEST_F(FatigueDbBrowser, DeletingTheOnlySetKeepsTheBatchEmpty) {
  Edit();
  db.cmd_fatigue_Db_Next.click();
  ASSERT_EQ(ShownBatch(), "2");
  db.Text2(0).click();
  EXPECT_EQ(st.MarkedFatigueSet, 0);
  EXPECT_TRUE(db.cmd_Fatigue_Db_Del.Enabled());
  host.QueueAnswer(kAnswerYes);
  db.cmd_Fatigue_Db_Del.click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Delete the Marked Data Set?");
  EXPECT_EQ(LastMessage().defaultButton, 2);
  EXPECT_EQ(fdb.FdbSetCount[2], 0);
  EXPECT_EQ(fdb.FdbSetName[2][1], "");
  EXPECT_EQ(st.FatigueBatchCount, 3);
  EXPECT_EQ(fdb.FdbBatchName[3], "Cast");
  EXPECT_EQ(st.MarkedFatigueSet, 0);
  EXPECT_EQ(db.Text2(0).Text(), "");
  EXPECT_EQ(db.cmd_Fatigue_Db_Cancel.Caption(), "E&xit");
  EXPECT_EQ(st.FatigueDbModified, 1);
}

TEST_F(FatigueDbBrowser, DeletingTheOnlyBatchLeavesOneEmptyBatch) {
  for (int s = 1; s <= 3; ++s) fdb.FdbSetName[2][s] = fdb.FdbSetName[3][s] = "";
  fdb.FdbSetCount[2] = fdb.FdbSetCount[3] = 0;
  st.FatigueBatchCount = 1;
  Edit();
  host.QueueAnswer(kAnswerYes);
  db.cmd_Fatigue_Db_Del.click();
  EXPECT_EQ(LastMessage().text, "Delete the Current Data Batch?");
  EXPECT_EQ(st.FatigueBatchCount, 1);
  EXPECT_EQ(fdb.FdbSetCount[1], 0);
  EXPECT_EQ(ShownBatch(), "1");
  EXPECT_EQ(st.FatigueDbModified, 1);
}

TEST_F(FatigueDbBrowser, EveryKindOfChangeRaisesTheUnsavedFlag) {
  struct Change {
    const char* what;
    void (*act)(FatigueDbBrowser&);
  };
  const Change changes[] = {
      {"cell value",
       [](FatigueDbBrowser& t) {
         t.db.Text5(0).click();
         t.db.Text5(0).typeText("3.7");
         t.db.Text5(0).leave();
       }},
      {"set name",
       [](FatigueDbBrowser& t) {
         t.db.Text2(0).click();
         t.db.Text2(0).typeText("S355J2");
         t.db.Text2(0).leave();
       }},
      {"automatic set name",
       [](FatigueDbBrowser& t) {
         PutSet(t.fdb, 1, 3, {"", 150, 3, -1, 50, 300, 450, 2000000});
         t.fdb.FdbSetCount[1] = 2;
         t.db.cmd_fatigue_Db_Next.click();
         EXPECT_EQ(t.fdb.FdbSetName[1][3], "Set 3");
         EXPECT_EQ(t.fdb.FdbSetCount[1], 3);
       }},
      {"batch description",
       [](FatigueDbBrowser& t) {
         t.db.Lab1_fatigue_DB.click();
         t.db.Txt1_Fatigue_DB.typeText("Rolled steels");
         t.db.Txt1_Fatigue_DB.leave();
         EXPECT_EQ(t.fdb.FdbBatchName[1], "Rolled steels");
         EXPECT_EQ(t.db.Lab1_fatigue_DB.Caption(), "Description:  Rolled steels");
       }},
      {"reference",
       [](FatigueDbBrowser& t) {
         t.db.Text2(1).click();
         t.db.refer_pic(1).click();
         EXPECT_TRUE(t.db.refer_txt.HasFocus());
         t.db.refer_txt.typeText("EN 1993-1-9");
         t.db.refer_txt.leave();
         EXPECT_EQ(t.fdb.FdbReference[1][2], "EN 1993-1-9");
       }},
      {"set deleted",
       [](FatigueDbBrowser& t) {
         t.db.Text2(1).click();
         t.host.QueueAnswer(kAnswerYes);
         t.db.cmd_Fatigue_Db_Del.click();
       }},
      {"batch deleted",
       [](FatigueDbBrowser& t) {
         t.host.QueueAnswer(kAnswerYes);
         t.db.cmd_Fatigue_Db_Del.click();
       }},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    FatigueDbBrowser& fresh = *this;
    fresh.state.fatigueDatabase = FatigueDatabase{};
    PutThreeBatches(fresh.state);
    fresh.st.CurrentFatigueBatch = 1;
    fresh.st.MarkedFatigueSet = -1;
    Edit();
    ASSERT_EQ(st.FatigueDbModified, 0);
    c.act(*this);
    EXPECT_EQ(st.FatigueDbModified, 1);
    main.MoveFocus(nullptr);
  }
}

TEST_F(FatigueDbBrowser, JumpBeyondTwentyBatchesIsRefused) {
  for (int b = 4; b <= 20; ++b) PutSet(fdb, b, 1, {"X", 100, 3, -1, 50, 200, 400, 2000000});
  st.FatigueBatchCount = 20;
  Edit();
  db.Label20(3).click();
  db.txt_Fatigue_Db.typeText("20");
  db.txt_Fatigue_Db.leave();
  ASSERT_EQ(ShownBatch(), "20");
  const int beeps = host.beeps;
  db.Label20(3).click();
  db.txt_Fatigue_Db.typeText("21");
  db.txt_Fatigue_Db.leave();
  EXPECT_EQ(host.beeps, beeps + 1);
  EXPECT_EQ(st.CurrentFatigueBatch, 20);
  EXPECT_EQ(st.FatigueBatchCount, 20);
  EXPECT_EQ(db.txt_Fatigue_Db.Text(), "20");
  EXPECT_FALSE(db.txt_Fatigue_Db.Visible());
}

TEST_F(FatigueDbBrowser, FullDatabaseCanStillBeWalkedInTheEditor) {
  for (int b = 4; b <= 20; ++b) PutSet(fdb, b, 1, {"X", 100, 3, -1, 50, 200, 400, 2000000});
  st.FatigueBatchCount = 20;
  st.UsedFatigueBatch = 19;
  Edit();
  st.CurrentFatigueBatch = 19;
  db.ShowFatigueDbBatch(19);
  db.cmd_fatigue_Db_Next.click();
  EXPECT_EQ(ShownBatch(), "20");
  const int beeps = host.beeps;
  db.cmd_fatigue_Db_Next.click();  // no room for a 21st batch
  EXPECT_EQ(ShownBatch(), "20");
  EXPECT_EQ(st.FatigueBatchCount, 20);
  EXPECT_EQ(host.beeps, beeps + 1);
}

TEST_F(FatigueDbBrowser, BrowsingCellsAreReadOnly) {
  Browse();
  db.Text5(0).click();
  db.Text5(0).typeText("9");
  db.Text5(0).leave();
  EXPECT_EQ(db.Text5(0).Text(), "3.5");
  EXPECT_EQ(fdb.FdbM[1][1], 3.5f);
  EXPECT_EQ(st.FatigueDbModified, 0);
}

TEST_F(FatigueDbBrowser, BrowseJumpAcceptsOnlyExistingBatches) {
  Browse();
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"3", "3"}, {"4", "3"}, {"0", "3"}, {"abc", "3"}, {"1.5", "2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    db.Label20(3).click();
    db.txt_Fatigue_Db.typeText(c.typed);
    db.txt_Fatigue_Db.leave();
    EXPECT_EQ(ShownBatch(), c.shown);
  }
}

}  // namespace
