// Roads through the running program on Qt's own input: the real windows on
// the real QtHost, driven by mouse and key events sent to their widgets, the
// modal message boxes and file dialogs answered as they come up, and a
// watchdog that ends the tests if a road hangs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/qt/qt_host.h"
#include "program_state.h"
#include "shell/job_file.h"
#include "shell/job_file_format.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"
#include "testdata/test_data_file.h"
#include "testdata/test_data_fixtures.h"
#include "testdata/ui/test_data_editor_panel.h"
#include "testdata/ui/test_data_services.h"

namespace {

// Ends the test program when a road takes longer than it may.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : thread_([this, limit] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!done_cv_.wait_for(lock, limit, [this] { return done_; })) {
            std::fputs("A road through the real windows hung.\n", stderr);
            std::_Exit(3);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    done_cv_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_cv_;
  bool done_ = false;
  std::thread thread_;
};

// A message box the program showed: its title and text.
struct Shown {
  std::string title, text;
};

// Answers the modal windows as they come up: the program's warranty dialog
// is accepted, a message box is noted and answered with its default button,
// a file dialog is given the next file name (when one is queued).
class ModalAnswers {
 public:
  explicit ModalAnswers(FormMain& main) : main_(main) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start(20);
  }
  std::vector<Shown> shown;
  std::deque<QString> files;

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    // A window is answered once it has been up for a tick, shown and settled.
    const bool settled = modal && modal == seen_ && modal->isVisible();
    seen_ = modal;
    if (!settled) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      shown.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
      QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (files.empty()) return;  // not this answerer's
      // The name typed into the dialog's name box, then Enter.
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (!name) return;
      name->setFocus();
      QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(name, files.front());
      files.pop_front();
      QTest::keyClick(name, Qt::Key_Return);
    } else if (QWidget* ok = main_.dialog().Dialog_OKButton.widget(); ok && modal->isAncestorOf(ok)) {
      QTest::mouseClick(ok, Qt::LeftButton);
    }
  }
  FormMain& main_;
  QTimer timer_;
  QWidget* seen_ = nullptr;
};

class RealInputRoads : public ::testing::Test {
 protected:
  RealInputRoads() {
    host.SetParentWindow(main.widget());
    main.Load();
    QApplication::setActiveWindow(main.widget());
    QTest::qWait(20);
  }
  ~RealInputRoads() override { main.Unload(); }

  // Chooses a menu command with the mouse: its menu on the menu bar, then
  // the item in the menu that opens.
  static void Choose(MenuItem& item) {
    QMenuBar* bar = item.ParentForm().menuBar();
    QAction* top = item.Parent()->action();
    ASSERT_TRUE(top->isVisible() && top->isEnabled()) << item.Parent()->Caption();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(top).center());
    QMenu* menu = top->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) << item.Parent()->Caption();
    ASSERT_TRUE(item.action()->isEnabled()) << item.Caption();
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item.action()).center());
    QTest::qWait(20);
  }
  // A click on a control on show, at a point where nothing else covers it
  // (neither its children nor a control on top). A click activates the
  // window it falls in, as a desktop's does.
  static void Click(Control& c) {
    ASSERT_TRUE(c.IsShowing()) << c.Name();
    if (QApplication::activeWindow() != c.ParentForm().widget()) Reactivate(c.ParentForm());
    QWidget* w = c.widget();
    for (int y = w->height() / 2; y < w->height(); y += 3) {
      for (int x = 4; x < w->width(); x += 7) {
        if (w->window()->childAt(w->mapTo(w->window(), QPoint(x, y))) != w) continue;
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QTest::qWait(20);
        return;
      }
    }
    FAIL() << c.Name() << " is covered";
  }
  // Replaces the text of the box that has the focus, as typed.
  static void Type(TextBox& box, const char* text) {
    ASSERT_TRUE(box.HasFocus()) << box.Name();
    QTest::keyClick(box.widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box.widget(), text);
  }
  // The window active again after a message box, with Qt's focus where the
  // program put it.
  static void Reactivate(Form& window) {
    QApplication::setActiveWindow(window.widget());
    QTest::qWait(20);
  }
  void Reactivate() { Reactivate(main); }
  std::vector<Shown> Messages() {
    std::vector<Shown> m = answers.shown;
    answers.shown.clear();
    return m;
  }

  Watchdog watchdog{std::chrono::seconds(60)};
  ScopedCurrentFolder folder{"real_input_roads"};
  ProgramState state;
  QtHost host;
  FormMain main{state, host};
  ModalAnswers answers{main};
};

