#include "engine/job_checks.h"

#include <algorithm>

#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

int SelectedBatchOf(const ProgramState& s) {
  return std::clamp<int>(s.loadingDbState.SelectedLoadingBatch, 0, kLoadingBatchMax);
}

bool CyclesPerBlockFor(const ProgramState& s, int32_t& cycles) {
  const int b = SelectedBatchOf(s);
  const LoadingDatabase& db = s.loadingDatabase;
  switch (s.analysisOptions.LoadingType) {
    case 1:
      return TryCLng((static_cast<double>(db.BatchPointCount[b]) - 1.0) / 2.0, cycles);
    case 2:
      return TryCLng(db.BatchBlockCycles[b], cycles);
    case 3:
      cycles = 1;
      return true;
    case 4:
      cycles = s.loadingData.BlockVolumeEntry;
      return true;
    default:
      return true;
  }
}

bool LoadingReadyFor(int type, const ProgramState& s) {
  if (type == 3) return true;
  // A batch number outside the database names no data: only constant amplitude fits.
  const int b = s.loadingDbState.SelectedLoadingBatch;
  if (!BatchInRecords(b)) return false;
  const LoadingDatabase& db = s.loadingDatabase;
  switch (type) {
    case 1:
      return db.BatchPointCount[b] >= 1;
    case 2:
      return db.BatchLevelCount[b] > 0.0f;
    case 4: {
      const int16_t source = s.loadingDbState.LoadingSource;
      return source == 2 || (source == 1 && db.BatchR[b] > 0.0f);
    }
    default:
      return false;
  }
}

std::string MeanStressQuestionWord(const ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  if (s.results.MseQuestionAnswered == 1) return "";
  if (ao.LoadingType != 2 && ao.LoadingType != 4) return "";
  const int b = SelectedBatchOf(s);
  const float su = s.loadingDatabase.BatchSu[b];
  const bool hasPoints = s.loadingDatabase.BatchPointCount[b] >= 1;
  if (ao.LoadingType == 2 && ao.MeanStressOption == 2 && su <= 1.0f && hasPoints) return "Without";
  if (ao.MeanStressOption == 1 && su > 1.0f && hasPoints) return "With";
  return "";
}

std::string MeanStressQuestionText(const std::string& word) {
  return "Data " + word + " Mean Stress Effect!" + "\r" + "          Continue?";
}
