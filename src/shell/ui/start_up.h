#pragma once

class FormMain;

// The main window's life: its load is the program's start-up, its unload the
// program's end.
namespace form_main {

// Start-up: every record at its start value, the window sized to the screen,
// the settings file read, the frames placed, the window shown and the
// warranty dialog shown modally. When the warranty is not accepted the main
// window is unloaded before Form_Load returns (the program ends).
void Form_Load(FormMain& main);

// Centres the four title labels in the window's inner width.
void Form_Resize(FormMain& main);

// Shut-down: asks before an unsaved, non-empty fatigue database is lost
// (Cancel sets `cancel` and keeps the program running), unloads the second
// window, and without Cancel ends the program (FormMain::onProgramEnd).
// "E&xit" and the close box reach it through main.Unload().
void Form_Unload(FormMain& main, int& cancel);

}  // namespace form_main
