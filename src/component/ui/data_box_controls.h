#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// The job summary box `frm_DBox` of the main window.
std::span<const ControlDef> DataBoxControls();
