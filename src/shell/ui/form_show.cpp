#include "shell/ui/form_show.h"

#include "layout/ui/layout_services.h"
#include "program_state.h"
#include "shell/ui/control_rows.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/main_menus.h"
#include "shell/ui/shell_commands.h"

namespace {

// name, index, parent, parent index, caption, checked, enabled, visible
constexpr MenuDef kShowMenus[] = {
    {"mnu_return", -1, "", -1, "&Back"},
    {"mnu_back", -1, "mnu_return", -1, "to &Main menu"},
    {"mnu_prt1", -1, "", -1, "&Results"},
    {"mnu_an_show", -1, "mnu_prt1", -1, "&Open File..."},
    {"mnu_an_list", -1, "mnu_prt1", -1, "&Save to File..."},
    {"sepbar1", -1, "mnu_prt1", -1, "-"},
    {"mnu_prtopt", -1, "mnu_prt1", -1, "Print Set&up..."},
    {"mnu_prt", -1, "mnu_prt1", -1, "Print &Screen"},
    {"mnu_prt_form", -1, "mnu_prt", -1, "to &Printer"},
    {"mnu_tobmp", -1, "mnu_prt", -1, "to &File..."},
    {"mnu_prt_res", -1, "mnu_prt1", -1, "Print Su&mmary"},
    {"mnu_prt_doc", -1, "mnu_prt_res", -1, "to &Printer"},
    {"mnu_prt_file", -1, "mnu_prt_res", -1, "to &File..."},
    {"mnu_screen", -1, "", -1, "&Screen"},  // chosen name
    {"mnu_CopyScreen", -1, "mnu_screen", -1, "&Copy Screen to Printer"},
    {"mnu_help", -1, "", -1, "&Help"},  // chosen name
    {"mnu_hlp_ind", -1, "mnu_help", -1, "&Contents"},
    {"pop_disp", -1, "", -1, "Display", false, true, false},
    {"pop_aNK", 0, "pop_disp", -1, "Life Distribution"},
    {"pop_aNK", 1, "pop_disp", -1, "Probability Plot"},
    {"pop_aNK", 2, "pop_disp", -1, "Probab.Plot: Weibull"},
    {"pop_rand", -1, "", -1, "Results", false, true, false},  // chosen caption
    {"pop_dispR", 0, "pop_rand", -1, "Life in Cycles"},
    {"pop_dispR", 1, "pop_rand", -1, "Life in Blocks"},
    {"pop_dispR", 2, "pop_rand", -1, "Life in Hours"},
};

using namespace rows;

constexpr ControlDef Indexed(ControlDef d, int index) {
  d.index = index;
  return d;
}
constexpr ControlDef Tip(ControlDef d, const char* tip) {
  d.toolTip = tip;
  return d;
}
constexpr ControlDef Hidden(ControlDef d) {
  d.visible = false;
  return d;
}
constexpr ControlDef ScrollDef(const char* name, const char* parent, float l, float t, float w, float h) {
  ControlDef d = Make(ControlKind::HScrollBar, name, -1, parent, l, t, w, h, "", true);
  d.max = 41;  // ten rows shown over at most 51 points
  d.largeChange = 10;
  return d;
}

// Frames and pictures of the views; their drawings size and place them.
constexpr ControlDef kShowControls[] = {
    Font(FrameDef("frm_diag", "", 0, 10, 9120, 8040, "Life Distribution", false), 10, true, true),  // chosen
    PictureDef("pic_diag", "frm_diag", 120, 240, 8880, 7680),                                         // chosen
    LabelDef("Res_prob", 0, "frm_diag", 240, 7560, 1335, 255, "Life [cyc]", false),                 // chosen geometry
    LabelDef("Res_prob", 1, "frm_diag", 4560, 7560, 1815, 255, "Fit:  ", false),                    // chosen
    BoxDef("Res_probT", 0, "frm_diag", 1680, 7530, 1095, 285, "", false),                           // chosen
    BoxDef("Res_probT", 1, "frm_diag", 2880, 7530, 1095, 285, "", false),                           // chosen
    BoxDef("Res_probT", 2, "frm_diag", 6480, 7530, 1095, 285, "", false),                           // chosen
    BoxDef("Res_probT", 3, "frm_diag", 7680, 7530, 1095, 285, "", false),                           // chosen
    Font(FrameDef("frm_master", "", 0, 10, 9120, 8040, "Master Curve", false), 10, true, true),     // chosen
    PictureDef("pic_master", "frm_master", 120, 240, 8880, 7680),                                     // chosen
    Font(FrameDef("frm_master1", "", 9120, 10, 2880, 8040, "Input Data", false), 10, true, true),   // chosen
    PictureDef("pic_master1", "frm_master1", 120, 240, 2640, 7680),                                   // chosen
    Font(FrameDef("frm_rand", "", 2400, 1200, 7200, 5400, "Random Variables", false), 10, true),    // chosen
    ButtonDef("cmd_ok", -1, "frm_rand", 1800, 4800, 1095, 375, "&OK"),                              // chosen
    ButtonDef("cmd_cancel", -1, "frm_rand", 4200, 4800, 1095, 375, "&Cancel"),                      // chosen
    ButtonDef("cmd_draw", -1, "frm_rand", 3000, 4800, 1095, 375, "&Draw", false),                   // chosen
    // The random-variable dialog.
    Indexed(OptionDef("chk_distr", "frm_rand", 240, 600, 1935, 300, "None"), 1),  // chosen geometry
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 930, 1935, 300, "Normal"), 2), "pdf=1/B/sqrt(2pi)exp[-(X-A)^2/2/B^2]"),  // chosen geometry
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 1260, 1935, 300, "Log-normal"), 3), "pdf=1/B/X/sqrt(2pi)exp[-(logX-A)^2/2/B^2]"),  // chosen geometry
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 1590, 1935, 300, "Weibull"), 4), "pdf=B/A[X/A)^(B-1)exp[-(X/A)^B]"),  // chosen geometry
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 1920, 1935, 300, "Exponential"), 5), "pdf=Bexp[-B(X-A)]"),  // chosen geometry
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 2250, 1935, 300, "Uniform"), 6), "pdf=1/(Xmax-Xmin)"),  // chosen geometry
    Hidden(Indexed(OptionDef("chk_distr", "frm_rand", 240, 2580, 1935, 300, "Correlated"), 0)),  // chosen geometry
    LabelDef("Distr_Type", 0, "frm_rand", 240, 300, 1935, 255, "Scaling distribution:"),  // chosen geometry
    LabelDef("Distr_Type", 1, "frm_rand", 2640, 300, 1935, 255, "Parameters:"),  // chosen geometry
    LabelDef("Distr_Var", -1, "frm_rand", 240, 3120, 6600, 255, "Variability of the "),  // chosen
    LabelDef("Distr_par", 0, "frm_rand", 2640, 600, 1215 + 0, 255, "C.O.V. = "),  // chosen geometry
    LabelDef("Distr_par", 1, "frm_rand", 2640, 1680, 1215 + 720, 255, "STDV:     B = "),  // chosen geometry
    LabelDef("Distr_par", 2, "frm_rand", 2640, 1980, 1215 + 720, 255, "Mean:     A = "),  // chosen geometry
    LabelDef("Distr_par", 3, "frm_rand", 2640, 960, 1215 + 0, 255, "Xmin  =  "),  // chosen geometry
    LabelDef("Distr_par", 4, "frm_rand", 2640, 1320, 1215 + 0, 255, "Xmax =  "),  // chosen geometry
    BoxDef("txt_distr", 0, "frm_rand", 3840, 570, 855, 285, "0.1"),  // chosen geometry
    BoxDef("txt_distr", 1, "frm_rand", 3840, 930, 855, 285, "0"),  // chosen geometry
    BoxDef("txt_distr", 2, "frm_rand", 3840, 1290, 855, 285, "0"),  // chosen geometry
    PictureDef("pic_rand", "frm_rand", 4920, 600, 2040, 2160),  // chosen
    // The fatigue test data editor.
    Font(FrameDef("frm_diag2", "", 9240, 10, 2700, 8040, "Test Data", false), 9, true),  // chosen
    LabelDef("lbl_points", 0, "frm_diag2", 120, 360, 1575, 255, "No of Points:"),  // chosen name and geometry
    BoxDef("txt_points", 0, "frm_diag2", 1800, 330, 735, 285, ""),  // chosen geometry
    LabelDef("lbl_points", 1, "frm_diag2", 120, 690, 1575, 255, "Yield Strength [MPa]:"),  // chosen name and geometry
    BoxDef("txt_points", 1, "frm_diag2", 1800, 660, 735, 285, ""),  // chosen geometry
    LabelDef("lbl_points", 2, "frm_diag2", 120, 1020, 1575, 255, "Ultimate Strength [MPa]"),  // chosen name and geometry
    BoxDef("txt_points", 2, "frm_diag2", 1800, 990, 735, 285, ""),  // chosen geometry
    LabelDef("lbl_points", 3, "frm_diag2", 120, 1350, 1575, 255, "Stress ratio:"),  // chosen name and geometry
    BoxDef("txt_points", 3, "frm_diag2", 1800, 1320, 735, 285, ""),  // chosen geometry
    LabelDef("lbl_Name", -1, "frm_diag2", 120, 1800, 735, 255, "Material:"),  // chosen name and geometry
    BoxDef("txt_Name", -1, "frm_diag2", 960, 1770, 1575, 285, ""),  // chosen geometry
    PictureDef("pic_CLO", "frm_diag2", 120, 2280, 2460, 3150),  // chosen
    LabelDef("lbl_CLOn", 0, "pic_CLO", 60, 75, 420, 255, "1"),  // chosen
    BoxDef("txt_CLOx", 0, "pic_CLO", 540, 60, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 0, "pic_CLO", 1470, 60, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 1, "pic_CLO", 60, 375, 420, 255, "2"),  // chosen
    BoxDef("txt_CLOx", 1, "pic_CLO", 540, 360, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 1, "pic_CLO", 1470, 360, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 2, "pic_CLO", 60, 675, 420, 255, "3"),  // chosen
    BoxDef("txt_CLOx", 2, "pic_CLO", 540, 660, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 2, "pic_CLO", 1470, 660, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 3, "pic_CLO", 60, 975, 420, 255, "4"),  // chosen
    BoxDef("txt_CLOx", 3, "pic_CLO", 540, 960, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 3, "pic_CLO", 1470, 960, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 4, "pic_CLO", 60, 1275, 420, 255, "5"),  // chosen
    BoxDef("txt_CLOx", 4, "pic_CLO", 540, 1260, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 4, "pic_CLO", 1470, 1260, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 5, "pic_CLO", 60, 1575, 420, 255, "6"),  // chosen
    BoxDef("txt_CLOx", 5, "pic_CLO", 540, 1560, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 5, "pic_CLO", 1470, 1560, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 6, "pic_CLO", 60, 1875, 420, 255, "7"),  // chosen
    BoxDef("txt_CLOx", 6, "pic_CLO", 540, 1860, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 6, "pic_CLO", 1470, 1860, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 7, "pic_CLO", 60, 2175, 420, 255, "8"),  // chosen
    BoxDef("txt_CLOx", 7, "pic_CLO", 540, 2160, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 7, "pic_CLO", 1470, 2160, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 8, "pic_CLO", 60, 2475, 420, 255, "9"),  // chosen
    BoxDef("txt_CLOx", 8, "pic_CLO", 540, 2460, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 8, "pic_CLO", 1470, 2460, 900, 285, ""),  // chosen
    LabelDef("lbl_CLOn", 9, "pic_CLO", 60, 2775, 420, 255, "10"),  // chosen
    BoxDef("txt_CLOx", 9, "pic_CLO", 540, 2760, 855, 285, ""),  // chosen
    BoxDef("txt_CLOn", 9, "pic_CLO", 1470, 2760, 900, 285, ""),  // chosen
    ScrollDef("scroll_CLO", "frm_diag2", 120, 5460, 2460, 255),  // chosen
    ButtonDef("cmd_CLO_open", -1, "frm_diag2", 120, 5940, 1200, 375, "O&pen"),  // chosen geometry
    ButtonDef("cmd_CLO_Del", -1, "frm_diag2", 1380, 5940, 1200, 375, "&New"),  // chosen geometry
    ButtonDef("cmd_CLO_OK", -1, "frm_diag2", 120, 6420, 1200, 375, "&OK"),  // chosen geometry
    ButtonDef("cmd_CLO_canc", -1, "frm_diag2", 1380, 6420, 1200, 375, "&Cancel"),  // chosen geometry
};

