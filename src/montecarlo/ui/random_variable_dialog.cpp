// The random-variable dialog: choosing the type, checking the three boxes,
// Draw, OK and Cancel.

#include "montecarlo/ui/random_variable_dialog.h"

#include <cmath>
#include <limits>
#include <utility>

#include "component/ui/data_box_panel.h"
#include "loading/scaling_factor.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/distribution_tag.h"
#include "montecarlo/random_variable_edit.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/numeric_box.h"

namespace {

constexpr const char* kBoundsMask = "0.0##";
constexpr const char* kCovMask = "0.00#";

// The number a box holds, as the Single it is stored in (BoxSingle): beyond
// the Single range an infinity, outside every box's range; too small for a
// Single NaN, which every box rule refuses.
float BoxNumber(const TextBox& box) { return BoxSingle(box.Text()); }

}  // namespace

void RandomVariableDialog::chk_distr_Click(int index) {
  RandomVariablePanel& p = state().randomVariablePanel;
  UpdateDistributionTag(index);
  p.PanelDistType = static_cast<int16_t>(index - 1);
  const bool typed = p.PanelDistType >= 1;
  txt_distr(0).SetText(typed ? NumberText(p.PanelCov) : "0");
  txt_distr(1).SetText(typed ? NumberText(p.PanelXmin) : "1");
  txt_distr(2).SetText(typed ? NumberText(p.PanelXmax) : "1");
  if (show.Visible() && !opening_) FocusRoundTrip();
  for (int i = 0; i <= 2; ++i) txt_distr(i).SetLocked(!typed);
}

void RandomVariableDialog::FocusRoundTrip() {
  txt_distr(0).SetFocus();
  pic_rand.SetFocus();
}

void RandomVariableDialog::txt_distr_GotFocus(int index) {
  if (state().randomVariablePanel.PanelDistType == 0) return;
  EnableControl(cmd_draw);
  PaintForEditing(txt_distr(index));
}

void RandomVariableDialog::txt_distr_LostFocus(int index) {
  if (closing_) return;
  refusedOnLeaving_ = false;
  if (index == 0)
    CheckCov();
  else
    CheckBound(index);
}

// The dialog's refusals come without a beep.
void RandomVariableDialog::Refuse(int index, const std::string& text, const std::string& title,
                                  const std::string& restore) {
  main.host().MsgBox(text, MsgButtons::OKOnly, MsgIcon::Critical, 1, title);
  TextBox& box = txt_distr(index);
  box.SetText(restore);
  box.SetFocus();
}

// The COV is taken to three decimals, as the box then shows it, before it is
// checked. An accepted COV gives new parameters and resets the bounds to the
// plot range of the type.
void RandomVariableDialog::CheckCov() {
  RandomVariablePanel& p = state().randomVariablePanel;
  TextBox& box = txt_distr(0);
  float v = BoxNumber(box);
  if (!std::isnan(v)) {
    box.SetText(Format(v, kCovMask));
    v = BoxNumber(box);
  }
  if (const EntryRefusal r = CovRefusal(p.PanelDistType, v); r.refused()) {
    Refuse(0, r.text, r.title, NumberText(p.PanelCov));
    refusedOnLeaving_ = true;
    return;
  }
  AcceptCov(p, v);
  ShowParameters(p.PanelDistType, " =  ");
  txt_distr(1).SetText(Format(p.PanelXmin, kBoundsMask));
  txt_distr(2).SetText(Format(p.PanelXmax, kBoundsMask));
  UpdateDistributionTag(p.PanelDistType + 1);
  AcceptedBox(0);
}

// Box 1 (Xmin) or 2 (Xmax): an accepted bound is stored and shown by the mask.
void RandomVariableDialog::CheckBound(int index) {
  RandomVariablePanel& p = state().randomVariablePanel;
  const bool lower = index == 1;
  float& bound = lower ? p.PanelXmin : p.PanelXmax;
  const float v = BoxNumber(txt_distr(index));
  const EntryRefusal r =
      lower ? XminRefusal(p.PanelDistType, v, p.PanelXmax) : XmaxRefusal(p.PanelDistType, v, p.PanelXmin);
  if (r.refused()) {
    Refuse(index, r.text, r.title, Format(bound, kBoundsMask));
    refusedOnLeaving_ = true;
    return;
  }
  bound = v;
  txt_distr(index).SetText(Format(bound, kBoundsMask));
  AcceptedBox(index);
}

