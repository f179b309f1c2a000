// The test point grid, the header boxes, the name box and the check of the set.

#include <cfloat>
#include <cmath>

#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/user_messages.h"
#include "testdata/test_data_checks.h"
#include "testdata/test_data_edit.h"
#include "testdata/test_diagram_geometry.h"
#include "testdata/ui/test_data_captions.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

constexpr int32_t kFocusColour = 4095;  // red 255, green 15
constexpr int32_t kTextColour = 0;
constexpr int32_t kCellColour = 0xFFFFFF;
constexpr int kRows = 10;
constexpr const char* kPointsTitle = "Number of Data Points";

// A typed stress in display units, in MPa; false when it does not fit a Single.
bool StressFromText(const std::string& text, float factor, float& stress) {
  const std::optional<float> v = TypedSingle(text);
  if (!v) return false;
  const double mpa = static_cast<double>(*v) / factor;
  if (!(std::fabs(mpa) <= FLT_MAX)) return false;
  stress = Sng(mpa);
  return true;
}

// A typed life, through single precision, rounded; false beyond 32 bits.
bool LifeFromText(const std::string& text, int32_t& life) {
  const std::optional<float> v = TypedSingle(text);
  return v && TryCLng(*v, life);
}

std::string StressText(float stress, float factor) {
  return stress > 0 ? Format(DisplayedStress(stress, factor), kStressCellMask) : "";
}
std::string LifeText(int32_t life) { return life >= 1 ? Format(life, kLifeCellMask) : ""; }

}  // namespace

TextBox& TestDataEditorPanel::Cell(Column column, int row) const {
  return column == Column::Stress ? txt_CLOx(row) : txt_CLOn(row);
}

void TestDataEditorPanel::scroll_CLO_Change() {
  TestDataSet& s = set();
  const float f = state().unitSettings.StressUnitFactor;
  const int top = scroll_CLO.Value() + 1;
  for (int r = 0; r < kRows; ++r) {
    const int k = top + r;
    lbl_CLOn(r).SetCaption(NumberText(static_cast<int32_t>(k)));
    const bool inData = k <= kTestPointMax;
    txt_CLOx(r).SetText(inData ? StressText(s.TestStress[k], f) : "");
    txt_CLOn(r).SetText(inData ? LifeText(s.TestLife[k]) : "");
    const bool withinCount = static_cast<float>(r) < s.TestPointCount;
    for (TextBox* cell : {&txt_CLOx(r), &txt_CLOn(r)}) {
      cell->SetBackColor(withinCount ? kCellColour : kColourButtonFace);
      cell->SetLocked(!withinCount);
      cell->SetEnabled(withinCount);
      if (!withinCount) cell->SetText("");
    }
  }
  s.TestGridTop = static_cast<int16_t>(top);
}

void TestDataEditorPanel::CellClick() {
  EnableControl(cmd_CLO_Del);
  EnableControl(cmd_CLO_open);
  SetEditCaptions();
  state().fatigueDbState.FatigueDbModified = 1;
}

void TestDataEditorPanel::txt_CLOx_Click(int) { CellClick(); }
void TestDataEditorPanel::txt_CLOn_Click(int) { CellClick(); }

void TestDataEditorPanel::CellGotFocus(Column column, int row) {
  TestDataSet& s = set();
  if (s.TestPointCount < kTestPointMax) EnableControl(cmd_CLO_open);
  if (s.TestPointCount > 2) EnableControl(cmd_CLO_Del);
  Cell(column, row).SetForeColor(kFocusColour);
  s.TestCurrentPoint = static_cast<int16_t>(row + s.TestGridTop);
  s.TestDataModified = 1;
}

void TestDataEditorPanel::txt_CLOx_GotFocus(int index) { CellGotFocus(Column::Stress, index); }
void TestDataEditorPanel::txt_CLOn_GotFocus(int index) { CellGotFocus(Column::Life, index); }

void TestDataEditorPanel::CellKeyDown(Column column, int row, int keyCode) {
  const TestDataSet& s = set();
  if (keyCode == kKeyUp) {
    if (row >= 1) {
      Cell(column, row - 1).SetFocus();
      return;
    }
    CellLostFocus(column, row);
    if (scroll_CLO.Value() > 0) scroll_CLO.SetValue(scroll_CLO.Value() - 1);
    CellGotFocus(column, row);
  } else if (keyCode == kKeyDown) {
    if (row < kRows - 1 && static_cast<float>(row) < s.TestPointCount - 1) {
      Cell(column, row + 1).SetFocus();
      return;
    }
    CellLostFocus(column, row);
    if (scroll_CLO.Value() < scroll_CLO.Max()) scroll_CLO.SetValue(scroll_CLO.Value() + 1);
    CellGotFocus(column, row);
  }
}

