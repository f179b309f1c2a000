// The loading database "duvdt.dat" and a stress history file: whatever a
// file holds, a refused one leaves the database (or the job's history) as it
// was; an accepted database holds at most 20 batches of at most 500 levels
// and nothing beyond them; an accepted history holds the count the database
// names, as the runtime's reader reads it, with 0 before and after.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "loading/history_file.h"
#include "loading/loading_db_file.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "program_state.h"
#include "support/fake_host.h"

namespace {

void Put(const std::filesystem::path& file, const uint8_t* data, size_t size) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A database read before the input, so that a refused input can be seen to
// leave it.
void ReadKnownDatabase(ProgramState& s, FakeHost& host, const std::string& folder) {
  static const bool written = [&] {
    std::ofstream(std::filesystem::path(folder) / "duvdt.dat", std::ios::binary)
        << "-2\r\n1\r\n5,2,0,0,0\r\n1,10\r\n.5,90\r\n300,150,100,0,0,0,\"Known\"\r\n0,0,0\r\n0,0\r\n";
    return true;
  }();
  (void)written;
  s.fatigueDbState.DatabaseDir = folder;
  FUZZ_CHECK(ReadLoadingDatabase(s, host));
}

void CheckDatabase(const uint8_t* data, size_t size) {
  const std::string known = FuzzPath("known"), input = FuzzPath("input");
  std::filesystem::create_directories(known);
  std::filesystem::create_directories(input);
  auto s = std::make_unique<ProgramState>();
  FakeHost host;
  ReadKnownDatabase(*s, host, known);
  const LoadingDatabase before = s->loadingDatabase;
  Put(std::filesystem::path(input) / "duvdt.dat", data, size);
  s->fatigueDbState.DatabaseDir = input;
  s->loadingDbState.SelectedLoadingBatch = 1;
  const bool read = ReadLoadingDatabase(*s, host);
  FUZZ_CHECK(s->loadingDbState.SelectedLoadingBatch == 0);
  const int count = s->loadingDbState.LoadingBatchCount;
  if (!read) {
    FUZZ_CHECK(s->loadingDatabase == before);
    FUZZ_CHECK(s->fatigueDbState.DataDirectory[1] == known && s->loadingDbState.LoadingDbOwnFolder == known);
    FUZZ_CHECK(count == 0 || count == 1);  // the end of the file before a batch, or any other fault
    return;
  }
  FUZZ_CHECK(count >= 0 && count <= kLoadingBatchMax);
  FUZZ_CHECK(s->fatigueDbState.DataDirectory[1] == input && s->loadingDbState.LoadingDbOwnFolder == input);
  static const LoadingDatabase kFresh;
  const LoadingDatabase& db = s->loadingDatabase;
  for (int i = 1; i <= count; ++i) FUZZ_CHECK(db.BatchLevelCount[i] <= kLevelMax + 0.5f);
  for (int i = count + 1; i <= kLoadingBatchMax; ++i) {
    FUZZ_CHECK(db.BatchName[i] == kFresh.BatchName[i] && db.BatchPointCount[i] == 0 && db.BatchSu[i] == 0);
    FUZZ_CHECK(db.BatchLevelStress[i] == kFresh.BatchLevelStress[i] && db.BatchDistType[i] == 0);
  }
}

// The count the runtime's reader finds in a history file, or -1.
int32_t AnnouncedCount(const std::string& path) {
  try {
    SeqReader in = SeqReader::Open(path);
    in.ReadString();
    return in.ReadLong();
  } catch (const RuntimeError&) {
    return -1;
  }
}

void CheckHistory(const uint8_t* data, size_t size) {
  const std::string folder = FuzzPath("history");
  std::filesystem::create_directories(folder);
  const std::string path = (std::filesystem::path(folder) / "duvhs.1").string();
  Put(path, data, size);
  auto s = std::make_unique<ProgramState>();
  FakeHost host;
  s->loadingDbState.LoadingDbOwnFolder = folder;
  const int32_t n = AnnouncedCount(path);
  s->loadingDatabase.BatchPointCount[1] = n;
  s->loadingData.HistoryPoints = {0, 5, 6, 7, 0};
  s->loadingData.LoadedHistoryLength = 3;
  ReadHistoryFile(*s, host, 1);
  const LoadingData& l = s->loadingData;
  if (!host.messages.empty()) {  // refused: the job's history stays
    FUZZ_CHECK(host.messages.size() == 1);
    FUZZ_CHECK(l.HistoryPoints == (std::vector<float>{0, 5, 6, 7, 0}));
    FUZZ_CHECK(l.LoadedHistoryLength == 0 || (l.LoadedHistoryLength == 3 && n < 3));
    return;
  }
  FUZZ_CHECK(l.LoadedHistoryLength == n && n >= 3 && n <= kHistoryPointMax);
  FUZZ_CHECK(l.HistoryPoints.size() == static_cast<std::size_t>(n) + 2);
  FUZZ_CHECK(l.HistoryPoints.front() == 0.0f && l.HistoryPoints.back() == 0.0f);
  SeqReader in = SeqReader::Open(path);
  in.ReadString();
  in.ReadLong();
  in.ReadSingle();
  for (int32_t i = 1; i <= n; ++i) {
    FUZZ_CHECK(std::bit_cast<uint32_t>(in.ReadSingle()) == std::bit_cast<uint32_t>(l.HistoryPoints[i]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckDatabase(data, size);
  CheckHistory(data, size);
  return 0;
}
