// The whole program driven as a user drives it: started through its start-up
// (warranty accepted), then led through the menus, the step buttons and the
// boxes only where a user can reach them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "component/ui/data_box_panel.h"
#include "engine/ui/problem_definition_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/steel_sets.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/surface.h"
#include "program_state.h"
#include "shell/ui/about_frame_panel.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/ui/warranty_dialog.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/recording_surface.h"
#include "support/scoped_folder.h"
#include "support/user_road.h"
#include "testdata/ui/test_data_editor_panel.h"
#include "testdata/ui/test_data_services.h"

namespace {

void ExpectStep(const CommandButton& b, const char* caption, const char* tip) {
  EXPECT_EQ(b.Caption(), caption) << b.Name();
  EXPECT_EQ(b.ToolTipText(), tip) << b.Name();
}

class UserRoads : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"user_roads_test"};
};

TEST_F(UserRoads, FromStartUpToALifeOnTheStartValues) {
  Program p;
  FormMain& main = p.main;
  ProblemDefinitionPanel& analysis = main.problemDefinition();
  MainMenus& menus = main.menus();

  // Accept has opened the problem definition on a constant amplitude.
  ASSERT_TRUE(analysis.frm_analysis.IsShowing());
  EXPECT_TRUE(analysis.chk_constant.Value());
  ExpectStep(analysis.Cmd_analysis_next, "&Next", "Check the input parameters");

  // Next commits the definition and leads to the input view.
  Press(analysis.Cmd_analysis_next);
  EXPECT_FALSE(analysis.frm_analysis.Visible());
  EXPECT_TRUE(main.snInputs().frm_SN.IsShowing());
  EXPECT_EQ(p.state.shellState.UiState, 1);

  // "&Calculate" on the start values gives a life.
  Choose(menus.mnu_calculate);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_TRUE(main.dataBox().Result.IsShowing());
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");

  // About over the results and back: the commands work as before.
  Choose(menus.mnu_about);
  ASSERT_TRUE(main.about().frm_about.IsShowing());
  Press(main.about().cmd_about);
  EXPECT_FALSE(main.about().frm_about.Visible());
  EXPECT_EQ(p.state.shellState.UiState, 1);
  main.dataBox().Result.SetCaption("");
  Choose(menus.mnu_calculate);
  EXPECT_EQ(main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");
  EXPECT_EQ(p.host.beeps, 0);

  // Exit with nothing unsaved ends the program without a question.
  Choose(menus.mnu_start(2));
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.programEnds, 1);
}

TEST_F(UserRoads, DefineProblemThenCalculateFromTheMenus) {
  Program p;
  MainMenus& menus = p.main.menus();
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  // OK instead of Next: the input view is not up yet, so the road to
  // "&Calculate" goes through "Check/Change &Input Data...".
  Press(analysis.cmd_analysis_done);
  EXPECT_FALSE(menus.mnu_calculate.Enabled());
  Choose(menus.mnu_calculations);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
  Choose(menus.mnu_calculate);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");

  // Back in the problem definition with the input view up, its step button
  // runs the calculation at once.
  Choose(menus.mnu_target);
  ASSERT_TRUE(analysis.frm_analysis.IsShowing());
  ExpectStep(analysis.Cmd_analysis_next, "Run", "Calculate fatigue life");
  p.main.dataBox().Result.SetCaption("");
  Press(analysis.Cmd_analysis_next);
  EXPECT_FALSE(analysis.frm_analysis.Visible());
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   2.000E+6 [cyc] ");
}

// The start-up road up to the input view (Accept, then Next).
void ToTheInputView(Program& p) {
  Press(p.main.problemDefinition().Cmd_analysis_next);
  ASSERT_TRUE(p.main.snInputs().frm_SN.IsShowing());
}

// The constant-amplitude range, typed on the spectrum diagram as its
// amplitude (the box's start mode).
void SetConstantAmplitudeRange(Program& p, float range) {
  Enter(p.main.loadingFrames().SSmaxt(0), std::to_string(range / 2));
  EXPECT_EQ(p.state.loadingData.StressRangeTo, range);
}

// Types the S-N curve: Se as an amplitude, No, m.
void TypeSnCurve(Program& p, const char* seAmplitude, const char* no, const char* m) {
  SnFramePanel& sn = p.main.snInputs();
  Enter(sn.SNset(0), seAmplitude);
  Enter(sn.SNNot, no);
  Enter(sn.SNmt, m);
}

