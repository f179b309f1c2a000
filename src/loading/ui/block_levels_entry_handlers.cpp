// The stress inputs on the spectrum diagram (constant amplitude and block
// spectrum): SS or the two ends of a master curve over the load level, the
// mean or minimum stress, their switches, and the stress or strain popup.

#include <optional>
#include <string>

#include "loading/loading_units.h"
#include "loading/stress_entries.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

void LoadingFramesPanel::SSmax_Click(int index) { SSmaxt(index).SetFocus(); }

void LoadingFramesPanel::SSmax_MouseDown(int, int button, int, float, float) {
  ProgramState& s = state();
  if (button != kRightButton || s.analysisOptions.LoadingType != loading_type::kConstantAmplitude) return;
  MainMenus& m = main.menus();
  s.resultsDisplay.PopupContext = 3;
  m.pop_disp1(0).SetVisible(false);
  m.pop_disp1(1).SetCaption("Loading in " + s.unitSettings.StressUnitBracket);
  m.pop_disp1(2).SetCaption(std::string("Loading in [") + kMicroSign + "str]");
  const bool strain = s.loadingUnits.LoadUnit == std::string(kMicroSign) + "str";
  for (int i = 1; i <= 2; ++i) {
    m.pop_disp1(i).SetVisible(true);
    m.pop_disp1(i).SetChecked((i == 2) == strain);
  }
  main.PopupMenu(m.pop_disp);
}

void LoadingFramesPanel::SSmaxt_GotFocus(int index) { BeginEditing(SSmaxt(index)); }
void LoadingFramesPanel::SSmeant_GotFocus() { BeginEditing(SSmeant); }

// Up and Down; the mean row's moves go into the mean box.
void LoadingFramesPanel::SSmaxt_KeyDown(int index, int keyCode, int) {
  const AnalysisOptions& a = state().analysisOptions;
  const bool meanRow = a.MeanStressOption == mean_stress_option::kAccount;
  if (index == 1) {
    if (keyCode == kKeyUp) SSmaxt(0).SetFocus();
    if (keyCode == kKeyDown && meanRow) SSmeant.SetFocus();
    return;
  }
  if (keyCode == kKeyUp && meanRow) SSmeant.SetFocus();
  if (keyCode != kKeyDown) return;
  if (LoadLevelMasterCurve(a))
    SSmaxt(1).SetFocus();
  else if (meanRow)
    SSmeant.SetFocus();
}

void LoadingFramesPanel::SSmeant_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) SSmaxt(LoadLevelMasterCurve(state().analysisOptions) ? 1 : 0).SetFocus();
  if (keyCode == kKeyDown) SSmaxt(0).SetFocus();
}

void LoadingFramesPanel::SSmaxt_LostFocus(int index) {
  ProgramState& s = state();
  TextBox& box = SSmaxt(index);
  const float kept = index == 1 ? s.loadingData.StressRangeFrom : s.loadingData.StressRangeTo;
  const float v = TypedStressRange(s, box.Text());
  if (const auto reason = SpectrumRangeRefusal(s, index, v)) {
    RefuseInput(s.shellState, main.host(), Pic_Spectr, box, DataIncorrectText(*reason), SpectrumRangeTitle(s),
                StressValueText(ShownStressRange(s, kept)));
    return;
  }
  const std::string tag = StoreSpectrumRange(s, index, v);
  const float shown = ShownStressRange(s, s.loadingData.MaxStressInput);
  SSmax(index).SetCaption(StressCaption(s, shown));
  SSrng(index).SetCaption(tag);
  ShowAccepted(box, StressValueText(shown), DiagramColourAt(Pic_Spectr, box));
  if (OneStressRange(s.analysisOptions)) DrawSpectrum();
  WithdrawResults(true, true);
}

void LoadingFramesPanel::SSmeant_LostFocus() {
  ProgramState& s = state();
  LoadingData& l = s.loadingData;
  const float unit = s.loadingUnits.LoadUnitFactor;
  l.StressMinOrMeanInput = l.StressMinOrMean;
  const float v = TypedStress(s, SSmeant.Text());
  if (const std::optional<InputRefusal> refusal = SpectrumMeanRefusal(s, v)) {
    AlertBox(s.shellState, main.host(), refusal->text, MsgButtons::OKOnly, refusal->icon, 1, refusal->title);
    SSmeant.SetText(StressValueText(l.StressMinOrMean * unit));
    SSmeant.SetFocus();
    return;
  }
  StoreStressMinOrMean(s, v);
  std::string& caption = s.shellState.CaptionBuf;
  caption = MeanRowPrefix(s) + StressCaption(s, l.StressMinOrMean * unit);
  SSmean.SetCaption(caption);
  ShowAccepted(SSmeant, StressValueText(l.StressMinOrMean * unit), DiagramColourAt(Pic_Spectr, SSmeant));
  WithdrawResults(true, false);
}

void LoadingFramesPanel::SSmean_Click() {
  SwitchMeanAndMinimum(state());
  DrawSpectrum();
}

void LoadingFramesPanel::SSrng_Click(int) {
  if (SwitchRangeAndAmplitude(state())) DrawSpectrum();
}
