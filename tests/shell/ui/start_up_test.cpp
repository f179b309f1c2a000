#include "shell/ui/start_up.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "component/ui/data_box_panel.h"
#include "program_state.h"
#include "shell/settings_file.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/settings_frame_panel.h"
#include "shell/ui/warranty_dialog.h"
#include "support/dead_process.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"

namespace {

class StartUpTest : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"start_up_test"};
  ProgramState state;
  FakeHost host;
  std::unique_ptr<FormMain> main;
  int programEnds = 0;

  // Starts the program on a 1920 x 1080 screen; the user answers the
  // warranty dialog with `button` (nullptr: no button, the dialog stays up).
  void StartUp(const char* button = "Dialog_OKButton") {
    main = std::make_unique<FormMain>(state, host);
    main->onProgramEnd = [this] { ++programEnds; };
    host.onModal = [this, button] {
      // The main window is up under the modal dialog.
      EXPECT_TRUE(main->Visible());
      EXPECT_TRUE(main->dialog().Visible());
      if (button) main->dialog().button(button).click();
    };
    main->Load();
  }
};

TEST_F(StartUpTest, WindowSizedToTheScreenAndLayoutScales) {
  host.screenWidthTwips = 28800;
  host.screenHeightTwips = 16200;
  StartUp();
  EXPECT_FLOAT_EQ(main->Width(), 18000);
  EXPECT_FLOAT_EQ(main->Height(), 13500);
  EXPECT_FLOAT_EQ(main->Left(), 432);
  EXPECT_FLOAT_EQ(main->Top(), 86.4f);
  EXPECT_EQ(state.layoutScales.ScaleX, 1.5f);
  EXPECT_EQ(state.layoutScales.ScaleY, 1.5f);
  EXPECT_EQ(state.layoutScales.FontScale, 1.25f);
  // The frame layout has placed the working frames.
  EXPECT_EQ(main->frame("frm_analysis").Width(), 8415 * 1.5f);
}

TEST_F(StartUpTest, NarrowTallScreen) {
  host.screenWidthTwips = 19200;
  host.screenHeightTwips = 15360;
  StartUp();
  EXPECT_FLOAT_EQ(main->Width(), 17066.667f);
  EXPECT_FLOAT_EQ(main->Height(), 12800);
}

TEST_F(StartUpTest, EveryRecordAtItsStartValue) {
  StartUp();
  const ProgramState fresh;
  EXPECT_EQ(state.jobTexts, fresh.jobTexts);
  EXPECT_EQ(state.unitSettings, fresh.unitSettings);
  EXPECT_EQ(state.colourSettings, StartColours(-1));
  EXPECT_EQ(state.fatigueDatabase, fresh.fatigueDatabase);
  EXPECT_EQ(state.fatigueDatabase.FdbTestDataName[20][6], "No fatigue data");

  const ShellState& shell = state.shellState;
  EXPECT_EQ(shell.UiState, 1);
  EXPECT_EQ(shell.WarrantyAccepted, 1);
  EXPECT_EQ(shell.BeepEnabled, 1);
  EXPECT_EQ(shell.ToolTipMode, 0);
  EXPECT_EQ(shell.DisplayColourCount, -1);
  EXPECT_EQ(shell.OwnerName, "Quorz");

  const AnalysisOptions& a = state.analysisOptions;
  EXPECT_EQ(a.AnalysisMode, 1);
  EXPECT_EQ(a.MasterCurveParameter, 1);
  EXPECT_EQ(a.RelOption, 2);
  EXPECT_EQ(a.LoadingType, 3);
  EXPECT_EQ(a.MeanStressOption, 2);
  EXPECT_EQ(a.LifeUnit, 3);
  EXPECT_EQ(a.MasterCurveSteps, 20);
  EXPECT_EQ(a.DamageToFailure, 1.0f);
  EXPECT_EQ(a.RelValue, 0.8f);
  EXPECT_EQ(state.results.LevelDamage.size(), 2u);

  const LoadingData& l = state.loadingData;
  EXPECT_EQ(l.DistributionType, 1);
  EXPECT_EQ(l.DistributionName, "Beta ");
  EXPECT_EQ(l.StressInputMode, 2);
  EXPECT_EQ(l.BlockVolumeEntry, 1000);
  EXPECT_EQ(l.LoadSmax, 50.0f);
  EXPECT_EQ(l.LoadSmin, -50.0f);
  EXPECT_EQ(l.BatchMseText, "DMSE(-)  ");
  EXPECT_EQ(state.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(state.loadingUnits.LoadQuantity, "Stress ");
  EXPECT_EQ(state.loadingUnits.LoadUnitBracket, "[MPa]");

  EXPECT_EQ(state.mcsSettings.SimulationCount, 10000);
  EXPECT_EQ(state.mcsSettings.FastSimulationTag, "/FSA");
  EXPECT_EQ(state.mcsResults.ProbabilityLevel, 0.999);
  EXPECT_EQ(state.mcsResults.LowerTailLife, 1e30f);
  for (int i = 1; i <= kRandomVarMax; ++i) {
    EXPECT_EQ(state.randomVariableTable.RvType[i], 0);
    EXPECT_EQ(state.randomVariableTable.RvCov[i], 0.1f);
  }
  EXPECT_EQ(state.componentData.Kf, 3.0f);
  EXPECT_EQ(state.componentData.NotchRadius, 1.0f);

  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(state.mcsSettings.WorkDir, cwd + "/");
  EXPECT_EQ(state.fatigueDbState.DatabaseDir, cwd);
  EXPECT_EQ(state.fatigueDbState.DataDirectory[1], cwd);
  EXPECT_EQ(state.fatigueDbState.DataDirectory[2], cwd);
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 0);
}

