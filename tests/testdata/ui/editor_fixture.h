#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "material/fatigue_db_records.h"
#include "material/steel_sets.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"
#include "testdata/test_data_file.h"
#include "testdata/test_data_fixtures.h"
#include "testdata/ui/test_data_editor_panel.h"
#include "testdata/ui/test_data_services.h"

// The program started (warranty accepted) in a fresh current folder, with a
// database of one batch of two sets opened for editing there; the set after
// the last is marked.
class EditorUi : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"test_data_editor"};
  Program program;
  ProgramState& state = program.state;
  FakeHost& host = program.host;
  FormMain& main = program.main;
  FormShow& show = main.formShow();
  TestDataEditorPanel& ed = show.testData();
  TestDataSet& set = state.testDataSet;

  EditorUi() {
    host.messages.clear();
    FatigueDbState& st = state.fatigueDbState;
    st.DatabaseDir = folder.path().string();
    st.DbEditStarted = true;
    st.FatigueBatchCount = 1;
    st.CurrentFatigueBatch = 1;
    st.MarkedFatigueSet = 2;
    FatigueDatabase& db = state.fatigueDatabase;
    db.FdbBatchName[1] = "Steels";
    db.FdbSetCount[1] = 2;
    PutSteelSet(db, 1, 1, "S355", 100, 5);
    PutSteelSet(db, 1, 2, "Weld_B", 100, 5);
    db.FdbTestDataName[1][2] = "Weld_B";
  }

  // The "&Test Data" button for the marked set.
  void TestData() { cmd_fatigue_Db_Test_Click(main); }

  // Opens `values` as the test data of the second set (its file "Weld_B.sft").
  void OpenWith(TestDataSet values) {
    ASSERT_TRUE(WriteTestDataFile(values, PathInFolder(folder.path().string(), "Weld_B.sft"), host, "x"));
    state.fatigueDbState.MarkedFatigueSet = 1;
    TestData();
    ASSERT_TRUE(show.Visible()) << host.Transcript();
  }

  // The four buttons' captions: Delete/New, Fit/OK, Close/Cancel, Insert/Open.
  std::array<std::string, 4> Captions() const {
    return {ed.cmd_CLO_Del.Caption(), ed.cmd_CLO_OK.Caption(), ed.cmd_CLO_canc.Caption(), ed.cmd_CLO_open.Caption()};
  }
  static std::array<std::string, 4> CommandSet() { return {"&New", "&OK", "&Cancel", "O&pen"}; }
  static std::array<std::string, 4> EditSet() { return {"&Delete", "&Fit", "&Close", "&Insert"}; }

  // Opens a new set on the marked set and types a count, the strengths, R
  // and up to ten points through the boxes and cells, as a user does.
  void TypeNewSet(const TestDataSet& values) {
    TestData();
    const int n = static_cast<int>(values.TestPointCount);
    ASSERT_LE(n, 10);
    Enter(ed.txt_points(0), std::to_string(n));
    Enter(ed.txt_points(1), "355");
    Enter(ed.txt_points(2), "510");
    Enter(ed.txt_points(3), "-1");
    for (int k = 1; k <= n; ++k) {
      const int r = k - 1;
      Press(ed.txt_CLOx(r));
      ed.txt_CLOx(r).typeText(NumberText(values.TestStress[k]));
      Press(ed.txt_CLOn(r));
      ed.txt_CLOn(r).typeText(NumberText(values.TestLife[k]));
      ed.txt_CLOn(r).leave();
    }
  }
};
