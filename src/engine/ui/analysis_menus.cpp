#include "engine/ui/analysis_menus.h"

#include "material/ui/sn_frame_panel.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"

void EnableJobMenus(FormMain& main) {
  MainMenus& m = main.menus();
  for (MenuItem* item : {&m.mnu_fatigue, &m.mnu_loading, &m.mnu_Run, &m.mnu_start(1), &m.mnu_MCSres_O})
    EnableControl(*item);
  DisableControl(m.mnu_MCSres_L);
}

void ShowMenusOfAnalysisKind(FormMain& main, bool resetSimulation) {
  ProgramState& s = main.state();
  MainMenus& m = main.menus();
  McsOptionsPanel& mcs = main.mcsOptions();
  const bool probabilistic = s.analysisOptions.AnalysisKind != analysis_kind::kDeterministic;
  for (MenuItem* item : {&m.mnu_propt, &m.sepbar1, &m.mnu_form, &m.mnu_report}) item->SetVisible(!probabilistic);
  m.mnu_MCSres_L.SetVisible(probabilistic);
  m.mnu_MCSres_O.SetVisible(probabilistic);
  mcs.No_simul.SetVisible(probabilistic);
  mcs.No_simult.SetVisible(probabilistic);
  main.snInputs().dN_distr(0).SetVisible(probabilistic);
  if (probabilistic) return;
  FormShow& show = main.formShow();
  for (MenuItem* item : {&show.mnu_prt_res, &show.sepbar1, &show.mnu_an_show, &show.mnu_an_list})
    item->SetVisible(false);
  show.mnu_prt1.SetCaption("&Print");
  if (resetSimulation) {
    s.mcsSettings.NeglectFatigueLimit = 0;
    s.mcsSettings.SimulationsDone = 0;
  }
}
