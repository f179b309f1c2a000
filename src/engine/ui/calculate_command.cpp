// "&Calculate": checks the inputs that the boxes cannot check themselves,
// and the loading values by the rules of their boxes, asks once per loading
// batch about a mean-stress mismatch, then calculates the damage and shows
// the life, or opens the simulation options.

#include <optional>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/damage.h"
#include "engine/job_checks.h"
#include "engine/ui/engine_commands.h"
#include "engine/ui/problem_definition_panel.h"
#include "engine/ui/summary_progress.h"
#include "loading/loading_value_checks.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/mcs_view_rules.h"
#include "montecarlo/ui/mcs_options_panel.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kDifferent = "Sorry, Data Incorrect!  " " (Values must be different)";
constexpr const char* kSameSign = "Sorry, Data Incorrect!  " " (Values must be (+) or (-) )";

void HideLife(FormMain& main) {
  main.results().Pic_Dam.SetVisible(false);
  main.dataBox().Result.SetVisible(false);
}

// Refuses a distribution parameter that is still being typed; true when refused.
bool DistributionParameterUnfinished(FormMain& main) {
  TextBox& q = main.loadingFrames().DTt(0);
  if (main.state().analysisOptions.LoadingType != loading_type::kDistribution || !IsBeingEdited(q)) return false;
  main.host().MsgBox(DataIncorrectText(""), MsgButtons::OKOnly, MsgIcon::Critical, 1, " Distribution Parameter");
  q.SetFocus();
  return true;
}

// Typed values of the two ends of a master-curve range.
bool TypedEndsEqual(const ControlArray<TextBox>& boxes) { return Val(boxes(1).Text()) == Val(boxes(0).Text()); }

// The ends of a master-curve range; true when refused (message shown, focus moved).
bool MasterRangeRefused(FormMain& main) {
  ProgramState& s = main.state();
  const AnalysisOptions& ao = s.analysisOptions;
  const LoadingData& ld = s.loadingData;
  LoadingFramesPanel& lf = main.loadingFrames();
  const char* text = nullptr;
  const char* title = nullptr;
  if (ao.MasterCurveParameter == master_curve_parameter::kLoadLevel && ao.LoadingType == loading_type::kHistory) {
    title = " Max & Min Scaling Factor";
    if (Sng(static_cast<double>(ld.ScalingFactorMax) * ld.ScalingFactorMin) < 0.0f)
      text = kSameSign;
    else if (TypedEndsEqual(lf.SHscalt))
      text = kDifferent;
  } else if (ao.MasterCurveParameter == master_curve_parameter::kLoadLevel &&
             ao.LoadingType >= loading_type::kSpectrum && ao.LoadingType <= loading_type::kDistribution) {
    title = " Max & Min Stress Range or Amplitude";
    if (ld.StressRangeFrom == ld.StressRangeTo) text = kDifferent;
  } else if (ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit) {
    title = " Max & Min Endurance Limit";
    if (TypedEndsEqual(main.snInputs().SNset)) text = kDifferent;
  }
  if (!text) return false;
  AlertBox(s.shellState, main.host(), text, MsgButtons::OKOnly, MsgIcon::Critical, 1, title);
  if (ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit)
    main.snInputs().SNset(0).SetFocus();
  else if (ao.LoadingType == loading_type::kHistory)
    lf.SHSmax_Click();
  else if (lf.frm_Spectr.Visible() && ao.LoadingType < loading_type::kDistribution)
    lf.SSmaxt(0).SetFocus();
  else
    lf.DTSmaxt(0).SetFocus();
  return true;
}

// Opens the box of a refused loading value as its label does.
void OpenLoadingBox(LoadingFramesPanel& lf, LoadingBox box, int index) {
  switch (box) {
    case LoadingBox::SSmaxt: lf.SSmax_Click(index); break;
    case LoadingBox::SSmeant: lf.SSmeant.SetFocus(); break;
    case LoadingBox::DTt: lf.DT_Click(index); break;
    case LoadingBox::DTSmaxt: lf.DTSmax_Click(index); break;
    case LoadingBox::DTmeant: lf.DTmeant.SetFocus(); break;
    case LoadingBox::DTvolumet: lf.DTvolume_Click(); break;
    case LoadingBox::SHscalt:
      if (index == 0)
        lf.SHSmax_Click();
      else
        lf.SHscal_Click(index);
      break;
  }
}

// A loading value that its box would refuse stops the command with the
// box's own refusal, and the box opens; true when refused.
bool LoadingValueRefused(FormMain& main) {
  ProgramState& s = main.state();
  const std::optional<LoadingValueRefusal> r = RefusedLoadingValue(s);
  if (!r) return false;
  AlertBox(s.shellState, main.host(), r->refusal.text, MsgButtons::OKOnly, r->refusal.icon, 1, r->refusal.title);
  OpenLoadingBox(main.loadingFrames(), r->box, r->index);
  return true;
}

