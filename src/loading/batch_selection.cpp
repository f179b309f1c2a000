#include "loading/batch_selection.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "loading/distribution_shape.h"
#include "loading/history_file.h"
#include "loading/loading_units.h"
#include "loading/selected_batch.h"
#include "loading/stress_pair.h"
#include "platform/event_pump.h"
#include "platform/host.h"
#include "platform/runtime/format.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"
#include "shell/user_messages.h"

namespace {

constexpr const char* kTitle = "Current Data Batch";
constexpr const char* kTitleSpaced = "  Current Data Batch";
constexpr const char* kIncomplete =
    "Sorry, the data is incomplete!\rSelect other Data Batch or change problem definition...";
// A batch the job cannot use: this first line, then why.
constexpr const char* kCantUse = " Sorry, can't use the data!\r";
constexpr const char* kUnusableKind = "This type of distribution cannot be accepted. ";
constexpr const char* kStrainQuestion = "Strain will be transformed into pseudostress.\rContinue?";
constexpr const char* kWrongHistory = " Sorry, Wrong History Data!";
constexpr const char* kDmseMinus = "DMSE(-)  ";

void Refusal(ProgramState& s, Host& host, const std::string& text, const char* title) {
  AlertBox(s.shellState, host, text, MsgButtons::OKOnly, MsgIcon::Critical, 1, title);
}

// Whether the batch holds what the loading type needs.
bool FitsLoadingType(const LoadingDatabase& db, int b, int16_t type) {
  using namespace loading_type;
  return (db.BatchLevelCount[b] > 0.0f && (type == kSpectrum || type == kConstantAmplitude)) ||
         (db.BatchR[b] > 0.0f && type == kDistribution) || (db.BatchPointCount[b] > 0 && type == kHistory);
}

// "Without" or "With" where a history batch and the mean-stress option
// disagree, else nothing.
std::string MeanStressDisagreement(const ProgramState& s, int b) {
  const LoadingDatabase& db = s.loadingDatabase;
  if (db.BatchPointCount[b] <= 0) return "";
  const int16_t option = s.analysisOptions.MeanStressOption;
  if (db.BatchSu[b] == 0.0f && option == mean_stress_option::kAccount) return "Without";
  if (db.BatchSu[b] > 1.0f && option == mean_stress_option::kNeglect) return "With";
  return "";
}

// The checks before anything is read; false when the batch is refused.
bool AcceptedByTheJob(ProgramState& s, Host& host, int b) {
  const LoadingDatabase& db = s.loadingDatabase;
  const int16_t type = s.analysisOptions.LoadingType;
  if (!FitsLoadingType(db, b, type)) {
    Refusal(s, host, kIncomplete, kTitleSpaced);
    return false;
  }
  if (type == loading_type::kDistribution && db.BatchDistType[b] < -10) {
    Refusal(s, host, kCantUse + std::string(kUnusableKind), kTitle);
    return false;
  }
  // The values of a batch of any other quantity ("Force") are neither
  // stresses nor strains: no unit and no factor to stress would be right.
  const std::string quantity = QuantityOfBatch(db.BatchQuantity[b]);
  if (quantity != "Stress " && quantity != "Strain ") {
    const std::string why = "The loading quantity \"" + db.BatchQuantity[b] + "\" is neither Stress nor Strain. ";
    Refusal(s, host, kCantUse + why, kTitle);
    return false;
  }
  if (type == loading_type::kSpectrum || type == loading_type::kDistribution) {
    const std::string word = MeanStressDisagreement(s, b);
    if (!word.empty()) {
      const std::string question = "Data " + word + " Mean Stress Effect.\rContinue?";
      if (AlertBox(s.shellState, host, question, MsgButtons::YesNo, MsgIcon::Question, 2, kTitle) != kAnswerYes)
        return false;
    }
    s.results.MseQuestionAnswered = 1;
  }
  if (quantity == "Strain " &&
      host.MsgBox(kStrainQuestion, MsgButtons::YesNo, MsgIcon::Question, 2, kTitle) != kAnswerYes)
    return false;
  return true;
}

// Whether the history starts at its maximum or its minimum (0.1 % apart, in
// Single); a first point of 0 does so only where an extreme is 0.
bool StartsAtAnExtreme(float first, float max, float min) {
  if (first == 0.0f) return max == 0.0f || min == 0.0f;
  const float a = std::fabs(max / first - 1.0f);
  const float m = std::fabs(min / first - 1.0f);
  return a < 0.001 || m < 0.001;
}

// The batch's history from its file into `points`; false when the batch
// cannot be taken (the reader, or this check, has said why, or the caller
// no longer wants it).
bool ReadBatchHistory(ProgramState& s, Host& host, int b, int32_t noted, std::vector<float>& points,
                      const std::function<bool()>& goOn, BatchTaking& outcome) {
  const LoadingDatabase& db = s.loadingDatabase;
  host.SetMousePointer(kPointerHourglass);
  const int32_t n = ReadHistoryFile(s, host, b, points, goOn);
  host.SetMousePointer(kPointerDefault);
  outcome = BatchTaking::Refused;
  if (db.BatchPointCount[b] != noted) {  // fewer than 3 points in the file
    Refusal(s, host, kWrongHistory, kTitleSpaced);
    return false;
  }
  if (n == 0) {
    outcome = BatchTaking::Stopped;
    return false;
  }
  if (!StartsAtAnExtreme(points[1], db.BatchHistoryMax[b], db.BatchHistoryMin[b])) {
    Refusal(s, host, kWrongHistory, kTitleSpaced);
    return false;
  }
  return true;
}

// The rainflow work arrays for a history of n points (elements 0 .. n + 1),
// created anew, each after the old one is freed (millions of points), and
// filled piece by piece with a tick of `pump` between two pieces. False when
// the pump stops the work: the arrays may then be short, which the damage
// calculation mends (it sizes them to the history it counts).
bool CreateRainflowArrays(LoadingData& l, int32_t n, EventPump& pump) {
  for (std::vector<float>* a : {&l.RainflowWork, &l.RainflowMeans, &l.RainflowRanges}) {
    std::vector<float>().swap(*a);
    if (!GrowInPieces(*a, static_cast<std::size_t>(n) + 2, pump)) return false;
  }
  return true;
}

void TakeHistoryOfBatch(ProgramState& s, std::vector<float>&& points, int32_t n) {
  LoadingData& l = s.loadingData;
  s.resultsDisplay.DamageDisplayMode = 0;
  TakeHistory(l, std::move(points), n);
  l.HistoryScaleUsed = l.HistoryScale;
}

void TakeLevels(ProgramState& s, int b) {
  const LoadingDatabase& db = s.loadingDatabase;
  LoadingData& l = s.loadingData;
  if (!(db.BatchLevelCount[b] > 0.0f)) return;
  const int m = std::min<int>(CInt(std::fmin(db.BatchLevelCount[b], kLevelMax)), kLevelMax);
  for (int j = 1; j <= m; ++j) {
    l.LevelStress[j] = db.BatchLevelStress[b][j];
    l.LevelCycles[j] = db.BatchLevelCycles[b][j];
  }
  l.SpectrumLevelCount = static_cast<int16_t>(m);
}

// The batch's kind as the law in use: 0 Beta, -1 Weibull, any other kind
// log-normal, as the browser's preview draws it (the calculation knows no
// other law).
void TakeDistributionKind(LoadingData& l, int16_t kind) {
  l.DistributionType = static_cast<int16_t>(DistributionTypeOfBatch(kind));
  l.DistributionName = DistributionNameOf(l.DistributionType);
}

void TakeStresses(ProgramState& s, int b) {
  const LoadingDatabase& db = s.loadingDatabase;
  LoadingData& l = s.loadingData;
  // A count beyond the 32-bit range leaves the block volume as it was.
  if (int32_t cycles = 0; TryCLng(db.BatchBlockCycles[b], cycles)) l.CyclesPerBlock = l.BlockVolumeEntry = cycles;
  l.MaxStressInput = db.BatchUpper[b];
  l.DistQInput = db.BatchQ[b];
  l.DistRInput = db.BatchR[b];
  if (l.MaxStressInput == 0.0f) l.MaxStressInput = db.BatchHistoryMax[b] - db.BatchHistoryMin[b];
  l.StressRangeFrom = l.StressRangeTo = l.StressRange = l.MaxStressInput;
  l.StressMinOrMean = 0.0f;
  if (db.BatchPointCount[b] > 0) {
    l.StressMinOrMean = l.StressInputMode == 1 ? db.BatchHistoryMin[b]
                                               : (db.BatchHistoryMax[b] + db.BatchHistoryMin[b]) / 2;
  }
  l.StressMinOrMeanInput = l.StressMinOrMean;
  l.ScalingFactor = l.ScalingFactorMin = l.ScalingFactorMax = 1.0f;
  DeriveStressPair(l);
}

// One damage per rainflow cycle class of a history, else per level.
void SizeLevelDamage(ProgramState& s, int b) {
  const int32_t n = s.loadingDatabase.BatchPointCount[b];
  const int32_t last = n > 0 ? CLng((static_cast<double>(n) + 1) / 2) : kLevelMax + 1;
  std::vector<float>(static_cast<std::size_t>(last) + 1).swap(s.results.LevelDamage);
}

// A batch whose Su is not above this carries no strengths.
constexpr float kNoStrengthSu = 1.0001f;

// The batch's strengths for the summary ("DMSE(+): ..."), or "DMSE(-)  ".
void TakeStrengthTexts(ProgramState& s, int b) {
  const LoadingDatabase& db = s.loadingDatabase;
  LoadingData& l = s.loadingData;
  if (!(db.BatchSu[b] > kNoStrengthSu)) {
    l.BatchMseText = l.BatchMseText2 = kDmseMinus;
    return;
  }
  const float f = s.unitSettings.StressUnitFactor;
  const std::string su = Format(f * db.BatchSu[b], "####");
  const std::string sy = Format(f * db.BatchSy[b], "####");
  const std::string kf = Format(db.BatchKf[b], "##.0# ");
  const bool feature = s.analysisOptions.SNDataSpecimen == sn_data_specimen::kFeature;
  l.BatchMseText = "DMSE(+): Su=" + su + ", Sy=" + sy + (feature ? ", Kf=" + kf : "");
  l.BatchMseText2 = "DMSE(+): " + su + "/" + sy + (feature ? "/" + kf : "");
}

void TakeQuantity(ProgramState& s, int b) {
  LoadingUnits& u = s.loadingUnits;
  u.LoadQuantity = QuantityOfBatch(s.loadingDatabase.BatchQuantity[b]);
  if (u.LoadQuantity == "Stress ") u.LoadToStressFactor = 1.0f;
  FollowLoadingUnits(s);
}

}  // namespace

