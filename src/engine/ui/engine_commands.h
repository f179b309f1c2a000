#pragma once

// Commands of the analysis engine on the main window: the problem definition,
// Calculate, the life display and the damage to failure. Other commands call
// them as procedures.

class FormMain;

// "Define &Problem...": opens the problem-definition frame (only while the
// main view is idle; otherwise it beeps).
void mnu_target_Click(FormMain& main);
// Opens the problem-definition frame whatever the main window is doing (the
// end of start-up).
void ShowProblemDefinition(FormMain& main);
// Re-applies the committed problem definition to the option buttons and frames.
void ApplyAnalysisOptions(FormMain& main);
// "&Calculate".
void mnu_calculate_Click(FormMain& main);
// Shows the life of the last calculation in `unit` (1 cycles, 2 blocks, 3 hours).
void ShowFatigueLife(FormMain& main, int unit);
// Click of the damage-to-failure label: opens its box.
void DTFf_Click(FormMain& main);
