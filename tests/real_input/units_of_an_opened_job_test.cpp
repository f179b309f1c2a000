// A job opened in a program showing the other unit system, by real input:
// afterwards every unit text on show follows the job's system, in the main
// window, both database browsers, the test data editor, the random-variable
// dialog and the results view, as after the unit command; the caption of a
// scaled history's unscaled extremes, shown while its factor is typed, too.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"
#include "real_input/users_folders.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"

namespace real_input {
namespace {

using Texts = std::vector<std::string>;

struct Systems {
  const char* name;
  bool jobInUs;        // the job's system; the program opening it shows the other
  const char* others;  // the other system's unit words
  const char* batchMeanStressText;  // of the distribution batch, in the job's system
};

void PrintTo(const Systems& s, std::ostream* os) { *os << s.name; }

class UnitsOfAnOpenedJob : public ::testing::TestWithParam<Systems> {
 protected:
  // The unit command of a system, chosen from the input view.
  static MenuItem& UnitCommand(RealProgram& p, bool us) { return us ? p.main.menus().mnu_US : p.main.menus().mnu_SI; }

  // A probabilistic job on the distribution of "loads" (a batch with its
  // strengths) and the set S235 of "materials", made in the job's system
  // and saved.
  void MakeJob(const std::filesystem::path& job) {
    RealProgram p("made", {}, 120, folders.root.path());
    ProblemDefinitionPanel& pd = p.main.problemDefinition();
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, pd.chk_beta_distrib, 3, {&pd.chk_end_limit}));
    ASSERT_NO_FATAL_FAILURE(TakeS235(p, folders));
    p.user.Choose(UnitCommand(p, GetParam().jobInUs));
    SaveJob(p, job);
    ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  }

  // A database browser opened from its data services ("&Material Data..."
  // or "&Loading Data..." and Browse) and swept for the other system's
  // units; then closed by its Cancel.
  static void BrowseAndSweep(RealProgram& p, MenuItem& command, Frame& browser, CommandButton& cancel,
                             const char* what) {
    p.watchdog.Step(what);
    p.user.Choose(command);
    p.user.Click(p.main.dataService().cmd_data_do);  // browse
    ASSERT_TRUE(browser.IsShowing());
    EXPECT_EQ(TextsNaming(p.main, GetParam().others), Texts{}) << what;
    p.user.Click(cancel);
  }

  UsersFolders folders;
};

TEST_P(UnitsOfAnOpenedJob, EveryUnitTextOnShowFollowsTheJob) {
  const Systems& systems = GetParam();
  const std::filesystem::path job = folders.File("job.sns");
  ASSERT_NO_FATAL_FAILURE(MakeJob(job));

  RealProgram p("opened", {}, 120, folders.root.path());
  User& user = p.user;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  p.watchdog.Step("the other system, then the job opened");
  user.Click(main.problemDefinition().Cmd_analysis_next);
  user.Choose(UnitCommand(p, !systems.jobInUs));
  OpenJob(p, job);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  EXPECT_EQ(TextsNaming(main, systems.others), Texts{}) << "the main window";
  EXPECT_EQ(main.loadingFrames().DTmse.Caption(), systems.batchMeanStressText);

  DataServicePanel& ds = main.dataService();
  FatigueDbPanel& fdb = main.fatigueDb();
  ASSERT_NO_FATAL_FAILURE(BrowseAndSweep(p, main.menus().mnu_fatigue, fdb.frm_Fatigue_Dbase,
                                         fdb.cmd_Fatigue_Db_Cancel, "the material database"));
  p.watchdog.Step("the test data editor");
  user.Click(ds.chk_Edit_Dbase);
  user.AnswerMessage("OK");  // "Material Database already exists. Overwrite?  "
  user.Click(ds.cmd_data_do);
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_TRUE(fdb.frm_Fatigue_Dbase.IsShowing());
  user.Click(fdb.Text2(2));  // the next free set
  user.Click(fdb.cmd_fatigue_Db_Test);
  ASSERT_TRUE(show.Visible());
  EXPECT_EQ(TextsNaming(show, systems.others), Texts{}) << "the test data editor";
  user.Choose(show.mnu_back);
  ASSERT_TRUE(main.Visible());
  user.Click(fdb.cmd_Fatigue_Db_Cancel);  // " E&xit" from the editor

  LoadingDbPanel& ldb = main.loadingDb();
  ASSERT_NO_FATAL_FAILURE(BrowseAndSweep(p, main.menus().mnu_loading, ldb.frm_Load_Dbase, ldb.Cmd_Load_Db_Cancel,
                                         "the loading database"));

  p.watchdog.Step("the random-variable dialog");
  Texts inDialog{"not seen"};
  user.AnswerWindow([&] {  // a log-normal scatter of Se
    user.Click(show.chk_distr(3));
    user.Retype(show.txt_distr(0), "0.1");
    inDialog = TextsNaming(show, systems.others);
    user.Click(show.cmd_ok);
  });
  user.Click(main.snInputs().dN_distr(0));
  ASSERT_TRUE(user.AllAnswered());
  EXPECT_EQ(inDialog, Texts{}) << "the random-variable dialog";

  ASSERT_NO_FATAL_FAILURE(OpenSimulationOptions(p, "200"));
  ASSERT_NO_FATAL_FAILURE(RunTheSimulation(p));
  EXPECT_EQ(TextsNaming(show, systems.others), Texts{}) << "the results view";
}

