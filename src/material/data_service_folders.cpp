#include "material/data_service_folders.h"

#include "platform/runtime/folder_path.h"
#include "program_state.h"

namespace {
bool ServesLoading(const ProgramState& s) { return s.fatigueDbState.DataServiceMode == 1; }
}  // namespace

bool ServedDatabaseInMemory(const ProgramState& s) {
  return ServesLoading(s) ? s.loadingDbState.LoadingBatchCount > 0 : s.fatigueDbState.FatigueBatchCount > 0;
}

const std::string& FolderOfTheServedDatabase(const ProgramState& s) {
  const FatigueDbState& st = s.fatigueDbState;
  if (!ServedDatabaseInMemory(s)) return st.DataDirectory[ServesLoading(s) ? 1 : 2];
  return ServesLoading(s) ? s.loadingDbState.LoadingDbOwnFolder : st.FatigueDbOwnFolder;
}

bool ActsOnAnotherFolder(const ProgramState& s) {
  return ServedDatabaseInMemory(s) && !SameFolder(s.fatigueDbState.DatabaseDir, FolderOfTheServedDatabase(s));
}
