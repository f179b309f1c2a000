#pragma once

// The "&File" menu: the job file's Open and Save, and Exit.

class FormMain;

// `mnu_start(Index)`: 0 "&Open..." reads a job file and restores its database
// sources, 1 "&Save..." writes the job, 2 "E&xit" unloads the main window.
void mnu_start_Click(FormMain& main, int Index);
