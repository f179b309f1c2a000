#include "platform/host.h"
#include "program_state.h"
#include "shell/job_file.h"

bool FatigueSetRestorable(const JobSources& sources, const FatigueDatabase& db,
                          const FatigueDbState& state) {
  const int batch = sources.fatigueBatch;
  if (batch < 1 || batch > state.FatigueBatchCount || batch > kFdbMaxBatches) return false;
  return sources.fatigueSet >= 0 && sources.fatigueSet < db.FdbSetCount[batch];
}

bool LoadingBatchRestorable(const JobSources& sources, const LoadingDbState& state) {
  const int batch = sources.loadingBatch;
  return batch >= 1 && batch <= state.LoadingBatchCount && batch <= kLoadingBatchMax;
}

void GiveUpMaterialRestore(ProgramState& state, Host& host) {
  host.MsgBox(kCantRestoreFatigueData, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kOpenJobTitle);
  state.materialData.MaterialSource = 2;
}

void GiveUpLoadingRestore(ProgramState& state, Host& host) {
  host.MsgBox(kCantRestoreLoadingData, MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kOpenJobTitle);
  state.loadingDbState.LoadingSource = 2;
  state.analysisOptions.LoadingType = 3;
}
