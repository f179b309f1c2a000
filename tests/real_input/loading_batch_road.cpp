#include "real_input/loading_batch_road.h"

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"

namespace real_input {

void BrowseTheLoadingDatabase(RealProgram& p, OptionButton& loadingType) {
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  p.watchdog.Step("to the loading database");
  user.Click(loadingType);
  user.Click(p.main.problemDefinition().Cmd_analysis_next);
  ASSERT_TRUE(ds.chk_Read_Dbase.Value());
  user.Click(ds.cmd_data_do);  // read the database of the current folder
  user.Click(ds.cmd_data_do);  // browse it
  ASSERT_TRUE(p.main.loadingDb().frm_Load_Dbase.IsShowing());
}

void TakeTheGustSpectrum(RealProgram& p) {
  BrowseTheLoadingDatabase(p, p.main.problemDefinition().chk_spectrum);
  User& user = p.user;
  p.watchdog.Step("the spectrum batch");
  user.Click(p.main.loadingDb().Cmd_Load_Db_Next);
  user.Click(p.main.loadingDb().Cmd_Load_Db_OK);
  user.Click(p.main.dataService().cmd_data_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
}

}  // namespace real_input