void RunDeterministic(FormMain& main) {
  ProgramState& s = main.state();
  {
    SummaryProgress progress(main);  // the summary's colours come back when it goes
    CalcDamage(s, main.host(), progress);
  }
  s.shellState.UiState = ui_state::kIdle;
  if (s.results.CalcAborted == 0) ShowFatigueLife(main, s.analysisOptions.LifeUnit);
  if (s.analysisOptions.AnalysisMode != analysis_mode::kSingleCase || s.results.CalcAborted != 0) {
    HideLife(main);
    main.results().Pic_Rel.SetVisible(false);
  } else {
    main.dataBox().Result.SetVisible(true);
  }
  main.host().SetMousePointer(kPointerDefault);
}

void OpenSimulationOptions(FormMain& main) {
  ProgramState& s = main.state();
  McsSettings& mcs = s.mcsSettings;
  McsOptionsPanel& opt = main.mcsOptions();
  main.host().SetMousePointer(kPointerDefault);
  s.shellState.UiState = ui_state::kBusy;
  main.dataBox().pic_DBox.surface().Refresh();
  opt.cmd_MCS_opt(1).SetCaption("&Cancel");
  opt.Frm_MCS_opt.SetVisible(true);
  // Constant amplitude and distributions have no faster equivalent.
  const bool fastPossible = s.analysisOptions.LoadingType != loading_type::kConstantAmplitude &&
                            s.analysisOptions.LoadingType != loading_type::kDistribution;
  if (!fastPossible) SetSimulationOption(mcs, 3, 0);  // and with it the tag "/NSA"
  opt.chk_StartNo(2).SetEnabled(fastPossible);
  opt.chk_StartNo(3).SetEnabled(fastPossible);
  opt.chk_StartNo(0).SetValue(mcs.RandomStart);
  opt.chk_StartNo(1).SetValue(mcs.NeglectFatigueLimit);
  opt.chk_StartNo(3).SetValue(mcs.FastSimulation);
}

}  // namespace

void mnu_calculate_Click(FormMain& main) {
  ProgramState& s = main.state();
  const AnalysisOptions& ao = s.analysisOptions;
  if (s.shellState.UiState != ui_state::kIdle) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  FormShow& show = main.formShow();
  if (!show.IsLoaded()) show.Load();
  show.Move(main.Left(), main.Top(), main.Width(), main.Height());
  HideLife(main);
  s.mcsSettings.BrakeRequested = 0;
  CyclesPerBlockFor(s, s.loadingData.CyclesPerBlock);
  if (ao.LoadingType == loading_type::kConstantAmplitude) s.loadingData.LevelCycles[1] = 1.0f;
  if (s.materialData.SNStressRatio == -1.0f || ao.MeanStressOption != mean_stress_option::kAccount) {
    if (DistributionParameterUnfinished(main)) return;
    if (ao.MeanStressOption == mean_stress_option::kAccount && ao.SNDataSpecimen == sn_data_specimen::kPlain)
      s.componentData.Kf = s.componentData.Kt;
  }
  LoadingFramesPanel& lf = main.loadingFrames();
  const int batch = SelectedBatchOf(s);
  if (ao.AnalysisMode == analysis_mode::kMasterCurve && ao.MasterCurveParameter == master_curve_parameter::kLoadLevel &&
      (ao.LoadingType == loading_type::kSpectrum || ao.LoadingType == loading_type::kConstantAmplitude))
    DrawSpectrumDiagram(main, lf.Pic_Spectr.surface(), batch);
  if (s.loadingDbState.LoadingSource == 2 && ao.LoadingType == loading_type::kDistribution &&
      lf.Pic_Distr.MousePointer() == kPointerCross)
    main.results().Pic_Distr_Click();
  if (ao.AnalysisMode == analysis_mode::kMasterCurve && MasterRangeRefused(main)) return;
  if (LoadingValueRefused(main)) return;
  switch (AskMeanStressQuestion(s, main.host())) {
    case MeanStressAnswer::No: return;
    case MeanStressAnswer::Yes: break;
    case MeanStressAnswer::NotAsked: s.results.CrackMessageShown = 0; break;  // the overload message may show again
  }
  HideLife(main);
  main.dataService().frm_data_serv.SetVisible(false);
  main.problemDefinition().frm_analysis.SetVisible(false);
  s.results.CalcAborted = 0;
  s.shellState.UiState = ui_state::kBusy;
  if (ao.AnalysisKind == analysis_kind::kProbabilistic)
    OpenSimulationOptions(main);
  else
    RunDeterministic(main);
}
