// The inputs on the distribution diagram: Q and R, the stress range (or the
// two ends of a master curve over the load level), the mean or minimum
// stress and the block volume, with the question that leaves a database
// batch for keyboard input and the ring of Up and Down moves.

#include <optional>
#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/distribution_entries.h"
#include "loading/stress_entries.h"
#include "loading/ui/batch_question.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

namespace {

bool FromBatch(const ProgramState& s) { return s.loadingDbState.LoadingSource == 1; }

}  // namespace

// ---- opening the boxes

void LoadingFramesPanel::DT_Click(int index) {
  if (!FromBatch(state())) DTt(index).SetFocus();
}

void LoadingFramesPanel::DTSmax_Click(int index) {
  if (index == 0 && OneStressRange(state().analysisOptions)) return;
  DTSmaxt(index).SetFocus();
}

void LoadingFramesPanel::DTvolume_Click() {
  if (!FromBatch(state())) DTvolumet.SetFocus();
}

// A Q or R box of a database batch asks first; No sends the focus to the
// job summary and leaves everything as it was.
void LoadingFramesPanel::DTt_GotFocus(int index) {
  if (state().loadingDbState.LoadingSource != 2 && !AskToLeaveLoadingBatch(main)) {
    main.dataBox().pic_DBox.SetFocus();
    main.host().DoEvents();
    return;
  }
  BeginEditing(DTt(index));
}

// A Weibull or log-normal typed on the keyboard takes its range from Q and
// R: the diagram is drawn instead.
void LoadingFramesPanel::DTSmaxt_GotFocus(int index) {
  const ProgramState& s = state();
  if (s.loadingData.DistributionType == 1 || s.loadingDbState.LoadingSource != 2)
    BeginEditing(DTSmaxt(index));
  else
    main.results().Pic_Distr_Click();
}

void LoadingFramesPanel::DTmeant_GotFocus() { BeginEditing(DTmeant); }

void LoadingFramesPanel::DTvolumet_GotFocus() {
  if (FromBatch(state()))
    main.results().Pic_Distr_Click();
  else
    BeginEditing(DTvolumet);
}

// ---- Up and Down: Q -> R -> range (-> lower end) -> Q going down

void LoadingFramesPanel::DTt_KeyDown(int index, int keyCode, int) {
  const bool single = OneStressRange(state().analysisOptions);
  if (index == 0) {
    if (keyCode == kKeyUp) DTSmax_Click(single ? 1 : 0);
    if (keyCode == kKeyDown) DT_Click(1);
    return;
  }
  if (keyCode == kKeyUp) DT_Click(0);
  if (keyCode == kKeyDown) DTSmax_Click(1);
}

void LoadingFramesPanel::DTSmaxt_KeyDown(int index, int keyCode, int) {
  const AnalysisOptions& a = state().analysisOptions;
  const bool distribution = a.LoadingType == loading_type::kDistribution;
  if (OneStressRange(a)) {
    if (keyCode == kKeyUp) DT_Click(1);
    if (keyCode == kKeyDown) DT_Click(0);
    return;
  }
  // Between the two ends; a distribution's ring runs on to Q and R.
  const int other = index == 0 ? 1 : 0;
  const bool toParameter = distribution && (index == 0 ? keyCode == kKeyDown : keyCode == kKeyUp);
  if (keyCode != kKeyUp && keyCode != kKeyDown) return;
  if (toParameter)
    DT_Click(index == 0 ? 0 : 1);
  else
    DTSmax_Click(other);
}

void LoadingFramesPanel::DTmeant_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) DTSmax_Click(0);
  if (keyCode == kKeyDown) DTSmax_Click(LoadLevelMasterCurve(state().analysisOptions) ? 1 : 0);
}

// ---- checking and storing

