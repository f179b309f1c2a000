// The loading database as the user reaches it: the data services read a
// folder's "duvdt.dat", the browser steps through its batches and previews
// them, Select takes a batch, and a job saved with it opens with it again.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/job_file_format.h"
#include "shell/job_file_records.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

using ldb_fixture::Batch;

// The folder "loads" holds the three batches of the roads: 1 a history, 2
// a block spectrum, 3 a Weibull distribution.
class LoadingDbRoads : public ::testing::Test {
 protected:
  void SetUp() override { ldb_fixture::PutThreeBatches(loads); }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(loads / name, std::ios::binary) << bytes;
  }

  // From the problem definition of loading type `type` to the browser on
  // batch 1 of the folder's database.
  void ToTheBrowser(Program& p, OptionButton& type) {
    Press(type);
    Press(p.main.problemDefinition().Cmd_analysis_next);
    DataServicePanel& ds = p.main.dataService();
    ASSERT_TRUE(ds.frm_data_serv.IsShowing()) << "the loading data come next";
    ASSERT_TRUE(ds.chk_Read_Dbase.Value());
    ds.Dir1.SetPath(loads.string());
    Press(ds.cmd_data_do);  // read
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    ASSERT_EQ(p.state.loadingDbState.LoadingBatchCount, 3);
    ASSERT_TRUE(ds.chk_Input_Dbase.Value()) << "a read database is offered for browsing";
    Press(ds.cmd_data_do);  // browse
    ASSERT_TRUE(p.main.loadingDb().frm_Load_Dbase.IsShowing());
  }

  ScopedCurrentFolder folder{"loading_db_roads_test"};
  const std::filesystem::path loads = folder.path() / "loads";
};

