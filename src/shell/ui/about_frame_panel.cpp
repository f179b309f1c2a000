#include "shell/ui/about_frame_panel.h"

#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

// The working frames the About frame covers, in the order they are looked
// for, with the UiState that records each while About is up.
struct CoveredFrame {
  const char* frame;
  int16_t uiState;
};
constexpr CoveredFrame kCovered[] = {
    {"frm_analysis", 2}, {"frm_settings", 3}, {"frm_data_serv", 4}, {"frm_Load_Dbase", 5}, {"frm_Fatigue_Dbase", 6},
};
// The loading database's diagram frames go with it.
constexpr const char* kLoadingDbDiagrams[] = {"frm_Hist", "frm_Spectr", "frm_Distr"};

}  // namespace

AboutFramePanel::AboutFramePanel(FormMain& m)
    : main(m),
      frm_about(m.frame("frm_about")),
      info_about(m.array<Label>("info_about")),
      cmd_about(m.button("cmd_about")),
      Label1(m.label("Label1")),
      Label2(m.label("Label2")),
      Label3(m.label("Label3")),
      Label4(m.label("Label4")) {
  cmd_about.onClick = [this] { cmd_about_Click(); };
}

void AboutFramePanel::mnu_about_Click() {
  // A second About while it is up keeps the frame and the state it covers.
  if (frm_about.Visible()) return;
  ShellState& shell = main.state().shellState;
  shell.UiStateBeforeAbout = shell.UiState;
  main.menus().mnu_hlp_ind.SetVisible(false);
  main.menus().sepbar4.SetVisible(false);
  shell.UiState = ui_state::kBusy;
  frm_about.SetVisible(true);
  for (const CoveredFrame& c : kCovered) {
    Frame& frame = main.frame(c.frame);
    if (!frame.Visible()) continue;
    frame.SetVisible(false);
    if (c.uiState == 5)
      for (const char* diagram : kLoadingDbDiagrams) main.frame(diagram).SetVisible(false);
    shell.UiState = c.uiState;
    break;
  }
}

void AboutFramePanel::cmd_about_Click() {
  ShellState& shell = main.state().shellState;
  // Only what opening hid comes back; the print and colour items keep the
  // visibility the analysis kind gave them.
  main.menus().sepbar4.SetVisible(true);
  main.menus().mnu_hlp_ind.SetVisible(true);
  frm_about.SetVisible(false);
  for (const CoveredFrame& c : kCovered)
    if (shell.UiState == c.uiState) main.frame(c.frame).SetVisible(true);
  CommandButton& show = main.button("Cmd_Load_Db_Show");
  if (show.Caption() == "&Hide") show.SetCaption("S&how");
  // The state About found: idle, busy, or held by the covered working frame.
  shell.UiState = shell.UiStateBeforeAbout;
}

void AboutFramePanel::ShowTitle() {
  const bool emptyView = !main.frame("frm_SN").Visible();
  for (Label* title : {&Label1, &Label2, &Label3, &Label4}) title->SetVisible(emptyView);
}

void AboutFramePanel::mnu_hlp_ind_Click() {
  if (main.state().shellState.UiState == ui_state::kIdle) main.host().ShowHelp("duvak.hlp");
}
