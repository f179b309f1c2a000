// The fatigue database "duvak.dat": whatever a file holds, a refused one
// leaves the database in memory and its state as they were; an accepted one
// (whole or its complete batches) can be saved, and the saved file opens
// again whole and, saved once more, gives the same database: every name and
// reference exactly, every number as the file keeps it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "material/fatigue_db_file.h"
#include "material/fatigue_db_fixtures.h"
#include "support/fake_host.h"

namespace {

struct Database {
  std::unique_ptr<FatigueDatabase> db = std::make_unique<FatigueDatabase>();
  FatigueDbState state;
  FakeHost host;

  explicit Database(const std::string& folder) { state.DatabaseDir = folder; }

  FatigueDbRead Read() { return ReadFatigueDatabase(*db, state, host, false); }
  // Saves to a folder where no database lies (so no question is asked).
  bool Write(const std::string& folder) {
    std::filesystem::remove(std::filesystem::path(folder) / "duvak.dat");
    state.DatabaseDir = folder;
    return WriteFatigueDatabase(*db, state, host, false);
  }
};

// The names and references of the batches in memory.
std::string Texts(const Database& d) {
  std::string all;
  for (int i = 1; i <= d.state.FatigueBatchCount; ++i) {
    all += d.db->FdbBatchName[i] + '\n';
    for (int j = 1; j <= d.db->FdbSetCount[i]; ++j)
      all += d.db->FdbSetName[i][j] + '\n' + d.db->FdbReference[i][j] + '\n' + d.db->FdbTestDataName[i][j] + '\n';
  }
  return all;
}

std::string Folder(const std::string& name) {
  const std::string folder = FuzzPath(name);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input = Folder("input");
  std::filesystem::path file = std::filesystem::path(input) / "duvak.dat";
  {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  Database first(input);
  *first.db = fdb_fixture::ThreeBatches();
  first.state.FatigueBatchCount = 3;
  first.state.FatigueDbModified = 1;
  const FatigueDatabase dbBefore = *first.db;
  const FatigueDbState stateBefore = first.state;
  const FatigueDbRead read = first.Read();
  if (!read) {
    FUZZ_CHECK(*first.db == dbBefore);
    FUZZ_CHECK(first.state == stateBefore);
    FUZZ_CHECK(first.host.messages.size() == 1);
    return 0;
  }
  FUZZ_CHECK(first.state.FatigueBatchCount >= 0 && first.state.FatigueBatchCount <= kFdbMaxBatches);
  FUZZ_CHECK(first.Write(Folder("saved")));  // every database that opened can be saved
  Database second(Folder("saved"));
  FUZZ_CHECK(second.Read() == kFdbRead);  // and opens again whole
  FUZZ_CHECK(second.state.FatigueBatchCount == first.state.FatigueBatchCount);
  FUZZ_CHECK(Texts(second) == Texts(first));
  FUZZ_CHECK(second.Write(Folder("again")));
  Database third(Folder("again"));
  FUZZ_CHECK(third.Read() == kFdbRead);
  FUZZ_CHECK(*third.db == *second.db);
  return 0;
}
