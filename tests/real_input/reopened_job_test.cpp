// Jobs saved and opened again in a program started anew, by real input: the
// damage frame's caption names the job's damage display after Open, from
// the start screen and over the input view; a job saved after the results
// view left its probability level at an end of its range opens; a job
// opened over the master-curve screen shows its own input view; Open draws
// the diagrams and the summary once; the notch boxes have the same width
// after Open as after typing.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
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
#include "material/steel_sets.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/qt/image_surface.h"
#include "montecarlo/mcs_fixtures.h"
#include "real_input/loading_batch_road.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "shell/job_file_format.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

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
  TakeTheGustSpectrum(p);
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

// Two results the user has: lives spread over eight decades, every one
// failing, and 20000 lives of which only 15 fail. In the results view the
// first, under the Weibull fit, gets a life beyond every failure, so that
// the view shows "Pf >" 1 (the level clipped to 0); in the second a Pf above
// the share of failures is corrected to a Pf below 1. Each job saved then
// opens in a program started anew, with the level as it was saved (to the
// 15 digits the file keeps).
TEST(ReopenedJob, AJobSavedAtAnEndOfTheProbabilityLevelOpens) {
  RealProgram p("probability_level_saved", [](const std::filesystem::path& folder) {
    std::ofstream(folder / "spread.psn", std::ios::binary) << ResultsSpreadOverEightDecades();
    std::ofstream(folder / "rare.psn", std::ios::binary) << ResultsOfRareFailures();
  });
  User& user = p.user;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  user.Click(main.problemDefinition().chk_end_limit);  // probabilistic: the results menu
  user.Click(main.problemDefinition().Cmd_analysis_next);

  const struct {
    const char* results;
    const char* fit;  // chosen from the fit label's popup, or none
    int box;          // the results box typed into
    const char* typed;
    const char* pf;  // what the Pf box then shows
  } cases[] = {
      {"spread.psn", "Fit:  Weibull ", 1, "1e30", "1.00E+0"},
      {"rare.psn", nullptr, 0, "0.001", "7.50E-4"},
  };
  std::vector<std::pair<std::string, double>> saved;
  for (const auto& c : cases) {
    p.watchdog.Step(std::string("the results of ") + c.results);
    user.AnswerFileDialog((p.folder.path() / c.results).string());
    user.AnswerMessage("OK");  // the summary of the lives
    user.Choose(main.menus().mnu_MCSres_O);
    ASSERT_TRUE(user.AllAnswered());
    ASSERT_TRUE(show.Visible());
    if (c.fit) {
      user.AnswerPopup(c.fit);
      user.Click(show.Res_prob(1), Qt::RightButton);
      user.Wait(50);
    }
    // Refused with a corrected value, which Enter then commits.
    user.AnswerMessage("OK");
    user.Retype(show.Res_probT(c.box), c.typed);
    user.Key(Qt::Key_Return);
    ASSERT_TRUE(user.AllAnswered());
    user.Key(Qt::Key_Return);
    EXPECT_EQ(ShownText(show.Res_probT(0)), c.pf) << c.results;
    const double level = p.state.mcsResults.ProbabilityLevel;
    EXPECT_TRUE(level >= 0.0 && level < 1.0) << c.results << ": " << level;
    user.Choose(show.mnu_back);
    const std::string job = (p.folder.path() / (std::string(c.results) + ".sns")).string();
    SaveJob(p, job);
    saved.emplace_back(job, level);
  }
  EXPECT_DOUBLE_EQ(saved[0].second, 0.0) << "every life fails before the life asked for";

  RealProgram again("probability_level_opened");
  for (const auto& [job, level] : saved) {
    again.watchdog.Step("opening " + job);
    const size_t before = again.user.Messages().size();
    OpenJob(again, job);
    EXPECT_EQ(again.user.Messages().size(), before) << job << ": " << again.user.Messages().back().text;
    EXPECT_NEAR(again.state.mcsResults.ProbabilityLevel, level, 1e-12) << job;  // to 15 digits
  }
}

// A job opened over the master-curve screen shows its own input view: a
// typed-in job (no batch taken again to draw it), its endurance limit on the
// S-N diagram and in the job summary, and "Check/Change &Input Data..." off,
// as the input view has it.
TEST(ReopenedJob, AJobOpenedOverTheMasterCurveScreenShowsItsInputView) {
  UsersFolders folders;
  const std::filesystem::path typedIn = folders.File("typed_in.sns");
  {
    RealProgram p("made", {}, 120, folders.root.path());
    p.user.Click(p.main.problemDefinition().Cmd_analysis_next);
    SnFramePanel& sn = p.main.snInputs();
    p.user.Retype(sn.SNset(0), "60");
    p.user.Click(sn.Pic_SN);
    ASSERT_NO_FATAL_FAILURE(SaveJob(p, typedIn));
  }
  RealProgram p("opened", {}, 120, folders.root.path());
  User& user = p.user;
  FormMain& main = p.main;
  p.watchdog.Step("a master curve calculated");
  user.Click(main.problemDefinition().chk_master);
  user.Click(main.problemDefinition().Cmd_analysis_next);
  LoadingFramesPanel& lf = main.loadingFrames();
  user.Retype(lf.SSmaxt(0), "120");
  user.Click(lf.Pic_Spectr);
  user.Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(main.results().frm_master.IsShowing());

  p.watchdog.Step("the typed-in job opened");
  ASSERT_NO_FATAL_FAILURE(OpenJob(p, typedIn));
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  EXPECT_FALSE(main.results().frm_master.IsShowing());
  EXPECT_TRUE(main.snInputs().frm_SN.IsShowing());
  EXPECT_EQ(main.snInputs().SNSe(0).Caption(), "Se = " + std::string(10, ' ') + "60.0  MPa");
  EXPECT_FALSE(main.snInputs().SNset(1).IsShowing()) << "the master curve's upper Se";
  EXPECT_FALSE(main.menus().mnu_calculations.Enabled());
}

