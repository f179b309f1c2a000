// The data services act on the folder their list shows, whatever road led
// there, by real input: after a job is opened whose material and loading
// came from two folders, the material data's Read and Edit work on the
// material folder and the loading data's Read on the loading folder; a job
// naming folders that are gone opens the data services on a folder that
// exists, and Read reads there. A database read before a job is opened
// keeps the folder it came from: the dialog shows the job's folder, as in
// a program started anew, offers no browsing there, and the database is
// browsed, edited, saved and used in its own folder. A job naming its
// folders with a trailing separator or relative to the current folder
// opens on those folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "material/steel_sets.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "real_input/loading_batch_road.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

namespace fs = std::filesystem;

// The job is opened in the program that made it, or in one started anew.
enum class OpenedIn { TheSameProgram, ANewProgram };
void PrintTo(OpenedIn in, std::ostream* os) { *os << (in == OpenedIn::TheSameProgram ? "the same program" : "a new one"); }

class DataServicesAfterOpen : public ::testing::TestWithParam<OpenedIn> {
 protected:
  UsersFolders folders;
  std::optional<RealProgram> made{std::in_place, "made", RealProgram::Setup{}, 120, folders.root.path()};
  std::optional<RealProgram> opened;

  // The job saved, then opened as the case says; returns the program that
  // opened it.
  RealProgram& SaveAndOpen(const std::string& name) {
    const fs::path job = folders.File(name);
    SaveJob(*made, job);
    if (GetParam() == OpenedIn::ANewProgram) {
      made.reset();
      opened.emplace("opened", RealProgram::Setup{}, 120, folders.root.path());
    }
    RealProgram& p = made ? *made : *opened;
    p.watchdog.Step("opening the job");
    OpenJob(p, job);
    return p;
  }

  // "&Material Data..." or "&Loading Data...", then Read of the folder the
  // list shows: no message.
  static void ReadTheFolderShown(RealProgram& p, MenuItem& command, const fs::path& shown) {
    DataServicePanel& ds = p.main.dataService();
    p.watchdog.Step("reading the database of the folder on show");
    p.user.Choose(command);
    ASSERT_TRUE(ds.frm_data_serv.IsShowing());
    EXPECT_EQ(fs::path(ds.Dir1.Path()), shown);
    p.user.Click(ds.chk_Read_Dbase);
    p.user.Click(ds.cmd_data_do);
    EXPECT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  }
};

// A loading batch from "loads" and a material set from "materials": Read
// of the material data reads "materials" again, and Edit opens its editor.
TEST_P(DataServicesAfterOpen, TheMaterialDataReadAndEditTheMaterialFolder) {
  RealProgram& p0 = *made;
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p0, folders, p0.main.problemDefinition().chk_spectrum, 2));
  ASSERT_NO_FATAL_FAILURE(TakeS235(p0, folders));
  RealProgram& p = SaveAndOpen("two_folders.sns");
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;

  ASSERT_NO_FATAL_FAILURE(ReadTheFolderShown(p, p.main.menus().mnu_fatigue, folders.File("materials")));
  EXPECT_EQ(p.state.fatigueDbState.FatigueBatchCount, 1);
  DataServicePanel& ds = p.main.dataService();
  p.watchdog.Step("Edit");
  p.user.Click(ds.chk_Edit_Dbase);
  p.user.Click(ds.cmd_data_do);
  EXPECT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  EXPECT_TRUE(p.main.fatigueDb().frm_Fatigue_Dbase.IsShowing());
}

