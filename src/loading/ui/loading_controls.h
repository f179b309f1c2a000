#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// Definition tables of the loading subsystem's frames on the main window.
std::span<const ControlDef> LoadingFrameControls();  // frm_Hist, frm_Spectr, frm_Distr
std::span<const ControlDef> LoadingDbControls();     // frm_Load_Dbase and the preview frames
