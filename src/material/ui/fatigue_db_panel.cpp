#include "material/ui/fatigue_db_panel.h"

#include "shell/ui/form_main.h"

FatigueDbPanel::FatigueDbPanel(FormMain& m)
    : main(m),
      frm_Fatigue_Dbase(m.frame("frm_Fatigue_Dbase")),
      Label20(m.array<Label>("Label20")),
      txt_Fatigue_Db(m.textBox("txt_Fatigue_Db")),
      Lab1_fatigue_DB(m.label("Lab1_fatigue_DB")),
      Txt1_Fatigue_DB(m.textBox("Txt1_Fatigue_DB")),
      Label22(m.label("Label22")),
      Label23(m.label("Label23")),
      Label24(m.label("Label24")),
      Label25(m.label("Label25")),
      Label26(m.label("Label26")),
      Label27(m.label("Label27")),
      Label29(m.label("Label29")),
      Label30(m.label("Label30")),
      Label28(m.array<Label>("Label28")),
      dN_distr(m.array<Label>("dN_distr")),
      Text2(m.array<TextBox>("Text2")),
      Text3(m.array<TextBox>("Text3")),
      Text4(m.array<TextBox>("Text4")),
      Text5(m.array<TextBox>("Text5")),
      Text6(m.array<TextBox>("Text6")),
      Text7(m.array<TextBox>("Text7")),
      Text8(m.array<TextBox>("Text8")),
      Text9(m.array<TextBox>("Text9")),
      refer_pic(m.array<PictureBox>("refer_pic")),
      refer_txt(m.textBox("refer_txt")),
      Line6(m.line("Line6")),
      Line7(m.line("Line7")),
      Line3(m.array<LineControl>("Line3")),
      Line5(m.array<LineControl>("Line5")),
      cmd_Fatigue_Db_Prev(m.button("cmd_Fatigue_Db_Prev")),
      cmd_fatigue_Db_Next(m.button("cmd_fatigue_Db_Next")),
      cmd_Fatigue_Db_Del(m.button("cmd_Fatigue_Db_Del")),
      cmd_fatigue_Db_Test(m.button("cmd_fatigue_Db_Test")),
      cmd_fatigue_Db_OK(m.button("cmd_fatigue_Db_OK")),
      cmd_Fatigue_Db_Cancel(m.button("cmd_Fatigue_Db_Cancel")) {
  // Wire the grid's Click/GotFocus/KeyDown/LostFocus (Text2_LostFocus(Index)
  // ...), the header boxes, refer_pic_Click and the buttons' Click here.
}
