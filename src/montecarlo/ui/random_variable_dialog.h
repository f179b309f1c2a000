#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/form.h"

class FormMain;
class FormShow;
class Surface;
struct ProgramState;

// The random-variable dialog `frm_rand` of the second window: the
// distribution type, the COV and the truncation bounds of one variable of
// the table, its parameters A and B and its density plot. It is shown
// modally over the main window; OK writes the variable into its slot and the
// new tag into the caller's label, Cancel leaves both as they were.
class RandomVariableDialog {
 public:
  explicit RandomVariableDialog(FormShow& show);

  // Fills the dialog for the caller's variable and shows it modally; returns
  // after OK or Cancel, true when OK stored the variable.
  bool Open(const std::string& callerText, int16_t index);

  void chk_distr_Click(int index);
  void txt_distr_GotFocus(int index);
  void txt_distr_LostFocus(int index);
  void cmd_draw_Click();
  void cmd_ok_Click();
  void cmd_cancel_Click();

  // View-only use (from the fatigue database): OK disabled, Cancel "E&xit".
  void SetEditable(bool editable);
  // The tag at the end of Distr_Var for the option `optionIndex`, with PanelCov.
  void UpdateDistributionTag(int optionIndex);
  // The density plot of the working record on `target`; Draw is off after it.
  void DrawProbabilityDensity(Surface& target, int16_t distType, float a, float b);

  // The caller of the dialog open last: its text and its label's index.
  std::string DialogCaller;
  int16_t DialogCallerIndex = 0;

  FormShow& show;
  FormMain& main;
  Frame& frm_rand;
  ControlArray<OptionButton>& chk_distr;  // index = type code + 1
  Label& Distr_Var;
  ControlArray<Label>& Distr_par;
  ControlArray<TextBox>& txt_distr;  // 0 COV, 1 Xmin, 2 Xmax
  PictureBox& pic_rand;
  CommandButton& cmd_ok;
  CommandButton& cmd_cancel;
  CommandButton& cmd_draw;

 private:
  ProgramState& state() const;
  // Opening, step by step.
  void HideOtherViews();
  void PlaceDialog();
  void CaptionForCaller(const std::string& callerText, int16_t index);
  void ShowOpenedVariable(int16_t type, float shownCov);
  void ShowDialogMenus();
  void Close();
  // The caption of the box rows of B and A.
  void ShowParameters(int16_t type, const char* separator);
  // The focus goes to the COV box and on to the picture, which checks the
  // COV box and with it recalculates and redraws (while the dialog is up).
  void FocusRoundTrip();
  // Box checks: the box's message (no beep), the box reset, the focus back.
  void Refuse(int index, const std::string& text, const std::string& title, const std::string& restore);
  void CheckCov();
  void CheckBound(int index);
  // After an accepted value: the plot redrawn, the box in its resting colours.
  void AcceptedBox(int index);
  // OK's check of the bounds it stores: false (with the box's refusal) when
  // a box holds a value its rule does not take.
  bool BoundsCommittable(int16_t type, float xmin, float xmax);

  bool opening_ = false;  // the option's choice moves no focus while the dialog is filled
  bool closing_ = false;  // no box is checked as the closing dialog drops the focus
  bool committed_ = false;
  // A box refused its value as the focus left it: the OK click that moved
  // the focus is not carried out.
  bool refusedOnLeaving_ = false;
};
