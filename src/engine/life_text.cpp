#include "engine/life_text.h"

#include "loading/selected_batch.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr const char* kUnitLabels[4] = {"", " [cyc] ", " [blk] ", " [h]   "};
constexpr const char* kUnitWords[4] = {"", "CYCLES", "BLOCKS", " HOURS"};

std::string LifeIn(const LifeResults& lr, int unit) { return Format(lr.LifeByUnit[unit], kLifeMask) + kUnitLabels[unit]; }

}  // namespace

void FillLifeByUnit(ProgramState& s, int unit) {
  Results& res = s.results;
  LifeResults& lr = s.lifeResults;
  if (s.analysisOptions.AnalysisKind == analysis_kind::kProbabilistic) res.LifeBlocks = s.mcsResults.ReferenceLife;
  const float blocks = res.LifeBlocks;
  const float blockTime = s.loadingDatabase.BatchBlockTime[SelectedBatchOf(s)];
  lr.LifeByUnit[1] = res.ImmediateCrackFlag == 1
                         ? 1.0f
                         : Sng(static_cast<double>(blocks) * static_cast<double>(s.loadingData.CyclesPerBlock));
  lr.LifeByUnit[2] = blocks;
  lr.LifeByUnit[3] = Sng(static_cast<double>(blocks * blockTime) / 60.0);
  for (int u = 1; u <= 3; ++u) lr.LifeUnitLabel[u] = kUnitLabels[u];
  if (unit >= 1 && unit <= 3) lr.LifeUnitWord[unit] = kUnitWords[unit];
}

std::string FiniteLifeCaption(const ProgramState& s) {
  const AnalysisOptions& ao = s.analysisOptions;
  const LifeResults& lr = s.lifeResults;
  const bool deterministic = ao.AnalysisKind != analysis_kind::kProbabilistic;
  std::string text;
  if (ao.LoadingType == loading_type::kConstantAmplitude || (deterministic && s.results.ImmediateCrackFlag == 1)) {
    text = LifeIn(lr, 1);
  } else {
    text = LifeIn(lr, 2);
    if (s.loadingDatabase.BatchBlockTime[SelectedBatchOf(s)] > 0.0f) text += "  " + LifeIn(lr, 3);
    text += LifeIn(lr, 1);
  }
  return (deterministic ? "Fatigue life:   " : "Reference Life   To =  ") + text;
}
