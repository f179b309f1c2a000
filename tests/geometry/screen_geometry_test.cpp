// What a new user sees on the screens the program supports, from 1366 x 768
// to 2560 x 1440: the program is led through its main states headless, as a
// user leads it, and in each state every visible label, text box and button
// is measured on its real widget with its real font. A text shows whole (its
// control, its containers and the controls lying over it leave all of it in
// sight), no control reaches past its frame, and the main view shows no
// frame that the job's loading type does not show.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "geometry/covered_frames.h"
#include "geometry/shown_texts.h"
#include "loading/loading_db_fixtures.h"
#include "material/fatigue_db_fixtures.h"
#include "montecarlo/mcs_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "platform/qt/window_grab.h"
#include "program_state.h"
#include "shell/job_file.h"
#include "shell/job_fixtures.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

struct Screen {
  const char* name;
  int width, height;  // pixels
};
void PrintTo(const Screen& s, std::ostream* os) { *os << s.name; }

constexpr Screen kScreens[] = {{"1366x768", 1366, 768}, {"1920x1080", 1920, 1080}, {"2560x1440", 2560, 1440}};

// The frames of the main view that show the loading and its damage, and
// which of them each loading type shows (history, spectrum, constant
// amplitude, distribution; a spectrum may show as a distribution).
constexpr const char* kLoadingFrames[] = {"frm_Hist", "frm_Spectr", "frm_Distr", "frm_Dam"};
bool LoadingTypeShows(int16_t type, const std::string& frame) {
  switch (type) {
    case 1: return frame == "frm_Hist" || frame == "frm_Dam";
    case 2: return frame != "frm_Hist";
    case 3: return frame == "frm_Spectr" || frame == "frm_Dam";
    default: return frame == "frm_Distr";
  }
}

// The working frames, which stand over the main view apart from its edges,
// and where each one's middle lies from the window's middle (twips at scale
// 1, the design's own offsets).
struct WorkingFrame {
  const char* frame;
  double offset;
};
constexpr WorkingFrame kWorkingFrames[] = {{"frm_analysis", 0},  {"frm_Load_Dbase", 0},    {"Frm_MCS_opt", 0},
                                           {"frm_data_serv", 0}, {"frm_about", -118},      {"frm_Fatigue_Dbase", 5},
                                           {"frm_settings", -0.5}};

std::vector<std::string> WorkingFrameNames() {
  std::vector<std::string> names;
  for (const WorkingFrame& w : kWorkingFrames) names.push_back(w.frame);
  return names;
}

class ScreenGeometry : public ::testing::TestWithParam<Screen> {
 protected:
  ScopedCurrentFolder folder{"screen_geometry"};
  ProgramState state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{state, host};
  FormShow& show = main.formShow();
  ProblemDefinitionPanel& analysis = main.problemDefinition();
  const std::filesystem::path loads = folder.path() / "loads";

  void SetUp() override {
    host.screenWidthTwips = GetParam().width * 15.0;
    host.screenHeightTwips = GetParam().height * 15.0;
    host.onModal = [this] { main.dialog().Dialog_OKButton.click(); };
    main.Load();
    host.onModal = nullptr;
    ASSERT_TRUE(analysis.frm_analysis.IsShowing());
  }

  static void Report(const std::string& where, const std::vector<ShownFault>& faults) {
    for (const ShownFault& f : faults)
      ADD_FAILURE() << where << ": " << f.control << (f.text.empty() ? "" : " \"" + f.text + "\"") << " " << f.fault;
  }

  // Measures what the windows on show show in the state reached.
  void Check(const std::string& where) {
    for (const Form* form : {static_cast<const Form*>(&main), static_cast<const Form*>(&show)}) {
      if (!form->Visible()) continue;
      Report(where, CutTexts(*form));
      Report(where, ControlsOutsideTheirFrames(*form));
      Report(where, FramesNotWholeInTheWindow(*form, WorkingFrameNames()));
      Report(where, EdgesBesideFramesInFront(*form));
    }
    if (main.Visible()) {
      // The title of the empty main view shows whole beside a working frame.
      Report(where, TextsUnderFrames(main));
      ExpectWorkingFramesCentred(where);
      for (const char* name : kLoadingFrames)
        EXPECT_FALSE(main.frame(name).IsShowing() && !LoadingTypeShows(state.analysisOptions.LoadingType, name))
            << where << ": " << name << " is shown for loading type " << state.analysisOptions.LoadingType;
    }
    SaveShots(where);
  }

