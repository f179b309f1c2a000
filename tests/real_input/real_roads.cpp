#include "real_input/real_roads.h"

#include "engine/ui/problem_definition_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/form_show.h"

namespace real_input {

void BrowseTheLoadingDatabase(RealProgram& p, OptionButton& type) {
  p.user.Click(type);
  p.user.Click(p.main.problemDefinition().Cmd_analysis_next);
  DataServicePanel& ds = p.main.dataService();
  p.user.Click(ds.cmd_data_do);  // read the database of the current folder
  p.user.Click(ds.cmd_data_do);  // browse it
}

void MakeTheJobProbabilistic(RealProgram& p) {
  User& user = p.user;
  FormMain& main = p.main;
  FormShow& show = main.formShow();
  user.Click(main.problemDefinition().chk_end_limit);
  user.Click(main.problemDefinition().Cmd_analysis_next);
  p.watchdog.Step("the random-variable dialog");
  user.AnswerWindow([&] {
    user.Click(show.chk_distr(3));
    user.Retype(show.txt_distr(0), "0.1");
    user.Click(show.cmd_ok);
  });
  user.Click(main.snInputs().dN_distr(0));
}

}  // namespace real_input
