#include "diagrams/ui/result_frames_panel.h"

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
  // Wire the popup items (menus().pop_disp1.onClick, pop_res1, pop_SN1),
  // Pic_Dam's MouseDown and Lifelab_MouseDown here.
}

void ResultFramesPanel::pop_disp1_Click(int) {}
void ResultFramesPanel::pop_res1_Click(int) {}
void ResultFramesPanel::pop_SN1_Click(int) {}
