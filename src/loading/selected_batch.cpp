#include "loading/selected_batch.h"

#include <algorithm>

#include "program_state.h"

int SelectedBatchOf(const ProgramState& s) {
  return std::clamp<int>(s.loadingDbState.SelectedLoadingBatch, 0, kLoadingBatchMax);
}

void KeepLoadingAsTypedIn(ProgramState& s) {
  s.loadingDbState.SelectedLoadingBatch = 0;
  s.loadingDbState.LoadingSource = 2;
}

void LeaveBatchForKeyboard(ProgramState& s) {
  KeepLoadingAsTypedIn(s);
  s.jobTexts.LoadingName = "???";
}