// Start-up leaves a fresh state but for the fields it takes from the machine
// (folders, screen, colours), the accepted warranty, and the working copies
// of the option buttons the window is made with selected (their Click ran).
TEST_F(StartUpTest, StartUpLeavesAFreshStateButForTheMachine) {
  StartUp();
  ProgramState expected;
  expected.shellState.WarrantyAccepted = 1;
  expected.analysisDialogState.DlgLoadingType = 3;     // chk_constant
  expected.analysisDialogState.DlgSNDataSpecimen = 1;  // chk_notched
  expected.colourSettings = StartColours(-1);
  expected.layoutScales = state.layoutScales;
  const std::string cwd = std::filesystem::current_path().string();
  expected.mcsSettings.WorkDir = cwd + "/";
  expected.fatigueDbState.DatabaseDir = cwd;
  expected.fatigueDbState.DataDirectory[1] = cwd;
  expected.fatigueDbState.DataDirectory[2] = cwd;
  expected.fatigueDbState.DataServiceMode = 1;
#define EXPECT_RECORD(r) EXPECT_TRUE(state.r == expected.r) << #r
  EXPECT_RECORD(analysisOptions);
  EXPECT_RECORD(analysisDialogState);
  EXPECT_RECORD(results);
  EXPECT_RECORD(lifeResults);
  EXPECT_RECORD(materialData);
  EXPECT_RECORD(fatigueDatabase);
  EXPECT_RECORD(fatigueDbState);
  EXPECT_RECORD(fatigueDbEditState);
  EXPECT_RECORD(loadingData);
  EXPECT_RECORD(loadingUnits);
  EXPECT_RECORD(loadingDbState);
  EXPECT_RECORD(loadingDatabase);
  EXPECT_RECORD(loadingDistributionBlocks);
  EXPECT_RECORD(componentData);
  EXPECT_RECORD(mcsSettings);
  EXPECT_RECORD(mcsResults);
  EXPECT_RECORD(mcsDisplay);
  EXPECT_RECORD(randomVariableTable);
  EXPECT_RECORD(resultsDisplay);
  EXPECT_RECORD(shellState);
  EXPECT_RECORD(colourSettings);
  EXPECT_RECORD(unitSettings);
  EXPECT_RECORD(jobTexts);
  EXPECT_RECORD(layoutScales);
  EXPECT_RECORD(wizardFlags);
#undef EXPECT_RECORD
  EXPECT_EQ(state, expected);
}

