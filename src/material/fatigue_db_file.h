#pragma once

#include <string>

#include "material/fatigue_db_records.h"

class Host;

// The fatigue database file "duvak.dat" in the database folder.
inline constexpr const char* kFatigueDbFileName = "duvak.dat";

// The path of "duvak.dat" in `folder`: the name is appended directly when the
// folder ends with a separator, otherwise after one.
std::string FatigueDatabasePath(const std::string& folder);

// Reads "duvak.dat" from state.DatabaseDir. The file is read into a staging
// copy; a read replaces `db` and state.FatigueBatchCount, sets
// state.FatigueDbOwnFolder and state.DataDirectory[2] to the folder and clears
// state.FatigueDbModified.
// Failures are reported through `host` (after a beep when `beepEnabled`):
//   the file ends early or holds a count beyond 20 batches or below 0:
//     "The Material Data-Base is corrupted!", OK, exclamation, "Material Data-Base";
//     the batches read whole before the one that broke off are taken as a
//     read; when there are none, `db` and `state` stay unchanged;
//   any other error (a missing file, an item that is not a number or does
//   not fit): the runtime's text, OK, exclamation, "Material Database";
//   `db` and `state` stay unchanged.
// Shows the hourglass pointer while the file is read. Returns whether a
// database was taken (true for kFdbRead and kFdbReadInPart), and whether the
// whole file was. The caller sets the data-service options for browsing.
enum FatigueDbRead : int {
  kFdbNotRead = 0,     // nothing taken
  kFdbRead = 1,        // the whole file
  kFdbReadInPart = 2,  // the batches before a corrupted one
};
FatigueDbRead ReadFatigueDatabase(FatigueDatabase& db, FatigueDbState& state, Host& host,
                                  bool beepEnabled = true);

// A confirmed overwrite (OverwriteConfirmed 1) holds for the folder of the
// database in memory only: it is cleared when state.DatabaseDir is another
// folder than state.FatigueDbOwnFolder (compared as folders).
void ConfirmedOverwriteHoldsForItsFolder(FatigueDbState& state);

// Writes batches 1..state.FatigueBatchCount of `db` to "duvak.dat" in
// state.DatabaseDir by atomic replacement (a failed save keeps the old file).
// Unless state.OverwriteConfirmed is 1 and holds for this folder
// (ConfirmedOverwriteHoldsForItsFolder), asks before replacing an existing
// file ("Overwrite the existing Fatigue Database?  "); Cancel
// writes nothing. Empty references and test-data names get the texts the file
// stores for them, in memory too. On success clears state.FatigueDbModified
// and sets state.FatigueDbOwnFolder and state.DataDirectory[2] to the folder; a
// failure is reported with the runtime's error text (OK, exclamation,
// "Material Database") and leaves them as they were. Returns whether the
// file was written.
bool WriteFatigueDatabase(FatigueDatabase& db, FatigueDbState& state, Host& host,
                          bool beepEnabled = true);
