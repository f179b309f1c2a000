#include "shell/ui/form_main.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/hidden_picture.h"
#include "program_state.h"
#include "shell/ui/form_show.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

class FormMainTest : public ::testing::Test {
 protected:
  ProgramState state;
  FakeHost host;
  FormMain main{state, host};
};

// Captions of a menu's items, separators as "-".
std::vector<std::string> Captions(const MenuItem& menu) {
  std::vector<std::string> out;
  for (const MenuItem* item : menu.Items()) out.push_back(item->Caption());
  return out;
}

TEST_F(FormMainTest, CaptionAndOwnedWindows) {
  EXPECT_EQ(main.Caption(), " Fatigue Life Analysis Software");
  EXPECT_EQ(&main.state(), &state);
  EXPECT_EQ(&main.host(), &host);
  EXPECT_EQ(main.dialog().Caption(), "DUVAK Limited Warranty");
  EXPECT_EQ(main.dialog().Dialog_OKButton.Caption(), "Accept");
  EXPECT_EQ(main.dialog().Dialog_CancelButton.Caption(), "Don't accept");
  EXPECT_TRUE(main.Printer2().IsHiddenPicture());
}

TEST_F(FormMainTest, MenuBarInOrder) {
  struct TopMenu {
    const char* name;
    std::vector<std::string> items;
  };
  const TopMenu bar[] = {
      {"mnu_file", {"&Open...", "&Save...", "E&xit"}},
      {"mnu_sett", {"&Units", "&Colors...", "-", "&Tip Text", "&Save Settings"}},
      {"mnu_analysis", {"Define &Problem...", "&Loading Data...", "&Material Data..."}},
      {"mnu_Run", {"Check/Change &Input Data...", "&Calculate"}},
      {"mnu_results", {"Print Set&up...", "-", "Print &Screen", "Print Su&mmary", "Show &Last", "&Open File..."}},
      {"mnu_screen", {"&Copy Screen to Printer"}},
      {"mnu_help", {"&Contents", "-", "About DUVAK..."}},
  };
  const char* captions[] = {"&File", "&Settings", "&Analysis", "&Run", "Resul&ts", "Scree&n", "&Help"};
  for (size_t i = 0; i < std::size(bar); ++i) {
    const MenuItem& top = main.menu(bar[i].name);
    EXPECT_EQ(top.Caption(), captions[i]);
    EXPECT_TRUE(top.Visible()) << bar[i].name;
    EXPECT_EQ(Captions(top), bar[i].items) << bar[i].name;
  }
  EXPECT_EQ(Captions(main.menus().mnu_units), (std::vector<std::string>{"S&I", "U&S"}));
  EXPECT_EQ(Captions(main.menus().mnu_tip), (std::vector<std::string>{"&Show", "&Hide"}));
  EXPECT_EQ(Captions(main.menus().mnu_form), (std::vector<std::string>{"to &Printer", "to &File..."}));
  EXPECT_EQ(Captions(main.menus().mnu_report), (std::vector<std::string>{"to  &Printer", "to  &File..."}));
}

TEST_F(FormMainTest, MenuArraysAndPopups) {
  MainMenus& m = main.menus();
  EXPECT_EQ(m.mnu_start(1).Caption(), "&Save...");
  EXPECT_EQ(m.mnu_start.UBound(), 2);
  EXPECT_EQ(m.mnu_tool(0).Caption(), "&Show");
  for (MenuItem* popup : {&m.pop_disp, &m.pop_res, &m.pop_SN}) EXPECT_FALSE(popup->Visible()) << popup->Name();
  EXPECT_EQ(m.pop_disp1.Count(), 3);
  EXPECT_EQ(m.pop_res1.Count(), 3);
  EXPECT_EQ(Captions(m.pop_SN), (std::vector<std::string>{"Se'/Se", "No'"}));
  EXPECT_EQ(m.pop_SN.Caption(), "Ext. SN");
}

