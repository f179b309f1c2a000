// The scaling factor of a stress history on the history diagram: the single
// factor, or the upper (box 0) and lower (box 1) end of a master curve over
// the load level.

#include <string>

#include "loading/scaling_factor.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kFactorMask = "##0.0##";
// The text colour of a box whose value is stored: leaving it stores nothing.
constexpr int32_t kStoredForeColour = 0xC00000;

bool Deterministic(const AnalysisOptions& a) { return a.AnalysisKind == analysis_kind::kDeterministic; }

// Both ends are typed: a master curve over the load level.
bool TwoFactorBoxes(const AnalysisOptions& a) {
  return a.AnalysisMode != analysis_mode::kSingleCase &&
         a.MasterCurveParameter != master_curve_parameter::kEnduranceLimit;
}

}  // namespace

void LoadingFramesPanel::SHSmax_Click() {
  ProgramState& s = state();
  LoadingData& l = s.loadingData;
  const AnalysisOptions& a = s.analysisOptions;
  Pic_Hist.SetFocus();
  SHSmax.SetCaption(l.HistMaxCaption);
  if (l.ScalingFactor < 0) {
    // The unscaled history is shown while the factor is typed.
    l.HistoryStartFlag = 0;
    const float factor = l.ScalingFactor;
    l.ScalingFactor = 1;
    DrawHistory();
    l.ScalingFactor = factor;
  }
  if (Deterministic(a) && OneStressRange(a)) {
    std::string& caption = s.shellState.CaptionBuf;
    caption = std::string(10, ' ') + "Scaling Factor = ";
    SHscal(0).SetCaption(caption);
  }
  TextBox& box = SHscalt(0);
  SHscal(0).SetVisible(true);
  box.SetBackColor(s.colourSettings.ColourLoading);
  box.SetVisible(true);
  box.SetText(Format(l.ScalingFactorMax, kFactorMask));
  box.SetFocus();
  DisableControl(main.menus().mnu_Run);
}

void LoadingFramesPanel::SHscal_Click(int index) {
  const AnalysisOptions& a = state().analysisOptions;
  if (index == 0 && a.AnalysisKind == analysis_kind::kProbabilistic) {
    SHSmax_Click();
  } else if (Deterministic(a) && (index == 0 || index == 1)) {
    SHscalt(index).SetFocus();
  }
}

void LoadingFramesPanel::SHscalt_GotFocus(int index) { BeginEditing(SHscalt(index)); }

void LoadingFramesPanel::SHscalt_KeyDown(int index, int keyCode, int) {
  if (!TwoFactorBoxes(state().analysisOptions)) return;
  if (keyCode == kKeyUp) SHscal_Click(index == 0 ? 1 : 0);
  if (keyCode == kKeyDown) SHscal_Click(index == 1 ? 0 : 1);
}

void LoadingFramesPanel::SHscalt_LostFocus(int index) {
  TextBox& box = SHscalt(index);
  if (box.ForeColor() == kStoredForeColour) return;
  ProgramState& s = state();
  LoadingData& l = s.loadingData;
  const AnalysisOptions& a = s.analysisOptions;
  const float kept = index == 1 ? l.ScalingFactorMin : l.ScalingFactorMax;
  const ScalingFactorEntry entry = CheckScalingFactor(s, index, box.Text());
  if (!entry.accepted) {
    RefuseInput(s.shellState, main.host(), Pic_Hist, box, DataIncorrectText(entry.reason), kScalingFactorTitle,
                Format(kept, kFactorMask));
    return;
  }
  StoreScalingFactor(s, index, entry.value);
  const LoadingUnits& u = s.loadingUnits;
  std::string& caption = s.shellState.CaptionBuf;
  if (TwoFactorBoxes(a)) {
    caption = std::string(index == 0 ? "  Max. " : "  Min.  ") + "Scaling Factor = " + Format(l.ScalingFactor, kFactorMask);
    SHscal(index).SetCaption(caption);
  } else {
    box.SetVisible(false);
    if (Deterministic(a)) SHscal(index).SetVisible(false);
    // The diagram scales itself to the history: only a change of side
    // (a negative factor, or the first positive one) draws it again.
    if ((l.ScalingFactor < 0 && l.HistoryStartFlag == 0) || (l.ScalingFactor > 0 && l.HistoryStartFlag == 1)) {
      DrawHistory();
      l.HistoryStartFlag = 0;
    } else {
      caption = "Smax = " + Format(l.LoadSmax * u.LoadUnitFactor, "####0.0# ") + u.LoadUnit +
                ",  Smin = " + Format(l.LoadSmin * u.LoadUnitFactor, "####0.0# ") + u.LoadUnit;
      SHSmax.SetCaption(caption);
    }
  }
  box.SetText(Format(Deterministic(a) ? l.ScalingFactor : 1.0f, kFactorMask));
  box.SetBackColor(s.colourSettings.ColourLoading);
  box.SetForeColor(kStoredForeColour);
  WithdrawResults(false, true);
}
