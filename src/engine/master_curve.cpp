#include "engine/master_curve.h"

#include <algorithm>

#include "engine/analysis_records.h"

int MasterPointCount(const AnalysisOptions& options) {
  if (options.AnalysisMode != 2) return 1;
  return std::clamp(options.MasterCurveSteps + 1, 1, kMasterPointsMax);
}

float MasterStep(float from, float to, int16_t steps) {
  if (steps <= 0) return 0.0f;
  return (to - from) / static_cast<float>(steps);
}
