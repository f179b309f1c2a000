#include <string>

#include "loading/selected_batch.h"
#include "platform/host.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"
#include "shell/job_file.h"

namespace {

// "Can't restore ..." alone, or with why below it and what the job keeps.
std::string RestoreFailureText(const char* cant, const std::string& why, const char* kept) {
  return why.empty() ? std::string(cant) : std::string(cant) + "\r" + why + ": " + kept;
}

std::string Number(int n) { return NumberText(static_cast<int32_t>(n)); }

}  // namespace

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

std::string MissingFatigueSetText(const JobSources& sources, const FatigueDbState& state) {
  if (state.FatigueBatchCount < 1) return "";
  const int batch = sources.fatigueBatch;
  if (batch < 1 || batch > state.FatigueBatchCount) return "The Fatigue Database holds no batch " + Number(batch);
  return "Batch " + Number(batch) + " of the Fatigue Database holds no set " + Number(sources.fatigueSet + 1);
}

std::string MissingLoadingBatchText(const JobSources& sources, const LoadingDbState& state) {
  if (sources.loadingBatch < 1) return "The job names no batch of the Loading Database";
  if (state.LoadingBatchCount < 1) return "";
  return "The Loading Database holds no batch " + Number(sources.loadingBatch);
}

std::string BatchNotTakenText(int batch) { return "Batch " + Number(batch) + " was not taken"; }

int16_t LoadingTypeToRetake(const LoadingDatabase& db, int batch, int16_t jobType) {
  using namespace loading_type;
  if (!BatchInRecords(batch)) return jobType;
  const bool levels = db.BatchLevelCount[batch] > 0.0f;
  const bool history = db.BatchPointCount[batch] > 0;
  const bool distribution = db.BatchR[batch] > 0.0f;
  const bool fits = ((jobType == kSpectrum || jobType == kConstantAmplitude) && levels) ||
                    (jobType == kDistribution && distribution) || (jobType == kHistory && history);
  if (fits) return jobType;
  if (history) return kHistory;
  if (levels) return kSpectrum;
  if (distribution) return kDistribution;
  return jobType;
}

void GiveUpMaterialRestore(ProgramState& state, Host& host, const std::string& why) {
  host.MsgBox(RestoreFailureText(kCantRestoreFatigueData, why, "the S-N data are kept as typed in."),
              MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kOpenJobTitle);
  state.materialData.MaterialSource = 2;
}

void GiveUpLoadingRestore(ProgramState& state, Host& host, const std::string& why) {
  host.MsgBox(
      RestoreFailureText(kCantRestoreLoadingData, why, "the stresses are kept as a typed-in constant amplitude."),
      MsgButtons::OKOnly, MsgIcon::Exclamation, 1, kOpenJobTitle);
  KeepLoadingAsTypedIn(state);
  state.analysisOptions.LoadingType = 3;
}
