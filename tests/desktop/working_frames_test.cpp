// Working frames by real input, on the screen sizes of the desktop: the
// loading database's browser opens over the data-services frame and hides
// it whole, so that no edge of the frame beneath shows beside the browser's
// own border, and stands whole in the window framed by the window manager,
// its lower border clear of the window's bottom edge; the simulation options
// are off the screen while the summary of the simulated lives is up.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "desktop/desktop.h"
#include "desktop/frames_on_screen.h"
#include "engine/ui/problem_definition_panel.h"
#include "geometry/covered_frames.h"
#include "geometry/shown_texts.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "real_input/loading_batch_road.h"
#include "real_input/probabilistic_job.h"
#include "real_input/real_user.h"

namespace real_input {
namespace {

std::vector<std::string> Faults(const std::vector<ShownFault>& faults) {
  std::vector<std::string> out;
  for (const ShownFault& f : faults) out.push_back(f.control + " " + f.fault);
  return out;
}

// Whether the screen shows `w` as Qt draws it now, where it lies: all but a
// few of its pixels (the corners of a rounded button show what lies beneath).
bool ShownAsDrawn(QWidget& w) {
  const QImage drawn = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage shown = ShownWhere(w).convertToFormat(QImage::Format_RGB32);
  if (shown.size() != drawn.size()) return false;
  int differ = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) differ += drawn.pixel(x, y) != shown.pixel(x, y);
  return differ * 50 < drawn.width() * drawn.height();
}

TEST(WorkingFrames, TheLoadingDatabaseHidesTheDataServicesFrameBeneathItAndStandsWhole) {
  SKIP_WITHOUT_DESKTOP();
  RealProgram p("loading_db_over_data_services", ldb_fixture::PutThreeBatches);
  FormMain& main = p.main;
  ASSERT_NO_FATAL_FAILURE(BrowseTheLoadingDatabase(p, main.problemDefinition().chk_history));
  DataServicePanel& ds = main.dataService();
  ASSERT_TRUE(main.loadingDb().frm_Load_Dbase.IsShowing());
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_EQ(Faults(EdgesBesideFramesInFront(main)), std::vector<std::string>{});
  EXPECT_EQ(Faults(FramesNotWholeInTheWindow(main, {"frm_Load_Dbase", "frm_data_serv"})), std::vector<std::string>{});
}

// The options' second button stands on the screen, reading "&Cancel", while
// the options are up; once the summary has come up it is not there, reading
// "&Brake", behind the summary.
TEST(WorkingFrames, TheSimulationOptionsAreOffTheScreenWhileTheSummaryIsUp) {
  SKIP_WITHOUT_DESKTOP();
  RealProgram p("simulation_options_off_screen");
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(DefineProbabilisticJob(p));
  ASSERT_NO_FATAL_FAILURE(OpenSimulationOptions(p, "200"));
  McsOptionsPanel& options = p.main.mcsOptions();
  QWidget& second = *options.cmd_MCS_opt(1).widget();
  user.Wait(200);
  EXPECT_TRUE(ShownAsDrawn(second)) << "the measure does not see the button on the screen";
  std::string caption;
  bool shown = true;
  user.AnswerMessage("OK", [&] {
    user.Wait(200);
    caption = options.cmd_MCS_opt(1).Caption();
    shown = ShownAsDrawn(second);
  });
  user.Click(options.cmd_MCS_opt(0));
  ASSERT_TRUE(user.AllAnswered());
  EXPECT_EQ(caption, "&Brake");
  EXPECT_FALSE(shown) << "the simulation options stand on the screen behind the summary";
}

}  // namespace
}  // namespace real_input
