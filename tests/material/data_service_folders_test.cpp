#include "material/data_service_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "program_state.h"
#include "support/scoped_folder.h"

namespace {

namespace fs = std::filesystem;

// The folders "job", "loads" and "materials"; each database in memory keeps
// its own folder, the job names "job".
TEST(DataServiceFolders, TheDatabaseInMemoryIsServedInItsOwnFolder) {
  const ScopedTempFolder root("data_service_folders");
  for (const char* name : {"job", "loads", "materials"}) fs::create_directory(root.path() / name);
  const std::string job = (root.path() / "job").string();
  const std::string loads = (root.path() / "loads").string();
  const std::string materials = (root.path() / "materials").string();
  struct Case {
    const char* what;
    int16_t mode;
    bool inMemory;
    std::string shown;
    std::string back;
    bool another;
  };
  const Case cases[] = {
      {"loading, none in memory", 1, false, loads, job, false},
      {"loading, on the job's folder", 1, true, job, loads, true},
      {"loading, on its own folder", 1, true, loads, loads, false},
      {"loading, its own folder written otherwise", 1, true, loads + "/../loads/", loads, false},
      {"loading, on the fatigue database's folder", 1, true, materials, loads, true},
      {"fatigue, none in memory", 2, false, materials, job, false},
      {"fatigue, on the job's folder", 2, true, job, materials, true},
      {"fatigue, on its own folder", 2, true, materials + "/", materials, false},
      {"fatigue, on the loading database's folder", 2, true, loads, materials, true},
  };
  for (const Case& c : cases) {
    ProgramState s;
    FatigueDbState& st = s.fatigueDbState;
    st.DataServiceMode = c.mode;
    st.DataDirectory[1] = st.DataDirectory[2] = job;
    s.loadingDbState.LoadingDbOwnFolder = loads;
    st.FatigueDbOwnFolder = materials;
    s.loadingDbState.LoadingBatchCount = c.inMemory && c.mode == 1 ? 3 : 0;
    st.FatigueBatchCount = c.inMemory && c.mode == 2 ? 2 : 0;
    st.DatabaseDir = c.shown;
    EXPECT_EQ(ServedDatabaseInMemory(s), c.inMemory) << c.what;
    EXPECT_EQ(FolderOfTheServedDatabase(s), c.back) << c.what;
    EXPECT_EQ(ActsOnAnotherFolder(s), c.another) << c.what;
  }
}

}  // namespace