TEST_F(StartUpTest, ControlsAtTheirStartState) {
  StartUp();
  MainMenus& m = main->menus();
  for (MenuItem* off : {&m.mnu_calculations, &m.mnu_calculate, &m.mnu_form, &m.mnu_report, &m.mnu_Run})
    EXPECT_FALSE(off->Enabled()) << off->Name();
  EXPECT_TRUE(m.mnu_tool(0).Checked());
  EXPECT_FALSE(m.mnu_tool(1).Checked());
  EXPECT_TRUE(m.mnu_SI.Checked());
  EXPECT_FALSE(m.mnu_US.Checked());
  EXPECT_EQ(main->frame("frm_anal_parameter").Caption(), "Analysis");
  EXPECT_EQ(main->option("chk_load").Caption(), "Deterministic");
  EXPECT_EQ(main->option("chk_end_limit").Caption(), "Probabilistic");
  EXPECT_FALSE(main->frame("frm_anal_ns").Enabled());
  EXPECT_FALSE(main->option("chk_ns_account").Enabled());
  EXPECT_EQ(main->textBox("No_simult").Text(), "10000");
  EXPECT_EQ(main->label("SCF", 0).Caption(), "Stress Conc. Factor:  Kt = ");
  EXPECT_EQ(main->label("DDBmse", 2).ToolTipText(), "Click to change for Notch Factor, Kf");
  EXPECT_EQ(main->label("SCF_distr").Caption(), "{\u2013}");
  EXPECT_EQ(main->label("load_distr", 2).Caption(), "{\u2013}");
  const ColourSettings& c = state.colourSettings;
  EXPECT_EQ(main->textBox("DBmset", 2).BackColor(), c.ColourDataBox);
  EXPECT_EQ(main->picture("Pic_SN").BackColor(), c.ColourSN);
  EXPECT_EQ(main->picture("Pic_Dam").BackColor(), c.ColourResults);
  EXPECT_EQ(main->picture("pic_master1").BackColor(), c.ColourDiagrams);
  EXPECT_EQ(main->settings().Graphics(3).BackColor(), c.ColourLoading);
}

TEST_F(StartUpTest, FewColoursGiveThePureColours) {
  host.displayColourCount = 256;
  StartUp();
  EXPECT_EQ(state.colourSettings, StartColours(256));
  EXPECT_EQ(state.colourSettings.ColourSN, 0x0000FFFF);
  EXPECT_EQ(state.colourSettings.InvalidFieldColour, 0x00FF00FF);
}

TEST_F(StartUpTest, AcceptKeepsTheProgramRunning) {
  StartUp();
  EXPECT_EQ(host.modalRuns, 1);
  EXPECT_EQ(state.shellState.WarrantyAccepted, 1);
  EXPECT_TRUE(main->IsLoaded());
  EXPECT_TRUE(main->Visible());
  EXPECT_FALSE(main->dialog().IsLoaded());
  EXPECT_FALSE(main->dialog().Visible());
  EXPECT_EQ(programEnds, 0);
  EXPECT_EQ(main->dialog().Caption(), "DUVAK Limited Warranty");
  EXPECT_NE(main->dialog().Dialog_Text.Text().find("Quorz"), std::string::npos);
  EXPECT_NE(main->dialog().Dialog_Text.Text().find("ninety days"), std::string::npos);
}

TEST_F(StartUpTest, RefusedOrClosedWarrantyEndsTheProgram) {
  struct Case {
    const char* how;
    std::function<void(FormMain&)> act;
  };
  const Case cases[] = {
      {"Don't accept", [](FormMain& m) { m.dialog().Dialog_CancelButton.click(); }},
      {"close box", [](FormMain& m) { m.dialog().close(); }},
      {"no answer", [](FormMain&) {}},
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost h;
    FormMain m(s, h);
    int ends = 0;
    m.onProgramEnd = [&] { ++ends; };
    h.onModal = [&] { c.act(m); };
    m.Load();
    EXPECT_FALSE(m.IsLoaded()) << c.how;
    EXPECT_FALSE(m.Visible()) << c.how;
    EXPECT_FALSE(m.dialog().Visible()) << c.how;
    EXPECT_EQ(s.shellState.WarrantyAccepted, 0) << c.how;
    EXPECT_EQ(ends, 1) << c.how;
    EXPECT_TRUE(h.messages.empty()) << c.how;
  }
}

TEST_F(StartUpTest, AScreenWithoutAUsableSizeKeepsTheDesignSize) {
  host.screenWidthTwips = 1000;
  host.screenHeightTwips = 1e40;  // the height / 1.2 is no single-precision number
  StartUp();
  EXPECT_EQ(main->Width(), 12000);
  EXPECT_EQ(main->Height(), 9000);
  EXPECT_EQ(state.layoutScales.ScaleX, 1.0f);
  EXPECT_TRUE(main->IsLoaded());
}

// ---- the settings file

TEST_F(StartUpTest, SaveSettingsWritesTheLineByteForByte) {
  StartUp();
  main->menus().mnu_Settings_save.click();
  EXPECT_EQ(folder.Read("Duvak.cfg"), " 1  8454143  8454016  16777215  16777088  16777088  0  0 \r\n");
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
}

