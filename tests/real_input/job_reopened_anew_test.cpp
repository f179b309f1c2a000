// A saved job, opened in a program started anew, is the same job: each job
// of the table is made by real input, calculated and saved; the program
// ends; a new one, with nothing left in memory from the first, opens the
// job, saves it again without a change (the same file) and calculates it:
// the same life on the screen beside the same values in the job summary,
// the same summary report and the same distribution diagram. The databases
// lie in the user's own folders, which outlive both runs.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "support/scoped_folder.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

namespace fs = std::filesystem;

// The distribution diagram as the screen shows it: the picture drawn (a
// null image where it is not on show) and the texts of the frame, the
// labels and the boxes on it.
struct ShownDistribution {
  QImage picture;
  std::string texts;

  bool operator==(const ShownDistribution&) const = default;
};

std::string LabelText(Label& label) {
  auto* shown = qobject_cast<QLabel*>(label.widget());
  return shown && shown->isVisible() ? shown->text().toStdString() : std::string();
}

ShownDistribution DistributionOnShow(RealProgram& p) {
  LoadingFramesPanel& lf = p.main.loadingFrames();
  if (!lf.Pic_Distr.IsShowing()) return {};
  QWidget* picture = lf.Pic_Distr.widget();
  ShownDistribution shown{QImage(picture->size(), QImage::Format_RGB32), lf.frm_Distr.Caption()};
  picture->render(&shown.picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  for (Label* label : {&lf.DT(0), &lf.DT(1), &lf.DTvolume, &lf.DTSmax(1), &lf.DTrng(1)})
    shown.texts += "|" + LabelText(*label);
  for (TextBox* box : {&lf.DTt(0), &lf.DTt(1), &lf.DTvolumet, &lf.DTSmaxt(1)}) shown.texts += "|" + ShownText(*box);
  return shown;
}

// What the user reads of a calculated job: the life on the screen, the
// values of the job summary's boxes on show, the simulation's summary, the
// summary report written to a file and the distribution diagram where it
// is on show.
struct CalculatedJob {
  std::string life;
  std::string values;
  std::string summary;
  std::string report;
  ShownDistribution distribution;
};

// The texts of the job summary's value boxes on show, one a line.
std::string SummaryValues(RealProgram& p) {
  DataBoxPanel& box = p.main.dataBox();
  std::string values;
  for (TextBox* b : {&box.ExtSNt(0), &box.ExtSNt(1), &box.SCFt(0), &box.Reliabt, &box.SNtht(0), &box.SNtht(1),
                     &box.DBmset(2), &box.DTFft})
    if (b->IsShowing()) values += b->Name() + " " + ShownText(*b) + "\n";
  return values;
}

// The summary report "to  &File..." through the file dialog.
std::string Report(RealProgram& p, MenuItem& toFile, const fs::path& report) {
  p.watchdog.Step("the summary report");
  p.user.AnswerFileDialog(report.string());
  p.user.Choose(toFile);
  EXPECT_TRUE(p.user.AllAnswered());
  return FileBytes(report);
}

// The life on the screen ("" where none is on show).
std::string ShownLife(RealProgram& p) {
  auto* life = qobject_cast<QLabel*>(p.main.dataBox().Result.widget());
  return life && life->isVisible() ? life->text().toStdString() : std::string();
}

// "&Calculate", the life on the screen, then the summary report.
CalculatedJob Calculate(RealProgram& p, const fs::path& report) {
  p.watchdog.Step("Calculate");
  p.user.Choose(p.main.menus().mnu_calculate);
  CalculatedJob seen;
  seen.life = ShownLife(p);
  seen.distribution = DistributionOnShow(p);
  seen.values = SummaryValues(p);
  seen.report = Report(p, p.main.menus().mnu_pfile, report);
  return seen;
}

// "&Calculate" on a probabilistic job: the simulation options as the job
// has them (200 runs without a random start, set when the job is made),
// the simulation, its summary, and the summary report of the results view.
void Simulate(RealProgram& p, const fs::path& report, bool setOptions, CalculatedJob& seen) {
  McsOptionsPanel& options = p.main.mcsOptions();
  if (setOptions) {
    ASSERT_NO_FATAL_FAILURE(OpenSimulationOptions(p, "200"));
    p.user.Click(options.chk_StartNo(0));
  } else {
    p.user.Choose(p.main.menus().mnu_calculate);
  }
  EXPECT_TRUE(options.Frm_MCS_opt.IsShowing());
  EXPECT_EQ(ShownText(options.No_simult), "200");
  ASSERT_NO_FATAL_FAILURE(RunTheSimulation(p));
  seen.summary = p.user.Messages().back().text;
  FormShow& show = p.main.formShow();
  seen.report = Report(p, show.mnu_prt_file, report);
  p.user.Choose(show.mnu_back);
  seen.life = ShownLife(p);
}

// ---- the jobs ----

// The problem definition: the options clicked, then "&Next " to the input view.
void Define(RealProgram& p, Options options) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  for (OptionButton* o : options) p.user.Click(*o);
  p.user.Click(pd.Cmd_analysis_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing()) << "the input view is not up";
}

