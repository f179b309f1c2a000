#include "material/fatigue_db_format.h"

#include <algorithm>

#include "platform/runtime/blanks.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/seq_writer.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"

namespace {

// A count below zero; reported like a file that ends early.
struct CountBeyondLimit {};

// The whole-number set count of a batch as the loops take it, within 0..6.
int SetsToSave(float setCount) {
  int16_t n = 0;
  if (!TryCInt(setCount, n)) return setCount > 0 ? kFdbMaxSets : 0;
  return std::clamp<int>(n, 0, kFdbMaxSets);
}

int BatchesToSave(int16_t batchCount) { return std::clamp<int>(batchCount, 0, kFdbMaxBatches); }

// ---- reading ----

struct ReadContext {
  SeqReader& in;
  FatigueDatabase& db;
  int16_t version;  // 0 for a file without version marker
};

// Whether a line holds the six numbers of an endurance limit's random
// variable, as the writer puts them after the test-data name.
bool IsDistributionLine(const std::string& line) {
  int numbers = 0;
  std::size_t pos = 0;
  for (;;) {
    while (pos < line.size() && (IsBlank(line[pos]) || line[pos] == ',')) ++pos;
    if (pos == line.size()) return numbers == 6;
    const std::size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != ',') ++pos;
    double value = 0;
    if (!ParseWholeNumber(std::string_view(line).substr(start, pos - start), value)) return false;
    ++numbers;
  }
}

// Whether the reference ends at the empty line just read: the writer puts
// one empty line after the reference, then the test-data name ("No fatigue
// data" or the set's name) and, in version -2, the random-variable line. A
// reference line equal to a name, or an empty line inside the reference, does
// not end it. Reads ahead and comes back; a file that ends meanwhile ends the
// reference no more than it would end the set.
bool ReferenceEndsHere(ReadContext& c, const std::string& setName) {
  const std::size_t mark = c.in.Tell();
  bool ends = false;
  if (!c.in.Eof()) {
    const std::string name = c.in.LineInput();
    ends = name == kNoFatigueData || name == setName;
    if (ends && c.version <= -2) ends = !c.in.Eof() && IsDistributionLine(c.in.LineInput());
  }
  c.in.Seek(mark);
  return ends;
}

// The reference lines of a set (files with a version marker): empty lines
// before it are skipped; it runs up to the empty line before the test-data
// name (ReferenceEndsHere). Its lines are joined by a lone carriage return.
void ReadReference(ReadContext& c, int i, int j) {
  std::string line;
  do line = c.in.LineInput();
  while (line.empty());
  std::string reference = line;
  const std::string& setName = c.db.FdbSetName[i][j];
  for (;;) {
    line = c.in.LineInput();
    if (line.empty() && ReferenceEndsHere(c, setName)) break;
    reference += '\r';
    reference += line;
  }
  c.db.FdbReference[i][j] = reference;
  c.db.FdbTestDataName[i][j] = c.in.LineInput();
}

void ReadSeDistribution(ReadContext& c, int i, int j) {
  c.db.FdbSeDistType[i][j] = 0;
  c.db.FdbSeCov[i][j] = 0.1f;
  if (c.version > -2) return;
  c.db.FdbSeDistType[i][j] = c.in.ReadSingle();
  c.db.FdbSeCov[i][j] = c.in.ReadSingle();
  c.db.FdbSeParA[i][j] = c.in.ReadSingle();
  c.db.FdbSeParB[i][j] = c.in.ReadSingle();
  c.db.FdbSeXmin[i][j] = c.in.ReadSingle();
  c.db.FdbSeXmax[i][j] = c.in.ReadSingle();
}