  // The working frames on show stand in the middle of the window's inner
  // width, up to the design's own offsets.
  void ExpectWorkingFramesCentred(const std::string& where) const {
    const double middle = main.clientArea()->width() / 2.0;
    for (const WorkingFrame& w : kWorkingFrames) {
      const Frame& f = main.frame(w.frame);
      if (!f.IsShowing()) continue;
      const QRect r = f.widget()->geometry();
      const double expected = middle + w.offset * state.layoutScales.ScaleX / 15;
      EXPECT_NEAR(r.left() + r.width() / 2.0, expected, 1.0) << where << ": " << w.frame << " off the middle";
    }
  }

  // With FLA_SCREEN_SHOTS set to a folder, each state's windows are saved
  // there as PNG files, to be looked at.
  void SaveShots(const std::string& where) const {
    const char* dir = std::getenv("FLA_SCREEN_SHOTS");
    if (!dir) return;
    std::string name = std::string(GetParam().name) + " " + where;
    for (char& c : name)
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    const QString path = QString::fromStdString(std::string(dir) + "/" + name);
    if (main.Visible()) QImageOf(main.ClientImage()).save(path + ".png");
    if (show.Visible()) QImageOf(show.ClientImage()).save(path + "_show.png");
  }

  // From the problem definition with `type` chosen to the loading-database
  // browser on the folder's database.
  void ToTheLoadingDatabase(OptionButton& type) {
    ldb_fixture::PutThreeBatches(loads);
    Press(type);
    Press(analysis.Cmd_analysis_next);
    DataServicePanel& ds = main.dataService();
    if (!ds.frm_data_serv.IsShowing()) Choose(main.menus().mnu_loading);
    ASSERT_TRUE(ds.frm_data_serv.IsShowing());
    ds.Dir1.SetPath(loads.string());
    Press(ds.cmd_data_do);  // read
    ASSERT_EQ(state.loadingDbState.LoadingBatchCount, 3) << host.Transcript();
    Press(ds.cmd_data_do);  // browse
    ASSERT_TRUE(main.loadingDb().frm_Load_Dbase.IsShowing());
  }

  // Selects the browsed batch `batch` and goes on to the input view.
  void SelectBatch(int batch) {
    LoadingDbPanel& b = main.loadingDb();
    for (int k = 1; k < batch; ++k) Press(b.Cmd_Load_Db_Next);
    Press(b.Cmd_Load_Db_OK);
    ASSERT_EQ(state.loadingDbState.SelectedLoadingBatch, batch) << host.Transcript();
    if (main.dataService().frm_data_serv.IsShowing()) Press(main.dataService().cmd_data_next);
    ASSERT_TRUE(main.snInputs().frm_SN.IsShowing()) << host.Transcript();
  }

  void Calculate() {
    Choose(main.menus().mnu_calculate);
    ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  }
};

TEST_P(ScreenGeometry, StartUpAndAConstantAmplitude) {
  Check("problem definition at start-up");
  Press(analysis.Cmd_analysis_next);
  ASSERT_TRUE(main.snInputs().frm_SN.IsShowing());
  Check("input view, constant amplitude");
  Calculate();
  ASSERT_TRUE(main.dataBox().Result.IsShowing());
  Check("results, constant amplitude");
  Choose(main.menus().mnu_target);
  Check("problem definition over the results");
  Press(analysis.cmd_analysis_cancel);
  Choose(main.menus().mnu_settings);
  Check("colour settings");
  Press(main.settings().cmd_settings_cancel);
  Choose(main.menus().mnu_about);
  Check("About");
}

TEST_P(ScreenGeometry, AHistoryFromTheLoadingDatabase) {
  ToTheLoadingDatabase(analysis.chk_history);
  Check("loading-database browser");
  Press(main.loadingDb().Cmd_Load_Db_Show);
  Check("loading-database browser with its previews");
  SelectBatch(1);
  Check("input view, history");
  Calculate();
  ASSERT_TRUE(main.dataBox().Result.IsShowing());
  Check("results, history");
}

// A window manager that frames the main window only once it shows takes
// its title bar and border (30 pixels) from the inner area laid out at
// start-up: the loading database's browser, opened after that, stands whole
// in what is left. Where the window is too short for the title block and the
// browser both, the title's last line lies under the browser, as it does on
// a short screen.
TEST_P(ScreenGeometry, TheLoadingDatabaseInAWindowFramedLate) {
  main.SetHeight(main.Height() - 30 * 15);
  QCoreApplication::processEvents();
  ToTheLoadingDatabase(analysis.chk_history);
  const std::string where = "loading-database browser in a window framed late";
  Report(where, FramesNotWholeInTheWindow(main, WorkingFrameNames()));
  Report(where, CutTexts(main));
  Report(where, ControlsOutsideTheirFrames(main));
  SaveShots(where);
}

