#include "material/ui/sn_frame_panel.h"

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/damage.h"
#include "engine/endurance_limit_range.h"
#include "loading/loading_units.h"
#include "material/sn_extension.h"
#include "material/sn_input_rules.h"
#include "material/ui/material_commands.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"


SnFramePanel::SnFramePanel(FormMain& m)
    : main(m),
      frm_SN(m.frame("frm_SN")),
      Pic_SN(m.picture("Pic_SN")),
      SNSe(m.array<Label>("SNSe")),
      SNset(m.array<TextBox>("SNset")),
      dN_distr(m.array<Label>("dN_distr")),
      SNNo(m.label("SNNo")),
      SNNot(m.textBox("SNNot")),
      SNm(m.label("SNm")),
      SNmt(m.textBox("SNmt")),
      SNPn(m.label("SNPn")),
      SNPnt(m.textBox("SNPnt")),
      SNr(m.label("SNr")),
      SNrt(m.textBox("SNrt")),
      SNth(m.array<Label>("SNth")),
      SNtht(m.array<TextBox>("SNtht")),
      SNE(m.label("SNE")),
      SNEt(m.textBox("SNEt")),
      ExtSN(m.array<Label>("ExtSN")),
      ExtSNt(m.array<TextBox>("ExtSNt")) {
  SNm.onClick = [this] { SNm_Click(); };
  SNNo.onClick = [this] { SNNo_Click(); };
  SNPn.onClick = [this] { SNPn_Click(); };
  SNr.onClick = [this] { SNr_Click(); };
  SNE.onClick = [this] { SNE_Click(); };
  SNSe.onClick = [this](int i) { SNSe_Click(i); };
  SNth.onClick = [this](int i) { SNth_Click(i); };
  dN_distr.onClick = [this](int i) { dN_distr_Click(i); };

  SNmt.onGotFocus = [this] { SNmt_GotFocus(); };
  SNNot.onGotFocus = [this] { SNNot_GotFocus(); };
  SNPnt.onGotFocus = [this] { SNPnt_GotFocus(); };
  SNrt.onGotFocus = [this] { SNrt_GotFocus(); };
  SNset.onGotFocus = [this](int i) { SNset_GotFocus(i); };
  SNtht.onGotFocus = [this](int i) { SNtht_GotFocus(i); };
  SNEt.onGotFocus = [this] { SNEt_GotFocus(); };

  SNmt.onKeyDown = [this](int& k, int s) { SNmt_KeyDown(k, s); };
  SNNot.onKeyDown = [this](int& k, int s) { SNNot_KeyDown(k, s); };
  SNrt.onKeyDown = [this](int& k, int s) { SNrt_KeyDown(k, s); };
  SNset.onKeyDown = [this](int i, int& k, int s) { SNset_KeyDown(i, k, s); };
  SNtht.onKeyDown = [this](int i, int& k, int s) { SNtht_KeyDown(i, k, s); };
  SNEt.onKeyDown = [this](int& k, int s) { SNEt_KeyDown(k, s); };

  SNmt.onLostFocus = [this] { SNmt_LostFocus(); };
  SNNot.onLostFocus = [this] { SNNot_LostFocus(); };
  SNPnt.onLostFocus = [this] { SNPnt_LostFocus(); };
  SNrt.onLostFocus = [this] { SNrt_LostFocus(); };
  SNset.onLostFocus = [this](int i) { SNset_LostFocus(i); };
  SNtht.onLostFocus = [this](int i) { SNtht_LostFocus(i); };
  SNEt.onLostFocus = [this] { SNEt_LostFocus(); };

  ExtSN.onMouseDown = [this](int i, int b, int s, float x, float y) { ExtSN_MouseDown(i, b, s, x, y); };
  ExtSN.onClick = [this](int i) { ExtSN_Click(i); };
  ExtSNt.onGotFocus = [this](int i) { ExtSNt_GotFocus(i); };
  ExtSNt.onKeyDown = [this](int i, int& k, int s) { ExtSNt_KeyDown(i, k, s); };
  ExtSNt.onLostFocus = [this](int i) { ExtSNt_LostFocus(i); };
}