void ReadSet(ReadContext& c, int i, int j) {
  FatigueDatabase& db = c.db;
  if (c.version <= -2) c.in.ReadString();  // the empty line before the set
  db.FdbSetName[i][j] = c.in.LineInput();
  db.FdbSe[i][j] = c.in.ReadSingle();
  const double lifeMillions = c.in.ReadDouble();
  db.FdbM[i][j] = c.in.ReadSingle();
  db.FdbPn[i][j] = c.in.ReadSingle();
  db.FdbR[i][j] = c.in.ReadSingle();
  db.FdbSu[i][j] = c.in.ReadSingle();
  db.FdbSy[i][j] = c.in.ReadSingle();
  if (db.FdbSy[i][j] < kFdbLowestSy) db.FdbSy[i][j] = Sng(0.6 * db.FdbSu[i][j]);
  db.FdbTestDataName[i][j] = kNoFatigueData;
  db.FdbReference[i][j] = kNoReferenceText;
  if (c.version <= -1) ReadReference(c, i, j);
  ReadSeDistribution(c, i, j);
  db.FdbNo[i][j] = CLng(lifeMillions * 1000000.0);
}

// The batch trailer: the number 0 and the batch name, on one line. A name in
// double quotes (as the writer quotes one that holds a comma, begins with a
// quote or a blank, or ends with a blank) is the text between them; an
// unquoted one is the rest of the line without its outer blanks, so that an
// empty name reads back empty and one holding a comma reads back whole (files
// of earlier versions wrote names unquoted). Taken by the rule of the file's
// texts, as the writer would keep it.
void ReadBatchTrailer(ReadContext& c, int i) {
  const std::string line = c.in.LineInput();
  std::size_t pos = 0;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  const std::size_t numberStart = pos;
  while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != ',') ++pos;
  SeqReader::FromText(line.substr(numberStart, pos - numberStart)).ReadNumber();
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  if (pos < line.size() && line[pos] == ',') ++pos;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  std::size_t end = line.size();
  while (end > pos && IsBlank(line[end - 1])) --end;
  const std::string rest = line.substr(pos, end - pos);
  const bool quoted = !rest.empty() && rest.front() == '"';
  c.db.FdbBatchName[i] = StorableText(quoted ? SeqReader::FromText(rest).ReadString() : rest);
}

// A set count of 7 or more keeps six sets: the batch trailer is expected
// right after the sixth.
void ReadBatch(ReadContext& c, int i) {
  const int16_t n = CInt(c.in.ReadSingle());
  if (n < 0) throw CountBeyondLimit{};
  const int sets = std::min<int>(n, kFdbMaxSets);
  c.db.FdbSetCount[i] = static_cast<float>(sets);
  for (int j = 1; j <= sets; ++j) ReadSet(c, i, j);
  ReadBatchTrailer(c, i);
}

// Batch i of `db` back to its start values (a batch the file did not hold whole).
void ClearBatch(FatigueDatabase& db, int i) {
  static const FatigueDatabase fresh;
  db.FdbSetCount[i] = fresh.FdbSetCount[i];
  db.FdbBatchName[i] = fresh.FdbBatchName[i];
  db.FdbSetName[i] = fresh.FdbSetName[i];
  db.FdbSe[i] = fresh.FdbSe[i];
  db.FdbNo[i] = fresh.FdbNo[i];
  db.FdbM[i] = fresh.FdbM[i];
  db.FdbPn[i] = fresh.FdbPn[i];
  db.FdbR[i] = fresh.FdbR[i];
  db.FdbSu[i] = fresh.FdbSu[i];
  db.FdbSy[i] = fresh.FdbSy[i];
  db.FdbReference[i] = fresh.FdbReference[i];
  db.FdbTestDataName[i] = fresh.FdbTestDataName[i];
  db.FdbSeDistType[i] = fresh.FdbSeDistType[i];
  db.FdbSeCov[i] = fresh.FdbSeCov[i];
  db.FdbSeParA[i] = fresh.FdbSeParA[i];
  db.FdbSeParB[i] = fresh.FdbSeParB[i];
  db.FdbSeXmin[i] = fresh.FdbSeXmin[i];
  db.FdbSeXmax[i] = fresh.FdbSeXmax[i];
}

