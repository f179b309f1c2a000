#pragma once

#include <string>

struct ProgramState;

// The units the master-curve screen shows its lives and its varied parameter in.

// The factor from a life in blocks to the life unit `LifeUnit`: the cycles
// of one block for cycles, 1 for blocks, the batch's block time in hours for
// hours; 0 for a life unit or batch outside the records.
float MasterLifeUnitFactor(const ProgramState& s);

// How the varied parameter is shown: a stored value / divisor x factor, as
// what it is, in its unit. The endurance limit over Kf (also the value a
// master curve over Kt holds) as an amplitude in the stress unit; the
// scaling factor of a history as it is, a factor without a unit; another
// loading's level in the loading unit, as a range where its input is a
// range or the mean stress is neglected, else as an amplitude.
enum class ParameterForm { kFactor, kRange, kAmplitude };
struct ParameterDisplay {
  float divisor = 1;
  float factor = 1;
  ParameterForm form = ParameterForm::kFactor;
  std::string unitBracket;  // "" for a factor
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

