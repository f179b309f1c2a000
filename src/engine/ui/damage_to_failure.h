#pragma once

class FormMain;

// The damage-to-failure box `DTFft` of the job summary (its label's Click,
// DTFf_Click, is declared with the engine commands).
void DTFft_GotFocus(FormMain& main);
// Up and Down move to the neighbouring summary fields.
void DTFft_KeyDown(FormMain& main, int& keyCode, int shift);
// Accepts a damage to failure above 0 and below 10 and rescales a single-case
// life on show; refuses any other value.
void DTFft_LostFocus(FormMain& main);
