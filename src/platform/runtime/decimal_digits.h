#pragma once

#include <string>

// A finite value as its decimal significant digits: |value| = d1.d2d3... x 10^exponent.
// `digits` holds no leading zero, except for the value zero ("0", exponent 0).
struct DecimalDigits {
  bool negative = false;
  std::string digits = "0";
  int exponent = 0;

  bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
};

// The value correctly rounded to `significant` digits (1..17); `value` must be finite.
DecimalDigits ToSignificantDigits(double value, int significant);

// Keeps the first `keep` digits and rounds half away from zero on the digits held
// (a carry may raise the exponent). keep <= 0 rounds to the digit position `keep`
// places above the first digit: the result is zero or a single 1.
void RoundDigitsHalfAway(DecimalDigits& d, int keep);

// Drops trailing zeros (keeps at least one digit).
void StripTrailingZeros(DecimalDigits& d);