void TestDataEditorPanel::txt_CLOx_KeyDown(int index, int keyCode, int) { CellKeyDown(Column::Stress, index, keyCode); }
void TestDataEditorPanel::txt_CLOn_KeyDown(int index, int keyCode, int) { CellKeyDown(Column::Life, index, keyCode); }

void TestDataEditorPanel::CellLostFocus(Column column, int row) {
  TestDataSet& s = set();
  TextBox& cell = Cell(column, row);
  const float f = state().unitSettings.StressUnitFactor;
  const int k = row + s.TestGridTop;
  if (k < 1 || k > kTestPointMax) return;
  cell.SetForeColor(kTextColour);
  const std::string typed = cell.Text();
  float stress = 0;
  int32_t life = 0;
  const bool fits = column == Column::Stress ? StressFromText(typed, f, stress) : LifeFromText(typed, life);
  if (!fits) {
    // A value beyond its field: refused, the point keeps its value.
    Message(kDataIncorrect, MsgButtons::OKOnly, MsgIcon::Critical, 1, typed);
    cell.SetText(column == Column::Stress ? StressText(s.TestStress[k], f) : LifeText(s.TestLife[k]));
    return;
  }
  if (column == Column::Stress) {
    cell.SetText(Format(TypedSingle(typed).value_or(0.0f), kStressCellMask));
    s.TestStress[k] = stress;
  } else {
    cell.SetText(Format(TypedSingle(typed).value_or(0.0f), kLifeCellMask));
    s.TestLife[k] = life;
  }
  s.TestDataModified = 1;
  CountValidTestPoints();
}

void TestDataEditorPanel::txt_CLOx_LostFocus(int index) { CellLostFocus(Column::Stress, index); }
void TestDataEditorPanel::txt_CLOn_LostFocus(int index) { CellLostFocus(Column::Life, index); }

void TestDataEditorPanel::CountValidTestPoints() {
  if (TestPointsComplete(set())) EnableControl(cmd_CLO_OK);
}

void TestDataEditorPanel::txt_Name_GotFocus() { txt_Name.SetForeColor(kFocusColour); }

void TestDataEditorPanel::txt_Name_KeyDown(int keyCode, int) {
  if (keyCode == kKeyUp) txt_points(2).SetFocus();
  else if (keyCode == kKeyDown) txt_points(0).SetFocus();
}

void TestDataEditorPanel::txt_Name_LostFocus() {
  TestDataSet& s = set();
  if (!txt_Name.Text().empty()) s.TestDataName = StorableText(txt_Name.Text());  // as the database's files keep it
  txt_Name.SetText(s.TestDataName);
  txt_Name.SetForeColor(kTextColour);
}

void TestDataEditorPanel::txt_points_GotFocus(int index) {
  txt_points(index).SetForeColor(kFocusColour);
  if (cmd_CLO_Del.Caption() == kCaptionDelete) {
    DisableControl(cmd_CLO_open);
    DisableControl(cmd_CLO_Del);
  }
}

void TestDataEditorPanel::txt_points_KeyDown(int index, int keyCode, int) {
  if (keyCode == kKeyUp) {
    if (index == 0) txt_Name.SetFocus();
    else txt_points(index - 1).SetFocus();
  } else if (keyCode == kKeyDown) {
    if (index <= 1) txt_points(index + 1).SetFocus();
    else txt_Name.SetFocus();
  }
}

