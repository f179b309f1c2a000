#pragma once

#include <cmath>
#include <vector>

#include "program_state.h"

// Small jobs for the damage routines. PlainJob: a deterministic single case
// under nominal stress with no notch (Kf = KfUsed = 1), the mean stress
// neglected, the fatigue limit respected; S-N curve Se = 100 MPa (range),
// No = 2e6, m = m' = 3.5, Su 500, Sy 300.
inline ProgramState PlainJob() {
  ProgramState s;
  s.analysisOptions.StressApproach = 1;
  s.analysisOptions.NotchSensitivityMode = 1;
  s.analysisOptions.MeanStressOption = 1;
  s.componentData.SpecimenNotchFactor = 1.0f;
  s.componentData.Kf = 1.0f;
  s.materialData.KtInput = 1.0f;
  s.results.KfUsed = 1.0f;
  s.mcsSettings.NeglectFatigueLimit = 0;
  s.loadingData.StressRangeTo = 200.0f;
  return s;
}

// The same job with the mean stress accounted.
inline ProgramState MeanStressJob() {
  ProgramState s = PlainJob();
  s.analysisOptions.MeanStressOption = 2;
  return s;
}

// Cycles to failure at range S on the plain S-N curve: No (Se / S)^e, as Single.
inline float CyclesAt(float se, float S, double e, double no = 2e6) {
  return static_cast<float>(no * std::pow(static_cast<double>(se / S), e));
}

// A stress-history job: the history (points 1 .. n) as the selected batch 1.
inline ProgramState HistoryJob(const std::vector<float>& points) {
  ProgramState s = PlainJob();
  s.analysisOptions.LoadingType = 1;
  s.loadingDbState.SelectedLoadingBatch = 1;
  s.loadingDbState.LoadingSource = 1;
  s.loadingData.HistoryPoints.assign(points.size() + 2, 0.0f);
  for (size_t j = 0; j < points.size(); ++j) s.loadingData.HistoryPoints[j + 1] = points[j];
  const auto n = static_cast<int32_t>(points.size());
  s.loadingDatabase.BatchPointCount[1] = n;
  s.loadingData.SelectedHistoryLength = n;
  s.loadingData.LoadedHistoryLength = n;
  return s;
}
