#pragma once

#include <memory>

#include "platform/ui/form.h"

struct ProgramState;
class FormMain;
class McsResultsView;
class TestDataEditorPanel;
class RandomVariableDialog;

// The second window (simulation results, test data, random variables). Its
// menus: "&Back" > "to &Main menu", the results/print menu `mnu_prt1`,
// "&Screen", "&Help", and the popups `pop_disp` (items `pop_aNK`) and
// `pop_rand` (items `pop_dispR`).
//
// It serves one view at a time, each a panel of its own that shows and hides
// the frames it needs: the fatigue test data editor (`frm_diag2` beside the
// diagram on `pic_diag`), the simulation results and the random-variable
// dialog; ShellState::SecondWindowView says which one is up.
class FormShow : public Form {
 public:
  FormShow(ProgramState& state, Host& host, FormMain& main);
  ~FormShow() override;

  ProgramState& state() const { return state_; }
  FormMain& main() const { return main_; }
  McsResultsView& mcsResults() const { return *mcsResults_; }
  TestDataEditorPanel& testData() const { return *testData_; }
  RandomVariableDialog& randomVariables() const { return *randomVariables_; }  // frm_rand

  // The window's common dialog: filter, flags, initial folder and file name
  // of its open and save dialogs, kept from one use to the next, and the copy
  // count of its own print setup.
  CommonDialog PrintDlg;

  // Load: the diagram pictures take the diagrams colour, the window the main
  // window's place; its layout runs unless a layout scale is 1. A layout that
  // fails is reported with the runtime's text, and the load goes on.
  void Form_Load();
  // Unload: back to the main window, which is idle again.
  void Form_Unload(int& cancel);
  // "&Back" > "to &Main menu": unloads this window.
  void mnu_back_Click();
  // "&Help" > "&Contents": the help file "miret.hlp" while the main view is idle.
  void mnu_hlp_ind_Click();

  MenuItem& mnu_return;
  MenuItem& mnu_back;
  MenuItem& mnu_prt1;
  MenuItem& mnu_an_show;
  MenuItem& mnu_an_list;
  MenuItem& sepbar1;
  MenuItem& mnu_prtopt;
  MenuItem& mnu_prt;
  MenuItem& mnu_prt_form;
  MenuItem& mnu_tobmp;
  MenuItem& mnu_prt_res;
  MenuItem& mnu_prt_doc;
  MenuItem& mnu_prt_file;
  MenuItem& mnu_CopyScreen;
  MenuItem& mnu_hlp_ind;
  MenuItem& pop_disp;
  ControlArray<MenuItem>& pop_aNK;
  MenuItem& pop_rand;
  ControlArray<MenuItem>& pop_dispR;

  Frame& frm_diag;
  PictureBox& pic_diag;
  ControlArray<Label>& Res_prob;
  ControlArray<TextBox>& Res_probT;
  Frame& frm_master;
  PictureBox& pic_master;
  Frame& frm_master1;
  PictureBox& pic_master1;
  Frame& frm_rand;
  CommandButton& cmd_ok;
  CommandButton& cmd_cancel;
  CommandButton& cmd_draw;
  ControlArray<OptionButton>& chk_distr;  // index = type code + 1
  ControlArray<Label>& Distr_Type;
  Label& Distr_Var;
  ControlArray<Label>& Distr_par;
  ControlArray<TextBox>& txt_distr;
  PictureBox& pic_rand;

 private:
  ProgramState& state_;
  FormMain& main_;
  std::unique_ptr<McsResultsView> mcsResults_;
  std::unique_ptr<TestDataEditorPanel> testData_;
  std::unique_ptr<RandomVariableDialog> randomVariables_;
};
