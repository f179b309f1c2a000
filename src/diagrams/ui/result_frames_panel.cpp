#include "diagrams/ui/result_frames_panel.h"

#include "component/ui/data_box_panel.h"
#include "engine/ui/engine_commands.h"
#include "loading/ui/loading_frames_panel.h"
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
  Pic_Dam.onMouseDown = [this](int b, int s, float x, float y) { Pic_Dam_MouseDown(b, s, x, y); };
  PictureBox& spectrum = m.picture("Pic_Spectr");
  spectrum.onMouseDown = [this](int b, int s, float x, float y) { Pic_Spectr_MouseDown(b, s, x, y); };
  PictureBox& distribution = m.picture("Pic_Distr");
  distribution.onMouseDown = [this](int b, int s, float x, float y) { Pic_Distr_MouseDown(b, s, x, y); };
  distribution.onClick = [this] { Pic_Distr_Click(); };
  Label& result = m.label("Result");
  result.onMouseDown = [this](int b, int s, float x, float y) { Result_MouseDown(b, s, x, y); };
  result.onClick = [this] { Result_Click(); };
  Lifelab.onClick = [this](int i) { Lifelab_Click(i); };
}

void ResultFramesPanel::pop_res1_Click(int index) {
  ProgramState& s = main.state();
  s.analysisOptions.LifeUnit = static_cast<int16_t>(index + 1);
  ShowFatigueLife(main, s.analysisOptions.LifeUnit);
}

void ResultFramesPanel::pop_SN1_Click(int index) {
  main.state().materialData.SNExtensionDisplay = static_cast<int16_t>(index);
  main.dataBox().UpdateDataBox();
}

void ResultFramesPanel::Result_MouseDown(int, int, float, float) {}
void ResultFramesPanel::Result_Click() {}
void ResultFramesPanel::Lifelab_Click(int) {}
