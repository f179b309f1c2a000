#include "montecarlo/ui/montecarlo_services.h"

#include "component/ui/data_box_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "material/ui/sn_frame_panel.h"
#include "montecarlo/distribution_tag.h"
#include "montecarlo/ui/random_variable_dialog.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_show.h"

bool ShowRandomVariablePanel(FormMain& main, const std::string& callerText, int16_t index) {
  return main.formShow().randomVariables().Open(callerText, index);
}

void SetRandomVariableDialogEditable(FormMain& main, bool editable) {
  main.formShow().randomVariables().SetEditable(editable);
}

void DrawProbabilityDensity(FormMain& main, Surface& target, int16_t distType, float a, float b) {
  main.formShow().randomVariables().DrawProbabilityDensity(target, distType, a, b);
}

void UpdateDistributionTag(FormMain& main, int16_t optionIndex) {
  main.formShow().randomVariables().UpdateDistributionTag(optionIndex);
}

void ShowRandomVariableTags(FormMain& main) {
  const RandomVariableTable& t = main.state().randomVariableTable;
  const auto tagOf = [&t](int i) { return FormatDistributionTag(t.RvType[i], t.RvCov[i]); };
  main.snInputs().dN_distr(0).SetCaption(tagOf(1));
  main.dataBox().SCF_distr.SetCaption(tagOf(3));
  for (int i = 0; i <= 2; ++i) main.loadingFrames().load_distr(i).SetCaption(tagOf(2));
}
