#include "montecarlo/ui/results_boxes.h"

#include <cmath>
#include <string>

#include "montecarlo/ui/mcs_results_view.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"
#include "shell/ui/numeric_box.h"
#include "shell/user_messages.h"
#include "testdata/sn_fit.h"
#include "testdata/ui/test_data_editor_panel.h"

namespace {

constexpr int kReferenceLifeBox = 3;
constexpr const char* kReferenceLifeMask = "0E+##";

void RefuseReferenceLife(FormShow& show, TextBox& box, float previous, const std::string& reason) {
  ProgramState& s = show.state();
  BeepIfEnabled(s.shellState, show.host());
  show.Show(false, &show.main());
  show.host().MsgBox(DataIncorrectText(reason), MsgButtons::OKOnly, MsgIcon::Critical, 1, "Fatigue Life");
  box.SetText(NumberText(previous));
  box.SetFocus();
}

}  // namespace

void Res_probT_GotFocus(FormShow& show, int index) {
  ProgramState& s = show.state();
  if (s.shellState.UiState != ui_state::kIdle || s.mcsDisplay.ResultsBoxBusy == 1) return;
  show.mnu_prt.SetEnabled(false);
  show.mnu_prt_res.SetEnabled(false);
  PaintForEditing(show.Res_probT(index));
  show.host().DoEvents();
}

void Res_probT_KeyDown(FormShow& show, int, int& keyCode) {
  if (keyCode == kKeyReturn) show.pic_diag.SetFocus();
}

void Res_probT_LostFocus(FormShow& show, int index) {
  if (index != kReferenceLifeBox) {
    show.mcsResults().Res_probT_LostFocus(index);
    return;
  }
  ProgramState& s = show.state();
  McsDisplay& d = s.mcsDisplay;
  if (d.ResultsBoxBusy == 1) return;
  d.ResultsBoxBusy = 1;
  TestDataSet& set = s.testDataSet;
  TextBox& box = show.Res_probT(index);
  const float previous = TypedSingle(Format(set.TestRefLife, kReferenceLifeMask)).value_or(set.TestRefLife);
  const float x = BoxSingle(box.Text());
  // Beyond the Single range the number is infinite: no life either.
  if (!(x >= Sng(1.1 * set.TestLife[1])) || std::isinf(x)) {
    RefuseReferenceLife(show, box, previous, std::isinf(x) && x > 0 ? "(No too big)" : "(No < 110% of Min Life)");
    d.ResultsBoxBusy = 0;
    return;
  }
  set.TestRefLife = x;
  box.SetText(Format(set.TestRefLife, kReferenceLifeMask));
  box.SetForeColor(0);
  FitTestDataSNCurve(set);
  show.testData().DrawTestDataDiagram(show.pic_diag.surface());
  d.ResultsBoxBusy = 0;
}
