#include "shell/unit_texts.h"

#include <algorithm>

#include "platform/runtime/format.h"
#include "program_state.h"

namespace {
// The micro sign (Windows-1252 code 181) of the strain units.
constexpr const char* kMicro = "\xC2\xB5";

int SelectedBatch(const ProgramState& s) {
  return std::clamp<int>(s.loadingDbState.SelectedLoadingBatch, 0, kLoadingBatchMax);
}

std::string Whole(float v) { return Format(v, "####"); }
}  // namespace

void FollowStressUnits(ProgramState& s) {
  LoadingUnits& lu = s.loadingUnits;
  const UnitSettings& us = s.unitSettings;
  if (lu.LoadQuantity == "Stress ") {
    lu.LoadUnitFactor = us.StressUnitFactor;
    lu.LoadUnitBracket = us.StressUnitBracket;
    lu.LoadUnit = us.StressUnit;
    return;
  }
  const float e = s.materialData.YoungModulus;
  if (s.loadingDatabase.BatchPointCount[SelectedBatch(s)] != 0) {
    lu.LoadUnitFactor = 1.0f;
    lu.LoadToStressFactor = e / 1000000.0f;
  } else {
    lu.LoadUnitFactor = 1000000.0f / e;
    lu.LoadToStressFactor = 1.0f;
  }
  lu.LoadUnitBracket = std::string("[") + kMicro + "str]";
  lu.LoadUnit = std::string(kMicro) + "str";
}

bool RebuildBatchMeanStressTexts(ProgramState& s) {
  const int k = SelectedBatch(s);
  const LoadingDatabase& db = s.loadingDatabase;
  if (!(db.BatchSu[k] > 1.001f)) return false;
  const float f = s.unitSettings.StressUnitFactor;
  const std::string su = Whole(f * db.BatchSu[k]), sy = Whole(f * db.BatchSy[k]);
  const std::string kf = Format(db.BatchKf[k], "##.0#");
  s.loadingData.BatchMseText = "DMSE(+): Su=" + su + ", Sy=" + sy + ", Kt=" + kf;
  s.loadingData.BatchMseText2 = "DMSE(+): " + su + "/" + sy + "/" + kf;
  return true;
}

bool RebuildJobMeanStressTag(ProgramState& s) {
  if (s.analysisOptions.MeanStressOption != 2) return false;
  const float f = s.unitSettings.StressUnitFactor;
  const MaterialData& md = s.materialData;
  s.resultsDisplay.MseTag = "MSE(+): Su=" + Whole(f * md.SuUsed) + ", Sy=" + Whole(f * md.SyUsed) +
                            ", Kt=" + Format(s.componentData.Kf, "##.0#");
  s.resultsDisplay.MseTag2 = "MSE(+)";
  return true;
}

std::string HistoryExtremesCaption(const ProgramState& s, const char* mask) {
  const float f = s.unitSettings.StressUnitFactor;
  const std::string& unit = s.unitSettings.StressUnit;
  return "Smax = " + Format(f * s.loadingData.LoadSmax, mask) + unit + ",  Smin = " +
         Format(f * s.loadingData.LoadSmin, mask) + unit;
}