bool FollowBatchStrengthTexts(ProgramState& s) {
  const int b = SelectedBatchOf(s);
  if (!(s.loadingDatabase.BatchSu[b] > kNoStrengthSu)) return false;
  TakeStrengthTexts(s, b);
  return true;
}

std::string QuantityOfBatch(const std::string& batchQuantity) {
  // Six characters, not bytes: a character beyond ASCII takes two to four.
  std::size_t end = 0;
  for (int chars = 0; chars < 6 && end < batchQuantity.size(); ++chars) {
    do ++end;
    while (end < batchQuantity.size() && (static_cast<unsigned char>(batchQuantity[end]) & 0xC0) == 0x80);
  }
  return batchQuantity.substr(0, end) + " ";
}

BatchTaking TakeBrowsedBatch(ProgramState& s, Host& host, const std::function<bool()>& goOn) {
  LoadingDbState& st = s.loadingDbState;
  LoadingData& l = s.loadingData;
  // A number that names no row of the database names no data.
  const int b = BatchInRecords(st.BrowsedLoadingBatch) ? st.BrowsedLoadingBatch : 0;
  const int32_t noted = s.loadingDatabase.BatchPointCount[b];
  s.results.MseQuestionAnswered = 0;
  if (!AcceptedByTheJob(s, host, b)) return BatchTaking::Refused;
  std::vector<float> history;
  if (noted != 0) {
    BatchTaking outcome = BatchTaking::Refused;
    if (!ReadBatchHistory(s, host, b, noted, history, goOn, outcome)) return outcome;
    EventPump pump(host, 1, goOn);
    if (!CreateRainflowArrays(l, noted, pump)) return BatchTaking::Stopped;
    TakeHistoryOfBatch(s, std::move(history), noted);
  }
  l.SelectedHistoryLength = noted;
  st.SelectedLoadingBatch = st.TakenLoadingBatch = static_cast<int16_t>(b);
  // the job's loading now comes from the database in memory: it names its folder
  st.TakenLoadingFolder = s.fatigueDbState.DataDirectory[1] = st.LoadingDbOwnFolder;
  TakeLevels(s, b);
  st.LoadingSource = 1;
  s.jobTexts.LoadingName = s.loadingDatabase.BatchName[b];
  TakeDistributionKind(l, s.loadingDatabase.BatchDistType[b]);
  TakeStresses(s, b);
  SizeLevelDamage(s, b);
  TakeStrengthTexts(s, b);
  TakeQuantity(s, b);
  s.wizardFlags.LoadingDataReady = true;
  return BatchTaking::Taken;
}