TEST_F(StartUpTest, SettingsComeBackAtTheNextStart) {
  StartUp();
  state.unitSettings = UnitsOf(UnitSystem::US);
  state.colourSettings.ColourSN = 0x00123456;
  state.colourSettings.ColourDiagrams = 0x00ABCDEF;
  main->menus().mnu_tool(1).click();
  main->menus().mnu_Settings_save.click();
  EXPECT_EQ(folder.Read("Duvak.cfg"), " 0  1193046  8454016  16777215  16777088  11259375  1  0 \r\n");

  ProgramState next;
  FakeHost h;
  h.onModal = [] {};
  FormMain m(next, h);
  h.onModal = [&] { m.dialog().Dialog_OKButton.click(); };
  m.Load();
  EXPECT_EQ(next.unitSettings, UnitsOf(UnitSystem::US));
  EXPECT_TRUE(m.menus().mnu_US.Checked());
  EXPECT_FALSE(m.menus().mnu_SI.Checked());
  EXPECT_EQ(m.label("Label28", 1).Caption(), "[ksi]");
  EXPECT_EQ(next.loadingUnits.LoadUnitBracket, "[ksi]");
  EXPECT_EQ(next.colourSettings.ColourSN, 0x00123456);
  EXPECT_EQ(next.colourSettings.ColourDiagrams, 0x00ABCDEF);
  EXPECT_EQ(m.picture("Pic_SN").BackColor(), 0x00123456);
  EXPECT_EQ(next.shellState.ToolTipMode, 1);
  EXPECT_TRUE(m.menus().mnu_tool(1).Checked());
  EXPECT_FALSE(m.menus().mnu_tool(0).Checked());
}

TEST_F(StartUpTest, SettingsFileFallbacks) {
  struct Case {
    const char* what;
    const char* bytes;  // nullptr: no file
    bool us;
    int32_t colourSN;
  };
  const int32_t start = StartColours(-1).ColourSN;
  const Case cases[] = {
      {"no file", nullptr, false, start},
      {"first item 0", " 0  1  2  3  4  5  0  0 \r\n", true, 1},
      {"first item 2", " 2  1  2  3  4  5  0  0 \r\n", true, 1},
      {"first item 1, other line breaks", " 1 \r 7\n 2  3  4  5 \n 0  0", false, 7},
      {"short: the items before the end are taken, SI", " 0  99 ", false, 99},
      {"not a number", "units", false, start},
      {"empty", "", false, start},
  };
  for (const Case& c : cases) {
    ScopedCurrentFolder f{"start_up_settings"};
    if (c.bytes) f.Write("Duvak.cfg", c.bytes);
    ProgramState s;
    FakeHost h;
    FormMain m(s, h);
    h.onModal = [&] { m.dialog().Dialog_OKButton.click(); };
    m.Load();
    EXPECT_EQ(s.unitSettings, UnitsOf(c.us ? UnitSystem::US : UnitSystem::SI)) << c.what;
    EXPECT_EQ(m.menus().mnu_US.Checked(), c.us) << c.what;
    EXPECT_EQ(s.colourSettings.ColourSN, c.colourSN) << c.what;
    EXPECT_EQ(s.shellState.ToolTipMode, 0) << c.what;
    EXPECT_TRUE(m.IsLoaded()) << c.what;
    EXPECT_TRUE(h.messages.empty()) << c.what;
  }
}

// Saves of the settings and of the fatigue database that were killed
// half-way (a power cut) left their temporary files; start-up removes them
// and nothing else.
TEST_F(StartUpTest, TemporariesOfKilledSavesAreRemoved) {
  const std::string dead = std::to_string(DeadProcessId());
  const std::string gone[] = {"Duvak.cfg.tmp" + dead + "_0", "duvak.dat.tmp" + dead + "_2"};
  const std::string kept[] = {"job.sns.tmp" + dead + "_0", "duvak.dat.tmp" + dead, "duvak.dat"};
  for (const auto& name : gone) folder.Write(name, "partial");
  for (const auto& name : kept) folder.Write(name, "kept");
  StartUp();
  for (const auto& name : gone) EXPECT_FALSE(std::filesystem::exists(folder.path() / name)) << name;
  for (const auto& name : kept) EXPECT_EQ(folder.Read(name), "kept") << name;
}

TEST_F(StartUpTest, UnwritableSettingsFileIsReportedAndNothingIsHalfWritten) {
  StartUp();
  std::filesystem::create_directory(folder.path() / "Duvak.cfg");  // a folder where the file should go
  host.beeps = 0;
  main->menus().mnu_Settings_save.click();
  ASSERT_EQ(host.messages.size(), 1u) << host.Transcript();
  EXPECT_EQ(host.messages[0].title, "Save Settings");
  EXPECT_FALSE(host.messages[0].text.empty());
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "Duvak.cfg"));
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1);  // no temporary file left behind
}

