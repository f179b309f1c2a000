// The data services act on the folder their list shows, whatever road led
// there, by real input: after a job is opened whose material and loading
// came from two folders, the material data's Read and Edit work on the
// material folder and the loading data's Read on the loading folder; a job
// naming folders that are gone opens the data services on a folder that
// exists, and Read reads there.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/ui/problem_definition_panel.h"
#include "material/steel_sets.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
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

}  // namespace
}  // namespace real_input
