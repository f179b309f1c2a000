#pragma once

#include "platform/ui/form.h"

class FormMain;

// The simulation options frame `Frm_MCS_opt`.
class McsOptionsPanel {
 public:
  explicit McsOptionsPanel(FormMain& main);

  // Will run (index 0) or cancel / brake (index 1) the simulation.
  void cmd_MCS_opt_Click(int index);
  // Will run the Monte Carlo simulation: one damage calculation per run.
  void RunMonteCarloSimulation();

  FormMain& main;
  Frame& Frm_MCS_opt;
  ControlArray<CheckBox>& chk_StartNo;
  Label& No_simul;
  TextBox& No_simult;
  ControlArray<CommandButton>& cmd_MCS_opt;
};
