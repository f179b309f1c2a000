#include "shell/ui/about_frame_panel.h"

#include "program_state.h"
#include "shell/about_box_state.h"
#include "shell/ui/form_main.h"

namespace {

// The working frames the About frame covers, in the order they are looked
// for, with the UiState that records each while About is up.
struct CoveredFrame {
  const char* frame;
  int16_t uiState;
};
constexpr CoveredFrame kCovered[] = {
    {"frm_analysis", ui_state::kAboutOverProblemDefinition},  {"frm_settings", ui_state::kAboutOverSettings},
    {"frm_data_serv", ui_state::kAboutOverDataServices},      {"frm_Load_Dbase", ui_state::kAboutOverLoadingDatabase},
    {"frm_Fatigue_Dbase", ui_state::kAboutOverFatigueDatabase},
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
  const CoveredFrame* covered = nullptr;
  for (const CoveredFrame& c : kCovered)
    if (!covered && main.frame(c.frame).Visible()) covered = &c;
  // The commands are gated before anything on the screen changes.
  AboutBoxOpened(main.state().shellState, covered ? covered->uiState : ui_state::kBusy);
  main.menus().mnu_hlp_ind.SetVisible(false);
  main.menus().sepbar4.SetVisible(false);
  frm_about.SetVisible(true);
  if (!covered) return;
  main.frame(covered->frame).SetVisible(false);
  if (covered->uiState == ui_state::kAboutOverLoadingDatabase)
    for (const char* diagram : kLoadingDbDiagrams) main.frame(diagram).SetVisible(false);
}

void AboutFramePanel::cmd_about_Click() {
  ShellState& shell = main.state().shellState;
  // Only what opening hid comes back; the print and colour items keep the
  // visibility the analysis kind gave them.
  main.menus().sepbar4.SetVisible(true);
  main.menus().mnu_hlp_ind.SetVisible(true);
  frm_about.SetVisible(false);
  // The covered frame is taken from About's own record: a run that ended
  // while About was up has set UiState idle over the code that named it.
  for (const CoveredFrame& c : kCovered)
    if (shell.AboutCoveredFrame == c.uiState) main.frame(c.frame).SetVisible(true);
  CommandButton& show = main.button("Cmd_Load_Db_Show");
  if (show.Caption() == "&Hide") show.SetCaption("S&how");
  AboutBoxClosed(shell);
}

void AboutFramePanel::ShowTitle() {
  const bool emptyView = !main.frame("frm_SN").Visible();
  for (Label* title : {&Label1, &Label2, &Label3, &Label4}) title->SetVisible(emptyView);
}

void AboutFramePanel::mnu_hlp_ind_Click() {
  if (main.state().shellState.UiState == ui_state::kIdle) main.host().ShowHelp("duvak.hlp");
}
