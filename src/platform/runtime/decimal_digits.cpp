#include "platform/runtime/decimal_digits.h"

#include <cmath>
#include <charconv>
#include <cstdlib>

DecimalDigits ToSignificantDigits(double value, int significant) {
  DecimalDigits d;
  d.negative = std::signbit(value) && value != 0.0;
  if (value == 0.0) return d;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, significant - 1);
  *res.ptr = '\0';
  // buf is "d.ddddde[+-]xx" (or "de[+-]xx" for one digit)
  d.digits.clear();
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (*p != '.') d.digits.push_back(*p);
  d.exponent = std::atoi(p + 1);
  return d;
}

void RoundDigitsHalfAway(DecimalDigits& d, int keep) {
  if (d.IsZero()) {
    d.digits.assign(1, '0');
    d.exponent = 0;
    return;
  }
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep <= 0) {
    const bool up = keep == 0 && d.digits[0] >= '5';
    d.exponent += 1 - keep;  // position of the kept (rounded) unit
    d.digits.assign(1, up ? '1' : '0');
    if (!up) d.exponent = 0;
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    ++d.exponent;
  }
}

void StripTrailingZeros(DecimalDigits& d) {
  const auto last = d.digits.find_last_not_of('0');
  d.digits.resize(last == std::string::npos ? 1 : last + 1);
}
