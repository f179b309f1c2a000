#include "engine/ui/input_step_commands.h"

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/damage_frame.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/endurance_limit_range.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/step_button_rules.h"
#include "shell/ui/about_frame_panel.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kMainCaption = "DUVAK  -  Fatigue Life Analysis Program";
constexpr const char* kCalculationsCaption = "Check/Change &Input Data...";
// The tag of the fatigue-database table sits this far left of its unit label.
constexpr float kTagGap = 80;

// The commands act only on the idle main window; otherwise they only beep.
bool Idle(FormMain& main) {
  const ProgramState& s = main.state();
  if (s.shellState.UiState == ui_state::kIdle) return true;
  BeepIfEnabled(s.shellState, main.host());
  return false;
}

// Hides the master-curve screen, if it is up, and offers Calculate again.
// Returns whether it was up.
bool LeaveMasterCurveScreen(FormMain& main) {
  ResultFramesPanel& r = main.results();
  if (!r.frm_master.Visible()) return false;
  r.frm_master.SetVisible(false);
  r.frm_master1.SetVisible(false);
  main.menus().mnu_calculate.SetEnabled(true);
  return true;
}

void DisablePrintCommands(FormMain& main) {
  DisableControl(main.menus().mnu_form);
  DisableControl(main.menus().mnu_report);
}

// Hides the result display and the working frames that cover the input view.
void HideResultsAndWorkingFrames(FormMain& main) {
  DataBoxPanel& box = main.dataBox();
  for (int i = 0; i <= 2; ++i) {
    box.DBmset(i).SetEnabled(false);
    box.DDBmse(i).SetVisible(false);
  }
  box.Result.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  box.ScattFact.SetVisible(false);
  DisablePrintCommands(main);
  main.state().results.CalcAborted = 0;
  main.dataService().frm_data_serv.SetVisible(false);
  main.problemDefinition().frm_analysis.SetVisible(false);
  main.results().frm_master.SetVisible(false);
  main.results().frm_master1.SetVisible(false);
  main.host().DoEvents();
}

// A single case calculates at one endurance limit; a master curve over it
// needs a range that does not run backwards, and an empty range is to be
// entered first.
void SettleEnduranceLimitRange(FormMain& main) {
  ProgramState& s = main.state();
  if (SettleEnduranceLimit(s.materialData, s.analysisOptions)) main.snInputs().SNset(0).SetFocus();
}

// A master curve over the load level does not run backwards; any other job
// keeps the range typed into its one box (StressRangeTo), as the spectrum
// does, rather than taking the lower end's.
void ShowDistributionDiagram(FormMain& main) {
  const bool loadLevel = LoadLevelMasterCurve(main.state().analysisOptions);
  LoadingData& l = main.state().loadingData;
  if (loadLevel && l.StressRangeTo < l.StressRangeFrom) l.StressRangeTo = l.StressRangeFrom;
  LoadingFramesPanel& f = main.loadingFrames();
  DrawDistributionDiagram(main, f.Pic_Distr.surface(), SelectedBatchOf(main.state()));
  f.frm_Distr.SetVisible(true);
  f.Pic_Distr.SetVisible(true);
  if (loadLevel && l.StressRangeTo == l.StressRangeFrom) f.DTSmaxt(0).SetFocus();
}

void ShowHistoryDiagram(FormMain& main) {
  LoadingFramesPanel& f = main.loadingFrames();
  DrawHistoryDiagram(main, f.Pic_Hist.surface(), SelectedBatchOf(main.state()));
  f.frm_Hist.SetVisible(true);
  f.Pic_Hist.SetVisible(true);
  if (LoadLevelMasterCurve(main.state().analysisOptions)) f.SHSmax_Click();
}

