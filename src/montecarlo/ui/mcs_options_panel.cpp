#include "montecarlo/ui/mcs_options_panel.h"

#include "shell/ui/form_main.h"

McsOptionsPanel::McsOptionsPanel(FormMain& m)
    : main(m),
      Frm_MCS_opt(m.frame("Frm_MCS_opt")),
      chk_StartNo(m.array<CheckBox>("chk_StartNo")),
      No_simul(m.label("No_simul")),
      No_simult(m.textBox("No_simult")),
      cmd_MCS_opt(m.array<CommandButton>("cmd_MCS_opt")) {
  // Wire cmd_MCS_opt's Click, the check boxes and No_simult's handlers here.
}

void McsOptionsPanel::cmd_MCS_opt_Click(int) {}
void McsOptionsPanel::RunMonteCarloSimulation() {}
