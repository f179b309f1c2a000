// Shows the loading and damage frames of the loading type and redraws their
// diagrams.

#include "diagrams/display_choices.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

// A block spectrum with a distribution stays shown as one while that display is up.
bool KeepsDistributionDisplay(const ProgramState& s, const LoadingFramesPanel& lf) {
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  if (!lf.frm_Distr.Visible() || s.analysisOptions.LoadingType != 2) return false;
  return BatchInRecords(batch) && s.loadingDatabase.BatchR[batch] > 0;
}

}  // namespace

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
