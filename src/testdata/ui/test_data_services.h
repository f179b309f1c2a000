#pragma once

class FormMain;

// Will open the fatigue test data editor for the marked data set of the
// material-database browser (its Test button).
void cmd_fatigue_Db_Test_Click(FormMain& main);
