#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// Definition tables of the shell's controls on the main window.
std::span<const ControlDef> TitleLabelControls();     // Label1 .. Label4
std::span<const ControlDef> SettingsFrameControls();  // frm_settings
std::span<const ControlDef> AboutFrameControls();     // frm_about
