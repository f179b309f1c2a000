#include "loading/ui/loading_frames_panel.h"

#include "montecarlo/random_variable_edit.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

LoadingFramesPanel::LoadingFramesPanel(FormMain& m)
    : main(m),
      frm_Hist(m.frame("frm_Hist")),
      Pic_Hist(m.picture("Pic_Hist")),
      SHSmax(m.label("SHSmax")),
      SHscal(m.array<Label>("SHscal")),
      SHscalt(m.array<TextBox>("SHscalt")),
      load_distr(m.array<Label>("load_distr")),
      frm_Spectr(m.frame("frm_Spectr")),
      Pic_Spectr(m.picture("Pic_Spectr")),
      SSmax(m.array<Label>("SSmax")),
      SSmaxt(m.array<TextBox>("SSmaxt")),
      SSrng(m.array<Label>("SSrng")),
      SSmean(m.label("SSmean")),
      SSmeant(m.textBox("SSmeant")),
      SSmse(m.label("SSmse")),
      frm_Distr(m.frame("frm_Distr")),
      Pic_Distr(m.picture("Pic_Distr")),
      DT(m.array<Label>("DT")),
      DTt(m.array<TextBox>("DTt")),
      DTrng(m.array<Label>("DTrng")),
      DTSmax(m.array<Label>("DTSmax")),
      DTSmaxt(m.array<TextBox>("DTSmaxt")),
      DTmean(m.label("DTmean")),
      DTmeant(m.textBox("DTmeant")),
      DTmse(m.label("DTmse")),
      DTvolume(m.label("DTvolume")),
      DTvolumet(m.textBox("DTvolumet")) {
  load_distr.onClick = [this](int i) { load_distr_Click(i); };
  // Wire the loading inputs' handlers here; the pictures' Click and
  // MouseDown open the display menus of the result diagrams (ResultFramesPanel).
}

void LoadingFramesPanel::load_distr_Click(int index) {
  const ShellState& shell = main.state().shellState;
  if (shell.UiState != ui_state::kIdle) {
    BeepIfEnabled(shell, main.host());
    return;
  }
  // The dialog may have been left view-only by the endurance limit's caller.
  SetRandomVariableDialogEditable(main, true);
  ShowRandomVariablePanel(main, kLoadingCaller, static_cast<int16_t>(index));
}

void LoadingFramesPanel::SHSmax_Click() {}
void LoadingFramesPanel::SSmax_Click(int) {}
void LoadingFramesPanel::DTSmax_Click(int) {}