// A material set from "materials", the loading typed in, and the loading
// database of "loads" read on the way: Read of the loading data reads
// "loads" again.
TEST_P(DataServicesAfterOpen, TheLoadingDataReadTheLoadingFolder) {
  RealProgram& p0 = *made;
  p0.user.Click(p0.main.problemDefinition().Cmd_analysis_next);
  ASSERT_NO_FATAL_FAILURE(TakeS235(p0, folders));
  p0.watchdog.Step("reading the loading database");
  DataServicePanel& ds0 = p0.main.dataService();
  p0.user.Choose(p0.main.menus().mnu_loading);
  ASSERT_NO_FATAL_FAILURE(ToUsersFolder(p0, folders, "loads"));
  p0.user.Click(ds0.cmd_data_do);
  ASSERT_EQ(p0.state.loadingDbState.LoadingBatchCount, 3);
  p0.user.Click(ds0.cmd_data_cancel);
  RealProgram& p = SaveAndOpen("typed_in_loading.sns");
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;

  ASSERT_NO_FATAL_FAILURE(ReadTheFolderShown(p, p.main.menus().mnu_loading, folders.File("loads")));
  EXPECT_EQ(p.state.loadingDbState.LoadingBatchCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Opened, DataServicesAfterOpen,
                         ::testing::Values(OpenedIn::TheSameProgram, OpenedIn::ANewProgram),
                         [](const ::testing::TestParamInfo<OpenedIn>& info) {
                           return info.param == OpenedIn::TheSameProgram ? "InTheSameProgram" : "InANewProgram";
                         });

// A job whose folders are gone (moved away since it was saved): the data
// services show the nearest folder that exists and read there.
TEST(DataServicesOfAJobWhoseFoldersAreGone, ShowAFolderThatExistsAndReadThere) {
  UsersFolders folders;
  const fs::path job = folders.File("moved.sns");
  {
    RealProgram p("made", {}, 120, folders.root.path());
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_spectrum, 2));
    ASSERT_NO_FATAL_FAILURE(TakeS235(p, folders));
    SaveJob(p, job);
  }
  fs::rename(folders.File("materials"), folders.File("materials moved"));
  fs::rename(folders.File("loads"), folders.File("loads moved"));
  // The steels' database also lies in the folder above the old ones.
  WriteSteelsDatabase(folders.root.path());

  RealProgram p("opened", {}, 120, folders.root.path());
  p.watchdog.Step("opening the job");
  p.user.AnswerFileDialog(job.string());
  for (int i = 0; i < 4; ++i) p.user.AnswerMessage("OK");
  p.user.Choose(p.main.menus().mnu_start(0));
  ASSERT_TRUE(p.user.AllAnswered());
  const std::vector<Shown> messages = p.user.Messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].text, "Path not found");  // each database in turn
  EXPECT_EQ(messages[1].text, "Can't restore the Fatigue Data");
  EXPECT_EQ(messages[2].text, "Path not found");
  EXPECT_EQ(messages[3].text, "Can't restore the Loading Data");
  DataServicePanel& ds = p.main.dataService();
  p.user.Choose(p.main.menus().mnu_fatigue);
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_EQ(fs::path(ds.Dir1.Path()), folders.root.path());
  p.user.Click(ds.chk_Read_Dbase);
  p.user.Click(ds.cmd_data_do);
  EXPECT_EQ(p.user.Messages().size(), messages.size()) << p.user.Messages().back().text;
  EXPECT_EQ(p.state.fatigueDbState.FatigueBatchCount, 1);
  EXPECT_EQ(fs::path(p.state.fatigueDbState.DataDirectory[2]), folders.root.path());
}

// The database of `folder` read through the data services of `command`,
// which are then left by Cancel.
void ReadTheDatabaseOf(RealProgram& p, const UsersFolders& folders, MenuItem& command, const std::string& folder) {
  DataServicePanel& ds = p.main.dataService();
  p.watchdog.Step("reading the database of " + folder);
  p.user.Choose(command);
  ASSERT_NO_FATAL_FAILURE(ToUsersFolder(p, folders, folder));
  ASSERT_TRUE(ds.chk_Read_Dbase.Value());
  p.user.Click(ds.cmd_data_do);
  ASSERT_TRUE(ds.chk_Input_Dbase.Value());
  p.user.Click(ds.cmd_data_cancel);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
}

// The data services on show on `folder`, which does not hold the database in
// memory: reading is offered there, browsing (which goes to the database's
// own folder) is not selected.
void ExpectReadOffered(const DataServicePanel& ds, const fs::path& folder) {
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_EQ(fs::path(ds.Dir1.Path()), folder);
  EXPECT_TRUE(ds.chk_Read_Dbase.Value());
  EXPECT_FALSE(ds.chk_Input_Dbase.Value());
  EXPECT_TRUE(ds.chk_Input_Dbase.Enabled());
}

