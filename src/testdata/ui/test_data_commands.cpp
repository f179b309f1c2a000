// Opening the test data editor and its four buttons.

#include "material/fatigue_db_edit.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/material_commands.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/user_messages.h"
#include "testdata/sn_fit.h"
#include "testdata/test_data_edit.h"
#include "testdata/test_data_file.h"
#include "testdata/ui/test_data_captions.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

constexpr const char* kSaveFilter = "DUVAK Fatigue Test Data (*.sft)|*.sft";
constexpr const char* kOpenFilter = "DUVAK Fatigue Test Data (*.sft;*.SN1)|*.sft;*.SN1";
constexpr int kOverwritePromptNoReadOnly = 6;
constexpr const char* kPointsTitle = "Number of Data Points";
constexpr const char* kFileTitle = "Fatigue Test Data";
constexpr const char* kEditorTitle = "Crack Loading";
constexpr const char* kFitTitle = "Fatigue test data";

bool FromDatabase(const TestDataSet& set) { return set.TestDataFromDb.value_or(false); }

}  // namespace

void TestDataEditorPanel::SetScrollRange(bool resetValue, bool zeroWhenEmpty) {
  if (resetValue) scroll_CLO.SetValue(0);
  const int max = TestGridScrollMax(set().TestPointCount);
  scroll_CLO.SetMax(max);
  if (max == 0 && zeroWhenEmpty) scroll_CLO.SetValue(0);
}

void TestDataEditorPanel::OpenTestDataEditor() {
  TestDataSet& s = set();
  show.PrintDlg.initDir = main().dataService().Dir1.Path();
  show.PrintDlg.fileName.clear();
  show.mnu_prt.SetEnabled(false);
  if (!frm_diag2.Visible() && !FromDatabase(s)) {
    // The first opening on this window: an empty set in the command view.
    for (int i = 0; i <= 2; ++i) show.Res_probT(i).SetVisible(false);
    for (int i = 0; i <= 1; ++i) show.Res_prob(i).SetVisible(false);
    SetCommandCaptions();
    ShowEditor();
    s.TestGridTop = 1;
    SetScrollRange(true, false);
    DrawTestDataDiagram(pic_diag.surface());
    s.TestDataModified = 0;
    host().DoEvents();
    return;
  }
  if (FromDatabase(s)) {
    const FatigueDbState& st = state().fatigueDbState;
    const std::string& name =
        state().fatigueDatabase.FdbTestDataName[st.CurrentFatigueBatch][st.MarkedFatigueSet + 1];
    if (!ReadTestDataFile(s, PathInFolder(st.DatabaseDir, name + ".sft"), host())) return;
    SetCommandCaptions();
    s.TestGridTop = 1;
    SetScrollRange(true, false);
    FitTestDataSNCurve(s);
  } else {
    SetScrollRange(true, false);
    if (s.TestPointCount == 0) {
      DisableControl(cmd_CLO_open);
      DisableControl(cmd_CLO_Del);
      DisableControl(cmd_CLO_OK);
    }
    SetEditCaptions();
  }
  ShowEditor();
  DrawTestDataDiagram(pic_diag.surface());
}

void TestDataEditorPanel::cmd_CLO_canc_Click() {
  if (cmd_CLO_canc.Caption() == kCaptionClose) {
    cmd_CLO_Del.SetCaption(kCaptionNew);
    cmd_CLO_open.SetCaption(kCaptionOpen);
    cmd_CLO_canc.SetCaption(kCaptionCancel);
    EnableControl(cmd_CLO_Del);
    EnableControl(cmd_CLO_open);
    return;
  }
  TestDataSet& s = set();
  if (!FromDatabase(s) && s.TestDataModified == 1) s.TestDataModified = 0;
  ReturnToMainWindow();
  const FatigueDbState& st = state().fatigueDbState;
  ShowFatigueDbBatch(main(), st.CurrentFatigueBatch);
  SelectFatigueDbSet(main(), st.MarkedFatigueSet);
  const FatigueDbPanel& db = main().fatigueDb();
  if (db.Text2.Exists(st.MarkedFatigueSet)) db.Text2(st.MarkedFatigueSet).SetFocus();
  host().DoEvents();
}

