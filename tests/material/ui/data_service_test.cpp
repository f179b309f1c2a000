#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "material/fatigue_db_file.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material_ui_fixture.h"
#include "support/scoped_folder.h"

namespace fs = std::filesystem;

namespace {

class DataService : public ::testing::Test, public MaterialUi {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/data_serv_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    state.fatigueDbState.DataServiceMode = 2;
    ds.frm_data_serv.SetVisible(true);
    ds.Dir1.SetPath(dir.string());
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string FileBytes() const {
    std::ifstream in(dir / "duvak.dat", std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  void Do(OptionButton& option) {
    option.click();
    ds.cmd_data_do.click();
  }

  fs::path dir;
  DataServicePanel& ds = main.dataService();
  FatigueDbState& st = state.fatigueDbState;
};

// The fields of the counted batches and their sets.
void ExpectSameBatches(const FatigueDatabase& a, const FatigueDatabase& b, int count) {
  for (int i = 1; i <= count; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a.FdbSetCount[i], b.FdbSetCount[i]);
    EXPECT_EQ(a.FdbBatchName[i], b.FdbBatchName[i]);
    for (int j = 1; j <= static_cast<int>(a.FdbSetCount[i]); ++j) {
      EXPECT_EQ(a.FdbSetName[i][j], b.FdbSetName[i][j]);
      EXPECT_EQ(a.FdbSe[i][j], b.FdbSe[i][j]);
      EXPECT_EQ(a.FdbNo[i][j], b.FdbNo[i][j]);
      EXPECT_EQ(a.FdbM[i][j], b.FdbM[i][j]);
      EXPECT_EQ(a.FdbR[i][j], b.FdbR[i][j]);
      EXPECT_EQ(a.FdbPn[i][j], b.FdbPn[i][j]);
      EXPECT_EQ(a.FdbSy[i][j], b.FdbSy[i][j]);
      EXPECT_EQ(a.FdbSu[i][j], b.FdbSu[i][j]);
      EXPECT_EQ(a.FdbReference[i][j], b.FdbReference[i][j]);
      EXPECT_EQ(a.FdbTestDataName[i][j], b.FdbTestDataName[i][j]);
      EXPECT_EQ(a.FdbSeDistType[i][j], b.FdbSeDistType[i][j]);
      EXPECT_EQ(a.FdbSeCov[i][j], b.FdbSeCov[i][j]);
      EXPECT_EQ(a.FdbSeXmax[i][j], b.FdbSeXmax[i][j]);
    }
  }
}

TEST_F(DataService, SaveAndOpenGiveBackThreeBatches) {
  PutThreeBatches(state);
  st.DbEditStarted = true;
  st.FatigueDbModified = 1;
  Do(ds.chk_Save_Dbase);
  ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(st.FatigueDbModified, 0);
  EXPECT_EQ(st.DataDirectory[2], dir.string());
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  const FatigueDatabase saved = state.fatigueDatabase;

  state.fatigueDatabase = FatigueDatabase{};
  st.FatigueBatchCount = 0;
  Do(ds.chk_Read_Dbase);
  ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(st.FatigueBatchCount, 3);
  ExpectSameBatches(state.fatigueDatabase, saved, 3);
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  EXPECT_TRUE(ds.chk_Save_Dbase.Enabled());
  EXPECT_EQ(st.OverwriteConfirmed, 1);
}

TEST_F(DataService, OlderFileVersionReadsWithDefaultRandomVariable) {
  {
    std::ofstream out(dir / "duvak.dat", std::ios::binary);
    out << "-1             1 \r\n 1 \r\nOLD1\r\n 100  2  3 \r\n 50 -1  400  5 \r\nPlain steel\r\nsecond line\r\n\r\n"
           "No fatigue data\r\n 0 Old batch\r\n";
  }
  Do(ds.chk_Read_Dbase);
  ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  const FatigueDatabase& db = state.fatigueDatabase;
  EXPECT_EQ(st.FatigueBatchCount, 1);
  EXPECT_EQ(db.FdbSetName[1][1], "OLD1");
  EXPECT_EQ(db.FdbNo[1][1], 2000000);
  EXPECT_FLOAT_EQ(db.FdbSy[1][1], 240.0f);  // below 10 MPa: 0.6 x Su
  EXPECT_EQ(db.FdbReference[1][1], "Plain steel\rsecond line");
  EXPECT_EQ(db.FdbSeDistType[1][1], 0.0f);
  EXPECT_FLOAT_EQ(db.FdbSeCov[1][1], 0.1f);
  EXPECT_EQ(db.FdbBatchName[1], "Old batch");
}

// A file cut inside batch 3: batches 1 and 2 are read, with the message; a
// save to that folder asks before it replaces the file, whose third batch
// would go.
TEST_F(DataService, TruncatedFileKeepsTheWholeBatchesAndSavingOverItAsks) {
  PutThreeBatches(state);
  st.DbEditStarted = true;
  Do(ds.chk_Save_Dbase);
  const std::string bytes = FileBytes();
  const std::string cut = bytes.substr(0, bytes.find("GJS600"));
  std::ofstream(dir / "duvak.dat", std::ios::binary) << cut;
  const FatigueDatabase saved = state.fatigueDatabase;
  state.fatigueDatabase.FdbBatchName[1] = "In memory";
  Do(ds.chk_Read_Dbase);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "The Material Data-Base is corrupted!");
  EXPECT_EQ(LastMessage().title, "Material Data-Base");
  EXPECT_EQ(st.FatigueBatchCount, 2);
  ExpectSameBatches(state.fatigueDatabase, saved, 2);
  EXPECT_EQ(state.fatigueDatabase.FdbSetCount[3], 0.0f);
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());