ProgramState& SnFramePanel::state() const { return main.state(); }

bool SnFramePanel::TwoSeBoxes() const {
  const auto& o = state().analysisOptions;
  return o.AnalysisMode == 2 && o.MasterCurveParameter != 1;
}

bool SnFramePanel::MasterCurveOverSe() const { return EnduranceLimitMasterCurve(state().analysisOptions); }

bool SnFramePanel::MeanStressAccounted() const { return state().analysisOptions.MeanStressOption == 2; }

// ---- label clicks ----

void SnFramePanel::SNm_Click() {
  if (state().materialData.MaterialSource != 1) SNmt.SetFocus();
}
void SnFramePanel::SNNo_Click() {
  if (state().materialData.MaterialSource != 1) SNNot.SetFocus();
}
void SnFramePanel::SNPn_Click() {
  if (state().materialData.MaterialSource != 1) SNPnt.SetFocus();
}
void SnFramePanel::SNr_Click() {
  if (state().materialData.MaterialSource != 1) SNrt.SetFocus();
}
void SnFramePanel::SNE_Click() {
  if (state().materialData.MaterialSource != 1) SNEt.SetFocus();
}

void SnFramePanel::SNSe_Click(int index) {
  auto& md = state().materialData;
  if (md.MaterialSource != 2 && !MasterCurveOverSe()) return;
  if (index == 1 && state().analysisOptions.AnalysisMode == 1) return;
  if (!SNset.Exists(index)) return;
  SNset(index).SetFocus();
}

void SnFramePanel::SNth_Click(int index) {
  if (SNtht.Exists(index)) SNtht(index).SetFocus();
}

void SNSe_Click(FormMain& main, int index) { main.snInputs().SNSe_Click(index); }

// ---- GotFocus ----

void SnFramePanel::ConfirmAbandonMaterialBatch() {
  ProgramState& s = state();
  const int answer = AlertBox(s.shellState, main.host(),
                              "Would you like to abandon the data batch\rand input arbitrary parameters through the keyboard?",
                              MsgButtons::YesNo, MsgIcon::Question, 1, " Fatigue Data");
  if (answer == kAnswerYes) {
    s.fatigueDbState.CurrentFatigueBatch = 0;
    s.materialData.MaterialSource = 2;
    s.jobTexts.MaterialName = "???";
    main.dataBox().Materialt.SetText(s.jobTexts.MaterialName);
    if (MeanStressAccounted()) CalcEffectiveStrengths(s, main.host());
  } else {
    CalcEffectiveStrengths(s, main.host());
    Pic_SN.SetFocus();
  }
}

bool SnFramePanel::BeginEditing(TextBox& box, bool ask, bool keepRun) {
  if (ask && state().materialData.MaterialSource != 2) {
    ConfirmAbandonMaterialBatch();
    if (state().materialData.MaterialSource == 1) return false;
  }
  if (!keepRun) DisableControl(main.menus().mnu_Run);
  PaintForEditing(box);
  return true;
}

void SnFramePanel::SNmt_GotFocus() {
  if (BeginEditing(SNmt, true)) SNmt.SetFocus();  // m takes the focus once more
}
void SnFramePanel::SNNot_GotFocus() { BeginEditing(SNNot, true); }
void SnFramePanel::SNPnt_GotFocus() { BeginEditing(SNPnt, true, true); }
void SnFramePanel::SNrt_GotFocus() { BeginEditing(SNrt, !state().mcsSettings.BrakeRequested); }
void SnFramePanel::SNset_GotFocus(int index) { BeginEditing(SNset(index), index == 0); }
void SnFramePanel::SNtht_GotFocus(int index) { BeginEditing(SNtht(index), false); }
void SnFramePanel::SNEt_GotFocus() { BeginEditing(SNEt, false); }

// ---- KeyDown: the arrows move through the inputs by the label clicks ----

void SnFramePanel::SNmt_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) {
    if (SNE.Visible())
      SNE_Click();
    else if (MeanStressAccounted())
      SNth_Click(3);
    else
      SNNo_Click();
  } else if (keyCode == kKeyDown) {
    SNr_Click();
  }
}

