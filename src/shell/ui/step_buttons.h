#pragma once

// The Next and Run step buttons: `Cmd_analysis_next` on the problem
// definition and `cmd_data_next` on the data services. UpdateStepButtons is
// declared in shell_commands.h.

class FormMain;

// Next on the problem definition: commits the options (its OK), then leads
// to the loading input, the input view or the calculation.
void Cmd_analysis_next_Click(FormMain& main);
// Next / Run on the data services: the loading input, the input view or the
// calculation.
void cmd_data_next_Click(FormMain& main);

// Connects the two buttons to their handlers.
void WireStepButtons(FormMain& main);