// A box of the loading or S-N frames typed and left by a click on its picture.
void TypeOn(RealProgram& p, Control& box, const std::string& value, Control& picture) {
  p.user.Retype(box, value);
  p.user.Click(picture);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
}

// A constant amplitude of 80 MPa on an S-N curve of Se 60 MPa, m 4, the
// mean stress neglected.
void ConstantAmplitude(RealProgram& p, const UsersFolders&) {
  ASSERT_NO_FATAL_FAILURE(Define(p, {&p.main.problemDefinition().chk_neglect}));
  LoadingFramesPanel& lf = p.main.loadingFrames();
  SnFramePanel& sn = p.main.snInputs();
  TypeOn(p, lf.SSmaxt(0), "80", lf.Pic_Spectr);
  TypeOn(p, sn.SNset(0), "60", sn.Pic_SN);
  TypeOn(p, sn.SNmt, "4", sn.Pic_SN);
}

// The same with a mean stress of 40 MPa accounted, the mean-stress notch
// factor 2.0 and a hot spot thickness of 40 mm with its exponent .3.
void ConstantAmplitudeWithMeanStress(RealProgram& p, const UsersFolders&) {
  ASSERT_NO_FATAL_FAILURE(Define(p, {&p.main.problemDefinition().chk_account}));
  LoadingFramesPanel& lf = p.main.loadingFrames();
  DataBoxPanel& box = p.main.dataBox();
  TypeOn(p, lf.SSmaxt(0), "80", lf.Pic_Spectr);
  TypeOn(p, lf.SSmeant, "40", lf.Pic_Spectr);
  TypeOn(p, box.DBmset(2), "2.0", box.pic_DBox);
  TypeOn(p, box.SNtht(0), "40", box.pic_DBox);
  TypeOn(p, box.SNtht(1), "0.3", box.pic_DBox);
}

// A plain specimen with notch sensitivity accounted: Kt 2.5 and the notch
// radius 0.2 mm, which makes Kf 1.569.
void NotchedPlainSpecimen(RealProgram& p, const UsersFolders&) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  DataBoxPanel& box = p.main.dataBox();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_unnotch, &pd.chk_ns_account}));
  TypeOn(p, box.SCFt(0), "2.5", box.pic_DBox);
  ASSERT_TRUE(box.Reliabt.IsShowing());
  TypeOn(p, box.Reliabt, "0.2", box.pic_DBox);
}

// A plain specimen with notch sensitivity neglected: Kt 2.0 as it is.
void PlainSpecimenWithoutNotchSensitivity(RealProgram& p, const UsersFolders&) {
  DataBoxPanel& box = p.main.dataBox();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&p.main.problemDefinition().chk_unnotch}));
  TypeOn(p, box.SCFt(0), "2.0", box.pic_DBox);
}