void TestDataEditorPanel::cmd_CLO_Del_Click() {
  if (cmd_CLO_Del.Caption() == kCaptionDelete) DeletePoint();
  else NewSet();
}

void TestDataEditorPanel::DeletePoint() {
  TestDataSet& s = set();
  DisableControl(cmd_CLO_Del);
  DisableControl(cmd_CLO_open);
  if (s.TestPointCount < 3) {
    Message("Sorry, can't delete more data points...", MsgButtons::OKOnly, MsgIcon::Information, 1, kPointsTitle);
    return;
  }
  const int k = s.TestCurrentPoint;
  if (k < 1 || k > WholePointCount(s.TestPointCount)) return;
  if (Message("Do you want to delete data #" + NumberText(static_cast<int32_t>(k)), MsgButtons::OKCancel,
              MsgIcon::Exclamation, 2, "Delete data") == kAnswerCancel)
    return;
  DeleteTestPoint(s, k);
  txt_points(0).SetText(NumberText(s.TestPointCount));
  SetScrollRange(false, true);
  scroll_CLO_Change();
  if (ValidateTestData()) return;
  FitTestDataSNCurve(s);
  DrawTestDataDiagram(pic_diag.surface());
  if (s.TestPointCount == 2) DisableControl(cmd_CLO_Del);
  s.TestDataModified = 1;
  host().DoEvents();
}

void TestDataEditorPanel::NewSet() {
  TestDataSet& s = set();
  if (s.TestDataModified == 1) {
    const int answer = Message("Save the current Fatigue Test Data to file?", MsgButtons::YesNoCancel,
                               MsgIcon::Question, 2, kFileTitle);
    if (answer == kAnswerYes) SaveWithDialog();
    if (answer != kAnswerNo) return;
  }
  s.TestPointCount = 0;
  s.TestDataName = "Data_1";
  s.TestGridTop = 1;
  s.TestFitCoeff = 0;  // no fitted line of the set given up
  s.TestDataFromDb = false;
  OpenTestDataEditor();
  host().DoEvents();
}

void TestDataEditorPanel::SaveWithDialog() {
  FileDialogRequest& dlg = show.PrintDlg;
  dlg.filter = kSaveFilter;
  dlg.flags = kOverwritePromptNoReadOnly;
  dlg.fileName.clear();
  const std::string chosen = host().ShowSave(dlg);
  if (!chosen.empty()) WriteTestDataFile(set(), chosen, host(), frm_diag.Caption());
}

void TestDataEditorPanel::cmd_CLO_OK_Click() {
  TestDataSet& s = set();
  if (cmd_CLO_OK.Caption() != kCaptionFit) {
    StoreFit();
    return;
  }
  if (ValidateTestData()) return;
  FitTestDataSNCurve(s);
  DrawTestDataDiagram(pic_diag.surface());
  if (s.TestFitSlope < 0 && s.TestFitCoeff > 0) SetCommandCaptions();
}

