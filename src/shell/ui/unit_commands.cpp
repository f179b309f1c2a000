// "S&I" and "U&S" of "&Units": every unit text and display factor follows
// the chosen system; the values themselves stay in MPa and mm.

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/batch_selection.h"
#include "loading/loading_units.h"
#include "loading/scaling_factor.h"
#include "loading/selected_batch.h"
#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "material/ui/fatigue_db_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/shell_commands.h"
#include "shell/user_messages.h"

namespace {

void RedrawInNewUnits(FormMain& main) {
  ProgramState& s = main.state();
  ResultFramesPanel& rf = main.results();
  LoadingFramesPanel& lf = main.loadingFrames();
  const int batch = SelectedBatchOf(s);
  if (rf.pic_master.IsShowing()) DrawMasterCurve(main, rf.pic_master.surface(), rf.pic_master1.surface());
  DrawSNCurve(main, main.snInputs().Pic_SN.surface());
  switch (s.analysisOptions.LoadingType) {
    case loading_type::kHistory:
      // The history is not drawn again: its caption follows the units.
      lf.SHSmax.SetCaption(HistoryCaption(s, s.loadingData.LoadSmax, s.loadingData.LoadSmin));
      break;
    case loading_type::kDistribution:
      DrawDistributionDiagram(main, lf.Pic_Distr.surface(), batch);
      break;
    case loading_type::kSpectrum:
    case loading_type::kConstantAmplitude:
      DrawSpectrumDiagram(main, lf.Pic_Spectr.surface(), batch);
      break;
    default:
      break;
  }
}

void SwitchUnits(FormMain& main, UnitSystem system) {
  ProgramState& s = main.state();
  if (main.loadingDb().frm_Load_Dbase.Visible() || main.fatigueDb().frm_Fatigue_Dbase.Visible() ||
      s.shellState.UiState != ui_state::kIdle) {
    BeepIfEnabled(s.shellState, main.host());
    return;
  }
  s.unitSettings = UnitsOf(system);
  FollowLoadingUnits(s);
  ShowUnitTexts(main);
  // The job summary is formatted and laid out anew, as after the problem
  // definition's OK: every row in the new units, its own mean-stress tag
  // with the notch-factor box behind it. It goes before the redraw, which
  // shows the summary's tag and notch factor on the master-curve screen; the
  // S-N diagram's redraw gives its captions and boxes their values.
  main.dataBox().UpdateDataBox();
  RedrawInNewUnits(main);
}

}  // namespace

void ShowUnitTexts(FormMain& main) {
  ProgramState& s = main.state();
  const bool si = UnitSystemOf(s.unitSettings.LengthUnitFactor) == UnitSystem::SI;
  MainMenus& m = main.menus();
  m.mnu_SI.SetChecked(si);
  m.mnu_US.SetChecked(!si);
  main.fatigueDb().Label28.ForEach([&](Label& l) { l.SetCaption(s.unitSettings.StressUnitBracket); });
  if (FollowBatchStrengthTexts(s)) {
    main.loadingFrames().DTmse.SetCaption(s.loadingData.BatchMseText);
    main.loadingFrames().SSmse.SetCaption(s.loadingData.BatchMseText);
  }
  if (s.analysisOptions.LoadingType == loading_type::kHistory)
    s.loadingData.HistMaxCaption = UnscaledHistoryCaption(s);
}

void mnu_SI_Click(FormMain& main) { SwitchUnits(main, UnitSystem::SI); }
void mnu_US_Click(FormMain& main) { SwitchUnits(main, UnitSystem::US); }