TEST_F(LoadingDbRoads, TheBrowserStepsThroughTheBatchesAndPreviewsThem) {
  Program p;
  LoadingDbPanel& b = p.main.loadingDb();
  ToTheBrowser(p, p.main.problemDefinition().chk_history);
  EXPECT_EQ(b.txt_Load_Db.Text(), "1");
  EXPECT_EQ(b.Label5(1).Caption(), "3");
  EXPECT_EQ(b.Label6.Caption(), "Crane history");
  EXPECT_EQ(b.Label9(0).Caption(), "9");
  EXPECT_EQ(b.Label9(1).Caption(), "120.0");
  EXPECT_EQ(b.Label9(3).Caption(), "30.0");
  EXPECT_EQ(b.Cmd_Load_Db_Cancel.Caption(), "&Cancel");

  // Show previews the history from its file; the job's history stays empty.
  Press(b.Cmd_Load_Db_Show);
  EXPECT_EQ(b.Cmd_Load_Db_Show.Caption(), "&Hide");
  EXPECT_TRUE(b.frm_HistSH.IsShowing());
  EXPECT_TRUE(b.Pic_HistSH.IsShowing());
  EXPECT_FALSE(b.Pic_SpectrSH.Visible());
  EXPECT_TRUE(b.frm_DistrSH.IsShowing());
  EXPECT_EQ(p.state.loadingDbState.PreviewShown, 1);
  EXPECT_EQ(b.Label9(3).Caption(), "30.0") << "the browser shows the batch as it was read";
  EXPECT_EQ(p.state.loadingDatabase.BatchBlockTime[1], 45.0f) << "the file's record time";
  EXPECT_TRUE(p.state.loadingData.HistoryPoints.empty());
  EXPECT_EQ(p.host.doEventsCalls, 2);

  // Next hides the previews; the spectrum batch previews only its spectrum.
  Press(b.Cmd_Load_Db_Next);
  EXPECT_EQ(b.Label6.Caption(), "Gust spectrum");
  EXPECT_FALSE(b.frm_HistSH.Visible());
  EXPECT_EQ(b.Cmd_Load_Db_Show.Caption(), "S&how");
  Press(b.Cmd_Load_Db_Show);
  EXPECT_FALSE(b.Pic_HistSH.Visible());
  EXPECT_TRUE(b.Pic_SpectrSH.IsShowing());
  EXPECT_FALSE(b.Pic_DistrSh.Visible());
  EXPECT_TRUE(b.frm_HistSH.IsShowing()) << "all three frames are up";
  Press(b.Cmd_Load_Db_Show);  // Hide
  EXPECT_FALSE(b.frm_SpectrSH.Visible());
  EXPECT_EQ(b.Cmd_Load_Db_Show.Caption(), "S&how");

  // Past the last batch to the first, before the first to the last.
  Press(b.Cmd_Load_Db_Next);
  EXPECT_EQ(b.Label6.Caption(), "Road distribution");
  EXPECT_EQ(b.Label14(1).Caption(), "");  // no history and no levels
  EXPECT_EQ(b.Label16(0).Caption(), "100.0");
  EXPECT_EQ(b.Label19.Caption(), "DMSE(+): Su=600 MPa, Sy=400 MPa, Kf=1.5");
  Press(b.Cmd_Load_Db_Next);
  EXPECT_EQ(p.state.loadingDbState.BrowsedLoadingBatch, 1);
  Press(b.Cmd_Load_Db_Prev);
  EXPECT_EQ(p.state.loadingDbState.BrowsedLoadingBatch, 3);

  // Typed batch numbers: the nearest whole number, or a beep and the batch
  // on show again.
  struct Case {
    const char* text;
    int shown;
    int beeps;
  };
  for (const Case& c : {Case{"2.5", 2, 0}, Case{"0", 2, 1}, Case{"abc", 2, 1}, Case{"4", 2, 1}, Case{"1", 1, 0}}) {
    SCOPED_TRACE(c.text);
    p.host.beeps = 0;
    Enter(b.txt_Load_Db, c.text);
    EXPECT_EQ(p.state.loadingDbState.BrowsedLoadingBatch, c.shown);
    EXPECT_EQ(b.txt_Load_Db.Text(), std::to_string(c.shown));
    EXPECT_EQ(p.host.beeps, c.beeps);
  }

  // Close: back to the data services, which close too.
  Press(b.Cmd_Load_Db_Cancel);
  EXPECT_FALSE(b.frm_Load_Dbase.Visible());
  EXPECT_FALSE(p.main.dataService().frm_data_serv.Visible());
  EXPECT_TRUE(p.state.loadingData.HistoryPoints.empty()) << "only Select changes the job's history";
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(LoadingDbRoads, ASelectedHistoryIsCalculatedAndReopensWithTheJob) {
  const std::string path = (folder.path() / "history_job.sns").string();
  std::string life;
  {
    Program p;
    LoadingDbPanel& b = p.main.loadingDb();
    DataServicePanel& ds = p.main.dataService();
    MainMenus& menus = p.main.menus();
    ToTheBrowser(p, p.main.problemDefinition().chk_history);
    Press(b.Cmd_Load_Db_Show);
    Press(b.Cmd_Load_Db_Next);
    Press(b.Cmd_Load_Db_Prev);
    Press(b.Cmd_Load_Db_OK);
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    EXPECT_FALSE(b.frm_Load_Dbase.Visible());
    EXPECT_FALSE(b.frm_HistSH.Visible());
    EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 1);
    EXPECT_EQ(p.state.loadingData.SelectedHistoryLength, 9);
    EXPECT_EQ(p.state.loadingData.HistoryPoints.size(), 11u);
    EXPECT_EQ(p.main.dataBox().Loadt.Text(), "Crane history");
    EXPECT_TRUE(menus.mnu_Run.Enabled());
    EXPECT_TRUE(ds.cmd_data_next.Enabled());
    EXPECT_TRUE(menus.pop_disp1(0).Checked());

    // On to the input view and the life.
    Press(ds.cmd_data_next);
    ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing()) << p.host.Transcript();
    Choose(menus.mnu_calculate);
    ASSERT_TRUE(p.main.dataBox().Result.IsShowing()) << p.host.Transcript();
    life = p.main.dataBox().Result.Caption();
    EXPECT_NE(life.find("Fatigue life:"), std::string::npos) << life;
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    p.host.saveAnswers.push_back(path);
    Choose(menus.mnu_start(1));
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  }

  // A fresh window: the job selects its batch again and gives the same life.
  {
    Program q;
    q.host.openAnswers.push_back(path);
    Choose(q.main.menus().mnu_start(0));
    ASSERT_TRUE(q.host.messages.empty()) << q.host.Transcript();
    EXPECT_EQ(q.state.loadingDbState.SelectedLoadingBatch, 1);
    EXPECT_EQ(q.state.loadingDbState.LoadingSource, 1);
    EXPECT_EQ(q.state.analysisOptions.LoadingType, 1);
    EXPECT_EQ(q.state.loadingData.HistoryPoints.size(), 11u);
    Choose(q.main.menus().mnu_calculate);
    EXPECT_EQ(q.main.dataBox().Result.Caption(), life);
    EXPECT_TRUE(q.host.messages.empty()) << q.host.Transcript();
  }

  // Its database gone: the job opens with its stresses as typed-in data.
  std::remove((loads / "duvdt.dat").c_str());
  Program r;
  r.host.openAnswers.push_back(path);
  Choose(r.main.menus().mnu_start(0));
  ASSERT_FALSE(r.host.messages.empty());
  EXPECT_EQ(r.host.messages.back().text, "Can't restore the Loading Data");
  EXPECT_EQ(r.host.messages.back().title, " Opening an Existing Job");
  EXPECT_EQ(r.state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(r.state.analysisOptions.LoadingType, 3);
}