TEST_P(ScreenGeometry, ASpectrumThenADistributionWithoutItsData) {
  ToTheLoadingDatabase(analysis.chk_spectrum);
  SelectBatch(2);
  Check("input view, spectrum");
  Calculate();
  ASSERT_TRUE(main.dataBox().Result.IsShowing());
  Check("results, spectrum");

  Choose(main.menus().mnu_target);
  Press(analysis.chk_beta_distrib);
  host.QueueAnswer(kAnswerNo);
  Press(analysis.cmd_analysis_done);
  ASSERT_EQ(host.messages.size(), 1u);
  ASSERT_NE(host.messages[0].text.find("There is no Distribution in the Data Batch"), std::string::npos);
  Check("distribution chosen over a spectrum result");
}

// A spectrum job saved with the cumulative damage display and opened over
// the per-bar display: its results under the job's caption.
TEST_P(ScreenGeometry, ASpectrumJobReopenedWithTheCumulativeDamage) {
  ToTheLoadingDatabase(analysis.chk_spectrum);
  SelectBatch(2);
  Calculate();
  ResultFramesPanel& rf = main.results();
  RightClick(host, rf.Pic_Dam, "Display Cumula&tive Damage");
  const std::string job = (folder.path() / "cumulative.sns").string();
  host.saveAnswers.push_back(job);
  Choose(main.menus().mnu_start(1));
  RightClick(host, rf.Pic_Dam, "Display &Damage");
  host.openAnswers.push_back(job);
  Choose(main.menus().mnu_start(0));
  Calculate();
  ASSERT_EQ(rf.frm_Dam.Caption(), "Results:  Cumulative Damage");
  Check("results, spectrum reopened with the cumulative damage");
}

TEST_P(ScreenGeometry, ADistributionFromTheLoadingDatabase) {
  ToTheLoadingDatabase(analysis.chk_beta_distrib);
  SelectBatch(3);
  Check("input view, distribution");
  Calculate();
  ASSERT_TRUE(main.dataBox().Result.IsShowing());
  Check("results, distribution");
}

TEST_P(ScreenGeometry, AMasterCurve) {
  Press(analysis.chk_master);
  Press(analysis.Cmd_analysis_next);
  LoadingFramesPanel& lf = main.loadingFrames();
  Enter(lf.SSmaxt(0), "200");
  Enter(lf.SSmaxt(1), "75");
  Check("input view, master curve");
  Calculate();
  ASSERT_TRUE(main.results().frm_master.IsShowing());
  Check("results, master curve");
}

// The material database read from its file, edited, and a set's test data
// opened in the second window.
TEST_P(ScreenGeometry, TheMaterialDatabaseAndTheTestDataEditor) {
  Press(analysis.Cmd_analysis_next);
  std::ofstream(folder.path() / "duvak.dat", std::ios::binary) << fdb_fixture::TwoSetBatchText();
  DataServicePanel& ds = main.dataService();
  Choose(main.menus().mnu_fatigue);
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  Check("data services, material data");
  ds.Dir1.SetPath(folder.path().string());
  Press(ds.chk_Read_Dbase);
  Press(ds.cmd_data_do);
  ASSERT_EQ(state.fatigueDbState.FatigueBatchCount, 1) << host.Transcript();
  host.QueueAnswer(kAnswerOK);
  Press(ds.chk_Edit_Dbase);
  Press(ds.cmd_data_do);
  FatigueDbPanel& db = main.fatigueDb();
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing()) << host.Transcript();
  Check("material database");
  Press(db.Label20(3));
  ASSERT_TRUE(db.txt_Fatigue_Db.IsShowing());
  Check("material database, its batch number typed");
  Press(db.Lab1_fatigue_DB);
  ASSERT_TRUE(db.Txt1_Fatigue_DB.IsShowing());
  Check("material database, its batch name typed");
  // The reference box of a set with two lines, then of a set without text
  // (the template).
  for (int set : {0, 1}) {
    Press(db.Text2(set));
    Press(db.refer_pic(set));
    ASSERT_TRUE(db.refer_txt.IsShowing());
    Check(set == 0 ? "material database, a reference of two lines" : "material database, the reference template");
  }
  Press(db.Text2(2));  // the set after the last: a new set with its test data
  Press(db.cmd_fatigue_Db_Test);
  ASSERT_TRUE(show.Visible()) << host.Transcript();
  Check("test data editor");
}

