#pragma once

#include "platform/ui/form.h"

class FormMain;

// The result frames: damage diagram `frm_Dam`, reliability `frm_Rel`, and the
// master-curve screen `frm_master` / `frm_master1`; and the right-click menus
// of the main window's diagrams: the shared display popup `pop_disp` (damage
// display, spectrum or distribution display, life unit, loading quantity,
// distribution law) and the S-N extension popup `pop_SN`.
class ResultFramesPanel {
 public:
  explicit ResultFramesPanel(FormMain& main);

  // Right button on the damage diagram: per-bar or cumulative damage (not
  // for constant amplitude or a distribution).
  void Pic_Dam_MouseDown(int button, int shift, float x, float y);
  // Right button on the spectrum diagram: show the spectrum as a
  // distribution (a falling block spectrum once the loading is in place).
  void Pic_Spectr_MouseDown(int button, int shift, float x, float y);
  // Right button on the distribution diagram: back to the spectrum display,
  // or the distribution law of a loading distribution.
  void Pic_Distr_MouseDown(int button, int shift, float x, float y);
  // Checks the distribution parameter Q and redraws the distribution
  // diagram, or refuses Q with a message and the focus on its box.
  void Pic_Distr_Click();
  // The choice of the shared display popup, by the popup that was opened.
  void pop_disp1_Click(int index);
  // Sets the life unit from the single-case life popup and shows the life.
  void pop_res1_Click(int index);
  // Stores the S-N extension display choice and refills the summary box.
  void pop_SN1_Click(int index);
  // The life label and the master-curve life title take no clicks of their
  // own (the life-unit menu opens on the right button of `Lifelab`).
  void Result_MouseDown(int button, int shift, float x, float y);
  void Result_Click();
  void Lifelab_Click(int index);
  // The damage frame's caption names the display mode the diagram draws:
  // "Results:  Cumulative Damage" for cumulative damage, else
  // "Results:  Damage" (per bar, also after a new definition).
  void ShowDamageDisplayCaption();

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

 private:
  void SwitchLoadingDisplay(int index);
  void SwitchDamageDisplay(int index);
  void ChooseLifeUnit(int index);
  void ChooseLoadQuantity(int index);
  void ChooseDistributionLaw(int index);
  bool AbandonBatchForLaw();
  void OpenDisplaySwitch(bool distributionShown);
};