// ---- writing ----

// The set name and the test-data name are whole lines (read back whole, commas
// and quotes included); the reference is lines of its own.
void PrintSet(SeqWriter& out, const FatigueDatabase& db, int i, int j) {
  out.PrintLine();
  out.PrintLine(WithoutControlCharacters(db.FdbSetName[i][j]));
  out.PrintLine(db.FdbSe[i][j], db.FdbNo[i][j] / 1000000.0, db.FdbM[i][j]);
  out.PrintLine(db.FdbPn[i][j], db.FdbR[i][j], db.FdbSu[i][j], db.FdbSy[i][j]);
  out.PrintLine(StorableReference(db.FdbReference[i][j]));
  out.PrintLine();
  out.PrintLine(WithoutControlCharacters(db.FdbTestDataName[i][j]));
  out.PrintLine(db.FdbSeDistType[i][j], db.FdbSeCov[i][j], db.FdbSeParA[i][j],
                db.FdbSeParB[i][j], db.FdbSeXmin[i][j], db.FdbSeXmax[i][j]);
}

}  // namespace

std::string StorableReference(std::string_view text) {
  std::string lines = StorableLines(text);
  const auto first = lines.find_first_not_of('\r');
  return first == std::string::npos ? std::string() : lines.substr(first);
}

FatigueDbParseResult ParseFatigueDatabase(SeqReader& in, FatigueDatabase& out) {
  FatigueDbParseResult result;
  int complete = 0;  // batches read whole
  try {
    int16_t first = in.ReadInteger();
    ReadContext c{in, out, 0};
    if (first < 0) {
      c.version = first;
      first = in.ReadInteger();
    }
    if (first < 0 || first > kFdbMaxBatches) throw CountBeyondLimit{};
    for (int i = 1; i <= first; ++i, ++complete) ReadBatch(c, i);
    result.batchCount = first;
  } catch (const CountBeyondLimit&) {
    result.status = FatigueDbParseStatus::Corrupted;
  } catch (const RuntimeError& e) {
    const bool endOfFile = e.code() == kErrInputPastEnd;
    result.status = endOfFile ? FatigueDbParseStatus::Corrupted : FatigueDbParseStatus::Error;
    if (!endOfFile) result.errorText = RuntimeErrorText(e.code());
  }
  if (result.status == FatigueDbParseStatus::Corrupted) {
    // the batches read whole are kept; the one that broke off is not
    result.batchCount = static_cast<int16_t>(complete);
    if (complete < kFdbMaxBatches) ClearBatch(out, complete + 1);
  }
  return result;
}

void FillFatigueDbSaveTexts(FatigueDatabase& db, int16_t batchCount) {
  const int batches = BatchesToSave(batchCount);
  for (int i = 1; i <= batches; ++i) {
    const int sets = SetsToSave(db.FdbSetCount[i]);
    for (int j = 1; j <= sets; ++j) {
      if (StorableReference(db.FdbReference[i][j]).empty()) db.FdbReference[i][j] = kEmptyReferenceText;
      if (WithoutControlCharacters(db.FdbTestDataName[i][j]).empty()) db.FdbTestDataName[i][j] = kNoFatigueData;
    }
  }
}

SeqWriter FormatFatigueDatabase(const FatigueDatabase& db, int16_t batchCount) {
  const int batches = BatchesToSave(batchCount);
  SeqWriter out;
  out.PrintLine(kFatigueDbVersion, Zone, static_cast<int16_t>(batches));
  for (int i = 1; i <= batches; ++i) {
    const int sets = SetsToSave(db.FdbSetCount[i]);
    out.PrintLine(static_cast<float>(sets));
    for (int j = 1; j <= sets; ++j) PrintSet(out, db, i, j);
    out.Print(int16_t{0}).PrintText(db.FdbBatchName[i]).EndLine();
  }
  return out;
}