Form& Built(Form& f) {
  f.SetCaption("DUVAK  -  Fatigue Life Analysis Program");
  f.Move(0, 0, 12000, 9000);
  f.BuildMenus(kShowMenus);
  f.Build(kShowControls);
  return f;
}
}  // namespace

FormShow::FormShow(ProgramState& state, Host& host, FormMain& main)
    : Form(host, "form_show"),
      mnu_return(Built(*this).menu("mnu_return")),
      mnu_back(menu("mnu_back")),
      mnu_prt1(menu("mnu_prt1")),
      mnu_an_show(menu("mnu_an_show")),
      mnu_an_list(menu("mnu_an_list")),
      sepbar1(menu("sepbar1")),
      mnu_prtopt(menu("mnu_prtopt")),
      mnu_prt(menu("mnu_prt")),
      mnu_prt_form(menu("mnu_prt_form")),
      mnu_tobmp(menu("mnu_tobmp")),
      mnu_prt_res(menu("mnu_prt_res")),
      mnu_prt_doc(menu("mnu_prt_doc")),
      mnu_prt_file(menu("mnu_prt_file")),
      mnu_CopyScreen(menu("mnu_CopyScreen")),
      mnu_hlp_ind(menu("mnu_hlp_ind")),
      pop_disp(menu("pop_disp")),
      pop_aNK(menuArray("pop_aNK")),
      pop_rand(menu("pop_rand")),
      pop_dispR(menuArray("pop_dispR")),
      frm_diag(frame("frm_diag")),
      pic_diag(picture("pic_diag")),
      Res_prob(array<Label>("Res_prob")),
      Res_probT(array<TextBox>("Res_probT")),
      frm_master(frame("frm_master")),
      pic_master(picture("pic_master")),
      frm_master1(frame("frm_master1")),
      pic_master1(picture("pic_master1")),
      frm_rand(frame("frm_rand")),
      cmd_ok(button("cmd_ok")),
      cmd_cancel(button("cmd_cancel")),
      cmd_draw(button("cmd_draw")),
      chk_distr(array<OptionButton>("chk_distr")),
      Distr_Type(array<Label>("Distr_Type")),
      Distr_Var(label("Distr_Var")),
      Distr_par(array<Label>("Distr_par")),
      txt_distr(array<TextBox>("txt_distr")),
      pic_rand(picture("pic_rand")),
      frm_diag2(frame("frm_diag2")),
      lbl_points(array<Label>("lbl_points")),
      txt_points(array<TextBox>("txt_points")),
      lbl_Name(label("lbl_Name")),
      txt_Name(textBox("txt_Name")),
      pic_CLO(picture("pic_CLO")),
      lbl_CLOn(array<Label>("lbl_CLOn")),
      txt_CLOx(array<TextBox>("txt_CLOx")),
      txt_CLOn(array<TextBox>("txt_CLOn")),
      scroll_CLO(scrollBar("scroll_CLO")),
      cmd_CLO_open(button("cmd_CLO_open")),
      cmd_CLO_Del(button("cmd_CLO_Del")),
      cmd_CLO_OK(button("cmd_CLO_OK")),
      cmd_CLO_canc(button("cmd_CLO_canc")),
      state_(state),
      main_(main) {
  onLoad = [this] { Form_Load(); };
  onUnload = [this](int& cancel) { Form_Unload(cancel); };
  mnu_back.onClick = [this] { mnu_back_Click(); };
  mnu_hlp_ind.onClick = [this] { mnu_hlp_ind_Click(); };
}

void FormShow::Form_Load() {
  const int32_t colour = state_.colourSettings.ColourDiagrams;
  for (PictureBox* p : {&pic_master, &pic_master1, &pic_diag}) p->SetBackColor(colour);
  SetTop(main_.Top());
  SetLeft(main_.Left());
  const LayoutScales& scales = state_.layoutScales;
  if (scales.ScaleX != 1.0f && scales.ScaleY != 1.0f) LayoutShowForm(*this);
}

void FormShow::Form_Unload(int& /*cancel*/) {
  Hide();
  main_.Show();
  if (LoadingDataReady(main_)) {
    EnableControl(main_.menus().mnu_Run);
    EnableControl(main_.menus().mnu_calculate);
  }
  state_.shellState.UiState = 1;
  main_.SetMousePointer(kPointerDefault);
  host().SetMousePointer(kPointerDefault);
}

void FormShow::mnu_back_Click() { Unload(); }

void FormShow::mnu_hlp_ind_Click() {
  if (state_.shellState.UiState == 1) host().ShowHelp("miret.hlp");
}
