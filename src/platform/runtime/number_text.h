#pragma once

#include <cstdint>
#include <string>

// The runtime's plain number-to-text forms.
//
// NumberText: a Single to at most 7, a Double to at most 15 significant digits,
// no trailing zeros, no leading zero before the point (".5", "-.25"); fixed
// notation for magnitudes from 1E-4 up to below 1E+7 (Single) or 1E+15 (Double),
// otherwise the exponent form with a sign and at least two exponent digits
// ("1E+30", "1E-05", "1.234568E+08"). Whole numbers print as their digits.
std::string NumberText(float value);
std::string NumberText(double value);
std::string NumberText(int16_t value);
std::string NumberText(int32_t value);

// NumberText of a Single with as many significant digits as it takes (7, 8
// or 9) to read back as the same Single: files that the program reads again
// keep every value as it was held. A Single that 7 digits give back exactly
// has its NumberText.
std::string ExactNumberText(float value);

// A Single as the runtime turns it into a box's text (its general number
// text): NumberText with a 0 before a leading point ("0.5", "-0.5", "97.5").
std::string SingleBoxText(float value);

// The Str form: a blank before a number that is not negative.
std::string StrSingle(float value);
std::string StrDouble(double value);
std::string StrInteger(int32_t value);

// The print form: a blank (or the minus sign) before, one blank after.
std::string PrintSingle(float value);
std::string PrintSingleExactly(float value);  // the print form of ExactNumberText
std::string PrintDouble(double value);
std::string PrintInteger(int32_t value);

// The bare form of comma-separated output: no blanks at all.
std::string WriteNumberSingle(float value);
std::string WriteNumberDouble(double value);
std::string WriteNumberInteger(int32_t value);