void LoadingFramesPanel::DTt_LostFocus(int index) {
  ProgramState& s = state();
  TextBox& box = DTt(index);
  SetTip(Pic_Distr, "Click here to redraw the distribution", s);
  const float v = BoxSingle(box.Text());
  if (const std::string reason = DistributionParameterRefusal(s, index, v); !reason.empty()) {
    AlertBox(s.shellState, main.host(), DataIncorrectText(reason), MsgButtons::OKOnly, MsgIcon::Critical, 1,
             DistributionParameterTitle(index));
    box.SetText(ShownDistributionParameter(s, index));
    main.results().Pic_Distr_MouseDown(kRightButton, 0, 0, 0);
    return;
  }
  StoreDistributionParameter(s, index, v);
  DrawDistribution();
  PaintAccepted(box, s.colourSettings.ColourLoading);
  WithdrawResults(true, true);
}

void LoadingFramesPanel::DTSmaxt_LostFocus(int index) {
  ProgramState& s = state();
  TextBox& box = DTSmaxt(index);
  const float kept = index == 1 ? s.loadingData.StressRangeTo : s.loadingData.StressRangeFrom;
  const float v = TypedStressRange(s, box.Text());
  if (const auto reason = DistributionRangeRefusal(s, index, v)) {
    RefuseInput(s.shellState, main.host(), Pic_Distr, box, kDataIncorrect + *reason, DistributionRangeTitle(s),
                StressValueText(ShownStressRange(s, kept)));
    return;
  }
  StoreDistributionRange(s, index, v);
  const float shown = ShownStressRange(s, v);
  DTSmax(index).SetCaption(StressCaption(s, shown));
  ShowAccepted(box, StressValueText(shown), s.colourSettings.ColourLoading);
  WithdrawResults(true, true);
}

void LoadingFramesPanel::DTmeant_LostFocus() {
  ProgramState& s = state();
  const LoadingData& l = s.loadingData;
  const float unit = s.loadingUnits.LoadUnitFactor;
  BeginDistributionMean(s);
  const float v = TypedStress(s, DTmeant.Text());
  const std::optional<InputRefusal> refusal = DistributionMeanRefusal(s, v);
  // A negative minimum is taken after a beep; a refused value beeps once.
  if (v < 0 || refusal) BeepIfEnabled(s.shellState, main.host());
  if (refusal) {
    main.host().MsgBox(refusal->text, MsgButtons::OKOnly, refusal->icon, 1, refusal->title);
    DTmeant.SetText(StressValueText(l.StressMinOrMean * unit));
    DTmeant.SetFocus();
    return;
  }
  StoreStressMinOrMean(s, v);
  DTmean.SetCaption(MeanRowPrefix(s) + StressCaption(s, v * unit));
  ShowAccepted(DTmeant, StressValueText(v * unit), DiagramColourAt(Pic_Distr, DTmeant));
  WithdrawResults(false, true);
}

void LoadingFramesPanel::DTvolumet_LostFocus() {
  ProgramState& s = state();
  int32_t n = 0;
  if (const std::string reason = TypedBlockVolume(DTvolumet.Text(), n); !reason.empty()) {
    RefuseInput(s.shellState, main.host(), Pic_Distr, DTvolumet, kDataIncorrect + reason, kBlockVolumeTitle,
                NumberText(s.loadingData.CyclesPerBlock));
    return;
  }
  StoreBlockVolume(s, n);
  DTvolume.SetCaption("n = " + NumberText(n) + " cyc");
  ShowAccepted(DTvolumet, DTvolumet.Text(), s.colourSettings.ColourLoading);
  WithdrawResults(true, true);
}

// ---- the switches

void LoadingFramesPanel::DTrng_Click(int) {
  if (SwitchRangeAndAmplitude(state())) DrawDistribution();
}

void LoadingFramesPanel::DTmean_Click() {
  SwitchMeanAndMinimum(state());
  DrawDistribution();
  DTmeant.SetFocus();
  main.host().DoEvents();
}
