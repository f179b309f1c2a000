#pragma once

// Damage of counted cycles, 1 / (No x base^e) rounded to Single, for many
// cycles at a time and exactly as the plain formula with std::pow gives it.
//
// ApproxInverseLives evaluates the power for a batch by its own logarithm and
// exponential (no calls, so the compiler can vectorise the loop) with a
// relative error far below 1e-12. CycleDamageFrom then takes the Single
// nearest that value when the value lies clearly inside one Single rounding
// interval, where the exact value rounds to the same Single; otherwise, and
// for arguments out of the usual range, it evaluates the exact formula.

// t[k] ~ 1 / (no x base[k]^e[k]) for k = 0 .. count - 1; NaN where the
// argument is out of range (base not above 0, or a power beyond double).
void ApproxInverseLives(const float* base, const double* e, double no, double* t, int count);

// The Single damage 1 / (no x base^e), given t from ApproxInverseLives.
float CycleDamageFrom(double t, double no, float base, double e);
