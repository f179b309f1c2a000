#include "loading/ui/batch_question.h"

#include "component/ui/data_box_panel.h"
#include "loading/selected_batch.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "shell/user_messages.h"

namespace {
constexpr const char* kLeaveBatch =
    "Would you like to abandon the data batch\r"
    "and input arbitrary parameters through the keyboard?";
}  // namespace

bool AskToLeaveLoadingBatch(FormMain& main) {
  ProgramState& s = main.state();
  const int answer =
      AlertBox(s.shellState, main.host(), kLeaveBatch, MsgButtons::YesNo, MsgIcon::Question, 1, " Loading Data");
  if (answer != kAnswerYes) return false;
  LeaveBatchForKeyboard(s);
  main.dataBox().Loadt.SetText(s.jobTexts.LoadingName);
  return true;
}
