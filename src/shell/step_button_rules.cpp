#include "shell/step_button_rules.h"

#include "loading/loading_records.h"

bool LoadingFitsType(int type, const LoadingDbState& state, const LoadingDatabase& db) {
  if (type == 3) return true;
  const int b = state.SelectedLoadingBatch;
  if (b < 0 || b > kLoadingBatchMax) return false;
  switch (type) {
    case 1: return db.BatchPointCount[b] >= 1;
    case 2: return db.BatchLevelCount[b] > 0;
    case 4: return state.LoadingSource == 2 || (state.LoadingSource == 1 && db.BatchR[b] > 0);
    default: return false;
  }
}

StepButtonTexts StepButtonTextsFor(bool loadingReady, bool inputViewUp) {
  if (!loadingReady) return {kTipInputLoading, "&Next", "&Run"};
  if (inputViewUp) return {kTipCalculate, "&Run", "&Run"};
  return {kTipCheckInputs, "&Next", "&Next"};
}
