// The fatigue test data of a database set, by real input: the database
// opened for editing from its folder, a click on a set's cell, "&Test Data";
// for a new set, points typed into the grid, Fit, the set saved to a *.sft
// file and opened again, and OK that takes the fit into the set; for a set
// with test data on file, the count of test points typed and checked; a file
// whose first header text reads as the marker's, opened, saved and opened
// again; Alt+T is "&Test Data" on every press, beside the menu "Resul&ts".

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ui/problem_definition_panel.h"
#include "material/steel_sets.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "real_input/real_user.h"
#include "shell/ui/form_show.h"
#include "shell/ui/main_menus.h"
#include "support/fake_host.h"
#include "testdata/test_data_file.h"
#include "testdata/test_data_fixtures.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace real_input {
namespace {

// The database folder "materials" in `where`: the steels' batch of two
// complete sets. With `tests`, the second set has them as its test data, in
// the file "S235.sft" beside the database.
void WriteTwoSets(const std::filesystem::path& where, TestDataSet* tests = nullptr) {
  const std::filesystem::path folder = where / "materials";
  std::filesystem::create_directory(folder);
  if (tests) {
    FakeHost host;
    ASSERT_TRUE(WriteTestDataFile(*tests, (folder / "S235.sft").string(), host, "S235"));
  }
  WriteSteelsDatabase(folder, tests ? "S235" : "");
}

// "&Material Data...": to the database of the folder "materials", read, then
// edited; a click on the name cell of the set in `column` (from 0) marks
// it, and "&Test Data" can open its test data.
void MarkTheSet(RealProgram& p, int column) {
  User& user = p.user;
  FormMain& main = p.main;
  user.Click(main.problemDefinition().Cmd_analysis_next);
  DataServicePanel& ds = main.dataService();
  p.watchdog.Step("opening the database");
  user.Choose(main.menus().mnu_fatigue);
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  user.OpenFolder(ds.Dir1, "materials");
  ASSERT_EQ(std::filesystem::path(ds.Dir1.Path()), p.folder.path() / "materials");
  user.Click(ds.cmd_data_do);
  ASSERT_EQ(p.state.fatigueDbState.FatigueBatchCount, 1);
  user.Click(ds.chk_Edit_Dbase);
  user.Click(ds.cmd_data_do);
  FatigueDbPanel& db = main.fatigueDb();
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());

  p.watchdog.Step("marking the set");
  user.Click(db.Text2(column));
  EXPECT_EQ(p.state.fatigueDbState.MarkedFatigueSet, column);
  ASSERT_TRUE(db.cmd_fatigue_Db_Test.IsEnabledInForm());
}

// The set in `column` marked, and "&Test Data" clicked: its test data open
// in the editor, which takes the place of the main window.
void OpenTestData(RealProgram& p, int column) {
  ASSERT_NO_FATAL_FAILURE(MarkTheSet(p, column));
  p.user.Click(p.main.fatigueDb().cmd_fatigue_Db_Test);
  ASSERT_TRUE(p.main.formShow().Visible());
  EXPECT_FALSE(p.main.Visible());
}

// "O&pen" of the editor over a changed set: its question answered Yes and
// the set saved to `file` through the save dialog.
void SaveTheSetOnOpen(RealProgram& p, const std::string& file) {
  p.user.AnswerMessage("Yes");
  p.user.AnswerFileDialog(file);
  p.user.Click(p.main.formShow().testData().cmd_CLO_open);
  ASSERT_TRUE(p.user.AllAnswered());
  ASSERT_TRUE(std::filesystem::exists(file));
}

// "O&pen" of the editor: `file` opened through the open dialog.
void OpenTheFile(RealProgram& p, const std::string& file) {
  p.user.AnswerFileDialog(file);
  p.user.Click(p.main.formShow().testData().cmd_CLO_open);
  ASSERT_TRUE(p.user.AllAnswered());
}