std::string CalculatedLife(Program& p) {
  Choose(p.main.menus().mnu_calculate);
  return p.main.dataBox().Result.Caption();
}

TEST_F(UserRoads, TypedSnCurveGivesTheLifeOfTheRange) {
  Program p;
  ToTheInputView(p);
  SetConstantAmplitudeRange(p, 200.0f);
  TypeSnCurve(p, "60", "1E+6", "4");
  EXPECT_EQ(p.state.materialData.Se, 120.0f) << "the amplitude is stored as a range";
  EXPECT_EQ(p.state.materialData.SeFrom, 120.0f);
  EXPECT_EQ(p.state.materialData.EnduranceCycles, 1000000);
  EXPECT_EQ(p.state.materialData.SNExponent, 4.0f);
  const std::string other = CalculatedLife(p);
  EXPECT_NE(other, "Fatigue life:   1.768E+5 [cyc] ");

  TypeSnCurve(p, "50", "2E+6", "3.5");
  EXPECT_FALSE(p.main.dataBox().Result.Visible()) << "a changed input hides the life on show";
  EXPECT_EQ(p.state.materialData.Se, 100.0f);
  EXPECT_EQ(p.state.materialData.SeTo, 100.0f) << "Calculate takes the single Se as both ends";
  EXPECT_EQ(CalculatedLife(p), "Fatigue life:   1.768E+5 [cyc] ");
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(UserRoads, UnitsSwitchTheTextsAndKeepTheRecords) {
  Program p;
  ToTheInputView(p);
  SetConstantAmplitudeRange(p, 200.0f);
  TypeSnCurve(p, "50", "2E+6", "3.5");
  const MaterialData material = p.state.materialData;
  SnFramePanel& sn = p.main.snInputs();
  MainMenus& menus = p.main.menus();
  const Label& unitLabel = p.main.fatigueDb().Label28(0);

  Choose(menus.mnu_US);
  EXPECT_TRUE(menus.mnu_US.Checked());
  EXPECT_FALSE(menus.mnu_SI.Checked());
  EXPECT_EQ(unitLabel.Caption(), "[ksi]");
  EXPECT_EQ(p.state.loadingUnits.LoadUnitBracket, "[ksi]");
  EXPECT_EQ(p.state.materialData, material);
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 200.0f);
  EXPECT_EQ(CalculatedLife(p), "Fatigue life:   1.768E+5 [cyc] ");
  // A value typed now is read in ksi and kept in MPa.
  Enter(sn.SNset(0), "10");
  EXPECT_EQ(sn.SNset(0).Text(), "10.0");
  EXPECT_NEAR(p.state.materialData.Se, 137.9f, 0.01f);

  // "&Save Settings" keeps US for the next start.
  Choose(menus.mnu_Settings_save);
  {
    Program next;
    EXPECT_TRUE(next.main.menus().mnu_US.Checked());
    EXPECT_EQ(next.state.unitSettings.StressUnit, "ksi");
    EXPECT_EQ(next.main.fatigueDb().Label28(0).Caption(), "[ksi]");
    EXPECT_TRUE(next.host.messages.empty()) << next.host.Transcript();
  }

  Choose(menus.mnu_SI);
  EXPECT_TRUE(menus.mnu_SI.Checked());
  EXPECT_EQ(unitLabel.Caption(), "[MPa]");
  EXPECT_EQ(p.state.loadingUnits.LoadUnitBracket, "[MPa]");
  EXPECT_NEAR(p.state.materialData.Se, 137.9f, 0.01f);
  Enter(sn.SNset(0), "50");
  EXPECT_EQ(p.state.materialData, material);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

TEST_F(UserRoads, SavedJobReopensEqualInAFreshWindow) {
  const std::string path = (folder.path() / "road.sns").string();
  std::string life;
  ProgramState saved;
  {
    Program p;
    ToTheInputView(p);
    SetConstantAmplitudeRange(p, 200.0f);
    TypeSnCurve(p, "50", "2E+6", "3.5");
    Enter(p.main.snInputs().SNtht(0), "30");
    Choose(p.main.menus().mnu_US);
    life = CalculatedLife(p);
    p.host.saveAnswers.push_back(path);
    Choose(p.main.menus().mnu_start(1));
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    saved = p.state;
  }
  Program q;
  q.host.openAnswers.push_back(path);
  Choose(q.main.menus().mnu_start(0));
  ASSERT_TRUE(q.host.messages.empty()) << q.host.Transcript();
  EXPECT_FALSE(q.main.problemDefinition().frm_analysis.Visible());
  EXPECT_TRUE(q.main.snInputs().frm_SN.IsShowing());
  EXPECT_TRUE(q.main.menus().mnu_US.Checked());
  EXPECT_FALSE(q.main.menus().mnu_SI.Checked());
  EXPECT_EQ(q.state.unitSettings, saved.unitSettings);
  EXPECT_EQ(q.state.materialData, saved.materialData);
  EXPECT_EQ(q.state.loadingData.StressRangeTo, saved.loadingData.StressRangeTo);
  EXPECT_EQ(q.state.analysisOptions.LoadingType, saved.analysisOptions.LoadingType);
  EXPECT_EQ(q.state.analysisOptions.AnalysisMode, saved.analysisOptions.AnalysisMode);
  EXPECT_EQ(q.state.componentData.Kt, saved.componentData.Kt);
  EXPECT_EQ(q.state.componentData.Kf, saved.componentData.Kf);
  // The user goes on from the opened job to the life.
  EXPECT_EQ(CalculatedLife(q), life);
  EXPECT_TRUE(q.host.messages.empty()) << q.host.Transcript();
}

TEST_F(UserRoads, DatabaseSetSelectedCalculatedAndItsEditsGuardedAtExit) {
  const std::filesystem::path dbFolder = folder.path() / "materials";
  std::filesystem::create_directory(dbFolder);
  WriteSteelsDatabase(dbFolder);

  Program p;
  ToTheInputView(p);
  SetConstantAmplitudeRange(p, 200.0f);
  MainMenus& menus = p.main.menus();
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();

  // "&Material Data...": the empty database offers reading; the user goes to
  // the folder and opens the file there.
  Choose(menus.mnu_fatigue);
  ASSERT_TRUE(ds.frm_data_serv.IsShowing());
  EXPECT_TRUE(ds.chk_Read_Dbase.Value());
  ExpectStep(ds.cmd_data_next, "&Run", "Calculate fatigue life");
  ds.Dir1.SetPath(dbFolder.string());
  Press(ds.cmd_data_do);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_EQ(p.state.fatigueDbState.FatigueBatchCount, 1);

  // Browsing: the batch is on show; the user picks the first set.
  EXPECT_TRUE(ds.chk_Input_Dbase.Value()) << "a read database is offered for browsing";
  Press(ds.cmd_data_do);
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
  EXPECT_EQ(db.Lab1_fatigue_DB.Caption(), "Steels");
  EXPECT_EQ(db.Text2(0).Text(), "S355");
  Press(db.Text3(0));
  Press(db.cmd_fatigue_Db_OK);
  EXPECT_FALSE(db.frm_Fatigue_Dbase.Visible());
  EXPECT_EQ(p.state.materialData.MaterialSource, 1);
  EXPECT_EQ(p.state.materialData.SeFrom, 100.0f) << "the set's amplitude becomes a range";
  EXPECT_EQ(p.state.materialData.SNExponent, 3.5f);
  EXPECT_EQ(p.state.jobTexts.MaterialName, "S355");

  // Back in the input view, "&Calculate" gives the life of the set.
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  Choose(menus.mnu_calculate);
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   1.768E+5 [cyc] ");
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  // The other set, and "&Run" of the data services straight to its life.
  Choose(menus.mnu_fatigue);
  Press(ds.cmd_data_do);
  Press(db.Text3(1));
  Press(db.cmd_fatigue_Db_OK);
  EXPECT_EQ(p.state.jobTexts.MaterialName, "S235");
  Choose(menus.mnu_fatigue);
  ExpectStep(ds.cmd_data_next, "&Run", "Calculate fatigue life");
  p.main.dataBox().Result.SetCaption("");
  Press(ds.cmd_data_next);
  EXPECT_FALSE(ds.frm_data_serv.Visible());
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   8.192E+5 [cyc] ");
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  // Typing an endurance limit gives up the set after a question.
  SnFramePanel& sn = p.main.snInputs();
  p.host.QueueAnswer(kAnswerYes);
  Press(sn.SNset(0));
  ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
  EXPECT_EQ(p.host.messages[0].title, " Fatigue Data");
  sn.SNset(0).typeText("60");
  sn.SNset(0).leave();
  EXPECT_EQ(p.state.materialData.MaterialSource, 2);
  EXPECT_EQ(p.state.materialData.Se, 120.0f);
  EXPECT_EQ(p.state.jobTexts.MaterialName, "???");
  EXPECT_EQ(p.main.dataBox().Materialt.Text(), "???");
  p.host.messages.clear();

  // An edit of the database in the table editor, then Exit: the question,
  // Cancel keeps the program, OK ends it.
  Choose(menus.mnu_fatigue);
  Press(ds.chk_Edit_Dbase);
  Press(ds.cmd_data_do);
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing()) << p.host.Transcript();
  p.host.messages.clear();
  Enter(db.Text5(1), "4.5");
  EXPECT_EQ(p.state.fatigueDatabase.FdbM[1][2], 4.5f);
  EXPECT_EQ(p.state.fatigueDbState.FatigueDbModified, 1);
  Press(db.cmd_Fatigue_Db_Cancel);

  p.host.QueueAnswer(kAnswerCancel);
  Choose(menus.mnu_start(2));
  ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
  EXPECT_EQ(p.host.messages[0].text, "Changes in the Fatigue Database will be lost!  ");
  EXPECT_EQ(p.host.messages[0].title, "Exit Program");
  EXPECT_EQ(p.programEnds, 0);
  EXPECT_TRUE(p.main.IsLoaded());

  p.host.QueueAnswer(kAnswerOK);
  Choose(menus.mnu_start(2));
  EXPECT_EQ(p.host.messages.size(), 2u);
  EXPECT_EQ(p.programEnds, 1);
}

