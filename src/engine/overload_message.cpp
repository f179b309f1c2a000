#include "engine/overload_message.h"

#include "program_state.h"
#include "shell/user_messages.h"

void RefuseOverload(ProgramState& state, Host& host) {
  AlertBox(state.shellState, host, "Nominal stress exceeds Su! Can't continue...", MsgButtons::OKOnly,
           MsgIcon::Critical, 1, "  Damage Calculation");
  state.results.CalcAborted = 1;
}
