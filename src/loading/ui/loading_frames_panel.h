#pragma once

#include "platform/ui/form.h"

class FormMain;

// The three loading frames of the main window: history `frm_Hist`, spectrum
// and constant amplitude `frm_Spectr`, distribution `frm_Distr`, with the
// loading inputs lying on their pictures.
class LoadingFramesPanel {
 public:
  explicit LoadingFramesPanel(FormMain& main);

  // The scaling factor's tag on each loading frame: opens the
  // random-variable dialog while the main view is idle.
  void load_distr_Click(int index);
  // Will open the scaling-factor input of the history (`SHscal`, `SHscalt`).
  void SHSmax_Click();
  // Will move the focus to `SSmaxt(index)`.
  void SSmax_Click(int index);
  // Will move the focus to `DTSmaxt(index)` where the analysis allows it.
  void DTSmax_Click(int index);

  FormMain& main;
  Frame& frm_Hist;
  PictureBox& Pic_Hist;
  Label& SHSmax;
  ControlArray<Label>& SHscal;    // 0, 1 on Pic_Hist; 2 on Pic_Spectr; 3 on Pic_Distr
  ControlArray<TextBox>& SHscalt;
  ControlArray<Label>& load_distr;  // 0 history, 1 spectrum, 2 distribution
  Frame& frm_Spectr;
  PictureBox& Pic_Spectr;
  ControlArray<Label>& SSmax;
  ControlArray<TextBox>& SSmaxt;
  ControlArray<Label>& SSrng;
  Label& SSmean;
  TextBox& SSmeant;
  Label& SSmse;
  Frame& frm_Distr;
  PictureBox& Pic_Distr;
  ControlArray<Label>& DT;
  ControlArray<TextBox>& DTt;
  ControlArray<Label>& DTrng;
  ControlArray<Label>& DTSmax;
  ControlArray<TextBox>& DTSmaxt;
  Label& DTmean;
  TextBox& DTmeant;
  Label& DTmse;
  Label& DTvolume;
  TextBox& DTvolumet;
};