// The road of the database test up to the chosen set `row` (0-based).
void SelectDatabaseSet(Program& p, const std::filesystem::path& dbFolder, int row) {
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();
  Choose(p.main.menus().mnu_fatigue);
  ds.Dir1.SetPath(dbFolder.string());
  Press(ds.cmd_data_do);  // open
  Press(ds.cmd_data_do);  // browse
  Press(db.Text3(row));
  Press(db.cmd_fatigue_Db_OK);
}

TEST_F(UserRoads, JobWithADatabaseSetReopensFromTheDatabase) {
  const std::filesystem::path dbFolder = folder.path() / "materials";
  std::filesystem::create_directory(dbFolder);
  WriteSteelsDatabase(dbFolder);
  const std::string path = (folder.path() / "db_job.sns").string();
  std::string life;
  MaterialData material;
  {
    Program p;
    ToTheInputView(p);
    SetConstantAmplitudeRange(p, 250.0f);
    SelectDatabaseSet(p, dbFolder, 1);
    ASSERT_EQ(p.state.jobTexts.MaterialName, "S235");
    life = CalculatedLife(p);
    p.host.saveAnswers.push_back(path);
    Choose(p.main.menus().mnu_start(1));
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
    material = p.state.materialData;
  }
  // A fresh program started elsewhere: the job brings its database back.
  std::filesystem::current_path(folder.path() / "..");
  Program q;
  q.host.openAnswers.push_back(path);
  Choose(q.main.menus().mnu_start(0));
  std::filesystem::current_path(folder.path());
  ASSERT_TRUE(q.host.messages.empty()) << q.host.Transcript();
  EXPECT_EQ(q.state.fatigueDbState.FatigueBatchCount, 1);
  EXPECT_EQ(q.state.fatigueDatabase.FdbSetName[1][2], "S235");
  EXPECT_EQ(q.state.jobTexts.MaterialName, "S235");
  EXPECT_EQ(q.state.materialData, material);
  EXPECT_EQ(CalculatedLife(q), life);
  EXPECT_TRUE(q.host.messages.empty()) << q.host.Transcript();
}

