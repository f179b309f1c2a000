#include "loading/batch_texts.h"

#include <cmath>

#include "loading/batch_selection.h"
#include "loading/loading_units.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"

namespace {

constexpr const char* kValueMask = "#####0.0#";
constexpr const char* kTimeMask = "#####0.0##";

const char* KindText(int16_t kind) {
  switch (kind) {
    case 0: return "(Beta)";
    case -1: return "(Weibull)";
    case -2: return "(Log-norm)";
    default: return "";
  }
}

// The distribution's Q in the display unit: Beta as stored, Weibull times
// the upper range, any other kind plus the logarithm of it.
std::string QText(const LoadingDatabase& db, int k, float f) {
  const float q = db.BatchQ[k];
  const int16_t kind = db.BatchDistType[k];
  double shown = q;
  if (kind != 0 && db.BatchUpper[k] > 0.0f) {
    shown = kind == -1 ? q * db.BatchUpper[k] * f : q + std::log(f * db.BatchUpper[k]);
  }
  return Format(shown, "##0.0##");
}

std::string Remark(const ProgramState& s, int k) {
  const LoadingDatabase& db = s.loadingDatabase;
  if (!(db.BatchSu[k] > 1.0011f)) return "  DMSE(-)";
  const float f = s.unitSettings.StressUnitFactor;
  const std::string& unit = s.unitSettings.StressUnit;
  return "DMSE(+): Su=" + Format(f * db.BatchSu[k], "#### ") + unit + ", Sy=" + Format(f * db.BatchSy[k], "#### ") +
         unit + ", Kf=" + Format(db.BatchKf[k], "##.0#");
}

}  // namespace

BatchBrowserTexts BrowseLoadingBatch(ProgramState& s, int k) {
  MaterialData& md = s.materialData;
  if (md.YoungModulus < 2.0f) md.YoungModulus = 210000.0f;
  const LoadingDatabase& db = s.loadingDatabase;
  const int b = BatchInRecords(k) ? k : 0;
  const std::string q = QuantityOfBatch(db.BatchQuantity[b]);
  const bool stress = q == "Stress ";
  const bool history = db.BatchPointCount[b] != 0;
  const float f = stress ? s.unitSettings.StressUnitFactor : history ? 1.0f : 1000000.0f / md.YoungModulus;

  BatchBrowserTexts t;
  t.number = NumberText(static_cast<int32_t>(k));
  t.count = NumberText(s.loadingDbState.LoadingBatchCount);
  t.name = db.BatchName[b];
  t.historyTitle = q + "History";
  t.spectrumTitle = q + "Spectrum";
  t.distributionTitle = q + "Distribution";
  t.historyMaxLabel = "Maximum " + q + ":";
  t.historyMinLabel = "Minimum " + q + ":";
  t.points = NumberText(db.BatchPointCount[b]);
  t.historyMax = Format(history ? f * db.BatchHistoryMax[b] : 0.0f, kValueMask);
  t.historyMin = Format(history ? f * db.BatchHistoryMin[b] : 0.0f, kValueMask);
  t.historyTime = Format(history ? db.BatchBlockTime[b] : 0.0f, kTimeMask);
  t.rangeMaxLabel = "Maximum " + q + "Range:";
  t.rangeMinLabel = "Minimum " + q + "Range:";
  t.upper = Format(f * db.BatchUpper[b], kValueMask);
  t.lower = Format(f * db.BatchLower[b], kValueMask);
  t.levels = NumberText(db.BatchLevelCount[b]);
  t.volume = NumberText(db.BatchBlockCycles[b]);
  t.spectrumTime = Format(db.BatchLevelCount[b] != 0.0f ? db.BatchBlockTime[b] : 0.0f, kTimeMask);
  t.unit = stress ? s.unitSettings.StressUnit : std::string(kMicroSign) + "str";
  const bool anyShape = history || db.BatchLevelCount[b] != 0.0f;
  t.kind = anyShape ? KindText(db.BatchDistType[b]) : "";
  t.q = QText(db, b, f);
  t.r = Format(db.BatchR[b], "###0.0##");
  t.remark = Remark(s, b);
  return t;
}
