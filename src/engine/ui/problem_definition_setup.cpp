// Opening the problem-definition frame with its option buttons preset from
// the committed problem definition.

#include <vector>

#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/user_messages.h"

namespace {

// Clears an option button without running its Click.
void DeselectOption(OptionButton& opt) { opt.SetValue(false); }

// One group preset: the working copy takes `value`, `chosen` is selected
// (its Click runs when it was not selected), and the working copy holds
// `marker` while the group's other buttons are cleared.
struct GroupPreset {
  int16_t& copy;
  int16_t value;
  int16_t marker;
  OptionButton* chosen;  // nullptr: only the working copy is set
  std::vector<OptionButton*> others;
};

void Preset(const GroupPreset& g) {
  g.copy = g.value;
  if (!g.chosen) return;
  SelectOption(*g.chosen);
  g.copy = g.marker;
  for (OptionButton* o : g.others) DeselectOption(*o);
  g.copy = g.value;
}

}  // namespace

void ProblemDefinitionPanel::PresetStepButton() {
  const ProgramState& s = main.state();
  const int16_t type = s.analysisOptions.LoadingType;
  const bool ready = s.wizardFlags.LoadingDataReady || type == 3 || type == 4;
  const bool inputView = main.snInputs().frm_SN.Visible();
  if (ready && inputView) {
    Cmd_analysis_next.SetToolTipText("Calculate fatigue life");
    Cmd_analysis_next.SetCaption("Run");
  } else {
    Cmd_analysis_next.SetToolTipText(ready ? "Check the input parameters" : "Input the loading data");
    Cmd_analysis_next.SetCaption("Next");
  }
}

void ProblemDefinitionPanel::PresetGroups() {
  ProgramState& s = main.state();
  const AnalysisOptions& ao = s.analysisOptions;
  AnalysisDialogState& d = s.analysisDialogState;
  // Each group in the order the set-up takes them: a button's Click may
  // change the buttons of a group preset later.
  if (ao.AnalysisMode == 1) Preset({d.DlgAnalysisMode, 1, 3, &chk_single, {&chk_master}});
  if (ao.AnalysisMode == 2) Preset({d.DlgAnalysisMode, 2, 3, &chk_master, {&chk_single}});
  if (ao.MasterCurveParameter == 2 || (ao.MasterCurveParameter == 0 && ao.AnalysisKind != 1))
    Preset({d.DlgParameter, 2, 3, &chk_end_limit, {&chk_load}});
  else if (ao.MasterCurveParameter == 0)
    Preset({d.DlgParameter, 1, 3, &chk_load, {&chk_end_limit}});
  if (ao.JobStressApproach == 1) Preset({d.DlgStressApproach, 1, 3, &chk_nominal, {&chk_local}});
  if (ao.JobStressApproach == 2) Preset({d.DlgStressApproach, 2, 3, &chk_local, {&chk_nominal}});
  if (ao.SNDataSpecimen == 1) Preset({d.DlgSNDataSpecimen, 1, 3, &chk_notched, {&chk_unnotch}});
  if (ao.SNDataSpecimen == 2) Preset({d.DlgSNDataSpecimen, 2, 3, &chk_unnotch, {&chk_notched}});
  switch (ao.LoadingType) {
    case 1: Preset({d.DlgLoadingType, 1, 5, &chk_history, {&chk_spectrum, &chk_constant}}); break;
    case 2: Preset({d.DlgLoadingType, 2, 5, &chk_spectrum, {&chk_constant, &chk_history}}); break;
    case 3: Preset({d.DlgLoadingType, 3, 5, &chk_constant, {&chk_spectrum, &chk_history}}); break;
    case 4: Preset({d.DlgLoadingType, 4, 5, nullptr, {}}); break;
    default: break;
  }
  if (ao.MeanStressOption == 1) Preset({d.DlgMeanStressOption, 1, 3, &chk_neglect, {&chk_account}});
  if (ao.MeanStressOption == 2) Preset({d.DlgMeanStressOption, 2, 3, &chk_account, {&chk_neglect}});
  if (ao.JobNotchSensitivity == 1) Preset({d.DlgNotchSensitivity, 1, 3, &chk_ns_neglect, {&chk_ns_account}});
  if (ao.JobNotchSensitivity == 2) Preset({d.DlgNotchSensitivity, 2, 3, &chk_ns_account, {&chk_ns_neglect}});
}

void ProblemDefinitionPanel::ShowProblemDefinition() {
  MainMenus& m = main.menus();
  PresetStepButton();
  DisableControl(m.mnu_calculations);
  DisableControl(m.mnu_Run);
  ResultFramesPanel& results = main.results();
  if (results.frm_master.Visible()) {
    results.frm_master.SetVisible(false);
    results.frm_master1.SetVisible(false);
    EnableControl(m.mnu_calculate);
  }
  // The tags as committed: the option buttons change some of them at once,
  // and Cancel gives them back.
  KeepTags();
  PresetGroups();
  main.settings().frm_settings.SetVisible(false);
  main.dataService().frm_data_serv.SetVisible(false);
  main.fatigueDb().frm_Fatigue_Dbase.SetVisible(false);
  main.loadingDb().frm_Load_Dbase.SetVisible(false);
  frm_analysis.SetVisible(true);
  if (main.snInputs().frm_SN.Visible()) {
    cmd_analysis_cancel.SetDefault(true);
  } else {
    Cmd_analysis_next.SetDefault(true);
    Cmd_analysis_next.SetFocus();
  }
  DisableControl(m.mnu_form);
  DisableControl(m.mnu_report);
}

void ShowProblemDefinition(FormMain& main) { main.problemDefinition().ShowProblemDefinition(); }

void mnu_target_Click(FormMain& main) {
  const ShellState& shell = main.state().shellState;
  if (shell.UiState != 1) {
    BeepIfEnabled(shell, main.host());
    return;
  }
  main.problemDefinition().ShowProblemDefinition();
}