// A job whose distribution no box would take is opened; a typed number
// beyond its field is refused with the bound it passes; chosen as a
// distribution, Calculate refuses Q and R with their boxes' refusals and
// opens the boxes, and calculates once they are typed.
TEST_F(RealInputRoads, BoxesAndCalculateRefuseWhatNoBoxWouldTake) {
  const std::string path = (folder.path() / "kept.sns").string();
  {
    ProgramState kept;
    kept.loadingData.DistQInput = 0;
    kept.loadingData.DistRInput = 0;
    FakeHost quiet;
    ASSERT_TRUE(SaveJobFile(path, kept, quiet));
  }
  ASSERT_TRUE(main.IsLoaded()) << "the warranty was accepted";
  answers.files.push_back(QString::fromStdString(path));
  Choose(main.menus().mnu_start(0));
  ASSERT_TRUE(main.snInputs().frm_SN.IsShowing());
  ASSERT_TRUE(Messages().empty());

  LoadingFramesPanel& lf = main.loadingFrames();
  Click(lf.SSmax(0));
  Type(lf.SSmaxt(0), "1e39");
  QTest::keyClick(lf.SSmaxt(0).widget(), Qt::Key_Tab);
  std::vector<Shown> m = Messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, "Sorry, Data Incorrect! (SS too big)");
  EXPECT_EQ(m[0].title, "Stress Amplitude (SS)");
  EXPECT_TRUE(lf.SSmaxt(0).HasFocus());
  EXPECT_EQ(lf.SSmaxt(0).Text(), "50.0");
  EXPECT_EQ(state.loadingData.StressRangeTo, 100.0f);
  Reactivate();
  Type(lf.SSmaxt(0), "-1e39");
  QTest::keyClick(lf.SSmaxt(0).widget(), Qt::Key_Tab);
  m = Messages();
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].text, "Sorry, Data Incorrect! (SS < 0)");
  Click(lf.Pic_Spectr);  // left untouched: nothing is asked

  Choose(main.menus().mnu_target);
  ProblemDefinitionPanel& pd = main.problemDefinition();
  Click(pd.chk_beta_distrib);
  Click(pd.cmd_analysis_done);
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  ASSERT_TRUE(Messages().empty());

  const struct {
    TextBox& box;
    const char* text;
    const char* title;
    const char* typed;
  } refusals[] = {{lf.DTt(0), "Sorry, Data Incorrect! (Q< 0)", " Distribution Parameter (Q)", "2"},
                  {lf.DTt(1), "Sorry, Data Incorrect! (R< 0)", " Distribution Parameter (R)", "5"}};
  for (const auto& r : refusals) {
    Choose(main.menus().mnu_calculate);
    m = Messages();
    ASSERT_EQ(m.size(), 1u) << r.title;
    EXPECT_EQ(m[0].text, r.text);
    EXPECT_EQ(m[0].title, r.title);
    EXPECT_FALSE(main.dataBox().Result.Visible());
    Reactivate();
    EXPECT_EQ(QApplication::focusWidget(), r.box.widget()) << "the box is open for typing";
    Type(r.box, r.typed);
    Click(lf.Pic_Distr);  // "Click here to redraw the distribution"
    ASSERT_TRUE(Messages().empty());
  }
  Choose(main.menus().mnu_calculate);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(main.dataBox().Result.IsShowing());
  EXPECT_EQ(state.loadingData.DistQInput, 2.0f);
  EXPECT_EQ(state.loadingData.DistRInput, 5.0f);
}