void SnFramePanel::SNrt_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) SNm_Click();
  if (keyCode == kKeyDown) SNSe_Click(MasterCurveOverSe() ? 1 : 0);
}

void SnFramePanel::SNset_KeyDown(int index, int keyCode, int) {
  const bool two = TwoSeBoxes();
  if (keyCode == kKeyUp) {
    if (two && index == 0)
      SNSe_Click(1);
    else
      SNr_Click();
  } else if (keyCode == kKeyDown) {
    if (two && index == 1)
      SNSe_Click(0);
    else
      SNNo_Click();
  }
}

void SnFramePanel::SNNot_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) SNSe_Click(0);
  if (keyCode != kKeyDown) return;
  if (MeanStressAccounted())
    SNth_Click(2);
  else if (SNE.Visible())
    SNE_Click();
  else
    SNm_Click();
}

void SnFramePanel::SNtht_KeyDown(int index, int keyCode, int) {
  if (index == 2) {
    if (keyCode == kKeyUp) SNNo_Click();
    if (keyCode == kKeyDown) SNth_Click(3);
    return;
  }
  if (keyCode == kKeyUp) SNth_Click(2);
  if (keyCode == kKeyDown) {
    if (SNE.Visible())
      SNE_Click();
    else
      SNm_Click();
  }
}

void SnFramePanel::SNEt_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) {
    if (state().analysisOptions.MeanStressOption == 1)
      SNNo_Click();
    else
      SNth_Click(3);
  } else if (keyCode == kKeyDown) {
    SNm_Click();
  }
}

// ---- common steps of LostFocus ----

void SnFramePanel::Refuse(TextBox& box, const std::string& reason, const std::string& title,
                          const std::string& restore) {
  RefuseInput(state().shellState, main.host(), Pic_SN, box, DataIncorrectText(reason), title, restore);
}

void SnFramePanel::Accepted(TextBox& box, const std::string& text, double twipsPerChar, int backColour, bool resize) {
  box.SetText(text);
  if (resize)
    box.SetWidth(Sng(static_cast<double>(text.size()) * twipsPerChar * state().layoutScales.FontScale));
  PaintAccepted(box, backColour);
}

void SnFramePanel::EnableRunWhenReady() {
  if (state().wizardFlags.LoadingDataReady) EnableControl(main.menus().mnu_Run);
}

bool SnFramePanel::KeptUntyped(TextBox& box, int32_t backColour) {
  if (!LeftUntyped(box, backColour)) return false;
  EnableRunWhenReady();
  return true;
}

void SnFramePanel::DrawSN() { DrawSNCurve(main, Pic_SN.surface()); }

void SnFramePanel::UpdateDataBox() { main.dataBox().UpdateDataBox(); }

// ---- the texts of the values that depend on the units ----

std::string SnFramePanel::SeText(int index) const {
  const auto& md = state().materialData;
  return Format((index == 1 ? md.SeTo : md.SeFrom) * state().unitSettings.StressUnitFactor / 2.0, "####.0#");
}

std::string SnFramePanel::SeCaption(int index) const {
  const auto& md = state().materialData;
  const std::string prefix = index == 1 ? " Max. " : (TwoSeBoxes() ? " Min.  " : std::string(10, ' '));
  const double shown = (index == 1 ? md.SeTo : md.SeFrom) * state().unitSettings.StressUnitFactor / 2.0;
  return prefix + "Se = " + Format(shown, "####.0#  ") + state().unitSettings.StressUnit;
}

std::string SnFramePanel::ThicknessText(int index) const {
  const auto& md = state().materialData;
  const UnitSettings& u = state().unitSettings;
  switch (index) {
    case 0: return Format(md.Thickness * u.LengthUnitFactor, "###0.0");
    case 1: return Format(md.ThicknessExponent, "##0.0#");
    case 2: return Format(md.DataSy * u.StressUnitFactor, "###0.0");
    default: return Format(md.DataSu * u.StressUnitFactor, "###0.0");
  }
}

std::string SnFramePanel::YoungText() const {
  return Format(state().materialData.YoungModulus * state().unitSettings.StressUnitFactor, "######0");
}

