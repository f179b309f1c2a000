#pragma once

#include <string>

#include "platform/ui/form.h"

class FormMain;
struct ProgramState;

// The material frame `frm_SN`: the S-N diagram and the S-N curve inputs on it.
// `SNth`/`SNtht` elements 0 and 1 (thickness) lie in the job summary box and
// `dN_distr` elements 1 and 3 elsewhere; the arrays are the same objects.
// The S-N extension boxes `ExtSN`/`ExtSNt` of the job summary box are served
// here too.
class SnFramePanel {
 public:
  explicit SnFramePanel(FormMain& main);

  // Label clicks: put the focus into the label's box when allowed.
  void SNm_Click();
  void SNNo_Click();
  void SNPn_Click();
  void SNr_Click();
  void SNE_Click();
  void SNSe_Click(int index);
  void SNth_Click(int index);

  // Boxes.
  void SNmt_GotFocus();
  void SNNot_GotFocus();
  void SNPnt_GotFocus();
  void SNrt_GotFocus();
  void SNset_GotFocus(int index);
  void SNtht_GotFocus(int index);
  void SNEt_GotFocus();
  void SNmt_KeyDown(int keyCode, int shift);
  void SNNot_KeyDown(int keyCode, int shift);
  void SNrt_KeyDown(int keyCode, int shift);
  void SNset_KeyDown(int index, int keyCode, int shift);
  void SNtht_KeyDown(int index, int keyCode, int shift);
  void SNEt_KeyDown(int keyCode, int shift);
  void SNmt_LostFocus();
  void SNNot_LostFocus();
  void SNPnt_LostFocus();
  void SNrt_LostFocus();
  void SNset_LostFocus(int index);
  void SNtht_LostFocus(int index);
  void SNEt_LostFocus();

  // The endurance limit's tag (0 on the S-N frame, 3 on the database
  // browser): opens the random-variable dialog while the main view is idle.
  void dN_distr_Click(int index);

  // Asks whether the database set in use is to be given up for typed values.
  void ConfirmAbandonMaterialBatch();

  // The S-N extension boxes of the job summary box.
  void ExtSN_MouseDown(int index, int button, int shift, float x, float y);
  void ExtSN_Click(int index);
  void ExtSNt_GotFocus(int index);
  void ExtSNt_KeyDown(int index, int keyCode, int shift);
  void ExtSNt_LostFocus(int index);

  FormMain& main;
  Frame& frm_SN;
  PictureBox& Pic_SN;
  ControlArray<Label>& SNSe;
  ControlArray<TextBox>& SNset;
  ControlArray<Label>& dN_distr;
  Label& SNNo;
  TextBox& SNNot;
  Label& SNm;
  TextBox& SNmt;
  Label& SNPn;
  TextBox& SNPnt;
  Label& SNr;
  TextBox& SNrt;
  ControlArray<Label>& SNth;
  ControlArray<TextBox>& SNtht;
  Label& SNE;
  TextBox& SNEt;
  ControlArray<Label>& ExtSN;
  ControlArray<TextBox>& ExtSNt;

 private:
  ProgramState& state() const;
  // Texts of the stored values in the units in force, with the boxes' masks.
  std::string SeText(int index) const;     // SeFrom (0) or SeTo (1) as an amplitude
  std::string SeCaption(int index) const;  // the label SNSe(index)
  std::string ThicknessText(int index) const;  // t, k, Sy, Su of SNtht(index)
  std::string YoungText() const;
  std::string YoungCaption() const;
  bool TwoSeBoxes() const;
  bool MasterCurveOverSe() const;
  bool MeanStressAccounted() const;
  // GotFocus of the boxes: the abandon question when `ask`, the Run menu off
  // (unless `keepRun`), the editing colours. False when the box is to be left.
  bool BeginEditing(TextBox& box, bool ask, bool keepRun = false);
  // A refused value: the message while the S-N frame is on show.
  void Refuse(TextBox& box, const std::string& reason, const std::string& title, const std::string& restore);
  // An accepted value of a box on the S-N frame: new text, width, colours.
  void Accepted(TextBox& box, const std::string& text, double twipsPerChar, int backColour, bool resize = true);
  void EnableRunWhenReady();
  // A box left without typing keeps its value (LeftUntyped) and Run comes back.
  bool KeptUntyped(TextBox& box, int32_t backColour);
  void DrawSN();
  void UpdateDataBox();
};