// The local stress approach on a plain specimen, notch sensitivity and mean
// stress accounted: Kt 3.5, the radius 0.5 mm and a local stress amplitude
// of 150 MPa.
void LocalStressWithNotchSensitivity(RealProgram& p, const UsersFolders&) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  DataBoxPanel& box = p.main.dataBox();
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_local, &pd.chk_unnotch, &pd.chk_ns_account, &pd.chk_account}));
  TypeOn(p, box.SCFt(0), "3.5", box.pic_DBox);
  TypeOn(p, box.Reliabt, "0.5", box.pic_DBox);
  TypeOn(p, lf.SSmaxt(0), "150", lf.Pic_Spectr);
}

// Batch 2 of "loads", the block spectrum, with a hot spot thickness of 10 mm.
void GustSpectrum(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, f, p.main.problemDefinition().chk_spectrum, 2));
  DataBoxPanel& box = p.main.dataBox();
  TypeOn(p, box.SNtht(0), "10", box.pic_DBox);
}

// Batch 1 of "loads", the stress history, on the set S235 of "materials".
void CraneHistoryOnS235(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, f, p.main.problemDefinition().chk_history, 1));
  ASSERT_NO_FATAL_FAILURE(TakeS235(p, f));
}

// Batch 3 of "loads", the Weibull distribution with its strengths.
void RoadDistribution(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, f, p.main.problemDefinition().chk_beta_distrib, 3));
}

// A master curve over the load level: stress amplitudes from 60 to 120 MPa
// (the upper end in the upper box).
void MasterCurveOverTheLoadLevel(RealProgram& p, const UsersFolders&) {
  ASSERT_NO_FATAL_FAILURE(Define(p, {&p.main.problemDefinition().chk_master}));
  LoadingFramesPanel& lf = p.main.loadingFrames();
  TypeOn(p, lf.SSmaxt(0), "120", lf.Pic_Spectr);
  TypeOn(p, lf.SSmaxt(1), "60", lf.Pic_Spectr);
}

// A master curve over the endurance limit: Se from 40 to 80 MPa.
void MasterCurveOverTheEnduranceLimit(RealProgram& p, const UsersFolders&) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_master, &pd.chk_end_limit}));
  SnFramePanel& sn = p.main.snInputs();
  TypeOn(p, sn.SNset(1), "80", sn.Pic_SN);
  TypeOn(p, sn.SNset(0), "40", sn.Pic_SN);
}

// A master curve over Kt, which only a job file defines (and whose points
// the damage routines do not step): a master curve of a plain specimen
// saved, its file given the parameter Kt (as a job of another program
// would hold it) and opened, and the upper Kt typed: Kt from 3 to 3.5.
void MasterCurveOverKt(RealProgram& p, const UsersFolders& f) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_master, &pd.chk_unnotch}));
  const std::filesystem::path overLoad = f.File("over_load.sns"), overKt = f.File("over_kt.sns");
  SaveJob(p, overLoad);
  std::string bytes = FileBytes(overLoad);
  const std::string options = "\r\n 2  1  3 ";
  ASSERT_NE(bytes.find(options), std::string::npos);
  bytes.replace(bytes.find(options), options.size(), "\r\n 2  3  3 ");
  f.root.Write(overKt.filename().string(), bytes);
  OpenJob(p, overKt);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  ASSERT_EQ(p.state.analysisOptions.MasterCurveParameter, 3);
  DataBoxPanel& box = p.main.dataBox();
  TypeOn(p, box.SCFt(0), "3.5", box.pic_DBox);
  ASSERT_EQ(p.state.componentData.KtFrom, 3.0f);
  ASSERT_EQ(p.state.componentData.KtTo, 3.5f);
}

// A distribution typed on its diagram, in SI or US units: the law chosen
// from the diagram's menu (a Beta at the start), Q and R, a Beta's largest
// range (a Weibull's or a log-normal's follows from Q and R) and the block
// volume.
struct TypedLaw {
  const char* item;  // the menu's item, "" for the Beta
  const char* q;
  const char* r;
  const char* smax;  // "" where the law places it
  const char* volume;
};

