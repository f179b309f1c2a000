// The editor's way in, its two caption sets and the commands behind them.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "material/ui/fatigue_db_panel.h"
#include "platform/runtime/sng.h"
#include "testdata/sn_fit.h"
#include "testdata/test_data_file.h"
#include "testdata/ui/editor_fixture.h"

namespace {

using EditorCommands = EditorUi;

TEST_F(EditorCommands, ANewSetOpensInTheCommandViewAndLeavesByCancel) {
  TestData();
  EXPECT_TRUE(show.Visible());
  EXPECT_FALSE(main.Visible());
  EXPECT_EQ(Captions(), CommandSet());
  EXPECT_TRUE(ed.frm_diag2.Visible());
  EXPECT_FALSE(show.pic_master.Visible());
  EXPECT_EQ(ed.frm_diag.Caption(), "Fatigue Test Data");
  EXPECT_EQ(state.shellState.SecondWindowView, second_window_view::kTestData);
  EXPECT_TRUE(show.pop_aNK(0).Checked());
  EXPECT_EQ(set.TestDataName, "Data_1");
  EXPECT_EQ(set.TestRefLife, 2000000);
  EXPECT_EQ(ed.txt_Name.Text(), "Data_1");
  EXPECT_EQ(ed.txt_points(0).Text(), "0");
  EXPECT_EQ(state.fatigueDatabase.FdbSeCov[1][3], 0.1f);
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();

  Press(ed.cmd_CLO_canc);
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(show.Visible());

  // The panel is up (visible) from the first opening: the next opening
  // starts in the edit view with nothing to delete, insert or fit.
  TestData();
  EXPECT_EQ(Captions(), EditSet());
  EXPECT_FALSE(ed.cmd_CLO_open.Enabled());
  EXPECT_FALSE(ed.cmd_CLO_Del.Enabled());
  EXPECT_FALSE(ed.cmd_CLO_OK.Enabled());
}

TEST_F(EditorCommands, ASetWithTestDataReadsItsFileFitsAndDraws) {
  TestDataSet file = WeldSeries();
  ASSERT_TRUE(WriteTestDataFile(file, PathInFolder(folder.path().string(), "Weld_B.sft"), host, "x"));
  state.fatigueDbState.MarkedFatigueSet = 1;
  state.fatigueDatabase.FdbNo[1][2] = 10000000;
  TestData();
  EXPECT_TRUE(show.Visible());
  EXPECT_EQ(Captions(), CommandSet());
  EXPECT_EQ(set.TestDataName, "Weld_B");
  EXPECT_EQ(set.TestPointCount, 8);
  EXPECT_EQ(set.TestRefLife, 1e7f);
  EXPECT_TRUE(set.TestDataFromDb.value_or(false));
  EXPECT_NEAR(set.TestFitSe, 155.859, 0.001);
  EXPECT_TRUE(show.Res_probT(3).Visible()) << "the reference life box beside its label";
  EXPECT_EQ(show.Res_probT(3).Text(), "1.0E+7 ");
  EXPECT_EQ(ed.txt_CLOx(0).Text(), "420.00");
  EXPECT_EQ(ed.txt_CLOn(7).Text(), "1.500E+6");
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

TEST_F(EditorCommands, ASetWithTestDataOpensOnlyAfterTheDatabaseWasOpenedForEditing) {
  state.fatigueDbState.MarkedFatigueSet = 1;
  state.fatigueDbState.DbEditStarted = false;
  TestData();
  EXPECT_FALSE(show.Visible());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(set.TestDataName, "");

  // Opened for editing but the file is missing: the message, no editor.
  state.fatigueDbState.DbEditStarted = true;
  TestData();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The Data is corrupted!");
  EXPECT_FALSE(show.Visible());
  EXPECT_EQ(set.TestPointCount, 0);
}

TEST_F(EditorCommands, AbandoningAnUnfinishedSetAnsweredNoChangesNothing) {
  // An unfinished third set: the browser asks before a new set replaces it.
  state.fatigueDatabase.FdbSetName[1][3] = "Half";
  state.fatigueDatabase.FdbSe[1][3] = 50;
  const FatigueDatabase before = state.fatigueDatabase;
  host.QueueAnswer(kAnswerNo);
  TestData();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Wuold you like to abandon the new data set?");
  EXPECT_FALSE(show.Visible());
  EXPECT_EQ(state.fatigueDatabase, before);
}

TEST_F(EditorCommands, TypedSetFitsAndGoesIntoTheDatabaseWithOK) {
  // S = 1000 N^-0.1: m = 10.
  TypeNewSet(SetOf({{Sng(1000 * std::pow(1e3, -0.1)), 1000},
                    {Sng(1000 * std::pow(1e4, -0.1)), 10000},
                    {Sng(1000 * std::pow(1e5, -0.1)), 100000}}));
  EXPECT_EQ(Captions(), EditSet()) << "a cell click gives the edit set";
  ASSERT_TRUE(ed.cmd_CLO_OK.Enabled()) << "every point is complete";
  Press(ed.cmd_CLO_OK);  // Fit
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(Captions(), CommandSet()) << "a falling line gives OK back";
  Enter(ed.txt_Name, "Weld_C");
  EXPECT_EQ(set.TestDataName, "Weld_C");
  Press(ed.cmd_CLO_OK);  // OK
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(show.Visible());
  const FatigueDatabase& db = state.fatigueDatabase;
  EXPECT_EQ(db.FdbSetName[1][3], "Weld_C");
  EXPECT_EQ(db.FdbTestDataName[1][3], "Weld_C");
  EXPECT_NEAR(db.FdbM[1][3], 10, 1e-3);
  EXPECT_EQ(db.FdbNo[1][3], 2000000);
  EXPECT_NEAR(db.FdbSe[1][3], 1000 * std::pow(2e6, -0.1), 0.01);
  EXPECT_EQ(db.FdbSetCount[1], 3) << "the set after the last is counted";
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 1);
  EXPECT_EQ(main.fatigueDb().cmd_Fatigue_Db_Cancel.Caption(), "E&xit");
  EXPECT_FALSE(main.fatigueDb().cmd_fatigue_Db_Test.Enabled());
  EXPECT_EQ(folder.Read("Weld_C.sft").substr(0, 4), "\"\"\r\n");
  EXPECT_EQ(set.TestDataModified, 0);
}

TEST_F(EditorCommands, OKRefusesATakenNameAndAFitThatCannotBeStored) {
  TypeNewSet(WeldSeries());
  Press(ed.cmd_CLO_OK);  // Fit
  ASSERT_EQ(Captions(), CommandSet());
  Enter(ed.txt_Name, "Weld_B");  // the test data of set 2
  const FatigueDatabase before = state.fatigueDatabase;
  Press(ed.cmd_CLO_OK);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Can't save the data...\rPlease change the Data Name");
  EXPECT_EQ(host.messages[0].title, "Crack Loading");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
  EXPECT_TRUE(ed.txt_Name.HasFocus());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Weld_B.sft"));
  EXPECT_TRUE(show.Visible());

  // A rising line (a pane click can leave one behind "&OK"): refused.
  host.messages.clear();
  Enter(ed.txt_Name, "Weld_D");
  set.TestFitSlope = 0.05f;
  Press(ed.cmd_CLO_OK);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect!");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
  // A reference life beyond 32 bits: refused too.
  set.TestFitSlope = -0.1f;
  set.TestRefLife = 5e9f;
  Press(ed.cmd_CLO_OK);
  EXPECT_EQ(host.messages.size(), 2u);
  // A yield strength that the database file cannot keep (it reads one below
  // 10 MPa back as 0.6 x Su): refused with the bound.
  set.TestRefLife = 2e6f;
  set.TestSy = 9.5f;
  Press(ed.cmd_CLO_OK);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[2].text, "Sorry, Data Incorrect! (Sy < 10 MPa)");
  EXPECT_EQ(host.messages[2].title, " Yield Strength (Sy)");
  EXPECT_TRUE(ed.txt_points(1).HasFocus());
  EXPECT_EQ(state.fatigueDatabase, before);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Weld_D.sft"));
}