TEST_F(UserRoads, CancelledExitLeavesAWorkingFrameInCharge) {
  const std::filesystem::path dbFolder = folder.path() / "materials";
  std::filesystem::create_directory(dbFolder);
  WriteSteelsDatabase(dbFolder);
  Program p;
  ToTheInputView(p);
  SetConstantAmplitudeRange(p, 200.0f);
  SelectDatabaseSet(p, dbFolder, 0);
  CalculatedLife(p);  // the second window has been loaded
  MainMenus& menus = p.main.menus();
  FatigueDbPanel& db = p.main.fatigueDb();
  Choose(menus.mnu_fatigue);
  Press(p.main.dataService().chk_Edit_Dbase);
  Press(p.main.dataService().cmd_data_do);
  Enter(db.Text5(1), "4.5");
  Press(db.cmd_Fatigue_Db_Cancel);
  ASSERT_EQ(p.state.fatigueDbState.FatigueDbModified, 1);

  // The colours frame is up; the user tries to leave and thinks better of it.
  Choose(menus.mnu_settings);
  ASSERT_TRUE(p.main.settings().frm_settings.IsShowing());
  const int16_t gate = p.state.shellState.UiState;
  const bool run = menus.mnu_Run.Enabled();
  const bool calculate = menus.mnu_calculate.Enabled();
  p.host.QueueAnswer(kAnswerCancel);
  Choose(menus.mnu_start(2));
  ASSERT_EQ(p.host.messages.size(), 1u) << p.host.Transcript();
  EXPECT_EQ(p.programEnds, 0);
  EXPECT_TRUE(p.main.settings().frm_settings.IsShowing());
  EXPECT_EQ(p.state.shellState.UiState, gate) << "the colours frame keeps the main view busy";
  EXPECT_EQ(menus.mnu_Run.Enabled(), run);
  EXPECT_EQ(menus.mnu_calculate.Enabled(), calculate);
  EXPECT_FALSE(p.main.formShow().IsLoaded()) << "the second window is unloaded in any case";

  // The colours frame's Cancel gives the main view back; the data services
  // lead on to the life.
  Press(p.main.settings().cmd_settings_cancel);
  EXPECT_EQ(p.state.shellState.UiState, 1);
  Choose(menus.mnu_fatigue);
  p.main.dataBox().Result.SetCaption("");
  Press(p.main.dataService().cmd_data_next);
  EXPECT_EQ(p.main.dataBox().Result.Caption(), "Fatigue life:   1.768E+5 [cyc] ");
}

