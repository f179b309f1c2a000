// The main window's load (the program's start-up), its resize and its unload.
#include "shell/ui/start_up.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <functional>

#include "layout/layout_scales.h"
#include "material/fatigue_db_file.h"
#include "layout/ui/layout_services.h"
#include "material/fatigue_db_changes.h"
#include "montecarlo/distribution_tag.h"
#include "platform/runtime/atomic_file.h"
#include "program_state.h"
#include "shell/job_file_work.h"
#include "shell/main_window_size.h"
#include "shell/settings_file.h"
#include "shell/ui/about_frame_panel.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/display_colours.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/warranty_dialog.h"
#include "shell/user_messages.h"

namespace {

// Runs one step of start-up; a run-time failure in it ends that step only and
// start-up goes on with the next (the units are not touched: only a failure
// to read the settings file falls back to SI, and the reader does that).
void Step(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

// Steps 1 and 2: the owner, the warranty flag, menus off, option captions.
void SetShellAndMenus(FormMain& main) {
  ShellState& shell = main.state().shellState;
  shell.OwnerName = "Quorz";
  shell.WarrantyAccepted = 0;
  MainMenus& m = main.menus();
  DisableControl(m.mnu_calculations);
  DisableControl(m.mnu_calculate);
  main.frame("frm_anal_parameter").SetCaption("Analysis");
  main.option("chk_load").SetCaption("Deterministic");
  main.option("chk_end_limit").SetCaption("Probabilistic");
  DisableControl(m.mnu_form);
  DisableControl(m.mnu_report);
  DisableControl(m.mnu_Run);
}

// Steps 3 and 4: the window's size and place from the screen.
void SizeWindow(FormMain& main) {
  Host& host = main.host();
  const WindowPlacement w = MainWindowPlacement(host.ScreenWidthTwips(), host.ScreenHeightTwips());
  // A screen that reports no size (or one no window can have) leaves the design size.
  const bool usable = std::isfinite(w.Width) && std::isfinite(w.Height) && w.Width > 0 && w.Height > 0;
  if (!usable) return;
  main.Move(w.Left, w.Top, w.Width, w.Height);
}

// Steps 5 and 6: the problem definition's start state and the committed options.
void SetAnalysisStart(FormMain& main) {
  for (const char* name : {"chk_ns_neglect", "chk_ns_account"}) DisableControl(main.option(name));
  DisableControl(main.frame("frm_anal_ns"));
  ProgramState& s = main.state();
  AnalysisOptions& a = s.analysisOptions;
  a.AnalysisMode = 1;
  a.MasterCurveParameter = 1;
  a.RelOption = 2;
  a.LoadingType = 3;
  a.MeanStressOption = 2;
  s.loadingData.DistributionType = 1;
  s.loadingData.DistributionName = "Beta ";
}

// The current folder with a separator at its end.
std::string CurrentFolder() {
  std::string dir = std::filesystem::current_path().string();
  if (dir.empty() || dir.back() != std::filesystem::path::preferred_separator)
    dir += std::filesystem::path::preferred_separator;
  return dir;
}

// Steps 7 and 8: folders, flags and the panel state.
void SetFoldersAndFlags(FormMain& main) {
  ProgramState& s = main.state();
  s.mcsSettings.WorkDir = CurrentFolder();
  FatigueDbState& db = s.fatigueDbState;
  db.DataServiceMode = 1;
  db.FatigueDbModified = 0;
  const std::string folder = main.dirList("Dir1").Path();
  db.DataDirectory[1] = folder;
  db.DataDirectory[2] = folder;
  db.DatabaseDir = folder;
  s.shellState.BeepEnabled = 1;
  s.analysisOptions.LifeUnit = 3;
  s.shellState.UiState = 1;
}

// Step 9: the start colours by the display's colour count.
void ChooseStartColours(FormMain& main) {
  ProgramState& s = main.state();
  s.shellState.DisplayColourCount = static_cast<int16_t>(main.host().DisplayColourCount());
  s.colourSettings = StartColours(s.shellState.DisplayColourCount);
}

// Step 10: the settings file; missing, short or unreadable gives SI units.
void ReadSettings(ProgramState& s) {
  ReadSettingsFile(kSettingsFileName, s.unitSettings.LengthUnitFactor, s.colourSettings, s.shellState.ToolTipMode);
}

// Saves that were killed half-way (a power cut) left their temporary files
// beside the two files the program keeps: they go now.
void RemoveKilledSaves(const ProgramState& s) {
  RemoveStaleTemporaries(kSettingsFileName);
  RemoveStaleTemporaries(FatigueDatabasePath(s.fatigueDbState.DatabaseDir));
}

// Step 11: the tip mode's menu item and the colours of pictures and labels.
void ApplyTipModeAndColours(FormMain& main) {
  const int mode = main.state().shellState.ToolTipMode;
  main.menus().mnu_tool(mode).SetChecked(true);
  main.menus().mnu_tool(1 - mode).SetChecked(false);
  ApplyPictureColours(main);
  PaintColourLabels(main);
}

// Step 12: the unit texts and factors of the system the file gave.
void ApplyStartUnits(FormMain& main) {
  ProgramState& s = main.state();
  const UnitSystem system = UnitSystemOf(s.unitSettings.LengthUnitFactor);
  s.unitSettings = UnitsOf(system);
  main.menus().mnu_SI.SetChecked(system == UnitSystem::SI);
  main.menus().mnu_US.SetChecked(system == UnitSystem::US);
  // The unit labels of the fatigue database follow the units from the start.
  for (int i = 0; i <= 2; ++i) main.label("Label28", i).SetCaption(s.unitSettings.StressUnitBracket);
}

void SetLoadingUnits(ProgramState& s) {
  LoadingUnits& u = s.loadingUnits;
  u.LoadQuantity = "Stress ";
  u.LoadToStressFactor = 1;
  u.LoadUnitFactor = s.unitSettings.StressUnitFactor;
  u.LoadUnitBracket = s.unitSettings.StressUnitBracket;
  u.LoadUnit = s.unitSettings.StressUnit;
}

void SetSimulationStart(FormMain& main) {
  ProgramState& s = main.state();
  RandomVariableTable& rv = s.randomVariableTable;
  for (int i = 1; i <= kRandomVarMax; ++i) {
    rv.RvType[i] = 0;
    rv.RvCov[i] = 0.1f;
    rv.RvXmin[i] = 1;
    rv.RvXmax[i] = 1;
  }
  McsSettings& m = s.mcsSettings;
  m.SimulationCount = 10000;
  main.textBox("No_simult").SetText("10000");
  s.mcsDisplay.McsPlotKind = 0;
  s.mcsResults.ProbabilityLevel = 0.999;
  s.mcsResults.LifeFitKind = 1;
  s.mcsResults.LowerTailLife = 1e30f;
  m.RandomStart = m.NeglectFatigueLimit = m.FastSimulation = 1;
  m.OptionN = m.McsNeglectFLCopy = 1;
  m.McsSpareValue = 0;
  m.FastSimulationTag = "/FSA";
  m.FatigueLimitTag = "NoFL";
}

void SetComponentStart(FormMain& main) {
  ProgramState& s = main.state();
  ComponentData& c = s.componentData;
  c.Kf = s.materialData.KtInput;
  c.SpecimenNotchFactor = 3;
  c.Kt = 3;
  c.KtFrom = c.KtTo = c.Kt;
  c.NotchRadius = 1;
  const char* kfTip = "Click to change for Notch Factor, Kf";
  Label& scf = main.label("SCF", 0);
  scf.SetCaption("Stress Conc. Factor:  Kt = ");
  scf.SetToolTipText(kfTip);
  Label& ddbmse = main.label("DDBmse", 2);
  ddbmse.SetCaption("Kt = ");
  ddbmse.SetToolTipText(kfTip);
  main.textBox("DBmset", 2).SetBackColor(s.colourSettings.ColourDataBox);
}

void SetLoadingStart(ProgramState& s) {
  LoadingData& l = s.loadingData;
  l.DistributionType = 1;
  l.DistributionName = "Beta ";
  l.StressInputMode = 2;
  l.CyclesPerBlock = 1;
  l.BlockVolumeEntry = 1000;
  l.LevelCount = 1;
  l.MaxStressInput = 100;
  l.StressRange = 100;
  l.StressMinOrMean = 0;
  l.StressRangeFrom = l.StressRangeTo = 100;
  l.StressMinOrMeanInput = 0;
  l.LoadSmax = l.StressRange / 2;
  l.LoadSmin = -l.LoadSmax;
  l.DistQInput = l.DistRInput = 3;
  l.ScalingFactor = l.ScalingFactorMin = l.ScalingFactorMax = l.ScalingFactorMean = l.ScalingFactorApplied = 1;
  l.BatchMseText = l.BatchMseText2 = "DMSE(-)  ";
  l.HistoryLoaded = 0;
  l.HistoryStartFlag = 1;
  s.loadingDbState.LoadingSource = 2;
  s.loadingDbState.BrowsedLoadingBatch = 0;
  s.jobTexts.LoadingName = "???";
}

// The tags of the loading's, the material's and the component's random
// variables: none yet.
void SetRandomVariableTags(FormMain& main) {
  const std::string none = FormatDistributionTag(0, 0);
  struct Tag {
    const char* name;
    int index;
  };
  constexpr Tag kTags[] = {{"load_distr", 0}, {"load_distr", 1}, {"load_distr", 2},
                           {"dN_distr", 0},   {"dN_distr", 1},   {"SCF_distr", -1}};
  for (const Tag& t : kTags) main.label(t.name, t.index).SetCaption(none);
}

void SetMaterialAndJobStart(ProgramState& s) {
  s.materialData = MaterialData{};
  s.jobTexts.MaterialName = "???";
  s.fatigueDatabase = FatigueDatabase{};
  s.jobTexts.JobSubject = "???";
  AnalysisOptions& a = s.analysisOptions;
  a.MasterCurveSteps = 20;
  a.DamageToFailure = 1;
  a.RelValue = 0.8f;
  s.results.LevelDamage.assign(2, 0.0f);
  s.resultsDisplay.DamageDisplayMode = 0;
}

// Step 14: the layout scales from the window's size, then the layout passes;
// a failing pass is abandoned and the next one runs. Last, the working frames
// move clear of the title where they would cut into it, and clear of the
// window's bottom edge.
void LayOut(FormMain& main) {
  LayoutScales& scales = main.state().layoutScales;
  scales = ComputeLayoutScales(main.Width(), main.Height());
  Step([&] { LayoutFrames(main); });
  if (scales.ScaleX != 1.0f && scales.ScaleY != 1.0f) {
    for (auto pass : {LayoutTextBoxes, LayoutLabels, LayoutSpectrumLabels, LayoutDataBoxLabels, LayoutCommandButtons,
                      LayoutOptionControls, LayoutDataEntryControls, ScaleFrameFonts})
      Step([&] { pass(main); });
  }
  Step([&] { KeepWorkingFramesInSight(main); });
}

// Steps 15 and 16: the window shows; the warranty dialog is shown modally
// over it; unless it was accepted the program ends.
void ShowWithWarranty(FormMain& main) {
  main.Show();
  ShellState& shell = main.state().shellState;
  if (shell.WarrantyAccepted == 0) main.dialog().Show(true, &main);
  if (shell.WarrantyAccepted == 1) return;
  if (main.dialog().IsLoaded()) main.dialog().Unload();
  if (main.IsLoaded()) main.Unload();
}

// The second window's unload hands the main view back to the user (gate
// open, Run and Calculate on). When the main window stays open after a
// cancelled shut-down, whatever was in charge there (a working frame that
// holds the gate) stays in charge.
void UnloadSecondWindowKeepingTheMainView(FormMain& main) {
  ShellState& shell = main.state().shellState;
  MainMenus& m = main.menus();
  const int16_t gate = shell.UiState;
  const bool run = m.mnu_Run.Enabled();
  const bool calculate = m.mnu_calculate.Enabled();
  main.formShow().Unload();
  shell.UiState = gate;
  m.mnu_Run.SetEnabled(run);
  m.mnu_calculate.SetEnabled(calculate);
}

}  // namespace

namespace form_main {

void Form_Load(FormMain& main) {
  ProgramState& s = main.state();
  SetShellAndMenus(main);
  SizeWindow(main);
  SetAnalysisStart(main);
  SetFoldersAndFlags(main);
  ChooseStartColours(main);
  ReadSettings(s);
  Step([&] { RemoveKilledSaves(s); });
  const std::function<void()> steps[] = {
      [&] { ApplyTipModeAndColours(main); },
      [&] { ApplyStartUnits(main); },
      [&] { SetLoadingUnits(s); },
      [&] { SetSimulationStart(main); },
      [&] { SetComponentStart(main); },
      [&] { SetLoadingStart(s); },
      [&] { SetRandomVariableTags(main); },
      [&] { SetMaterialAndJobStart(s); },
      [&] { LayOut(main); },
  };
  for (const auto& step : steps) Step(step);
  ShowWithWarranty(main);
}

// The title stays centred; the working frames stay whole in the inner area,
// also when it shrinks after start-up (a window manager that frames the
// window late).
void Form_Resize(FormMain& main) {
  AboutFramePanel& a = main.about();
  Label* titles[] = {&a.Label1, &a.Label2, &a.Label3, &a.Label4};
  for (Label* l : titles) l->SetVisible(false);
  for (Label* l : titles) l->SetLeft((main.ScaleWidth() - l->Width()) / 2);
  a.ShowTitle();
  KeepWorkingFramesInSight(main);
}

void Form_Unload(FormMain& main, int& cancel) {
  ProgramState& s = main.state();
  // Closing the window while a job is opened or saved waits for it, as Exit does.
  if (RefusedDuringJobFileWork(s.shellState, main.host())) {
    cancel = 1;
    return;
  }
  if (!MayLoseFatigueDbChanges(s, main.host(), "Exit Program", "Changes in the Fatigue Database will be lost!  "))
    cancel = 1;
  if (cancel) {
    UnloadSecondWindowKeepingTheMainView(main);
    return;
  }
  main.formShow().Unload();
  if (main.onProgramEnd) main.onProgramEnd();
}

}  // namespace form_main
