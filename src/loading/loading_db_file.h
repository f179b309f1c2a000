#pragma once

#include <string>

class Host;
struct ProgramState;

// The loading database "duvdt.dat": up to 20 prepared loading batches
// (stress histories, whose points lie in files of their own, block spectra
// and loading distributions), read only; nothing in the program writes it.
inline constexpr const char* kLoadingDbFileName = "duvdt.dat";

// "duvdt.dat" in `folder`: the name after a "/" unless the folder ends with one.
std::string LoadingDatabasePath(const std::string& folder);

// Reads the loading database of the folder s.fatigueDbState.DatabaseDir (a
// file whose name differs only in case serves when "duvdt.dat" is missing).
// The batches are read into a copy that starts from the start values; the
// program's database changes only when the read ends as a success:
//   the whole file: s.loadingDatabase, LoadingBatchCount := the file's count
//     and LoadingDbOwnFolder and DataDirectory[1] := the folder;
//   the end of the file after at least one complete batch (also where the
//     file states more batches, or a batch more levels, than it holds): the
//     same with the complete batches only (after a beep, no message);
//   the end of the file before a batch is complete: LoadingBatchCount := 0
//     (after a beep, no message); the database and the folder stay;
//   any other fault (a missing file, a 21st batch or a 501st level that the
//     file holds: "Subscript out of range", an item that is no number):
//     a beep, the runtime's text for it (exclamation, "Loading Database");
//     database, count and folder stay as they were.
// In every case a selected batch is given up (SelectedLoadingBatch 0 and
// LoadingDataReady false). The hourglass pointer shows while the file is
// read. Returns whether the read ended as a success.
bool ReadLoadingDatabase(ProgramState& s, Host& host);