TEST(TestDataRoad, TypedFittedSavedOpenedAndTakenIntoTheDatabase) {
  RealProgram p("test_data_road", [](const std::filesystem::path& folder) { WriteTwoSets(folder); });
  User& user = p.user;
  FormMain& main = p.main;
  const std::filesystem::path dbFolder = p.folder.path() / "materials";
  // The name cell of the next free set.
  ASSERT_NO_FATAL_FAILURE(OpenTestData(p, 2));
  FormShow& show = main.formShow();
  TestDataEditorPanel& ed = show.testData();
  FatigueDbPanel& db = main.fatigueDb();
  EXPECT_EQ(ed.cmd_CLO_OK.Caption(), "&OK");

  // The header and four points of a falling line, typed into the grid.
  p.watchdog.Step("typing the points");
  const char* header[] = {"4", "355", "510", "-1"};
  for (int i = 0; i < 4; ++i) user.Retype(ed.txt_points(i), header[i]);
  const char* points[][2] = {{"286", "1E+4"}, {"215", "1E+5"}, {"170", "1E+6"}, {"128", "1E+7"}};
  for (int r = 0; r < 4; ++r) {
    user.Retype(ed.txt_CLOx(r), points[r][0]);
    user.Retype(ed.txt_CLOn(r), points[r][1]);
  }
  user.Click(ed.txt_Name);
  EXPECT_EQ(p.state.testDataSet.TestPointCount, 4);
  EXPECT_EQ(p.state.testDataSet.TestStress[4], 128.0f);
  EXPECT_EQ(p.state.testDataSet.TestLife[4], 10000000);
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&Fit");
  user.Click(ed.cmd_CLO_OK);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  EXPECT_EQ(ed.cmd_CLO_OK.Caption(), "&OK");
  const float slope = p.state.testDataSet.TestFitSlope;
  EXPECT_LT(slope, 0.0f);

  // Open offers to save the changed set first: saved to a file, then opened.
  p.watchdog.Step("saving and opening the set");
  const std::string file = (p.folder.path() / "weld.sft").string();
  ASSERT_NO_FATAL_FAILURE(SaveTheSetOnOpen(p, file));
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text, "Save the current Test Data to file?");
  p.state.testDataSet.TestStress[1] = 0;  // what is read back comes from the file
  ASSERT_NO_FATAL_FAILURE(OpenTheFile(p, file));
  EXPECT_EQ(p.state.testDataSet.TestPointCount, 4);
  EXPECT_EQ(p.state.testDataSet.TestStress[1], 286.0f);
  EXPECT_EQ(ShownText(ed.txt_CLOx(0)), "286.00");

  // A cell of the grid brings the Fit back; then the name, and OK.
  p.watchdog.Step("fitting again and OK");
  user.Click(ed.txt_CLOx(0));
  user.Click(ed.txt_Name);
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&Fit");
  user.Click(ed.cmd_CLO_OK);
  EXPECT_EQ(p.state.testDataSet.TestFitSlope, slope);
  user.Retype(ed.txt_Name, "Weld_X");
  user.Click(ed.cmd_CLO_OK);
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(show.Visible());
  const FatigueDatabase& fdb = p.state.fatigueDatabase;
  EXPECT_EQ(fdb.FdbTestDataName[1][3], "Weld_X");
  EXPECT_NEAR(fdb.FdbM[1][3], -1 / slope, 1e-4);
  EXPECT_EQ(ShownText(db.Text2(2)), "Weld_X");
  EXPECT_TRUE(std::filesystem::exists(dbFolder / "Weld_X.sft"));
  EXPECT_EQ(user.Messages().size(), 1u);
}

