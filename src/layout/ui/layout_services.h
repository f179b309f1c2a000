#pragma once

// The screen-layout passes over the main window and the second window.
// Each scales one group of controls from its design values by LayoutScales.
// Each runs at most once for the controls as they stand (a second call does
// nothing): the main window's once a run, the second window's once a load.

class FormMain;
class FormShow;

// Sizes and places the working frames and the warranty dialog (frame_layout.cpp).
void LayoutFrames(FormMain& main);
// The working frames moved down clear of the title block where their top
// would cut into it, and up where they would reach down to the window's
// bottom edge: after the scaling passes and whenever the window changes size
// (working_frame_tops.cpp).
void KeepWorkingFramesInSight(FormMain& main);
// The edit boxes (text_box_layout.cpp).
void LayoutTextBoxes(FormMain& main);
// The labels and rule lines (label_layout.cpp).
void LayoutLabels(FormMain& main);
// The loading-diagram labels and boxes (block_levels_label_layout.cpp).
void LayoutSpectrumLabels(FormMain& main);
// The job summary, the simulation buttons, the About text and the colour labels (data_box_label_layout.cpp).
void LayoutDataBoxLabels(FormMain& main);
// The working frames' command buttons (command_button_layout.cpp).
void LayoutCommandButtons(FormMain& main);
// The option buttons, prompts and folder lists (option_control_layout.cpp).
void LayoutOptionControls(FormMain& main);
// The loading distribution's and the S-N curve's inputs (data_entry_layout.cpp).
void LayoutDataEntryControls(FormMain& main);
// The working frames' caption fonts (frame_font_layout.cpp).
void ScaleFrameFonts(FormMain& main);
// The second window's controls (show_form_layout.cpp).
void LayoutShowForm(FormShow& show);
