#include "material/ui/data_service_panel.h"

#include "shell/ui/form_main.h"

DataServicePanel::DataServicePanel(FormMain& m)
    : main(m),
      frm_data_serv(m.frame("frm_data_serv")),
      frm_data_do(m.frame("frm_data_do")),
      chk_Input_Dbase(m.option("chk_Input_Dbase")),
      chk_Read_Dbase(m.option("chk_Read_Dbase")),
      chk_Edit_Dbase(m.option("chk_Edit_Dbase")),
      chk_Save_Dbase(m.option("chk_Save_Dbase")),
      chk_new_Dbase(m.checkBox("chk_new_Dbase")),
      frm_data_path(m.frame("frm_data_path")),
      Drive1(m.driveList("Drive1")),
      Dir1(m.dirList("Dir1")),
      Select_data_option(m.label("Select_data_option")),
      cmd_data_next(m.button("cmd_data_next")),
      cmd_data_do(m.button("cmd_data_do")),
      cmd_data_cancel(m.button("cmd_data_cancel")) {
  // Wire chk_*_Click, Dir1_Change, Drive1_Change and cmd_data_*_Click here.
}