  host.QueueAnswer(kAnswerCancel);
  Do(ds.chk_Save_Dbase);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(LastMessage().text, "Overwrite the existing Fatigue Database?  ");
  EXPECT_EQ(FileBytes(), cut);
}

// A file cut inside its first batch gives nothing: the database in memory stays.
TEST_F(DataService, TruncatedFirstBatchIsReportedAndTheDatabaseStays) {
  PutThreeBatches(state);
  st.DbEditStarted = true;
  Do(ds.chk_Save_Dbase);
  const std::string bytes = FileBytes();
  std::ofstream(dir / "duvak.dat", std::ios::binary) << bytes.substr(0, bytes.find("S235"));
  state.fatigueDatabase.FdbBatchName[1] = "In memory";
  const FatigueDatabase before = state.fatigueDatabase;
  Do(ds.chk_Read_Dbase);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "The Material Data-Base is corrupted!");
  EXPECT_TRUE(state.fatigueDatabase == before);
  EXPECT_EQ(st.FatigueBatchCount, 3);
}

TEST_F(DataService, SaveBeforeAnyEditWritesNothing) {
  PutThreeBatches(state);
  Do(ds.chk_Save_Dbase);
  EXPECT_FALSE(fs::exists(dir / "duvak.dat"));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DataService, OpenWithUnsavedChangesAsksFirst) {
  PutThreeBatches(state);
  st.DataDirectory[2] = st.FatigueDbOwnFolder = dir.string();  // the database in memory is that of the folder on show
  st.FatigueDbModified = 1;
  host.QueueAnswer(kAnswerCancel);
  Do(ds.chk_Read_Dbase);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Changes in Fatigue Database will be lost.");
  EXPECT_EQ(LastMessage().title, "Open Fatigue Database");
  EXPECT_EQ(LastMessage().defaultButton, 2);
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  EXPECT_EQ(st.FatigueBatchCount, 3);
  EXPECT_EQ(st.FatigueDbModified, 1);
}

TEST_F(DataService, AnotherFolderOffersOpenAndEditAsksToSaveFirst) {
  PutThreeBatches(state);
  st.DataDirectory[2] = st.FatigueDbOwnFolder = "/elsewhere";
  ds.chk_Input_Dbase.SetValue(true);
  ds.Dir1.SetPath(dir.string() + "/..");
  EXPECT_FALSE(ds.chk_Input_Dbase.Value());
  EXPECT_TRUE(ds.chk_Read_Dbase.Value());
  Do(ds.chk_Edit_Dbase);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Sorry, first you have to save the Database. ");
  EXPECT_TRUE(ds.chk_Save_Dbase.Value());
  EXPECT_FALSE(ds.chk_Edit_Dbase.Value());
}

// The job names another folder than that of the database in memory (as
// after a job is opened whose material was typed in): there the database
// is neither browsed nor edited, Save asks before it replaces that folder's
// file, and Browse goes back to the database's own folder.
TEST_F(DataService, TheDatabaseInMemoryIsBrowsedAndEditedOnlyInItsOwnFolder) {
  const fs::path jobs = dir / "jobs";
  fs::create_directory(jobs);
  std::ofstream(jobs / "duvak.dat", std::ios::binary) << "the job folder's database";
  PutThreeBatches(state);
  st.FatigueDbOwnFolder = dir.string();
  st.DataDirectory[2] = jobs.string();
  st.OverwriteConfirmed = 1;  // for the database's own folder
  st.DbEditStarted = true;
  ds.chk_Input_Dbase.SetValue(true);
  ds.ShowFolder(st.DataDirectory[2]);
  EXPECT_FALSE(ds.chk_Input_Dbase.Value());
  EXPECT_TRUE(ds.chk_Read_Dbase.Value());
  Do(ds.chk_Edit_Dbase);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(LastMessage().text, "Sorry, first you have to save the Database. ");
  host.QueueAnswer(kAnswerCancel);
  ds.cmd_data_do.click();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(LastMessage().text, "Overwrite the existing Fatigue Database?  ");
  EXPECT_EQ(::FileBytes(jobs / "duvak.dat"), "the job folder's database");

  ds.chk_Input_Dbase.click();
  EXPECT_EQ(fs::path(ds.Dir1.Path()), dir);
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  ds.cmd_data_do.click();
  EXPECT_TRUE(main.fatigueDb().frm_Fatigue_Dbase.Visible());
  EXPECT_EQ(host.messages.size(), 2u);
}