// A master curve over the endurance limit of the set S235 (Se 80 MPa), its
// upper end typed (which keeps the set): saved and opened again in the same
// program, where the set is taken again from the database, it runs over the
// same range and calculates the same points.
TEST(ReopenedJob, AMasterCurveOverTheEnduranceLimitOfASetKeepsItsRangeOverTheSet) {
  UsersFolders folders;
  RealProgram p("set_range", {}, 120, folders.root.path());
  User& user = p.user;
  FormMain& main = p.main;
  ProblemDefinitionPanel& pd = main.problemDefinition();
  user.Click(pd.chk_master);
  user.Click(pd.chk_end_limit);
  user.Click(pd.Cmd_analysis_next);
  ASSERT_NO_FATAL_FAILURE(TakeS235(p, folders));
  SnFramePanel& sn = main.snInputs();
  user.Retype(sn.SNset(1), "120");
  user.Click(sn.Pic_SN);
  user.Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(main.results().frm_master.IsShowing());
  const LifeResults calculated = p.state.lifeResults;

  p.watchdog.Step("saved and opened again");
  const std::filesystem::path job = folders.File("set_range.sns");
  ASSERT_NO_FATAL_FAILURE(SaveJob(p, job));
  ASSERT_NO_FATAL_FAILURE(OpenJob(p, job));
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  EXPECT_EQ(p.state.materialData.MaterialSource, 1);
  EXPECT_EQ(p.state.materialData.SeFrom, 160.0f);
  EXPECT_EQ(p.state.materialData.SeTo, 240.0f);
  EXPECT_EQ(ShownText(sn.SNset(1)), "120.0");
  user.Choose(main.menus().mnu_calculate);
  ASSERT_TRUE(main.results().frm_master.IsShowing());
  EXPECT_EQ(p.state.lifeResults.MasterParam, calculated.MasterParam);
  EXPECT_EQ(p.state.lifeResults.MasterLife, calculated.MasterLife);
}

// Counts what is drawn on a picture while it lives, by the picture's
// image after each change: `clears`, the changes that leave the whole
// picture one colour, and `drawings`, the clears that follow something
// drawn (a diagram may clear its picture twice as it starts).
class DrawingsOn {
 public:
  explicit DrawingsOn(PictureBox& picture)
      : surface_(dynamic_cast<ImageSurface*>(&picture.surface())), widget_(picture.widget()) {
    surface_->SetChangeListener([this] {
      widget_->update();
      const bool blank = Blank();
      clears += blank;
      drawings += blank && !blank_;
      blank_ = blank;
    });
  }
  ~DrawingsOn() {
    surface_->SetChangeListener([w = widget_] { w->update(); });
  }
  DrawingsOn(const DrawingsOn&) = delete;
  DrawingsOn& operator=(const DrawingsOn&) = delete;
  int clears = 0, drawings = 0;

 private:
  bool Blank() const {
    const QImage& image = surface_->image();
    if (image.isNull()) return true;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != first) return false;
    return true;
  }
  ImageSurface* surface_;
  QWidget* widget_;
  bool blank_ = false;
};

// A job of each kind of loading batch, on the set S235, opened over its own
// input view: the loading diagram, the S-N diagram and the summary are each
// drawn once, as the job's input view, not before as the batch and the set
// are taken again.
TEST(ReopenedJob, OpenDrawsTheDiagramsAndTheSummaryOnce) {
  UsersFolders folders;
  const struct {
    const char* name;
    OptionButton& (*type)(ProblemDefinitionPanel&);
    int batch;
    PictureBox& (*diagram)(LoadingFramesPanel&);
  } jobs[] = {
      {"history", [](ProblemDefinitionPanel& pd) -> OptionButton& { return pd.chk_history; }, 1,
       [](LoadingFramesPanel& lf) -> PictureBox& { return lf.Pic_Hist; }},
      {"spectrum", [](ProblemDefinitionPanel& pd) -> OptionButton& { return pd.chk_spectrum; }, 2,
       [](LoadingFramesPanel& lf) -> PictureBox& { return lf.Pic_Spectr; }},
      {"distribution", [](ProblemDefinitionPanel& pd) -> OptionButton& { return pd.chk_beta_distrib; }, 3,
       [](LoadingFramesPanel& lf) -> PictureBox& { return lf.Pic_Distr; }},
  };
  for (const auto& job : jobs) {
    SCOPED_TRACE(job.name);
    RealProgram p(job.name, {}, 120, folders.root.path());
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, job.type(p.main.problemDefinition()), job.batch));
    ASSERT_NO_FATAL_FAILURE(TakeS235(p, folders));
    const std::filesystem::path file = folders.File(std::string(job.name) + ".sns");
    ASSERT_NO_FATAL_FAILURE(SaveJob(p, file));

    DrawingsOn loading(job.diagram(p.main.loadingFrames())), sn(p.main.snInputs().Pic_SN),
        summary(p.main.dataBox().pic_DBox);
    ASSERT_NO_FATAL_FAILURE(OpenJob(p, file));
    ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
    EXPECT_EQ(loading.drawings, 1) << "the loading diagram";
    EXPECT_EQ(sn.drawings, 1) << "the S-N diagram";
    // The summary's rows are controls over a picture that stays blank.
    EXPECT_EQ(summary.clears, 1) << "the summary";
  }
}

