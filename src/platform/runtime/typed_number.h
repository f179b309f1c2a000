#pragma once

#include <string_view>

// The number a typed text begins with (the leading-number rule): blanks, tabs and
// line feeds are ignored wherever they stand; the longest leading part that forms
// a number (sign, digits, one decimal point, an exponent E or e with an optional
// sign and digits) is taken; a text that does not begin with a number gives 0.
// The decimal separator is the point whatever the locale. A magnitude beyond the
// double range gives +/- infinity (never an exception), one below it 0.
double Val(std::string_view text);

// Val held as a Single.
float ValSingle(std::string_view text);

// A whole text (nothing ignored) as a decimal number: [sign] digits [. digits]
// [E or e [sign] digits]; false when it is not one. A magnitude beyond the double
// range gives +/- infinity, one below it 0.
bool ParseWholeNumber(std::string_view text, double& value);
