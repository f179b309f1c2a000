#pragma once

#include <cstdint>

class Host;
struct ProgramState;

// The inputs one run of a simulation gives the damage calculation: the notch
// factor of the S-N data's specimen, the notched endurance range and the
// applied loading scaling factor.
struct McsRunInputs {
  float specimenNotchFactor = 1.0f;
  float notchedEnduranceRange = 0.0f;
  float scalingFactorApplied = 1.0f;
};

// The random variables a simulation draws: slot 3 (Kt, only for S-N data of a
// plain specimen), 1 (Se) and 2 (k), each when its type code is not 0.
bool DrawsKt(const ProgramState& s);

// Refuses a simulation that could draw nothing sound: a drawn variable whose
// type code defines no distribution (a correlated -1 from a job file, or a
// code outside 0 .. 5), or whose bounds Xmin .. Xmax leave no value of a
// normal, log-normal, Weibull or exponential law. Beeps (when on) and says
// which variable and why (title "MCS Simulation"); true when refused.
bool RefuseUndrawableVariables(const ProgramState& s, Host& host);

// The inputs of one run. The first run takes the nominal values (Kt, the
// endurance limit SeFrom divided by the notch factor, ScalingFactorMean) and
// counts the random variables in NumRandomVars; every later run draws the
// random ones from their streams in the order Kt, Se, k (a drawn Kt below 1.0
// is taken as 1.0). Sets CurrentRandomVar and SeNotched as it goes.
McsRunInputs DrawRunInputs(ProgramState& s, bool firstRun);

// Writes a run's inputs into the records that the damage calculation reads.
void ApplyRunInputs(ProgramState& s, const McsRunInputs& in);
