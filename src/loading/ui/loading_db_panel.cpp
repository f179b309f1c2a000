#include "loading/ui/loading_db_panel.h"

#include "shell/ui/form_main.h"

LoadingDbPanel::LoadingDbPanel(FormMain& m)
    : main(m),
      frm_Load_Dbase(m.frame("frm_Load_Dbase")),
      Label5(m.array<Label>("Label5")),
      txt_Load_Db(m.textBox("txt_Load_Db")),
      Label6(m.label("Label6")),
      Label7(m.label("Label7")),
      Label8(m.array<Label>("Label8")),
      Label9(m.array<Label>("Label9")),
      Label10(m.array<Label>("Label10")),
      Label11(m.label("Label11")),
      Label12(m.array<Label>("Label12")),
      Label13(m.array<Label>("Label13")),
      Label14(m.array<Label>("Label14")),
      Label15(m.array<Label>("Label15")),
      Label16(m.array<Label>("Label16")),
      Label17(m.array<Label>("Label17")),
      Label18(m.label("Label18")),
      Label19(m.label("Label19")),
      Line1(m.line("Line1")),
      Line2(m.line("Line2")),
      Cmd_Load_Db_Show(m.button("Cmd_Load_Db_Show")),
      Cmd_Load_Db_Prev(m.button("Cmd_Load_Db_Prev")),
      Cmd_Load_Db_Next(m.button("Cmd_Load_Db_Next")),
      Cmd_Load_Db_OK(m.button("Cmd_Load_Db_OK")),
      Cmd_Load_Db_Cancel(m.button("Cmd_Load_Db_Cancel")),
      frm_HistSH(m.frame("frm_HistSH")),
      Pic_HistSH(m.picture("Pic_HistSH")),
      frm_SpectrSH(m.frame("frm_SpectrSH")),
      Pic_SpectrSH(m.picture("Pic_SpectrSH")),
      frm_DistrSH(m.frame("frm_DistrSH")),
      Pic_DistrSh(m.picture("Pic_DistrSh")) {
  // Wire the browser's buttons and the batch-number box here.
}

void LoadingDbPanel::Cmd_Load_Db_OK_Click() {}
void LoadingDbPanel::ShowLoadingDbBatch(int) {}