TEST_F(UserRoads, JobWhoseDatabaseIsGoneLeavesTheDatabaseInMemory) {
  namespace fs = std::filesystem;
  const fs::path gone = folder.path() / "gone";
  const fs::path other = folder.path() / "other";
  fs::create_directory(gone);
  fs::create_directory(other);
  WriteSteelsDatabase(gone);
  WriteSteelsDatabase(other);
  const std::string path = (folder.path() / "gone.sns").string();
  {
    Program p;
    ToTheInputView(p);
    SelectDatabaseSet(p, gone, 1);
    p.host.saveAnswers.push_back(path);
    Choose(p.main.menus().mnu_start(1));
    ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  }
  fs::remove(gone / "duvak.dat");

  // Another run works with the database of another folder, then opens the
  // job whose database is no longer there.
  Program q;
  ToTheInputView(q);
  SelectDatabaseSet(q, other, 0);
  const FatigueDatabase inMemory = q.state.fatigueDatabase;
  const FatigueDbState before = q.state.fatigueDbState;
  q.host.openAnswers.push_back(path);
  Choose(q.main.menus().mnu_start(0));
  ASSERT_FALSE(q.host.messages.empty());
  EXPECT_EQ(q.host.messages.back().text, "Can't restore the Fatigue Data");
  EXPECT_EQ(q.state.materialData.MaterialSource, 2);
  EXPECT_EQ(q.state.materialData.SNExponent, 4.0f) << "the job's values stay as typed-in data";
  // The database of the other folder is still the one in memory, with its
  // count and folder; the user browses it and picks a set again.
  EXPECT_EQ(q.state.fatigueDatabase, inMemory);
  EXPECT_EQ(q.state.fatigueDbState.FatigueBatchCount, 1);
  EXPECT_EQ(q.state.fatigueDbState.DatabaseDir, before.DatabaseDir);
  Choose(q.main.menus().mnu_fatigue);
  EXPECT_TRUE(q.main.dataService().chk_Input_Dbase.Enabled());
  Press(q.main.dataService().chk_Input_Dbase);
  Press(q.main.dataService().cmd_data_do);
  Press(q.main.fatigueDb().Text3(0));
  Press(q.main.fatigueDb().cmd_fatigue_Db_OK);
  EXPECT_EQ(q.state.jobTexts.MaterialName, "S355");
  EXPECT_EQ(q.state.materialData.SNExponent, 3.5f);
}

