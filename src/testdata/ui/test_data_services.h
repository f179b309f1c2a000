#pragma once

class FormMain;
class Surface;

// The "&Test Data" button of the material-database browser: a marked data
// set without test data gets a new test data set (after the browser has
// settled an unfinished set: No stops here) and is emptied for the fit to
// come; a set with test data reads them from its file in the database folder
// (once the database was opened for editing in this run). The editor then
// opens on the second window.
void cmd_fatigue_Db_Test_Click(FormMain& main);

// The test data diagram on the printer or on the hidden picture (the print
// commands of the second window), or on the second window's pane.
void DrawTestDataDiagram(FormMain& main, Surface& target);
