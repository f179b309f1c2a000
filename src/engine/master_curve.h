#pragma once

#include <cstdint>

struct AnalysisOptions;
struct ProgramState;
class Host;

// Number of points a damage routine writes: 1 for a single case; for a master
// curve MasterCurveSteps + 1, at most the 32 points the arrays hold.
int MasterPointCount(const AnalysisOptions& options);

// One step of a master curve from `from` to `to` (Single arithmetic); 0 when
// there are no steps.
float MasterStep(float from, float to, int16_t steps);

// Set-up of the spectrum and distribution routines: for a single case the
// stress range in use (and, with `scaleMean`, the mean) times the applied
// scaling factor; for a master curve over the load level or the endurance
// limit the first point's values. Returns the step of the varied parameter
// (0 for a single case, an empty range (with a beep) or a parameter these
// routines do not step).
float SetUpStressMasterCurve(ProgramState& s, Host& host, bool scaleMean);
