#pragma once

#include "engine/calc_progress.h"

struct ProgramState;
class Host;

// The damage and life of the job in the records (the one entry into the
// damage calculation; also called once per run by the simulation). Settles
// the notch factor in use, checks the loading's extremes against the ultimate
// strength and runs the routine of the loading type. Reports through `host`;
// `progress` receives what the calculation shows on controls.
void CalcDamage(ProgramState& state, Host& host);
void CalcDamage(ProgramState& state, Host& host, CalcProgress& progress);

// The notch factor in use from SpecimenNotchFactor (the S-N data's specimen
// notch factor; in a simulation the run's Kt): sets KfUsed, and Kf where the
// notch sensitivity decides it. Returns the factor by which the loading's
// extremes are scaled for the overload check. Part of CalcDamage.
float SettleNotchFactor(ProgramState& state);

// Refreshes SuUsed, SyUsed, Kf and the mean-stress tags after an input change.
void CalcEffectiveStrengths(ProgramState& state, Host& host);
void CalcEffectiveStrengths(ProgramState& state, Host& host, CalcProgress& progress);

// The routines of the loading types, run by CalcDamage.
void CalcDamageSpectrum(ProgramState& state, Host& host);  // constant amplitude, block spectrum
void CalcDamageHistory(ProgramState& state, Host& host, CalcProgress& progress);
void CalcDamageDistribution(ProgramState& state, Host& host);
