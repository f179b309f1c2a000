#include "material/ui/fatigue_db_panel.h"

#include <algorithm>
#include <cmath>

#include "material/ui/data_service_panel.h"
#include "material/ui/material_commands.h"
#include "material/ui/reference_glyph.h"
#include "montecarlo/distribution_tag.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {
constexpr FdbRow kRows[] = {FdbRow::Name, FdbRow::Se, FdbRow::No, FdbRow::M,
                            FdbRow::R,    FdbRow::Pn, FdbRow::Sy, FdbRow::Su};
}  // namespace

FatigueDbPanel::FatigueDbPanel(FormMain& m)
    : main(m),
      frm_Fatigue_Dbase(m.frame("frm_Fatigue_Dbase")),
      Label20(m.array<Label>("Label20")),
      txt_Fatigue_Db(m.textBox("txt_Fatigue_Db")),
      Lab1_fatigue_DB(m.label("Lab1_fatigue_DB")),
      Txt1_Fatigue_DB(m.textBox("Txt1_Fatigue_DB")),
      Label22(m.label("Label22")),
      Label23(m.label("Label23")),
      Label24(m.label("Label24")),
      Label25(m.label("Label25")),
      Label26(m.label("Label26")),
      Label27(m.label("Label27")),
      Label29(m.label("Label29")),
      Label30(m.label("Label30")),
      Label28(m.array<Label>("Label28")),
      dN_distr(m.array<Label>("dN_distr")),
      Text2(m.array<TextBox>("Text2")),
      Text3(m.array<TextBox>("Text3")),
      Text4(m.array<TextBox>("Text4")),
      Text5(m.array<TextBox>("Text5")),
      Text6(m.array<TextBox>("Text6")),
      Text7(m.array<TextBox>("Text7")),
      Text8(m.array<TextBox>("Text8")),
      Text9(m.array<TextBox>("Text9")),
      refer_pic(m.array<PictureBox>("refer_pic")),
      refer_txt(m.textBox("refer_txt")),
      Line6(m.line("Line6")),
      Line7(m.line("Line7")),
      Line3(m.array<LineControl>("Line3")),
      Line5(m.array<LineControl>("Line5")),
      cmd_Fatigue_Db_Prev(m.button("cmd_Fatigue_Db_Prev")),
      cmd_fatigue_Db_Next(m.button("cmd_fatigue_Db_Next")),
      cmd_Fatigue_Db_Del(m.button("cmd_Fatigue_Db_Del")),
      cmd_fatigue_Db_Test(m.button("cmd_fatigue_Db_Test")),
      cmd_fatigue_Db_OK(m.button("cmd_fatigue_Db_OK")),
      cmd_Fatigue_Db_Cancel(m.button("cmd_Fatigue_Db_Cancel")) {
  // The rows of the grid from top to bottom (the Pn row is Text8, Sy Text7).
  rows_ = {&Text2, &Text3, &Text4, &Text5, &Text6, &Text8, &Text7, &Text9};
  for (FdbRow row : kRows) {
    ControlArray<TextBox>& cells = *rows_[static_cast<int>(row)];
    cells.onClick = [this, row](int i) { Text_Click(row, i); };
    cells.onGotFocus = [this, row](int i) { Text_GotFocus(row, i); };
    cells.onKeyDown = [this, row](int i, int& k, int s) { Text_KeyDown(row, i, k, s); };
    cells.onLostFocus = [this, row](int i) { Text_LostFocus(row, i); };
    cells.ForEach([](TextBox& cell) { cell.SetMaxLength(9); });
  }
  Label20.onClick = [this](int i) { Label20_Click(i); };
  Lab1_fatigue_DB.onClick = [this] { Lab1_fatigue_DB_Click(); };
  txt_Fatigue_Db.onClick = [this] { txt_Fatigue_Db_Click(); };
  txt_Fatigue_Db.onLostFocus = [this] { txt_Fatigue_Db_LostFocus(); };
  Txt1_Fatigue_DB.onGotFocus = [this] { Txt1_Fatigue_DB_GotFocus(); };
  Txt1_Fatigue_DB.onKeyDown = [this](int& k, int s) { Txt1_Fatigue_DB_KeyDown(k, s); };
  Txt1_Fatigue_DB.onLostFocus = [this] { Txt1_Fatigue_DB_LostFocus(); };
  refer_pic.onClick = [this](int i) { refer_pic_Click(i); };
  refer_txt.onLostFocus = [this] { refer_txt_LostFocus(); };
  cmd_fatigue_Db_Next.onClick = [this] { cmd_fatigue_Db_Next_Click(); };
  cmd_Fatigue_Db_Prev.onClick = [this] { cmd_Fatigue_Db_Prev_Click(); };
  cmd_Fatigue_Db_Del.onClick = [this] { cmd_Fatigue_Db_Del_Click(); };
  cmd_fatigue_Db_OK.onClick = [this] { cmd_fatigue_Db_OK_Click(); };
  cmd_Fatigue_Db_Cancel.onClick = [this] { cmd_Fatigue_Db_Cancel_Click(); };
  cmd_fatigue_Db_Test.onClick = [this] { cmd_fatigue_Db_Test_Click(); };
}

