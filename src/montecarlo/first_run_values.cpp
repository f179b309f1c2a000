#include "montecarlo/first_run_values.h"

#include <utility>
#include <vector>

#include "program_state.h"

FirstRunValues::FirstRunValues(ProgramState& s) {
  Results& res = s.results;
  std::vector<float> levelDamage;
  levelDamage.swap(res.LevelDamage);
  results_ = res;
  levelDamage.swap(res.LevelDamage);
  if (res.LevelDamage.size() > 1) firstLevelDamage_ = res.LevelDamage[1];
  life_ = s.lifeResults;
  component_ = s.componentData;
  const LoadingData& ld = s.loadingData;
  scalingFactorApplied_ = ld.ScalingFactorApplied;
  stressRange_ = ld.StressRange;
  stressMinOrMean_ = ld.StressMinOrMean;
  historyScaleUsed_ = ld.HistoryScaleUsed;
  seNotched_ = s.mcsSettings.SeNotched;
}

void FirstRunValues::PutBack(ProgramState& s) const {
  Results& res = s.results;
  Results kept = results_;
  kept.CalcAborted = res.CalcAborted;
  kept.CrackMessageShown = res.CrackMessageShown;
  kept.LocalOverloadAnswer = res.LocalOverloadAnswer;
  kept.LevelDamage = std::move(res.LevelDamage);
  if (kept.LevelDamage.size() > 1) kept.LevelDamage[1] = firstLevelDamage_;
  res = std::move(kept);
  s.lifeResults = life_;
  s.componentData = component_;
  LoadingData& ld = s.loadingData;
  ld.ScalingFactorApplied = scalingFactorApplied_;
  ld.StressRange = stressRange_;
  ld.StressMinOrMean = stressMinOrMean_;
  ld.HistoryScaleUsed = historyScaleUsed_;
  s.mcsSettings.SeNotched = seNotched_;
}
