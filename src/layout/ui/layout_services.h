#pragma once

// The screen-layout passes over the main window and the second window.
// Each scales one group of controls from its design values by LayoutScales.

class FormMain;
class FormShow;

// The first four run at most once a window (a second call does nothing).
void LayoutFrames(FormMain& main);            // sizes and places the working frames and the warranty dialog (frame_layout.cpp)
void LayoutTextBoxes(FormMain& main);         // scales the edit boxes (text_box_layout.cpp)
void LayoutLabels(FormMain& main);            // scales the labels and rule lines (label_layout.cpp)
void LayoutSpectrumLabels(FormMain& main);    // scales the loading-diagram labels and boxes (spectrum_label_layout.cpp)
void LayoutDataBoxLabels(FormMain& main);     // will scale the job summary's controls
void LayoutCommandButtons(FormMain& main);    // will scale the command buttons
void LayoutOptionControls(FormMain& main);    // will scale the option buttons and check boxes
void LayoutDataEntryControls(FormMain& main); // will scale the data-entry controls
void ScaleFrameFonts(FormMain& main);         // will scale the working frames' fonts
void LayoutShowForm(FormShow& show);          // will scale the second window's controls
