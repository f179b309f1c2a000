#include "real_input/users_folders.h"

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "material/steel_sets.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "real_input/loading_batch_road.h"
#include "shell/ui/main_menus.h"

namespace real_input {

namespace fs = std::filesystem;

UsersFolders::UsersFolders() {
  ldb_fixture::PutThreeBatches(root.path() / "loads");
  fs::create_directory(root.path() / "materials");
  WriteSteelsDatabase(root.path() / "materials");
}

void SaveJob(RealProgram& p, const fs::path& job) {
  p.user.AnswerFileDialog(job.string());
  p.user.Choose(p.main.menus().mnu_start(1));
  ASSERT_TRUE(p.user.AllAnswered());
}

void OpenJob(RealProgram& p, const fs::path& job) {
  p.user.AnswerFileDialog(job.string());
  p.user.Choose(p.main.menus().mnu_start(0));
  ASSERT_TRUE(p.user.AllAnswered());
}

void ToUsersFolder(RealProgram& p, const UsersFolders& f, const std::string& name) {
  DataServicePanel& ds = p.main.dataService();
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  p.user.OpenFolder(ds.Dir1, f.root.path().filename().string());
  p.user.OpenFolder(ds.Dir1, name);
  ASSERT_EQ(fs::path(ds.Dir1.Path()), f.root.path() / name);
}

void TakeLoadingBatch(RealProgram& p, const UsersFolders& f, OptionButton& type, int batch, Options more) {
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  for (OptionButton* o : more) user.Click(*o);
  user.Click(type);
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  // A loading type whose typed-in values will do leads to the input view.
  if (!ds.frm_data_serv.IsShowing()) user.Choose(p.main.menus().mnu_loading);
  ASSERT_NO_FATAL_FAILURE(ToUsersFolder(p, f, "loads"));
  ASSERT_NO_FATAL_FAILURE(ReadAndBrowseTheLoadingDatabase(p));
  ASSERT_NO_FATAL_FAILURE(TakeTheBrowsedBatch(p, batch));
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
}

void TakeMaterialSet(RealProgram& p, const UsersFolders& f, int column) {
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();
  p.watchdog.Step("a set of the fatigue database");
  user.Choose(p.main.menus().mnu_fatigue);
  ASSERT_NO_FATAL_FAILURE(ToUsersFolder(p, f, "materials"));
  user.Click(ds.cmd_data_do);  // read
  user.Click(ds.cmd_data_do);  // browse
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
  user.Click(db.Text3(column));
  user.Click(db.cmd_fatigue_Db_OK);
  ASSERT_EQ(p.state.materialData.MaterialSource, 1);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
}

void TakeS235(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeMaterialSet(p, f, 1));
  ASSERT_EQ(p.state.jobTexts.MaterialName, "S235");
}

}  // namespace real_input
