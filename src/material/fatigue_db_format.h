#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
  Corrupted,  // the text ends early, or a count lies beyond 20 batches or below 0
  Error,      // another runtime error (an item that is not a number, an overflow)
};

struct FatigueDbParseResult {
  FatigueDbParseStatus status = FatigueDbParseStatus::Ok;
  std::string errorText;  // the runtime's text for Error
  // Ok: the batches read; Corrupted: the batches read whole before the one
  // that broke off (0 when the file ends inside its first batch).
  int16_t batchCount = 0;
};

// Reads a whole database from `in` into `out`, which should be a fresh
// database (start values). A set count of 7 or more keeps six sets. Each
// set's reference runs to the end the writer's layout gives it: the empty
// line followed by the test-data name ("No fatigue data" or the set's name)
// and, in version -2, the six numbers of its random variable; so a reference
// line equal to a name reads back as written. When Corrupted, `out` holds
// the batches read whole and start values beyond them; after Error it holds
// a partial read and must be thrown away.
FatigueDbParseResult ParseFatigueDatabase(SeqReader& in, FatigueDatabase& out);

// A set's description and reference as the file keeps it: its lines joined
// by a lone carriage return (StorableLines), without the empty lines before
// the first, which the reader skips. The reference box stores this.
std::string StorableReference(std::string_view text);

// Gives empty references and test-data names of the sets that will be saved
// the texts the file stores for them ("Description & Reference:",
// "No fatigue data"), as saving does in memory too.
void FillFatigueDbSaveTexts(FatigueDatabase& db, int16_t batchCount);

// The file of the first `batchCount` batches, in the current version's
// layout, ready to be saved. Counts beyond the arrays are held to 20 batches
// and 6 sets. Texts follow the rule of the program's files (seq_text.h): the
// batch name, a print item after its number, in double quotes where it must
// be; the set and test-data names as whole lines without control characters;
// the reference as its lines.
SeqWriter FormatFatigueDatabase(const FatigueDatabase& db, int16_t batchCount);