ProgramState& FatigueDbPanel::state() const { return main.state(); }
bool FatigueDbPanel::BrowseMode() const { return main.dataService().chk_Input_Dbase.Value(); }
bool FatigueDbPanel::EditOptionSelected() const { return main.dataService().chk_Edit_Dbase.Value(); }
int FatigueDbPanel::Batch() const {
  return std::clamp<int>(state().fatigueDbState.CurrentFatigueBatch, 1, kFdbMaxBatches);
}
void FatigueDbPanel::Beep() const { BeepIfEnabled(state().shellState, main.host()); }
void FatigueDbPanel::MarkModified() const { state().fatigueDbState.FatigueDbModified = 1; }

TextBox& FatigueDbPanel::Cell(FdbRow row, int index) const { return (*rows_[static_cast<int>(row)])(index); }

namespace {
int WholeSetCount(float count) {
  int16_t n = 0;
  if (!TryCInt(count, n)) return count > 0 ? kFdbMaxSets : 0;
  return std::clamp<int>(n, 0, kFdbMaxSets);
}

// The text of a cell as the grid shows the stored value.
std::string CellText(FdbRow row, const FatigueDatabase& db, int b, int s, float stressFactor) {
  switch (row) {
    case FdbRow::Name: return db.FdbSetName[b][s];
    case FdbRow::Se: return Format(db.FdbSe[b][s] * stressFactor, "#####0.0#");
    case FdbRow::No: return Format(db.FdbNo[b][s], "0.0E+##");
    case FdbRow::M: return Format(db.FdbM[b][s], "#0.0#");
    case FdbRow::R: return SingleBoxText(db.FdbR[b][s]);
    case FdbRow::Pn: return SingleBoxText(db.FdbPn[b][s]);
    case FdbRow::Sy: return Format(db.FdbSy[b][s] * stressFactor, "#####0.0#");
    case FdbRow::Su: return Format(db.FdbSu[b][s] * stressFactor, "#####0.0#");
  }
  return "";
}
}  // namespace

// ---- batch display ----

void FatigueDbPanel::PaintColumns(int b, int column, int32_t colour) {
  for (int i = 0; i < kFdbMaxSets; ++i) {
    for (FdbRow row : kRows) Cell(row, i).SetBackColor(i == column ? colour : kFdbCellColour);
    refer_pic(i).SetVisible(false);
  }
  if (column < 0) return;
  const ProgramState& s = state();
  const int set = column + 1;
  PictureBox& pic = refer_pic(column);
  TextBox& name = Text2(column);
  // At the name cell's left edge, on the rule between the name row and the
  // row below: clear of the name's text, however long the name.
  pic.SetLeft(name.Left());
  pic.SetTop(Text3(column).Top() - pic.Height() / 2);
  pic.SetVisible(true);
  DrawReferenceGlyph(pic.surface());
  refer_txt.SetText(s.fatigueDatabase.FdbReference[b][set]);
  int16_t type = 0;
  TryCInt(s.fatigueDatabase.FdbSeDistType[b][set], type);
  Label& tag = dN_distr(3);
  tag.SetCaption(FormatDistributionTag(type, s.fatigueDatabase.FdbSeCov[b][set]));
  PlaceSeTag();
  tag.SetVisible(true);
}

