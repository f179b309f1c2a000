#pragma once

// The screen-layout passes over the main window and the second window.
// Each scales one group of controls from its design values by LayoutScales.
// Each runs at most once for the controls as they stand (a second call does
// nothing): the main window's once a run, the second window's once a load.

class FormMain;
class FormShow;

void LayoutFrames(FormMain& main);             // sizes and places the working frames and the warranty dialog (frame_layout.cpp)
void LayoutTextBoxes(FormMain& main);          // scales the edit boxes (text_box_layout.cpp)
void LayoutLabels(FormMain& main);             // scales the labels and rule lines (label_layout.cpp)
void LayoutSpectrumLabels(FormMain& main);     // scales the loading-diagram labels and boxes (spectrum_label_layout.cpp)
void LayoutDataBoxLabels(FormMain& main);      // scales the job summary, simulation buttons, About text and colour labels (data_box_label_layout.cpp)
void LayoutCommandButtons(FormMain& main);     // scales the working frames' command buttons (command_button_layout.cpp)
void LayoutOptionControls(FormMain& main);     // scales the option buttons, prompts and folder lists (option_control_layout.cpp)
void LayoutDataEntryControls(FormMain& main);  // scales the loading distribution and S-N inputs (data_entry_layout.cpp)
void ScaleFrameFonts(FormMain& main);          // scales the working frames' caption fonts (frame_font_layout.cpp)
void LayoutShowForm(FormShow& show);           // scales the second window's controls (show_form_layout.cpp)
