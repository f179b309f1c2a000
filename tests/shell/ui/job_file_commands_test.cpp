#include "shell/ui/job_file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/loading_db_file.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/fatigue_db_file.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/distribution_tag.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "program_state.h"
#include "shell/job_file.h"
#include "shell/job_fixtures.h"
#include "shell/ui/form_main.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/file_size_limit.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"

namespace {

namespace fs = std::filesystem;

// A main window over its own program state.
struct Window {
  explicit Window(std::unique_ptr<ProgramState> s) : state(std::move(s)) {}
  std::unique_ptr<ProgramState> state;
  FakeHost host;
  MessagesOnFailure trace{host};
  FormMain main{*state, host};

  void Save(const std::string& path) {
    host.saveAnswers.push_back(path);
    main.menus().mnu_start(1).click();
  }
  void Open(const std::string& path) {
    host.openAnswers.push_back(path);
    main.menus().mnu_start(0).click();
  }
};

class JobFileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(dir / "materials");
    fs::create_directory(dir / "loads");
  }

  std::string Bytes() const { return file.Get(); }
  void Put(const std::string& bytes) const { file.Put(bytes); }

  // "duvak.dat" in the materials folder: two batches; batch 2 holds three
  // sets, set column 2 with the S-N data of the database job.
  FatigueDatabase WriteMaterialDatabase() {
    FatigueDatabase db;
    for (int i = 1; i <= 2; ++i) {
      db.FdbBatchName[i] = "Batch " + std::to_string(i);
      db.FdbSetCount[i] = i == 2 ? 3 : 1;
      for (int j = 1; j <= db.FdbSetCount[i]; ++j) {
        db.FdbSetName[i][j] = "Set " + std::to_string(j);
        db.FdbSe[i][j] = 160;
        db.FdbNo[i][j] = 5000000;
        db.FdbM[i][j] = 5;
        db.FdbPn[i][j] = 50;
        db.FdbSu[i][j] = 520;
        db.FdbSy[i][j] = 355;
      }
    }
    FatigueDbState st;
    st.DatabaseDir = (dir / "materials").string();
    st.FatigueBatchCount = 2;
    FakeHost quiet;
    EXPECT_TRUE(WriteFatigueDatabase(db, st, quiet)) << quiet.Transcript();
    return db;
  }

  // The database job of the fixtures, its sources in this test's folders.
  std::unique_ptr<ProgramState> DatabaseJob() {
    auto s = DatabaseJobInUsUnits();
    s->fatigueDbState.DataDirectory[2] = (dir / "materials").string();
    s->fatigueDbState.DataDirectory[1] = (dir / "loads").string();
    return s;
  }

  ScopedTempFile file{"job_commands_test", "job.sns"};
  const fs::path& dir = file.folder();
  const std::string& path = file.path();
};

TEST_F(JobFileCommandsTest, SaveAsksForTheFileWithTheJobFilterAndWritesTheJob) {
  Window w(TypedInConstantAmplitudeJob());
  w.main.menus().mnu_start(1).click();  // cancelled
  EXPECT_FALSE(fs::exists(path));
  ASSERT_EQ(w.host.saveRequests.size(), 1u);
  const FileDialogRequest& r = w.host.saveRequests[0];
  EXPECT_EQ(r.filter, "Duvak Job (*.sns)|*.sns");
  EXPECT_EQ(r.flags, 6);
  EXPECT_EQ(r.fileName, "");
  EXPECT_EQ(r.initDir, fs::current_path().string());

  w.Save(path);
  EXPECT_TRUE(w.host.messages.empty());
  std::string error;
  const auto job = ReadJobFile(path, error);
  ASSERT_TRUE(job) << error;
  EXPECT_TRUE(*job == JobFileOf(*w.state));
  EXPECT_EQ(Bytes(), JobFileBytes(JobFileOf(*w.state)));
}

// The batch in use is saved, not the one the browser showed last.
TEST_F(JobFileCommandsTest, SaveKeepsTheSelectedLoadingBatchAfterBrowsingAnother) {
  Window w(DatabaseJob());
  w.state->loadingDbState.BrowsedLoadingBatch = 7;
  w.Save(path);
  std::string error;
  const auto job = ReadJobFile(path, error);
  ASSERT_TRUE(job) << error;
  EXPECT_EQ(job->LoadingBatch, 4);
}

