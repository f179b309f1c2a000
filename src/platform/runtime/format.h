#pragma once

#include <string>
#include <string_view>

// Writes a number by a format mask:
//   0  a digit, written always;   #  a digit, written only when significant;
//   .  the decimal point (always a point; shown whenever the mask has one);
//   E+ / E- / e+ / e-  followed by placeholders: scientific form; E+ writes the
//      exponent's sign always, E- only a minus; the exponent has at least as many
//      digits as it has 0 placeholders (at least one) and more as needed;
//   any other character (blanks included) is copied unchanged.
// The integer part grows beyond the mask as needed. The value (a Single is
// widened to double first) is taken to 15 significant digits, then rounded half
// away from zero to the digits the mask shows; a negative value that does not
// round to zero gets a leading "-".
std::string Format(double value, std::string_view mask);
