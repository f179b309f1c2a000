// The loading choices of the display popup: stress or strain, and the
// distribution law; and the check of the distribution parameter before the
// distribution diagram is drawn.

#include <string>

#include "component/ui/data_box_panel.h"
#include "diagrams/display_choices.h"
#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/batch_question.h"
#include "loading/ui/loading_frames_panel.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/surface.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/control_utilities.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kCannotConvert =
    "The current Data Batch cannot be converted.\r"
    "Do you want to abandon the data?  ";
constexpr const char* kNoMasterCurve =
    "Master Curve cannot be determined for Load parameter if Weibull or Log-normal distribution is selected.\r"
    "Would you lie to continue?";
constexpr const char* kLoadingTitle = " Loading Data";

}  // namespace

// Item 2 strain, any other stress. A constant amplitude from a database
// batch is given up first, if the user agrees.
void ResultFramesPanel::ChooseLoadQuantity(int index) {
  ProgramState& s = main.state();
  if (s.analysisOptions.LoadingType == 3 && s.loadingDbState.LoadingSource == 1) {
    const int answer =
        main.host().MsgBox(kCannotConvert, MsgButtons::OKCancel, MsgIcon::Exclamation, 2, " Stress / Strain Change ");
    if (answer != kAnswerOK) return;
    AbandonBatchForQuantityChange(s);
  }
  SetLoadQuantity(s, index == 2);
  main.dataBox().UpdateDataBox();
  RedrawDiagrams(main);
  main.dataBox().Result.SetVisible(false);
  Pic_Dam.SetVisible(false);
  MainMenus& m = main.menus();
  DisableControl(m.mnu_report);
  DisableControl(m.mnu_form);
}

// A database batch whose parameters were edited in the boxes is given up
// before its law changes, if the user agrees; false when not.
bool ResultFramesPanel::AbandonBatchForLaw() {
  ProgramState& s = main.state();
  const int batch = s.loadingDbState.SelectedLoadingBatch;
  if (s.loadingDbState.LoadingSource == 2 || !BatchInRecords(batch)) return true;
  const LoadingDatabase& db = s.loadingDatabase;
  if (db.BatchQ[batch] == 0) return true;
  const LoadingFramesPanel& lf = main.loadingFrames();
  if (TypedSingle(lf.DTt(0).Text()) == db.BatchQ[batch] && TypedSingle(lf.DTt(1).Text()) == db.BatchR[batch])
    return true;
  return AskToLeaveLoadingBatch(main);
}

// Item k is law k + 1. A master curve cannot take Weibull or log-normal: No
// to the question leaves the law, its parameters and the caption as they
// were; Yes makes the job a single case.
void ResultFramesPanel::ChooseDistributionLaw(int index) {
  ProgramState& s = main.state();
  if (!AbandonBatchForLaw()) return;
  LoadingFramesPanel& lf = main.loadingFrames();
  const DistributionLaw before = DistributionLawOf(s);
  const std::string caption = lf.frm_Distr.Caption();
  if (!ChangeDistributionLaw(s, index + 1)) return;  // nothing converted: the law stays, nothing is drawn
  lf.frm_Distr.SetCaption("Loading: " + s.loadingData.DistributionName + "Distribution");
  if (s.analysisOptions.AnalysisMode == 2 && index + 1 >= 2) {
    const int answer = main.host().MsgBox(kNoMasterCurve, MsgButtons::YesNo, MsgIcon::Question, 1, kLoadingTitle);
    if (answer != kAnswerYes) {
      RestoreDistributionLaw(s, before);
      lf.frm_Distr.SetCaption(caption);
      return;
    }
    s.analysisOptions.AnalysisMode = 1;
  }
  Pic_Distr_Click();
}

void ResultFramesPanel::Pic_Distr_Click() {
  ProgramState& s = main.state();
  if (s.analysisOptions.LoadingType < 4) return;
  LoadingFramesPanel& lf = main.loadingFrames();
  const std::string fault = DistributionQFault(s);
  if (!fault.empty()) {
    AlertBox(s.shellState, main.host(), DataIncorrectText(fault), MsgButtons::OKOnly, MsgIcon::Critical, 1,
             " Distribution Parameter");
    lf.DTt(0).SetFocus();
    return;
  }
  DrawDistributionDiagram(main, lf.Pic_Distr.surface(), s.loadingDbState.SelectedLoadingBatch);
  lf.Pic_Distr.SetFocus();
  lf.Pic_Distr.surface().Refresh();
  main.host().DoEvents();
  EnableControl(main.menus().mnu_Run);
  main.dataBox().Result.SetVisible(false);
}
