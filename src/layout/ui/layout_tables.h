#pragma once

#include <span>

#include "layout/ui/layout_step_interpreter.h"

// The rows of the control passes, in the order they run.
std::span<const LayoutRow> TextBoxLayoutRows();        // LayoutTextBoxes (text_box_layout.cpp)
std::span<const LayoutRow> LabelLayoutRows();          // LayoutLabels (label_layout.cpp)
std::span<const LayoutRow> SpectrumLabelLayoutRows();  // LayoutSpectrumLabels (block_levels_label_layout.cpp)
std::span<const LayoutRow> DataBoxLabelLayoutRows();   // LayoutDataBoxLabels (data_box_label_layout.cpp)
std::span<const LayoutRow> CommandButtonLayoutRows();  // LayoutCommandButtons (command_button_layout.cpp)
std::span<const LayoutRow> OptionControlLayoutRows();  // LayoutOptionControls (option_control_layout.cpp)
std::span<const LayoutRow> DataEntryLayoutRows();      // LayoutDataEntryControls (data_entry_layout.cpp)
std::span<const LayoutRow> FrameFontLayoutRows();      // ScaleFrameFonts (frame_font_layout.cpp)
std::span<const LayoutRow> ShowFormLayoutRows();       // LayoutShowForm, the second window (show_form_layout.cpp)