void TypedDistribution(RealProgram& p, const TypedLaw& law, bool us) {
  ASSERT_NO_FATAL_FAILURE(Define(p, {&p.main.problemDefinition().chk_beta_distrib}));
  if (us) p.user.Choose(p.main.menus().mnu_US);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  if (*law.item) {
    p.user.AnswerPopup(law.item);
    p.user.Click(lf.Pic_Distr, Qt::RightButton);
    ASSERT_TRUE(p.user.AllAnswered());
  }
  TypeOn(p, lf.DTt(0), law.q, lf.Pic_Distr);
  TypeOn(p, lf.DTt(1), law.r, lf.Pic_Distr);
  if (*law.smax) TypeOn(p, lf.DTSmaxt(1), law.smax, lf.Pic_Distr);
  TypeOn(p, lf.DTvolumet, law.volume, lf.Pic_Distr);
  ASSERT_EQ(p.state.loadingDbState.LoadingSource, 2);
}

constexpr TypedLaw kBeta{"", "2", "5", "200", "1000"};
constexpr TypedLaw kWeibull{"Weibull Distribution", "60", "2.5", "", "1000"};
constexpr TypedLaw kLogNormal{"Log-Norm Distribution", "4", "0.5", "", "500"};
constexpr TypedLaw kBetaInKsi{"", "2", "5", "29", "1000"};
constexpr TypedLaw kWeibullInKsi{"Weibull Distribution", "8.7", "2.5", "", "1000"};
constexpr TypedLaw kLogNormalInKsi{"Log-Norm Distribution", "2", "0.5", "", "500"};

// The problem definition back to a deterministic single case (the second
// option of the pair that named the master curve's parameter), and "&OK".
void ToSingleCase(RealProgram& p) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  p.user.Choose(p.main.menus().mnu_target);
  p.user.Click(pd.chk_single);
  p.user.Click(pd.chk_load);
  p.user.Click(pd.cmd_analysis_done);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  ASSERT_EQ(p.state.analysisOptions.AnalysisMode, 1);
  ASSERT_EQ(p.state.analysisOptions.AnalysisKind, 1);
}

// A master curve over the endurance limit typed from its lower end up: Se
// from 40 to 70 MPa, the upper end typed last.
void EnduranceLimitFromItsLowerEnd(RealProgram& p) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_master, &pd.chk_end_limit}));
  SnFramePanel& sn = p.main.snInputs();
  TypeOn(p, sn.SNset(0), "40", sn.Pic_SN);
  TypeOn(p, sn.SNset(1), "70", sn.Pic_SN);
}

// A master curve over the endurance limit of the set S235 (Se 80 MPa), its
// upper end typed (which keeps the set): Se from 80 to 120 MPa.
void MasterCurveOverTheEnduranceLimitOfASet(RealProgram& p, const UsersFolders& f) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_master, &pd.chk_end_limit}));
  ASSERT_NO_FATAL_FAILURE(TakeS235(p, f));
  SnFramePanel& sn = p.main.snInputs();
  TypeOn(p, sn.SNset(1), "120", sn.Pic_SN);
  ASSERT_EQ(p.state.materialData.MaterialSource, 1);
}

// In US units: a plain specimen with its notch, Kt 2.5, r 0.01 in, and a
// constant amplitude of 8 ksi.
void UsUnits(RealProgram& p, const UsersFolders&) {
  ProblemDefinitionPanel& pd = p.main.problemDefinition();
  ASSERT_NO_FATAL_FAILURE(Define(p, {&pd.chk_unnotch, &pd.chk_ns_account}));
  p.user.Choose(p.main.menus().mnu_US);
  ASSERT_EQ(p.state.unitSettings.StressUnit, "ksi");
  DataBoxPanel& box = p.main.dataBox();
  LoadingFramesPanel& lf = p.main.loadingFrames();
  TypeOn(p, box.SCFt(0), "2.5", box.pic_DBox);
  TypeOn(p, box.Reliabt, "0.01", box.pic_DBox);
  TypeOn(p, lf.SSmaxt(0), "8", lf.Pic_Spectr);
}

