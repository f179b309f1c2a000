#pragma once

class FormMain;
class Surface;

// Will open the fatigue test data editor for the marked data set of the
// material-database browser (its Test button).
void cmd_fatigue_Db_Test_Click(FormMain& main);

// The test data diagram on the printer or on the hidden picture (the print
// commands of the second window), or on the second window's pane.
void DrawTestDataDiagram(FormMain& main, Surface& target);
