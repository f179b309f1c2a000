// Jobs through the file dialogs, by real input: a job whose distribution no
// box would take opened, and the boxes and Calculate refusing what they
// would not take; a history batch used as constant amplitude saved, and a
// program started again opening it as it was saved; a job whose batch the
// database no longer holds opened and saved again under its name and batch;
// a job saved after the database was read again opened with its batch; a
// job of 32 records with notes after it opened as before; a job whose
// endurance limit no box would take refused on Open with the reason.

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_road_fixtures.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "real_input/loading_batch_road.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "shell/job_file_format.h"
#include "shell/job_file_records.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

// The last message box that came up, once every queued answer is used.
Shown LastMessage(const User& user) {
  EXPECT_TRUE(user.AllAnswered()) << "a message did not come up";
  const std::vector<Shown> m = user.Messages();
  return m.empty() ? Shown{} : m.back();
}

// A job whose distribution no box would take is opened; a typed number
// beyond its field is refused with the bound it passes; chosen as a
// distribution, Calculate refuses Q and R with their boxes' refusals and
// opens the boxes, and calculates once they are typed.
TEST(JobRoads, BoxesAndCalculateRefuseWhatNoBoxWouldTake) {
  RealProgram p("job_refusals", [](const std::filesystem::path& folder) {
    SaveJobWithoutDistribution((folder / "kept.sns").string());
  });
  User& user = p.user;
  FormMain& main = p.main;
  p.watchdog.Step("opening the job");
  ASSERT_NO_FATAL_FAILURE(OpenJob(p, p.folder.path() / "kept.sns"));
  ASSERT_TRUE(main.snInputs().frm_SN.IsShowing());
  ASSERT_TRUE(user.Messages().empty());

  p.watchdog.Step("a stress beyond every field");
  LoadingFramesPanel& lf = main.loadingFrames();
  user.Click(lf.SSmax(0));
  ASSERT_TRUE(lf.SSmaxt(0).HasFocus());
  user.AnswerMessage("OK");
  user.TypeOver("1e39");
  user.Key(Qt::Key_Tab);
  Shown m = LastMessage(user);
  EXPECT_EQ(m.text, "Sorry, Data Incorrect! (SS too big)");
  EXPECT_EQ(m.title, "Stress Amplitude (SS)");
  EXPECT_TRUE(lf.SSmaxt(0).HasFocus());
  EXPECT_EQ(lf.SSmaxt(0).Text(), "50.0");
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 100.0f);
  user.AnswerMessage("OK");
  user.TypeOver("-1e39");
  user.Key(Qt::Key_Tab);
  EXPECT_EQ(LastMessage(user).text, "Sorry, Data Incorrect! (SS < 0)");
  user.Click(lf.Pic_Spectr);  // left untouched: nothing is asked

  p.watchdog.Step("a distribution");
  user.Choose(main.menus().mnu_target);
  ProblemDefinitionPanel& pd = main.problemDefinition();
  user.Click(pd.chk_beta_distrib);
  user.Click(pd.cmd_analysis_done);
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  ASSERT_EQ(user.Messages().size(), 2u);

  p.watchdog.Step("Calculate refusing Q and R");
  for (const DistributionRefusal& r : DistributionRefusals(lf)) {
    user.AnswerMessage("OK");
    user.Choose(main.menus().mnu_calculate);
    m = LastMessage(user);
    EXPECT_EQ(m.text, r.text);
    EXPECT_EQ(m.title, r.title);
    EXPECT_FALSE(main.dataBox().Result.Visible());
    EXPECT_EQ(QApplication::focusWidget(), r.box.widget()) << "the box is open for typing";
    user.TypeOver(r.typed);
    user.Click(lf.Pic_Distr);  // "Click here to redraw the distribution"
  }
  const size_t refused = user.Messages().size();
  user.Choose(main.menus().mnu_calculate);
  EXPECT_EQ(user.Messages().size(), refused);
  EXPECT_TRUE(main.dataBox().Result.IsShowing());
  EXPECT_EQ(p.state.loadingData.DistQInput, 2.0f);
  EXPECT_EQ(p.state.loadingData.DistRInput, 5.0f);
}