void TestDataEditorPanel::StoreFit() {
  ProgramState& st = state();
  TestDataSet& s = set();
  const std::string name = txt_Name.Text();
  if (!FromDatabase(s) && TestDataNameTaken(st.fatigueDatabase, st.fatigueDbState.FatigueBatchCount, name)) {
    Message("Sorry, Can't save the data...\rPlease change the Data Name", MsgButtons::OKOnly, MsgIcon::Information,
            1, kEditorTitle);
    txt_Name.SetFocus();
    return;
  }
  if (!TestFitStorable(s)) {
    Message(kDataIncorrect, MsgButtons::OKOnly, MsgIcon::Critical, 1, kFitTitle);
    return;
  }
  // The set's yield strength goes into the database, whose file keeps it
  // only within its bounds.
  if (const std::string reason = FatigueDbYieldStrengthRefusal(s.TestSy); !reason.empty()) {
    Message(DataIncorrectText(reason), MsgButtons::OKOnly, MsgIcon::Critical, 1, FatigueDbCellTitle(FdbRow::Sy));
    txt_points(1).SetFocus();
    return;
  }
  if (!WriteTestDataFile(s, PathInFolder(st.fatigueDbState.DatabaseDir, name + ".sft"), host(), frm_diag.Caption()))
    return;
  StoreTestDataFit(st, name);
  FatigueDbPanel& db = main().fatigueDb();
  ShowFatigueDbBatch(main(), st.fatigueDbState.CurrentFatigueBatch);
  db.cmd_Fatigue_Db_Cancel.SetCaption("E&xit");
  DisableControl(db.cmd_fatigue_Db_Test);
  ReturnToMainWindow();
  host().DoEvents();
}

void TestDataEditorPanel::cmd_CLO_open_Click() {
  const std::string& caption = cmd_CLO_open.Caption();
  if (caption == kCaptionOpen) OpenTestDataFile();
  else if (caption == kCaptionInsert) InsertPoint();
}

void TestDataEditorPanel::OpenTestDataFile() {
  TestDataSet& s = set();
  if (s.TestPointCount > 0 && s.TestDataModified == 1) {
    BeepIfEnabled(state().shellState, host());
    const int answer =
        Message("Save the current Test Data to file?", MsgButtons::YesNoCancel, MsgIcon::Question, 2, kFileTitle);
    if (answer == kAnswerYes) SaveWithDialog();
    if (answer != kAnswerNo) return;
  }
  FileDialogRequest& dlg = show.PrintDlg;
  dlg.filter = kOpenFilter;
  dlg.initDir = main().dataService().Dir1.Path();
  dlg.fileName.clear();
  const std::string chosen = host().ShowOpen(dlg);
  if (chosen.empty()) return;
  if (!IsOldTestDataFile(chosen) && !ReadTestDataFile(s, chosen, host())) return;
  s.TestFitCoeff = 0;
  s.TestDiagramZoom = 0;
  if (s.TestPointCount == 0) return;
  for (int i = 0; i <= 2; ++i) show.Res_probT(i).SetVisible(false);
  for (int i = 0; i <= 1; ++i) show.Res_prob(i).SetVisible(false);
  DisableControl(cmd_CLO_Del);
  DisableControl(cmd_CLO_OK);
  DisableControl(cmd_CLO_open);
  SetEditCaptions();
  ShowEditor();
  s.TestGridTop = 1;
  SetScrollRange(true, false);
  DrawTestDataDiagram(pic_diag.surface());
  txt_CLOx(0).SetFocus();
  s.TestDataModified = 0;
  host().DoEvents();
}

void TestDataEditorPanel::InsertPoint() {
  TestDataSet& s = set();
  if (s.TestPointCount == kTestPointMax) {
    BeepIfEnabled(state().shellState, host());
    Message("Sorry, Can't edit more than 51 Data Points...", MsgButtons::OKOnly, MsgIcon::Information, 1,
            kEditorTitle);
    return;
  }
  const int k = s.TestCurrentPoint;
  if (k < 1 || k > WholePointCount(s.TestPointCount)) return;
  InsertTestPoint(s, k);
  if (k != 1) DisableControl(cmd_CLO_OK);
  txt_points(0).SetText(NumberText(s.TestPointCount));
  SetScrollRange(false, true);
  scroll_CLO_Change();
  WriteRowsThroughMasks();
  const int row = k - s.TestGridTop;
  if (row >= 0 && row <= 9) txt_CLOx(row).SetFocus();
  s.TestDataModified = 1;
}
