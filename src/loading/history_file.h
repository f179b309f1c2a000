#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Host;
struct LoadingData;
struct ProgramState;

// The stress history files of the loading database: "duvhs." and the batch
// number (no leading zeros), in the folder of the loading database in memory
// (LoadingDbOwnFolder).
// Items: a title (ignored), the point count n (Long), the record time in
// minutes (Single) and the n history values (Singles, in the batch's
// quantity). Read only; nothing in the program writes them.
inline constexpr int32_t kHistoryPointMax = 10000000;

// ".../duvhs.12" for batch 12 in `folder` (the name after a "/" unless the
// folder ends with one).
std::string HistoryFilePath(const std::string& folder, int k);

// Reads the history file of batch k (1 .. 20) from LoadingDbOwnFolder (a file
// whose name differs only in case serves when the exact one is missing).
// The record time replaces BatchBlockTime(k) in any case once it is read.
// The count is checked before anything is allocated:
//   below 3: BatchPointCount(k) := 0 (no longer a history batch);
//   not BatchPointCount(k), or above kHistoryPointMax: refused;
//   both with "Sorry, Wrong History Data..." (critical, "Stress History", no beep).
// Any fault while opening or reading (a missing file, the file ending before
// the n-th value, an item that is no number or beyond the Single range) is
// reported with a beep and the runtime's text (exclamation, "Stress History").
// No more is allocated than the rest of the file can hold values for. Shows
// the hourglass pointer while the file is open.
//
// The values are read in pieces; between them pending events get through
// (Host::DoEvents, at most every few milliseconds) and `goOn`, when given,
// says whether the history is still wanted: when it says no, the read stops
// without a message and nothing of it is taken.

// Into the job's history: after a complete read HistoryPoints holds the n
// values in elements 1 .. n (0 and n + 1 are 0), with HistoryScale,
// LoadedHistoryLength and HistoryStartFlag (TakeHistory); a refused count
// other than one below 3, and any fault, set LoadedHistoryLength := 0 and
// leave HistoryPoints as it was (a stopped read leaves both).
void ReadHistoryFile(ProgramState& s, Host& host, int k, const std::function<bool()>& goOn = {});

// Into `points` (elements 0 .. n + 1 as above), with the same checks and
// messages; of the job's history fields nothing changes. Returns the count
// read, or 0 when no history was read (`points` is then emptied).
int32_t ReadHistoryFile(ProgramState& s, Host& host, int k, std::vector<float>& points,
                        const std::function<bool()>& goOn = {});

// Makes a complete read of n points (elements 0 .. n + 1) the job's history:
// HistoryPoints, HistoryScale (1 when the first value exceeds 10 in
// magnitude, else 10), LoadedHistoryLength := n, HistoryStartFlag := 0.
void TakeHistory(LoadingData& loading, std::vector<float>&& points, int32_t n);
