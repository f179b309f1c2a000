#include "loading/ui/loading_db_panel.h"

#include "shell/ui/form_main.h"

LoadingDbPanel::LoadingDbPanel(FormMain& m)
    : main(m),
      frm_Load_Dbase(m.frame("frm_Load_Dbase")),
      Label5(m.array<Label>("Label5")),
      txt_Load_Db(m.textBox("txt_Load_Db")),
      Label6(m.label("Label6")),
      Line1(m.line("Line1")),
      Line2(m.line("Line2")),
      Cmd_Load_Db_Show(m.button("Cmd_Load_Db_Show")),
      Cmd_Load_Db_OK(m.button("Cmd_Load_Db_OK")),
      Cmd_Load_Db_Cancel(m.button("Cmd_Load_Db_Cancel")),
      frm_HistSH(m.frame("frm_HistSH")),
      frm_SpectrSH(m.frame("frm_SpectrSH")),
      frm_DistrSH(m.frame("frm_DistrSH")) {
  // Wire the browser's buttons and the batch-number box here.
}

void LoadingDbPanel::Cmd_Load_Db_OK_Click() {}
void LoadingDbPanel::ShowLoadingDbBatch(int) {}