// A long history is read in pieces that let the window answer: Show, or a
// second Select, pressed meanwhile does nothing, and closing the browser
// stops the read, with nothing previewed or taken.
TEST_F(LoadingDbRoads, ClosingTheBrowserWhileALongHistoryIsReadStopsShowAndSelect) {
  constexpr int n = 600000;
  const std::filesystem::path longLoads = folder.path() / "long";
  std::filesystem::create_directory(longLoads);
  Batch history = ldb_fixture::HistoryBatch("Long history", n, "499", "-500");
  std::ofstream(longLoads / "duvdt.dat", std::ios::binary) << ldb_fixture::DatabaseText(-2, {history});
  std::string text = "Long\r\n " + std::to_string(n) + " \r\n 4 \r\n -500 \r\n";
  for (int j = 2; j <= n; ++j) text += " " + std::to_string(j % 1000 - 500) + " \r\n";
  std::ofstream(longLoads / "duvhs.1", std::ios::binary) << text;

  for (const bool select : {false, true}) {
    SCOPED_TRACE(select ? "Select" : "Show");
    Program p;
    LoadingDbPanel& b = p.main.loadingDb();
    DataServicePanel& ds = p.main.dataService();
    Press(p.main.problemDefinition().chk_history);
    Press(p.main.problemDefinition().Cmd_analysis_next);
    ds.Dir1.SetPath(longLoads.string());
    Press(ds.cmd_data_do);  // read
    Press(ds.cmd_data_do);  // browse
    ASSERT_TRUE(b.frm_Load_Dbase.IsShowing()) << p.host.Transcript();
    p.host.yieldIntervalMs = 0;
    int duringTheRead = 0;
    p.host.onDoEvents = [&] {
      // The reader has taken the file's record time: the values are being read.
      if (p.state.loadingDatabase.BatchBlockTime[1] != 4.0f || duringTheRead++ > 0) return;
      Press(b.Cmd_Load_Db_Show);
      if (select) Press(b.Cmd_Load_Db_OK);
      EXPECT_EQ(b.Cmd_Load_Db_Show.Caption(), "S&how");
      EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 0);
      Press(b.Cmd_Load_Db_Cancel);  // Close
    };
    Press(select ? b.Cmd_Load_Db_OK : b.Cmd_Load_Db_Show);
    EXPECT_EQ(duringTheRead, 1);
    EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    EXPECT_FALSE(b.frm_Load_Dbase.Visible());
    EXPECT_FALSE(ds.frm_data_serv.Visible());
    EXPECT_FALSE(b.frm_HistSH.Visible());
    EXPECT_EQ(b.Cmd_Load_Db_Show.Caption(), "S&how");
    EXPECT_EQ(p.state.loadingDbState.PreviewShown, 0);
    EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 0);
    EXPECT_TRUE(p.state.loadingData.HistoryPoints.empty());
    EXPECT_EQ(p.state.jobTexts.LoadingName, "???");
    EXPECT_EQ(p.host.mousePointer, kPointerDefault);
  }
}

