#pragma once

#include "platform/ui/form.h"

class FormMain;

// The data-service dialog `frm_data_serv`: the actions on the two databases,
// the folder lists and the Next / OK / Cancel buttons.
class DataServicePanel {
 public:
  explicit DataServicePanel(FormMain& main);

  FormMain& main;
  Frame& frm_data_serv;
  Frame& frm_data_do;
  OptionButton& chk_Input_Dbase;
  OptionButton& chk_Read_Dbase;
  OptionButton& chk_Edit_Dbase;
  OptionButton& chk_Save_Dbase;
  CheckBox& chk_new_Dbase;
  Frame& frm_data_path;
  DriveList& Drive1;
  DirList& Dir1;
  Label& Select_data_option;
  CommandButton& cmd_data_next;
  CommandButton& cmd_data_do;
  CommandButton& cmd_data_cancel;
};