std::string SnFramePanel::YoungCaption() const {
  const UnitSettings& u = state().unitSettings;
  return "E = " + Format(state().materialData.YoungModulus * u.StressUnitFactor, "######0  ") + u.StressUnit;
}

// ---- LostFocus per box ----

void SnFramePanel::SNmt_LostFocus() {
  auto& md = state().materialData;
  if (KeptUntyped(SNmt, state().colourSettings.ColourSN)) return;
  const float v = BoxSingle(SNmt.Text());
  if (auto reason = SnExponentRefusal(v); !reason.empty()) {
    Refuse(SNmt, reason, kTitleSnExponent, Format(md.SNExponent, "#0.0#"));
    return;
  }
  md.SNExponent = v;
  SNm.SetCaption("m = " + Format(md.SNExponent, "#0.0#"));
  Accepted(SNmt, Format(md.SNExponent, "#0.0#"), 100, state().colourSettings.ColourSN);
  HideStaleResults(main);
  // The extension never falls below the curve: m' follows a larger m.
  if (md.SNExtensionExponent < md.SNExponent) ApplyExtensionExponent(md, md.SNExponent);
  // The summary shows m' (m itself for a distribution) as now in use.
  UpdateDataBox();
  const int type = state().analysisOptions.LoadingType;
  if (type == 1 || type == 2) DrawSN();
  EnableRunWhenReady();
}

void SnFramePanel::SNNot_LostFocus() {
  auto& md = state().materialData;
  if (KeptUntyped(SNNot, state().colourSettings.ColourSN)) return;
  const double v = BoxDouble(SNNot.Text());
  if (auto reason = EnduranceCyclesRefusal(v); !reason.empty()) {
    Refuse(SNNot, reason, kTitleEnduranceCycles, Format(md.EnduranceCycles, "0E+0#"));
    return;
  }
  md.EnduranceCycles = CLng(v);
  // The extension keeps its ratio; a No' on show follows the new No.
  ExtensionCyclesFollowTheRatio(md);
  SNNo.SetCaption("No = " + Format(md.EnduranceCycles, "0E+0#"));
  Accepted(SNNot, Format(md.EnduranceCycles, "0E+0#"), 120, state().colourSettings.ColourSN);
  HideStaleResults(main);
  UpdateDataBox();
  EnableRunWhenReady();
}

void SnFramePanel::SNPnt_LostFocus() {
  auto& md = state().materialData;
  if (LeftUntyped(SNPnt, state().colourSettings.ColourSN)) return;  // Pn leaves Run as it was
  const float v = BoxSingle(SNPnt.Text());
  if (auto reason = SurvivalProbabilityRefusal(v); !reason.empty()) {
    Refuse(SNPnt, reason, kTitleSurvivalProbability, Format(md.SurvivalProbability, "#0.#"));
    return;
  }
  md.SurvivalProbability = v;
  SNPn.SetCaption("Pn = " + Format(md.SurvivalProbability, "#0.#  ") + "%");
  Accepted(SNPnt, Format(md.SurvivalProbability, "#0.#"), 100, state().colourSettings.ColourSN);
}

void SnFramePanel::SNrt_LostFocus() {
  auto& md = state().materialData;
  if (KeptUntyped(SNrt, state().colourSettings.ColourSN)) return;
  const float v = BoxSingle(SNrt.Text());
  if (auto reason = StressRatioRefusal(v); !reason.empty()) {
    Refuse(SNrt, reason, kTitleStressRatio, Format(md.SNStressRatio, "#0.0#"));
    return;
  }
  md.SNStressRatio = v;
  SNr.SetCaption(" r = " + Format(md.SNStressRatio, "#0.0#"));
  Accepted(SNrt, Format(md.SNStressRatio, "#0.0#"), 100, state().colourSettings.ColourSN);
  HideStaleResults(main);
  EnableRunWhenReady();
}

