// The material database as an engineer edits it: names and references that
// the file once could not give back, numbers beyond their field, the header
// and the grid where the Parts place them.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material_ui_fixture.h"

using namespace std::string_literals;

namespace {

class FatigueDbSound : public ::testing::Test, public MaterialUi {
 protected:
  FatigueDbSound() {
    char tmpl[] = "/tmp/fdb_sound_test_XXXXXX";
    EXPECT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    PutThreeBatches(state);
    st.DataServiceMode = 2;
    ds.frm_data_serv.SetVisible(true);
    ds.Dir1.SetPath(dir.string());
    st.DataDirectory[2] = st.FatigueDbOwnFolder = dir.string();
    st.OverwriteConfirmed = 1;
    Do(ds.chk_Edit_Dbase);
    st.FatigueDbModified = 0;
  }
  ~FatigueDbSound() override { std::filesystem::remove_all(dir); }

  void Do(OptionButton& option) {
    option.click();
    ds.cmd_data_do.click();
  }
  void Type(TextBox& box, const std::string& text) {
    box.click();
    box.typeText(text);
    box.leave();
  }

  std::filesystem::path dir;
  DataServicePanel& ds = main.dataService();
  FatigueDbPanel& db = main.fatigueDb();
  FatigueDbState& st = state.fatigueDbState;
  FatigueDatabase& fdb = state.fatigueDatabase;
};

}  // namespace

// What is typed into the description box, a name cell and the reference box
// is stored as the file keeps it, and a save and a new open give it back.
TEST_F(FatigueDbSound, TypedNamesAndReferencesComeBackFromTheFile) {
  db.Lab1_fatigue_DB.click();
  Type(db.Txt1_Fatigue_DB, ",x");
  Type(db.Text2(0), "5\" dia, x");
  EXPECT_EQ(fdb.FdbSetName[1][1], "5' dia, x");
  EXPECT_EQ(db.Text2(0).Text(), "5' dia, x");
  db.refer_pic(0).click();
  Type(db.refer_txt, "Detail 71\r\n5' dia, x\r\n\r\nNo fatigue data");
  db.refer_pic(0).click();
  const FatigueDatabase edited = fdb;
  EXPECT_EQ(edited.FdbBatchName[1], ",x");
  EXPECT_EQ(edited.FdbReference[1][1], "Detail 71\r5' dia, x\r\rNo fatigue data");

  Do(ds.chk_Save_Dbase);
  ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  fdb = FatigueDatabase{};
  Do(ds.chk_Read_Dbase);
  ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(st.FatigueBatchCount, 3);
  EXPECT_EQ(fdb.FdbBatchName[1], ",x");
  EXPECT_EQ(fdb.FdbSetName[1][1], "5' dia, x");
  EXPECT_EQ(fdb.FdbReference[1][1], edited.FdbReference[1][1]);
  EXPECT_EQ(fdb.FdbTestDataName[1][1], "No fatigue data");
}

// A cell refuses a number that no Single holds with its own message; the
// database stays as it was. (A cell takes at most 9 characters, so a long
// run of digits cannot be typed into it.)
TEST_F(FatigueDbSound, CellsRefuseNumbersBeyondASingle) {
  // The reasons of a huge number, a hugely negative one, and one too small
  // for a Single (no number: the first check's reason).
  const struct {
    TextBox& cell;
    const char* high;
    const char* low;
    const char* title;
  } cells[] = {
      {db.Text3(0), "(Se > Su)", "(Se > Su)", " Endurance Limit (Se)"},
      {db.Text4(0), " (No > 2147483647)", " (No < 1e5)", " Endurance Limit Life (No)"},
      {db.Text5(0), " (m too big) ", " (m < 1) ", " S-N Curve Exponent (m)"},
      {db.Text6(0), "(|r| > 1)", "(|r| > 1)", " Stress Ratio (r)"},
      {db.Text8(0), "(Pn > 100)", "(Pn < 0)", " Survival Probability (Pn)"},
      {db.Text7(0), "(Sy >= Su)", "(Sy <= 0)", " Yield Strength (Sy)"},
      {db.Text9(0), "(Su too big)", "(Su <= Se)", " Ultimate Strength (Su)"},
  };
  const FatigueDatabase before = fdb;
  for (const auto& c : cells) {
    for (const std::string& typed : {"1e39"s, "-1e39"s, "1e-50"s}) {
      host.messages.clear();
      Type(c.cell, typed);
      ASSERT_EQ(host.messages.size(), 1u) << c.cell.Name() << " " << typed.substr(0, 8);
      EXPECT_EQ(LastMessage().text, "Sorry, Data Incorrect! "s + (typed == "1e39" ? c.high : c.low));
      EXPECT_EQ(LastMessage().title, c.title);
      EXPECT_TRUE(fdb == before) << c.cell.Name() << " " << typed.substr(0, 8);
    }
    c.cell.leave();
  }
}

// "Batch No. 1 of 3": the batch on show under the batch-number box, the
// count after "of"; every cell 1095 wide and 375 high.
TEST_F(FatigueDbSound, TheHeaderReadsInOrderAndTheCellsHaveTheirSize) {
  const Label* inOrder[] = {&db.Label20(0), &db.Label20(3), &db.Label20(2), &db.Label20(1)};
  const char* captions[] = {"Batch No.", "1", "of", "3"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(inOrder[i]->Caption(), captions[i]);
    if (i > 0) {
      EXPECT_GT(inOrder[i]->Left(), inOrder[i - 1]->Left()) << captions[i];
    }
  }
  EXPECT_EQ(db.Label20(3).Left(), db.txt_Fatigue_Db.Left());
  EXPECT_EQ(db.Label20(3).Left(), 1200.0f);
  for (TextBox* cell : {&db.Text2(0), &db.Text5(3), &db.Text9(5)}) {
    EXPECT_EQ(cell->Width(), 1095.0f) << cell->Name();
    EXPECT_EQ(cell->Height(), 375.0f) << cell->Name();
  }
}

// The batch-number box left as it was opened jumps nowhere and refuses
// nothing, even on an empty batch where every typed number is refused.
TEST_F(FatigueDbSound, TheBatchNumberBoxLeftUntypedRefusesNothing) {
  db.Label20(3).click();
  ASSERT_TRUE(db.txt_Fatigue_Db.Visible());
  host.beeps = 0;
  db.txt_Fatigue_Db.leave();
  EXPECT_FALSE(db.txt_Fatigue_Db.Visible());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(st.CurrentFatigueBatch, 1);
}
