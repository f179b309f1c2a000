#pragma once

#include <string>

#include "platform/ui/form.h"
#include "testdata/test_data_checks.h"

class FormMain;
class FormShow;
class Surface;
struct ProgramState;
struct TestDataSet;

// The fatigue test data editor on the second window: the panel `frm_diag2`
// with the point grid (rows `lbl_CLOn`, `txt_CLOx`, `txt_CLOn` over
// `scroll_CLO`), the header boxes `txt_points` (0 count, 1 Sy, 2 Su, 3 R),
// the name box `txt_Name` and the four buttons, and the test data diagram on
// the pane `pic_diag` with its pointer and display popup.
//
// The four buttons carry one of two caption sets and act by the caption they
// show: the command set ("&New", "&OK", "&Cancel", "O&pen") and the edit set
// ("&Delete", "&Fit", "&Close", "&Insert").
class TestDataEditorPanel {
 public:
  explicit TestDataEditorPanel(FormShow& show);

  // Opening and the four buttons.
  void OpenTestDataEditor();
  void cmd_CLO_canc_Click();  // Close / Cancel
  void cmd_CLO_Del_Click();   // Delete / New
  void cmd_CLO_OK_Click();    // Fit / OK
  void cmd_CLO_open_Click();  // Insert / Open

  // The grid and the header boxes.
  void scroll_CLO_Change();
  void txt_CLOx_Click(int index);
  void txt_CLOn_Click(int index);
  void txt_CLOx_GotFocus(int index);
  void txt_CLOn_GotFocus(int index);
  void txt_CLOx_KeyDown(int index, int keyCode, int shift);
  void txt_CLOn_KeyDown(int index, int keyCode, int shift);
  void txt_CLOx_LostFocus(int index);
  void txt_CLOn_LostFocus(int index);
  void txt_Name_GotFocus();
  void txt_Name_KeyDown(int keyCode, int shift);
  void txt_Name_LostFocus();
  void txt_points_GotFocus(int index);
  void txt_points_KeyDown(int index, int keyCode, int shift);
  void txt_points_LostFocus(int index);
  // Enables Fit/OK once every point and both strengths are complete; never disables it.
  void CountValidTestPoints();
  // True when the data are wrong: the first fault is reported and its box
  // gets the focus (the grid scrolls to a faulty point).
  bool ValidateTestData();

  // The diagram on the pane, the printer or the hidden picture (told apart by
  // IsPrinter() and IsHiddenPicture()); on the pane it lays out the editor too.
  void DrawTestDataDiagram(Surface& target);

  // The pane's pointer and its display popup.
  void pic_diag_MouseMove(int button, int shift, float x, float y);
  void pic_diag_MouseDown(int button, int shift, float x, float y);
  void pop_aNK_Click(int index);

  FormShow& show;
  Frame& frm_diag;
  PictureBox& pic_diag;
  Frame& frm_diag2;
  TextBox& txt_Name;
  ControlArray<TextBox>& txt_label;
  ControlArray<TextBox>& txt_points;
  PictureBox& pic_CLO;
  ControlArray<Label>& lbl_CLOn;
  ControlArray<TextBox>& txt_CLOx;
  ControlArray<TextBox>& txt_CLOn;
  ScrollBar& scroll_CLO;
  CommandButton& cmd_CLO_open;
  CommandButton& cmd_CLO_Del;
  CommandButton& cmd_CLO_OK;
  CommandButton& cmd_CLO_canc;

 private:
  enum class Column { Stress, Life };

  ProgramState& state() const;
  TestDataSet& set() const;
  FormMain& main() const;
  Host& host() const;

  void SetCommandCaptions();
  void SetEditCaptions();
  void ShowEditor();
  void ReturnToMainWindow();
  // Shows the second window again, owned by the main window, before a message.
  void RaiseSecondWindow();
  int Message(const std::string& text, MsgButtons buttons, MsgIcon icon, int defaultButton, const std::string& title);
  // The grid's scroll range for the current count; the value is set to 0
  // first when `resetValue`, and again when the range is empty and `zeroWhenEmpty`.
  void SetScrollRange(bool resetValue, bool zeroWhenEmpty);
  void SaveWithDialog();
  void OpenTestDataFile();
  void InsertPoint();
  // The rows from the grid's top row to the last point, zeros shown too.
  void WriteRowsThroughMasks();
  void DeletePoint();
  void NewSet();
  void StoreFit();
  void ReportFault(const std::string& text);
  void FocusFault(const TestDataFault& fault);

  // One column of the grid.
  TextBox& Cell(Column column, int row) const;
  void CellClick();
  void CellGotFocus(Column column, int row);
  void CellKeyDown(Column column, int row, int keyCode);
  void CellLostFocus(Column column, int row);
  void StoreCount(double x);
  bool StoreHeaderValue(int index, double x);

  // The diagram's parts on the pane.
  void DiagramPreamble();
  void LayOutEditor();
  void DrawGridHeader(double fs);
  void PlaceReferenceLifeBox(Surface& pane, double labelEnd);
  void ShowReferenceLifeBox();
  // The point under (x, y) of the pane, or 0.
  int NearestPoint(float x, float y) const;
  bool OnPointColour(float x, float y) const;
};
