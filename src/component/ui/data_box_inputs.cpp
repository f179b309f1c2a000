// The component's notch inputs in the job summary box: Kt (or Kf), the notch
// radius, and the notch factor of the mean-stress effect on the options line.

#include <string>

#include "component/notch_inputs.h"
#include "component/summary_rows.h"
#include "component/ui/data_box_panel.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/damage.h"
#include "engine/ui/engine_commands.h"
#include "montecarlo/random_variable_edit.h"
#include "montecarlo/ui/montecarlo_services.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/job_texts_panel.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kKtMask = "#0.0##";
constexpr const char* kRadiusMask = "##0.0# ";
constexpr const char* kNotchFactorMask = "##.0# ";

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Toggled(const std::string& caption) { return caption == "Kt = " ? "Kf = " : "Kt = "; }

}  // namespace

// ---- shared steps

bool DataBoxPanel::KtWording() const { return EndsWith(SCF(0).Caption(), "Kt = "); }
bool DataBoxPanel::MseKtWording() const { return DDBmse(2).Caption() == "Kt = "; }

void DataBoxPanel::BeginEditing(TextBox& box) {
  DisableControl(main.menus().mnu_Run);
  PaintForEditing(box);
}

void DataBoxPanel::EnableRunWhenReady() {
  if (state().wizardFlags.LoadingDataReady) EnableControl(main.menus().mnu_Run);
}

void DataBoxPanel::HideLifeAndDamage() {
  Result.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  DisableControl(main.menus().mnu_form);
  DisableControl(main.menus().mnu_report);
}

void DataBoxPanel::ShowAccepted(TextBox& box, const std::string& text, float twipsPerChar) {
  box.SetText(text);
  box.SetWidth(Sng(static_cast<double>(text.size()) * twipsPerChar * state().layoutScales.FontScale));
  PaintAccepted(box, state().colourSettings.ColourDataBox);
}

bool DataBoxPanel::KeptUntyped(TextBox& box) {
  if (!LeftUntyped(box, state().colourSettings.ColourDataBox)) return false;
  EnableRunWhenReady();
  return true;
}

bool DataBoxPanel::Refuse(TextBox& box, const std::string& reason, const std::string& title,
                          const std::string& restore) {
  return RefuseInput(state().shellState, main.host(), pic_DBox, box, DataIncorrectText(reason), title, restore);
}

// ---- Kt

void DataBoxPanel::SCF_Click(int index) {
  if (state().analysisOptions.NotchSensitivityMode == 2) return;
  Label& label = SCF(index);
  label.SetCaption(label.Caption() == kKtRowCaption ? kKfRowCaption : kKtRowCaption);
  UpdateDataBox();
}

void DataBoxPanel::SCF_distr_Click() {
  const ProgramState& s = state();
  if (s.shellState.UiState != ui_state::kIdle) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  // The dialog may have been left view-only by the endurance limit's caller.
  SetRandomVariableDialogEditable(main, true);
  ShowRandomVariablePanel(main, kComponentCaller, 0);
}

void DataBoxPanel::SCFt_GotFocus(int index) { BeginEditing(SCFt(index)); }

void DataBoxPanel::SCFt_LostFocus(int index) {
  ProgramState& s = state();
  TextBox& box = SCFt(index);
  if (KeptUntyped(box)) return;
  const float v = BoxSingle(box.Text());
  const bool ktWording = KtWording();
  if (const std::string reason = KtEntryRefusal(s, index, v, ktWording); !reason.empty()) {
    const float kept = index == 1 ? s.componentData.KtFrom : s.componentData.KtTo;
    Refuse(box, reason, NotchFactorTitle(ktWording), Format(kept, kKtMask));
    return;
  }
  StoreKtEntry(s, index, v);
  // The box shows the value accepted: Kt itself, or the end of a Kt range.
  ShowAccepted(box, Format(v, kKtMask), 100);
  HideLifeAndDamage();
  EnableRunWhenReady();
  const bool radius = NotchRadiusShown(s);
  Reliab.SetVisible(radius);
  Reliabt.SetVisible(radius);
}

// ---- notch radius

void DataBoxPanel::Reliab_Click() { Reliabt.SetFocus(); }

void DataBoxPanel::Reliabt_GotFocus() { BeginEditing(Reliabt); }

