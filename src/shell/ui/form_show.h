#pragma once

#include <memory>

#include "platform/ui/form.h"

struct ProgramState;
class FormMain;
class McsResultsView;

// The second window (simulation results, test data, random variables). Its
// menus: "&Back" > "to &Main menu", the results/print menu `mnu_prt1`,
// "&Screen", "&Help", and the popups `pop_disp` (items `pop_aNK`) and
// `pop_rand` (items `pop_dispR`).
class FormShow : public Form {
 public:
  FormShow(ProgramState& state, Host& host, FormMain& main);
  ~FormShow() override;

  ProgramState& state() const { return state_; }
  FormMain& main() const { return main_; }
  McsResultsView& mcsResults() const { return *mcsResults_; }

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
  Frame& frm_diag2;
  ControlArray<TextBox>& txt_label;  // captions: 0 name, 1 count, 2 Sy, 3 Su, 4 R
  ControlArray<TextBox>& txt_points;  // 0 count, 1 Sy, 2 Su, 3 R
  TextBox& txt_Name;
  PictureBox& pic_CLO;
  ControlArray<Label>& lbl_CLOn;  // rows 0 .. 9
  ControlArray<TextBox>& txt_CLOx;
  ControlArray<TextBox>& txt_CLOn;
  ScrollBar& scroll_CLO;
  CommandButton& cmd_CLO_open;
  CommandButton& cmd_CLO_Del;
  CommandButton& cmd_CLO_OK;
  CommandButton& cmd_CLO_canc;

 private:
  ProgramState& state_;
  FormMain& main_;
  std::unique_ptr<McsResultsView> mcsResults_;
};
