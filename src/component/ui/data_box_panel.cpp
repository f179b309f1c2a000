#include "component/ui/data_box_panel.h"

#include "component/notch_inputs.h"
#include "component/summary_rows.h"
#include "component/summary_values.h"
#include "component/ui/data_box_rows.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

bool Always(const ProgramState&) { return true; }
bool ExtensionLabelsShown(const ProgramState& s) { return s.analysisOptions.LoadingType != 3; }

// Which controls of the box are on show, by the job.
struct ShownRule {
  const char* name;
  int index;
  bool (*shown)(const ProgramState&);
};
constexpr ShownRule kShown[] = {
    {"Subjt", -1, Always},
    {"Loadt", -1, Always},
    {"Materialt", -1, Always},
    {"ExtSN", 0, ExtensionLabelsShown},
    {"ExtSN", 1, ExtensionLabelsShown},
    {"ExtSNt", 0, ExtensionBoxesShown},
    {"ExtSNt", 1, ExtensionBoxesShown},
    {"SCF", 0, KtRowShown},
    {"SCFt", 0, KtRowShown},
    {"SCF_distr", -1, KtTagShown},
    {"Reliab", -1, NotchRadiusRowShown},
    {"Reliabt", -1, NotchRadiusRowShown},
    {"SNth", 0, ThicknessRowsShown},
    {"SNtht", 0, ThicknessRowsShown},
    {"SNth", 1, ThicknessRowsShown},
    {"SNtht", 1, ThicknessRowsShown},
    {"DDBmse", 2, MeanStressNotchFactorShown},
    {"DBmset", 2, MeanStressNotchFactorShown},
};

}  // namespace

DataBoxPanel::DataBoxPanel(FormMain& m)
    : main(m),
      frm_DBox(m.frame("frm_DBox")),
      pic_DBox(m.picture("pic_DBox")),
      wait(m.label("wait")),
      Subj(m.label("Subj")),
      Subjt(m.textBox("Subjt")),
      Load(m.label("Load")),
      Loadt(m.textBox("Loadt")),
      Material(m.label("Material")),
      Materialt(m.textBox("Materialt")),
      SNth(m.array<Label>("SNth")),
      SNtht(m.array<TextBox>("SNtht")),
      ExtSN(m.array<Label>("ExtSN")),
      ExtSNt(m.array<TextBox>("ExtSNt")),
      SCF(m.array<Label>("SCF")),
      SCFt(m.array<TextBox>("SCFt")),
      SCF_distr(m.label("SCF_distr")),
      Reliab(m.label("Reliab")),
      Reliabt(m.textBox("Reliabt")),
      DBmse(m.array<Label>("DBmse")),
      DDBmse(m.array<Label>("DDBmse")),
      DBmset(m.array<TextBox>("DBmset")),
      DTFf(m.label("DTFf")),
      DTFft(m.textBox("DTFft")),
      Result(m.label("Result")),
      ScattFact(m.label("ScattFact")) {
  SCF.onClick = [this](int i) { SCF_Click(i); };
  SCF_distr.onClick = [this] { SCF_distr_Click(); };
  SCFt.onGotFocus = [this](int i) { SCFt_GotFocus(i); };
  SCFt.onLostFocus = [this](int i) { SCFt_LostFocus(i); };
  Reliab.onClick = [this] { Reliab_Click(); };
  Reliabt.onGotFocus = [this] { Reliabt_GotFocus(); };
  Reliabt.onKeyDown = [this](int& k, int s) { Reliabt_KeyDown(k, s); };
  Reliabt.onLostFocus = [this] { Reliabt_LostFocus(); };
  DBmse.onClick = [this](int i) { DBmse_Click(i); };
  DDBmse.onClick = [this](int i) { DDBmse_Click(i); };
  DBmset.onGotFocus = [this](int i) { DBmset_GotFocus(i); };
  DBmset.onKeyDown = [this](int i, int& k, int s) { DBmset_KeyDown(i, k, s); };
  DBmset.onLostFocus = [this](int i) { DBmset_LostFocus(i); };
}

ProgramState& DataBoxPanel::state() const { return main.state(); }

