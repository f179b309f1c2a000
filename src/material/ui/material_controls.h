#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// Definition tables of the material subsystem's frames on the main window.
std::span<const ControlDef> SnFrameControls();       // frm_SN
std::span<const ControlDef> DataServiceControls();   // frm_data_serv
std::span<const ControlDef> FatigueDbControls();     // frm_Fatigue_Dbase
