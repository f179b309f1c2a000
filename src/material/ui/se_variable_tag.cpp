// The endurance limit's distribution tag: `dN_distr`(0) on the S-N frame and
// `dN_distr`(3) on the fatigue-database browser open the random-variable
// dialog for the endurance limit, or for the variable of the browser's set.

#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/distribution_tag.h"
#include "montecarlo/fatigue_set_variable.h"
#include "montecarlo/random_variable_edit.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

void SnFramePanel::dN_distr_Click(int index) {
  ProgramState& s = state();
  if (s.shellState.UiState != ui_state::kIdle) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  FatigueDbPanel& fdb = main.fatigueDb();
  DataServicePanel& ds = main.dataService();
  const FatigueSetRef set = FatigueSetOf(s, ds.chk_Input_Dbase.Value());
  const bool browserShown = fdb.frm_Fatigue_Dbase.Visible();
  if (browserShown && index == 3) {
    // The yield strength of the set the tag stands for, as its cell shows it.
    const float yield = set.valid ? TypedSingle(fdb.Text7(set.column).Text()).value_or(0.0f) : 0.0f;
    if (!CopyFatigueSetVariableIn(s, set, yield)) return;
  }
  SetRandomVariableDialogEditable(main, SeVariableEditable(s, set, browserShown, ds.chk_Edit_Dbase.Value()));
  const bool stored = ShowRandomVariablePanel(main, kMaterialCaller, static_cast<int16_t>(index));
  if (!fdb.frm_Fatigue_Dbase.Visible() || !ds.chk_Edit_Dbase.Value() || !FatigueSetWithoutTestData(s, set)) return;
  // Editing the database: what OK stored goes back into the browser's set.
  if (stored) {
    const RandomVariableTable& t = s.randomVariableTable;
    const int16_t c = t.CurrentRandomVar;
    if (index == 3) CopyFatigueSetVariableBack(s, set, c);
    if (dN_distr.Exists(index)) dN_distr(index).SetCaption(FormatDistributionTag(t.RvType[c], t.RvCov[c]));
    if (index == 3) fdb.PlaceSeTag();
  }
  SetRandomVariableDialogEditable(main, true);
  ds.frm_data_serv.SetVisible(true);
}
