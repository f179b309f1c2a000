#pragma once

#include <string>

#include "platform/ui/form.h"

class FormMain;
struct ProgramState;

// The three loading frames of the main window: history `frm_Hist`, spectrum
// and constant amplitude `frm_Spectr`, distribution `frm_Distr`, with the
// loading inputs lying on their pictures. The diagrams place and fill the
// labels and boxes; the handlers here take what the user types into them.
// The pictures' Click and MouseDown open the display menus of the result
// diagrams (ResultFramesPanel).
class LoadingFramesPanel {
 public:
  explicit LoadingFramesPanel(FormMain& main);

  // The scaling factor's tag on each loading frame: opens the
  // random-variable dialog while the main view is idle.
  void load_distr_Click(int index);

  // ---- the history's scaling factor (SHSmax, SHscal, SHscalt)

  // Opens the factor's box (box 0) for editing.
  void SHSmax_Click();
  // Box 0 of a probabilistic analysis opens through SHSmax_Click; in a
  // deterministic one the label opens its box; nothing otherwise.
  void SHscal_Click(int index);
  void SHscalt_GotFocus(int index);
  // Up and Down move between the two ends of a master curve over the load level.
  void SHscalt_KeyDown(int index, int keyCode, int shift);
  // Checks and stores the factor, or the end of the box.
  void SHscalt_LostFocus(int index);

  // ---- the spectrum and constant amplitude (SSmax, SSmaxt, SSrng, SSmean, SSmeant)

  // Moves the focus to `SSmaxt(index)`.
  void SSmax_Click(int index);
  // Right button on a constant amplitude: the stress or strain popup.
  void SSmax_MouseDown(int index, int button, int shift, float x, float y);
  void SSmaxt_GotFocus(int index);
  void SSmaxt_KeyDown(int index, int keyCode, int shift);
  void SSmaxt_LostFocus(int index);
  void SSmeant_GotFocus();
  void SSmeant_KeyDown(int keyCode, int shift);
  void SSmeant_LostFocus();
  // Switches mean and minimum (converted) and redraws.
  void SSmean_Click();
  // Switches range and amplitude (not converted) and redraws.
  void SSrng_Click(int index);

  // ---- the distribution (DT, DTt, DTSmax, DTSmaxt, DTrng, DTmean, DTmeant, DTvolume, DTvolumet)

  // Opens the Q (0) or R (1) box unless the loading is a database batch.
  void DT_Click(int index);
  void DTt_GotFocus(int index);
  void DTt_KeyDown(int index, int keyCode, int shift);
  void DTt_LostFocus(int index);
  // Moves the focus to `DTSmaxt(index)` where the analysis allows it.
  void DTSmax_Click(int index);
  void DTSmaxt_GotFocus(int index);
  void DTSmaxt_KeyDown(int index, int keyCode, int shift);
  void DTSmaxt_LostFocus(int index);
  // Switches range and amplitude (not converted) and redraws.
  void DTrng_Click(int index);
  // Switches mean and minimum (converted), redraws and opens `DTmeant`.
  void DTmean_Click();
  void DTmeant_GotFocus();
  void DTmeant_KeyDown(int keyCode, int shift);
  void DTmeant_LostFocus();
  // Opens the block volume box unless the loading is a database batch.
  void DTvolume_Click();
  void DTvolumet_GotFocus();
  void DTvolumet_LostFocus();

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

 private:
  ProgramState& state() const;
  void WireHistoryInputs();
  void WireSpectrumInputs();
  void WireDistributionInputs();
  // The edit look of a box, with "&Run" off while it is edited.
  void BeginEditing(TextBox& box);
  // An accepted value: the box shows `text`, sized to it, in its resting
  // colours (black on `backColour`).
  void ShowAccepted(TextBox& box, const std::string& text, int32_t backColour);
  // The colour of `picture`'s diagram under the box's upper left corner.
  int32_t DiagramColourAt(PictureBox& picture, const TextBox& box) const;
  // Results on show are out of date: the life and the damage diagram are
  // hidden, with `reliability` the scatter factor and the reliability
  // picture too, with `printMenus` the print menus are switched off; "&Run"
  // comes back when the loading data are ready.
  void WithdrawResults(bool reliability, bool printMenus);
  void DrawSpectrum();
  void DrawDistribution();
  void DrawHistory();
};
