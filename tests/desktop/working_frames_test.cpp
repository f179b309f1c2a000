// The loading database's browser by real input, on the screen sizes of the
// desktop: it opens over the data-services frame and hides it whole, so that
// no edge of the frame beneath shows beside the browser's own border.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/desktop.h"
#include "engine/ui/problem_definition_panel.h"
#include "geometry/covered_frames.h"
#include "loading/loading_db_fixtures.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "real_input/loading_batch_road.h"
#include "real_input/real_user.h"

namespace real_input {
namespace {

std::vector<std::string> Faults(const std::vector<ShownFault>& faults) {
  std::vector<std::string> out;
  for (const ShownFault& f : faults) out.push_back(f.control + " " + f.fault);
  return out;
}

TEST(WorkingFrames, TheLoadingDatabaseHidesTheDataServicesFrameBeneathIt) {
  SKIP_WITHOUT_DESKTOP();
  RealProgram p("loading_db_over_data_services", ldb_fixture::PutThreeBatches);
  FormMain& main = p.main;
  ASSERT_NO_FATAL_FAILURE(BrowseTheLoadingDatabase(p, main.problemDefinition().chk_history));
  DataServicePanel& ds = main.dataService();
  ASSERT_TRUE(main.loadingDb().frm_Load_Dbase.IsShowing());
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_EQ(Faults(EdgesBesideFramesInFront(main)), std::vector<std::string>{});
}

}  // namespace
}  // namespace real_input