// Fatigue test data typed into the editor on the second window, fitted and
// handed to a new set of the database, then opened again from that set.
TEST_F(UserRoads, TestDataTypedFittedAndTakenIntoTheDatabase) {
  const std::filesystem::path dbFolder = folder.path() / "materials";
  std::filesystem::create_directory(dbFolder);
  WriteSteelsDatabase(dbFolder);
  Program p;
  ToTheInputView(p);
  DataServicePanel& ds = p.main.dataService();
  FatigueDbPanel& db = p.main.fatigueDb();
  FormShow& show = p.main.formShow();
  TestDataEditorPanel& ed = show.testData();

  // Material Data: open the database, then edit it in the browser.
  Choose(p.main.menus().mnu_fatigue);
  ds.Dir1.SetPath(dbFolder.string());
  Press(ds.cmd_data_do);
  Press(ds.chk_Edit_Dbase);
  Press(ds.cmd_data_do);
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing()) << p.host.Transcript();
  p.host.messages.clear();

  // The next free set has no test data: "&Test Data" opens the editor.
  Press(db.Text2(2));
  Press(db.cmd_fatigue_Db_Test);
  ASSERT_TRUE(show.Visible()) << p.host.Transcript();
  EXPECT_FALSE(p.main.Visible());
  EXPECT_EQ(ed.frm_diag.Caption(), "Fatigue Test Data");

  // Four points of a falling line with a little scatter.
  Enter(ed.txt_points(0), "4");
  Enter(ed.txt_points(1), "355");
  Enter(ed.txt_points(2), "510");
  Enter(ed.txt_points(3), "-1");
  const char* points[][2] = {{"286", "1E+4"}, {"215", "1E+5"}, {"170", "1E+6"}, {"128", "1E+7"}};
  for (int r = 0; r < 4; ++r) {
    Press(ed.txt_CLOx(r));
    ed.txt_CLOx(r).typeText(points[r][0]);
    Press(ed.txt_CLOn(r));
    ed.txt_CLOn(r).typeText(points[r][1]);
    ed.txt_CLOn(r).leave();
  }
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&Fit");
  Press(ed.cmd_CLO_OK);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  ASSERT_EQ(ed.cmd_CLO_OK.Caption(), "&OK");
  EXPECT_TRUE(show.Res_probT(3).IsShowing()) << "the reference life beside the fit's texts";

  // The diagram as the pane shows it: the fitted line and its texts.
  RecordingSurface pane(ed.pic_diag.Width(), ed.pic_diag.Height());
  DrawTestDataDiagram(p.main, pane);
  const auto printed = [&](const std::string& start) {
    return std::any_of(pane.texts.begin(), pane.texts.end(),
                       [&](const RecordingSurface::PrintedText& t) { return t.text.rfind(start, 0) == 0; });
  };
  EXPECT_TRUE(printed("m  =   "));
  EXPECT_TRUE(printed("Se =  "));
  EXPECT_TRUE(std::any_of(pane.log.begin(), pane.log.end(),
                          [](const std::string& l) { return l.find("c=16711935") != std::string::npos; }))
      << "the fitted line in magenta";
  ed.DrawTestDataDiagram(ed.pic_diag.surface());

  Enter(ed.txt_Name, "Weld_X");
  Press(ed.cmd_CLO_OK);
  ASSERT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  EXPECT_TRUE(p.main.Visible());
  EXPECT_FALSE(show.Visible());
  ASSERT_TRUE(db.frm_Fatigue_Dbase.IsShowing());
  const FatigueDatabase& fdb = p.state.fatigueDatabase;
  EXPECT_EQ(fdb.FdbTestDataName[1][3], "Weld_X");
  const TestDataSet& fitted = p.state.testDataSet;
  EXPECT_FLOAT_EQ(fdb.FdbM[1][3], -1 / fitted.TestFitSlope);
  EXPECT_NEAR(fdb.FdbM[1][3], 8.70, 0.01);
  EXPECT_EQ(fdb.FdbSe[1][3], fitted.TestFitSe);
  EXPECT_EQ(fdb.FdbNo[1][3], 2000000);
  EXPECT_EQ(db.Text2(2).Text(), "Weld_X");
  EXPECT_FALSE(db.Text3(2).Text().empty()) << "Se";
  EXPECT_FALSE(db.Text4(2).Text().empty()) << "No";
  EXPECT_FALSE(db.Text5(2).Text().empty()) << "m";
  EXPECT_TRUE(std::filesystem::exists(dbFolder / "Weld_X.sft"));

  // The set has test data now: "&Test Data" opens its file again.
  EXPECT_FALSE(db.cmd_fatigue_Db_Test.Enabled());
  Press(db.Text3(2));
  Press(db.cmd_fatigue_Db_Test);
  ASSERT_TRUE(show.Visible()) << p.host.Transcript();
  EXPECT_EQ(p.state.testDataSet.TestDataName, "Weld_X");
  EXPECT_EQ(p.state.testDataSet.TestPointCount, 4);
  EXPECT_EQ(ed.txt_CLOx(3).Text(), "128.00");
  EXPECT_EQ(ed.cmd_CLO_OK.Caption(), "&OK");
  Press(ed.cmd_CLO_canc);
  EXPECT_TRUE(p.main.Visible());
}

