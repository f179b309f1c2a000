#pragma once

#include <string>

#include "platform/ui/form.h"

class FormMain;

// The problem-definition frame `frm_analysis`: the option groups of the
// analysis, the prompt and the Next / OK / Cancel buttons. The option
// buttons edit the working copies (AnalysisDialogState); OK commits them into
// AnalysisOptions, Cancel leaves the committed definition as it was.
class ProblemDefinitionPanel {
 public:
  explicit ProblemDefinitionPanel(FormMain& main);

  // Option buttons (they run when the user selects a button and when code
  // selects it).
  void chk_single_Click();
  void chk_master_Click();
  void chk_load_Click();
  void chk_end_limit_Click();
  void chk_nominal_Click();
  void chk_local_Click();
  void chk_notched_Click();
  void chk_unnotch_Click();
  void chk_ns_neglect_Click();
  void chk_ns_account_Click();
  void chk_history_Click();
  void chk_spectrum_Click();
  void chk_constant_Click();
  void chk_beta_distrib_Click();
  void chk_neglect_Click();
  void chk_account_Click();
  // OK: commits the problem definition and brings the main view up to date.
  void cmd_analysis_done_Click();
  // Cancel: closes the frame; the committed definition and its tags stay.
  void cmd_analysis_cancel_Click();
  // Opens the frame with its buttons preset from the committed definition.
  void ShowProblemDefinition();

  FormMain& main;
  Frame& frm_analysis;
  Frame& frm_anal_target;
  Frame& frm_anal_parameter;
  Frame& frm_anal_loading;
  Frame& frm_anal_data;
  Frame& frm_anal_load_param;
  Frame& frm_anal_mean_stress;
  Frame& frm_anal_ns;
  OptionButton& chk_single;
  OptionButton& chk_master;
  OptionButton& chk_load;
  OptionButton& chk_end_limit;
  OptionButton& chk_history;
  OptionButton& chk_spectrum;
  OptionButton& chk_constant;
  OptionButton& chk_beta_distrib;
  OptionButton& chk_nominal;
  OptionButton& chk_local;
  OptionButton& chk_notched;
  OptionButton& chk_unnotch;
  OptionButton& chk_neglect;
  OptionButton& chk_account;
  OptionButton& chk_ns_neglect;
  OptionButton& chk_ns_account;
  Label& Select_anal_option;
  CommandButton& Cmd_analysis_next;
  CommandButton& cmd_analysis_done;
  CommandButton& cmd_analysis_cancel;

 private:
  void WireHandlers();
  void PresetGroups();
  void PresetStepButton();
  void UpdateMainView();

  // The committed tags as they were when the frame opened: the option
  // buttons write some of them at once, and Cancel puts them back.
  struct CommittedTags {
    std::string specimen, stressApproach, stressApproachText, notchSensitivity, notchSensitivityText;
  };
  CommittedTags tagsAtOpening_;
  void KeepTags();
  void RestoreTags();
};