// The typed count is checked as typed (beyond the Double range infinite, too
// small for it NaN); the count stored is the whole number nearest to it.
void TestDataEditorPanel::StoreCount(double typed) {
  TestDataSet& s = set();
  TextBox& box = txt_points(0);
  if (typed > kTestPointMax) {
    Message("Max. number of data points is 51!", MsgButtons::OKOnly, MsgIcon::Information, 1, kPointsTitle);
    box.SetText(NumberText(s.TestPointCount));
    return;
  }
  const double n = std::nearbyint(typed);  // halves to even: 2 .. 51 once the bounds are passed
  const bool tooFew = !(typed >= 2);
  if (!tooFew && n >= s.TestPointCount) {
    s.TestPointCount = Sng(n);
    SetScrollRange(false, true);
    scroll_CLO_Change();
    DisableControl(cmd_CLO_OK);
    return;
  }
  if (tooFew) {
    Message("Min. number of data points is 2!", MsgButtons::OKOnly, MsgIcon::Information, 1, kPointsTitle);
    box.SetText(NumberText(s.TestPointCount));
  } else {
    RaiseSecondWindow();
    BeepIfEnabled(state().shellState, host());
    const std::string question = "Delete the last " + StrDouble(s.TestPointCount - n) + " data points?";
    if (host().MsgBox(question, MsgButtons::YesNo, MsgIcon::Question, 1, kPointsTitle) == kAnswerYes)
      s.TestPointCount = Sng(n);
    box.SetText(NumberText(s.TestPointCount));
    SetScrollRange(false, true);
    scroll_CLO_Change();
  }
  const int row = s.TestPointCount <= 9 ? WholePointCount(s.TestPointCount) - 1 : kRows - 1;
  if (row >= 0) {
    txt_CLOx(row).SetFocus();
    CellGotFocus(Column::Stress, row);
  }
}

bool TestDataEditorPanel::StoreHeaderValue(int index, double x) {
  TestDataSet& s = set();
  const std::optional<float> value = SingleOf(index == 3 ? x : x / state().unitSettings.StressUnitFactor);
  if (!value) return false;
  float& field = index == 1 ? s.TestSy : index == 2 ? s.TestSu : s.TestStressRatio;
  field = *value;
  return true;
}

void TestDataEditorPanel::txt_points_LostFocus(int index) {
  TestDataSet& s = set();
  TextBox& box = txt_points(index);
  // The count takes a number beyond the Double range as the bound it passes;
  // a header value that no Single holds is refused.
  const double x = BoxDouble(box.Text());
  if (index == 0) {
    StoreCount(x);
  } else if (!StoreHeaderValue(index, x)) {
    Message(kDataIncorrect, MsgButtons::OKOnly, MsgIcon::Critical, 1, box.Text());
    return;
  }
  box.SetForeColor(kTextColour);
  if (s.TestSy > 0 && s.TestSu > 0) scroll_CLO_Change();
  state().fatigueDbState.FatigueDbModified = 1;
}

void TestDataEditorPanel::ReportFault(const std::string& text) {
  Message(text, MsgButtons::OKOnly, MsgIcon::Critical, 1, frm_diag.Caption());
}

bool TestDataEditorPanel::ValidateTestData() {
  using Field = TestDataFault::Field;
  const TestDataFault fault = FindTestDataFault(set());
  switch (fault.field) {
    case Field::YieldStrength:
      ReportFault("Sorry, value of Yield Strength is incorrect");
      txt_points(1).SetFocus();
      return true;
    case Field::UltimateStrength:
      ReportFault("Sorry, value of Ultimate Strength is incorrect");
      txt_points(2).SetFocus();
      return true;
    case Field::StressRatio:
      ReportFault("Sorry, value of Stress Ratio is incorrect");
      txt_points(3).SetFocus();
      return true;
    case Field::Point:
    case Field::None:
      break;
  }
  const std::string first = "Sorry, Data # " + NumberText(static_cast<int32_t>(fault.point)) + " is incorrect\r";
  if (fault.stress) ReportFault(first + "Stress must be greater than 0.");
  if (fault.life) ReportFault(first + "Life must be greater than 1 rev.");
  FocusFault(fault);
  return fault.field == Field::Point;
}

// Scrolls the checked points into view as the check goes down the grid, and
// puts the focus on the faulty cell.
void TestDataEditorPanel::FocusFault(const TestDataFault& fault) {
  const int i = fault.point;
  if (i < 1) return;
  if (i - 1 - scroll_CLO.Value() > kRows - 1) scroll_CLO.SetValue(i - kRows);
  if (fault.field != TestDataFault::Field::Point) return;
  if (i - 1 < scroll_CLO.Value()) scroll_CLO.SetValue(i - 1);  // a faulty point above the rows shown
  const int row = i - 1 - scroll_CLO.Value();
  Cell(fault.life ? Column::Life : Column::Stress, row).SetFocus();
}