// A history batch taken for a history, then used as constant amplitude over
// the load level, is saved; the program started again opens the job with
// the batch, its name and its stresses, and without a word.
TEST(JobRoads, AHistoryUsedAsConstantAmplitudeReopensAsSaved) {
  RealProgram p("job_saved", ldb_fixture::PutThreeBatches);
  User& user = p.user;
  FormMain& main = p.main;
  ProblemDefinitionPanel& pd = main.problemDefinition();
  BrowseTheLoadingDatabase(p, pd.chk_history);
  p.watchdog.Step("the history batch");
  user.Click(main.loadingDb().Cmd_Load_Db_OK);
  user.Click(main.dataService().cmd_data_next);
  ASSERT_TRUE(main.snInputs().frm_SN.IsShowing());

  p.watchdog.Step("constant amplitude over the load level");
  user.Choose(main.menus().mnu_target);
  user.Click(pd.chk_master);
  user.Click(pd.chk_load);
  user.Click(pd.chk_constant);
  user.Click(pd.cmd_analysis_done);
  LoadingFramesPanel& lf = main.loadingFrames();
  user.Click(lf.SSmax(1));
  user.TypeOver("40");
  user.Click(lf.Pic_Spectr);
  user.Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(main.results().frm_master.IsShowing());

  p.watchdog.Step("saving the job");
  const std::string path = (p.folder.path() / "crane.sns").string();
  ASSERT_NO_FATAL_FAILURE(SaveJob(p, path));
  ASSERT_TRUE(user.Messages().empty());
  const JobFile saved = JobFileOf(p.state);
  ASSERT_EQ(saved.LoadingType, 3);
  ASSERT_EQ(saved.LoadingSource, 1);
  user.Choose(main.menus().mnu_start(2));  // Exit
  ASSERT_FALSE(main.Visible());

  RealProgram again("job_saved_again");
  again.watchdog.Step("opening the saved job");
  ASSERT_NO_FATAL_FAILURE(OpenJob(again, path));
  EXPECT_TRUE(again.user.Messages().empty());
  EXPECT_TRUE(JobFileOf(again.state) == saved);
  EXPECT_EQ(again.state.loadingDbState.SelectedLoadingBatch, 1);
  EXPECT_EQ(again.state.loadingData.HistoryPoints, p.state.loadingData.HistoryPoints);
  EXPECT_EQ(again.main.dataBox().Loadt.Text(), "Crane history");
}

