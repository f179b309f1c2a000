#include "engine/ui/analysis_frame_panel.h"

#include "shell/ui/form_main.h"

AnalysisFramePanel::AnalysisFramePanel(FormMain& m)
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
  // Wire the option buttons' Click and the buttons' Click to this panel's
  // handlers here.
}