TEST_F(FormMainTest, ItemsThatStartDisabled) {
  MainMenus& m = main.menus();
  for (MenuItem* item : {&m.mnu_calculate, &m.mnu_calculations, &m.mnu_Run, &m.mnu_form, &m.mnu_report})
    EXPECT_FALSE(item->Enabled()) << item->Name();
  for (MenuItem* item : {&m.mnu_target, &m.mnu_loading, &m.mnu_fatigue, &m.mnu_sett, &m.mnu_analysis, &m.mnu_propt})
    EXPECT_TRUE(item->Enabled()) << item->Name();
  m.mnu_calculate.onClick = [] { FAIL() << "a disabled item ran its Click"; };
  m.mnu_calculate.click();
}

// The controls the handlers rely on: name, index range and kind.
struct ControlSpec {
  const char* name;
  int first, last;  // -1, -1: not an array
  ControlKind kind;
  const char* parent;
};

const ControlSpec kContract[] = {
    {"frm_analysis", -1, -1, ControlKind::Frame, ""},
    {"frm_anal_target", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"frm_anal_parameter", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"frm_anal_loading", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"frm_anal_data", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"frm_anal_load_param", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"frm_anal_mean_stress", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"frm_anal_ns", -1, -1, ControlKind::Frame, "frm_analysis"},
    {"chk_single", -1, -1, ControlKind::OptionButton, "frm_anal_target"},
    {"chk_master", -1, -1, ControlKind::OptionButton, "frm_anal_target"},
    {"chk_load", -1, -1, ControlKind::OptionButton, "frm_anal_parameter"},
    {"chk_end_limit", -1, -1, ControlKind::OptionButton, "frm_anal_parameter"},
    {"chk_history", -1, -1, ControlKind::OptionButton, "frm_anal_loading"},
    {"chk_spectrum", -1, -1, ControlKind::OptionButton, "frm_anal_loading"},
    {"chk_constant", -1, -1, ControlKind::OptionButton, "frm_anal_loading"},
    {"chk_beta_distrib", -1, -1, ControlKind::OptionButton, "frm_anal_loading"},
    {"chk_nominal", -1, -1, ControlKind::OptionButton, "frm_anal_load_param"},
    {"chk_local", -1, -1, ControlKind::OptionButton, "frm_anal_load_param"},
    {"chk_notched", -1, -1, ControlKind::OptionButton, "frm_anal_data"},
    {"chk_unnotch", -1, -1, ControlKind::OptionButton, "frm_anal_data"},
    {"chk_neglect", -1, -1, ControlKind::OptionButton, "frm_anal_mean_stress"},
    {"chk_account", -1, -1, ControlKind::OptionButton, "frm_anal_mean_stress"},
    {"chk_ns_neglect", -1, -1, ControlKind::OptionButton, "frm_anal_ns"},
    {"chk_ns_account", -1, -1, ControlKind::OptionButton, "frm_anal_ns"},
    {"Select_anal_option", -1, -1, ControlKind::Label, "frm_analysis"},
    {"Cmd_analysis_next", -1, -1, ControlKind::CommandButton, "frm_analysis"},
    {"cmd_analysis_done", -1, -1, ControlKind::CommandButton, "frm_analysis"},
    {"cmd_analysis_cancel", -1, -1, ControlKind::CommandButton, "frm_analysis"},
    {"frm_settings", -1, -1, ControlKind::Frame, ""},
    {"frm_set_graphics", -1, -1, ControlKind::Frame, "frm_settings"},
    {"Graphics", 1, 6, ControlKind::Label, "frm_set_graphics"},
    {"Select_settings_option", -1, -1, ControlKind::Label, "frm_settings"},
    {"cmd_settings_done", -1, -1, ControlKind::CommandButton, "frm_settings"},
    {"cmd_settings_cancel", -1, -1, ControlKind::CommandButton, "frm_settings"},
    {"frm_about", -1, -1, ControlKind::Frame, ""},
    {"cmd_about", -1, -1, ControlKind::CommandButton, "frm_about"},
    {"Label1", -1, -1, ControlKind::Label, ""},
    {"Label4", -1, -1, ControlKind::Label, ""},
    {"frm_SN", -1, -1, ControlKind::Frame, ""},
    {"Pic_SN", -1, -1, ControlKind::PictureBox, "frm_SN"},
    {"SNSe", 0, 1, ControlKind::Label, "Pic_SN"},
    {"SNset", 0, 1, ControlKind::TextBox, "Pic_SN"},
    {"SNm", -1, -1, ControlKind::Label, "Pic_SN"},
    {"SNmt", -1, -1, ControlKind::TextBox, "Pic_SN"},
    {"SNNo", -1, -1, ControlKind::Label, "Pic_SN"},
    {"SNNot", -1, -1, ControlKind::TextBox, "Pic_SN"},
    {"SNPn", -1, -1, ControlKind::Label, "Pic_SN"},
    {"SNPnt", -1, -1, ControlKind::TextBox, "Pic_SN"},
    {"SNr", -1, -1, ControlKind::Label, "Pic_SN"},
    {"SNrt", -1, -1, ControlKind::TextBox, "Pic_SN"},
    {"SNE", -1, -1, ControlKind::Label, "Pic_SN"},
    {"SNEt", -1, -1, ControlKind::TextBox, "Pic_SN"},
    {"SNth", 0, 3, ControlKind::Label, nullptr},
    {"SNtht", 0, 3, ControlKind::TextBox, nullptr},
    {"dN_distr", 0, 1, ControlKind::Label, nullptr},
    {"dN_distr", 3, 3, ControlKind::Label, "frm_Fatigue_Dbase"},
    {"frm_data_serv", -1, -1, ControlKind::Frame, ""},
    {"frm_data_do", -1, -1, ControlKind::Frame, "frm_data_serv"},
    {"frm_data_path", -1, -1, ControlKind::Frame, "frm_data_serv"},
    {"chk_Input_Dbase", -1, -1, ControlKind::OptionButton, "frm_data_do"},
    {"chk_Read_Dbase", -1, -1, ControlKind::OptionButton, "frm_data_do"},
    {"chk_Edit_Dbase", -1, -1, ControlKind::OptionButton, "frm_data_do"},
    {"chk_Save_Dbase", -1, -1, ControlKind::OptionButton, "frm_data_do"},
    {"chk_new_Dbase", -1, -1, ControlKind::CheckBox, "frm_data_do"},
    {"Drive1", -1, -1, ControlKind::DriveList, "frm_data_path"},
    {"Dir1", -1, -1, ControlKind::DirList, "frm_data_path"},
    {"Select_data_option", -1, -1, ControlKind::Label, "frm_data_serv"},
    {"cmd_data_next", -1, -1, ControlKind::CommandButton, "frm_data_serv"},
    {"cmd_data_do", -1, -1, ControlKind::CommandButton, "frm_data_serv"},
    {"cmd_data_cancel", -1, -1, ControlKind::CommandButton, "frm_data_serv"},
    {"frm_Fatigue_Dbase", -1, -1, ControlKind::Frame, ""},
    {"Label20", 0, 3, ControlKind::Label, "frm_Fatigue_Dbase"},
    {"txt_Fatigue_Db", -1, -1, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Lab1_fatigue_DB", -1, -1, ControlKind::Label, "frm_Fatigue_Dbase"},
    {"Txt1_Fatigue_DB", -1, -1, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Label22", -1, -1, ControlKind::Label, "frm_Fatigue_Dbase"},
    {"Label30", -1, -1, ControlKind::Label, "frm_Fatigue_Dbase"},
    {"Label28", 0, 2, ControlKind::Label, "frm_Fatigue_Dbase"},
    {"Text2", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text3", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text4", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text5", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text6", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text7", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text8", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Text9", 0, 5, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"refer_pic", 0, 5, ControlKind::PictureBox, "frm_Fatigue_Dbase"},
    {"refer_txt", -1, -1, ControlKind::TextBox, "frm_Fatigue_Dbase"},
    {"Line6", -1, -1, ControlKind::Line, "frm_Fatigue_Dbase"},
    {"cmd_Fatigue_Db_Prev", -1, -1, ControlKind::CommandButton, "frm_Fatigue_Dbase"},
    {"cmd_fatigue_Db_Next", -1, -1, ControlKind::CommandButton, "frm_Fatigue_Dbase"},
    {"cmd_Fatigue_Db_Del", -1, -1, ControlKind::CommandButton, "frm_Fatigue_Dbase"},
    {"cmd_fatigue_Db_OK", -1, -1, ControlKind::CommandButton, "frm_Fatigue_Dbase"},
    {"cmd_Fatigue_Db_Cancel", -1, -1, ControlKind::CommandButton, "frm_Fatigue_Dbase"},
    {"cmd_fatigue_Db_Test", -1, -1, ControlKind::CommandButton, "frm_Fatigue_Dbase"},
    {"frm_DBox", -1, -1, ControlKind::Frame, ""},
    {"pic_DBox", -1, -1, ControlKind::PictureBox, "frm_DBox"},
    {"wait", -1, -1, ControlKind::Label, "pic_DBox"},
    {"Subj", -1, -1, ControlKind::Label, "pic_DBox"},
    {"Subjt", -1, -1, ControlKind::TextBox, "pic_DBox"},
    {"Load", -1, -1, ControlKind::Label, "pic_DBox"},
    {"Loadt", -1, -1, ControlKind::TextBox, "pic_DBox"},
    {"Material", -1, -1, ControlKind::Label, "pic_DBox"},
    {"Materialt", -1, -1, ControlKind::TextBox, "pic_DBox"},
    {"ExtSN", 0, 1, ControlKind::Label, "pic_DBox"},
    {"ExtSNt", 0, 1, ControlKind::TextBox, "pic_DBox"},
    {"SCF", 0, 0, ControlKind::Label, "pic_DBox"},
    {"SCFt", 0, 0, ControlKind::TextBox, "pic_DBox"},
    {"SCF_distr", -1, -1, ControlKind::Label, "pic_DBox"},
    {"Reliab", -1, -1, ControlKind::Label, "pic_DBox"},
    {"Reliabt", -1, -1, ControlKind::TextBox, "pic_DBox"},
    {"DBmse", 0, 1, ControlKind::Label, "pic_DBox"},
    {"DDBmse", 0, 2, ControlKind::Label, "pic_DBox"},
    {"DBmset", 0, 2, ControlKind::TextBox, "pic_DBox"},
    {"DTFf", -1, -1, ControlKind::Label, "pic_DBox"},
    {"DTFft", -1, -1, ControlKind::TextBox, "pic_DBox"},
    {"Result", -1, -1, ControlKind::Label, "pic_DBox"},
    {"ScattFact", -1, -1, ControlKind::Label, "pic_DBox"},
    {"frm_Hist", -1, -1, ControlKind::Frame, ""},
    {"Pic_Hist", -1, -1, ControlKind::PictureBox, "frm_Hist"},
    {"SHSmax", -1, -1, ControlKind::Label, "Pic_Hist"},
    {"SHscal", 0, 3, ControlKind::Label, nullptr},
    {"SHscalt", 0, 1, ControlKind::TextBox, "Pic_Hist"},
    {"load_distr", 0, 2, ControlKind::Label, nullptr},
    {"frm_Spectr", -1, -1, ControlKind::Frame, ""},
    {"Pic_Spectr", -1, -1, ControlKind::PictureBox, "frm_Spectr"},
    {"SSmax", 0, 1, ControlKind::Label, "Pic_Spectr"},
    {"SSmaxt", 0, 1, ControlKind::TextBox, "Pic_Spectr"},
    {"SSmeant", -1, -1, ControlKind::TextBox, "Pic_Spectr"},
    {"SSmse", -1, -1, ControlKind::Label, "Pic_Spectr"},
    {"frm_Distr", -1, -1, ControlKind::Frame, ""},
    {"Pic_Distr", -1, -1, ControlKind::PictureBox, "frm_Distr"},
    {"DTt", 0, 1, ControlKind::TextBox, "Pic_Distr"},
    {"DTSmax", 0, 1, ControlKind::Label, "Pic_Distr"},
    {"DTSmaxt", 0, 1, ControlKind::TextBox, "Pic_Distr"},
    {"DTmeant", -1, -1, ControlKind::TextBox, "Pic_Distr"},
    {"DTmse", -1, -1, ControlKind::Label, "Pic_Distr"},
    {"frm_Load_Dbase", -1, -1, ControlKind::Frame, ""},
    {"Cmd_Load_Db_Show", -1, -1, ControlKind::CommandButton, "frm_Load_Dbase"},
    {"Cmd_Load_Db_Cancel", -1, -1, ControlKind::CommandButton, "frm_Load_Dbase"},
    {"Cmd_Load_Db_OK", -1, -1, ControlKind::CommandButton, "frm_Load_Dbase"},
    {"Cmd_Load_Db_Prev", -1, -1, ControlKind::CommandButton, "frm_Load_Dbase"},
    {"Cmd_Load_Db_Next", -1, -1, ControlKind::CommandButton, "frm_Load_Dbase"},
    {"txt_Load_Db", -1, -1, ControlKind::TextBox, "frm_Load_Dbase"},
    {"Label5", 0, 2, ControlKind::Label, "frm_Load_Dbase"},
    {"Label8", 0, 3, ControlKind::Label, "frm_Load_Dbase"},
    {"Label9", 0, 3, ControlKind::Label, "frm_Load_Dbase"},
    {"Label10", 0, 3, ControlKind::Label, "frm_Load_Dbase"},
    {"Label12", 0, 4, ControlKind::Label, "frm_Load_Dbase"},
    {"Label13", 0, 4, ControlKind::Label, "frm_Load_Dbase"},
    {"Label14", 0, 1, ControlKind::Label, "frm_Load_Dbase"},
    {"Label16", 0, 1, ControlKind::Label, "frm_Load_Dbase"},
    {"Label19", -1, -1, ControlKind::Label, "frm_Load_Dbase"},
    {"Pic_HistSH", -1, -1, ControlKind::PictureBox, "frm_HistSH"},
    {"Pic_SpectrSH", -1, -1, ControlKind::PictureBox, "frm_SpectrSH"},
    {"Pic_DistrSh", -1, -1, ControlKind::PictureBox, "frm_DistrSH"},
    {"frm_Dam", -1, -1, ControlKind::Frame, ""},
    {"Pic_Dam", -1, -1, ControlKind::PictureBox, "frm_Dam"},
    {"Pic_Rel", -1, -1, ControlKind::PictureBox, "frm_Rel"},
    {"frm_master", -1, -1, ControlKind::Frame, ""},
    {"pic_master", -1, -1, ControlKind::PictureBox, "frm_master"},
    {"frm_master1", -1, -1, ControlKind::Frame, ""},
    {"pic_master1", -1, -1, ControlKind::PictureBox, "frm_master1"},
    {"Lifelab", 0, 0, ControlKind::Label, "pic_master"},
    {"Frm_MCS_opt", -1, -1, ControlKind::Frame, ""},
    {"cmd_MCS_opt", 0, 1, ControlKind::CommandButton, "Frm_MCS_opt"},
    {"chk_StartNo", 0, 3, ControlKind::CheckBox, "Frm_MCS_opt"},
    {"No_simul", -1, -1, ControlKind::Label, "Frm_MCS_opt"},
    {"No_simult", -1, -1, ControlKind::TextBox, "Frm_MCS_opt"},
};

TEST_F(FormMainTest, ControlsTheHandlersUseExist) {
  for (const ControlSpec& spec : kContract) {
    const int first = spec.first, last = spec.first < 0 ? -1 : spec.last;
    for (int i = first; i <= last; ++i) {
      Control* c = main.Find(spec.name, i);
      ASSERT_NE(c, nullptr) << spec.name << "(" << i << ")";
      EXPECT_EQ(c->Kind(), spec.kind) << spec.name << "(" << i << ")";
      if (spec.parent) {
        const std::string parent = c->Container() ? c->Container()->Name() : "";
        EXPECT_EQ(parent, spec.parent) << spec.name << "(" << i << ")";
      }
    }
  }
}

TEST_F(FormMainTest, DesignCaptionsAndSelections) {
  ProblemDefinitionPanel& p = main.problemDefinition();
  EXPECT_EQ(p.frm_analysis.Caption(), "Analysis Options");
  EXPECT_EQ(p.chk_end_limit.Caption(), "Endurance Limit");
  for (OptionButton* o : {&p.chk_single, &p.chk_load, &p.chk_history, &p.chk_neglect, &p.chk_notched,
                          &p.chk_nominal, &p.chk_ns_neglect})
    EXPECT_TRUE(o->Value()) << o->Name();
  EXPECT_FALSE(p.frm_analysis.Visible());
  EXPECT_EQ(main.snInputs().frm_SN.Caption(), "Material:  Fatigue Data");
  EXPECT_EQ(main.results().frm_Dam.Caption(), "Results:  Damage");
  EXPECT_EQ(main.dataBox().DBmset(0).Text(), "500 MPa");
  EXPECT_FALSE(main.dataBox().DDBmse(2).Visible());
  EXPECT_EQ(main.frame("frm_about").Caption(), "About DUVAK");
}

TEST_F(FormMainTest, PanelsKeepTheirControlsAcrossUnloadAndLoad) {
  ProblemDefinitionPanel& p = main.problemDefinition();
  p.frm_analysis.SetCaption("Changed");
  main.menus().mnu_Run.SetEnabled(true);
  main.Load();
  ASSERT_TRUE(main.Unload());
  main.Load();
  EXPECT_EQ(&p.frm_analysis, &main.frame("frm_analysis"));
  EXPECT_EQ(p.frm_analysis.Caption(), "Analysis Options");
  EXPECT_FALSE(main.menus().mnu_Run.Enabled());
}

TEST_F(FormMainTest, SecondWindowMenus) {
  FormShow& show = main.formShow();
  EXPECT_EQ(show.mnu_return.Caption(), "&Back");
  EXPECT_EQ(Captions(show.mnu_return), (std::vector<std::string>{"to &Main menu"}));
  EXPECT_EQ(Captions(show.mnu_prt1), (std::vector<std::string>{"&Open File...", "&Save to File...", "-",
                                                               "Print Set&up...", "Print &Screen", "Print Su&mmary"}));
  EXPECT_EQ(Captions(show.mnu_prt_res), (std::vector<std::string>{"to &Printer", "to &File..."}));
  EXPECT_FALSE(show.pop_disp.Visible());
  EXPECT_EQ(show.chk_distr.LBound(), 0);
  EXPECT_EQ(show.chk_distr.UBound(), 6);
  EXPECT_FALSE(show.chk_distr(0).Visible());
  EXPECT_EQ(show.chk_distr(2).Caption(), "Normal");
  EXPECT_EQ(show.txt_distr(0).Text(), "0.1");
  TestDataEditorPanel& editor = show.testData();
  EXPECT_EQ(editor.txt_CLOx.Count(), 10);
  EXPECT_EQ(editor.txt_points.UBound(), 3);
  EXPECT_EQ(editor.txt_label.UBound(), 4);
  EXPECT_EQ(editor.cmd_CLO_Del.Container(), &editor.frm_diag2);
  EXPECT_EQ(editor.scroll_CLO.Kind(), ControlKind::VScrollBar);
  EXPECT_EQ(show.pop_aNK.Count(), 3);
}

}  // namespace