// Batch 2 of "loads", the block spectrum, on a typed S-N extension (Se'/Se
// 0.5, m' 6); then the set S235 of "materials" taken, which brings its m'.
void SetTakenAfterATypedExtension(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, f, p.main.problemDefinition().chk_spectrum, 2));
  DataBoxPanel& box = p.main.dataBox();
  TypeOn(p, box.ExtSNt(0), "0.5", box.pic_DBox);
  TypeOn(p, box.ExtSNt(1), "6", box.pic_DBox);
  ASSERT_NO_FATAL_FAILURE(TakeS235(p, f));
}

// Batch 2 of "loads" on the set S235 of "materials" (m 4), then the S-N
// extension typed over the set's: Se'/Se 0.5, m' 6.
void ExtensionTypedOverASet(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, f, p.main.problemDefinition().chk_spectrum, 2));
  ASSERT_NO_FATAL_FAILURE(TakeS235(p, f));
  DataBoxPanel& box = p.main.dataBox();
  TypeOn(p, box.ExtSNt(0), "0.5", box.pic_DBox);
  TypeOn(p, box.ExtSNt(1), "6", box.pic_DBox);
}

// In US units: batch 1 of "loads", the stress history, scaled by 1.5 (typed
// in the box that a click on the history's caption opens).
void UsHistoryWithAScalingFactor(RealProgram& p, const UsersFolders& f) {
  ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, f, p.main.problemDefinition().chk_history, 1));
  p.user.Choose(p.main.menus().mnu_US);
  LoadingFramesPanel& lf = p.main.loadingFrames();
  p.user.Click(lf.SHSmax);
  p.user.TypeOver("1.5");
  p.user.Click(lf.Pic_Hist);
  ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  ASSERT_EQ(p.state.loadingData.ScalingFactor, 1.5f);
}

struct Job {
  const char* name;
  std::function<void(RealProgram&, const UsersFolders&)> make;
  enum Shows { kLife, kMasterCurve, kSimulation } shows = kLife;
};

const Job kJobs[] = {
    {"constant_amplitude", ConstantAmplitude},
    {"constant_amplitude_with_mean_stress", ConstantAmplitudeWithMeanStress},
    {"notched_plain_specimen", NotchedPlainSpecimen},
    {"plain_specimen_without_notch_sensitivity", PlainSpecimenWithoutNotchSensitivity},
    {"local_stress_with_notch_sensitivity", LocalStressWithNotchSensitivity},
    {"block_spectrum_of_the_database", GustSpectrum},
    {"history_of_the_database_on_a_set_of_the_database", CraneHistoryOnS235},
    {"distribution_of_the_database", RoadDistribution},
    {"master_curve_over_the_load_level", MasterCurveOverTheLoadLevel, Job::kMasterCurve},
    {"master_curve_over_the_endurance_limit", MasterCurveOverTheEnduranceLimit, Job::kMasterCurve},
    {"master_curve_over_kt", MasterCurveOverKt, Job::kMasterCurve},
    {"us_units", UsUnits},
    {"typed_beta_distribution", [](RealProgram& p, const UsersFolders&) { TypedDistribution(p, kBeta, false); }},
    {"typed_weibull_distribution", [](RealProgram& p, const UsersFolders&) { TypedDistribution(p, kWeibull, false); }},
    {"typed_log_normal_distribution",
     [](RealProgram& p, const UsersFolders&) { TypedDistribution(p, kLogNormal, false); }},
    {"typed_beta_distribution_in_us_units",
     [](RealProgram& p, const UsersFolders&) { TypedDistribution(p, kBetaInKsi, true); }},
    {"typed_weibull_distribution_in_us_units",
     [](RealProgram& p, const UsersFolders&) { TypedDistribution(p, kWeibullInKsi, true); }},
    {"typed_log_normal_distribution_in_us_units",
     [](RealProgram& p, const UsersFolders&) { TypedDistribution(p, kLogNormalInKsi, true); }},
    {"single_case_after_a_master_curve_over_the_load_level",
     [](RealProgram& p, const UsersFolders& f) {
       ASSERT_NO_FATAL_FAILURE(MasterCurveOverTheLoadLevel(p, f));
       ToSingleCase(p);
     }},
    {"single_case_after_a_master_curve_over_the_endurance_limit",
     [](RealProgram& p, const UsersFolders&) {
       ASSERT_NO_FATAL_FAILURE(EnduranceLimitFromItsLowerEnd(p));
       ToSingleCase(p);
     }},
    {"single_case_after_a_master_curve_over_kt",
     [](RealProgram& p, const UsersFolders& f) {
       ASSERT_NO_FATAL_FAILURE(MasterCurveOverKt(p, f));
       ToSingleCase(p);
     }},
    {"master_curve_over_the_endurance_limit_of_a_set", MasterCurveOverTheEnduranceLimitOfASet, Job::kMasterCurve},
    {"set_taken_after_a_typed_extension", SetTakenAfterATypedExtension},
    {"extension_typed_over_a_set", ExtensionTypedOverASet},
    {"us_history_with_a_scaling_factor", UsHistoryWithAScalingFactor},
    {"probabilistic", [](RealProgram& p, const UsersFolders&) { DefineProbabilisticJob(p); }, Job::kSimulation},
};