// A history batch taken for a history and then used as constant amplitude
// over the load level (the problem definition takes the range from the
// history's extremes) is saved and opens again as it was: the batch with its
// history, its name and the job's own stresses, with the same master curve.
TEST_F(LoadingDbRoads, AHistoryUsedAsConstantAmplitudeReopensAsSaved) {
  const std::string path = (folder.path() / "crane_job.sns").string();
  Program p;
  LoadingDbPanel& b = p.main.loadingDb();
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ToTheBrowser(p, pd.chk_history);
  Press(b.Cmd_Load_Db_OK);
  Press(p.main.dataService().cmd_data_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing()) << p.host.Transcript();

  Choose(p.main.menus().mnu_target);
  Press(pd.chk_master);
  Press(pd.chk_load);
  Press(pd.chk_constant);
  Press(pd.cmd_analysis_done);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.SSmaxt(1).IsShowing()) << "the lower end of the load level";
  Enter(lf.SSmaxt(1), "40");
  Choose(p.main.menus().mnu_calculate);
  ASSERT_TRUE(p.main.results().frm_master.IsShowing()) << p.host.Transcript();
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  p.host.saveAnswers.push_back(path);
  Choose(p.main.menus().mnu_start(1));
  const JobFile saved = JobFileOf(p.state);
  ASSERT_EQ(saved.LoadingSource, 1);
  ASSERT_EQ(saved.LoadingType, 3);

  Program q;
  q.host.openAnswers.push_back(path);
  Choose(q.main.menus().mnu_start(0));
  EXPECT_TRUE(q.host.messages.empty()) << q.host.Transcript();
  EXPECT_TRUE(JobFileOf(q.state) == saved);
  EXPECT_EQ(q.state.loadingDbState.SelectedLoadingBatch, 1);
  EXPECT_EQ(q.state.loadingData.HistoryPoints, p.state.loadingData.HistoryPoints);
  EXPECT_EQ(q.main.dataBox().Loadt.Text(), "Crane history");
  Choose(q.main.menus().mnu_calculate);
  EXPECT_TRUE(q.host.messages.empty()) << q.host.Transcript();
  ASSERT_TRUE(q.main.results().frm_master.IsShowing());
  EXPECT_EQ(q.state.lifeResults.MasterLife, p.state.lifeResults.MasterLife);
  EXPECT_EQ(q.state.lifeResults.MasterParam, p.state.lifeResults.MasterParam);

  // Opened over the input view of a job: the constant amplitude is shown,
  // not the history the batch was taken as.
  p.host.openAnswers.push_back(path);
  Choose(p.main.menus().mnu_start(0));
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_TRUE(JobFileOf(p.state) == saved);
  EXPECT_TRUE(lf.frm_Spectr.IsShowing());
  EXPECT_FALSE(lf.frm_Hist.Visible());
  EXPECT_FALSE(p.main.loadingDb().frm_Load_Dbase.Visible());
}

