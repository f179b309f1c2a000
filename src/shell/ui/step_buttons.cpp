#include "shell/ui/step_buttons.h"

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/job_checks.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/input_step_commands.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/material_commands.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/step_button_rules.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/shell_commands.h"

namespace {

enum class StepFrom { ProblemDefinition, DataServices };

bool InputViewUp(FormMain& main) { return main.snInputs().frm_SN.Visible(); }

void DrawSNCurveOnScreen(FormMain& main) { DrawSNCurve(main, main.snInputs().Pic_SN.surface()); }

// The range checks of both buttons, then the calculation. Next on the problem
// definition draws the S-N curve of an endurance-limit master curve once
// more before the checks, and closes its frame after the endurance-limit check.
void CheckRangesAndCalculate(FormMain& main, StepFrom from) {
  const ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  LoadingFramesPanel& frames = main.loadingFrames();
  const RangeStep step = RangeStepFor(a, s.materialData, s.loadingData, frames.frm_Spectr.Visible());
  const bool fromProblemDefinition = from == StepFrom::ProblemDefinition;
  if (fromProblemDefinition && a.AnalysisMode == analysis_mode::kMasterCurve &&
      a.MasterCurveParameter == master_curve_parameter::kEnduranceLimit)
    DrawSNCurveOnScreen(main);
  if (step == RangeStep::EnduranceLimitInput) {
    SNSe_Click(main, 0);
    return;
  }
  if (fromProblemDefinition) {
    main.problemDefinition().frm_analysis.SetVisible(false);
    main.host().DoEvents();
  }
  switch (step) {
    case RangeStep::ScalingFactorInput: frames.SHSmax_Click(); return;
    case RangeStep::ScalingFactorInputThenCalculate: frames.SHSmax_Click(); break;
    case RangeStep::DistributionStressInput: frames.DTSmax_Click(0); return;
    case RangeStep::SpectrumStressInput: frames.SSmax_Click(0); return;
    default: break;
  }
  main.dataBox().pic_DBox.surface().Refresh();
  mnu_calculate_Click(main);
}

// The problem definition's OK, run as the user's press of it would run it.
void RunProblemDefinitionOk(FormMain& main) {
  CommandButton& ok = main.problemDefinition().cmd_analysis_done;
  if (ok.onClick) ok.onClick();
}

}  // namespace

void UpdateStepButtons(FormMain& main) {
  const ProgramState& s = main.state();
  const bool ready =
      LoadingReadyFor(s.analysisDialogState.DlgLoadingType, s);
  const StepButtonTexts t = StepButtonTextsFor(ready, InputViewUp(main));
  CommandButton& analysisNext = main.problemDefinition().Cmd_analysis_next;
  CommandButton& dataNext = main.dataService().cmd_data_next;
  analysisNext.SetToolTipText(t.toolTip);
  analysisNext.SetCaption(t.analysisCaption);
  dataNext.SetToolTipText(t.toolTip);
  dataNext.SetCaption(t.dataCaption);
}

void Cmd_analysis_next_Click(FormMain& main) {
  WizardFlags& flags = main.state().wizardFlags;
  DisableControl(main.menus().mnu_calculations);
  RunProblemDefinitionOk(main);
  if (!flags.ApplyAccepted) {
    flags.ApplyAccepted = true;
    return;
  }
  if (!flags.LoadingDataReady) {
    mnu_loading_Click(main);
    return;
  }
  if (!InputViewUp(main)) {
    mnu_calculations_Click(main);
    return;
  }
  DrawSNCurveOnScreen(main);
  RedrawDiagrams(main);
  CheckRangesAndCalculate(main, StepFrom::ProblemDefinition);
}

void cmd_data_next_Click(FormMain& main) {
  MainMenus& menus = main.menus();
  DisableControl(menus.mnu_calculations);
  EnableControl(menus.mnu_Run);
  if (!main.state().wizardFlags.LoadingDataReady) {
    mnu_loading_Click(main);
    DisableControl(menus.mnu_calculate);
    return;
  }
  if (!InputViewUp(main)) {
    mnu_calculations_Click(main);
    return;
  }
  if (main.state().analysisOptions.LoadingType < loading_type::kDistribution) main.results().Pic_Dam.SetVisible(false);
  main.dataBox().UpdateDataBox();
  RedrawDiagrams(main);
  main.dataService().frm_data_serv.SetVisible(false);
  main.host().DoEvents();
  DrawSNCurveOnScreen(main);
  CheckRangesAndCalculate(main, StepFrom::DataServices);
}

void WireStepButtons(FormMain& main) {
  main.problemDefinition().Cmd_analysis_next.onClick = [&main] { Cmd_analysis_next_Click(main); };
  main.dataService().cmd_data_next.onClick = [&main] { cmd_data_next_Click(main); };
}

bool LoadingDataReady(FormMain& main) { return main.state().wizardFlags.LoadingDataReady; }
