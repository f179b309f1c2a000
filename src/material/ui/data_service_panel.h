#pragma once

#include <string>

#include "platform/ui/form.h"

class FormMain;
struct ProgramState;

// The data-service dialog `frm_data_serv`: the actions on the two databases,
// the folder lists and the Next / OK / Cancel buttons.
class DataServicePanel {
 public:
  explicit DataServicePanel(FormMain& main);

  void chk_Input_Dbase_Click();
  void chk_Read_Dbase_Click();
  void chk_Save_Dbase_Click();
  void chk_new_Dbase_Click();
  void Dir1_Change();
  void Drive1_Change();

  // The folder lists go to `folder` (a relative one lies in the current
  // folder; where it is gone, to the nearest folder above it that exists;
  // where there is none, they stay), and the list's Change rule runs
  // whether or not they moved, so that the dialog acts on the folder it
  // shows and offers to browse the database in memory only in its folder.
  void ShowFolder(const std::string& folder);
  // The folder the dialog acts on (DatabaseDir) is the one its list shows
  // (again, after a database was read from another folder: a job's).
  void ActOnTheFolderShown();
  // Performs the first selected action of Browse, Open, Edit, Save.
  void cmd_data_do_Click();
  void cmd_data_cancel_Click();

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

 private:
  ProgramState& state() const;
  bool Fatigue() const;  // the dialog serves the fatigue database
  // The folder lists go back to the folder of the database in memory (with
  // none, to the job's folder).
  void FoldersBack();
  void BrowseDatabase();
  void OpenDatabase();
  void EditDatabase();
  void SaveDatabase();
  // Edit's question before an existing file is replaced; false when cancelled.
  bool ConfirmOverwrite();
};
