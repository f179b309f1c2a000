#pragma once

#include <span>
#include <vector>

#include "platform/ui/form_definition.h"

// The main window's form definition tables in the order they are built
// (every frame before the controls it holds). Each table lives with the
// subsystem that owns its frame.
std::vector<std::span<const ControlDef>> MainWindowTables();
