#pragma once

#include "platform/ui/form.h"

class FormMain;

// The problem-definition frame `frm_analysis`: the option groups of the
// analysis, the prompt and the Next / OK / Cancel buttons.
class AnalysisFramePanel {
 public:
  explicit AnalysisFramePanel(FormMain& main);

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
};
