// The random-variable dialog: filling it for a caller's variable, placing it
// over the main window and showing it modally; its density plot.

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/density_plot.h"
#include "montecarlo/random_variable_edit.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/settings_frame_panel.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {
constexpr const char* kBoundsMask = "0.0##";
}  // namespace

RandomVariableDialog::RandomVariableDialog(FormShow& s)
    : show(s),
      main(s.main()),
      frm_rand(s.frm_rand),
      chk_distr(s.chk_distr),
      Distr_Var(s.Distr_Var),
      Distr_par(s.Distr_par),
      txt_distr(s.txt_distr),
      pic_rand(s.pic_rand),
      cmd_ok(s.cmd_ok),
      cmd_cancel(s.cmd_cancel),
      cmd_draw(s.cmd_draw) {
  chk_distr.onClick = [this](int i) { chk_distr_Click(i); };
  txt_distr.onGotFocus = [this](int i) { txt_distr_GotFocus(i); };
  txt_distr.onLostFocus = [this](int i) { txt_distr_LostFocus(i); };
  cmd_draw.onClick = [this] { cmd_draw_Click(); };
  cmd_ok.onClick = [this] { cmd_ok_Click(); };
  cmd_cancel.onClick = [this] { cmd_cancel_Click(); };
}

ProgramState& RandomVariableDialog::state() const { return show.state(); }

void RandomVariableDialog::SetEditable(bool editable) {
  show.Load();  // the window's own load must not undo the state set here
  cmd_ok.SetEnabled(editable);
  cmd_cancel.SetCaption(editable ? "&Cancel" : "E&xit");
}

bool RandomVariableDialog::Open(const std::string& callerText, int16_t index) {
  ProgramState& s = state();
  const int16_t slot = RandomVariableSlot(callerText, index, main.fatigueDb().frm_Fatigue_Dbase.Visible());
  if (slot == 0) return false;
  // The window loads (and lays itself out) before it is placed and filled.
  show.Load();
  main.host().DoEvents();
  DialogCaller = callerText;
  DialogCallerIndex = index;
  s.shellState.SecondWindowView = second_window_view::kRandomVariables;
  committed_ = false;
  refusedOnLeaving_ = false;
  HideOtherViews();
  PlaceDialog();
  frm_rand.SetCaption(callerText);
  CaptionForCaller(callerText, index);
  s.randomVariableTable.CurrentRandomVar = slot;
  chk_distr(0).SetVisible(false);
  const float shownCov = OpenRandomVariable(s.randomVariableTable, s.randomVariablePanel, slot);
  ShowOpenedVariable(s.randomVariablePanel.PanelDistType, shownCov);
  ShowDialogMenus();
  show.Show(true, &main);
  // Back from the modal dialog: the boxes of a stored None stay read-only.
  const bool none = s.randomVariableTable.RvType[slot] == 0;
  for (int i = 0; i <= 2; ++i) txt_distr(i).SetLocked(none);
  return committed_;
}

void RandomVariableDialog::HideOtherViews() {
  main.dataBox().Result.SetVisible(false);
  main.settings().frm_settings.SetVisible(false);
  main.problemDefinition().frm_analysis.SetVisible(false);
  main.dataService().frm_data_serv.SetVisible(false);
  DisableControl(main.menus().mnu_Run);
  for (Frame* f : {&show.frm_diag, &show.frm_master, &show.frm_master1, &show.testData().frm_diag2}) f->SetVisible(false);
  frm_rand.SetVisible(true);
  cmd_draw.SetVisible(true);
}

// Over the middle of the main window's place on the screen, the buttons in
// one row below the frame.
void RandomVariableDialog::PlaceDialog() {
  const double mw = main.Width(), mh = main.Height();
  show.Move(Sng(0.225 * mw), Sng(0.1 * mh), Sng(0.55 * mw), Sng(0.78 * mh));
  const double ww = show.Width(), wh = show.Height();
  frm_rand.SetLeft(Sng(0.09 * ww));
  frm_rand.SetWidth(Sng(0.82 * ww));
  frm_rand.SetHeight(Sng(0.77 * wh));
  const double fw = frm_rand.Width(), fh = frm_rand.Height();
  pic_rand.Move(Sng(0.05 * fw), Sng(0.56 * fh), Sng(0.9 * fw), Sng(0.4 * fh));
  const LayoutScales& ls = state().layoutScales;
  const double lift = ls.ScaleY > 1.0f ? 0.01 : ls.ScaleY < 1.0f ? -0.01 : 0.0;
  const float top = Sng(wh * (0.83 + lift));
  const double gap = 300.0 * ls.ScaleX;
  cmd_cancel.SetLeft(Sng(ww / 2 - cmd_ok.Width() / 2.0));
  cmd_ok.SetLeft(Sng(cmd_cancel.Left() - cmd_ok.Width() - gap));
  cmd_draw.SetLeft(Sng(cmd_cancel.Left() + cmd_draw.Width() + gap));
  for (CommandButton* b : {&cmd_cancel, &cmd_ok, &cmd_draw}) b->SetTop(top);
}