// The Kt and notch-radius boxes of the summary, typed and then opened in a
// program started anew: each as wide as its text, as after typing.
TEST(ReopenedJob, TheNotchBoxesHaveTheirWidthAfterOpenAsAfterTyping) {
  UsersFolders folders;
  const std::filesystem::path file = folders.File("notch.sns");
  float typedKt = 0, typedRadius = 0;
  {
    RealProgram p("made", {}, 120, folders.root.path());
    ProblemDefinitionPanel& pd = p.main.problemDefinition();
    p.user.Click(pd.chk_unnotch);
    p.user.Click(pd.chk_ns_account);
    p.user.Click(pd.Cmd_analysis_next);
    DataBoxPanel& box = p.main.dataBox();
    p.user.Retype(box.SCFt(0), "2.5");
    p.user.Click(box.pic_DBox);
    p.user.Retype(box.Reliabt, "0.2");
    p.user.Click(box.pic_DBox);
    ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
    typedKt = box.SCFt(0).Width();
    typedRadius = box.Reliabt.Width();
    ASSERT_NO_FATAL_FAILURE(SaveJob(p, file));
  }
  RealProgram p("opened", {}, 120, folders.root.path());
  ASSERT_NO_FATAL_FAILURE(OpenJob(p, file));
  DataBoxPanel& box = p.main.dataBox();
  EXPECT_EQ(ShownText(box.SCFt(0)), "2.5");
  EXPECT_EQ(box.SCFt(0).Width(), typedKt);
  EXPECT_EQ(box.Reliabt.Width(), typedRadius);
}

// A job on the set S235 (m 4) with the S-N extension typed over the set's
// (m' 6), opened after the database gave S235 the exponent 5: in a program
// started anew and in one that browsed the database before alike, the set is
// in use again and the job calculates with the values it was saved with.
TEST(ReopenedJob, AJobOnASetOpensWithItsOwnValuesWhateverWasBrowsedBefore) {
  UsersFolders folders;
  const std::filesystem::path file = folders.File("extension.sns");
  {
    RealProgram p("made", {}, 120, folders.root.path());
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_spectrum, 2));
    ASSERT_NO_FATAL_FAILURE(TakeS235(p, folders));
    DataBoxPanel& box = p.main.dataBox();
    for (auto [b, value] : {std::pair<TextBox*, const char*>{&box.ExtSNt(0), "0.5"}, {&box.ExtSNt(1), "6"}}) {
      p.user.Retype(*b, value);
      p.user.Click(box.pic_DBox);
    }
    ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
    ASSERT_NO_FATAL_FAILURE(SaveJob(p, file));
  }
  std::filesystem::remove(folders.root.path() / "materials" / "duvak.dat");
  WriteSteelsDatabase(folders.root.path() / "materials", "", [](FatigueDatabase& db) { db.FdbM[1][2] = 5; });
  for (const bool browsedBefore : {false, true}) {
    SCOPED_TRACE(browsedBefore ? "the database browsed before" : "started anew");
    RealProgram p("opened", {}, 120, folders.root.path());
    if (browsedBefore) {
      p.user.Click(p.main.problemDefinition().Cmd_analysis_next);
      ASSERT_NO_FATAL_FAILURE(TakeMaterialSet(p, folders, 0));
    }
    ASSERT_NO_FATAL_FAILURE(OpenJob(p, file));
    ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
    const MaterialData& md = p.state.materialData;
    EXPECT_EQ(md.MaterialSource, 1);
    EXPECT_EQ(p.state.fatigueDatabase.FdbM[1][2], 5.0f);
    EXPECT_EQ(md.SNExponent, 4.0f);
    EXPECT_EQ(md.SNExtensionExponent, 6.0f);
    EXPECT_EQ(md.SNExtensionRatio, 0.5f);
    EXPECT_EQ(ShownText(p.main.dataBox().ExtSNt(1)), "6.0");
    EXPECT_EQ(ShownText(p.main.snInputs().SNmt), "4.0");
  }
}

}  // namespace
}  // namespace real_input