TEST_F(EditorCommands, OKOfANewSetWithoutAFitIsRefused) {
  set.TestFitCoeff = 1643;  // the fit of a set edited before
  set.TestFitSlope = -0.15f;
  TestData();
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&OK");
  const FatigueDatabase before = state.fatigueDatabase;
  Press(ed.cmd_CLO_OK);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Sorry, Data Incorrect!");
  EXPECT_EQ(state.fatigueDatabase, before);
}

TEST_F(EditorCommands, CloseKeepsFitAndNewAsksToSaveAModifiedSet) {
  TypeNewSet(WeldSeries());
  Press(ed.cmd_CLO_canc);  // Close
  EXPECT_EQ(Captions(), (std::array<std::string, 4>{"&New", "&Fit", "&Cancel", "O&pen"}));
  EXPECT_TRUE(ed.cmd_CLO_Del.Enabled());
  EXPECT_TRUE(ed.cmd_CLO_open.Enabled());
  Press(ed.cmd_CLO_OK);  // still Fit
  EXPECT_GT(set.TestFitCoeff, 0);
  EXPECT_EQ(Captions(), CommandSet());

  // New on a modified set: Yes saves through the dialog and keeps the set.
  ASSERT_EQ(set.TestDataModified, 1);
  host.QueueAnswer(kAnswerYes);
  host.saveAnswers.push_back((folder.path() / "kept.sft").string());
  Press(ed.cmd_CLO_Del);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Save the current Fatigue Test Data to file?");
  EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(host.messages[0].defaultButton, 2);
  EXPECT_EQ(host.saveRequests.at(0).filter, "DUVAK Fatigue Test Data (*.sft)|*.sft");
  EXPECT_EQ(host.saveRequests.at(0).flags, 6);
  EXPECT_EQ(set.TestPointCount, 8);
  EXPECT_EQ(set.TestDataModified, 0);
  EXPECT_FALSE(folder.Read("kept.sft").empty());

  // A second New starts "Data_1" without points.
  Press(ed.cmd_CLO_Del);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(set.TestPointCount, 0);
  EXPECT_EQ(set.TestDataName, "Data_1");
  EXPECT_EQ(Captions(), EditSet());
  EXPECT_FALSE(ed.cmd_CLO_Del.Enabled());
  EXPECT_FALSE(ed.cmd_CLO_open.Enabled());
  EXPECT_FALSE(ed.cmd_CLO_OK.Enabled());
  EXPECT_FALSE(ed.txt_CLOx(0).Enabled()) << "no row within the count";
}