// "Variability of the " + the variable's name + the caller label's tag.
void RandomVariableDialog::CaptionForCaller(const std::string& callerText, int16_t index) {
  const Label* tag = nullptr;
  if (callerText == kMaterialCaller) {
    const ControlArray<Label>& labels = main.snInputs().dN_distr;
    if (labels.Exists(index)) tag = &labels(index);
  } else if (callerText == kLoadingCaller) {
    const ControlArray<Label>& labels = main.loadingFrames().load_distr;
    if (labels.Exists(index)) tag = &labels(index);
  } else {
    tag = &main.dataBox().SCF_distr;
  }
  Distr_Var.SetCaption("Variability of the " + RandomVariableName(callerText) + (tag ? tag->Caption() : ""));
}

void RandomVariableDialog::ShowOpenedVariable(int16_t type, float shownCov) {
  const RandomVariablePanel& p = state().randomVariablePanel;
  opening_ = true;  // the option's choice runs, but moves no focus
  for (int i = 0; i <= 6; ++i) chk_distr(i).SetValue(false);
  chk_distr(type + 1).SetValue(true);
  opening_ = false;
  txt_distr(0).SetText(Format(shownCov, kBoundsMask));
  txt_distr(1).SetText(Format(p.PanelXmin, kBoundsMask));
  txt_distr(2).SetText(Format(p.PanelXmax, kBoundsMask));
  ShowParameters(type, " = ");
  DrawProbabilityDensity(pic_rand.surface(), type, p.PanelParA, p.PanelParB);
  for (CommandButton* b : {&cmd_ok, &cmd_cancel, &cmd_draw}) b->SetVisible(true);
  cmd_cancel.SetEnabled(true);
  cmd_cancel.SetCancel(true);  // Esc leaves the dialog as Cancel does
}

void RandomVariableDialog::ShowParameters(int16_t type, const char* separator) {
  const RandomVariablePanel& p = state().randomVariablePanel;
  const DistributionParameterNames names = ParameterNamesOf(type);
  const std::string eq = std::string(separator);
  Distr_par(1).SetCaption(std::string(names.b) + "    B" + eq + Format(p.PanelParB, kBoundsMask));
  Distr_par(2).SetCaption(std::string(names.a) + "    A" + eq + Format(p.PanelParA, kBoundsMask));
}

void RandomVariableDialog::ShowDialogMenus() {
  for (MenuItem* m : {&show.mnu_prt_res, &show.mnu_an_list, &show.mnu_an_show, &show.sepbar1}) m->SetVisible(false);
  show.mnu_prt.SetVisible(true);
  show.mnu_prt.SetEnabled(true);
  show.mnu_prt1.SetCaption("&Print");
}

void RandomVariableDialog::DrawProbabilityDensity(Surface& target, int16_t distType, float a, float b) {
  const ProgramState& s = state();
  DensityPlotView view;
  view.kind = KindOf(target);
  view.xmin = s.randomVariablePanel.PanelXmin;
  view.xmax = s.randomVariablePanel.PanelXmax;
  view.fontScale = s.layoutScales.FontScale;
  view.title = frm_rand.Caption();
  view.variable = Distr_Var.Caption();
  view.rows = {Distr_par(0).Caption() + txt_distr(0).Text(), Distr_par(1).Caption(), Distr_par(2).Caption(),
               Distr_par(3).Caption() + txt_distr(1).Text(), Distr_par(4).Caption() + txt_distr(2).Text()};
  DrawDensityPlot(target, view, distType, a, b);
  DisableControl(cmd_draw);
}

void RandomVariableDialog::UpdateDistributionTag(int optionIndex) {
  Distr_Var.SetCaption(WithDistributionTag(Distr_Var.Caption(), optionIndex, state().randomVariablePanel.PanelCov));
}
