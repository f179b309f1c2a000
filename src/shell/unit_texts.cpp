#include "shell/unit_texts.h"

#include "loading/selected_batch.h"
#include "platform/runtime/format.h"
#include "program_state.h"

namespace {
std::string Whole(float v) { return Format(v, "####"); }
}  // namespace

bool RebuildBatchMeanStressTexts(ProgramState& s) {
  const int k = SelectedBatchOf(s);
  const LoadingDatabase& db = s.loadingDatabase;
  if (!(db.BatchSu[k] > 1.001f)) return false;
  const float f = s.unitSettings.StressUnitFactor;
  const std::string su = Whole(f * db.BatchSu[k]), sy = Whole(f * db.BatchSy[k]);
  const std::string kf = Format(db.BatchKf[k], "##.0#");
  s.loadingData.BatchMseText = "DMSE(+): Su=" + su + ", Sy=" + sy + ", Kt=" + kf;
  s.loadingData.BatchMseText2 = "DMSE(+): " + su + "/" + sy + "/" + kf;
  return true;
}

std::string HistoryExtremesCaption(const ProgramState& s, const char* mask) {
  return HistoryExtremesCaption(s, mask, s.unitSettings.StressUnitFactor, s.unitSettings.StressUnit);
}

std::string HistoryExtremesCaption(const ProgramState& s, const char* mask, float factor, const std::string& unit) {
  return "Smax = " + Format(factor * s.loadingData.LoadSmax, mask) + unit + ",  Smin = " +
         Format(factor * s.loadingData.LoadSmin, mask) + unit;
}