// A set typed with a yield strength of 5 MPa and fitted: OK refuses to take
// it into the database, whose file would read that strength back as
// 0.6 x Su, and says why; the database and its folder stay as they were.
TEST(TestDataRoad, OKRefusesAYieldStrengthTheDatabaseCannotKeep) {
  RealProgram p("test_data_low_sy", [](const std::filesystem::path& folder) { WriteTwoSets(folder); });
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(OpenTestData(p, 2));
  TestDataEditorPanel& ed = p.main.formShow().testData();
  const char* header[] = {"2", "5", "510", "-1"};
  for (int i = 0; i < 4; ++i) user.Retype(ed.txt_points(i), header[i]);
  const char* points[][2] = {{"286", "1E+4"}, {"170", "1E+6"}};
  for (int r = 0; r < 2; ++r) {
    user.Retype(ed.txt_CLOx(r), points[r][0]);
    user.Retype(ed.txt_CLOn(r), points[r][1]);
  }
  user.Click(ed.txt_Name);
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&Fit");
  user.Click(ed.cmd_CLO_OK);
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  user.Retype(ed.txt_Name, "Weld_Y");
  const FatigueDatabase before = p.state.fatigueDatabase;
  user.AnswerMessage("OK");
  user.Click(ed.cmd_CLO_OK);
  ASSERT_TRUE(user.AllAnswered());
  ASSERT_EQ(user.Messages().size(), 1u);
  EXPECT_EQ(user.Messages()[0].text, "Sorry, Data Incorrect! (Sy < 10 MPa)");
  EXPECT_EQ(user.Messages()[0].title, " Yield Strength (Sy)");
  EXPECT_TRUE(p.main.formShow().Visible());
  EXPECT_TRUE(p.state.fatigueDatabase == before);
  EXPECT_FALSE(std::filesystem::exists(p.folder.path() / "materials" / "Weld_Y.sft"));
}

// A file whose first header text runs together to "*** TEST DATA ***" from
// two items: opened in the editor, a point changed and the set fitted, saved
// to another file before the next Open, and that file opened: it reads, with
// the same data.
TEST(TestDataRoad, AFileWhoseFirstHeaderReadsAsTheMarkerIsSavedSoThatItOpensAgain) {
  RealProgram p("test_data_marker_header", [](const std::filesystem::path& folder) {
    WriteTwoSets(folder);
    std::ofstream(folder / "marked.sft", std::ios::binary)
        << "\"*** TEST\",\" DATA ***\"\r\n\"*** TEST DATA ***\"\r\n3,355,510,-1\r\n\r\n"
           "\"h2\"\r\n\"h3\"\r\n\"h4\"\r\n\"h5\"\r\n"
           "300,20000,1\r\n250,150000,1\r\n200,1500000,1\r\n";
  });
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(OpenTestData(p, 2));
  TestDataEditorPanel& ed = p.main.formShow().testData();
  const TestDataSet& set = p.state.testDataSet;

  p.watchdog.Step("opening the file");
  ASSERT_NO_FATAL_FAILURE(OpenTheFile(p, (p.folder.path() / "marked.sft").string()));
  ASSERT_TRUE(user.Messages().empty()) << user.Messages()[0].text;
  ASSERT_EQ(set.TestPointCount, 3);
  EXPECT_EQ(set.TestHeaderLines[1], "*** TEST DATA ***");
  user.Retype(ed.txt_CLOx(0), "290");
  user.Click(ed.txt_Name);
  ASSERT_EQ(set.TestStress[1], 290.0f);
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&Fit");
  user.Click(ed.cmd_CLO_OK);
  ASSERT_EQ(ed.cmd_CLO_open.Caption(), "O&pen");

  p.watchdog.Step("saving it and opening the saved file");
  const std::string saved = (p.folder.path() / "saved.sft").string();
  ASSERT_NO_FATAL_FAILURE(SaveTheSetOnOpen(p, saved));
  const TestDataSet written = set;
  ASSERT_NO_FATAL_FAILURE(OpenTheFile(p, saved));
  ASSERT_EQ(user.Messages().size(), 1u) << user.Messages().back().text;
  EXPECT_EQ(user.Messages()[0].text, "Save the current Test Data to file?");
  EXPECT_EQ(set.TestDataName, "saved");
  EXPECT_EQ(set.TestHeaderLines, written.TestHeaderLines);
  EXPECT_EQ(set.TestPointCount, 3);
  EXPECT_EQ(set.TestStress, written.TestStress);
  EXPECT_EQ(set.TestLife, written.TestLife);
  EXPECT_EQ(ShownText(ed.txt_CLOx(0)), "290.00");
  EXPECT_EQ(ShownText(ed.txt_CLOx(2)), "200.00");
  EXPECT_EQ(ShownText(ed.txt_CLOn(2)), "1.500E+6");
}

