#pragma once

#include "platform/ui/form.h"

class FormMain;

// The result frames: damage diagram `frm_Dam`, reliability `frm_Rel`, and the
// master-curve screen `frm_master` / `frm_master1`. The popup items'
// handlers of the result displays are members here.
class ResultFramesPanel {
 public:
  explicit ResultFramesPanel(FormMain& main);

  // Will carry out the choice of the shared display popup `pop_disp`
  // (life unit, distribution kind, loading unit, display kind).
  void pop_disp1_Click(int index);
  // Will set the life unit from the single-case life popup and show the life.
  void pop_res1_Click(int index);
  // Will store the S-N extension display choice and refill the summary box.
  void pop_SN1_Click(int index);

  FormMain& main;
  Frame& frm_Dam;
  PictureBox& Pic_Dam;
  Frame& frm_Rel;
  PictureBox& Pic_Rel;
  Frame& frm_master;
  PictureBox& pic_master;
  Label& Life_inf;
  ControlArray<Label>& Lifelab;
  Frame& frm_master1;
  PictureBox& pic_master1;
  ControlArray<LineControl>& DMline;
};