// The database's own folder is found however it is written: with a
// trailing separator, through a symbolic link, relative to the current
// folder. Browse stays offered there, and Edit opens the editor without a
// word (replacing the file there is confirmed).
TEST_F(DataService, TheDatabasesFolderIsFoundHoweverItIsWritten) {
  const fs::path link = dir.string() + "_link";
  fs::create_directory_symlink(dir, link);
  const std::string written[] = {dir.string() + "/", link.string(), fs::relative(dir).string()};
  for (const std::string& folder : written) {
    SCOPED_TRACE(folder);
    PutThreeBatches(state);
    st.FatigueDbOwnFolder = st.DataDirectory[2] = folder;
    st.OverwriteConfirmed = 1;
    ds.chk_Input_Dbase.SetValue(true);
    ds.ShowFolder(folder);
    EXPECT_EQ(fs::path(ds.Dir1.Path()), folder == link.string() ? link : dir);
    EXPECT_TRUE(ds.chk_Input_Dbase.Value());
    ds.chk_Input_Dbase.click();
    EXPECT_TRUE(ds.chk_Input_Dbase.Value());
    Do(ds.chk_Edit_Dbase);
    EXPECT_TRUE(host.messages.empty()) << host.Transcript();
    EXPECT_TRUE(main.fatigueDb().frm_Fatigue_Dbase.Visible());
    main.fatigueDb().frm_Fatigue_Dbase.SetVisible(false);
  }
  fs::remove(link);
}

TEST_F(DataService, NewDatabaseReplacesTheOneInMemoryAfterTwoQuestions) {
  PutThreeBatches(state);
  st.DbEditStarted = true;
  Do(ds.chk_Save_Dbase);
  st.FatigueDbModified = 1;
  ds.chk_new_Dbase.click();
  EXPECT_TRUE(ds.chk_Edit_Dbase.Value());
  host.QueueAnswer(kAnswerOK);
  host.QueueAnswer(kAnswerOK);
  ds.cmd_data_do.click();
  ASSERT_EQ(host.messages.size(), 2u) << host.Transcript();
  EXPECT_EQ(host.messages[0].text, "Material Database already exists. Overwrite?  ");
  EXPECT_EQ(host.messages[1].text, "Changes in Fatigue Database will be lost.");
  EXPECT_EQ(host.messages[1].title, "Edit Fatigue Database");
  EXPECT_EQ(st.FatigueBatchCount, 1);
  EXPECT_EQ(st.CurrentFatigueBatch, 1);
  EXPECT_EQ(state.fatigueDatabase.FdbSetCount[1], 0);
  EXPECT_EQ(state.fatigueDatabase.FdbSetName[3][1], "");
  EXPECT_EQ(st.FatigueDbModified, 0);
  FatigueDbPanel& browser = main.fatigueDb();
  EXPECT_TRUE(browser.frm_Fatigue_Dbase.Visible());
  EXPECT_TRUE(browser.Txt1_Fatigue_DB.HasFocus());
  EXPECT_EQ(browser.cmd_Fatigue_Db_Cancel.Caption(), "E&xit");  // the batches were deleted
}

// A new database made in a folder that held none: leaving the editor with
// its set selects Save on that folder, and Save writes the file there.
TEST_F(DataService, ANewDatabaseIsSavedInTheFolderItWasMadeIn) {
  const fs::path made = dir / "made";
  fs::create_directory(made);
  st.DataDirectory[2] = dir.string();  // the folder the lists began in
  ds.chk_new_Dbase.SetValue(1);
  ds.Dir1.SetPath(made.string());
  Do(ds.chk_Edit_Dbase);
  FatigueDbPanel& browser = main.fatigueDb();
  const char* values[] = {"S355", "50", "2E+6", "3.5", "-1", "50", "355", "510"};
  for (FdbRow row : {FdbRow::Name, FdbRow::Se, FdbRow::No, FdbRow::M, FdbRow::R, FdbRow::Pn, FdbRow::Sy, FdbRow::Su}) {
    TextBox& cell = browser.Cell(row, 0);
    cell.click();
    cell.typeText(values[static_cast<int>(row)]);
    cell.leave();
  }
  browser.cmd_Fatigue_Db_Cancel.click();
  EXPECT_FALSE(browser.frm_Fatigue_Dbase.Visible());
  EXPECT_TRUE(ds.chk_Save_Dbase.Value());
  EXPECT_EQ(fs::path(ds.Dir1.Path()), made);
  ds.cmd_data_do.click();
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_TRUE(fs::exists(made / "duvak.dat"));
  EXPECT_FALSE(fs::exists(dir / "duvak.dat"));
  EXPECT_EQ(st.DataDirectory[2], made.string());
  EXPECT_EQ(st.FatigueDbOwnFolder, made.string());
}

TEST_F(DataService, CancelHidesTheDialogAndGivesBackRunWhenReady) {
  state.wizardFlags.LoadingDataReady = true;
  main.menus().mnu_Run.SetEnabled(false);
  ds.cmd_data_cancel.click();
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_TRUE(main.menus().mnu_Run.Enabled());
}

}  // namespace
