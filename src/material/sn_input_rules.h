#pragma once

#include <string>

// The checks of the S-N curve inputs. Each returns the reason of a refusal
// (the text that follows "Sorry, Data Incorrect! "), or "" when the value is
// accepted. Values are in the stored units (MPa ranges for Se, MPa, mm).
// A typed number beyond the field's range comes as an infinity (BoxSingle):
// it is refused with the reason of the bound it passes, "too big" where the
// input has no upper bound of its own; NaN (a number too small for the
// field) fails every check and takes the first reason.

std::string SnExponentRefusal(double m);               // m > 1
// No: 1e5 <= No <= 1e20 (bounds rounded to single precision), and within
// what a 32-bit count of cycles can hold.
std::string EnduranceCyclesRefusal(double no);
std::string SurvivalProbabilityRefusal(double pn);     // 0 < Pn < 100
std::string StressRatioRefusal(double r);              // -1 <= r < 1
// Se as a range; with two boxes index 0 must not lie above `seTo` and index 1
// not below `seFrom`.
std::string EnduranceLimitRefusal(double se, bool twoBoxes, int index, double seFrom, double seTo);
std::string ThicknessRefusal(double t);                // t > 0
std::string ThicknessExponentRefusal(double k);        // 0 < k < 1
std::string YieldStrengthRefusal(double sy, double su);   // 0 < Sy < Su
std::string UltimateStrengthRefusal(double su, double sy);  // Su > 0 and Su > Sy
std::string YoungModulusRefusal(double e);             // E >= 10000

// The thickness factor: (25 / t)^k for t above 25 mm, else exactly 1.
float ThicknessFactorOf(float t, float k);

// Titles of the inputs' refusal messages.
inline constexpr const char* kTitleSnExponent = " S-N Exponent (m)";
inline constexpr const char* kTitleEnduranceCycles = " Endurance Limit Life (No)";
inline constexpr const char* kTitleSurvivalProbability = " Survival Probability (Pn)";
inline constexpr const char* kTitleStressRatio = " Stress Ratio (r)";
inline constexpr const char* kTitleEnduranceLimit = " Endurance Limit (Se)";
