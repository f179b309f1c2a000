// The simulation results view: ShowMCSResults, the file commands of both
// windows, the popups of its labels and of its diagram, and its boxes.

#include "montecarlo/ui/mcs_results_view.h"

#include <string>

#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_results_file.h"
#include "montecarlo/mcs_view_rules.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "testdata/ui/test_data_editor_panel.h"
#include "shell/user_messages.h"

namespace {


// The second window's common dialog set for results files.
const CommonDialog& ResultsDialog(FormShow& show) {
  show.PrintDlg.filter = kMcsResultsFilter;
  show.PrintDlg.flags = 6;  // overwrite prompt, no read-only box
  show.PrintDlg.fileName.clear();
  return show.PrintDlg;
}

// Opens a chosen results file and shows it; true when it was shown.
bool OpenAndShow(FormMain& main) {
  FormShow& show = main.formShow();
  const std::string path = main.host().ShowOpen(ResultsDialog(show));
  if (path.empty()) return false;
  const std::string fitCaption = show.Res_prob(1).Caption();
  show.Res_prob(1).SetCaption("Fit:  No Fit");
  if (!OpenMcsResults(main.state(), main.host(), path)) {
    show.Res_prob(1).SetCaption(fitCaption);
    main.host().SetMousePointer(kPointerDefault);
    return false;
  }
  ShowMCSResults(main);
  return true;
}

}  // namespace

void ShowMCSResults(FormMain& main) {
  ProgramState& s = main.state();
  FormShow& show = main.formShow();
  for (Control* c : {static_cast<Control*>(&show.frm_rand), static_cast<Control*>(&show.frm_master),
                     static_cast<Control*>(&show.cmd_ok), static_cast<Control*>(&show.cmd_cancel),
                     static_cast<Control*>(&show.testData().frm_diag2)})
    c->SetVisible(false);
  for (MenuItem* m : {&show.mnu_prt, &show.mnu_return, &show.sepbar1, &show.mnu_an_show, &show.mnu_an_list})
    m->SetVisible(true);
  show.mnu_prt1.SetCaption("&Results");
  s.shellState.SecondWindowView = second_window_view::kSimulationResults;
  show.Show();
  main.Hide();
  show.SetMousePointer(kPointerHourglass);
  main.host().DoEvents();
  show.pic_diag.SetVisible(false);
  DrawMCSResultsDiagram(main, show.pic_diag.surface(), show.pic_master1.surface());
  for (Control* c : {static_cast<Control*>(&show.pic_diag), static_cast<Control*>(&show.frm_diag),
                     static_cast<Control*>(&show.frm_master1)})
    c->SetVisible(true);
  show.SetMousePointer(kPointerDefault);
  main.host().SetMousePointer(kPointerDefault);
  show.pic_diag.SetToolTipText(s.shellState.ToolTipMode == 1 ? "" : "Right click to change the display");
}

void mnu_MCSres_L_Click(FormMain& main) {
  ProgramState& s = main.state();
  if (s.shellState.UiState != ui_state::kIdle) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  ShowMCSResults(main);
}

void mnu_MCSres_O_Click(FormMain& main) {
  ProgramState& s = main.state();
  if (s.shellState.UiState != ui_state::kIdle) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  main.formShow().Hide();
  main.Show();
  if (!OpenAndShow(main)) return;
  DisableControl(main.menus().mnu_report);
  DisableControl(main.formShow().mnu_prt_res);
}

McsResultsView::McsResultsView(FormShow& s) : show(s) {
  show.mnu_an_show.onClick = [this] { mnu_an_show_Click(); };
  show.mnu_an_list.onClick = [this] { mnu_an_list_Click(); };
  show.Res_prob.onMouseDown = [this](int i, int button, int, float, float) { Res_prob_MouseDown(i, button); };
  show.pop_dispR.onClick = [this](int i) { pop_dispR_Click(i); };
}

void McsResultsView::mnu_an_show_Click() {
  if (!OpenAndShow(show.main())) return;
  DisableControl(show.mnu_prt_res);
  DisableControl(show.main().menus().mnu_report);
}

void McsResultsView::mnu_an_list_Click() {
  ProgramState& s = show.state();
  const std::string path = show.host().ShowSave(ResultsDialog(show));
  if (path.empty()) return;
  s.mcsResults.SaveAsPath = path;
  SaveMCSResultsAs(s, show.host());
}

