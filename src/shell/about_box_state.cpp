#include "shell/about_box_state.h"

void AboutBoxOpened(ShellState& shell, int16_t covered) {
  shell.UiStateBeforeAbout = shell.UiState;
  shell.AboutCoveredFrame = covered;
  shell.UiState = covered;
}

void AboutBoxClosed(ShellState& shell) {
  if (shell.UiState != shell.AboutCoveredFrame) return;
  if (shell.AboutCoveredFrame != ui_state::kAboutOverSettings) shell.UiState = shell.UiStateBeforeAbout;
}
