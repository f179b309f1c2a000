#include "shell/ui/form_show.h"

#include "layout/ui/layout_services.h"
#include "montecarlo/ui/mcs_results_view.h"
#include "montecarlo/ui/results_boxes.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "platform/runtime/runtime_error.h"
#include "program_state.h"
#include "report/ui/report_commands.h"
#include "shell/ui/control_rows.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/main_menus.h"
#include "shell/ui/shell_commands.h"
#include "shell/user_messages.h"
#include "testdata/ui/test_data_editor_panel.h"

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
constexpr ControlDef Hidden(ControlDef d) {
  d.visible = false;
  return d;
}
constexpr ControlDef Separator(int index, float y) {
  ControlDef d = Hidden(Colours(LineDef("DMline", index, "pic_master1", 0, y, 2640, y), kColourButtonFace));
  d.borderWidth = 10;
  return d;
}
constexpr ControlDef ScrollDef(const char* name, const char* parent, float l, float t, float w, float h) {
  ControlDef d = Make(ControlKind::VScrollBar, name, -1, parent, l, t, w, h, "", true);
  d.max = 41;          // ten rows shown over at most 51 points
  d.largeChange = 10;  // chosen
  return d;
}
constexpr ControlDef EditorFont(ControlDef d, float size) { return Font(d, size, false, false, "Microsoft Sans Serif"); }
// A caption box: a text box that shows a caption and takes no typing.
constexpr ControlDef Caption(ControlDef d) {
  d.locked = true;
  d.borderStyle = kBorderNone;  // chosen
  return d;
}
// A row of the test point grid: its number, stress cell and life cell.
constexpr ControlDef RowNumber(int row, float top, const char* number) {
  return EditorFont(LabelDef("lbl_CLOn", row, "frm_diag2", 360, top, 336, 336, number), 8.4f);
}
constexpr ControlDef StressCell(int row, float top) {
  return EditorFont(BoxDef("txt_CLOx", row, "frm_diag2", 636, top, 1075, 330, ""), 8.4f);
}
// The life cell ends where the scroll bar begins (2916), not under it.
constexpr ControlDef LifeCell(int row, float top) {
  return EditorFont(BoxDef("txt_CLOn", row, "frm_diag2", 1728, top, 1188, 330, ""), 8.4f);
}