void PrintTo(const Job& job, std::ostream* os) { *os << job.name; }

class JobReopenedAnew : public ::testing::TestWithParam<Job> {};

CalculatedJob CalculateAsItShows(RealProgram& p, const Job& job, const fs::path& report, bool made) {
  if (job.shows != Job::kSimulation) return Calculate(p, report);
  CalculatedJob seen;
  Simulate(p, report, made, seen);
  return seen;
}

TEST_P(JobReopenedAnew, CalculatesTheSameLifeAndReport) {
  const Job& job = GetParam();
  UsersFolders folders;
  const fs::path file = folders.File(std::string(job.name) + ".sns");
  CalculatedJob saved;
  {
    RealProgram p("made", {}, 120, folders.root.path());
    p.watchdog.Step("making the job");
    ASSERT_NO_FATAL_FAILURE(job.make(p, folders));
    saved = CalculateAsItShows(p, job, folders.File("made.txt"), true);
    SaveJob(p, file);
    ASSERT_TRUE(p.user.Messages().size() == (job.shows == Job::kSimulation ? 1u : 0u))
        << p.user.Messages()[0].text;
  }
  RealProgram again("opened", {}, 120, folders.root.path());
  again.watchdog.Step("opening the job");
  OpenJob(again, file);
  ASSERT_TRUE(again.user.Messages().empty()) << again.user.Messages()[0].text;
  // Saved again without a change, the job is the same file.
  const fs::path resaved = folders.File(std::string(job.name) + "_again.sns");
  SaveJob(again, resaved);
  EXPECT_EQ(FileBytes(resaved), FileBytes(file));
  const CalculatedJob opened = CalculateAsItShows(again, job, folders.File("opened.txt"), false);
  EXPECT_EQ(saved.life.empty(), job.shows == Job::kMasterCurve) << saved.life;
  EXPECT_EQ(saved.summary.empty(), job.shows != Job::kSimulation) << saved.summary;
  EXPECT_EQ(opened.life, saved.life);
  EXPECT_EQ(opened.values, saved.values);
  EXPECT_EQ(opened.summary, saved.summary);
  EXPECT_EQ(opened.report, saved.report);
  EXPECT_EQ(opened.distribution.texts, saved.distribution.texts);
  EXPECT_TRUE(opened.distribution.picture == saved.distribution.picture) << "the distribution is drawn otherwise";
}

INSTANTIATE_TEST_SUITE_P(Jobs, JobReopenedAnew, ::testing::ValuesIn(kJobs),
                         [](const ::testing::TestParamInfo<Job>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace real_input
