#pragma once

#include <cstdint>

#include "shell/shell_state.h"

// The UiState while the About box is up and after it closes. Opening it
// gates the commands and records which working frame it covers; closing it
// gives back the state that holds then. A run or a Calculate may end while
// About is up and set the main view idle: that newer state is not undone.

// About opens over the frame with the ui_state code `covered`
// (kAboutOverProblemDefinition .. kAboutOverFatigueDatabase; kBusy for none).
void AboutBoxOpened(ShellState& shell, int16_t covered);

// About has closed and its covered frame is back on show. While UiState is
// still what About set, the state About found comes back (a run that is
// still going stays busy), except that the settings frame holds 3 until its
// "&OK" or "&Cancel". Once something else has set UiState while About was up
// (the end of a run or a Calculate, the second window's unload), that state
// holds.
void AboutBoxClosed(ShellState& shell);
