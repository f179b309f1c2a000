#pragma once

#include <string>

struct ProgramState;

// Texts and factors that follow the unit system. Values stay in MPa and mm;
// only what is shown changes.

// The selected loading batch's mean-stress texts in the current stress unit,
// rebuilt only when the batch carries an ultimate strength above 1.001;
// returns whether they were rebuilt.
bool RebuildBatchMeanStressTexts(ProgramState& s);

// "Smax = <max> <unit>,  Smin = <min> <unit>" of the history in the current
// stress unit, with the given number mask.
std::string HistoryExtremesCaption(const ProgramState& s, const char* mask);
// The same with the loading's own display factor and unit (micro-strain for
// a strain history).
std::string HistoryExtremesCaption(const ProgramState& s, const char* mask, float factor, const std::string& unit);