// Frames and pictures of the views; their drawings size and place them.
constexpr ControlDef kShowControls[] = {
    Font(FrameDef("frm_diag", "", 0, 10, 9120, 8040, "Life Distribution", false), 10, true, true),  // chosen
    PictureDef("pic_diag", "frm_diag", 120, 240, 8880, 7680),                                         // chosen
    // The results view places its labels and boxes beside its statistics.
    LabelDef("Res_prob", 0, "pic_diag", 240, 7320, 1335, 255, "Life [cyc]", false),                 // chosen geometry
    Tip(LabelDef("Res_prob", 1, "pic_diag", 4560, 7320, 1815, 255, "Distrib:  No Fit", false),
        "Right click to fit a PDF"),                                                                // chosen geometry
    BoxDef("Res_probT", 0, "pic_diag", 1680, 7290, 1095, 285, "", false),                           // chosen
    BoxDef("Res_probT", 1, "pic_diag", 2880, 7290, 1095, 285, "", false),                           // chosen
    BoxDef("Res_probT", 2, "pic_diag", 6480, 7290, 1095, 285, "", false),                           // chosen
    BoxDef("Res_probT", 3, "pic_diag", 7680, 7290, 1095, 285, "", false),                           // chosen
    Font(FrameDef("frm_master", "", 0, 10, 9120, 8040, "Master Curve", false), 10, true, true),     // chosen
    PictureDef("pic_master", "frm_master", 120, 240, 8880, 7680),                                     // chosen
    Font(FrameDef("frm_master1", "", 9120, 10, 2880, 8040, "Input Data", false), 10, true, true),   // chosen
    PictureDef("pic_master1", "frm_master1", 120, 240, 2640, 7680),                                   // chosen
    // Five separator lines of the input-data panel, 10 pixels wide; their places are chosen.
    Separator(0, 1440), Separator(1, 2880), Separator(2, 4320), Separator(3, 5760), Separator(4, 7200),
    // The random-variable dialog. It places its frame, picture and buttons
    // itself each time it opens; the rest keeps these design values (chosen).
    Font(FrameDef("frm_rand", "", 594, 60, 5412, 5405, "Random Variables", false), 10, true),
    // Its buttons lie on the window below its frame; the dialog shows them.
    ButtonDef("cmd_ok", -1, "", 4057, 7470, 1095, 375, "&OK", false),
    ButtonDef("cmd_cancel", -1, "", 5452, 7470, 1095, 375, "&Cancel", false),
    ButtonDef("cmd_draw", -1, "", 6847, 7470, 1095, 375, "&Draw", false),
    LabelDef("Distr_Var", -1, "frm_rand", 240, 300, 4920, 255, "Variability of the "),
    LabelDef("Distr_Type", 0, "frm_rand", 240, 660, 2175, 255, "Scaling distribution:"),
    LabelDef("Distr_Type", 1, "frm_rand", 2640, 660, 1935, 255, "Parameters:"),
    LabelDef("Distr_Type", 2, "frm_rand", 4680, 660, 480, 255, ""),
    Indexed(OptionDef("chk_distr", "frm_rand", 240, 960, 1935, 285, "None"), 1),
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 1245, 1935, 285, "Normal"), 2), "pdf=1/B/sqrt(2pi)exp[-(X-A)^2/2/B^2]"),
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 1530, 1935, 285, "Log-normal"), 3), "pdf=1/B/X/sqrt(2pi)exp[-(logX-A)^2/2/B^2]"),
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 1815, 1935, 285, "Weibull"), 4), "pdf=B/A[X/A)^(B-1)exp[-(X/A)^B]"),
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 2100, 1935, 285, "Exponential"), 5), "pdf=Bexp[-B(X-A)]"),
    Tip(Indexed(OptionDef("chk_distr", "frm_rand", 240, 2385, 1935, 285, "Uniform"), 6), "pdf=1/(Xmax-Xmin)"),
    Hidden(Indexed(OptionDef("chk_distr", "frm_rand", 240, 2670, 1935, 285, "Correlated"), 0)),
    Hidden(CheckDef("chk_corr", -1, "frm_rand", 2640, 2700, 1935, 285, "Correlated")),
    LabelDef("Distr_par", 0, "frm_rand", 2640, 990, 1215, 255, "C.O.V. = "),
    LabelDef("Distr_par", 3, "frm_rand", 2640, 1350, 1215, 255, "Xmin  =  "),
    LabelDef("Distr_par", 4, "frm_rand", 2640, 1710, 1215, 255, "Xmax =  "),
    LabelDef("Distr_par", 1, "frm_rand", 2640, 2100, 2535, 255, "STDV:     B = "),
    LabelDef("Distr_par", 2, "frm_rand", 2640, 2400, 2535, 255, "Mean:     A = "),
    // The boxes rest in the button-face colour; editing paints them white.
    Colours(BoxDef("txt_distr", 0, "frm_rand", 3840, 960, 855, 285, "0.1"), 0, kColourButtonFace),
    Colours(BoxDef("txt_distr", 1, "frm_rand", 3840, 1320, 855, 285, "0"), 0, kColourButtonFace),
    Colours(BoxDef("txt_distr", 2, "frm_rand", 3840, 1680, 855, 285, "0"), 0, kColourButtonFace),
    PictureDef("pic_rand", "frm_rand", 270, 3027, 4871, 2162),
    // The fatigue test data editor: design values relative to frm_diag2,
    // fonts "Microsoft Sans Serif"; the caption boxes txt_label stand beside
    // the name box and the value boxes. The diagram lays out the frame itself.
    Font(FrameDef("frm_diag2", "", 9240, 10, 3600, 8040, "Test Data", false), 9, true),  // chosen
    EditorFont(BoxDef("txt_Name", -1, "frm_diag2", 1440, 420, 1692, 330, ""), 9),
    Caption(EditorFont(BoxDef("txt_label", 0, "frm_diag2", 240, 480, 780, 285, "Material:"), 9)),
    Caption(EditorFont(BoxDef("txt_label", 1, "frm_diag2", 240, 960, 1125, 285, "No of Points:"), 9)),
    Caption(EditorFont(BoxDef("txt_label", 2, "frm_diag2", 240, 1470, 1932, 285, "Yield Strength [MPa]:"), 9)),
    Caption(EditorFont(BoxDef("txt_label", 3, "frm_diag2", 240, 1940, 1932, 285, "Ultimate Strength [MPa]"), 9)),
    Caption(EditorFont(BoxDef("txt_label", 4, "frm_diag2", 240, 2500, 1932, 285, "Stress ratio:"), 9)),
    EditorFont(BoxDef("txt_points", 0, "frm_diag2", 2244, 914, 872, 330, ""), 9),
    EditorFont(BoxDef("txt_points", 1, "frm_diag2", 2244, 1416, 872, 330, ""), 9),
    EditorFont(BoxDef("txt_points", 2, "frm_diag2", 2244, 1916, 872, 330, ""), 9),
    EditorFont(BoxDef("txt_points", 3, "frm_diag2", 2244, 2400, 872, 330, ""), 9),
    EditorFont(PictureDef("pic_CLO", "frm_diag2", 360, 3072, 2736, 330), 8.4f),
    RowNumber(0, 3396, "1"), StressCell(0, 3396), LifeCell(0, 3396),
    RowNumber(1, 3708, "2"), StressCell(1, 3708), LifeCell(1, 3708),
    RowNumber(2, 4020, "3"), StressCell(2, 4020), LifeCell(2, 4020),
    RowNumber(3, 4332, "4"), StressCell(3, 4332), LifeCell(3, 4332),
    RowNumber(4, 4656, "5"), StressCell(4, 4656), LifeCell(4, 4656),
    RowNumber(5, 4968, "6"), StressCell(5, 4968), LifeCell(5, 4968),
    RowNumber(6, 5280, "7"), StressCell(6, 5280), LifeCell(6, 5280),
    RowNumber(7, 5592, "8"), StressCell(7, 5592), LifeCell(7, 5592),
    RowNumber(8, 5916, "9"), StressCell(8, 5916), LifeCell(8, 5916),
    RowNumber(9, 6228, "10"), StressCell(9, 6228), LifeCell(9, 6228),
    ScrollDef("scroll_CLO", "frm_diag2", 2916, 3396, 215, 3165),
    EditorFont(ButtonDef("cmd_CLO_open", -1, "frm_diag2", 480, 6960, 1092, 372, "&Open"), 7.8f),
    EditorFont(ButtonDef("cmd_CLO_Del", -1, "frm_diag2", 1800, 6960, 1095, 375, "&New"), 7.8f),
    EditorFont(ButtonDef("cmd_CLO_OK", -1, "frm_diag2", 480, 7440, 1095, 375, "&OK"), 7.8f),
    EditorFont(ButtonDef("cmd_CLO_canc", -1, "frm_diag2", 1800, 7440, 1095, 375, "&Cancel"), 7.8f),
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
      state_(state),
      main_(main) {
  onLoad = [this] { Form_Load(); };
  onUnload = [this](int& cancel) { Form_Unload(cancel); };
  mnu_back.onClick = [this] { mnu_back_Click(); };
  mnu_hlp_ind.onClick = [this] { mnu_hlp_ind_Click(); };
  Res_probT.onGotFocus = [this](int i) { Res_probT_GotFocus(*this, i); };
  Res_probT.onKeyDown = [this](int i, int& k, int) { Res_probT_KeyDown(*this, i, k); };
  Res_probT.onLostFocus = [this](int i) { Res_probT_LostFocus(*this, i); };
  testData_ = std::make_unique<TestDataEditorPanel>(*this);
  pop_aNK.onClick = [this](int i) { testData_->pop_aNK_Click(i); };
  randomVariables_ = std::make_unique<RandomVariableDialog>(*this);
  mnu_prtopt.onClick = [this] { mnu_prtopt_Click(*this); };
  mnu_prt_form.onClick = [this] { mnu_prt_form_Click(*this); };
  mnu_tobmp.onClick = [this] { mnu_tobmp_Click(*this); };
  mnu_prt_doc.onClick = [this] { mnu_prt_doc_Click(*this); };
  mnu_prt_file.onClick = [this] { mnu_prt_file_Click(*this); };
  mnu_CopyScreen.onClick = [this] { mnu_CopyScreen_Click(*this); };
  mcsResults_ = std::make_unique<McsResultsView>(*this);
}

FormShow::~FormShow() = default;

void FormShow::Form_Load() {
  const int32_t colour = state_.colourSettings.ColourDiagrams;
  for (PictureBox* p : {&pic_master, &pic_master1, &pic_diag}) p->SetBackColor(colour);
  SetTop(main_.Top());
  SetLeft(main_.Left());
  const LayoutScales& scales = state_.layoutScales;
  if (scales.ScaleX == 1.0f || scales.ScaleY == 1.0f) return;
  try {
    LayoutShowForm(*this);
  } catch (const RuntimeError& e) {
    // The layout ends at the step that failed and keeps what it did before;
    // the command that brought the window up goes on.
    AlertBox(state_.shellState, host(), RuntimeErrorText(e.code()), MsgButtons::OKOnly, MsgIcon::Critical, 1,
             Caption());
  }
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
