// The shared display popup of the main window's diagrams: opened on the
// right button of the damage, spectrum and distribution diagrams (and of the
// life and loading labels elsewhere), one command handler for its items by
// the use it was opened for.

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/engine_commands.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

void SetItem(MenuItem& item, const char* caption, bool checked) {
  item.SetVisible(true);
  item.SetCaption(caption);
  item.SetChecked(checked);
}

}  // namespace

void ResultFramesPanel::Pic_Dam_MouseDown(int button, int, float, float) {
  ProgramState& s = main.state();
  if (button != kRightButton || s.analysisOptions.LoadingType >= 3) return;
  ResultsDisplay& rd = s.resultsDisplay;
  MainMenus& m = main.menus();
  rd.PopupContext = 0;
  const bool cumulative = rd.DamageDisplayMode >= 1;
  m.pop_disp1(0).SetVisible(false);
  SetItem(m.pop_disp1(1), "Display &Damage", !cumulative);
  SetItem(m.pop_disp1(2), "Display Cumula&tive Damage", cumulative);
  rd.LoadingPopupActive = false;
  main.PopupMenu(m.pop_disp);
}

// The spectrum display switch, with the display on show checked.
void ResultFramesPanel::OpenDisplaySwitch(bool distributionShown) {
  ResultsDisplay& rd = main.state().resultsDisplay;
  MainMenus& m = main.menus();
  rd.PopupContext = 1;
  m.pop_disp1(0).SetVisible(false);
  SetItem(m.pop_disp1(1), "Display Loading &Distribution", distributionShown);
  SetItem(m.pop_disp1(2), "Display Loading &Spectrum", !distributionShown);
  rd.LoadingPopupActive = true;
  main.PopupMenu(m.pop_disp);
}

void ResultFramesPanel::Pic_Spectr_MouseDown(int button, int, float, float) {
  const ProgramState& s = main.state();
  if (button != kRightButton) return;
  if (s.loadingData.SpectrumDescending && s.analysisOptions.LoadingType == 2 && s.wizardFlags.LoadingDataReady)
    OpenDisplaySwitch(false);
}

void ResultFramesPanel::Pic_Distr_MouseDown(int button, int, float, float) {
  ProgramState& s = main.state();
  if (button != kRightButton) return;
  if (s.wizardFlags.LoadingDataReady && s.analysisOptions.LoadingType == 2) {
    OpenDisplaySwitch(true);
    return;
  }
  MainMenus& m = main.menus();
  s.resultsDisplay.PopupContext = 4;
  static constexpr const char* kLaws[] = {"&Beta Distribution", "&Weibull Distribution", "&Log-Norm Distribution"};
  m.mnu_Run.SetEnabled(false);
  for (int k = 0; k < 3; ++k) SetItem(m.pop_disp1(k), kLaws[k], k == s.loadingData.DistributionType - 1);
  main.PopupMenu(m.pop_disp);
}

void ResultFramesPanel::pop_disp1_Click(int index) {
  const ResultsDisplay& rd = main.state().resultsDisplay;
  switch (rd.PopupContext) {
    case 0:
    case 1:
      if (rd.LoadingPopupActive)
        SwitchLoadingDisplay(index);
      else
        SwitchDamageDisplay(index);
      break;
    case 2:
      ChooseLifeUnit(index);
      break;
    case 3:
      ChooseLoadQuantity(index);
      break;
    case 4:
      ChooseDistributionLaw(index);
      break;
    default:
      break;
  }
}

// A block spectrum shown as a distribution (item 1) or as a spectrum; the
// damage bars follow the display.
void ResultFramesPanel::SwitchLoadingDisplay(int index) {
  ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  if (index == 1) {
    DrawDistributionDiagram(main, lf.Pic_Distr.surface(), batch);
    lf.frm_Distr.SetVisible(true);
    lf.Pic_Distr.SetVisible(true);
    lf.frm_Spectr.SetVisible(false);
  } else {
    if (s.analysisOptions.LoadingType == 3) return;
    DrawSpectrumDiagram(main, lf.Pic_Spectr.surface(), batch);
    lf.frm_Spectr.SetVisible(true);
    lf.Pic_Spectr.SetVisible(true);
    lf.frm_Distr.SetVisible(false);
  }
  DrawDamageDiagram(main, Pic_Dam.surface());
}

// Damage per bar (item 1) or cumulative; redrawn only when it changes.
void ResultFramesPanel::SwitchDamageDisplay(int index) {
  ProgramState& s = main.state();
  if (s.analysisOptions.AnalysisMode == 2) return;
  int16_t& mode = s.resultsDisplay.DamageDisplayMode;
  const int16_t before = mode;
  main.dataBox().pic_DBox.surface().Refresh();
  mode = index != 1 ? 1 : 0;
  ShowDamageDisplayCaption();
  if (mode != before) {
    Pic_Dam.SetMousePointer(kPointerHourglass);
    DrawDamageDiagram(main, Pic_Dam.surface());
  }
  Pic_Dam.SetVisible(true);
  frm_Dam.SetVisible(true);
}

void ResultFramesPanel::ShowDamageDisplayCaption() {
  const bool cumulative = main.state().resultsDisplay.DamageDisplayMode >= 1;
  frm_Dam.SetCaption(cumulative ? "Results:  Cumulative Damage" : "Results:  Damage");
}

// The life unit of a history or spectrum; hours only with a block time.
void ResultFramesPanel::ChooseLifeUnit(int index) {
  ProgramState& s = main.state();
  if (s.analysisOptions.LoadingType >= 3) return;
  MainMenus& menus = main.menus();
  menus.pop_disp1(1).SetVisible(true);
  menus.pop_disp1(2).SetVisible(s.loadingDatabase.BatchBlockTime[SelectedBatchOf(s)] > 0.0f);
  for (int i = 0; i < 3; ++i) menus.pop_disp1(i).SetChecked(i == index);
  s.analysisOptions.LifeUnit = static_cast<int16_t>(index + 1);
  ShowFatigueLife(main, s.analysisOptions.LifeUnit);
}
