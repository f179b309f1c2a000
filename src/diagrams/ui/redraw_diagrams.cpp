// Shows the loading and damage frames of the loading type and redraws their
// diagrams.

#include <algorithm>
#include <utility>

#include "component/ui/data_box_panel.h"
#include "diagrams/display_choices.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"

namespace {

// A block spectrum with a distribution stays shown as one while that display is up.
bool KeepsDistributionDisplay(const ProgramState& s, const LoadingFramesPanel& lf) {
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  if (!lf.frm_Distr.Visible() || s.analysisOptions.LoadingType != 2) return false;
  return BatchInRecords(batch) && s.loadingDatabase.BatchR[batch] > 0;
}

// The frames a loading type may show: a history its diagram and the damage
// per rainflow class; a spectrum its diagram or its distribution, and the
// damage per level; a constant amplitude its diagram and the damage; a
// distribution its diagram alone.
struct FramesOfType {
  int16_t type;
  bool history, spectrum, distribution, damage;
};
constexpr FramesOfType kFramesOfType[] = {
    {loading_type::kHistory, true, false, false, true},
    {loading_type::kSpectrum, false, true, true, true},
    {loading_type::kConstantAmplitude, false, true, false, true},
    {loading_type::kDistribution, false, false, true, false},
};

}  // namespace

void HideFramesOfOtherLoadingTypes(FormMain& main) {
  // Codes from 4 up are distributions.
  const int16_t type = std::min(main.state().analysisOptions.LoadingType, loading_type::kDistribution);
  LoadingFramesPanel& lf = main.loadingFrames();
  ResultFramesPanel& rf = main.results();
  for (const FramesOfType& f : kFramesOfType) {
    if (f.type != type) continue;
    const std::pair<Frame*, bool> frames[] = {{&lf.frm_Hist, f.history},
                                              {&lf.frm_Spectr, f.spectrum},
                                              {&lf.frm_Distr, f.distribution},
                                              {&rf.frm_Dam, f.damage}};
    for (const auto& [frame, shown] : frames)
      if (!shown) frame->SetVisible(false);
  }
}

void HideStaleResults(FormMain& main) {
  DataBoxPanel& box = main.dataBox();
  box.Result.SetVisible(false);
  box.ScattFact.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  main.results().Pic_Rel.SetVisible(false);
  DisableControl(main.menus().mnu_form);
  DisableControl(main.menus().mnu_report);
}

void RedrawDiagrams(FormMain& main) {
  ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  ResultFramesPanel& rf = main.results();
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  const int16_t type = s.analysisOptions.LoadingType;
  if (type == 1) {
    DrawHistoryDiagram(main, lf.Pic_Hist.surface(), batch);
    lf.frm_Hist.SetVisible(true);
    rf.frm_Dam.SetVisible(true);
    lf.frm_Distr.SetVisible(false);
    lf.frm_Spectr.SetVisible(false);
  } else if (type == 2 || type == 3) {
    const bool asDistribution = KeepsDistributionDisplay(s, lf);
    if (asDistribution)
      DrawDistributionDiagram(main, lf.Pic_Distr.surface(), batch);
    else
      DrawSpectrumDiagram(main, lf.Pic_Spectr.surface(), batch);
    lf.frm_Spectr.SetVisible(!asDistribution);
    lf.frm_Distr.SetVisible(asDistribution);
    if (!rf.frm_Dam.Visible()) DrawDamageDiagram(main, rf.Pic_Dam.surface());
    rf.frm_Dam.SetVisible(true);
    lf.frm_Hist.SetVisible(false);
  } else if (type >= 4) {
    rf.frm_Dam.SetVisible(false);
    DrawDistributionDiagram(main, lf.Pic_Distr.surface(), batch);
    lf.frm_Distr.SetVisible(true);
    lf.frm_Spectr.SetVisible(false);
    lf.frm_Hist.SetVisible(false);
  }
  SettleMasterCurveEnds(s);
}
