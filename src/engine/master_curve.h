#pragma once

#include <cstdint>

struct AnalysisOptions;

// Number of points a damage routine writes: 1 for a single case; for a master
// curve MasterCurveSteps + 1, at most the 32 points the arrays hold.
int MasterPointCount(const AnalysisOptions& options);

// One step of a master curve from `from` to `to` (Single arithmetic); 0 when
// there are no steps.
float MasterStep(float from, float to, int16_t steps);