// The life of a notched plain-specimen job: Kt and the notch radius typed in
// the summary box give the notch factor by notch sensitivity.
double LifeCycles(const std::string& caption) {
  const auto start = caption.find_first_of("0123456789");
  return std::stod(caption.substr(start));
}

TEST_F(UserRoads, NotchOfAPlainSpecimenShortensTheLife) {
  Program p;
  ProblemDefinitionPanel& analysis = p.main.problemDefinition();
  DataBoxPanel& box = p.main.dataBox();
  Press(analysis.chk_unnotch);
  Press(analysis.chk_ns_account);
  Press(analysis.Cmd_analysis_next);
  ASSERT_TRUE(box.pic_DBox.IsShowing());
  ASSERT_TRUE(box.SCFt(0).IsShowing());

  Enter(box.SCFt(0), "1");
  EXPECT_FALSE(box.Reliabt.IsShowing()) << "no notch, no notch radius";
  const double plain = LifeCycles(CalculatedLife(p));

  Enter(box.SCFt(0), "2");
  ASSERT_TRUE(box.Reliabt.IsShowing()) << "the notch-radius row appears";
  Enter(box.Reliabt, "0.5");
  EXPECT_EQ(box.Reliabt.Text(), "0.5 ");
  const double notched = LifeCycles(CalculatedLife(p));
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();

  // Kf = (Kt - 1) q + 1 with q = 1 / (1 + a / r), a = (269 / Su)^1.8; the life
  // on the finite-life line falls with Kf^m.
  const double a = std::pow(269.0 / p.state.materialData.SuUsed, 1.8);
  const double kf = 1.0 + 1.0 / (1.0 + a / 0.5);
  EXPECT_NEAR(plain / notched, std::pow(kf, p.state.materialData.SNExponent), 2e-3 * plain / notched);
  EXPECT_NEAR(p.state.componentData.Kf, kf, 1e-6);

  // The summary box shows the job.
  EXPECT_EQ(box.Subjt.Text(), "???");
  EXPECT_TRUE(box.Subjt.IsShowing());
  EXPECT_EQ(box.DBmse(0).Caption(), "Analysis Options:   NomS/PS/NS(+)/");
  EXPECT_EQ(box.DBmse(1).Caption(), "MSE(+)");
  EXPECT_EQ(box.SCF(0).Caption(), "Stress Conc. Factor:  Kt = ");
  EXPECT_EQ(box.SCFt(0).Text(), "2.0");
  EXPECT_EQ(box.Reliab.Caption(), "Notch Radius [mm]:  r = ");
  EXPECT_EQ(box.DTFft.Text(), "1.0");
}

}  // namespace