// A batch that cannot be taken back (the database no longer holds it, or
// holds an empty batch in its place): the message says why, and the
// loading, kept as the job's typed-in stresses, keeps the job's name and
// batch. Saved again, the job differs only in its loading type (record 3)
// and source (record 15).
TEST_F(LoadingDbRoads, ABatchThatCannotBeTakenBackIsGivenUpKeepingItsNameAndNumber) {
  const std::string path = (folder.path() / "spectrum_job.sns").string();
  {
    Program p;
    ToTheBrowser(p, p.main.problemDefinition().chk_spectrum);
    Press(p.main.loadingDb().Cmd_Load_Db_Next);
    Press(p.main.loadingDb().Cmd_Load_Db_OK);
    ASSERT_EQ(p.state.jobTexts.LoadingName, "Gust spectrum") << p.host.Transcript();
    p.host.saveAnswers.push_back(path);
    Choose(p.main.menus().mnu_start(1));
  }
  std::vector<std::string> saved = JobFileRecords(folder.Read("spectrum_job.sns"));
  ASSERT_EQ(saved.size(), 36u);
  ASSERT_EQ(saved[2], " 1  0  2  2  2  1  1  1 ");
  ASSERT_EQ(saved[14], " 1  2 ");
  const Batch history = ldb_fixture::HistoryBatch("Crane history", 9, "120", "-80");
  const struct {
    std::vector<Batch> batches;
    std::vector<std::string> messages;
  } cases[] = {
      {{history},
       {"Can't restore the Loading Data\rThe Loading Database holds no batch 2: the stresses are kept as a "
        "typed-in constant amplitude."}},
      {{history, Batch{}},
       {"Sorry, the data is incomplete!\rSelect other Data Batch or change problem definition...",
        "Can't restore the Loading Data\rBatch 2 was not taken: the stresses are kept as a typed-in constant "
        "amplitude."}},
  };
  for (const auto& c : cases) {
    Put("duvdt.dat", ldb_fixture::DatabaseText(-2, c.batches));
    Program q;
    q.host.openAnswers.push_back(path);
    Choose(q.main.menus().mnu_start(0));
    ASSERT_EQ(q.host.messages.size(), c.messages.size()) << q.host.Transcript();
    for (size_t i = 0; i < c.messages.size(); ++i) EXPECT_EQ(q.host.messages[i].text, c.messages[i]);
    EXPECT_EQ(q.host.messages.back().title, " Opening an Existing Job");
    EXPECT_EQ(q.host.messages.back().icon, MsgIcon::Exclamation);
    EXPECT_EQ(q.state.loadingDbState.LoadingSource, 2);
    EXPECT_EQ(q.state.loadingDbState.SelectedLoadingBatch, 0);
    EXPECT_EQ(q.state.analysisOptions.LoadingType, 3);
    EXPECT_EQ(q.main.dataBox().Loadt.Text(), "Gust spectrum");

    q.host.saveAnswers.push_back((folder.path() / "again.sns").string());
    Choose(q.main.menus().mnu_start(1));
    std::vector<std::string> expected = saved;
    expected[2] = " 1  0  3  2  2  1  1  1 ";
    expected[14] = " 2  2 ";
    EXPECT_EQ(JobFileRecords(folder.Read("again.sns")), expected) << c.messages.size();
  }
}

// Reading the database again while a batch is selected gives the batch up.
TEST_F(LoadingDbRoads, ReadingTheDatabaseAgainGivesUpTheSelectedBatch) {
  Program p;
  LoadingDbPanel& b = p.main.loadingDb();
  DataServicePanel& ds = p.main.dataService();
  ToTheBrowser(p, p.main.problemDefinition().chk_spectrum);
  Press(b.Cmd_Load_Db_Next);
  Press(b.Cmd_Load_Db_OK);
  ASSERT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 2) << p.host.Transcript();
  ASSERT_TRUE(p.main.menus().mnu_Run.Enabled());
  Press(ds.chk_Read_Dbase);
  Press(ds.cmd_data_do);
  EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_FALSE(p.state.wizardFlags.LoadingDataReady);
  EXPECT_FALSE(p.main.menus().mnu_Run.Enabled());
  EXPECT_FALSE(ds.cmd_data_next.Enabled());

  // A folder without a database: the reader says so, and the database read
  // before stays, with its folder, to be browsed.
  const std::filesystem::path empty = folder.path() / "empty";
  std::filesystem::create_directory(empty);
  ds.Dir1.SetPath(empty.string());
  ASSERT_TRUE(ds.chk_Read_Dbase.Value());
  Press(ds.cmd_data_do);
  ASSERT_EQ(p.host.messages.size(), 1u);
  EXPECT_EQ(p.host.messages[0].text, "File not found");
  EXPECT_EQ(p.host.messages[0].title, "Loading Database");
  EXPECT_EQ(p.state.loadingDbState.LoadingBatchCount, 3);
  EXPECT_EQ(p.state.fatigueDbState.DataDirectory[1], loads.string());
  EXPECT_TRUE(ds.chk_Input_Dbase.Value());
  EXPECT_EQ(ds.Dir1.Path(), loads.string());
}