TEST_F(JobFileCommandsTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
  Window w(TypedInConstantAmplitudeJob());
  Put("old job");
  {
    FileSizeLimit limit(100);
    w.Save(path);
  }
  w.Save((dir / "no" / "job.sns").string());
  ASSERT_EQ(w.host.messages.size(), 2u);
  EXPECT_EQ(w.host.messages[0].title, " Saving the Job");
  EXPECT_EQ(w.host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(w.host.messages[1].text, "Path not found");
  EXPECT_EQ(Bytes(), "old job");
}

TEST_F(JobFileCommandsTest, ATypedInJobReopensEqualInEveryRecordWithItsViewAndSettings) {
  Window saver(TypedInConstantAmplitudeJob());
  saver.state->randomVariableTable.RvType[2] = 3;
  saver.state->randomVariableTable.RvCov[2] = 0.2f;
  saver.state->mcsSettings.SimulationCount = 1500;
  saver.Save(path);

  Window w(std::make_unique<ProgramState>());
  w.main.menus().mnu_SI.SetChecked(false);
  w.main.menus().mnu_US.SetChecked(true);
  w.Open(path);
  EXPECT_TRUE(w.host.messages.empty());
  EXPECT_TRUE(JobFileOf(*w.state) == JobFileOf(*saver.state));
  ASSERT_EQ(w.host.openRequests.size(), 1u);
  EXPECT_EQ(w.host.openRequests[0].filter, "Duvak Job (*.sns)|*.sns");
  EXPECT_EQ(w.host.openRequests[0].flags, 6);

  // The input view, the unit check marks, the sample size and the tags.
  EXPECT_EQ(w.main.Caption(), "DUVAK  -  Fatigue Life Analysis Program");
  EXPECT_TRUE(w.main.snInputs().frm_SN.Visible());
  EXPECT_TRUE(w.main.loadingFrames().frm_Spectr.Visible());
  EXPECT_TRUE(w.main.menus().mnu_SI.Checked());
  EXPECT_FALSE(w.main.menus().mnu_US.Checked());
  EXPECT_EQ(w.main.mcsOptions().No_simult.Text(), "1500");
  const RandomVariableTable& t = w.state->randomVariableTable;
  EXPECT_EQ(w.main.snInputs().dN_distr(0).Caption(), FormatDistributionTag(t.RvType[1], t.RvCov[1]));
  EXPECT_EQ(w.main.dataBox().SCF_distr.Caption(), FormatDistributionTag(t.RvType[3], t.RvCov[3]));
  for (int i = 0; i <= 2; ++i)
    EXPECT_EQ(w.main.loadingFrames().load_distr(i).Caption(), FormatDistributionTag(3, 0.2f)) << i;

  // The problem definition's working copies follow the job.
  const AnalysisDialogState& d = w.state->analysisDialogState;
  const AnalysisOptions& a = w.state->analysisOptions;
  EXPECT_EQ(d.DlgAnalysisMode, a.AnalysisMode);
  EXPECT_EQ(d.DlgParameter, a.MasterCurveParameter);
  EXPECT_EQ(d.DlgLoadingType, a.LoadingType);
  EXPECT_EQ(d.DlgMeanStressOption, a.MeanStressOption);
  EXPECT_EQ(d.DlgSNDataSpecimen, a.SNDataSpecimen);
}

// The damage frame's caption names the job's damage display, whatever the
// caption said before Open.
TEST_F(JobFileCommandsTest, TheDamageCaptionNamesTheJobsDisplay) {
  const struct {
    int16_t mode;
    const char* before;
    const char* after;
  } cases[] = {
      {1, "Results:  Damage", "Results:  Cumulative Damage"},
      {0, "Results:  Cumulative Damage", "Results:  Damage"},
      {-1, "Results:  Cumulative Damage", "Results:  Damage"},
  };
  for (const auto& c : cases) {
    Window saver(TypedInConstantAmplitudeJob());
    saver.state->resultsDisplay.DamageDisplayMode = c.mode;
    saver.Save(path);
    Window w(std::make_unique<ProgramState>());
    w.main.results().frm_Dam.SetCaption(c.before);
    w.Open(path);
    EXPECT_TRUE(w.host.messages.empty());
    EXPECT_EQ(w.state->resultsDisplay.DamageDisplayMode, c.mode);
    EXPECT_EQ(w.main.results().frm_Dam.Caption(), c.after) << c.mode;
  }
}

// A job calculated straight after Open uses its own stress approach and
// notch sensitivity, not those of the previous job or none at all.
TEST_F(JobFileCommandsTest, OpenCommitsTheJobsStressApproachAndNotchSensitivity) {
  Window saver(DatabaseJob());
  saver.Save(path);
  Window w(std::make_unique<ProgramState>());
  ASSERT_EQ(w.state->analysisOptions.StressApproach, 0);
  w.Open(path);
  EXPECT_EQ(w.state->analysisOptions.StressApproach, 2);
  EXPECT_EQ(w.state->analysisOptions.NotchSensitivityMode, 2);
  EXPECT_EQ(w.state->analysisOptions.StressApproachTag, "LocS/");
  EXPECT_EQ(w.state->analysisOptions.NotchSensitivityTag, "NS(+)/");
  // The problem definition's working copies follow, so its next OK keeps them.
  EXPECT_EQ(w.state->analysisDialogState.DlgStressApproach, 2);
  EXPECT_EQ(w.state->analysisDialogState.DlgNotchSensitivity, 2);
}

TEST_F(JobFileCommandsTest, ADatabaseJobReadsItsMaterialDatabaseAgain) {
  const FatigueDatabase db = WriteMaterialDatabase();
  Window saver(DatabaseJob());
  saver.Save(path);

  Window w(std::make_unique<ProgramState>());
  w.Open(path);
  const FatigueDbState& f = w.state->fatigueDbState;
  EXPECT_EQ(f.FatigueBatchCount, 2);
  EXPECT_TRUE(w.state->fatigueDatabase == db);
  EXPECT_EQ(f.DataDirectory[2], (dir / "materials").string());
  EXPECT_EQ(f.CurrentSetBatch, 2);
  EXPECT_EQ(f.CurrentFatigueSet, 2);
  EXPECT_TRUE(w.main.menus().mnu_US.Checked());
  EXPECT_FALSE(w.main.menus().mnu_SI.Checked());

  // The loading folder holds no loading database: the reader says so, and
  // the job's stresses stay as a typed-in constant amplitude.
  ASSERT_EQ(w.host.messages.size(), 2u);
  EXPECT_EQ(w.host.messages[0].text, "File not found");
  EXPECT_EQ(w.host.messages[0].title, "Loading Database");
  EXPECT_EQ(w.host.messages[1].text, "Can't restore the Loading Data");
  EXPECT_EQ(w.host.messages[1].title, " Opening an Existing Job");
  JobFile expected = JobFileOf(*saver.state);
  expected.LoadingSource = 2;
  expected.LoadingType = 3;
  // the job's loading name and batch stay for the next save
  EXPECT_TRUE(JobFileOf(*w.state) == expected);
}

TEST_F(JobFileCommandsTest, AJobWhoseMaterialDatabaseIsGoneKeepsItsValuesAsTypedIn) {
  Window saver(DatabaseJob());
  saver.Save(path);
  Window w(std::make_unique<ProgramState>());
  w.Open(path);
  ASSERT_GE(w.host.messages.size(), 2u);
  EXPECT_EQ(w.host.messages.back().text, "Can't restore the Loading Data");
  bool fatigueMessage = false;
  for (const auto& m : w.host.messages) fatigueMessage |= m.text == "Can't restore the Fatigue Data";
  EXPECT_TRUE(fatigueMessage);
  EXPECT_EQ(w.state->materialData.MaterialSource, 2);
  EXPECT_EQ(w.state->materialData.Se, saver.state->materialData.Se);
}

TEST_F(JobFileCommandsTest, TruncatedOrHostileFilesAreRefusedAndChangeNothing) {
  Window saver(TypedInConstantAmplitudeJob());
  saver.Save(path);
  const std::string good = Bytes();
  std::string badLoadingType = good;
  const std::string record3 = " 1  0  3 ";
  const size_t at = badLoadingType.find(record3);
  ASSERT_NE(at, std::string::npos);
  badLoadingType.replace(at, record3.size(), " 1  0  9 ");
  const std::string cases[] = {good.substr(0, good.size() / 2), badLoadingType, "garbage"};
  for (const std::string& bytes : cases) {
    Put(bytes);
    Window w(DatabaseJob());
    const JobFile before = JobFileOf(*w.state);
    const auto dirs = w.state->fatigueDbState.DataDirectory;
    w.Open(path);
    ASSERT_EQ(w.host.messages.size(), 1u) << bytes.substr(0, 40);
    EXPECT_NE(w.host.messages[0].text.find("The job was not opened."), std::string::npos);
    EXPECT_EQ(w.host.messages[0].title, " Opening an Existing Job");
    EXPECT_TRUE(JobFileOf(*w.state) == before);
    EXPECT_EQ(w.state->fatigueDbState.DataDirectory, dirs);
    EXPECT_FALSE(w.main.snInputs().frm_SN.Visible()) << "the view stays as it was";
  }
}

TEST_F(JobFileCommandsTest, UnsavedMaterialDatabaseChangesAreLostOnlyWhenTheUserSaysSo) {
  WriteMaterialDatabase();
  Window saver(DatabaseJob());
  saver.Save(path);

  Window w(std::make_unique<ProgramState>());
  FatigueDatabase edited;
  edited.FdbSetCount[1] = 1;
  edited.FdbBatchName[1] = "Edited, not saved";
  w.state->fatigueDatabase = edited;
  w.state->fatigueDbState.FatigueBatchCount = 1;
  w.state->fatigueDbState.FatigueDbModified = 1;
  const JobFile before = JobFileOf(*w.state);

  w.host.QueueAnswer(kAnswerCancel);
  w.Open(path);
  ASSERT_EQ(w.host.messages.size(), 1u);
  const FakeHost::Message& q = w.host.messages[0];
  EXPECT_EQ(q.text, "Changes in Fatigue Database will be lost.");
  EXPECT_EQ(q.buttons, MsgButtons::OKCancel);
  EXPECT_EQ(q.icon, MsgIcon::Exclamation);
  EXPECT_EQ(q.defaultButton, 2);
  EXPECT_EQ(w.host.beeps, 1);
  EXPECT_TRUE(w.state->fatigueDatabase == edited);
  EXPECT_EQ(w.state->fatigueDbState.FatigueDbModified, 1);
  EXPECT_TRUE(JobFileOf(*w.state) == before);

  w.host.QueueAnswer(kAnswerOK);
  w.Open(path);
  EXPECT_EQ(w.state->fatigueDbState.FatigueBatchCount, 2);
  EXPECT_EQ(w.state->fatigueDbState.FatigueDbModified, 0);
  EXPECT_EQ(w.state->fatigueDatabase.FdbBatchName[1], "Batch 1");
}

TEST_F(JobFileCommandsTest, ATypedInMaterialDoesNotAskAboutTheDatabase) {
  Window saver(TypedInConstantAmplitudeJob());
  saver.Save(path);
  Window w(std::make_unique<ProgramState>());
  w.state->fatigueDbState.FatigueBatchCount = 1;
  w.state->fatigueDbState.FatigueDbModified = 1;
  w.Open(path);
  EXPECT_TRUE(w.host.messages.empty());
  EXPECT_EQ(w.state->fatigueDbState.FatigueDbModified, 1);
}

// The databases read before a job whose material and loading were typed in
// is opened keep their folders: the job's folders are those the job names,
// the data services open on them and offer no browsing there, and Browse
// goes back to the folder of each database.
TEST_F(JobFileCommandsTest, DatabasesReadEarlierKeepTheirFoldersWhenATypedInJobIsOpened) {
  const fs::path jobs = dir / "jobs";
  fs::create_directory(jobs);
  auto typed = TypedInConstantAmplitudeJob();
  typed->fatigueDbState.DataDirectory[1] = typed->fatigueDbState.DataDirectory[2] = jobs.string();
  Window saver(std::move(typed));
  saver.Save(path);
  WriteMaterialDatabase();
  ldb_fixture::PutThreeBatches(dir / "loads");

  Window w(std::make_unique<ProgramState>());
  ProgramState& s = *w.state;
  FatigueDbState& st = s.fatigueDbState;
  st.DatabaseDir = (dir / "materials").string();
  ASSERT_TRUE(ReadFatigueDatabase(s.fatigueDatabase, st, w.host));
  st.DatabaseDir = (dir / "loads").string();
  ASSERT_TRUE(ReadLoadingDatabase(s, w.host));
  w.Open(path);
  ASSERT_TRUE(w.host.messages.empty()) << w.host.Transcript();
  EXPECT_EQ(st.DataDirectory[1], jobs.string());
  EXPECT_EQ(st.DataDirectory[2], jobs.string());
  EXPECT_EQ(st.FatigueDbOwnFolder, (dir / "materials").string());
  EXPECT_EQ(s.loadingDbState.LoadingDbOwnFolder, (dir / "loads").string());
  EXPECT_EQ(JobFileBytes(JobFileOf(s)), Bytes()) << "saved again, the job names its own folders";

  DataServicePanel& ds = w.main.dataService();
  for (MenuItem* command : {&w.main.menus().mnu_loading, &w.main.menus().mnu_fatigue}) {
    SCOPED_TRACE(command->Caption());
    command->click();
    EXPECT_EQ(fs::path(ds.Dir1.Path()), jobs);
    EXPECT_TRUE(ds.chk_Read_Dbase.Value());
    EXPECT_TRUE(ds.chk_Input_Dbase.Enabled());
    ds.chk_Input_Dbase.click();
    EXPECT_EQ(fs::path(ds.Dir1.Path()), dir / (command == &w.main.menus().mnu_loading ? "loads" : "materials"));
    EXPECT_TRUE(ds.chk_Input_Dbase.Value());
    ds.cmd_data_cancel.click();
  }
}

TEST_F(JobFileCommandsTest, ExitUnloadsTheMainWindow) {
  Window w(std::make_unique<ProgramState>());
  w.host.onModal = [&] { w.main.dialog().Dialog_OKButton.click(); };  // accept the warranty
  w.main.Load();
  ASSERT_TRUE(w.main.IsLoaded());
  w.main.menus().mnu_start(2).click();
  EXPECT_FALSE(w.main.IsLoaded());
}

// A job whose loading is a long history is opened in pieces that let the
// window answer: Open, Save or Exit chosen meanwhile, or the window closed,
// does nothing but beep, and the job opens whole as it was saved.
TEST_F(JobFileCommandsTest, FileCommandsChosenWhileAJobIsOpenedDoNothing) {
  constexpr int n = 20000;
  const fs::path loads = dir / "loads";
  std::ofstream(loads / "duvdt.dat", std::ios::binary)
      << ldb_fixture::DatabaseText(-2, {ldb_fixture::HistoryBatch("Long history", n, "499", "-500")});
  std::string history = "Long\r\n " + std::to_string(n) + " \r\n 4 \r\n -500 \r\n";
  for (int j = 2; j <= n; ++j) history += " " + std::to_string(j % 1000 - 500) + " \r\n";
  std::ofstream(loads / "duvhs.1", std::ios::binary) << history;
  auto job = TypedInConstantAmplitudeJob();
  job->analysisOptions.LoadingType = 1;
  job->loadingDbState.LoadingSource = 1;
  job->loadingDbState.SelectedLoadingBatch = job->loadingDbState.BrowsedLoadingBatch = 1;
  job->fatigueDbState.DataDirectory[1] = loads.string();
  job->jobTexts.LoadingName = "Long history";
  const std::string other = (dir / "other.sns").string();
  {
    FakeHost quiet;
    ASSERT_TRUE(SaveJobFile(path, *job, quiet));
    job->jobTexts.JobSubject = "Another job";
    job->loadingDbState.LoadingSource = 2;
    ASSERT_TRUE(SaveJobFile(other, *job, quiet));
  }

  struct Case {
    const char* what;
    int item;  // of the File menu; -1 closes the window
  };
  const Case cases[] = {{"Open", 0}, {"Save", 1}, {"Exit", 2}, {"window closed", -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Program p;
    p.host.yieldIntervalMs = 0;
    bool chosen = false;
    p.host.onDoEvents = [&] {
      // The reader has taken the history file's record time: its values are being read.
      if (p.state.loadingDatabase.BatchBlockTime[1] != 4.0f || chosen) return;
      chosen = true;
      p.host.openAnswers.push_back(other);
      p.host.saveAnswers.push_back((dir / "saved.sns").string());
      if (c.item < 0)
        p.main.close();
      else
        Choose(p.main.menus().mnu_start(c.item));
    };
    p.host.openAnswers.push_back(path);
    Choose(p.main.menus().mnu_start(0));
    p.host.onDoEvents = nullptr;
    EXPECT_TRUE(chosen);
    EXPECT_EQ(p.host.beeps, 1);
    EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    EXPECT_EQ(p.host.openRequests.size(), 1u);
    EXPECT_TRUE(p.host.saveRequests.empty());
    EXPECT_FALSE(fs::exists(dir / "saved.sns"));
    EXPECT_EQ(p.programEnds, 0);
    EXPECT_TRUE(p.main.IsLoaded());
    EXPECT_EQ(p.state.jobTexts.JobSubject, "Shaft shoulder");
    EXPECT_EQ(p.state.loadingDbState.LoadingSource, 1);
    EXPECT_EQ(p.state.loadingData.SelectedHistoryLength, n);
    // Afterwards the commands act again.
    p.host.saveAnswers.clear();
    p.host.saveAnswers.push_back((dir / "saved.sns").string());
    Choose(p.main.menus().mnu_start(1));
    EXPECT_TRUE(fs::exists(dir / "saved.sns"));
    fs::remove(dir / "saved.sns");
  }
}

}  // namespace
