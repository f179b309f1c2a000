// The life of the last calculation on show: the life label of a single case,
// or the master-curve screen.

#include "engine/ui/life_display.h"

#include <array>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/life_text.h"
#include "engine/ui/engine_commands.h"
#include "loading/selected_batch.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"

namespace {

void ShowSingleCaseLife(FormMain& main) {
  const ProgramState& s = main.state();
  const AnalysisOptions& ao = s.analysisOptions;
  DataBoxPanel& box = main.dataBox();
  PictureBox& damage = main.results().Pic_Dam;
  const bool finite = s.results.InfiniteLifeFlag != 1;
  const bool severalClasses = s.loadingDatabase.BatchLevelCount[SelectedBatchOf(s)] > 1.0f;
  if (finite && ao.LoadingType >= loading_type::kConstantAmplitude &&
      (!severalClasses || ao.LoadingType != loading_type::kDistribution)) {
    box.Result.SetMousePointer(kPointerDefault);
    box.Result.SetToolTipText("");
  }
  if (ao.LoadingType != loading_type::kDistribution) {  // a distribution has no damage diagram
    if (finite) {
      if (!damage.Visible()) DrawDamageDiagram(main, damage.surface());
      damage.SetVisible(true);
      damage.SetMousePointer(ao.LoadingType <= loading_type::kSpectrum ? kPointerCross : kPointerDefault);
    } else {
      damage.SetVisible(false);
    }
  }
  if (finite) {
    box.Result.SetCaption(FiniteLifeCaption(s));
    box.Result.SetToolTipText("");
  } else {
    box.Result.SetCaption(kInfiniteLifeCaption);
  }
  box.wait.SetVisible(false);
}

// A master curve whose varied range has equal ends has nothing to show.
bool MasterRangeEmpty(const ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  const LoadingData& ld = s.loadingData;
  if (ao.MasterCurveParameter == master_curve_parameter::kLoadLevel)
    return ao.LoadingType > loading_type::kHistory ? ld.StressRangeFrom == ld.StressRangeTo
                                                   : ld.ScalingFactorMin == ld.ScalingFactorMax;
  if (ao.MasterCurveParameter == master_curve_parameter::kEnduranceLimit)
    return s.materialData.SeFrom == s.materialData.SeTo;
  return false;
}

void ShowMasterCurve(FormMain& main) {
  const ProgramState& s = main.state();
  if (MasterRangeEmpty(s)) return;
  ResultFramesPanel& rf = main.results();
  MainMenus& m = main.menus();
  main.dataBox().wait.SetVisible(false);
  DrawMasterCurve(main, rf.pic_master.surface(), rf.pic_master1.surface());
  rf.pic_master.SetVisible(true);
  rf.frm_master.SetVisible(true);
  for (MenuItem* item : {&m.mnu_calculations, &m.mnu_form, &m.mnu_report}) EnableControl(*item);
  if (s.results.InfiniteLifeFlag == 1) return;
  const int16_t type = s.analysisOptions.LoadingType;
  const bool unitsOffered = type == 1 || type == 2 ||
                            (type == 4 && s.loadingDatabase.BatchLevelCount[SelectedBatchOf(s)] > 1.0f);
  Label& life = rf.Lifelab(0);
  life.SetMousePointer(unitsOffered ? kPointerCross : kPointerDefault);
  life.SetToolTipText(unitsOffered ? "Right click to change units" : "");
}

}  // namespace

void ShowFatigueLife(FormMain& main, int unit) {
  ProgramState& s = main.state();
  MainMenus& m = main.menus();
  for (MenuItem* item : {&m.mnu_report, &m.mnu_form, &m.mnu_sett, &m.mnu_Run, &m.mnu_analysis})
    EnableControl(*item);
  FillLifeByUnit(s, unit);
  if (s.analysisOptions.AnalysisMode != analysis_mode::kMasterCurve)
    ShowSingleCaseLife(main);
  else
    ShowMasterCurve(main);
}

void Lifelab_MouseDown(FormMain& main, int /*index*/, int button, int /*shift*/, float /*x*/, float /*y*/) {
  ProgramState& s = main.state();
  const int units = s.loadingDatabase.BatchBlockTime[SelectedBatchOf(s)] > 0.0f ? 3 : 2;
  s.resultsDisplay.PopupContext = 2;
  if (button != kRightButton || s.analysisOptions.LoadingType == loading_type::kConstantAmplitude) return;
  static constexpr std::array<const char*, 3> kCaptions = {"Life in &Cycles", "Life in &Blocks", "Life in &Hours"};
  MainMenus& m = main.menus();
  for (int i = 0; i < 3; ++i) {
    MenuItem& item = m.pop_disp1(i);
    item.SetChecked(i == s.analysisOptions.LifeUnit - 1);
    item.SetVisible(i < units);
    item.SetCaption(kCaptions[i]);
  }
  main.PopupMenu(m.pop_disp);
}
