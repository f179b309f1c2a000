#pragma once

#include <string>

class Host;
struct FatigueDbState;
struct ProgramState;

// Edits of the fatigue database in memory that are not saved yet, and the
// question before a command would lose them.

inline constexpr const char* kFatigueDbChangesLost = "Changes in Fatigue Database will be lost.";

// Whether the database in memory holds unsaved edits: FatigueDbModified is 1
// and there is at least one batch.
bool FatigueDbHasUnsavedChanges(const FatigueDbState& state);

// True when there is nothing to lose; otherwise asks `text` (OK/Cancel with
// Cancel as default, exclamation, `title`, after a beep) and is true for OK.
bool MayLoseFatigueDbChanges(const ProgramState& s, Host& host, const std::string& title,
                             const std::string& text = kFatigueDbChangesLost);
