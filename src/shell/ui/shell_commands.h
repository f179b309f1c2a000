#pragma once

// Shell procedures that other commands call.

class FormMain;

// Whether the loading data in place fit the committed loading type (the
// step-button flag LoadingDataReady).
bool LoadingDataReady(FormMain& main);
// Sets the captions and tool tips of the Next and Run step buttons.
void UpdateStepButtons(FormMain& main);
// "SI" and "US" of "&Units": switch every unit text and display factor.
void mnu_SI_Click(FormMain& main);
void mnu_US_Click(FormMain& main);
// The unit texts that follow the unit system in force (UnitSettings) and
// that no view's refresh sets: the unit menu's check marks, the material
// database's unit labels, the selected loading batch's mean-stress texts and
// the caption of the unscaled history (shown while a scaling factor is typed).
// The unit commands call it once they have set the system (then refresh the
// job summary and the diagrams), and opening a job once it has read the
// job's (its input view then shows the rest).
void ShowUnitTexts(FormMain& main);