// The fatigue database of "materials" read, then edited (the editor left
// at once), and a job whose material was typed in saved while the
// database in memory was another folder's: opened, the material data show
// the job's folder, "other", where Edit asks to save first and Save asks
// before it replaces "other"'s database; Browse goes back to "materials"
// and shows its sets.
TEST(ADatabaseReadEarlier, KeepsItsFolderWhenAJobWithTypedInMaterialIsOpened) {
  UsersFolders folders;
  const fs::path other = folders.File("other");
  fs::create_directory(other);
  WriteSteelsDatabase(other, "", [](FatigueDatabase& db) {
    db.FdbBatchName[1] = "Other steels";
    db.FdbSetName[1][1] = "S460";
  });
  const std::string otherDatabase = FileBytes(other / "duvak.dat");
  RealProgram p("typed_material", {}, 120, folders.root.path());
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();
  MenuItem& materialData = p.main.menus().mnu_fatigue;
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  ASSERT_NO_FATAL_FAILURE(ReadTheDatabaseOf(p, folders, materialData, "other"));
  const fs::path job = folders.File("typed_material.sns");
  SaveJob(p, job);
  ASSERT_EQ(p.state.materialData.MaterialSource, 2);

  ASSERT_NO_FATAL_FAILURE(ReadTheDatabaseOf(p, folders, materialData, "materials"));
  p.watchdog.Step("the editor opened and left");
  user.Choose(materialData);
  user.Click(ds.chk_Edit_Dbase);
  user.Click(ds.cmd_data_do);
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
  user.Click(db.cmd_Fatigue_Db_Cancel);
  user.Click(ds.cmd_data_cancel);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;

  OpenJob(p, job);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  p.watchdog.Step("the material data after Open");
  user.Choose(materialData);
  ASSERT_NO_FATAL_FAILURE(ExpectReadOffered(ds, other));
  user.AnswerMessage("OK");
  user.Click(ds.chk_Edit_Dbase);
  user.Click(ds.cmd_data_do);
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text, "Sorry, first you have to save the Database. ");
  EXPECT_FALSE(db.frm_Fatigue_Dbase.IsShowing());
  ASSERT_TRUE(ds.chk_Save_Dbase.Value());
  user.AnswerMessage("Cancel");
  user.Click(ds.cmd_data_do);
  ASSERT_EQ(user.Messages().size(), 2u);
  EXPECT_EQ(user.Messages()[1].text, "Overwrite the existing Fatigue Database?  ");
  EXPECT_EQ(FileBytes(other / "duvak.dat"), otherDatabase);

  p.watchdog.Step("browsing the database in memory");
  user.Click(ds.chk_Input_Dbase);
  EXPECT_EQ(fs::path(ds.Dir1.Path()), folders.File("materials"));
  ASSERT_TRUE(ds.chk_Input_Dbase.Value());
  user.Click(ds.cmd_data_do);
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
  EXPECT_EQ(ShownText(db.Text2(0)), "S355");
  EXPECT_EQ(user.Messages().size(), 2u) << user.Messages().back().text;
}

// The loading database of "loads" read, and a job whose loading was typed
// in saved while the database in memory was that of "elsewhere" (whose
// history of batch 1 has other points): opened, the loading data show
// "elsewhere" and offer to read it; Browse goes back to "loads", and the
// history batch taken there has the points of "loads", whose folder the
// job then names.
TEST(ADatabaseReadEarlier, KeepsItsFolderWhenAJobWithTypedInLoadingIsOpened) {
  UsersFolders folders;
  const fs::path elsewhere = folders.File("elsewhere");
  ldb_fixture::PutThreeBatches(elsewhere);
  std::ofstream(elsewhere / "duvhs.1", std::ios::binary)
      << ldb_fixture::HistoryText("9", "45", {"120", "-80", "100", "-60", "110", "-40", "90", "-20", "120"});
  RealProgram p("typed_loading", {}, 120, folders.root.path());
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  MenuItem& loadingData = p.main.menus().mnu_loading;
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  ASSERT_NO_FATAL_FAILURE(ReadTheDatabaseOf(p, folders, loadingData, "elsewhere"));
  const fs::path job = folders.File("typed_loading.sns");
  SaveJob(p, job);
  ASSERT_EQ(p.state.loadingDbState.LoadingSource, 2);
  ASSERT_NO_FATAL_FAILURE(ReadTheDatabaseOf(p, folders, loadingData, "loads"));

  OpenJob(p, job);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  p.watchdog.Step("a history after Open");
  user.Choose(p.main.menus().mnu_target);
  user.Click(p.main.problemDefinition().chk_history);
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  if (!ds.frm_data_serv.IsShowing()) user.Choose(loadingData);
  ASSERT_NO_FATAL_FAILURE(ExpectReadOffered(ds, elsewhere));
  user.Click(ds.chk_Input_Dbase);
  EXPECT_EQ(fs::path(ds.Dir1.Path()), folders.File("loads"));
  user.Click(ds.cmd_data_do);
  ASSERT_TRUE(p.main.loadingDb().frm_Load_Dbase.IsShowing());
  ASSERT_NO_FATAL_FAILURE(TakeTheBrowsedBatch(p, 1));
  const std::vector<float>& points = p.state.loadingData.HistoryPoints;
  ASSERT_GE(points.size(), 10u);
  EXPECT_EQ(std::vector<float>(points.begin() + 1, points.begin() + 10),
            (std::vector<float>{-80, 120, -40, 100, -60, 110, -20, 90, -80}));
  EXPECT_EQ(fs::path(p.state.fatigueDbState.DataDirectory[1]), folders.File("loads"));
  EXPECT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
}

