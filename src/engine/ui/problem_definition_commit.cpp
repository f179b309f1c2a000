// OK and Cancel of the problem-definition frame, and the re-application of a
// committed definition read from a job file.

#include "component/ui/data_box_panel.h"
#include "diagrams/results_display.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/job_checks.h"
#include "engine/problem_definition.h"
#include "engine/ui/analysis_menus.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/scaling_factor.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/runtime/format.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/user_messages.h"

namespace {

// The Kt captions of the job summary box for a notch-sensitive analysis.
void ShowNotchSensitivityCaptions(FormMain& main) {
  if (main.state().analysisOptions.NotchSensitivityMode == notch_sensitivity::kNeglect) return;
  main.dataBox().SCF(0).SetCaption("Stress Conc. Factor:  Kt = ");
  main.dataBox().DDBmse(2).SetCaption("Kt = ");
}

// The mean-stress boxes: enabled while the mean stress is accounted; a
// neglected one (zeroed by the commit) shows in both disabled boxes.
void SwitchMeanStressBoxes(FormMain& main) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  if (s.analysisOptions.MeanStressOption != mean_stress_option::kNeglect) {
    EnableControl(lf.SSmeant);
    EnableControl(lf.DTmeant);
    return;
  }
  const std::string shown = Format(s.loadingData.StressMinOrMeanInput * s.loadingUnits.LoadUnitFactor, "####0.0#");
  for (TextBox* box : {&lf.SSmeant, &lf.DTmeant}) {
    DisableControl(*box);
    box->SetText(shown);
  }
}

void ShowStrengthInputs(FormMain& main, bool on) {
  SnFramePanel& sn = main.snInputs();
  for (int i : {2, 3}) {
    sn.SNth(i).SetVisible(on);
    sn.SNtht(i).SetVisible(on);
  }
}

}  // namespace

// The end of OK: the main view, when it is up, follows the new definition.
void ProblemDefinitionPanel::UpdateMainView() {
  ProgramState& s = main.state();
  const AnalysisOptions& ao = s.analysisOptions;
  LoadingData& ld = s.loadingData;
  LoadingFramesPanel& lf = main.loadingFrames();
  ResultFramesPanel& rf = main.results();
  const int b = SelectedBatchOf(s);
  if (ao.AnalysisMode == analysis_mode::kSingleCase ||
      ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit) {
    ld.ScalingFactor = ld.ScalingFactorMax;
    const std::string factor = Format(ld.ScalingFactorMax, "##0.0##");
    lf.SHscal(0).SetCaption("Scaling Factor = " + factor);
    lf.SHscalt(0).SetText(factor);
    ScaleHistoryExtremes(s);
    lf.SHSmax.SetCaption(HistoryCaption(s, ld.LoadSmax, ld.LoadSmin));
  }
  EnableControl(main.menus().mnu_calculate);
  main.dataBox().UpdateDataBox();
  main.dataBox().Result.SetVisible(false);
  rf.Pic_Dam.SetVisible(false);
  if (s.loadingDatabase.BatchPointCount[b] >= 1 && ao.LoadingType >= loading_type::kSpectrum &&
      ao.LoadingType <= loading_type::kDistribution) {
    // A history batch used as another loading type: its extremes give the range.
    ld.StressRangeTo = ld.LoadSmax - ld.LoadSmin;
    ld.StressRange = ld.StressRangeTo;
    ld.StressMinOrMeanInput = ld.StressInputMode == 2 ? (ld.LoadSmax + ld.LoadSmin) / 2.0f : ld.LoadSmin;
  }
  ld.StressMinOrMean = ld.StressMinOrMeanInput;
  main.host().DoEvents();
  if (ao.LoadingType < loading_type::kDistribution) rf.frm_Dam.SetVisible(true);
  RedrawDiagrams(main);
  rf.Pic_Dam.SetVisible(false);
  s.resultsDisplay.DamageDisplayMode = -1;
  rf.ShowDamageDisplayCaption();
  if (ao.LoadingType == loading_type::kHistory && ao.AnalysisMode == analysis_mode::kMasterCurve &&
      ao.MasterCurveParameter == master_curve_parameter::kLoadLevel)
    lf.SHSmax_Click();
}

void ProblemDefinitionPanel::cmd_analysis_done_Click() {
  ProgramState& s = main.state();
  MainMenus& m = main.menus();
  EnableJobMenus(main);
  const int16_t typeBefore = s.analysisOptions.LoadingType;
  CommitProblemDefinition(s);
  if (s.analysisOptions.LoadingType != typeBefore) HideFramesOfOtherLoadingTypes(main);
  if (s.analysisOptions.AnalysisMode != analysis_mode::kMasterCurve && !main.formShow().IsLoaded())
    main.formShow().Load();
  ShowNotchSensitivityCaptions(main);
  SwitchMeanStressBoxes(main);
  ShowMenusOfAnalysisKind(main, true);
  frm_analysis.SetVisible(false);
  KeepTags();  // the committed tags are now those of this OK
  SnFramePanel& sn = main.snInputs();
  if (sn.frm_SN.Visible()) {
    DrawSNCurve(main, sn.Pic_SN.surface());
    main.dataBox().UpdateDataBox();
    main.dataBox().pic_DBox.surface().Refresh();
  }
  if (!ConfirmLoadingOnCommit(s, main.host())) {
    DisableControl(m.mnu_Run);
    DisableControl(m.mnu_calculations);
    // The life on show belongs to a loading the job no longer has.
    if (s.analysisOptions.LoadingType != typeBefore) HideStaleResults(main);
    return;
  }
  if (!ConfirmMeanStressOnCommit(s, main.host())) return;
  s.wizardFlags.LoadingDataReady = true;
  if (s.analysisOptions.MeanStressOption != mean_stress_option::kNeglect) ShowStrengthInputs(main, true);
  EnableControl(m.mnu_Run);
  if (!sn.frm_SN.Visible()) {
    EnableControl(m.mnu_calculations);
    return;
  }
  UpdateMainView();
}

void ProblemDefinitionPanel::cmd_analysis_cancel_Click() {
  ProgramState& s = main.state();
  MainMenus& m = main.menus();
  if (main.snInputs().frm_SN.Visible()) main.dataBox().pic_DBox.surface().Refresh();
  RestoreTags();
  const int16_t type = s.analysisOptions.LoadingType;
  if (!(type == 4 || LoadingReadyFor(type, s))) {
    DisableControl(m.mnu_Run);
    DisableControl(m.mnu_calculations);
    s.wizardFlags.LoadingDataReady = false;
    frm_analysis.SetVisible(false);
    return;
  }
  s.wizardFlags.LoadingDataReady = true;
  EnableControl(m.mnu_Run);
  if (!main.snInputs().frm_SN.Visible()) {
    EnableControl(m.mnu_calculations);
  } else {
    EnableControl(m.mnu_Run);
    EnableControl(m.mnu_calculate);
  }
  frm_analysis.SetVisible(false);
}

void ApplyAnalysisOptions(FormMain& main) {
  ProgramState& s = main.state();
  EnableJobMenus(main);
  ReapplyProblemDefinition(s);
  HideFramesOfOtherLoadingTypes(main);
  const bool account = s.analysisOptions.MeanStressOption != mean_stress_option::kNeglect;
  LoadingFramesPanel& lf = main.loadingFrames();
  lf.SSmeant.SetEnabled(account);
  lf.DTmeant.SetEnabled(account);
  ShowMenusOfAnalysisKind(main, false);
  ShowStrengthInputs(main, account);
  EnableControl(main.menus().mnu_Run);
}
