#include "material/ui/data_service_panel.h"

#include <filesystem>

#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_services.h"
#include "material/data_service_folders.h"
#include "material/fatigue_db_changes.h"
#include "material/fatigue_db_file.h"
#include "material/ui/fatigue_db_panel.h"
#include "platform/runtime/folder_path.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

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
  chk_Input_Dbase.onClick = [this] { chk_Input_Dbase_Click(); };
  chk_Read_Dbase.onClick = [this] { chk_Read_Dbase_Click(); };
  chk_Save_Dbase.onClick = [this] { chk_Save_Dbase_Click(); };
  chk_new_Dbase.onClick = [this] { chk_new_Dbase_Click(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  Drive1.onChange = [this] { Drive1_Change(); };
  cmd_data_do.onClick = [this] { cmd_data_do_Click(); };
  cmd_data_cancel.onClick = [this] { cmd_data_cancel_Click(); };
}

ProgramState& DataServicePanel::state() const { return main.state(); }
bool DataServicePanel::Fatigue() const { return state().fatigueDbState.DataServiceMode == 2; }

// ---- folder lists ----

void DataServicePanel::ShowFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  for (fs::path at = AbsoluteFolder(folder); !at.empty(); at = at.parent_path()) {
    try {
      Drive1.SetDrive(at.string());
      Dir1.SetPath(at.string());
      break;
    } catch (const RuntimeError&) {
      // gone (or never on this machine): the folder above it
    }
    if (at == at.parent_path()) break;
  }
  Dir1_Change();
}

void DataServicePanel::ActOnTheFolderShown() { state().fatigueDbState.DatabaseDir = Dir1.Path(); }

void DataServicePanel::FoldersBack() { ShowFolder(FolderOfTheServedDatabase(state())); }

void DataServicePanel::Drive1_Change() {
  auto& st = state().fatigueDbState;
  try {
    Dir1.SetPath(Drive1.Drive());
    ActOnTheFolderShown();
  } catch (const RuntimeError& e) {
    AlertBox(state().shellState, main.host(), RuntimeErrorText(e.code()), MsgButtons::OKOnly, MsgIcon::Exclamation, 1,
             "Data Services");
    try {
      Drive1.SetDrive(st.DatabaseDir);
    } catch (const RuntimeError&) {
    }
  }
}

void DataServicePanel::Dir1_Change() {
  ActOnTheFolderShown();
  // The database in memory is browsed only from its own folder.
  if (!ActsOnAnotherFolder(state())) return;
  chk_Input_Dbase.SetValue(false);
  if (!Fatigue() || !chk_Edit_Dbase.Value()) SelectOption(chk_Read_Dbase);
}

// ---- options ----

void DataServicePanel::chk_Input_Dbase_Click() {
  FoldersBack();
  if (Fatigue() && state().fatigueDbState.FatigueBatchCount >= 1) chk_new_Dbase.SetValue(0);
}

void DataServicePanel::chk_Read_Dbase_Click() {
  if (Fatigue() && state().fatigueDbState.FatigueBatchCount > 0) chk_new_Dbase.SetValue(0);
}

void DataServicePanel::chk_Save_Dbase_Click() { chk_new_Dbase.SetValue(0); }

void DataServicePanel::chk_new_Dbase_Click() {
  if (chk_new_Dbase.Value() == 0 && state().fatigueDbState.FatigueBatchCount > 0) FoldersBack();
  if (chk_new_Dbase.Value() == 1) SelectOption(chk_Edit_Dbase);
}

// ---- buttons ----

void DataServicePanel::cmd_data_cancel_Click() {
  frm_data_serv.SetVisible(false);
  if (state().wizardFlags.LoadingDataReady) EnableControl(main.menus().mnu_Run);
}

void DataServicePanel::cmd_data_do_Click() {
  main.loadingDb().Cmd_Load_Db_Cancel.SetCaption("&Cancel");
  if (chk_Input_Dbase.Value())
    BrowseDatabase();
  else if (chk_Read_Dbase.Value())
    OpenDatabase();
  else if (chk_Edit_Dbase.Value())
    EditDatabase();
  else if (chk_Save_Dbase.Value())
    SaveDatabase();
}

void DataServicePanel::BrowseDatabase() {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  if (!Fatigue()) {
    FoldersBack();
    auto& ls = s.loadingDbState;
    ls.BrowsedLoadingBatch = ls.SelectedLoadingBatch == 0 ? int16_t{1} : ls.SelectedLoadingBatch;
    LoadingDbPanel& loading = main.loadingDb();
    loading.ShowLoadingDbBatch(ls.BrowsedLoadingBatch);
    loading.frm_Load_Dbase.SetVisible(true);
    loading.Cmd_Load_Db_Cancel.SetFocus();
    return;
  }
  FatigueDbPanel& browser = main.fatigueDb();
  browser.cmd_Fatigue_Db_Cancel.SetCaption("&Cancel");
  if (st.UsedFatigueBatch == 0) {
    st.UsedFatigueSet = 0;
    st.CurrentFatigueBatch = 1;
  } else {
    st.CurrentFatigueBatch = st.UsedFatigueBatch;
  }
  st.CurrentSetBatch = st.CurrentFatigueBatch;
  st.CurrentFatigueSet = st.UsedFatigueSet;
  browser.ShowFatigueDbBatch(st.CurrentFatigueBatch);
  browser.frm_Fatigue_Dbase.SetVisible(true);
  browser.cmd_Fatigue_Db_Cancel.SetFocus();
  EnableControl(browser.cmd_Fatigue_Db_Del);
}

