#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// The result frames of the main window: damage, reliability, master curve.
std::span<const ControlDef> ResultFrameControls();
