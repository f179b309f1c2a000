#include "shell/ui/form_show.h"

#include "shell/ui/control_rows.h"

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
};

Form& Built(Form& f) {
  f.SetCaption(" Fatigue Life Analysis Software");  // chosen
  f.Move(0, 0, 12000, 9000);
  f.BuildMenus(kShowMenus);
  f.Build(kShowControls);
  return f;
}
}  // namespace

std::span<const MenuDef> ShowMenuDefs() { return kShowMenus; }
std::span<const ControlDef> ShowFormControls() { return kShowControls; }

FormShow::FormShow(ProgramState& state, Host& host)
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
      state_(state) {
  // Wire Form_Load (layout), Form_Unload and the menu commands here.
}
