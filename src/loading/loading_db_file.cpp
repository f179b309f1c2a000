#include "loading/loading_db_file.h"

#include <memory>

#include "platform/host.h"
#include "platform/runtime/case_blind_path.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_stream.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kTitle = "Loading Database";
constexpr const char* kStress = "Stress ";

// What the first item of the file says about the items of each batch.
struct FileVersion {
  int marker = 1;  // the first item when it is 0 or less; above 0 for a file without a marker
  bool Quantity() const { return marker == -3; }
  bool DistributionKind() const { return marker < 0; }
  bool Strengths() const { return marker <= -2; }
};

// Where reading stopped: the batches read completely, and the runtime's
// error that stopped it (0 after the whole file).
struct DatabaseRead {
  int complete = 0;
  int error = 0;
};

// The row i with its start values (quantity, name, counts, levels, kind 0,
// strengths and notch factor 0).
void ClearRow(LoadingDatabase& db, int i) {
  static const LoadingDatabase kFresh;
  db.BatchQuantity[i] = kFresh.BatchQuantity[i];
  db.BatchName[i] = kFresh.BatchName[i];
  db.BatchBlockTime[i] = db.BatchLevelCount[i] = 0;
  db.BatchPointCount[i] = 0;
  db.BatchHistoryMax[i] = db.BatchHistoryMin[i] = 0;
  db.BatchLevelStress[i].fill(0);
  db.BatchLevelCycles[i].fill(0);
  db.BatchUpper[i] = db.BatchLower[i] = db.BatchBlockCycles[i] = 0;
  db.BatchQ[i] = db.BatchR[i] = 0;
  db.BatchDistType[i] = 0;
  db.BatchSu[i] = db.BatchSy[i] = db.BatchKf[i] = 0;
}

// The level pairs of a batch: as many as the whole number nearest to its
// level count (halves to even). No row holds a level beyond the 500th: the
// fault comes only when the file holds such a level, so a count that the
// file does not fill ends as any file that ends early.
void ReadLevels(SeqStream& in, LoadingDatabase& db, int i) {
  const float count = db.BatchLevelCount[i];
  const int n = count > kLevelMax + 0.5f ? kLevelMax + 1 : count > 0.0f ? CInt(count) : 0;
  for (int b = 1; b <= n; ++b) {
    const float stress = in.ReadSingle();
    if (b > kLevelMax) throw RuntimeError(kErrSubscriptOutOfRange);
    db.BatchLevelStress[i][b] = stress;
    db.BatchLevelCycles[i][b] = in.ReadSingle();
  }
}

// The first item of a batch, read to see whether the file holds the batch.
void ReadFirstItem(SeqStream& in, const FileVersion& v) {
  if (v.Quantity())
    in.SkipString();
  else
    in.ReadSingle();
}

void ReadBatch(SeqStream& in, const FileVersion& v, LoadingDatabase& db, int i) {
  db.BatchQuantity[i] = v.Quantity() ? in.ReadString() : kStress;
  db.BatchBlockTime[i] = in.ReadSingle();
  db.BatchLevelCount[i] = in.ReadSingle();
  db.BatchPointCount[i] = in.ReadLong();
  db.BatchHistoryMax[i] = in.ReadSingle();
  db.BatchHistoryMin[i] = in.ReadSingle();
  ReadLevels(in, db, i);
  for (auto* field : {&db.BatchUpper[i], &db.BatchLower[i], &db.BatchBlockCycles[i]}) *field = in.ReadSingle();
  for (auto* field : {&db.BatchQ[i], &db.BatchR[i], &db.BatchSu[i]}) *field = in.ReadSingle();
  db.BatchName[i] = in.ReadString();
  if (v.DistributionKind()) {
    in.ReadSingle();  // two numbers the program does not use
    in.ReadSingle();
    db.BatchDistType[i] = in.ReadInteger();
  }
  if (v.Strengths()) {
    db.BatchSy[i] = in.ReadSingle();
    db.BatchKf[i] = in.ReadSingle();
  } else if (db.BatchSu[i] > 1.0f) {
    db.BatchKf[i] = 1.0f;
    db.BatchSy[i] = db.BatchSu[i];
  }
}

// Reads the file at `path` into `db` (fresh rows), batch by batch.
DatabaseRead ReadBatches(const std::string& path, LoadingDatabase& db) {
  DatabaseRead r;
  try {
    SeqStream in = SeqStream::Open(path);
    FileVersion v;
    const int16_t first = in.ReadInteger();
    int count = first;
    if (first <= 0) {
      v.marker = first;
      count = in.ReadInteger();
    }
    for (int i = 1; i <= count; ++i) {
      // No row holds a batch beyond the 20th: the fault comes only when the
      // file holds one, so a count that the file does not fill ends as any
      // file that ends early.
      if (i > kLoadingBatchMax) {
        ReadFirstItem(in, v);
        throw RuntimeError(kErrSubscriptOutOfRange);
      }
      ReadBatch(in, v, db, i);
      r.complete = i;
    }
  } catch (const RuntimeError& e) {
    r.error = e.code();
  }
  return r;
}

}  // namespace

std::string LoadingDatabasePath(const std::string& folder) { return FileInFolder(folder, kLoadingDbFileName); }

bool ReadLoadingDatabase(ProgramState& s, Host& host) {
  host.SetMousePointer(kPointerHourglass);
  FatigueDbState& folders = s.fatigueDbState;
  auto staging = std::make_unique<LoadingDatabase>();
  const DatabaseRead r = ReadBatches(CaseBlindPath(folders.DatabaseDir, kLoadingDbFileName), *staging);
  const bool endOfFile = r.error == kErrInputPastEnd;
  const bool success = r.error == 0 || (endOfFile && r.complete > 0);
  if (r.error != 0) BeepIfEnabled(s.shellState, host);
  if (r.error != 0 && !endOfFile) {
    host.MsgBox(RuntimeErrorText(r.error), MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kTitle);
  }
  if (success) {
    ClearRow(*staging, r.complete + 1 <= kLoadingBatchMax ? r.complete + 1 : 0);  // a batch read in part
    s.loadingDatabase = std::move(*staging);
    s.loadingDbState.LoadingBatchCount = static_cast<int16_t>(r.complete);
    folders.DataDirectory[1] = s.loadingDbState.LoadingDbOwnFolder = folders.DatabaseDir;
  } else if (endOfFile) {
    s.loadingDbState.LoadingBatchCount = 0;
  }
  if (s.loadingDbState.SelectedLoadingBatch > 0) {
    s.wizardFlags.LoadingDataReady = false;
    s.loadingDbState.SelectedLoadingBatch = 0;
  }
  host.SetMousePointer(kPointerDefault);
  return success;
}
