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
// Every box and reader of typed numbers takes them through these. A box
// refuses a number that does not fit as it refuses a value its checks do not
// accept: it hands kUnfitNumber to its checks, which are written so that NaN
// fails every one of them, and shows the refusal of the first.
std::optional<double> TypedDouble(std::string_view text);
std::optional<float> TypedSingle(std::string_view text);
std::optional<int16_t> TypedInteger(std::string_view text);
std::optional<int32_t> TypedLong(std::string_view text);

// A double as a Single, or nothing when no Single holds it (beyond the
// Single range, NaN, or a non-zero value that would become 0). The file
// readers take their Singles through it too.
std::optional<float> SingleOf(double value);

// What a box checks in place of a number that does not fit: NaN.
inline constexpr float kUnfitNumber = std::numeric_limits<float>::quiet_NaN();

// A whole text (nothing ignored) as a decimal number: [sign] digits [. digits]
// [E or e [sign] digits]; false when it is not one. A magnitude beyond the double
// range gives +/- infinity, one below it 0.
bool ParseWholeNumber(std::string_view text, double& value);
