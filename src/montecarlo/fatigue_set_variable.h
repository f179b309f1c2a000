#pragma once

#include <cstdint>

struct ProgramState;

// The endurance-limit variable of a fatigue-database data set, as the
// random-variable dialog reaches it from the database browser: the dialog
// edits a copy in slot 7 of the table, and the copy goes back into the set.

inline constexpr int16_t kFatigueSetSlot = 7;

// The data set the browser's tag stands for: the current set while the
// browse option is selected, else the marked set, of the batch on show.
// `column` is the set's grid column (0 .. 5), `set` = column + 1. A marked
// set of -1 (none) or a cursor beyond the database names no set (`valid`
// false).
struct FatigueSetRef {
  int batch = 0;
  int column = -1;
  int set = 0;
  bool valid = false;
};
FatigueSetRef FatigueSetOf(const ProgramState& s, bool browseOption);

// The set's variable type as an Integer (0 for no set, or a stored number
// beyond the Integer range).
int16_t FatigueSetDistType(const ProgramState& s, const FatigueSetRef& set);
// The set has no fatigue test data linked to it ("No fatigue data").
bool FatigueSetWithoutTestData(const ProgramState& s, const FatigueSetRef& set);

// Before the dialog opens on the browser's tag: a set with a variable (type
// above 0) copies it into slot 7 (type, COV, A, B, Xmin, Xmax). A set without
// one opens only when its yield strength is above 0: slot 7 then takes the
// set's own fields with the COV 0.1, so that it never shows the variable of a
// set opened before. Returns whether the dialog opens.
bool CopyFatigueSetVariableIn(ProgramState& s, const FatigueSetRef& set, float yieldStrength);

// After OK: the variable of `slot` goes back into the set's six fields (the
// type stored as a number), and the database counts as changed.
void CopyFatigueSetVariableBack(ProgramState& s, const FatigueSetRef& set, int16_t slot);

// Whether the dialog may change the endurance-limit variable: from the
// browser only in edit mode and for a set without test data; elsewhere unless
// the S-N data come from the database (MaterialSource 1) and the set holds a
// variable.
bool SeVariableEditable(const ProgramState& s, const FatigueSetRef& set, bool browserShown, bool editOption);
