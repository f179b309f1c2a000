#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "montecarlo/mcs_results_header.h"

class Host;
struct ProgramState;

// The simulation results file: the work file "zp1pl.res" in the work folder
// and its saved copies (*.psn). After the header (mcs_results_header.h) it
// holds one life per line, in blocks (0 a 1-cycle life, 9E+29 and more an
// infinite one), and last the reference life.
inline constexpr const char* kMcsWorkFileName = "zp1pl.res";
inline constexpr const char* kMcsResultsFilter = "MCS-Results (*.psn)|*.psn";

// Lives of at least this count as infinite.
inline constexpr float kInfiniteLifeFrom = 9.0e29f;

// Reads the results file mcsResults.ResultsPath into mcsResults (its lives
// into SimulatedLives, 1 .. SimulationsDone), classifies the lives, shows the
// summary once per result, sorts the lives and rewrites the file in sorted
// order the first time, and selects the lower tail below LowerTailLife
// (growing it by 1.1 while it holds fewer than 10 finite lives). Once the
// lives are sorted and in memory the file is not read again.
// ResultsReadStatus is -3 when the result cannot be used (each reason with its
// message); a file that cannot be read, or whose count line promises more
// lives than it holds, is refused with a message and leaves the result in
// memory as it was.
void ReadMCSResults(ProgramState& s, Host& host);

// Copies the header of mcsResults.ResultsPath and the lives in memory to
// mcsResults.SaveAsPath in the current layout (marker -3), replacing the file
// atomically. A failure is reported with the runtime's text and keeps the old
// file. Returns whether the copy was written.
bool SaveMCSResultsAs(ProgramState& s, Host& host);

// Sorts lives 1 .. n in place in ascending order (a Shell sort whose passes
// shorten behind the last exchange); element 0 and those beyond n stay. An n
// beyond the vector sorts nothing.
void SortLives(std::vector<float>& lives, int32_t n);