void McsResultsView::Res_prob_MouseDown(int index, int button) {
  ProgramState& s = show.state();
  McsDisplay& d = s.mcsDisplay;
  ControlArray<MenuItem>& items = show.pop_dispR;
  if (index == 0) {
    d.ResultsPopupContext = 0;
    const char* captions[] = {"Life in Cycles", "Life in Blocks", "Life in Hours"};
    for (int j = 0; j <= 2; ++j) items(j).SetCaption(captions[j]);
    const int offered = s.mcsResults.ResultBlockTime > 0.0f ? 3 : 2;
    if (button != kRightButton || s.mcsResults.ResultLoadingType == 3) return;
    for (int j = 0; j <= 2; ++j) {
      items(j).SetChecked(j == s.analysisOptions.LifeUnit - 1);
      items(j).SetVisible(j < offered);
    }
  } else {
    d.ResultsPopupContext = 1;
    const char* captions[] = {"Fit:  No Fit  ", "Fit:  Log-norm", "Fit:  Weibull "};
    for (int j = 0; j <= 2; ++j) items(j).SetCaption(captions[j]);
    if (button != kRightButton) return;
    for (int j = 0; j <= 2; ++j) {
      items(j).SetChecked(j == s.mcsResults.LifeFitKind - 1);
      items(j).SetVisible(true);
    }
  }
  show.PopupMenu(show.pop_rand);
}

void McsResultsView::pop_dispR_Click(int index) {
  ProgramState& s = show.state();
  ControlArray<MenuItem>& items = show.pop_dispR;
  show.SetMousePointer(kPointerHourglass);
  show.Res_prob(1).SetMousePointer(kPointerHourglass);
  show.host().DoEvents();
  if (s.mcsDisplay.ResultsPopupContext == 0) {
    const int offered = s.mcsResults.ResultBlockTime > 0.0f ? 3 : 2;
    if (s.mcsResults.ResultLoadingType != 3) {
      items(2).SetVisible(offered == 3);
      items(1).SetVisible(true);
      for (int j = 0; j < offered; ++j) items(j).SetChecked(j == index);
    }
    if (ChooseResultsLifeUnit(s, index)) ShowMCSResults(show.main());
  } else if (s.mcsDisplay.ResultsPopupContext == 1) {
    items(1).SetVisible(true);
    items(2).SetVisible(true);
    for (int j = 0; j <= 2; ++j) items(j).SetChecked(j == index);
    const std::string caption = items(index).Caption();
    const bool searchTail = ChooseLifeFit(s, show.host(), index);
    show.Res_prob(1).SetCaption("Fit:  " + caption.substr(caption.size() >= 8 ? caption.size() - 8 : 0));
    if (searchTail) {
      show.SetMousePointer(kPointerHourglass);
      FitLowerTail(s, show.host());
    }
    ShowMCSResults(show.main());
  }
  show.Res_prob(1).SetMousePointer(kPointerCross);
  show.SetMousePointer(kPointerDefault);
}

void McsResultsView::Res_probT_LostFocus(int index) {
  ProgramState& s = show.state();
  McsDisplay& d = s.mcsDisplay;
  if (index > 2 || d.ResultsBoxBusy == 1) return;
  d.ResultsBoxBusy = 1;
  TextBox& box = show.Res_probT(index);
  const float x = BoxSingle(box.Text());
  const ResultsBoxEntry entry = index == 0   ? EnterFailureProbability(s, x)
                                : index == 1 ? EnterReliableLife(s, x)
                                             : EnterLowerTailLife(s, show.host(), x);
  if (!entry.accepted && !entry.message.empty()) {
    RefuseBox(box, entry.text, entry.message, entry.title, entry.icon, entry.beep);
    d.ResultsBoxBusy = 0;
    return;
  }
  box.SetText(entry.text);
  box.SetForeColor(entry.textColour);
  ShowMCSResults(show.main());
  EnableControl(show.mnu_prt);
  EnableControl(show.mnu_prt_res);
  d.ResultsBoxBusy = 0;
}

void McsResultsView::RefuseBox(TextBox& box, const std::string& text, const std::string& message,
                               const std::string& title, MsgIcon icon, bool beep) {
  ProgramState& s = show.state();
  if (beep) BeepIfEnabled(s.shellState, show.host());
  show.Show(false, &show.main());
  show.host().MsgBox(message, MsgButtons::OKOnly, icon, 1, title);
  box.SetText(text);
  box.SetFocus();
}
