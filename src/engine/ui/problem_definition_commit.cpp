// OK and Cancel of the problem-definition frame, and the re-application of a
// committed definition read from a job file.

#include "component/ui/data_box_panel.h"
#include "diagrams/results_display.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/job_checks.h"
#include "engine/ui/analysis_frame_panel.h"
#include "engine/ui/analysis_menus.h"
#include "engine/ui/engine_commands.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/runtime/format.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/unit_texts.h"
#include "shell/user_messages.h"

namespace {

void CommitTarget(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  const AnalysisDialogState& d = s.analysisDialogState;
  ao.AnalysisMode = d.DlgAnalysisMode;
  if (ao.AnalysisMode != 2) {
    ao.MasterCurveParameter = 0;
    ao.AnalysisKind = d.DlgParameter;
  } else {
    ao.MasterCurveParameter = d.DlgParameter;
    ao.AnalysisKind = 1;
  }
}

void CommitSpecimen(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  ComponentData& cd = s.componentData;
  ao.SNDataSpecimen = s.analysisDialogState.DlgSNDataSpecimen;
  if (ao.SNDataSpecimen != 1) {
    cd.SpecimenNotchFactor = cd.Kt;
    cd.Kf = cd.SpecimenNotchFactor;
    ao.SpecimenTag = "PS/";
    ao.SpecimenText = "Plain Specimen";
  } else {
    cd.SpecimenNotchFactor = 1.0f;
    ao.SpecimenTag = "FS/";
    ao.SpecimenText = "Feature Specimen";
  }
}

void CommitNotchAndApproach(FormMain& main) {
  ProgramState& s = main.state();
  AnalysisOptions& ao = s.analysisOptions;
  const AnalysisDialogState& d = s.analysisDialogState;
  ao.NotchSensitivityMode = d.DlgNotchSensitivity;
  ao.JobNotchSensitivity = d.DlgNotchSensitivity;
  if (ao.NotchSensitivityMode != 1) {
    ao.NotchSensitivityTag = "NS(+)/";
    ao.NotchSensitivityText = "Notch Sensitivity (+)";
    main.dataBox().SCF(0).SetCaption("Stress Conc. Factor:  Kt = ");
    main.dataBox().DDBmse(2).SetCaption("Kt = ");
  } else {
    ao.NotchSensitivityTag = "NS(-)/";
    ao.NotchSensitivityText = "Notch Sensitivity (-)";
  }
  ao.StressApproach = d.DlgStressApproach;
  ao.JobStressApproach = d.DlgStressApproach;
  const bool local = ao.StressApproach != 1;
  ao.StressApproachTag = local ? "LocS/" : "NomS/";
  ao.StressApproachText = local ? "Local Strs/Strn" : "Nominal Strs/Strn";
}

void CommitLoadingType(ProgramState& s) {
  AnalysisOptions& ao = s.analysisOptions;
  ao.LoadingType = s.analysisDialogState.DlgLoadingType;
  ao.MeanStressOption = s.analysisDialogState.DlgMeanStressOption;
  if (ao.LoadingType == 4) {
    s.loadingData.StressInputMode = 1;
    s.loadingData.CyclesPerBlock = s.loadingData.BlockVolumeEntry;
  }
}

void SwitchMeanStressBoxes(FormMain& main) {
  ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  if (s.analysisOptions.MeanStressOption != 1) {
    EnableControl(lf.SSmeant);
    EnableControl(lf.DTmeant);
    return;
  }
  LoadingData& ld = s.loadingData;
  ld.StressMinOrMean = 0.0f;
  ld.StressMinOrMeanInput = 0.0f;
  const std::string shown = Format(ld.StressMinOrMeanInput * s.loadingUnits.LoadUnitFactor, "####0.0#");
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

constexpr const char* kNoDistributionQuestion =
    "Sorry, There is no Distribution in the Data Batch!\r"
    "Would you like to abandon the data batch\r"
    "and input arbitrary parameters through the keyboard?";

}  // namespace

// Step 13 of OK: false when the loading data do not fit the committed type.
bool AnalysisFramePanel::CheckLoadingOnCommit() {
  ProgramState& s = main.state();
  MainMenus& m = main.menus();
  const int16_t type = s.analysisOptions.LoadingType;
  bool ready = LoadingReadyFor(type, s);
  if (!ready && type == 4 && s.loadingDatabase.BatchR[SelectedBatchOf(s)] == 0.0f) {
    const int answer = AlertBox(s.shellState, main.host(), kNoDistributionQuestion, MsgButtons::YesNo,
                                MsgIcon::Question, 1, " Loading Data");
    if (answer == kAnswerYes) {
      s.loadingData.DistQInput = 3.0f;
      s.loadingData.DistRInput = 3.0f;
      s.loadingDbState.SelectedLoadingBatch = 0;
      s.loadingDbState.LoadingSource = 2;
      s.jobTexts.LoadingName = "???";
      ready = true;
    }
  }
  if (ready) return true;
  DisableControl(m.mnu_Run);
  DisableControl(m.mnu_calculations);
  s.wizardFlags.LoadingDataReady = false;
  return false;
}

// Step 14 of OK: false when the user declines the mean-stress mismatch.
bool AnalysisFramePanel::AskMeanStressOnCommit() {
  ProgramState& s = main.state();
  const std::string word = MeanStressQuestionWord(s);
  if (word.empty()) return true;
  BeepIfEnabled(s.shellState, main.host());
  s.wizardFlags.ApplyAccepted = false;
  const int answer = main.host().MsgBox(MeanStressQuestionText(word), MsgButtons::YesNo, MsgIcon::Question, 2,
                                        kMeanStressQuestionTitle);
  if (answer != kAnswerYes) {
    s.analysisOptions.MeanStressOption = 1;
    return false;
  }
  s.wizardFlags.ApplyAccepted = true;
  s.results.MseQuestionAnswered = 1;
  return true;
}

// Step 19 of OK: the main view, when it is up, follows the new definition.
void AnalysisFramePanel::UpdateMainView() {
  ProgramState& s = main.state();
  const AnalysisOptions& ao = s.analysisOptions;
  LoadingData& ld = s.loadingData;
  LoadingFramesPanel& lf = main.loadingFrames();
  ResultFramesPanel& rf = main.results();
  const int b = SelectedBatchOf(s);
  if (ao.AnalysisMode == 1 || ao.MasterCurveParameter == 2) {
    ld.ScalingFactor = ld.ScalingFactorMax;
    const std::string factor = Format(ld.ScalingFactorMax, "##0.0##");
    lf.SHscal(0).SetCaption("Scaling Factor = " + factor);
    lf.SHscalt(0).SetText(factor);
    ld.LoadSmax = ld.ScalingFactor * s.loadingDatabase.BatchHistoryMax[b];
    ld.LoadSmin = ld.ScalingFactor * s.loadingDatabase.BatchHistoryMin[b];
    if (ld.LoadSmax < ld.LoadSmin) SwapValues(ld.LoadSmax, ld.LoadSmin);
    lf.SHSmax.SetCaption(HistoryExtremesCaption(s, "###0.0# "));
  }
  EnableControl(main.menus().mnu_calculate);
  main.dataBox().UpdateDataBox();
  main.dataBox().Result.SetVisible(false);
  rf.Pic_Dam.SetVisible(false);
  if (s.loadingDatabase.BatchPointCount[b] >= 1 && ao.LoadingType >= 2 && ao.LoadingType <= 4) {
    // A history batch used as another loading type: its extremes give the range.
    ld.StressRangeTo = ld.LoadSmax - ld.LoadSmin;
    ld.StressRange = ld.StressRangeTo;
    ld.StressMinOrMeanInput = ld.StressInputMode == 2 ? (ld.LoadSmax + ld.LoadSmin) / 2.0f : ld.LoadSmin;
  }
  ld.StressMinOrMean = ld.StressMinOrMeanInput;
  main.host().DoEvents();
  if (ao.LoadingType < 4) rf.frm_Dam.SetVisible(true);
  RedrawDiagrams(main);
  rf.Pic_Dam.SetVisible(false);
  s.resultsDisplay.DamageDisplayMode = -1;
  rf.frm_Dam.SetCaption("Results:  Damage");
  if (ao.LoadingType == 1 && ao.AnalysisMode == 2 && ao.MasterCurveParameter == 1) lf.SHSmax_Click();
}

void AnalysisFramePanel::cmd_analysis_done_Click() {
  ProgramState& s = main.state();
  MainMenus& m = main.menus();
  EnableJobMenus(main);
  CommitTarget(s);
  if (s.analysisOptions.AnalysisMode != 2 && !main.formShow().IsLoaded()) main.formShow().Load();
  s.loadingData.ScalingFactorApplied = s.loadingData.ScalingFactorMean;
  CommitSpecimen(s);
  CommitNotchAndApproach(main);
  CommitLoadingType(s);
  FollowStressUnits(s);
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
  if (!CheckLoadingOnCommit()) return;
  if (!AskMeanStressOnCommit()) return;
  s.wizardFlags.LoadingDataReady = true;
  if (s.analysisOptions.MeanStressOption != 1) ShowStrengthInputs(main, true);
  EnableControl(m.mnu_Run);
  if (!sn.frm_SN.Visible()) {
    EnableControl(m.mnu_calculations);
    return;
  }
  UpdateMainView();
}

void AnalysisFramePanel::cmd_analysis_cancel_Click() {
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
  ComponentData& cd = s.componentData;
  EnableJobMenus(main);
  if (s.analysisOptions.SNDataSpecimen != 1) {
    cd.SpecimenNotchFactor = cd.Kt;
    cd.Kf = cd.SpecimenNotchFactor;
  } else {
    cd.SpecimenNotchFactor = 1.0f;
  }
  const bool account = s.analysisOptions.MeanStressOption != 1;
  LoadingFramesPanel& lf = main.loadingFrames();
  lf.SSmeant.SetEnabled(account);
  lf.DTmeant.SetEnabled(account);
  if (!account) s.loadingData.StressMinOrMean = 0.0f;
  ShowMenusOfAnalysisKind(main, false);
  ShowStrengthInputs(main, account);
  s.wizardFlags.LoadingDataReady = true;
  EnableControl(main.menus().mnu_Run);
}
