#include "engine/job_checks.h"

#include "loading/selected_batch.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/user_messages.h"

bool CyclesPerBlockFor(const ProgramState& s, int32_t& cycles) {
  const int b = SelectedBatchOf(s);
  const LoadingDatabase& db = s.loadingDatabase;
  switch (s.analysisOptions.LoadingType) {
    case loading_type::kHistory:
      return TryCLng((static_cast<double>(db.BatchPointCount[b]) - 1.0) / 2.0, cycles);
    case loading_type::kSpectrum:
      return TryCLng(db.BatchBlockCycles[b], cycles);
    case loading_type::kConstantAmplitude:
      cycles = 1;
      return true;
    case loading_type::kDistribution:
      cycles = s.loadingData.BlockVolumeEntry;
      return true;
    default:
      return true;
  }
}

bool LoadingReadyFor(int type, const ProgramState& s) {
  if (type == 3) return true;
  // A batch number outside the database names no data: only constant amplitude fits.
  if (!BatchInRecords(s.loadingDbState.SelectedLoadingBatch)) return false;
  const int b = SelectedBatchOf(s);
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
  if (ao.LoadingType != loading_type::kSpectrum && ao.LoadingType != loading_type::kDistribution) return "";
  const int b = SelectedBatchOf(s);
  const float su = s.loadingDatabase.BatchSu[b];
  const bool hasPoints = s.loadingDatabase.BatchPointCount[b] >= 1;
  const bool accounted = ao.MeanStressOption == mean_stress_option::kAccount;
  if (ao.LoadingType == loading_type::kSpectrum && accounted && su <= 1.0f && hasPoints) return "Without";
  if (ao.MeanStressOption == mean_stress_option::kNeglect && su > 1.0f && hasPoints) return "With";
  return "";
}

std::string MeanStressQuestionText(const std::string& word) {
  return "Data " + word + " Mean Stress Effect!" + "\r" + "          Continue?";
}

MeanStressAnswer AskMeanStressQuestion(ProgramState& s, Host& host) {
  const std::string word = MeanStressQuestionWord(s);
  if (word.empty()) return MeanStressAnswer::NotAsked;
  const int answer = AlertBox(s.shellState, host, MeanStressQuestionText(word), MsgButtons::YesNo, MsgIcon::Question,
                              2, kMeanStressQuestionTitle);
  if (answer != kAnswerYes) {
    s.analysisOptions.MeanStressOption = mean_stress_option::kNeglect;
    return MeanStressAnswer::No;
  }
  s.results.MseQuestionAnswered = 1;
  return MeanStressAnswer::Yes;
}