// A history batch taken for a history, then used as constant amplitude over
// the load level, is saved; a fresh program opens the job with the batch,
// its name and its stresses, and without a word.
TEST_F(RealInputRoads, AHistoryUsedAsConstantAmplitudeReopensAsSaved) {
  const std::filesystem::path here = folder.path();
  const ldb_fixture::Batch crane = ldb_fixture::HistoryBatch("Crane history", 9, "120", "-80");
  std::ofstream(here / "duvdt.dat", std::ios::binary) << ldb_fixture::DatabaseText(-2, {crane});
  std::ofstream(here / "duvhs.1", std::ios::binary)
      << ldb_fixture::HistoryText("9", "45", {"-80", "120", "-40", "100", "-60", "110", "-20", "90", "-80"});
  ProblemDefinitionPanel& pd = main.problemDefinition();
  DataServicePanel& ds = main.dataService();
  Click(pd.chk_history);
  Click(pd.Cmd_analysis_next);
  ASSERT_TRUE(ds.chk_Read_Dbase.Value());
  Click(ds.cmd_data_do);  // read the database of the current folder
  Click(ds.cmd_data_do);  // browse it
  Click(main.loadingDb().Cmd_Load_Db_OK);
  Click(ds.cmd_data_next);
  ASSERT_TRUE(main.snInputs().frm_SN.IsShowing());
  Choose(main.menus().mnu_target);
  Click(pd.chk_master);
  Click(pd.chk_load);
  Click(pd.chk_constant);
  Click(pd.cmd_analysis_done);
  LoadingFramesPanel& lf = main.loadingFrames();
  Click(lf.SSmax(1));
  Type(lf.SSmaxt(1), "40");
  Click(lf.Pic_Spectr);
  Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(main.results().frm_master.IsShowing());
  const std::string path = (here / "crane.sns").string();
  answers.files.push_back(QString::fromStdString(path));
  Choose(main.menus().mnu_start(1));
  ASSERT_TRUE(Messages().empty());
  const JobFile saved = JobFileOf(state);
  ASSERT_EQ(saved.LoadingType, 3);
  ASSERT_EQ(saved.LoadingSource, 1);
  main.Hide();

  ProgramState again;
  QtHost host2;
  FormMain main2{again, host2};
  ModalAnswers answers2{main2};
  host2.SetParentWindow(main2.widget());
  main2.Load();
  Reactivate(main2);
  answers2.files.push_back(QString::fromStdString(path));
  Choose(main2.menus().mnu_start(0));
  EXPECT_TRUE(Messages().empty() && answers2.shown.empty()) << "either answerer may have seen a message";
  EXPECT_TRUE(JobFileOf(again) == saved);
  EXPECT_EQ(again.loadingDbState.SelectedLoadingBatch, 1);
  EXPECT_EQ(again.loadingData.HistoryPoints, state.loadingData.HistoryPoints);
  EXPECT_EQ(main2.dataBox().Loadt.Text(), "Crane history");
  main2.Unload();
}

// The test-point count box checks the count as typed, before it makes it a
// whole count, and a count beyond every field by the bound it passes.
TEST_F(RealInputRoads, TheCountBoxChecksTheCountAsTyped) {
  // A database opened for editing whose second set (column 1, marked) has
  // five test points on file; the "&Test Data" button's handler opens them
  // in the editor.
  FatigueDbState& st = state.fatigueDbState;
  st.DatabaseDir = folder.path().string();
  st.DbEditStarted = true;
  st.FatigueBatchCount = 1;
  st.CurrentFatigueBatch = 1;
  st.MarkedFatigueSet = 1;
  FatigueDatabase& db = state.fatigueDatabase;
  db.FdbBatchName[1] = "Steels";
  db.FdbSetCount[1] = 2;
  db.FdbSetName[1][1] = "S355";
  db.FdbSetName[1][2] = "Weld_B";
  db.FdbTestDataName[1][2] = "Weld_B";
  TestDataSet five = SetOf({{420, 12000}, {380, 25000}, {350, 41000}, {300, 98000}, {280, 150000}});
  FakeHost quiet;
  ASSERT_TRUE(WriteTestDataFile(five, PathInFolder(folder.path().string(), "Weld_B.sft"), quiet, "x"));
  cmd_fatigue_Db_Test_Click(main);
  FormShow& show = main.formShow();
  ASSERT_TRUE(show.Visible());
  Reactivate(show);
  TestDataEditorPanel& ed = show.testData();
  TextBox& count = ed.txt_points(0);

  const struct {
    const char* typed;
    const char* text;
    float count;
  } entries[] = {{"1.5", "Min. number of data points is 2!", 5},
                 {"1e39", "Max. number of data points is 51!", 5},
                 {"-1e39", "Min. number of data points is 2!", 5},
                 {"2.4", "Delete the last  3 data points?", 2}};  // Yes, the default
  for (const auto& e : entries) {
    Click(count);
    Type(count, e.typed);
    QTest::keyClick(count.widget(), Qt::Key_Tab);
    QTest::qWait(20);
    const std::vector<Shown> m = Messages();
    ASSERT_EQ(m.size(), 1u) << e.typed;
    EXPECT_EQ(m[0].text, e.text);
    EXPECT_EQ(m[0].title, "Number of Data Points");
    EXPECT_EQ(state.testDataSet.TestPointCount, e.count) << e.typed;
    EXPECT_EQ(count.Text(), e.count == 5 ? "5" : "2");
    Reactivate(show);
  }
}

}  // namespace
