// The browser's Select: the browsed batch becomes the job's loading, then
// the job is shown with it.
#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "engine/damage.h"
#include "loading/batch_selection.h"
#include "loading/ui/loading_db_panel.h"
#include "material/ui/data_service_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/runtime/format.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/ui/shell_commands.h"

void LoadingDbPanel::Cmd_Load_Db_OK_Click() { TakeBrowsed(true); }

void LoadingDbPanel::TakeBatchOfOpenedJob() { TakeBrowsed(false); }

void LoadingDbPanel::TakeBrowsed(bool redraw) {
  if (taking_) return;  // a second press while the first one yields
  // Taken from the browser on show, the batch is no longer wanted once the
  // browser is closed while its history is read; the job reader takes its
  // batch with the browser hidden.
  const bool fromBrowser = frm_Load_Dbase.Visible();
  taking_ = true;
  const BatchTaking outcome =
      TakeBrowsedBatch(main.state(), main.host(), [this, fromBrowser] { return !fromBrowser || frm_Load_Dbase.Visible(); });
  taking_ = false;
  switch (outcome) {
    case BatchTaking::Refused: Cmd_Load_Db_Next.SetFocus(); return;
    case BatchTaking::Stopped: return;
    case BatchTaking::Taken: ShowTakenBatch(redraw); return;
  }
}

// Young's modulus beside the S-N diagram, for a loading given as strain.
void LoadingDbPanel::ShowYoungModulus() {
  const ProgramState& s = main.state();
  SnFramePanel& sn = main.snInputs();
  const bool strain = s.loadingUnits.LoadQuantity != "Stress ";
  sn.SNE.SetVisible(strain);
  sn.SNEt.SetVisible(strain);
  if (!strain) return;
  const float e = s.materialData.YoungModulus;
  sn.SNE.SetCaption("E = " + Format(e * s.unitSettings.StressUnitFactor, "######0  ") + s.unitSettings.StressUnit);
  const std::string text = Format(e, "######0");
  sn.SNEt.SetText(text);
  sn.SNEt.SetWidth(static_cast<float>(text.size()) * 100 * s.layoutScales.FontScale);
}

void LoadingDbPanel::ShowTakenBatch(bool redraw) {
  ProgramState& s = main.state();
  MainMenus& menus = main.menus();
  DataServicePanel& ds = main.dataService();
  DataBoxPanel& box = main.dataBox();
  if (s.loadingDatabase.BatchPointCount[s.loadingDbState.SelectedLoadingBatch] != 0) {
    menus.pop_disp1(0).SetChecked(true);  // the damage shown per rainflow cycle
    menus.pop_disp1(1).SetChecked(false);
  }
  UpdateStepButtons(main);
  box.Loadt.SetText(s.jobTexts.LoadingName);
  CalcEffectiveStrengths(s, main.host());
  ShowYoungModulus();
  const bool inputView = main.snInputs().frm_SN.Visible();
  frm_Load_Dbase.SetVisible(false);
  if (inputView) ds.frm_data_serv.SetVisible(false);
  HidePreviewFrames();
  box.Result.SetVisible(false);
  box.ScattFact.SetVisible(false);
  main.results().Pic_Dam.SetVisible(false);
  main.host().DoEvents();
  if (!inputView) EnableControl(menus.mnu_calculations);
  EnableControl(menus.mnu_Run);
  EnableControl(ds.cmd_data_next);
  if (!inputView) return;
  EnableControl(menus.mnu_calculate);
  if (redraw) {
    RedrawDiagrams(main);
    box.UpdateDataBox();
  }
  main.results().Pic_Dam.SetVisible(false);
  s.resultsDisplay.DamageDisplayMode = -1;
  main.results().ShowDamageDisplayCaption();
  ds.cmd_data_cancel_Click();
}
