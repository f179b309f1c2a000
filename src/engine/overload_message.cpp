#include "engine/overload_message.h"

#include "platform/host.h"
#include "program_state.h"

void RefuseOverload(ProgramState& state, Host& host) {
  if (state.shellState.BeepEnabled == 1) host.Beep();
  host.MsgBox("Nominal stress exceeds Su! Can't continue...", MsgButtons::OKOnly, MsgIcon::Critical, 1,
              "  Damage Calculation");
  state.results.CalcAborted = 1;
}