// A spectrum batch is taken and the job saved; the batch then goes from the
// database. The program started again opens the job with the message that
// says why the batch is not taken back; the stresses stay as a typed-in
// constant amplitude under the job's loading name, and saved again the job
// keeps its name and its batch: only the loading type (record 3) and the
// source (record 15) say that the loading is now typed in.
TEST(JobRoads, AJobWhoseBatchIsGoneKeepsItsNameAndBatchWhenSavedAgain) {
  RealProgram p("job_batch_kept", ldb_fixture::PutThreeBatches);
  User& user = p.user;
  FormMain& main = p.main;
  TakeTheGustSpectrum(p);
  ASSERT_EQ(main.dataBox().Loadt.Text(), "Gust spectrum");

  p.watchdog.Step("saving the job");
  const std::string first = (p.folder.path() / "gust.sns").string();
  ASSERT_NO_FATAL_FAILURE(SaveJob(p, first));
  const std::vector<std::string> saved = JobFileRecords(p.folder.Read("gust.sns"));
  ASSERT_EQ(saved.size(), 36u);
  ASSERT_EQ(saved[2], " 1  0  2  2  2  1  1  1 ");
  ASSERT_EQ(saved[13], "Gust spectrum");
  ASSERT_EQ(saved[14], " 1  2 ");
  user.Choose(main.menus().mnu_start(2));  // Exit
  p.folder.Write("duvdt.dat", ldb_fixture::DatabaseText(-2, {ldb_fixture::HistoryBatch("Crane history", 9, "120",
                                                                                         "-80")}));

  RealProgram again("job_batch_kept_again");
  again.watchdog.Step("opening the job");
  again.user.AnswerFileDialog(first);
  again.user.AnswerMessage("OK");
  again.user.Choose(again.main.menus().mnu_start(0));
  ASSERT_TRUE(again.user.AllAnswered());
  ASSERT_EQ(again.user.Messages().size(), 1u);
  EXPECT_EQ(again.user.Messages()[0].text,
            "Can't restore the Loading Data\nThe Loading Database holds no batch 2: the stresses are kept as a "
            "typed-in constant amplitude.");
  EXPECT_EQ(again.main.dataBox().Loadt.Text(), "Gust spectrum");

  again.watchdog.Step("saving it again");
  ASSERT_NO_FATAL_FAILURE(SaveJob(again, again.folder.path() / "again.sns"));
  const std::vector<std::string> resaved = JobFileRecords(again.folder.Read("again.sns"));
  ASSERT_EQ(resaved.size(), 36u);
  EXPECT_EQ(resaved[2], " 1  0  3  2  2  1  1  1 ") << "constant amplitude";
  EXPECT_EQ(resaved[13], "Gust spectrum");
  EXPECT_EQ(resaved[14], " 2  2 ") << "typed in, the batch kept";
}

// A spectrum batch is taken; then the loading database is read again in
// the data services, which gives the batch up until one is taken again, and
// browsed without a Select. The job saved then opens in a program started
// again, without a word, with the batch it was saved with.
TEST(JobRoads, AJobSavedAfterTheDatabaseWasReadAgainReopensWithItsBatch) {
  RealProgram p("job_read_again", ldb_fixture::PutThreeBatches);
  User& user = p.user;
  FormMain& main = p.main;
  DataServicePanel& ds = main.dataService();
  TakeTheGustSpectrum(p);

  p.watchdog.Step("reading the database again");
  user.Choose(main.menus().mnu_loading);
  user.Click(ds.chk_Read_Dbase);
  user.Click(ds.cmd_data_do);
  ASSERT_EQ(p.state.loadingDbState.SelectedLoadingBatch, 0);
  ASSERT_FALSE(ds.cmd_data_next.Enabled());
  user.Click(ds.cmd_data_do);  // browse it: batch 1 on show
  user.Click(main.loadingDb().Cmd_Load_Db_Cancel);
  ASSERT_FALSE(ds.frm_data_serv.Visible());

  p.watchdog.Step("saving the job");
  const std::string path = (p.folder.path() / "gust.sns").string();
  ASSERT_NO_FATAL_FAILURE(SaveJob(p, path));
  ASSERT_TRUE(user.Messages().empty());
  EXPECT_EQ(JobFileRecords(p.folder.Read("gust.sns"))[14], " 1  2 ");
  user.Choose(main.menus().mnu_start(2));  // Exit

  RealProgram again("job_read_again_reopened");
  again.watchdog.Step("opening the job");
  ASSERT_NO_FATAL_FAILURE(OpenJob(again, path));
  EXPECT_TRUE(again.user.Messages().empty()) << again.user.Messages()[0].text;
  EXPECT_EQ(again.state.loadingDbState.SelectedLoadingBatch, 2);
  EXPECT_EQ(again.state.loadingDbState.LoadingSource, 1);
  EXPECT_EQ(again.state.analysisOptions.LoadingType, 2);
  EXPECT_EQ(again.state.loadingData.SpectrumLevelCount, 3);
  EXPECT_EQ(again.main.dataBox().Loadt.Text(), "Gust spectrum");
  EXPECT_TRUE(again.main.menus().mnu_calculate.Enabled());
}