INSTANTIATE_TEST_SUITE_P(Systems, UnitsOfAnOpenedJob,
                         ::testing::Values(Systems{"AUsJobInAnSiProgram", true, "MPa|mm",
                                                   "DMSE(+): Su=87, Sy=58, Kf=1.5 "},
                                           Systems{"AnSiJobInAUsProgram", false, "ksi|in",
                                                   "DMSE(+): Su=600, Sy=400, Kf=1.5 "}),
                         [](const ::testing::TestParamInfo<Systems>& info) { return std::string(info.param.name); });

// The caption over the history diagram while its scaling factor is typed:
// a click on the caption opens the factor's box, the box is left again.
std::string CaptionWhileTheFactorIsTyped(RealProgram& p, const std::string& factor) {
  LoadingFramesPanel& lf = p.main.loadingFrames();
  p.user.Click(lf.SHSmax);
  const std::string caption = lf.SHSmax.Caption();
  p.user.TypeOver(factor);
  p.user.Click(lf.Pic_Hist);
  EXPECT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
  return caption;
}

// A US job on the history of "loads" (120 and -80 MPa) scaled by 1.5,
// opened in an SI program from the start screen and in one that took the
// same history before: while the factor is typed, the caption shows the
// job's history unscaled in ksi, and after the unit command in MPa.
TEST(UnitsOfAnOpenedHistoryJob, TheUnscaledHistorysCaptionFollowsTheJob) {
  UsersFolders folders;
  const std::filesystem::path job = folders.File("history.sns");
  {
    RealProgram p("made", {}, 120, folders.root.path());
    ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_history, 1));
    p.user.Choose(p.main.menus().mnu_US);
    CaptionWhileTheFactorIsTyped(p, "1.5");
    ASSERT_EQ(p.state.loadingData.ScalingFactor, 1.5f);
    SaveJob(p, job);
  }
  for (const bool takenBefore : {false, true}) {
    SCOPED_TRACE(takenBefore ? "the history taken before" : "from the start screen");
    RealProgram p("opened", {}, 120, folders.root.path());
    if (takenBefore) {
      ASSERT_NO_FATAL_FAILURE(TakeLoadingBatch(p, folders, p.main.problemDefinition().chk_history, 1));
    }
    OpenJob(p, job);
    ASSERT_TRUE(p.user.Messages().empty()) << p.user.Messages()[0].text;
    EXPECT_EQ(CaptionWhileTheFactorIsTyped(p, "1.5"), "Smax = 17.4 ksi,  Smin = -11.6 ksi");
    p.user.Choose(p.main.menus().mnu_SI);
    EXPECT_EQ(CaptionWhileTheFactorIsTyped(p, "1.5"), "Smax = 120.0 MPa,  Smin = -80.0 MPa");
    EXPECT_EQ(p.main.loadingFrames().SHSmax.Caption(), "Smax = 180.0 MPa,  Smin = -120.0 MPa");
  }
}

}  // namespace
}  // namespace real_input
