#include "material/ui/sn_frame_panel.h"

#include "shell/ui/form_main.h"

SnFramePanel::SnFramePanel(FormMain& m)
    : main(m),
      frm_SN(m.frame("frm_SN")),
      Pic_SN(m.picture("Pic_SN")),
      SNSe(m.array<Label>("SNSe")),
      SNset(m.array<TextBox>("SNset")),
      dN_distr(m.array<Label>("dN_distr")),
      SNNo(m.label("SNNo")),
      SNNot(m.textBox("SNNot")),
      SNm(m.label("SNm")),
      SNmt(m.textBox("SNmt")),
      SNPn(m.label("SNPn")),
      SNPnt(m.textBox("SNPnt")),
      SNr(m.label("SNr")),
      SNrt(m.textBox("SNrt")),
      SNth(m.array<Label>("SNth")),
      SNtht(m.array<TextBox>("SNtht")),
      SNE(m.label("SNE")),
      SNEt(m.textBox("SNEt")) {
  // Wire the labels' Click and the boxes' GotFocus, KeyDown and LostFocus to
  // this panel's handlers here (SNm_Click, SNmt_LostFocus, SNset_KeyDown, ...).
}