// The count box of the test points checks the count as typed, before it
// makes it a whole count, and a count beyond every field by the bound it
// passes.
TEST(TestDataRoad, TheCountBoxChecksTheCountAsTyped) {
  RealProgram p("test_data_count", [](const std::filesystem::path& folder) {
    TestDataSet five = SetOf({{420, 12000}, {380, 25000}, {350, 41000}, {300, 98000}, {280, 150000}});
    WriteTwoSets(folder, &five);
  });
  User& user = p.user;
  ASSERT_NO_FATAL_FAILURE(OpenTestData(p, 1));
  TextBox& count = p.main.formShow().testData().txt_points(0);
  ASSERT_EQ(ShownText(count), "5");

  p.watchdog.Step("typing counts");
  const struct {
    const char* typed;
    const char* answer;
    const char* text;
    float count;
  } entries[] = {{"1.5", "OK", "Min. number of data points is 2!", 5},
                 {"1e39", "OK", "Max. number of data points is 51!", 5},
                 {"-1e39", "OK", "Min. number of data points is 2!", 5},
                 {"2.4", "Yes", "Delete the last  3 data points?", 2}};
  for (const auto& e : entries) {
    user.AnswerMessage(e.answer);
    user.Retype(count, e.typed);
    user.Key(Qt::Key_Tab);
    ASSERT_TRUE(user.AllAnswered()) << e.typed;
    const Shown m = user.Messages().back();
    EXPECT_EQ(m.text, e.text);
    EXPECT_EQ(m.title, "Number of Data Points");
    EXPECT_EQ(p.state.testDataSet.TestPointCount, e.count) << e.typed;
    EXPECT_EQ(count.Text(), e.count == 5 ? "5" : "2");
  }
}

// "&Test Data" and the menu title "Resul&ts" share the letter: every Alt+T
// opens the editor, also after Cancel brought the browser back.
TEST(TestDataRoad, AltTOpensTheTestDataOnEveryPress) {
  RealProgram p("test_data_alt_t", [](const std::filesystem::path& folder) {
    TestDataSet three = SetOf({{420, 12000}, {380, 25000}, {300, 98000}});
    WriteTwoSets(folder, &three);
  });
  User& user = p.user;
  FormMain& main = p.main;
  TestDataEditorPanel& ed = main.formShow().testData();
  ASSERT_NO_FATAL_FAILURE(MarkTheSet(p, 1));
  const size_t shownBefore = user.shown.size();
  for (int press = 1; press <= 3; ++press) {
    p.watchdog.Step("Alt+T, press " + std::to_string(press));
    user.Key(Qt::Key_T, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.formShow().Visible(); }, 2000)) << "press " << press;
    EXPECT_FALSE(main.Visible());
    user.Click(ed.cmd_CLO_canc);
    ASSERT_TRUE(main.Visible()) << "press " << press;
    ASSERT_TRUE(main.fatigueDb().cmd_fatigue_Db_Test.IsShowing());
  }
  EXPECT_EQ(user.shown.size(), shownBefore) << "a " << user.shown.back().kind << " came up";
}

}  // namespace
}  // namespace real_input