// Spectrum and constant amplitude: a single case keeps its stress range.
void ShowSpectrumDiagram(FormMain& main) {
  const bool loadLevel = LoadLevelMasterCurve(main.state().analysisOptions);
  LoadingData& l = main.state().loadingData;
  if (loadLevel && l.StressRangeTo < l.StressRangeFrom) l.StressRangeTo = l.StressRangeFrom;
  LoadingFramesPanel& f = main.loadingFrames();
  DrawSpectrumDiagram(main, f.Pic_Spectr.surface(), SelectedBatchOf(main.state()));
  f.frm_Spectr.SetVisible(true);
  f.Pic_Spectr.SetVisible(true);
  if (loadLevel && l.StressRangeTo == l.StressRangeFrom) f.SSmaxt(0).SetFocus();
}

void ShowLoadingDiagram(FormMain& main) {
  switch (main.state().analysisOptions.LoadingType) {
    case 4: ShowDistributionDiagram(main); break;
    case 1: ShowHistoryDiagram(main); break;
    case 2:
    case 3: ShowSpectrumDiagram(main); break;
    default: break;
  }
}

// The data-service frame comes up in front of the input frames.
void ShowDataServiceFrame(FormMain& main, const char* caption) {
  DataServicePanel& ds = main.dataService();
  ds.frm_data_serv.SetCaption(caption);
  main.settings().frm_settings.SetVisible(false);
  main.problemDefinition().frm_analysis.SetVisible(false);
  ds.frm_data_serv.SetVisible(true);
  main.loadingDb().frm_Load_Dbase.SetVisible(false);
  main.fatigueDb().frm_Fatigue_Dbase.SetVisible(false);
}

// Whether a press of the data-service step button may go on to the input
// view or the calculation, as far as the loading goes.
bool LoadingLetsStepOn(const ProgramState& s) {
  return s.wizardFlags.LoadingDataReady || s.analysisOptions.LoadingType >= loading_type::kConstantAmplitude;
}

void SetDataNextTexts(FormMain& main, const StepButtonTexts& t) {
  CommandButton& next = main.dataService().cmd_data_next;
  next.SetToolTipText(t.toolTip);
  next.SetCaption(t.dataCaption);
}

// The loading database is only read here: no new database, no editing, no saving.
void OfferLoadingDatabaseActions(FormMain& main) {
  DataServicePanel& ds = main.dataService();
  ds.chk_new_Dbase.SetValue(0);
  ds.chk_new_Dbase.SetEnabled(false);
  ds.chk_Edit_Dbase.SetEnabled(false);
  ds.chk_Save_Dbase.SetEnabled(false);
  if (main.state().loadingDbState.LoadingBatchCount < 1) {
    ds.chk_Input_Dbase.SetEnabled(false);
    SelectOption(ds.chk_Read_Dbase);
  } else {
    ds.chk_Input_Dbase.SetEnabled(true);
    SelectOption(ds.chk_Input_Dbase);
  }
}

// An empty fatigue database is read or edited as a new one; one with batches
// is browsed first and may be saved.
void OfferFatigueDatabaseActions(FormMain& main) {
  DataServicePanel& ds = main.dataService();
  ds.chk_Input_Dbase.SetEnabled(false);
  ds.chk_Edit_Dbase.SetEnabled(true);
  ds.chk_Read_Dbase.SetEnabled(true);
  ds.chk_new_Dbase.SetValue(1);
  ds.chk_new_Dbase.SetEnabled(false);
  SelectOption(ds.chk_Read_Dbase);
  ds.cmd_data_next.SetEnabled(true);
  ds.cmd_data_cancel.SetDefault(true);
  if (main.state().fatigueDbState.FatigueBatchCount > 0) {
    ds.chk_new_Dbase.SetEnabled(true);
    ds.chk_new_Dbase.SetValue(0);
    ds.chk_Input_Dbase.SetEnabled(true);
    SelectOption(ds.chk_Input_Dbase);
    ds.chk_Save_Dbase.SetEnabled(true);
  }
}

