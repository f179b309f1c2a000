#pragma once

#include "platform/ui/form.h"

class FormMain;

// The material-database frame `frm_Fatigue_Dbase`: browser and table editor.
// The grid rows are the arrays Text2 .. Text9, the index is the column.
class FatigueDbPanel {
 public:
  explicit FatigueDbPanel(FormMain& main);

  FormMain& main;
  Frame& frm_Fatigue_Dbase;
  ControlArray<Label>& Label20;
  TextBox& txt_Fatigue_Db;
  Label& Lab1_fatigue_DB;
  TextBox& Txt1_Fatigue_DB;
  Label& Label22;
  Label& Label23;
  Label& Label24;
  Label& Label25;
  Label& Label26;
  Label& Label27;
  Label& Label29;
  Label& Label30;
  ControlArray<Label>& Label28;
  ControlArray<Label>& dN_distr;
  ControlArray<TextBox>& Text2;
  ControlArray<TextBox>& Text3;
  ControlArray<TextBox>& Text4;
  ControlArray<TextBox>& Text5;
  ControlArray<TextBox>& Text6;
  ControlArray<TextBox>& Text7;
  ControlArray<TextBox>& Text8;
  ControlArray<TextBox>& Text9;
  ControlArray<PictureBox>& refer_pic;
  TextBox& refer_txt;
  LineControl& Line6;
  LineControl& Line7;
  ControlArray<LineControl>& Line3;
  ControlArray<LineControl>& Line5;
  CommandButton& cmd_Fatigue_Db_Prev;
  CommandButton& cmd_fatigue_Db_Next;
  CommandButton& cmd_Fatigue_Db_Del;
  CommandButton& cmd_fatigue_Db_Test;
  CommandButton& cmd_fatigue_Db_OK;
  CommandButton& cmd_Fatigue_Db_Cancel;
};
