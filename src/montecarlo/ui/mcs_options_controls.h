#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// The simulation options frame `Frm_MCS_opt` of the main window.
std::span<const ControlDef> McsOptionsControls();