void DataServicePanel::OpenDatabase() {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  if (Fatigue() && !MayLoseFatigueDbChanges(s, main.host(), "Open Fatigue Database")) {
    FoldersBack();
    SelectOption(chk_Input_Dbase);
    return;
  }
  if (!Fatigue()) {
    // A read that fails keeps the database in memory, with its folder.
    ReadLoadingDatabase(main);
    if (s.loadingDbState.LoadingBatchCount >= 1) {
      EnableControl(chk_Input_Dbase);
      SelectOption(chk_Input_Dbase);
    }
    return;
  }
  const FatigueDbRead read = ReadFatigueDatabase(s.fatigueDatabase, st, main.host(), s.shellState.BeepEnabled == 1);
  if (!read) return;
  EnableControl(chk_new_Dbase);
  chk_new_Dbase.SetValue(0);
  if (st.FatigueBatchCount < 1) return;  // an empty database offers nothing to browse
  EnableControl(chk_Input_Dbase);
  SelectOption(chk_Input_Dbase);
  EnableControl(chk_Save_Dbase);
  // Saving over a file read only in part asks first: its later batches would go.
  st.OverwriteConfirmed = read == kFdbRead ? 1 : 0;
}

bool DataServicePanel::ConfirmOverwrite() {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(FatigueDatabasePath(st.DatabaseDir), ec)) return true;
  if (main.host().MsgBox("Material Database already exists. Overwrite?  ", MsgButtons::OKCancel,
                         MsgIcon::Exclamation, 2, "Material Database") == kAnswerOK) {
    st.OverwriteConfirmed = 1;
    return true;
  }
  chk_Edit_Dbase.SetValue(false);
  SelectOption(st.FatigueBatchCount == 0 ? chk_Read_Dbase : chk_Input_Dbase);
  FoldersBack();
  return false;
}

void DataServicePanel::EditDatabase() {
  if (!Fatigue()) return;
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  FatigueDbPanel& browser = main.fatigueDb();
  browser.cmd_Fatigue_Db_Cancel.SetCaption(" E&xit");
  const bool fresh = chk_new_Dbase.Value() == 1;
  const bool loaded = st.FatigueBatchCount > 0;
  if (!fresh && ActsOnAnotherFolder(s)) {
    main.host().MsgBox("Sorry, first you have to save the Database. ", MsgButtons::OKOnly, MsgIcon::Information, 1,
                       "Material Database");
    SelectOption(chk_Save_Dbase);
    chk_Edit_Dbase.SetValue(false);
    return;
  }
  ConfirmedOverwriteHoldsForItsFolder(st);
  if (fresh) st.OverwriteConfirmed = 0;
  if (st.OverwriteConfirmed == 0 && !ConfirmOverwrite()) return;
  st.DbEditStarted = true;
  if (fresh && !MayLoseFatigueDbChanges(s, main.host(), "Edit Fatigue Database")) {
    FoldersBack();
    SelectOption(chk_Input_Dbase);
    return;
  }
  if (fresh && loaded) {
    for (int b = st.FatigueBatchCount; b >= 1; --b) browser.DeleteFatigueDbBatch(b);
    st.FatigueBatchCount = 0;
    st.FatigueDbModified = 0;
    st.CurrentFatigueBatch = 0;
    st.OverwriteConfirmed = 1;
  }
  // The database edited now is that of the chosen folder, read there or made
  // there: the folder lists go back to it (as leaving the editor does, when
  // it selects Save), Save writes it there, and the job names it.
  st.DataDirectory[2] = st.FatigueDbOwnFolder = st.DatabaseDir;
  if (st.FatigueBatchCount == 0) st.FatigueBatchCount = 1;
  if (st.CurrentFatigueBatch == 0) st.CurrentFatigueBatch = 1;
  browser.frm_Fatigue_Dbase.SetVisible(true);
  browser.ShowFatigueDbBatch(st.CurrentFatigueBatch);
  st.MarkedFatigueSet = -1;
  const int b = st.CurrentFatigueBatch;
  if (s.fatigueDatabase.FdbSetCount[b] == 0) {
    browser.Txt1_Fatigue_DB.SetVisible(true);
    browser.Txt1_Fatigue_DB.SetFocus();
  } else {
    browser.cmd_Fatigue_Db_Cancel.SetFocus();
  }
}

void DataServicePanel::SaveDatabase() {
  ProgramState& s = state();
  if (!Fatigue() || !s.fatigueDbState.DbEditStarted) return;
  WriteFatigueDatabase(s.fatigueDatabase, s.fatigueDbState, main.host(), s.shellState.BeepEnabled == 1);
  SelectOption(chk_Input_Dbase);
}
