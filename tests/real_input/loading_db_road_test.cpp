// The loading database's browser by real input: a long history is read in
// pieces while the window answers; a click on Close that arrives during the
// read stops Select, and the job's loading stays as it was; a batch of a
// quantity that is neither stress nor strain is refused; Alt+H is the
// browser's "&Hide" while the browser is up, and the Help menu's otherwise.

#include <gtest/gtest.h>

#include <QTest>
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
#include "platform/ui/form.h"
#include "real_input/loading_batch_road.h"
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
  TakeTheGustSpectrum(p);
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

// A batch of force values beside a stress batch: Select on it is refused
// with the message that names its quantity, the job's loading stays typed
// in, and the stress batch is taken after it.
TEST(LoadingDbRoad, ABatchOfAnotherQuantityIsRefusedAndTheNextOneTaken) {
  RealProgram p("loading_db_quantity", [](const std::filesystem::path& folder) {
    ldb_fixture::Batch force =
        ldb_fixture::SpectrumBatch("Crane forces", {{"1", "10"}, {"0.5", "990"}}, "80", "40", "1000");
    force.quantity = "Force";
    const ldb_fixture::Batch stress =
        ldb_fixture::SpectrumBatch("Gust spectrum", {{"1", "10"}, {"0.5", "990"}}, "240", "120", "1000");
    std::ofstream(folder / "duvdt.dat", std::ios::binary) << ldb_fixture::DatabaseText(-3, {force, stress});
  });
  User& user = p.user;
  FormMain& main = p.main;
  BrowseTheLoadingDatabase(p, main.problemDefinition().chk_spectrum);
  DataServicePanel& ds = main.dataService();
  LoadingDbPanel& b = main.loadingDb();
  ASSERT_EQ(b.Label6.Caption(), "Crane forces");

  p.watchdog.Step("Select on the force batch");
  user.AnswerMessage("OK");
  user.Click(b.Cmd_Load_Db_OK);
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text,
            " Sorry, can't use the data!\nThe loading quantity \"Force\" is neither Stress nor Strain. ");
  EXPECT_EQ(user.Messages()[0].title, "Current Data Batch");
  EXPECT_TRUE(b.frm_Load_Dbase.IsShowing());
  EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(p.state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(p.state.loadingUnits.LoadQuantity, "Stress ");
  EXPECT_FALSE(ds.cmd_data_next.Enabled());

  p.watchdog.Step("Select on the stress batch");
  user.Click(b.Cmd_Load_Db_Next);
  user.Click(b.Cmd_Load_Db_OK);
  EXPECT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 2);
  EXPECT_EQ(p.main.dataBox().Loadt.Text(), "Gust spectrum");
  EXPECT_TRUE(ds.cmd_data_next.Enabled());
}

// While the browser shows its previews, every Alt+H is its "&Hide" (the
// button reads "S&how" again), also in the browser opened a second time;
// with the browser gone, Alt+H opens the Help menu.
TEST(LoadingDbRoad, AltHIsTheBrowsersHideWhileItIsUpAndOpensHelpOtherwise) {
  RealProgram p("loading_db_alt_h", ldb_fixture::PutThreeBatches);
  User& user = p.user;
  FormMain& main = p.main;
  LoadingDbPanel& b = main.loadingDb();
  for (int opening = 1; opening <= 2; ++opening) {
    p.watchdog.Step("the browser, opening " + std::to_string(opening));
    if (opening == 1) {
      BrowseTheLoadingDatabase(p, main.problemDefinition().chk_history);
    } else {
      user.Choose(main.menus().mnu_loading);
      DataServicePanel& ds = main.dataService();
      ASSERT_TRUE(ds.frm_data_serv.IsShowing());
      user.Click(ds.cmd_data_do);  // browse
    }
    ASSERT_TRUE(b.frm_Load_Dbase.IsShowing());
    for (int press = 1; press <= 2; ++press) {
      user.Click(b.Cmd_Load_Db_Show);
      ASSERT_TRUE(QTest::qWaitFor([&] { return b.Cmd_Load_Db_Show.Caption() == "&Hide"; }, 5000));
      user.Key(Qt::Key_H, Qt::AltModifier);
      user.Wait(300);
      EXPECT_EQ(b.Cmd_Load_Db_Show.Caption(), "S&how") << "opening " << opening << ", press " << press;
      EXPECT_FALSE(b.frm_HistSH.IsShowing()) << "opening " << opening << ", press " << press;
    }
    user.Click(b.Cmd_Load_Db_Cancel);
    ASSERT_FALSE(b.frm_Load_Dbase.IsShowing());
  }

  p.watchdog.Step("Alt+H without the browser");
  const size_t before = user.shown.size();
  user.ClosePopupByClickOn(main.clientArea());
  user.Key(Qt::Key_H, Qt::AltModifier);
  user.Wait(100);
  ASSERT_TRUE(user.AllAnswered()) << "Alt+H opens no menu";
  ASSERT_EQ(user.shown.size(), before + 1);
  EXPECT_EQ(user.shown.back().kind, "popup");
  EXPECT_EQ(user.shown.back().text, "Contents|-|About DUVAK...");
}

}  // namespace
}  // namespace real_input
