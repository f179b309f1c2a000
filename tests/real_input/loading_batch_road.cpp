#include "real_input/loading_batch_road.h"

#include <gtest/gtest.h>

#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"

namespace real_input {

void BrowseTheLoadingDatabase(RealProgram& p, OptionButton& loadingType) {
  p.watchdog.Step("to the loading database");
  p.user.Click(loadingType);
  p.user.Click(p.main.problemDefinition().Cmd_analysis_next);
  ASSERT_NO_FATAL_FAILURE(ReadAndBrowseTheLoadingDatabase(p));
}

void ReadAndBrowseTheLoadingDatabase(RealProgram& p) {
  DataServicePanel& ds = p.main.dataService();
  ASSERT_TRUE(ds.chk_Read_Dbase.Value());
  p.user.Click(ds.cmd_data_do);  // read the database of the folder on show
  p.user.Click(ds.cmd_data_do);  // browse it
  ASSERT_TRUE(p.main.loadingDb().frm_Load_Dbase.IsShowing());
}

void TakeTheBrowsedBatch(RealProgram& p, int batch) {
  User& user = p.user;
  DataServicePanel& ds = p.main.dataService();
  LoadingDbPanel& ldb = p.main.loadingDb();
  p.watchdog.Step("a batch of the loading database");
  for (int b = 1; b < batch; ++b) user.Click(ldb.Cmd_Load_Db_Next);
  user.Click(ldb.Cmd_Load_Db_OK);
  ASSERT_EQ(p.state.loadingDbState.SelectedLoadingBatch, batch);
  // The Select of a loading that fits the input view on show returns to it.
  if (ds.frm_data_serv.IsShowing()) user.Click(ds.cmd_data_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
}

void TakeTheGustSpectrum(RealProgram& p) {
  ASSERT_NO_FATAL_FAILURE(BrowseTheLoadingDatabase(p, p.main.problemDefinition().chk_spectrum));
  ASSERT_NO_FATAL_FAILURE(TakeTheBrowsedBatch(p, 2));
}

}  // namespace real_input
