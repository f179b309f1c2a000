#pragma once

struct ProgramState;
class Host;

// The spectrum and history routines' refusal of a nominal stress above Su (or
// of a mean-stress factor that is not positive): a beep when beeping is on,
// the message, and CalcAborted := 1.
void RefuseOverload(ProgramState& state, Host& host);
