#include "material/fatigue_db_format.h"

#include <algorithm>

#include "platform/runtime/blanks.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"

namespace {

// A count that does not fit the arrays; reported like a file that ends early.
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

// The reference lines of a set (files with a version marker): empty lines
// before it are skipped; it runs up to the line that names the test data,
// which is "No fatigue data" or the set's own name. The one empty line that
// the writer puts before that line is not part of the reference.
void ReadReference(ReadContext& c, int i, int j) {
  std::string line;
  do line = c.in.LineInput();
  while (line.empty());
  std::string reference = line;
  for (;;) {
    line = c.in.LineInput();
    if (line == kNoFatigueData || line == c.db.FdbSetName[i][j]) break;
    reference += '\r';
    reference += line;
  }
  if (!reference.empty() && reference.back() == '\r') reference.pop_back();
  c.db.FdbReference[i][j] = reference;
  c.db.FdbTestDataName[i][j] = line;
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
  if (db.FdbSy[i][j] < 10) db.FdbSy[i][j] = Sng(0.6 * db.FdbSu[i][j]);
  db.FdbTestDataName[i][j] = kNoFatigueData;
  db.FdbReference[i][j] = kNoReferenceText;
  if (c.version <= -1) ReadReference(c, i, j);
  ReadSeDistribution(c, i, j);
  db.FdbNo[i][j] = CLng(lifeMillions * 1000000.0);
}

// The batch trailer: the number 0 and the batch name, on one line. The name
// is the rest of the line without its leading and trailing blanks, so that an
// empty name reads back empty (instead of taking the next line) and a name
// holding a comma reads back whole.
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
  c.db.FdbBatchName[i] = line.substr(pos, end - pos);
}

void ReadBatch(ReadContext& c, int i) {
  const float setCount = c.in.ReadSingle();
  const int16_t n = CInt(setCount);
  if (n < 0 || n > kFdbMaxSets) throw CountBeyondLimit{};
  c.db.FdbSetCount[i] = n;
  for (int j = 1; j <= n; ++j) ReadSet(c, i, j);
  ReadBatchTrailer(c, i);
}

// ---- writing ----

void PrintSet(SeqWriter& out, const FatigueDatabase& db, int i, int j) {
  out.PrintLine();
  out.PrintLine(db.FdbSetName[i][j]);
  out.PrintLine(db.FdbSe[i][j], db.FdbNo[i][j] / 1000000.0, db.FdbM[i][j]);
  out.PrintLine(db.FdbPn[i][j], db.FdbR[i][j], db.FdbSu[i][j], db.FdbSy[i][j]);
  out.PrintLine(db.FdbReference[i][j]);
  out.PrintLine();
  out.PrintLine(db.FdbTestDataName[i][j]);
  out.PrintLine(db.FdbSeDistType[i][j], db.FdbSeCov[i][j], db.FdbSeParA[i][j],
                db.FdbSeParB[i][j], db.FdbSeXmin[i][j], db.FdbSeXmax[i][j]);
}

}  // namespace

FatigueDbParseResult ParseFatigueDatabase(SeqReader& in, FatigueDatabase& out) {
  FatigueDbParseResult result;
  try {
    int16_t first = in.ReadInteger();
    ReadContext c{in, out, 0};
    if (first < 0) {
      c.version = first;
      first = in.ReadInteger();
    }
    if (first < 0 || first > kFdbMaxBatches) throw CountBeyondLimit{};
    for (int i = 1; i <= first; ++i) ReadBatch(c, i);
    result.batchCount = first;
  } catch (const CountBeyondLimit&) {
    result.status = FatigueDbParseStatus::Corrupted;
  } catch (const RuntimeError& e) {
    const bool endOfFile = e.code() == kErrInputPastEnd;
    result.status = endOfFile ? FatigueDbParseStatus::Corrupted : FatigueDbParseStatus::Error;
    if (!endOfFile) result.errorText = RuntimeErrorText(e.code());
  }
  return result;
}

void FillFatigueDbSaveTexts(FatigueDatabase& db, int16_t batchCount) {
  const int batches = BatchesToSave(batchCount);
  for (int i = 1; i <= batches; ++i) {
    const int sets = SetsToSave(db.FdbSetCount[i]);
    for (int j = 1; j <= sets; ++j) {
      if (db.FdbReference[i][j].empty()) db.FdbReference[i][j] = kEmptyReferenceText;
      if (db.FdbTestDataName[i][j].empty()) db.FdbTestDataName[i][j] = kNoFatigueData;
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
    out.PrintLine(int16_t{0}, db.FdbBatchName[i]);
  }
  return out;
}
