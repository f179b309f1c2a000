#pragma once

#include <span>

#include "platform/ui/form_definition.h"

// The problem-definition frame `frm_analysis` of the main window.
std::span<const ControlDef> ProblemDefinitionControls();