namespace {

// How many pixels of a picture show `colour`, as drawn.
int CountColour(PictureBox& pic, int32_t colour) {
  Surface& s = pic.surface();
  const double left = s.ScaleLeft(), top = s.ScaleTop(), w = s.ScaleWidth(), h = s.ScaleHeight();
  s.ScalePixels();
  int n = 0;
  for (int y = 0; y < static_cast<int>(s.ScaleHeight()); ++y) {
    for (int x = 0; x < static_cast<int>(s.ScaleWidth()); ++x) n += s.Point(x + 0.5, y + 0.5) == colour;
  }
  s.Scale(left, top, left + w, top + h);
  return n;
}

// A control on a picture lies inside it (the picture's scale: y upward).
void ExpectOnPicture(const Control& c, const PictureBox& pic) {
  EXPECT_TRUE(c.IsShowing()) << c.Name();
  EXPECT_GE(c.Left(), 0) << c.Name();
  EXPECT_LE(c.Left() + c.Width(), pic.Width()) << c.Name();
  EXPECT_LE(c.Top(), pic.Height()) << c.Name();
  EXPECT_GE(c.Top(), 0) << c.Name();
}

// The distribution diagram with its value boxes, drawn on the start values.
void ExpectStartDistribution(Program& p) {
  LoadingFramesPanel& lf = p.main.loadingFrames();
  ASSERT_TRUE(lf.frm_Distr.IsShowing());
  ASSERT_TRUE(lf.Pic_Distr.IsShowing());
  EXPECT_EQ(lf.frm_Distr.Caption(), "Loading: Beta Distribution");
  EXPECT_GT(CountColour(lf.Pic_Distr, 0x800080), 100) << "the curve";
  EXPECT_GT(CountColour(lf.Pic_Distr, p.state.colourSettings.InvalidFieldColour), 1000) << "the area under it";
  EXPECT_EQ(lf.DT(0).Caption(), "Q = 3.0");
  EXPECT_EQ(lf.DT(1).Caption(), "R = 3.0");
  EXPECT_EQ(lf.DTvolume.Caption(), "n = 1000 cyc");
  EXPECT_EQ(lf.DTSmax(1).Caption(), "100.0  MPa") << "a distribution is given by its ranges";
  for (const Control* c : {static_cast<const Control*>(&lf.DTt(0)), static_cast<const Control*>(&lf.DTt(1)),
                           static_cast<const Control*>(&lf.DTvolumet), static_cast<const Control*>(&lf.DTSmaxt(1))}) {
    ExpectOnPicture(*c, lf.Pic_Distr);
  }
}

TEST_F(UserRoads, DistributionLoadingIsDrawnAndRedrawnInNewUnits) {
  {
    // Next of the problem definition leads to the input view with the diagram.
    Program p;
    Press(p.main.problemDefinition().chk_beta_distrib);
    Press(p.main.problemDefinition().Cmd_analysis_next);
    ExpectStartDistribution(p);
    EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
  }
  Program p;
  LoadingFramesPanel& lf = p.main.loadingFrames();
  MainMenus& menus = p.main.menus();
  Press(p.main.problemDefinition().chk_beta_distrib);
  Press(p.main.problemDefinition().cmd_analysis_done);
  ASSERT_FALSE(lf.frm_Distr.IsShowing());
  // "Check/Change &Input Data..." draws it.
  Choose(menus.mnu_calculations);
  ExpectStartDistribution(p);

  // US units: the texts on the diagram follow, the records stay in MPa.
  Choose(menus.mnu_US);
  EXPECT_EQ(lf.DTSmax(1).Caption(), "14.5  ksi");
  EXPECT_EQ(lf.DTSmaxt(1).Text(), "14.5");
  EXPECT_EQ(lf.DTSmaxt(1).ToolTipText(), "P(DS > 14.5 ksi) = .0e+0");
  EXPECT_EQ(p.state.loadingData.StressRangeTo, 100.0f);
  EXPECT_GT(CountColour(lf.Pic_Distr, 0x800080), 100);
  Choose(menus.mnu_SI);
  EXPECT_EQ(lf.DTSmax(1).Caption(), "100.0  MPa");

  // The problem definition's OK over the input view redraws the diagrams.
  lf.Pic_Distr.surface().Cls();
  Choose(menus.mnu_target);
  Press(p.main.problemDefinition().cmd_analysis_done);
  EXPECT_GT(CountColour(lf.Pic_Distr, 0x800080), 100);

  // Another law from the diagram's menu: the Weibull fitted to the Beta is
  // placed at its range exceeded with probability 0.0002.
  RightClick(p.host, lf.Pic_Distr, "&Weibull Distribution");
  EXPECT_EQ(lf.frm_Distr.Caption(), "Loading: Weibull Distribution");
  EXPECT_EQ(lf.DTSmaxt(1).ToolTipText().substr(lf.DTSmaxt(1).ToolTipText().size() - 6), "2.0e-4");
  EXPECT_NE(p.state.loadingData.StressRangeTo, 100.0f);
  EXPECT_GT(CountColour(lf.Pic_Distr, 0x800080), 100);
  Choose(menus.mnu_calculate);
  EXPECT_TRUE(p.host.messages.empty()) << p.host.Transcript();
}

}  // namespace