// The job as files held it before the notch radius was kept: records 1 to 32.
JobFile Of32Records(JobFile job) {
  job.NotchRadius.reset();
  job.EnduranceLimitEnds.reset();
  job.Distribution.reset();
  return job;
}

// A constant amplitude of 80 MPa is calculated and saved as a file of 32
// records with the engineer's notes after it. A program started again opens
// it without a word (the notes are not the job's) and calculates the same
// life; saved again it holds the records of this version and opens again.
TEST(JobRoads, AJobOf32RecordsWithNotesAfterItOpensAsBefore) {
  RealProgram p("job_with_notes");
  User& user = p.user;
  LoadingFramesPanel& lf = p.main.loadingFrames();
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  user.Retype(lf.SSmaxt(0), "80");
  user.Click(lf.Pic_Spectr);
  user.Choose(p.main.menus().mnu_calculate);
  const std::string life = p.main.dataBox().Result.Caption();
  ASSERT_FALSE(life.empty());
  p.folder.Write("noted.sns", JobFileBytes(Of32Records(JobFileOf(p.state))) +
                                  "Checked by H. M.: 3 shafts, see drawing 4711\r\n");
  const std::string path = (p.folder.path() / "noted.sns").string();
  user.Choose(p.main.menus().mnu_start(2));  // Exit

  RealProgram again("job_with_notes_opened");
  again.watchdog.Step("opening the job with notes");
  ASSERT_NO_FATAL_FAILURE(OpenJob(again, path));
  ASSERT_TRUE(again.user.Messages().empty()) << again.user.Messages()[0].text;
  again.user.Choose(again.main.menus().mnu_calculate);
  EXPECT_EQ(again.main.dataBox().Result.Caption(), life);

  again.watchdog.Step("saved again and opened");
  const std::filesystem::path resaved = again.folder.path() / "resaved.sns";
  ASSERT_NO_FATAL_FAILURE(SaveJob(again, resaved));
  EXPECT_EQ(JobFileRecords(FileBytes(resaved)).size(), 36u);
  ASSERT_NO_FATAL_FAILURE(OpenJob(again, resaved));
  EXPECT_TRUE(again.user.Messages().empty()) << again.user.Messages()[0].text;
  again.user.Choose(again.main.menus().mnu_calculate);
  EXPECT_EQ(again.main.dataBox().Result.Caption(), life);
}

// A master curve over the endurance limit is saved as a file of 32 records
// whose Se was edited to 0: Open refuses it with the reason, and the job on
// show stays as it was (before, it opened and its own save was refused when
// opened again).
TEST(JobRoads, AnEnduranceLimitThatNoBoxTakesIsRefusedOnOpen) {
  RealProgram p("job_se_0");
  User& user = p.user;
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  user.Click(pd.chk_master);
  user.Click(pd.chk_end_limit);
  user.Click(pd.Cmd_analysis_next);
  SnFramePanel& sn = p.main.snInputs();
  user.Retype(sn.SNset(1), "80");
  user.Click(sn.Pic_SN);
  user.Retype(sn.SNset(0), "40");
  user.Click(sn.Pic_SN);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  JobFile edited = Of32Records(JobFileOf(p.state));
  edited.Se = 0;
  p.folder.Write("se_0.sns", JobFileBytes(edited));
  const JobFile before = JobFileOf(p.state);

  p.watchdog.Step("opening the edited job");
  user.AnswerFileDialog((p.folder.path() / "se_0.sns").string());
  user.AnswerMessage("OK");
  user.Choose(p.main.menus().mnu_start(0));
  ASSERT_TRUE(user.AllAnswered());
  const Shown m = LastMessage(user);
  EXPECT_EQ(m.text,
            "The job file holds an invalid value:\nendurance limit from 0 to 0 (expected above 0, the lower end "
            "first)\nThe job was not opened.");
  EXPECT_EQ(m.title, " Opening an Existing Job");
  EXPECT_TRUE(JobFileOf(p.state) == before);
}

}  // namespace
}  // namespace real_input