void DataBoxPanel::UpdateDataBox() {
  ProgramState& s = state();
  UpdateSummaryValues(s);
  pic_DBox.surface().Cls();
  PlaceBox();
  LayOutSummaryRows(main, s, frm_DBox.Width(), frm_DBox.Height());
  ShowRows();
  if (s.analysisOptions.LoadingType == 4) ShowDistributionExtension();
  Loadt.SetLocked(s.loadingDbState.LoadingSource == 1);
  Materialt.SetLocked(s.materialData.MaterialSource == 1);
  DDBmse(2).SetBackColor(pic_DBox.BackColor());
  SetPointersAndTips();
  PrintNotchSensitivityNote();
}

// The box takes the lower right quarter of the window; for a distribution
// it moves left to about the middle of the lower half.
void DataBoxPanel::PlaceBox() {
  const ProgramState& s = state();
  const LayoutScales& ls = s.layoutScales;
  const float SW = main.ScaleWidth(), SH = main.ScaleHeight();
  frm_DBox.SetHeight(SH / 2);
  frm_DBox.SetWidth(SW / 2);
  const float W = frm_DBox.Width(), H = frm_DBox.Height();
  pic_DBox.SetWidth(0.96f * W);
  pic_DBox.SetHeight(H * (0.87f + 0.03f * ls.ScaleY));
  pic_DBox.SetLeft(0.02f * pic_DBox.Width());
  pic_DBox.SetTop(0.07f * H / ls.FontScale);
  frm_DBox.SetLeft(s.analysisOptions.LoadingType == 4 ? SW / 4.02f + 60 : SW / 2);
  frm_DBox.SetTop(SH / 2);
}

void DataBoxPanel::ShowRows() {
  const ProgramState& s = state();
  for (const ShownRule& rule : kShown) main.get<Control>(rule.name, rule.index).SetVisible(rule.shown(s));
  // The notch factor is typed in the row whenever it shows.
  if (MeanStressNotchFactorShown(s)) DBmset(2).SetEnabled(true);
}

// A distribution is worked without an S-N extension: the rows say so, with
// m' equal to m, and have no value boxes.
void DataBoxPanel::ShowDistributionExtension() {
  const ProgramState& s = state();
  DBmse(1).SetCaption("MSE(-)  ");
  ExtSN(0).SetCaption("SN-Extention:       Se'/Se  =  0.0");
  ExtSN(1).SetCaption("  m'  =  " + Format(s.materialData.SNExponent, "#0.0#"));
}

void DataBoxPanel::SetPointersAndTips() {
  const ProgramState& s = state();
  const AnalysisOptions& o = s.analysisOptions;
  const bool tipsHidden = s.shellState.ToolTipMode == 1;
  const bool historyOrSpectrum = o.LoadingType == 1 || o.LoadingType == 2;
  ExtSN(0).SetToolTipText(tipsHidden || o.LoadingType == 4 ? "" : "Right click to change the extention mode");
  ExtSN(0).SetMousePointer(historyOrSpectrum ? kPointerCross : kPointerDefault);
  if (KtRowShown(s)) {
    const bool toggles = o.SNDataSpecimen == 2 && o.NotchSensitivityMode == 1;
    SCF(0).SetMousePointer(toggles ? kPointerUpArrow : kPointerDefault);
  }
  const bool ktWording = SCF(0).Caption() == kKtRowCaption;
  SCF(0).SetToolTipText(tipsHidden || o.NotchSensitivityMode == 2 ? "" : NotchToggleTip(ktWording));
  DDBmse(2).SetMousePointer(MeanStressNotchFactorShown(s) ? kPointerUpArrow : kPointerDefault);
}

// With the local approach and notch sensitivity accounted, the box notes
// right of Kt what enters the notch factor.
void DataBoxPanel::PrintNotchSensitivityNote() {
  const ProgramState& s = state();
  const AnalysisOptions& o = s.analysisOptions;
  if (o.StressApproach != 2 || o.NotchSensitivityMode != 2) return;
  Surface& pic = pic_DBox.surface();
  pic.SetFontName("Microsoft Sans Serif");
  pic.SetFontSize(9 * s.layoutScales.FontScale);
  pic.SetFontBold(false);
  pic.SetForeColor(0);
  const TextBox& kt = SCFt(0);
  pic.SetCurrentX(kt.Left() + kt.Width() + 30);
  pic.SetCurrentY(kt.Top());
  pic.Print(std::string("(NS") + (o.MeanStressOption == 2 ? " & MSE)" : ")"));
}
