#pragma once

// The screen-layout passes over the main window and the second window.
// Each will scale one group of controls from its design values by LayoutScales.

class FormMain;
class FormShow;

void LayoutFrames(FormMain& main);            // sizes and places the working frames and the warranty dialog (frame_layout.cpp)
void LayoutTextBoxes(FormMain& main);         // will scale the text boxes
void LayoutLabels(FormMain& main);            // will scale the labels
void LayoutSpectrumLabels(FormMain& main);    // will scale the loading-diagram labels and boxes
void LayoutDataBoxLabels(FormMain& main);     // will scale the job summary's controls
void LayoutCommandButtons(FormMain& main);    // will scale the command buttons
void LayoutOptionControls(FormMain& main);    // will scale the option buttons and check boxes
void LayoutDataEntryControls(FormMain& main); // will scale the data-entry controls
void ScaleFrameFonts(FormMain& main);         // will scale the working frames' fonts
void LayoutShowForm(FormShow& show);          // will scale the second window's controls