TEST_P(ScreenGeometry, AProbabilisticJob) {
  Press(analysis.chk_end_limit);
  Press(analysis.Cmd_analysis_next);
  ASSERT_EQ(state.analysisOptions.AnalysisKind, 2);
  RandomVariableDialog& dialog = show.randomVariables();
  host.onModal = [&] {
    Check("random-variable dialog");
    Press(dialog.chk_distr(3));
    Enter(dialog.txt_distr(0), "0.1");
    Press(dialog.cmd_ok);
  };
  Press(main.snInputs().dN_distr(0));
  host.onModal = nullptr;
  ASSERT_EQ(main.snInputs().dN_distr(0).Caption(), "{L10}");
  Check("input view with a scatter tag");

  McsOptionsPanel& options = main.mcsOptions();
  Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(options.Frm_MCS_opt.IsShowing());
  Check("simulation options");
  Enter(options.No_simult, "200");
  Press(options.cmd_MCS_opt(0));
  ASSERT_TRUE(show.Visible()) << host.Transcript();
  Check("simulation results view");
  Choose(show.mnu_back);
  ASSERT_TRUE(main.Visible());
  Check("main view after the simulation");
}

// A job defined in US units: a feature specimen with the mean-stress effect
// (thickness and the notch factor behind the mean-stress tag), then a
// notched component (Kt and its notch radius).
TEST_P(ScreenGeometry, UsUnitsWithAComponentAndMeanStress) {
  Choose(main.menus().mnu_US);
  Press(analysis.Cmd_analysis_next);
  ASSERT_TRUE(main.dataBox().DBmset(2).IsShowing());
  Check("input view in US units, feature specimen with mean stress");
  Choose(main.menus().mnu_target);
  Press(analysis.chk_unnotch);
  Press(analysis.chk_ns_account);
  Press(analysis.cmd_analysis_done);
  Enter(main.dataBox().SCFt(0), "2.5");
  ASSERT_TRUE(main.dataBox().Reliabt.IsShowing());
  Check("input view in US units, notched component with mean stress");
  Calculate();
  ASSERT_TRUE(main.dataBox().Result.IsShowing());
  Check("results in US units, notched component");
}

// A job opened from its file, then shown in the other units and back.
TEST_P(ScreenGeometry, AJobOpenedFromAFileAndItsUnitsSwitched) {
  const std::string path = (folder.path() / "shaft.sns").string();
  FakeHost quiet;
  ASSERT_TRUE(SaveJobFile(path, *TypedInConstantAmplitudeJob(), quiet)) << quiet.Transcript();
  host.openAnswers.push_back(path);
  Choose(main.menus().mnu_start(0));
  ASSERT_TRUE(host.messages.empty()) << host.Transcript();
  ASSERT_TRUE(main.dataBox().DBmset(2).IsShowing());
  Check("a job opened from a file");
  Choose(main.menus().mnu_US);
  Check("a job switched to US units");
  Choose(main.menus().mnu_SI);
  Check("a job switched back to SI units");
}

// The results view at the ends of the failure probability: every life
// failed before the life asked for ("Pf >" 1), and a Pf above a share of
// failures below 0.001 corrected to that share.
TEST_P(ScreenGeometry, ResultsAtTheEndsOfTheFailureProbability) {
  Press(analysis.chk_end_limit);
  Press(analysis.Cmd_analysis_next);
  const auto open = [&](const char* name, const std::string& bytes) {
    std::ofstream(folder.path() / name, std::ios::binary) << bytes;
    host.openAnswers.push_back((folder.path() / name).string());
    Choose(main.menus().mnu_MCSres_O);
    ASSERT_TRUE(show.Visible()) << host.Transcript();
  };
  open("spread.psn", ResultsSpreadOverEightDecades());
  RightClick(host, show.Res_prob(1), "Fit:  Weibull ");
  EnterByReturn(show.Res_probT(1), "1e30");
  Check("results view, a life beyond every failure corrected");
  show.Res_probT(1).keyDown(kKeyReturn);
  ASSERT_EQ(show.Res_probT(0).Text(), "1.00E+0");
  Check("results view, every life failed before the life asked for");

  Choose(show.mnu_back);
  open("rare.psn", ResultsOfRareFailures());
  EnterByReturn(show.Res_probT(0), "0.001");
  ASSERT_EQ(show.Res_probT(0).Text(), "0.00075");
  Check("results view, a Pf corrected to the share of failures");
  show.Res_probT(0).keyDown(kKeyReturn);
  Check("results view, the share of failures taken");
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenGeometry, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string("s") + std::to_string(info.param.width); });

}  // namespace