// The tag of the Se row in the fatigue-database table, left of its unit label.
void PlaceFatigueTableTag(FormMain& main) {
  FatigueDbPanel& fdb = main.fatigueDb();
  Label& tag = fdb.dN_distr(3);
  const Label& unit = fdb.Label28(0);
  tag.SetTop(unit.Top());
  tag.SetLeft(unit.Left() - kTagGap * main.state().layoutScales.FontScale - tag.Width());
  tag.SetVisible(false);
}

void RebuildInputView(FormMain& main) {
  Host& host = main.host();
  host.SetMousePointer(kPointerHourglass);
  main.menus().mnu_calculate.SetEnabled(true);
  HideResultsAndWorkingFrames(main);
  DataBoxPanel& box = main.dataBox();
  box.UpdateDataBox();
  box.frm_DBox.SetVisible(true);
  box.pic_DBox.SetVisible(true);
  SnFramePanel& sn = main.snInputs();
  DrawSNCurve(main, sn.Pic_SN.surface());
  sn.frm_SN.SetVisible(true);
  host.DoEvents();
  SettleEnduranceLimitRange(main);
  PlaceDamageFrame(main);
  if (main.state().analysisOptions.LoadingType != loading_type::kDistribution) {
    main.results().Pic_Dam.SetVisible(false);
    main.results().frm_Dam.SetVisible(true);
  }
  ShowLoadingDiagram(main);
  sn.frm_SN.SetVisible(true);
  box.frm_DBox.SetVisible(true);
  main.about().ShowTitle();
  if (sn.frm_SN.Visible()) main.menus().mnu_calculations.SetEnabled(false);
  host.SetMousePointer(kPointerDefault);
}

}  // namespace

void mnu_calculations_Click(FormMain& main) {
  if (!Idle(main)) return;
  main.SetCaption(kMainCaption);
  if (LeaveMasterCurveScreen(main)) {
    MainMenus& menus = main.menus();
    menus.mnu_calculations.SetEnabled(false);
    menus.mnu_calculations.SetCaption(kCalculationsCaption);
    menus.mnu_form.SetEnabled(false);
    menus.mnu_report.SetEnabled(false);
    return;
  }
  RebuildInputView(main);
}

void mnu_loading_Click(FormMain& main) {
  if (!Idle(main)) return;
  ProgramState& s = main.state();
  DataServicePanel& ds = main.dataService();
  s.fatigueDbState.DataServiceMode = 1;
  main.menus().mnu_Run.SetEnabled(false);
  DisablePrintCommands(main);
  OfferLoadingDatabaseActions(main);
  // on the job's folder, where the database in memory is browsed only if it came from there
  ds.ShowFolder(s.fatigueDbState.DataDirectory[1]);
  LeaveMasterCurveScreen(main);
  if (!s.wizardFlags.LoadingDataReady) ds.cmd_data_next.SetEnabled(false);
  const bool stepOn = LoadingLetsStepOn(s);
  SetDataNextTexts(main, StepButtonTextsFor(stepOn, main.snInputs().frm_SN.Visible()));
  ShowDataServiceFrame(main, "Loading Data");
  ds.cmd_data_cancel.SetDefault(true);
}

void mnu_fatigue_Click(FormMain& main) {
  if (!Idle(main)) return;
  ProgramState& s = main.state();
  DataServicePanel& ds = main.dataService();
  LeaveMasterCurveScreen(main);
  s.fatigueDbState.DataServiceMode = 2;
  OfferFatigueDatabaseActions(main);
  ds.ShowFolder(s.fatigueDbState.DataDirectory[2]);
  const bool inputViewUp = main.snInputs().frm_SN.Visible();
  if (LoadingLetsStepOn(s) && inputViewUp) SetDataNextTexts(main, StepButtonTextsFor(true, true));
  main.menus().mnu_Run.SetEnabled(false);
  DisablePrintCommands(main);
  ShowDataServiceFrame(main, "Material Data");
  ds.cmd_data_next.SetEnabled(true);
  if (inputViewUp) main.dataBox().pic_DBox.surface().Refresh();
  PlaceFatigueTableTag(main);
}
