#pragma once

#include "platform/ui/form.h"

class FormMain;

// The job summary box `frm_DBox` with its picture `pic_DBox`: job texts,
// thickness, S-N extension, Kt and notch radius, mean-stress rows, damage to
// failure, and the life label `Result`.
class DataBoxPanel {
 public:
  explicit DataBoxPanel(FormMain& main);

  // Click of the notch-radius label: the focus goes to `Reliabt`.
  void Reliab_Click();
  // Lays out and refills the summary box from the records.
  void UpdateDataBox();

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
};
