#pragma once

// The commands that move the user between the views of the job.

class FormMain;

// "Check/Change &Input Data...": leaves the results and shows the input view.
void mnu_calculations_Click(FormMain& main);
// "&Loading Data...": the data-service frame for the loading database.
void mnu_loading_Click(FormMain& main);
// "&Material Data...": the data-service frame for the fatigue database.
void mnu_fatigue_Click(FormMain& main);
