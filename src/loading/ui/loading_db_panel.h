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
  ControlArray<Label>& Label5;  // 0 "Batch No.", 1 batch count, 2 "of"
  TextBox& txt_Load_Db;
  Label& Label6;                 // batch name
  Label& Label7;                 // history section
  ControlArray<Label>& Label8;
  ControlArray<Label>& Label9;
  ControlArray<Label>& Label10;  // stress units
  Label& Label11;                // spectrum section
  ControlArray<Label>& Label12;
  ControlArray<Label>& Label13;
  ControlArray<Label>& Label14;  // distribution section
  ControlArray<Label>& Label15;
  ControlArray<Label>& Label16;
  ControlArray<Label>& Label17;  // "min", "min", "cyc"
  Label& Label18;                // "Remarks:"
  Label& Label19;                // the batch's remark
  LineControl& Line1;
  LineControl& Line2;
  CommandButton& Cmd_Load_Db_Show;
  CommandButton& Cmd_Load_Db_Prev;
  CommandButton& Cmd_Load_Db_Next;
  CommandButton& Cmd_Load_Db_OK;
  CommandButton& Cmd_Load_Db_Cancel;
  Frame& frm_HistSH;
  PictureBox& Pic_HistSH;
  Frame& frm_SpectrSH;
  PictureBox& Pic_SpectrSH;
  Frame& frm_DistrSH;
  PictureBox& Pic_DistrSh;
};
