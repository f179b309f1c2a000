#include "loading/ui/loading_frames_panel.h"

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_services.h"
#include "montecarlo/random_variable_edit.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
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
  WireHistoryInputs();
  WireSpectrumInputs();
  WireDistributionInputs();
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

void LoadingFramesPanel::WireHistoryInputs() {
  SHSmax.onClick = [this] { SHSmax_Click(); };
  SHscal.onClick = [this](int i) { SHscal_Click(i); };
  SHscalt.onGotFocus = [this](int i) { SHscalt_GotFocus(i); };
  SHscalt.onKeyDown = [this](int i, int& k, int s) { SHscalt_KeyDown(i, k, s); };
  SHscalt.onLostFocus = [this](int i) { SHscalt_LostFocus(i); };
}

void LoadingFramesPanel::WireSpectrumInputs() {
  SSmax.onClick = [this](int i) { SSmax_Click(i); };
  SSmax.onMouseDown = [this](int i, int b, int s, float x, float y) { SSmax_MouseDown(i, b, s, x, y); };
  SSmaxt.onGotFocus = [this](int i) { SSmaxt_GotFocus(i); };
  SSmaxt.onKeyDown = [this](int i, int& k, int s) { SSmaxt_KeyDown(i, k, s); };
  SSmaxt.onLostFocus = [this](int i) { SSmaxt_LostFocus(i); };
  SSmeant.onGotFocus = [this] { SSmeant_GotFocus(); };
  SSmeant.onKeyDown = [this](int& k, int s) { SSmeant_KeyDown(k, s); };
  SSmeant.onLostFocus = [this] { SSmeant_LostFocus(); };
  SSmean.onClick = [this] { SSmean_Click(); };
  SSrng.onClick = [this](int i) { SSrng_Click(i); };
}

void LoadingFramesPanel::WireDistributionInputs() {
  DT.onClick = [this](int i) { DT_Click(i); };
  DTt.onGotFocus = [this](int i) { DTt_GotFocus(i); };
  DTt.onKeyDown = [this](int i, int& k, int s) { DTt_KeyDown(i, k, s); };
  DTt.onLostFocus = [this](int i) { DTt_LostFocus(i); };
  DTSmax.onClick = [this](int i) { DTSmax_Click(i); };
  DTSmaxt.onGotFocus = [this](int i) { DTSmaxt_GotFocus(i); };
  DTSmaxt.onKeyDown = [this](int i, int& k, int s) { DTSmaxt_KeyDown(i, k, s); };
  DTSmaxt.onLostFocus = [this](int i) { DTSmaxt_LostFocus(i); };
  DTrng.onClick = [this](int i) { DTrng_Click(i); };
  DTmean.onClick = [this] { DTmean_Click(); };
  DTmeant.onGotFocus = [this] { DTmeant_GotFocus(); };
  DTmeant.onKeyDown = [this](int& k, int s) { DTmeant_KeyDown(k, s); };
  DTmeant.onLostFocus = [this] { DTmeant_LostFocus(); };
  DTvolume.onClick = [this] { DTvolume_Click(); };
  DTvolumet.onGotFocus = [this] { DTvolumet_GotFocus(); };
  DTvolumet.onLostFocus = [this] { DTvolumet_LostFocus(); };
}

ProgramState& LoadingFramesPanel::state() const { return main.state(); }

void LoadingFramesPanel::BeginEditing(TextBox& box) {
  DisableControl(main.menus().mnu_Run);
  PaintForEditing(box);
}

void LoadingFramesPanel::ShowAccepted(TextBox& box, const std::string& text, int32_t backColour) {
  box.SetText(text);
  box.SetWidth(Sng(static_cast<double>(text.size()) * 100 * state().layoutScales.FontScale));
  PaintAccepted(box, backColour);
}

int32_t LoadingFramesPanel::DiagramColourAt(PictureBox& picture, const TextBox& box) const {
  return DiagramColourUnder(box, PictureSpot{picture.surface(), picture.Width(), picture.Height()});
}

void LoadingFramesPanel::WithdrawResults(bool reliability, bool printMenus) {
  MainMenus& m = main.menus();
  main.dataBox().Result.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  if (reliability) {
    main.dataBox().ScattFact.SetVisible(false);
    main.results().Pic_Rel.SetVisible(false);
  }
  if (printMenus) {
    DisableControl(m.mnu_form);
    DisableControl(m.mnu_report);
  }
  if (state().wizardFlags.LoadingDataReady) EnableControl(m.mnu_Run);
}

void LoadingFramesPanel::DrawSpectrum() {
  DrawSpectrumDiagram(main, Pic_Spectr.surface(), state().loadingDbState.SelectedLoadingBatch);
}
void LoadingFramesPanel::DrawDistribution() {
  DrawDistributionDiagram(main, Pic_Distr.surface(), state().loadingDbState.SelectedLoadingBatch);
}
void LoadingFramesPanel::DrawHistory() {
  DrawHistoryDiagram(main, Pic_Hist.surface(), state().loadingDbState.SelectedLoadingBatch);
}
