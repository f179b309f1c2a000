// The loading database's browser by real input: a long history is read in
// pieces while the window answers; a click on Close that arrives during the
// read stops Select, and the job's loading stays as it was.

#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <QLabel>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "real_input/real_roads.h"
#include "real_input/real_user.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

TEST(LoadingDbRoad, ACloseClickedWhileALongHistoryIsReadStopsSelect) {
  RealProgram p("loading_db_road", [](const std::filesystem::path& folder) {
    constexpr int n = 600000;
    const ldb_fixture::Batch history = ldb_fixture::HistoryBatch("Long history", n, "499", "-500");
    std::ofstream(folder / "duvdt.dat", std::ios::binary) << ldb_fixture::DatabaseText(-2, {history});
    std::string text = "Long\r\n " + std::to_string(n) + " \r\n 4 \r\n -500 \r\n";
    for (int j = 2; j <= n; ++j) text += " " + std::to_string(j % 1000 - 500) + " \r\n";
    std::ofstream(folder / "duvhs.1", std::ios::binary) << text;
  });
  // Events come through between every two pieces of the read, so that the
  // click below surely arrives during it.
  p.host.yieldAtEveryPiece = true;
  User& user = p.user;
  FormMain& main = p.main;
  BrowseTheLoadingDatabase(p, main.problemDefinition().chk_history);
  DataServicePanel& ds = main.dataService();
  LoadingDbPanel& b = main.loadingDb();
  ASSERT_TRUE(b.frm_Load_Dbase.IsShowing());

  // Close, clicked as soon as the values are being read (the reader has
  // taken the file's record time).
  p.watchdog.Step("Close during the read");
  int closes = 0;
  std::function<void()> closeDuringTheRead = [&] {
    if (p.state.loadingDatabase.BatchBlockTime[1] != 4.0f) {
      QTimer::singleShot(0, &user, closeDuringTheRead);
      return;
    }
    ++closes;
    user.Click(b.Cmd_Load_Db_Cancel);
  };
  QTimer::singleShot(0, &user, closeDuringTheRead);
  user.Click(b.Cmd_Load_Db_OK);
  user.Wait();

  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(b.frm_Load_Dbase.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_TRUE(p.state.loadingData.HistoryPoints.empty());
  EXPECT_EQ(p.state.jobTexts.LoadingName, "???");
  EXPECT_EQ(p.host.GetMousePointer(), kPointerDefault);
}

// A spectrum batch calculated, then Distribution chosen in the problem
// definition and the keyboard input declined: the loading is not ready, and
// the spectrum's life goes with the print commands.
TEST(LoadingDbRoad, ADistributionDeclinedOverASpectrumHidesTheSpectrumsLife) {
  RealProgram p("spectrum_then_distribution", ldb_fixture::PutThreeBatches);
  User& user = p.user;
  FormMain& main = p.main;
  ProblemDefinitionPanel& pd = main.problemDefinition();
  BrowseTheLoadingDatabase(p, pd.chk_spectrum);
  DataServicePanel& ds = main.dataService();
  LoadingDbPanel& b = main.loadingDb();
  user.Click(b.Cmd_Load_Db_Next);
  user.Click(b.Cmd_Load_Db_OK);
  user.Click(ds.cmd_data_next);
  p.watchdog.Step("Calculate");
  user.Choose(main.menus().mnu_calculate);
  auto* life = qobject_cast<QLabel*>(main.dataBox().Result.widget());
  ASSERT_TRUE(life && life->isVisible());

  p.watchdog.Step("a distribution over the result");
  user.Choose(main.menus().mnu_target);
  user.Click(pd.chk_beta_distrib);
  user.AnswerMessage("No");
  user.Click(pd.cmd_analysis_done);
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_NE(user.Messages()[0].text.find("There is no Distribution in the Data Batch"), std::string::npos);
  EXPECT_FALSE(life->isVisible());
  EXPECT_FALSE(main.menus().mnu_form.Enabled());
  EXPECT_FALSE(main.menus().mnu_report.Enabled());
}

}  // namespace
}  // namespace real_input