void SnFramePanel::SNset_LostFocus(int index) {
  ProgramState& s = state();
  auto& md = s.materialData;
  if (KeptUntyped(SNset(index), s.colourSettings.ColourSN)) return;
  const float factor = s.unitSettings.StressUnitFactor;
  const float v = Sng(2.0 * BoxSingle(SNset(index).Text()) / factor);
  const bool two = TwoSeBoxes();
  if (auto reason = EnduranceLimitRefusal(v, two, index, md.SeFrom, md.SeTo); !reason.empty()) {
    Refuse(SNset(index), reason, kTitleEnduranceLimit, SeText(index));
    return;
  }
  (index == 1 ? md.SeTo : md.SeFrom) = v;
  // Only a master curve over Se runs over a range; any other job works at
  // this one endurance limit, and Se is the one calculated with.
  SettleEnduranceLimit(md, s.analysisOptions);
  Label& label = SNSe(index);
  label.SetCaption(SeCaption(index));
  Accepted(SNset(index), SeText(index), 100, s.colourSettings.ColourSN);
  if (dN_distr.Exists(0))
    dN_distr(0).SetLeft(Sng(label.Left() + label.Width() + 100.0 * s.layoutScales.ScaleX));
  HideStaleResults(main);
  EnableRunWhenReady();
}

void SnFramePanel::SNtht_LostFocus(int index) {
  ProgramState& s = state();
  auto& md = s.materialData;
  TextBox& box = SNtht(index);
  if (KeptUntyped(box, index <= 1 ? s.colourSettings.ColourDataBox : s.colourSettings.ColourSN)) return;
  const float typed = BoxSingle(box.Text());
  const float sf = s.unitSettings.StressUnitFactor;
  const float lf = s.unitSettings.LengthUnitFactor;
  struct Rule {
    std::string reason, title, restore;
  };
  Rule rule;
  float v = typed;
  switch (index) {
    case 0:
      v = typed / lf;
      rule = {ThicknessRefusal(v), " Thickness Effect (t)", ThicknessText(0)};
      break;
    case 1:
      rule = {ThicknessExponentRefusal(v), " Thickness Effect (k)", ThicknessText(1)};
      break;
    case 2:
      v = typed / sf;
      rule = {YieldStrengthRefusal(v, md.DataSu), " Thickness Effect (Sy)", ThicknessText(2)};
      break;
    default:
      v = typed / sf;
      rule = {UltimateStrengthRefusal(v, md.DataSy), " Thickness Effect (Su)", ThicknessText(3)};
      break;
  }
  if (!rule.reason.empty()) {
    Refuse(box, rule.reason, rule.title, rule.restore);
    return;
  }
  switch (index) {
    case 0: md.Thickness = v; break;
    case 1: md.ThicknessExponent = v; break;
    case 2: md.DataSy = md.Sy = v; break;
    default: md.DataSu = md.Su = v; break;
  }
  if (index <= 1) md.ThicknessFactor = ThicknessFactorOf(md.Thickness, md.ThicknessExponent);
  PaintAccepted(box, index <= 1 ? s.colourSettings.ColourDataBox : s.colourSettings.ColourSN);
  HideStaleResults(main);
  if (index >= 2) CalcEffectiveStrengths(s, main.host());
  DrawSN();
  UpdateDataBox();
  EnableRunWhenReady();
}

void SnFramePanel::SNEt_LostFocus() {
  ProgramState& s = state();
  auto& md = s.materialData;
  if (KeptUntyped(SNEt, s.colourSettings.ColourSN)) return;
  const float sf = s.unitSettings.StressUnitFactor;
  const float v = BoxSingle(SNEt.Text()) / sf;
  if (auto reason = YoungModulusRefusal(v); !reason.empty()) {
    Refuse(SNEt, reason, " Young's Modulus (E)", YoungText());
    return;
  }
  const float oldE = md.YoungModulus;
  md.YoungModulus = v;
  SNE.SetCaption(YoungCaption());
  Accepted(SNEt, YoungText(), 100, s.colourSettings.ColourSN);
  main.dataBox().Result.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  DisableControl(main.menus().mnu_form);
  DisableControl(main.menus().mnu_report);
  if (s.loadingUnits.LoadQuantity == "Strain ") RescaleStrainLoading(s, oldE);
  EnableRunWhenReady();
}
