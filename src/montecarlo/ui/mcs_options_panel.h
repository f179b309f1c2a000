#pragma once

#include "platform/ui/form.h"

class FormMain;

// The simulation options frame `Frm_MCS_opt`: the options' check boxes, the
// number of simulations, "O&K" that runs the simulation and the second
// button, "&Cancel" before the run and "&Brake" during it.
class McsOptionsPanel {
 public:
  explicit McsOptionsPanel(FormMain& main);

  // Index 0 runs the simulation (nothing while one runs); index 1 cancels
  // the options or, during the run, brakes it.
  void cmd_MCS_opt_Click(int index);
  // The simulation with its displays: the reference life of the first run
  // on the damage diagram and the result label, the countdown in No_simult,
  // and after a complete, usable run the results view.
  void RunMonteCarloSimulation();
  // Each check box copies its value into its option.
  void chk_StartNo_Click(int index);
  void No_simult_GotFocus();
  // A number of simulations below 100, beyond the Long range or not a number
  // is refused with "Sorry, Data is Incorrect! " and the old count comes back.
  void No_simult_LostFocus();

  FormMain& main;
  Frame& Frm_MCS_opt;
  ControlArray<CheckBox>& chk_StartNo;
  Label& No_simul;
  TextBox& No_simult;
  ControlArray<CommandButton>& cmd_MCS_opt;
};
