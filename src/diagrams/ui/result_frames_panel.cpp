#include "diagrams/ui/result_frames_panel.h"

#include "engine/ui/engine_commands.h"
#include "loading/selected_batch.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

ResultFramesPanel::ResultFramesPanel(FormMain& m)
    : main(m),
      frm_Dam(m.frame("frm_Dam")),
      Pic_Dam(m.picture("Pic_Dam")),
      frm_Rel(m.frame("frm_Rel")),
      Pic_Rel(m.picture("Pic_Rel")),
      frm_master(m.frame("frm_master")),
      pic_master(m.picture("pic_master")),
      Life_inf(m.label("Life_inf")),
      Lifelab(m.array<Label>("Lifelab")),
      frm_master1(m.frame("frm_master1")),
      pic_master1(m.picture("pic_master1")),
      DMline(m.array<LineControl>("DMline")) {
  // Lifelab's MouseDown is wired with the engine's commands, the popup
  // menus' items by WireMainMenus.
}

void ResultFramesPanel::pop_disp1_Click(int index) {
  ProgramState& s = main.state();
  if (s.resultsDisplay.PopupContext != 2) return;  // the other displays' choices: not built yet
  // The life unit of the master-curve screen, for a history or a spectrum.
  if (s.analysisOptions.LoadingType >= loading_type::kConstantAmplitude) return;
  const int batch = SelectedBatchOf(s);
  MainMenus& menus = main.menus();
  menus.pop_disp1(1).SetVisible(true);
  menus.pop_disp1(2).SetVisible(s.loadingDatabase.BatchBlockTime[batch] > 0.0f);
  for (int i = 0; i < 3; ++i) menus.pop_disp1(i).SetChecked(i == index);
  s.analysisOptions.LifeUnit = static_cast<int16_t>(index + 1);
  ShowFatigueLife(main, s.analysisOptions.LifeUnit);
}

void ResultFramesPanel::pop_res1_Click(int index) {
  ProgramState& s = main.state();
  s.analysisOptions.LifeUnit = static_cast<int16_t>(index + 1);
  ShowFatigueLife(main, s.analysisOptions.LifeUnit);
}
void ResultFramesPanel::pop_SN1_Click(int) {}