void RandomVariableDialog::AcceptedBox(int index) {
  const RandomVariablePanel& p = state().randomVariablePanel;
  DrawProbabilityDensity(pic_rand.surface(), p.PanelDistType, p.PanelParA, p.PanelParB);
  PaintAccepted(txt_distr(index), kColourButtonFace);
}

void RandomVariableDialog::cmd_draw_Click() {
  if (frm_rand.Visible() && show.Visible()) FocusRoundTrip();
}

bool RandomVariableDialog::BoundsCommittable(int16_t type, float xmin, float xmax) {
  const RandomVariablePanel& p = state().randomVariablePanel;
  if (const EntryRefusal r = XminRefusal(type, xmin, xmax); r.refused()) {
    Refuse(1, r.text, r.title, Format(p.PanelXmin, kBoundsMask));
    return false;
  }
  if (const EntryRefusal r = XmaxRefusal(type, xmax, xmin); r.refused()) {
    Refuse(2, r.text, r.title, Format(p.PanelXmax, kBoundsMask));
    return false;
  }
  return true;
}

void RandomVariableDialog::cmd_ok_Click() {
  // A box that refused its value as the focus came here keeps the dialog open.
  if (std::exchange(refusedOnLeaving_, false)) return;
  ProgramState& s = state();
  RandomVariableTable& t = s.randomVariableTable;
  const RandomVariablePanel& p = s.randomVariablePanel;
  int16_t type = p.PanelDistType;
  for (int i = 0; i <= 6; ++i)
    if (chk_distr(i).Value()) type = static_cast<int16_t>(i - 1);
  const float xmin = BoxNumber(txt_distr(1)), xmax = BoxNumber(txt_distr(2));
  if (!BoundsCommittable(type, xmin, xmax)) return;
  const int16_t c = t.CurrentRandomVar;
  CommitRandomVariable(t, c, type, xmin, xmax, p);
  committed_ = true;
  chk_distr_Click(p.PanelDistType + 1);
  const std::string tag = TrailingTag(Distr_Var.Caption());
  if (DialogCaller == kMaterialCaller) {
    ControlArray<Label>& labels = main.snInputs().dN_distr;
    if (labels.Exists(DialogCallerIndex)) {
      labels(DialogCallerIndex).SetCaption(tag);
      labels(DialogCallerIndex).SetCaption(FormatDistributionTag(t.RvType[c], t.RvCov[c]));
    }
    s.mcsSettings.McsSpareValue = 0;
  } else if (DialogCaller == kLoadingCaller) {
    for (int i = 0; i <= 2; ++i) main.loadingFrames().load_distr(i).SetCaption(tag);
  } else if (DialogCaller == kComponentCaller) {
    main.dataBox().SCF_distr.SetCaption(tag);
  }
  Close();
  LoadingFramesPanel& lf = main.loadingFrames();
  if (s.analysisOptions.LoadingType == loading_type::kHistory) {
    s.shellState.CaptionBuf = HistoryCaption(s, s.loadingData.LoadSmax, s.loadingData.LoadSmin);
    lf.SHSmax.SetCaption(s.shellState.CaptionBuf);
  }
  MainMenus& m = main.menus();
  EnableControl(m.mnu_target);
  DisableControl(m.mnu_form);
  EnableControl(m.mnu_Run);
  for (PictureBox* pic : {&lf.Pic_Distr, &lf.Pic_Hist, &lf.Pic_Spectr}) pic->SetMousePointer(kPointerCross);
}

void RandomVariableDialog::cmd_cancel_Click() { Close(); }

// Hiding the window ends the modal dialog. A box that kept the focus after a
// refusal gives it up unchecked, so that the next opening does not check it
// against another variable. The buttons go with the dialog, and the window
// goes back to the main window's place, where its other views expect it.
void RandomVariableDialog::Close() {
  closing_ = true;
  show.MoveFocus(nullptr);
  closing_ = false;
  for (CommandButton* b : {&cmd_ok, &cmd_cancel, &cmd_draw}) b->SetVisible(false);
  show.Hide();
  show.SetLeft(main.Left());
  show.SetTop(main.Top());
  main.Show();
  EnableControl(main.menus().mnu_Run);
}
