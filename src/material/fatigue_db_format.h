#pragma once

#include <cstdint>
#include <string>

#include "material/fatigue_db_records.h"
#include "platform/runtime/seq_writer.h"

class SeqReader;


// The text layout of the fatigue database file "duvak.dat", without the file
// system and without messages (fatigue_db_file.h does those).
//
// Layout of the current version (-2), every line ended by CR LF, numbers in
// the runtime's print form:
//   -2<zone>count                    version marker, batch count at column 15
//   per batch: set count (Single)
//     per set: empty line / set name / Se; No in millions (Double); m /
//              Pn; r; Su; Sy / reference (its own lines) / empty line /
//              test-data name / dist type; cov; A; B; xmin; xmax
//   per batch trailer: 0; batch name
// Version -1 lacks the empty line before each set and the random-variable
// line; a file without version marker starts with the batch count and holds
// only the name and the two value lines of each set.

inline constexpr int16_t kFatigueDbVersion = -2;

// Reference text given to a set whose reference is empty when it is saved.
inline constexpr const char* kEmptyReferenceText = "Description & Reference:";
// Reference text of every set read from a file that holds no references.
inline constexpr const char* kNoReferenceText = "Description and/or Reference:";

// Why a file's text could not be taken.
enum class FatigueDbParseStatus {
  Ok,
  Corrupted,  // the text ends early, or a count lies beyond 20 batches or 6 sets
  Error,      // another runtime error (an item that is not a number, an overflow)
};

struct FatigueDbParseResult {
  FatigueDbParseStatus status = FatigueDbParseStatus::Ok;
  std::string errorText;  // the runtime's text for Error
  int16_t batchCount = 0;  // batches read (only meaningful for Ok)
};

// Reads a whole database from `in` into `out`, which should be a fresh
// database (start values); on failure `out` holds a partial read and must be
// thrown away.
FatigueDbParseResult ParseFatigueDatabase(SeqReader& in, FatigueDatabase& out);

// Gives empty references and test-data names of the sets that will be saved
// the texts the file stores for them ("Description & Reference:",
// "No fatigue data"), as saving does in memory too.
void FillFatigueDbSaveTexts(FatigueDatabase& db, int16_t batchCount);

// The file of the first `batchCount` batches, in the current version's
// layout, ready to be saved. Counts beyond the arrays are held to 20 batches
// and 6 sets.
SeqWriter FormatFatigueDatabase(const FatigueDatabase& db, int16_t batchCount);