void DataBoxPanel::Reliabt_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) DTFf_Click(main);
  if (keyCode == kKeyDown) main.jobTexts().Subj_Click();
}

void DataBoxPanel::Reliabt_LostFocus() {
  ProgramState& s = state();
  ComponentData& cd = s.componentData;
  const float lengthFactor = s.unitSettings.LengthUnitFactor;
  if (KeptUntyped(Reliabt)) return;
  const float r = BoxSingle(Reliabt.Text()) / lengthFactor;
  if (const std::string reason = NotchRadiusRefusal(r); !reason.empty()) {
    Refuse(Reliabt, reason, kNotchRadiusTitle, Format(Sng(cd.NotchRadius * lengthFactor), kRadiusMask));
    return;
  }
  cd.NotchRadius = r;
  ShowAccepted(Reliabt, Format(Sng(cd.NotchRadius * lengthFactor), kRadiusMask), 100);
  ScattFact.SetVisible(false);
  main.results().Pic_Rel.SetVisible(false);
  HideLifeAndDamage();
  EnableRunWhenReady();
}

// ---- the mean-stress line and its notch factor

void DataBoxPanel::DBmse_Click(int) {
  ProgramState& s = state();
  const AnalysisOptions& o = s.analysisOptions;
  if (s.resultsDisplay.MseTag.size() < 7 || o.LoadingType == 4 || o.MeanStressOption == 1) return;
  if (DDBmse(2).Visible()) {
    // Ends an edit of the notch factor: its LostFocus stores or refuses it.
    pic_DBox.SetFocus();
    if (!DBmset(2).HasFocus()) EnableRunWhenReady();
    return;
  }
  HideLifeAndDamage();
  main.results().Pic_Rel.SetVisible(false);
  if (s.materialData.SuUsed <= 1.0f) CalcEffectiveStrengths(s, main.host());
  // The hidden notch-factor row follows: the other wording and Kf.
  Label& label = DDBmse(2);
  label.SetCaption(Toggled(label.Caption()));
  TextBox& box = DBmset(2);
  box.SetLeft(label.Left() + label.Width());
  box.SetText(Format(s.componentData.Kf, "##.0#"));
  box.SetWidth(Sng(static_cast<double>(box.Text().size()) * 110 * s.layoutScales.FontScale));
}

void DataBoxPanel::DDBmse_Click(int) {
  Label& label = DDBmse(2);
  label.SetCaption(Toggled(label.Caption()));
  const bool tipsHidden = state().shellState.ToolTipMode == 1;
  label.SetToolTipText(tipsHidden ? "" : NotchToggleTip(MseKtWording()));
  UpdateDataBox();
}

void DataBoxPanel::DBmset_GotFocus(int index) { BeginEditing(DBmset(index)); }

void DataBoxPanel::DBmset_KeyDown(int index, int keyCode, int) {
  if (keyCode == kKeyUp) DDBmse_Click((index + 2) % 3);
  if (keyCode == kKeyDown) DDBmse_Click((index + 1) % 3);
}

void DataBoxPanel::DBmset_LostFocus(int index) {
  // Only the notch-factor row is ever offered; the strength rows stay hidden.
  if (index != 2) return;
  ProgramState& s = state();
  TextBox& box = DBmset(2);
  if (KeptUntyped(box)) return;
  const float v = BoxSingle(box.Text());
  const bool ktWording = MseKtWording();
  if (const std::string reason = MeanStressNotchFactorRefusal(v, ktWording); !reason.empty()) {
    if (!pic_DBox.IsShowing()) return;
    AlertBox(s.shellState, main.host(), DataIncorrectText(reason), MsgButtons::OKOnly, MsgIcon::Critical, 1,
             NotchFactorTitle(ktWording));
    box.SetText(Format(s.componentData.Kf, kNotchFactorMask));
    DBmse_Click(0);
    box.SetFocus();
    if (box.HasFocus()) BeginEditing(box);
    return;
  }
  StoreMeanStressNotchFactor(s, v);
  box.SetText(Format(s.componentData.Kf, kNotchFactorMask));
  PaintAccepted(box, s.colourSettings.ColourDataBox);
  CalcEffectiveStrengths(s, main.host());
  EnableRunWhenReady();
}
