#pragma once

#include <string>

struct ProgramState;

// The units the master-curve screen shows its lives and its varied parameter in.

// The factor from a life in blocks to the life unit `LifeUnit`: the cycles
// of one block for cycles, 1 for blocks, the batch's block time in hours for
// hours; 0 for a life unit or batch outside the records.
float MasterLifeUnitFactor(const ProgramState& s);

// How the varied parameter is shown: a stored value / divisor x factor. The
// endurance limit as an amplitude in the stress unit; the scaling factor of
// a history as it is; another loading's level as a range or an amplitude in
// the loading unit.
struct ParameterDisplay {
  float divisor = 1;
  float factor = 1;
};
ParameterDisplay ParameterDisplayOf(const ProgramState& s);

// The divisor that turns a stress range into the input's form: 2 for an
// amplitude (`StressInputMode` 2), 1 for a range; a mode below 1 counts as a
// range.
float StressInputDivisor(const ProgramState& s);

// "Fatigue life " and the label of the life unit.
std::string LifeAxisTitle(const ProgramState& s);
// "PAR " with the unit and the form of the varied parameter.
std::string ParameterAxisTitle(const ProgramState& s);
