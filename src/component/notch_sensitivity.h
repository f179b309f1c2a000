#pragma once

// Peterson's notch sensitivity: a = (269 / Su)^1.8 mm, q = 1 / (1 + a / r).
// Su in MPa, r (notch radius) in mm. A strength or radius not above 0 gives
// q = 0 (no notch effect) instead of a meaningless power.
float NotchSensitivity(float suUsed, float notchRadius);

// The fatigue notch factor 1 + (Kt - 1) q.
float NotchFactorFromKt(float kt, float q);
