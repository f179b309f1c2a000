#include "engine/ui/problem_definition_panel.h"

#include "engine/problem_definition.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/shell_commands.h"

ProblemDefinitionPanel::ProblemDefinitionPanel(FormMain& m)
    : main(m),
      frm_analysis(m.frame("frm_analysis")),
      frm_anal_target(m.frame("frm_anal_target")),
      frm_anal_parameter(m.frame("frm_anal_parameter")),
      frm_anal_loading(m.frame("frm_anal_loading")),
      frm_anal_data(m.frame("frm_anal_data")),
      frm_anal_load_param(m.frame("frm_anal_load_param")),
      frm_anal_mean_stress(m.frame("frm_anal_mean_stress")),
      frm_anal_ns(m.frame("frm_anal_ns")),
      chk_single(m.option("chk_single")),
      chk_master(m.option("chk_master")),
      chk_load(m.option("chk_load")),
      chk_end_limit(m.option("chk_end_limit")),
      chk_history(m.option("chk_history")),
      chk_spectrum(m.option("chk_spectrum")),
      chk_constant(m.option("chk_constant")),
      chk_beta_distrib(m.option("chk_beta_distrib")),
      chk_nominal(m.option("chk_nominal")),
      chk_local(m.option("chk_local")),
      chk_notched(m.option("chk_notched")),
      chk_unnotch(m.option("chk_unnotch")),
      chk_neglect(m.option("chk_neglect")),
      chk_account(m.option("chk_account")),
      chk_ns_neglect(m.option("chk_ns_neglect")),
      chk_ns_account(m.option("chk_ns_account")),
      Select_anal_option(m.label("Select_anal_option")),
      Cmd_analysis_next(m.button("Cmd_analysis_next")),
      cmd_analysis_done(m.button("cmd_analysis_done")),
      cmd_analysis_cancel(m.button("cmd_analysis_cancel")) {
  WireHandlers();
  KeepTags();
}

void ProblemDefinitionPanel::WireHandlers() {
  const std::pair<OptionButton*, void (ProblemDefinitionPanel::*)()> clicks[] = {
      {&chk_single, &ProblemDefinitionPanel::chk_single_Click},
      {&chk_master, &ProblemDefinitionPanel::chk_master_Click},
      {&chk_load, &ProblemDefinitionPanel::chk_load_Click},
      {&chk_end_limit, &ProblemDefinitionPanel::chk_end_limit_Click},
      {&chk_nominal, &ProblemDefinitionPanel::chk_nominal_Click},
      {&chk_local, &ProblemDefinitionPanel::chk_local_Click},
      {&chk_notched, &ProblemDefinitionPanel::chk_notched_Click},
      {&chk_unnotch, &ProblemDefinitionPanel::chk_unnotch_Click},
      {&chk_ns_neglect, &ProblemDefinitionPanel::chk_ns_neglect_Click},
      {&chk_ns_account, &ProblemDefinitionPanel::chk_ns_account_Click},
      {&chk_history, &ProblemDefinitionPanel::chk_history_Click},
      {&chk_spectrum, &ProblemDefinitionPanel::chk_spectrum_Click},
      {&chk_constant, &ProblemDefinitionPanel::chk_constant_Click},
      {&chk_beta_distrib, &ProblemDefinitionPanel::chk_beta_distrib_Click},
      {&chk_neglect, &ProblemDefinitionPanel::chk_neglect_Click},
      {&chk_account, &ProblemDefinitionPanel::chk_account_Click},
  };
  for (const auto& [button, handler] : clicks) button->onClick = [this, h = handler] { (this->*h)(); };
  cmd_analysis_done.onClick = [this] { cmd_analysis_done_Click(); };
  cmd_analysis_cancel.onClick = [this] { cmd_analysis_cancel_Click(); };
}

// ---- Option buttons: working copies, the other buttons, and the tags that
// change at once.

namespace {
void SwitchNotchSensitivityPair(ProblemDefinitionPanel& p, bool on) {
  for (Control* c : {static_cast<Control*>(&p.frm_anal_ns), static_cast<Control*>(&p.chk_ns_neglect),
                     static_cast<Control*>(&p.chk_ns_account)})
    c->SetEnabled(on);
}
}  // namespace

void ProblemDefinitionPanel::chk_single_Click() {
  AnalysisDialogState& d = main.state().analysisDialogState;
  d.DlgAnalysisMode = analysis_mode::kSingleCase;
  frm_anal_parameter.SetCaption("Analysis");
  chk_load.SetCaption("Deterministic");
  chk_end_limit.SetCaption("Probabilistic");
  chk_load.SetEnabled(true);
  // The pair now chooses the kind of analysis: after a master curve over Kt
  // (a parameter it has no button for) the kind is the one the pair shows.
  if (d.DlgParameter != analysis_kind::kDeterministic && d.DlgParameter != analysis_kind::kProbabilistic)
    d.DlgParameter = chk_end_limit.Value() ? analysis_kind::kProbabilistic : analysis_kind::kDeterministic;
}

void ProblemDefinitionPanel::chk_master_Click() {
  ProgramState& s = main.state();
  s.analysisDialogState.DlgAnalysisMode = analysis_mode::kMasterCurve;
  EnableControl(frm_anal_parameter);
  EnableControl(chk_load);
  EnableControl(chk_end_limit);
  frm_anal_parameter.SetCaption("Parameter");
  chk_load.SetCaption("Load Level");
  chk_end_limit.SetCaption("Endurace Limit");
  // A typed-in distribution other than Beta cannot be stepped over the load level.
  if (s.analysisDialogState.DlgLoadingType != loading_type::kDistribution || s.loadingDbState.LoadingSource == 1 ||
      s.loadingData.DistributionType == 1) {
    chk_load.SetEnabled(true);
  } else {
    chk_load.SetEnabled(false);
    chk_load.SetValue(false);
    chk_end_limit.SetValue(true);
  }
}

