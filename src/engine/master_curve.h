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

// Set-up of a damage routine over the points of a master curve. `used` is
// the loading value the routine works with (the stress range, or the
// history's scaling value): for a single case it takes `singleValue`; for a
// master curve over the load level it starts at `loadFrom` and steps to
// `loadTo`; over the endurance limit it is `enduranceValue` while Se steps.
// Also sets the notched endurance range of the first point. Returns the step
// of the varied parameter: 0 for a single case, an empty range (with a beep)
// or a parameter the routines do not step.
float SetUpMasterCurve(ProgramState& s, Host& host, float& used, float singleValue, float loadFrom, float loadTo,
                       float enduranceValue);

// Keeps point `p` of a master curve (nothing for a single case): the life in
// blocks and the varied parameter, `used` over the load level, else the
// notched endurance range.
void StoreMasterPoint(ProgramState& s, int p, float used);