// How a job file names a folder that the program wrote otherwise.
enum class FolderText { TrailingSeparator, RelativeToTheCurrentFolder };
void PrintTo(FolderText t, std::ostream* os) {
  *os << (t == FolderText::TrailingSeparator ? "trailing separator" : "relative");
}

class FoldersOfAJob : public ::testing::TestWithParam<FolderText> {
 protected:
  // `folder` as the job file names it here; the program opening it runs in
  // a folder of its own beside the user's folders.
  static std::string Written(const fs::path& folder) {
    if (GetParam() == FolderText::TrailingSeparator) return folder.string() + "/";
    return (fs::path("..") / folder.filename()).string();
  }
};

// A job of a batch of "loads" and the set S235 of "materials", its folders
// written otherwise, opened in a program started anew: saved again, it
// names them as it did; each data service shows its database's folder and
// offers to browse it, Browse keeps it, and Edit of the material data asks
// only whether to replace the file.
TEST_P(FoldersOfAJob, NamedOtherwiseAreTheFoldersOfTheirDatabases) {
  UsersFolders folders;
  const fs::path job = folders.File("folders.sns");
  const fs::path loads = folders.File("loads");
  const fs::path materials = folders.File("materials");
  {
    RealProgram made("made", {}, 120, folders.root.path());
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(made, folders, made.main.problemDefinition().chk_spectrum, 2));
    ASSERT_NO_FATAL_FAILURE(TakeS235(made, folders));
    SaveJob(made, job);
  }
  std::string text = FileBytes(job);
  for (const fs::path& folder : {loads, materials}) {
    const std::string line = "\r\n" + folder.string() + "\r\n";
    const size_t at = text.find(line);
    ASSERT_NE(at, std::string::npos) << folder;
    text.replace(at, line.size(), "\r\n" + Written(folder) + "\r\n");
  }
  std::ofstream(job, std::ios::binary | std::ios::trunc) << text;

  RealProgram p("opened", {}, 120, folders.root.path());
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  OpenJob(p, job);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  ASSERT_EQ(p.state.materialData.MaterialSource, 1);
  ASSERT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 2);
  const fs::path again = folders.File("saved again.sns");
  SaveJob(p, again);
  EXPECT_EQ(FileBytes(again), text) << "the job names its folders as it did";
  const struct {
    MenuItem& command;
    fs::path folder;
  } services[] = {{p.main.menus().mnu_loading, loads}, {p.main.menus().mnu_fatigue, materials}};
  for (const auto& service : services) {
    SCOPED_TRACE(service.folder);
    p.watchdog.Step("the data services of " + service.folder.string());
    user.Choose(service.command);
    ASSERT_TRUE(ds.frm_data_serv.IsShowing());
    EXPECT_EQ(fs::path(ds.Dir1.Path()), service.folder);
    EXPECT_TRUE(ds.chk_Input_Dbase.Value());
    user.Click(ds.chk_Read_Dbase);
    user.Click(ds.chk_Input_Dbase);
    EXPECT_EQ(fs::path(ds.Dir1.Path()), service.folder);
    EXPECT_TRUE(ds.chk_Input_Dbase.Value());
    if (&service.command == &p.main.menus().mnu_loading) user.Click(ds.cmd_data_cancel);
  }
  p.watchdog.Step("editing the material data");
  user.AnswerMessage("OK");
  user.Click(ds.chk_Edit_Dbase);
  user.Click(ds.cmd_data_do);
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text, "Material Database already exists. Overwrite?  ");
  EXPECT_TRUE(p.main.fatigueDb().frm_Fatigue_Dbase.IsShowing());
}

INSTANTIATE_TEST_SUITE_P(Written, FoldersOfAJob,
                         ::testing::Values(FolderText::TrailingSeparator, FolderText::RelativeToTheCurrentFolder),
                         [](const ::testing::TestParamInfo<FolderText>& info) {
                           return info.param == FolderText::TrailingSeparator ? "WithATrailingSeparator"
                                                                              : "RelativeToTheCurrentFolder";
                         });

}  // namespace
}  // namespace real_input
