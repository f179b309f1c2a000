#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

// The number a typed text begins with (the leading-number rule): blanks, tabs and
// line feeds are ignored wherever they stand; the longest leading part that forms
// a number (sign, digits, one decimal point, an exponent E or e with an optional
// sign and digits) is taken; a text that does not begin with a number gives 0.
// The decimal separator is the point whatever the locale. A magnitude beyond the
// double range gives +/- infinity (never an exception), one below it 0.
double Val(std::string_view text);

// The number a typed text begins with (Val), as the field that stores it holds
// it; nothing when it does not fit there, so that it is never stored as an
// infinity or silently as 0:
//   Double: a magnitude beyond the Double range, or a non-zero number below it;
//   Single: a magnitude beyond 3.4028235E+38, or a non-zero number that no
//           Single can hold (it would become 0);
//   Integer, Long: outside -32768..32767 or the 32-bit range once rounded to
//           the nearest whole number, halves to even.
// The file readers take typed numbers through these, and so do the boxes
// that have no bound of their own to refuse a number with.
std::optional<double> TypedDouble(std::string_view text);
std::optional<float> TypedSingle(std::string_view text);
std::optional<int16_t> TypedInteger(std::string_view text);
std::optional<int32_t> TypedLong(std::string_view text);

// A double as a Single, or nothing when no Single holds it (beyond the
// Single range, NaN, or a non-zero value that would become 0). The file
// readers take their Singles through it too.
std::optional<float> SingleOf(double value);

// What an input box checks for its typed text: the number as its Single (or
// Double) field holds it. A number beyond the field's range comes as the
// infinity of its sign, so that it passes the box's bound on that side and is
// refused with that bound's text: the upper bound for a huge positive number,
// the lower one for a huge negative number (a box without an upper bound of
// its own refuses +infinity as too big). A non-zero number too small for the
// field comes as NaN (kUnfitNumber), which no bound holds: it fails every
// check and takes the box's first refusal. Whole-number boxes check the
// BoxDouble of their text before they round it.
float BoxSingle(std::string_view text);
double BoxDouble(std::string_view text);

// What a box checks in place of a number too small for its field: NaN.
inline constexpr float kUnfitNumber = std::numeric_limits<float>::quiet_NaN();

// A whole text (nothing ignored) as a decimal number: [sign] digits [. digits]
// [E or e [sign] digits]; false when it is not one. A magnitude beyond the double
// range gives +/- infinity, one below it 0.
bool ParseWholeNumber(std::string_view text, double& value);