// Select with the input view up: the job is shown with the batch at once
// and the data services close; a strain batch shows Young's modulus.
TEST_F(LoadingDbRoads, SelectWithTheInputViewUpShowsTheJobWithTheBatch) {
  Batch strain = ldb_fixture::SpectrumBatch("Strain gauge", {{"1", "100"}, {"0.5", "900"}}, "420", "210", "1000");
  strain.quantity = "Strain";
  const std::filesystem::path strains = folder.path() / "strains";
  std::filesystem::create_directory(strains);
  std::ofstream(strains / "DUVDT.DAT", std::ios::binary) << ldb_fixture::DatabaseText(-3, {strain});

  Program p;
  LoadingDbPanel& b = p.main.loadingDb();
  DataServicePanel& ds = p.main.dataService();
  MainMenus& menus = p.main.menus();
  SnFramePanel& sn = p.main.snInputs();
  ToTheBrowser(p, p.main.problemDefinition().chk_spectrum);
  Press(b.Cmd_Load_Db_Next);
  Press(b.Cmd_Load_Db_OK);
  Press(ds.cmd_data_next);
  ASSERT_TRUE(sn.frm_SN.IsShowing()) << p.host.Transcript();
  EXPECT_FALSE(sn.SNE.Visible());

  Choose(menus.mnu_loading);
  ds.Dir1.SetPath(strains.string());
  ASSERT_TRUE(ds.chk_Read_Dbase.Value()) << "another folder is offered for reading";
  Press(ds.cmd_data_do);
  ASSERT_EQ(p.state.loadingDbState.LoadingBatchCount, 1) << p.host.Transcript();
  Press(ds.cmd_data_do);
  ASSERT_TRUE(b.frm_Load_Dbase.IsShowing());
  EXPECT_EQ(b.Label11.Caption(), "Strain Spectrum");
  EXPECT_EQ(b.Label13(0).Caption(), "2000.0");  // 420 MPa as micro-strain
  EXPECT_EQ(b.Label10(0).Caption(), "\xC2\xB5str");
  p.host.QueueAnswer(kAnswerYes);
  Press(b.Cmd_Load_Db_OK);
  ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
  EXPECT_EQ(p.host.messages[0].text, "Strain will be transformed into pseudostress.\rContinue?");
  EXPECT_FALSE(b.frm_Load_Dbase.Visible());
  EXPECT_FALSE(ds.frm_data_serv.Visible()) << "the data services close with the input view up";
  EXPECT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 1);
  EXPECT_EQ(p.state.loadingUnits.LoadQuantity, "Strain ");
  EXPECT_TRUE(sn.SNE.IsShowing());
  EXPECT_EQ(sn.SNE.Caption(), "E = 210000  MPa");
  EXPECT_EQ(sn.SNEt.Text(), "210000");
  EXPECT_TRUE(menus.mnu_calculate.Enabled());
  EXPECT_EQ(p.state.resultsDisplay.DamageDisplayMode, -1);
  EXPECT_EQ(p.main.dataBox().Loadt.Text(), "Strain gauge");
  Choose(menus.mnu_calculate);
  EXPECT_TRUE(p.main.dataBox().Result.IsShowing()) << p.host.Transcript();
}

// A spectrum batch's life on show, then Distribution chosen in the problem
// definition and the keyboard declined: the loading is not ready, and the
// spectrum's life, which belongs to no loading the job now has, goes.
TEST_F(LoadingDbRoads, ADistributionDeclinedOverASpectrumHidesTheSpectrumsLife) {
  Program p;
  MainMenus& menus = p.main.menus();
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ToTheBrowser(p, pd.chk_spectrum);
  Press(p.main.loadingDb().Cmd_Load_Db_Next);
  Press(p.main.loadingDb().Cmd_Load_Db_OK);
  Press(p.main.dataService().cmd_data_next);
  Choose(menus.mnu_calculate);
  ASSERT_TRUE(p.main.dataBox().Result.IsShowing()) << p.host.Transcript();
  ASSERT_TRUE(menus.mnu_form.Enabled());

  Choose(menus.mnu_target);
  Press(pd.chk_beta_distrib);
  p.host.QueueAnswer(kAnswerNo);
  Press(pd.cmd_analysis_done);
  ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
  EXPECT_FALSE(p.main.dataBox().Result.Visible());
  EXPECT_FALSE(p.main.results().frm_Dam.Visible());
  EXPECT_FALSE(menus.mnu_form.Enabled());
  EXPECT_FALSE(menus.mnu_report.Enabled());
  EXPECT_FALSE(menus.mnu_Run.Enabled());
}

}  // namespace