TEST_F(EditorCommands, OpenReadsAChosenFileAndLeavesTheSetOnAFailedRead) {
  TestDataSet file = WeldSeries();
  file.TestHeaderLines[1] = "From a file";
  ASSERT_TRUE(WriteTestDataFile(file, (folder.path() / "series.sft").string(), host, "x"));
  TestData();
  host.openAnswers.push_back((folder.path() / "series.sft").string());
  Press(ed.cmd_CLO_open);
  EXPECT_EQ(host.openRequests.at(0).filter, "DUVAK Fatigue Test Data (*.sft;*.SN1)|*.sft;*.SN1");
  EXPECT_EQ(set.TestDataName, "series");
  EXPECT_EQ(set.TestPointCount, 8);
  EXPECT_EQ(Captions(), EditSet());
  EXPECT_EQ(set.TestFitCoeff, 0);
  EXPECT_TRUE(ed.txt_CLOx(0).HasFocus());
  EXPECT_EQ(set.TestDataModified, 0);

  // A corrupt file: the message, and the set, its fit and zoom as they were.
  FitTestDataSNCurve(set);
  set.TestDiagramZoom = 1;
  const TestDataSet before = set;
  folder.Write("bad.sft", "\"\"\r\n\"*** TEST DATA ***\"\r\n0,1,2,0\r\n");
  host.openAnswers.push_back((folder.path() / "bad.sft").string());
  Press(ed.cmd_CLO_canc);  // Close: Open comes back; leaving the cell marks the set changed
  host.QueueAnswer(kAnswerNo);
  Press(ed.cmd_CLO_open);
  ASSERT_EQ(host.messages.size(), 2u) << host.Transcript();
  EXPECT_EQ(host.messages[0].text, "Save the current Test Data to file?");
  EXPECT_EQ(host.beeps, 1) << "the question beeps first";
  host.messages.erase(host.messages.begin());
  EXPECT_EQ(host.messages[0].text, "The Data is corrupted!");
  EXPECT_EQ(set.TestPointCount, before.TestPointCount);
  EXPECT_EQ(set.TestFitCoeff, before.TestFitCoeff);
  EXPECT_EQ(set.TestDiagramZoom, 1);

  // A *.SN1 file is not read: the points in memory, no fitted line.
  host.messages.clear();
  host.openAnswers.push_back((folder.path() / "old.SN1").string());
  Press(ed.cmd_CLO_open);
  ASSERT_EQ(host.messages.size(), 1u) << "only the question: nothing is read";
  EXPECT_EQ(set.TestPointCount, 8);
  EXPECT_EQ(set.TestFitCoeff, 0);
  EXPECT_EQ(Captions(), EditSet());
}

}  // namespace
