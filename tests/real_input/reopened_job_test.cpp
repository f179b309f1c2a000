// Jobs saved and opened again in a program started anew, by real input: the
// damage frame's caption names the job's damage display after Open, from
// the start screen and over the input view.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

// "&Save..." (or "&Open...") of the File menu, through the file dialog.
void SaveJob(RealProgram& p, const std::string& path) {
  p.user.AnswerFileDialog(path);
  p.user.Choose(p.main.menus().mnu_start(1));
  ASSERT_TRUE(p.user.AllAnswered());
}
void OpenJob(RealProgram& p, const std::string& path) {
  p.user.AnswerFileDialog(path);
  p.user.Choose(p.main.menus().mnu_start(0));
  ASSERT_TRUE(p.user.AllAnswered());
}

// The damage display chosen from the damage diagram's popup.
void ChooseDamageDisplay(RealProgram& p, const std::string& item) {
  p.user.AnswerPopup(item);
  p.user.Click(p.main.results().Pic_Dam, Qt::RightButton);
  ASSERT_TRUE(p.user.AllAnswered());
}

// A spectrum batch of the database calculated and saved once with each
// damage display; a program started anew opens the jobs in turn, first from
// the start screen, then over the input view, and calculates each: the
// diagram draws the job's display and the frame's caption names it.
TEST(ReopenedJob, TheDamageCaptionNamesTheJobsDisplayAfterOpen) {
  RealProgram p("damage_display_saved", ldb_fixture::PutThreeBatches);
  User& user = p.user;
  FormMain& main = p.main;
  DataServicePanel& ds = main.dataService();
  p.watchdog.Step("the spectrum batch");
  user.Click(main.problemDefinition().chk_spectrum);
  user.Click(main.problemDefinition().Cmd_analysis_next);
  user.Click(ds.cmd_data_do);  // read the database of the current folder
  user.Click(ds.cmd_data_do);  // browse it
  user.Click(main.loadingDb().Cmd_Load_Db_Next);
  user.Click(main.loadingDb().Cmd_Load_Db_OK);
  user.Click(ds.cmd_data_next);
  user.Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(main.results().Pic_Dam.IsShowing());

  p.watchdog.Step("saved with each display");
  const std::string cumulative = (p.folder.path() / "cumulative.sns").string();
  const std::string perBar = (p.folder.path() / "per_bar.sns").string();
  ChooseDamageDisplay(p, "Display Cumulative Damage");
  ASSERT_EQ(main.results().frm_Dam.Caption(), "Results:  Cumulative Damage");
  SaveJob(p, cumulative);
  ChooseDamageDisplay(p, "Display Damage");
  ASSERT_EQ(main.results().frm_Dam.Caption(), "Results:  Damage");
  SaveJob(p, perBar);
  ASSERT_TRUE(user.Messages().empty());

  RealProgram again("damage_display_opened");
  const struct {
    const std::string& path;
    int16_t mode;
    const char* caption;
  } opens[] = {
      {cumulative, 1, "Results:  Cumulative Damage"},  // from the start screen
      {perBar, 0, "Results:  Damage"},                 // over the input view
      {cumulative, 1, "Results:  Cumulative Damage"},
  };
  for (const auto& o : opens) {
    again.watchdog.Step("opening " + o.path);
    OpenJob(again, o.path);
    again.user.Choose(again.main.menus().mnu_calculate);
    EXPECT_TRUE(again.user.Messages().empty());
    EXPECT_TRUE(again.main.results().Pic_Dam.IsShowing()) << o.path;
    EXPECT_EQ(again.state.resultsDisplay.DamageDisplayMode, o.mode) << o.path;
    EXPECT_EQ(again.main.results().frm_Dam.Caption(), o.caption) << o.path;
  }
}

}  // namespace
}  // namespace real_input