void FatigueDbPanel::PlaceSeTag() {
  Label& tag = dN_distr(3);
  tag.SetLeft(Label28(0).Left() - tag.Width() - 40.0f * state().layoutScales.FontScale);
}

void FatigueDbPanel::ShowCells(int b, int column) {
  const ProgramState& s = state();
  for (FdbRow row : kRows) {
    TextBox& cell = Cell(row, column);
    cell.SetText(CellText(row, s.fatigueDatabase, b, column + 1, s.unitSettings.StressUnitFactor));
    settledText_[static_cast<int>(row)][column] = cell.Text();
  }
}

void FatigueDbPanel::PaintButtons(int b) {
  const auto& st = state().fatigueDbState;
  if (BrowseMode()) {
    cmd_fatigue_Db_OK.SetVisible(true);
    cmd_Fatigue_Db_Del.SetVisible(false);
    cmd_fatigue_Db_Next.SetEnabled(st.FatigueBatchCount != 1);
    cmd_Fatigue_Db_Prev.SetEnabled(st.FatigueBatchCount != 1);
    return;
  }
  cmd_fatigue_Db_OK.SetVisible(false);
  cmd_Fatigue_Db_Del.SetVisible(true);
  const bool lastWithoutSet = Text2(0).Text().empty() && b == st.FatigueBatchCount;
  cmd_Fatigue_Db_Del.SetEnabled(!lastWithoutSet);
  cmd_fatigue_Db_Next.SetEnabled(!lastWithoutSet);
  cmd_Fatigue_Db_Prev.SetEnabled(b != 1);
}

void FatigueDbPanel::ShowFatigueDbBatch(int batch) {
  ProgramState& s = state();
  auto& st = s.fatigueDbState;
  const auto& db = s.fatigueDatabase;
  if (EditOptionSelected()) {
    if (st.FatigueBatchCount == 0) st.FatigueBatchCount = 1;
    if (st.CurrentFatigueBatch == 0) st.CurrentFatigueBatch = 1;
  }
  const int b = std::clamp(batch, 1, kFdbMaxBatches);
  Label20(3).SetCaption(NumberText(static_cast<int32_t>(batch)));
  Label20(1).SetCaption(NumberText(static_cast<int32_t>(st.FatigueBatchCount)));
  if (!db.FdbSetName[b][1].empty()) {
    Lab1_fatigue_DB.SetCaption(db.FdbBatchName[b]);
    Txt1_Fatigue_DB.SetText(db.FdbBatchName[b]);
  } else {
    const std::string generated = "Batch " + NumberText(static_cast<int32_t>(b));
    Lab1_fatigue_DB.SetCaption("Name:  " + generated);
    Txt1_Fatigue_DB.SetText(generated);
  }
  const bool browse = BrowseMode();
  for (int i = 0; i < kFdbMaxSets; ++i) {
    for (FdbRow row : kRows) {
      TextBox& cell = Cell(row, i);
      cell.SetText("");
      cell.SetVisible(true);
      cell.SetBackColor(kFdbCellColour);
      cell.SetLocked(browse);  // browsing never changes the database
      settledText_[static_cast<int>(row)][i] = "";
    }
    refer_pic(i).SetVisible(false);
  }
  dN_distr(3).SetCaption("{-}");
  dN_distr(3).SetVisible(false);
  refer_txt.SetVisible(false);
  const int count = WholeSetCount(db.FdbSetCount[b]);
  for (int j = 1; j <= count; ++j) {
    const bool highlighted = browse && b == st.CurrentSetBatch && j == st.CurrentFatigueSet + 1;
    if (highlighted) PaintColumns(b, j - 1, kFdbPickedColour);
    ShowCells(b, j - 1);
    refer_txt.SetText(db.FdbReference[b][j]);
  }
  st.ShownBatchSetCount = static_cast<int16_t>(count);
  refer_txt.SetVisible(false);
  PaintButtons(b);
}

void ShowFatigueDbBatch(FormMain& main, int batch) { main.fatigueDb().ShowFatigueDbBatch(batch); }
void SelectFatigueDbSet(FormMain& main, int set) { main.fatigueDb().SelectFatigueDbSet(set); }
void ConfirmAbandonFatigueDbSet(FormMain& main, int set) { main.fatigueDb().ConfirmAbandonFatigueDbSet(set); }
