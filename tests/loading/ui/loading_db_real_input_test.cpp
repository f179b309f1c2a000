// The loading database's browser through real input: mouse clicks on the
// real widgets of the main window with the real Qt host, on the offscreen
// platform. A long history is read in pieces while the window answers: a
// click on Close that arrives during the read stops Select, and the job's
// loading stays as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "platform/qt/qt_host.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/scoped_folder.h"

namespace {

// Ends the test program when a road hangs (a modal dialog nobody answers).
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : thread_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
            std::fprintf(stderr, "The road hung: ended by the watchdog\n");
            std::_Exit(1);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};

// The Qt host, letting events through between every two pieces of long
// work, so that the click below surely arrives during the read.
class EveryPieceQtHost : public QtHost {
 public:
  int YieldIntervalMs() const override { return 0; }
};

// A left click in the middle of a control on show that nothing covers.
void Click(Control& c) {
  ASSERT_TRUE(c.IsShowing()) << c.Name() << " is not on show";
  ASSERT_TRUE(c.IsEnabledInForm()) << c.Name() << " is disabled";
  QWidget* w = c.widget();
  const QPoint middle = w->rect().center();
  QWidget* top = QApplication::widgetAt(w->mapToGlobal(middle));
  ASSERT_TRUE(top == w || w->isAncestorOf(top)) << c.Name() << " is covered";
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, middle);
}

TEST(LoadingDbRealInput, ACloseClickedWhileALongHistoryIsReadStopsSelect) {
  Watchdog watchdog(std::chrono::seconds(60));
  ScopedTempFolder folder{"loading_db_real_input"};
  constexpr int n = 600000;
  ldb_fixture::Batch history = ldb_fixture::HistoryBatch("Long history", n, "499", "-500");
  folder.Write("duvdt.dat", ldb_fixture::DatabaseText(-2, {history}));
  std::string text = "Long\r\n " + std::to_string(n) + " \r\n 4 \r\n -500 \r\n";
  for (int j = 2; j <= n; ++j) text += " " + std::to_string(j % 1000 - 500) + " \r\n";
  folder.Write("duvhs.1", text);

  ProgramState state;
  EveryPieceQtHost host;
  FormMain main(state, host);
  host.SetParentWindow(main.widget());
  // The warranty dialog is modal: accept it once it shows.
  QTimer::singleShot(0, [&] { Click(main.dialog().Dialog_OKButton); });
  main.Load();
  ASSERT_TRUE(main.IsLoaded());
  QApplication::setActiveWindow(main.widget());
  QTest::qWait(20);

  Click(main.problemDefinition().chk_history);
  Click(main.problemDefinition().Cmd_analysis_next);
  DataServicePanel& ds = main.dataService();
  ds.Dir1.SetPath(folder.path().string());
  Click(ds.cmd_data_do);  // read
  Click(ds.cmd_data_do);  // browse
  LoadingDbPanel& b = main.loadingDb();
  ASSERT_TRUE(b.frm_Load_Dbase.IsShowing());

  // Close, clicked as soon as the values are being read (the reader has
  // taken the file's record time).
  std::atomic<int> closes{0};
  std::function<void()> closeDuringTheRead = [&] {
    if (state.loadingDatabase.BatchBlockTime[1] != 4.0f) {
      QTimer::singleShot(0, closeDuringTheRead);
      return;
    }
    ++closes;
    Click(b.Cmd_Load_Db_Cancel);
  };
  QTimer::singleShot(0, closeDuringTheRead);
  Click(b.Cmd_Load_Db_OK);
  QTest::qWait(20);

  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(b.frm_Load_Dbase.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_EQ(state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_TRUE(state.loadingData.HistoryPoints.empty());
  EXPECT_EQ(state.jobTexts.LoadingName, "???");
  EXPECT_EQ(host.GetMousePointer(), kPointerDefault);
  main.Hide();
}

}  // namespace
