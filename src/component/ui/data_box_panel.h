#pragma once

#include <string>

#include "platform/ui/form.h"

class FormMain;
struct ProgramState;

// The job summary box `frm_DBox` with its picture `pic_DBox`: job texts,
// thickness, S-N extension, Kt and notch radius, mean-stress rows, damage to
// failure, and the life label `Result`. The Kt, notch-radius and
// mean-stress notch-factor inputs are handled here.
class DataBoxPanel {
 public:
  explicit DataBoxPanel(FormMain& main);

  // Lays out and refills the summary box from the records, writing back the
  // values it works out on the way (UpdateSummaryValues).
  void UpdateDataBox();

  // Prints the note right of Kt, "(NS & MSE)" or "(NS)", where the job has
  // one (the local approach with notch sensitivity accounted). UpdateDataBox
  // prints it after clearing the picture; whatever else clears the picture
  // (a new background colour) prints it again.
  void PrintNotchSensitivityNote();

  // The Kt row: the label toggles between the Kt and the Kf wording (not
  // while notch sensitivity is accounted); the tag opens the random-variable
  // dialog of Kt; the box takes 1 to 20.
  void SCF_Click(int index);
  void SCF_distr_Click();
  void SCFt_GotFocus(int index);
  void SCFt_LostFocus(int index);

  // The notch radius, typed in the length unit and held in mm.
  void Reliab_Click();
  void Reliabt_GotFocus();
  void Reliabt_KeyDown(int keyCode, int shift);
  void Reliabt_LostFocus();

  // The mean-stress line and the notch factor of the mean-stress effect.
  void DBmse_Click(int index);
  void DDBmse_Click(int index);
  void DBmset_GotFocus(int index);
  void DBmset_KeyDown(int index, int keyCode, int shift);
  void DBmset_LostFocus(int index);

  FormMain& main;
  Frame& frm_DBox;
  PictureBox& pic_DBox;
  Label& wait;
  Label& Subj;
  TextBox& Subjt;
  Label& Load;
  TextBox& Loadt;
  Label& Material;
  TextBox& Materialt;
  ControlArray<Label>& SNth;      // 0 t, 1 k here; 2 Sy, 3 Su on Pic_SN
  ControlArray<TextBox>& SNtht;
  ControlArray<Label>& ExtSN;
  ControlArray<TextBox>& ExtSNt;
  ControlArray<Label>& SCF;
  ControlArray<TextBox>& SCFt;
  Label& SCF_distr;
  Label& Reliab;
  TextBox& Reliabt;
  ControlArray<Label>& DBmse;
  ControlArray<Label>& DDBmse;
  ControlArray<TextBox>& DBmset;
  Label& DTFf;
  TextBox& DTFft;
  Label& Result;
  Label& ScattFact;

 private:
  ProgramState& state() const;
  // The steps of UpdateDataBox after its row table.
  void PlaceBox();
  void ShowRows();
  void SetPointersAndTips();
  void ShowDistributionExtension();
  // An accepted value: its text, width by its characters, resting colours.
  void ShowAccepted(TextBox& box, const std::string& text, float twipsPerChar);
  // A value refused while the summary box is on show: message, text back.
  bool Refuse(TextBox& box, const std::string& reason, const std::string& title, const std::string& restore);
  // A box left without typing keeps its value (LeftUntyped) and Run comes back.
  bool KeptUntyped(TextBox& box);
  void BeginEditing(TextBox& box);
  void EnableRunWhenReady();
  void HideLifeAndDamage();
  bool KtWording() const;
  bool MseKtWording() const;
};
