#pragma once

#include <span>

#include "layout/ui/layout_step_interpreter.h"

// The rows of the main window's control passes, in the order they run.
std::span<const LayoutRow> TextBoxLayoutRows();        // LayoutTextBoxes (text_box_layout.cpp)
std::span<const LayoutRow> LabelLayoutRows();          // LayoutLabels (label_layout.cpp)
std::span<const LayoutRow> SpectrumLabelLayoutRows();  // LayoutSpectrumLabels (spectrum_label_layout.cpp)
