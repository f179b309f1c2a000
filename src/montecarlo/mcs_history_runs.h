#pragma once

#include <functional>

class Host;
struct ProgramState;

// The later runs of a simulation over a stress history, without counting the
// history again in every run: the drawn inputs enter only the damage of each
// counted cycle, so the cycles are counted once and each run sums their
// damages over them, giving exactly the life its own damage calculation
// would give.

// Whether the later runs can go so: a single case over a stress history
// without the fast simulation algorithm, with more than one run, whose first
// run (just calculated) neither cracked at once nor was stopped.
bool HistoryRunsApply(const ProgramState& s);

// Runs 2 .. SimulationsTarget. The inputs are drawn in run order on the
// calling thread, the runs computed on every core, and each finished in run
// order on the calling thread: its life in LifeBlocks, then `finishRun`,
// which returns whether another run follows. A run that overloads the
// material shows the damage calculation's refusal (CalcAborted 1) and ends
// the runs before its life. Afterwards the records hold what the last
// finished run's damage calculation would have left.
void RunHistoryRuns(ProgramState& s, Host& host, const std::function<bool()>& finishRun);
