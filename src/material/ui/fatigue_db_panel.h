#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "material/fatigue_db_edit.h"
#include "platform/ui/form.h"

class FormMain;
struct ProgramState;

// Colours of the grid cells: the system button face, the set picked in
// browse mode (light yellow), the set marked in edit mode (light grey).
inline constexpr int32_t kFdbCellColour = kColourButtonFace;
inline constexpr int32_t kFdbPickedColour = 0x00C0FFFF;
inline constexpr int32_t kFdbMarkedColour = 0x00E0E0E0;

// The material-database frame `frm_Fatigue_Dbase`: browser and table editor.
// The grid rows are the arrays Text2 .. Text9, the index is the column.
// Browse mode while the data-service option "Browse the Data-Base" is
// selected, edit mode otherwise.
class FatigueDbPanel {
 public:
  explicit FatigueDbPanel(FormMain& main);

  // Browser (navigation, deletion, selection).
  void cmd_fatigue_Db_Next_Click();
  void cmd_Fatigue_Db_Prev_Click();
  void cmd_Fatigue_Db_Del_Click();
  void cmd_fatigue_Db_OK_Click();
  void cmd_Fatigue_Db_Cancel_Click();
  // The Test button: a set without test data is settled first; then the test
  // data editor opens.
  void cmd_fatigue_Db_Test_Click();
  void SelectFatigueDbSet(int column);
  void ConfirmAbandonFatigueDbSet(int sets);
  void DeleteFatigueDbSet(int set);
  void DeleteFatigueDbBatch(int batch);
  // Paints batch `batch` into the frame.
  void ShowFatigueDbBatch(int batch);

  // Table editor: the handlers of the eight cell arrays, by row.
  void Text_Click(FdbRow row, int index);
  void Text_GotFocus(FdbRow row, int index);
  void Text_KeyDown(FdbRow row, int index, int keyCode, int shift);
  void Text_LostFocus(FdbRow row, int index);
  void Label20_Click(int index);
  void Lab1_fatigue_DB_Click();

  // Batch number, description and reference boxes.
  void txt_Fatigue_Db_Click();
  void txt_Fatigue_Db_LostFocus();
  void Txt1_Fatigue_DB_GotFocus();
  void Txt1_Fatigue_DB_KeyDown(int keyCode, int shift);
  void Txt1_Fatigue_DB_LostFocus();
  void refer_pic_Click(int index);
  void refer_txt_LostFocus();

  // The Se row's distribution tag `dN_distr`(3), left of its unit label.
  void PlaceSeTag();
  // The cell of `row` in column `index`.
  TextBox& Cell(FdbRow row, int index) const;

  FormMain& main;
  Frame& frm_Fatigue_Dbase;
  ControlArray<Label>& Label20;
  TextBox& txt_Fatigue_Db;
  Label& Lab1_fatigue_DB;
  TextBox& Txt1_Fatigue_DB;
  Label& Label22;
  Label& Label23;
  Label& Label24;
  Label& Label25;
  Label& Label26;
  Label& Label27;
  Label& Label29;
  Label& Label30;
  ControlArray<Label>& Label28;
  ControlArray<Label>& dN_distr;
  ControlArray<TextBox>& Text2;
  ControlArray<TextBox>& Text3;
  ControlArray<TextBox>& Text4;
  ControlArray<TextBox>& Text5;
  ControlArray<TextBox>& Text6;
  ControlArray<TextBox>& Text7;
  ControlArray<TextBox>& Text8;
  ControlArray<TextBox>& Text9;
  ControlArray<PictureBox>& refer_pic;
  TextBox& refer_txt;
  LineControl& Line6;
  LineControl& Line7;
  ControlArray<LineControl>& Line3;
  ControlArray<LineControl>& Line5;
  CommandButton& cmd_Fatigue_Db_Prev;
  CommandButton& cmd_fatigue_Db_Next;
  CommandButton& cmd_Fatigue_Db_Del;
  CommandButton& cmd_fatigue_Db_Test;
  CommandButton& cmd_fatigue_Db_OK;
  CommandButton& cmd_Fatigue_Db_Cancel;

 private:
  ProgramState& state() const;
  bool BrowseMode() const;
  bool EditOptionSelected() const;
  int Batch() const;  // the batch on show, kept within 1..20
  void Beep() const;
  void MarkModified() const;
  // Colours the cells: `column` gets `colour`, the others the button face;
  // the reference button and the tag of that set of `batch` are shown
  // (column -1: none).
  void PaintColumns(int batch, int column, int32_t colour);
  void ShowCells(int batch, int column);
  void PaintButtons(int batch);
  // The set check of the browser's OK: the reason of a refusal, "" when the
  // set is fit for the analysis.
  std::string SetRefusal(int batch, int set, std::string& title) const;
  // Stores a typed value of a value row, with the check of the row.
  void StoreCellValue(FdbRow row, int index);
  void StoreCellName(int index);

  std::array<ControlArray<TextBox>*, 8> rows_{};
  // The text each cell had when it was last filled or settled: a cell whose
  // text is still this one was not changed by the user.
  std::array<std::array<std::string, 6>, 8> settledText_{};
};
