#include "montecarlo/ui/mcs_options_panel.h"

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "montecarlo/mcs_simulation.h"
#include "montecarlo/mcs_view_rules.h"
#include "montecarlo/ui/mcs_results_view.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/numeric_box.h"
#include "shell/ui/shell_commands.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

constexpr const char* kBrakeCaption = "&Brake";
constexpr const char* kCancelCaption = "&Cancel";

// What the simulation shows on the main window while it runs.
class OptionsProgress : public McsProgress {
 public:
  explicit OptionsProgress(FormMain& main) : main_(main) {}

  void FirstRunDone() override {
    ProgramState& s = main_.state();
    Label& result = main_.dataBox().Result;
    if (s.analysisOptions.LoadingType < 4) {
      PictureBox& dam = main_.results().Pic_Dam;
      DrawDamageDiagram(main_, dam.surface());
      dam.SetVisible(true);
    }
    result.SetVisible(true);
    main_.host().DoEvents();
    result.SetCaption(ReferenceLifeCaption(s));
  }
  void ShowRunsToGo(int32_t toGo) override { main_.mcsOptions().No_simult.SetText(std::to_string(toGo)); }
  // The options frame goes before the lives are read back: the summary of
  // the lives and the reader's messages come up without it behind them.
  void RunsEnded() override {
    ShowRunsToGo(main_.state().mcsSettings.SimulationCount);
    main_.mcsOptions().Frm_MCS_opt.SetVisible(false);
  }
  std::string NotchFactorCaption() override { return main_.dataBox().SCF(0).Caption(); }
  std::string MeanStressNotchCaption() override { return main_.dataBox().DDBmse(2).Caption(); }

 private:
  FormMain& main_;
};

}  // namespace

McsOptionsPanel::McsOptionsPanel(FormMain& m)
    : main(m),
      Frm_MCS_opt(m.frame("Frm_MCS_opt")),
      chk_StartNo(m.array<CheckBox>("chk_StartNo")),
      No_simul(m.label("No_simul")),
      No_simult(m.textBox("No_simult")),
      cmd_MCS_opt(m.array<CommandButton>("cmd_MCS_opt")) {
  cmd_MCS_opt.onClick = [this](int i) { cmd_MCS_opt_Click(i); };
  chk_StartNo.onClick = [this](int i) { chk_StartNo_Click(i); };
  No_simult.onGotFocus = [this] { No_simult_GotFocus(); };
  No_simult.onLostFocus = [this] { No_simult_LostFocus(); };
}

void McsOptionsPanel::cmd_MCS_opt_Click(int index) {
  ProgramState& s = main.state();
  const bool running = cmd_MCS_opt(1).Caption() == kBrakeCaption;
  if (index == 0) {
    if (running) return;
    main.formShow().testData().frm_diag2.SetVisible(false);
    cmd_MCS_opt(1).SetCaption(kBrakeCaption);
    RunMonteCarloSimulation();
    Frm_MCS_opt.SetVisible(false);
  } else if (running) {
    s.mcsSettings.BrakeRequested = -1;
  } else {
    Frm_MCS_opt.SetVisible(false);
    s.shellState.UiState = ui_state::kIdle;
  }
}

void McsOptionsPanel::RunMonteCarloSimulation() {
  ProgramState& s = main.state();
  FormShow& show = main.formShow();
  if (s.analysisOptions.AnalysisKind != analysis_kind::kProbabilistic) return;
  show.Res_prob(1).SetCaption("Fit:  No Fit");
  OptionsProgress progress(main);
  const McsOutcome outcome = RunMonteCarloCore(s, main.host(), progress);
  if (outcome == McsOutcome::NoRandomVariables || outcome == McsOutcome::Refused) {
    main.dataBox().wait.SetVisible(false);
    EnableControl(main.menus().mnu_Run);
  }
  Frm_MCS_opt.SetVisible(false);
  main.host().SetMousePointer(kPointerDefault);
  // Show Last has nothing to show after a stopped simulation, nor after one
  // whose lives give no result (they have replaced the last result).
  if (outcome == McsOutcome::Braked || outcome == McsOutcome::Aborted || outcome == McsOutcome::NoResult)
    DisableControl(main.menus().mnu_MCSres_L);
  // Lives without spread in their lower tail give no statistics, but the
  // view still shows the result.
  if (outcome == McsOutcome::Completed) {
    ShowMCSResults(main);
    show.mnu_prt_res.SetVisible(true);
  }
  s.shellState.UiState = ui_state::kIdle;
  main.host().SetMousePointer(kPointerDefault);
  show.SetMousePointer(kPointerDefault);
}

void McsOptionsPanel::chk_StartNo_Click(int index) {
  SetSimulationOption(main.state().mcsSettings, index, static_cast<int16_t>(chk_StartNo(index).Value() == 1));
}

void McsOptionsPanel::No_simult_GotFocus() {
  ProgramState& s = main.state();
  DisableControl(main.menus().mnu_Run);
  No_simult.SetText(std::to_string(s.mcsSettings.SimulationCount));
  s.mcsSettings.BrakeRequested = 0;
}

void McsOptionsPanel::No_simult_LostFocus() {
  ProgramState& s = main.state();
  std::string refusal;
  const std::optional<int32_t> count = TypedSimulationCount(No_simult.Text(), refusal);
  if (!count) {
    RefuseInput(s.shellState, main.host(), Frm_MCS_opt, No_simult, refusal, "Number of Simulations",
                std::to_string(s.mcsSettings.SimulationCount));
    return;
  }
  s.mcsSettings.SimulationCount = *count;
  if (LoadingDataReady(main)) EnableControl(main.menus().mnu_Run);
}
