// The table editor of the material-database frame: clicks, arrow moves and
// the checks of the typed values; the header labels that open the batch
// number and description boxes.
#include <string>

#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "platform/runtime/blanks.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {
constexpr int kRowCount = 8;

bool IsStressRow(FdbRow row) { return row == FdbRow::Se || row == FdbRow::Sy || row == FdbRow::Su; }
bool IsStrengthRow(FdbRow row) { return row == FdbRow::Sy || row == FdbRow::Su; }
}  // namespace

void FatigueDbPanel::Text_Click(FdbRow row, int index) {
  ProgramState& s = state();
  SelectFatigueDbSet(index);
  if (EditOptionSelected()) {
    const auto& st = s.fatigueDbState;
    if (s.fatigueDatabase.FdbSetCount[Batch()] >= index)
      Cell(row, index).SetFocus();
    else if (st.MarkedFatigueSet >= 0 && st.MarkedFatigueSet < kFdbMaxSets)
      Cell(row, st.MarkedFatigueSet).SetFocus();
  }
  s.fatigueDbEditState.CellOldText = Cell(row, index).Text();
}

void FatigueDbPanel::Text_GotFocus(FdbRow row, int) {
  auto& ed = state().fatigueDbEditState;
  ed.CellPairCheck = IsStrengthRow(row) ? static_cast<int16_t>(ed.CellPairCheck + 1) : 0;
}

void FatigueDbPanel::Text_KeyDown(FdbRow row, int index, int keyCode, int) {
  const int r = static_cast<int>(row);
  if (keyCode == kKeyDown) Cell(static_cast<FdbRow>((r + 1) % kRowCount), index).SetFocus();
  if (keyCode == kKeyUp) Cell(static_cast<FdbRow>((r + kRowCount - 1) % kRowCount), index).SetFocus();
}

void FatigueDbPanel::Text_LostFocus(FdbRow row, int index) {
  if (state().fatigueDatabase.FdbTestDataName[Batch()][index + 1] != kNoFatigueData) return;
  if (row == FdbRow::Name)
    StoreCellName(index);
  else
    StoreCellValue(row, index);
}

void FatigueDbPanel::StoreCellName(int index) {
  ProgramState& s = state();
  const int b = Batch(), set = index + 1;
  TextBox& cell = Text2(index);
  std::string& name = s.fatigueDatabase.FdbSetName[b][set];
  const std::string before = name;
  name = StorableText(cell.Text());  // as the file and the job keep it
  if (OnlyBlanks(name) && index < s.fatigueDatabase.FdbSetCount[b]) name = "Set " + NumberText(static_cast<int32_t>(set));
  cell.SetText(name);
  settledText_[0][index] = cell.Text();
  if (name != before) MarkModified();
}

void FatigueDbPanel::StoreCellValue(FdbRow row, int index) {
  ProgramState& s = state();
  auto& ed = s.fatigueDbEditState;
  auto& db = s.fatigueDatabase;
  const int b = Batch(), set = index + 1;
  TextBox& cell = Cell(row, index);
  if (IsStrengthRow(row)) {
    if (ed.CellPairCheck == 2) {
      Cell(row == FdbRow::Sy ? FdbRow::Su : FdbRow::Sy, index).SetFocus();
      return;
    }
    ed.CellPairCheck = 0;
  }
  const double stored = FatigueDbCellValue(row, db, b, set);
  const std::string& text = cell.Text();
  if (text.empty() && (stored == 0 || row == FdbRow::R)) return;
  // A text that the user did not change keeps the full stored value: the
  // grid shows it rounded.
  std::string& settled = settledText_[static_cast<int>(row)][index];
  if (text == settled) return;
  const float factor = IsStressRow(row) ? s.unitSettings.StressUnitFactor : 1.0f;
  const std::string refill = stored > 0 ? SingleBoxText(Sng(stored * factor)) : "";
  const float typed = BoxSingle(text);
  const double v = IsStressRow(row) ? typed / factor : typed;
  if (const std::string refusal = FatigueDbCellRefusal(row, v, db, b, set); !refusal.empty()) {
    AlertBox(s.shellState, main.host(), DataIncorrectText(refusal), MsgButtons::OKOnly, MsgIcon::Critical, 1, FatigueDbCellTitle(row));
    cell.SetText(refill);
    settled = refill;
    cell.SetFocus();
    ed.NewSetAnswer = -1;
    return;
  }
  StoreFatigueDbCell(row, v, db, b, set);
  settled = text;
  if (FatigueDbCellValue(row, db, b, set) != stored) MarkModified();
}

void FatigueDbPanel::Label20_Click(int index) {
  if (index != 3) return;
  txt_Fatigue_Db.SetText(NumberText(static_cast<int32_t>(state().fatigueDbState.CurrentFatigueBatch)));
  txt_Fatigue_Db.SetVisible(true);
  txt_Fatigue_Db.SetFocus();
}

void FatigueDbPanel::Lab1_fatigue_DB_Click() {
  ShowFatigueDbBatch(state().fatigueDbState.CurrentFatigueBatch);
  state().fatigueDbState.MarkedFatigueSet = -1;
  if (!EditOptionSelected()) return;
  Txt1_Fatigue_DB.SetVisible(true);
  Txt1_Fatigue_DB.SetFocus();
}
