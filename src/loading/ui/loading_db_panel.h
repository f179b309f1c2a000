#pragma once

#include "platform/ui/form.h"

class FormMain;

// The loading-database browser `frm_Load_Dbase` and the loading previews.
class LoadingDbPanel {
 public:
  explicit LoadingDbPanel(FormMain& main);

  // Will take the browsed batch as the job's loading.
  void Cmd_Load_Db_OK_Click();
  // Will show the batch `batch` of the loading database in the browser.
  void ShowLoadingDbBatch(int batch);

  FormMain& main;
  Frame& frm_Load_Dbase;
  ControlArray<Label>& Label5;
  TextBox& txt_Load_Db;
  Label& Label6;
  LineControl& Line1;
  LineControl& Line2;
  CommandButton& Cmd_Load_Db_Show;
  CommandButton& Cmd_Load_Db_OK;
  CommandButton& Cmd_Load_Db_Cancel;
  Frame& frm_HistSH;
  Frame& frm_SpectrSH;
  Frame& frm_DistrSH;
};