void ProblemDefinitionPanel::chk_load_Click() {
  main.state().analysisDialogState.DlgParameter = 1;
  chk_master.SetEnabled(true);
}

void ProblemDefinitionPanel::chk_end_limit_Click() {
  AnalysisDialogState& d = main.state().analysisDialogState;
  d.DlgParameter = 2;
  if (d.DlgAnalysisMode == analysis_mode::kSingleCase) {  // probabilistic: single case only
    chk_master.SetEnabled(false);
    SelectOption(chk_single);
  }
}

void ProblemDefinitionPanel::chk_nominal_Click() {
  ProgramState& s = main.state();
  chk_notched.SetEnabled(true);
  if (s.analysisDialogState.DlgSNDataSpecimen == sn_data_specimen::kFeature) SwitchNotchSensitivityPair(*this, false);
  s.analysisDialogState.DlgStressApproach = stress_approach::kNominal;
  s.analysisOptions.StressApproachTag = StressApproachTagsOf(stress_approach::kNominal).tag;
}

void ProblemDefinitionPanel::chk_local_Click() {
  ProgramState& s = main.state();
  SelectOption(chk_unnotch);
  chk_notched.SetEnabled(false);
  if (s.analysisDialogState.DlgSNDataSpecimen == sn_data_specimen::kPlain) SwitchNotchSensitivityPair(*this, true);
  s.analysisDialogState.DlgStressApproach = stress_approach::kLocal;
  // The text until OK commits it.
  s.analysisOptions.StressApproachTag = StressApproachTagsOf(stress_approach::kLocal).tag;
  s.analysisOptions.StressApproachText = "Local Stress";
}

void ProblemDefinitionPanel::chk_notched_Click() {
  ProgramState& s = main.state();
  s.analysisDialogState.DlgSNDataSpecimen = sn_data_specimen::kFeature;
  SwitchNotchSensitivityPair(*this, false);
  SelectOption(chk_ns_neglect);
  s.analysisOptions.SpecimenTag = SpecimenTagsOf(sn_data_specimen::kFeature).tag;
}

void ProblemDefinitionPanel::chk_unnotch_Click() {
  ProgramState& s = main.state();
  SwitchNotchSensitivityPair(*this, true);
  s.analysisDialogState.DlgSNDataSpecimen = sn_data_specimen::kPlain;
  s.analysisOptions.SpecimenTag = SpecimenTagsOf(sn_data_specimen::kPlain).tag;
}

void ProblemDefinitionPanel::chk_ns_neglect_Click() {
  ProgramState& s = main.state();
  s.analysisDialogState.DlgNotchSensitivity = notch_sensitivity::kNeglect;
  SetNotchSensitivityTags(s.analysisOptions, notch_sensitivity::kNeglect);
}

void ProblemDefinitionPanel::chk_ns_account_Click() {
  ProgramState& s = main.state();
  s.analysisDialogState.DlgNotchSensitivity = notch_sensitivity::kAccount;
  SetNotchSensitivityTags(s.analysisOptions, notch_sensitivity::kAccount);
}

void ProblemDefinitionPanel::chk_history_Click() {
  main.state().analysisDialogState.DlgLoadingType = loading_type::kHistory;
  chk_account.SetEnabled(true);
  UpdateStepButtons(main);
  main.state().results.MseQuestionAnswered = 1;
}

void ProblemDefinitionPanel::chk_spectrum_Click() {
  main.state().analysisDialogState.DlgLoadingType = loading_type::kSpectrum;
  chk_account.SetEnabled(true);
  UpdateStepButtons(main);
}

void ProblemDefinitionPanel::chk_constant_Click() {
  main.state().analysisDialogState.DlgLoadingType = loading_type::kConstantAmplitude;
  chk_account.SetEnabled(true);
  UpdateStepButtons(main);
}

void ProblemDefinitionPanel::chk_beta_distrib_Click() {
  main.state().analysisDialogState.DlgLoadingType = loading_type::kDistribution;
  chk_account.SetEnabled(false);
  SelectOption(chk_neglect);
  UpdateStepButtons(main);
}

void ProblemDefinitionPanel::chk_neglect_Click() {
  main.state().analysisDialogState.DlgMeanStressOption = mean_stress_option::kNeglect;
  main.state().results.MseQuestionAnswered = 0;
}

void ProblemDefinitionPanel::chk_account_Click() {
  main.state().analysisDialogState.DlgMeanStressOption = mean_stress_option::kAccount;
  main.state().results.MseQuestionAnswered = 0;
}

void ProblemDefinitionPanel::KeepTags() {
  const AnalysisOptions& ao = main.state().analysisOptions;
  tagsAtOpening_ = {ao.SpecimenTag, ao.StressApproachTag, ao.StressApproachText, ao.NotchSensitivityTag,
                    ao.NotchSensitivityText};
}

void ProblemDefinitionPanel::RestoreTags() {
  AnalysisOptions& ao = main.state().analysisOptions;
  ao.SpecimenTag = tagsAtOpening_.specimen;
  ao.StressApproachTag = tagsAtOpening_.stressApproach;
  ao.StressApproachText = tagsAtOpening_.stressApproachText;
  ao.NotchSensitivityTag = tagsAtOpening_.notchSensitivity;
  ao.NotchSensitivityText = tagsAtOpening_.notchSensitivityText;
}
