#include "component/ui/data_box_panel.h"

#include "shell/ui/form_main.h"

DataBoxPanel::DataBoxPanel(FormMain& m)
    : main(m),
      frm_DBox(m.frame("frm_DBox")),
      pic_DBox(m.picture("pic_DBox")),
      wait(m.label("wait")),
      Subj(m.label("Subj")),
      Subjt(m.textBox("Subjt")),
      Load(m.label("Load")),
      Loadt(m.textBox("Loadt")),
      Material(m.label("Material")),
      Materialt(m.textBox("Materialt")),
      SNth(m.array<Label>("SNth")),
      SNtht(m.array<TextBox>("SNtht")),
      ExtSN(m.array<Label>("ExtSN")),
      ExtSNt(m.array<TextBox>("ExtSNt")),
      SCF(m.array<Label>("SCF")),
      SCFt(m.array<TextBox>("SCFt")),
      SCF_distr(m.label("SCF_distr")),
      Reliab(m.label("Reliab")),
      Reliabt(m.textBox("Reliabt")),
      DBmse(m.array<Label>("DBmse")),
      DDBmse(m.array<Label>("DDBmse")),
      DBmset(m.array<TextBox>("DBmset")),
      DTFf(m.label("DTFf")),
      DTFft(m.textBox("DTFft")),
      Result(m.label("Result")),
      ScattFact(m.label("ScattFact")) {
  // Wire the job texts' handlers (Subjt_LostFocus, ...), DTFft's, the Kt,
  // notch-radius and strength boxes' handlers and Lifelab/Result popups here.
}

// Will put the focus into the notch-radius box `Reliabt`.
void DataBoxPanel::Reliab_Click() {}

// Will lay out and refill the job summary box from the program's records.
void DataBoxPanel::UpdateDataBox() {}