// ---- shut-down

TEST_F(StartUpTest, ClosingWithAnUnsavedDatabaseAsks) {
  StartUp();
  state.fatigueDbState.FatigueDbModified = 1;
  state.fatigueDbState.FatigueBatchCount = 1;
  main->formShow().Load();
  host.beeps = 0;
  host.QueueAnswer(kAnswerCancel);
  EXPECT_FALSE(main->close());
  ASSERT_EQ(host.messages.size(), 1u);
  const FakeHost::Message& q = host.messages[0];
  EXPECT_EQ(q.text, "Changes in the Fatigue Database will be lost!  ");
  EXPECT_EQ(q.title, "Exit Program");
  EXPECT_EQ(q.buttons, MsgButtons::OKCancel);
  EXPECT_EQ(q.icon, MsgIcon::Exclamation);
  EXPECT_EQ(q.defaultButton, 2);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(main->IsLoaded());
  EXPECT_TRUE(main->Visible());
  EXPECT_FALSE(main->formShow().IsLoaded());  // the second window is unloaded either way
  EXPECT_EQ(programEnds, 0);

  host.QueueAnswer(kAnswerOK);
  EXPECT_TRUE(main->Unload());
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_FALSE(main->IsLoaded());
  EXPECT_EQ(programEnds, 1);
}

TEST_F(StartUpTest, ClosingWithoutChangesOrWithAnEmptyDatabaseDoesNotAsk) {
  StartUp();
  state.fatigueDbState.FatigueDbModified = 1;  // but no batch
  EXPECT_TRUE(main->close());
  EXPECT_TRUE(host.messages.empty()) << host.Transcript();
  EXPECT_EQ(programEnds, 1);
}

// ---- resize and the second window

TEST_F(StartUpTest, ResizeCentresTheTitleLabels) {
  StartUp();
  main->SetWidth(15000);
  main->RaiseResize();
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
    const Label& l = main->label(name);
    EXPECT_FLOAT_EQ(l.Left(), (main->ScaleWidth() - l.Width()) / 2) << name;
    EXPECT_TRUE(l.Visible()) << name;
  }
}

TEST_F(StartUpTest, SecondWindowLoadUnloadAndBack) {
  StartUp();
  FormShow& show = main->formShow();
  show.Show();
  EXPECT_EQ(show.pic_master.BackColor(), state.colourSettings.ColourDiagrams);
  EXPECT_EQ(show.pic_diag.BackColor(), state.colourSettings.ColourDiagrams);
  EXPECT_EQ(show.Top(), main->Top());
  EXPECT_EQ(show.Left(), main->Left());

  main->Hide();
  state.shellState.UiState = 0;
  host.SetMousePointer(kPointerHourglass);
  show.mnu_back.click();
  EXPECT_FALSE(show.IsLoaded());
  EXPECT_FALSE(show.Visible());
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(state.shellState.UiState, 1);
  EXPECT_EQ(host.mousePointer, kPointerDefault);
}

TEST_F(StartUpTest, SecondWindowHelpOnlyWhileIdle) {
  StartUp();
  FormShow& show = main->formShow();
  show.Load();
  show.mnu_hlp_ind.click();
  state.shellState.UiState = 0;
  show.mnu_hlp_ind.click();
  EXPECT_EQ(host.helpFiles, (std::vector<std::string>{"miret.hlp"}));
  EXPECT_EQ(host.beeps, 0);
}

}  // namespace

// Under the warranty dialog, and beside the problem definition that Accept
// opens, the main window shows only its four title labels: every frame of the
// job, the summary box among them, waits until the input view is built.
TEST_F(StartUpTest, OnlyTheTitleShowsUntilTheInputView) {
  std::vector<std::string> underWarranty;
  const auto showingOnTheWindow = [this] {
    std::vector<std::string> names;
    for (const Control* c : main->Controls())
      if (!c->Container() && c->IsShowing()) names.push_back(c->Name());
    return names;
  };
  main = std::make_unique<FormMain>(state, host);
  host.onModal = [&] {
    underWarranty = showingOnTheWindow();
    main->dialog().Dialog_OKButton.click();
  };
  main->Load();
  const std::vector<std::string> title{"Label1", "Label2", "Label3", "Label4"};
  EXPECT_EQ(underWarranty, title);
  std::vector<std::string> withDefinition = title;
  withDefinition.push_back("frm_analysis");
  EXPECT_EQ(showingOnTheWindow(), withDefinition);
  EXPECT_FALSE(main->dataBox().frm_DBox.Visible());
}
