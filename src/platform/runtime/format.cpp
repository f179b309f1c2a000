#include "platform/runtime/format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/runtime/decimal_digits.h"

namespace {

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

// The mask split into its sections: [integer part][.][decimals][E+ exponent][rest].
struct MaskParts {
  std::string_view integer;   // up to the point (or the exponent, or the end)
  bool hasPoint = false;
  std::string_view decimals;  // after the point, up to the exponent
  bool hasExponent = false;
  char expLetter = 'E';
  bool expSignAlways = false;
  std::string_view exponent;  // after E+/E-, to the end of the mask
};

std::size_t FindExponent(std::string_view mask) {
  for (std::size_t i = 0; i + 1 < mask.size(); ++i) {
    const char c = mask[i], s = mask[i + 1];
    if ((c == 'E' || c == 'e') && (s == '+' || s == '-')) return i;
  }
  return std::string_view::npos;
}

MaskParts SplitMask(std::string_view mask) {
  MaskParts m;
  std::string_view mantissa = mask;
  const std::size_t e = FindExponent(mask);
  if (e != std::string_view::npos) {
    m.hasExponent = true;
    m.expLetter = mask[e];
    m.expSignAlways = mask[e + 1] == '+';
    m.exponent = mask.substr(e + 2);
    mantissa = mask.substr(0, e);
  }
  const std::size_t p = mantissa.find('.');
  m.integer = mantissa.substr(0, p);
  if (p != std::string_view::npos) {
    m.hasPoint = true;
    m.decimals = mantissa.substr(p + 1);
  }
  return m;
}

int CountPlaceholders(std::string_view s) {
  return static_cast<int>(std::count_if(s.begin(), s.end(), IsPlaceholder));
}

// Digits always shown in an integer-like section: from its first 0 to its end.
int MinimumLeadingDigits(std::string_view s) {
  int n = 0;
  bool seenZero = false;
  for (char c : s) {
    seenZero = seenZero || c == '0';
    if (seenZero && IsPlaceholder(c)) ++n;
  }
  return n;
}

// Decimals always shown: up to the last 0 placeholder after the point.
int MinimumDecimals(std::string_view s) {
  int n = 0, shown = 0;
  for (char c : s) {
    if (!IsPlaceholder(c)) continue;
    ++n;
    if (c == '0') shown = n;
  }
  return shown;
}

// Fills an integer-like section right-aligned with `digits`; surplus digits go in
// front of the first placeholder, placeholders without a digit show '0' or nothing.
std::string FillInteger(std::string_view section, const std::string& digits) {
  const int slots = CountPlaceholders(section);
  const int surplus = std::max(0, static_cast<int>(digits.size()) - slots);
  const int firstDigitSlot = slots - (static_cast<int>(digits.size()) - surplus);
  std::string out;
  int slot = 0;
  for (char c : section) {
    if (!IsPlaceholder(c)) {
      out += c;
      continue;
    }
    if (slot == 0) out += digits.substr(0, surplus);
    if (slot >= firstDigitSlot) out += digits[surplus + slot - firstDigitSlot];
    else if (c == '0') out += '0';
    ++slot;
  }
  if (slots == 0) out = digits + out;
  return out;
}

// Fills the decimal section left-aligned with `digits` (already cut to the shown count).
std::string FillDecimals(std::string_view section, const std::string& digits) {
  std::string out;
  std::size_t slot = 0;
  for (char c : section) {
    if (!IsPlaceholder(c)) out += c;
    else if (slot < digits.size()) out += digits[slot++];
  }
  return out;
}

// Splits rounded digits into the integer digits and the decimals shown.
struct FixedDigits {
  std::string integer;   // without leading zeros ("" for a value below 1)
  std::string decimals;  // cut to between minDecimals and maxDecimals digits
};

FixedDigits PlaceDigits(const DecimalDigits& d, int minDecimals, int maxDecimals) {
  FixedDigits f;
  std::string all;  // digits of units and below, starting at 10^exponent
  const int intCount = d.IsZero() ? 0 : d.exponent + 1;
  if (intCount > 0) {
    f.integer = d.digits.substr(0, std::min<std::size_t>(intCount, d.digits.size()));
    f.integer.resize(intCount, '0');
    if (static_cast<int>(d.digits.size()) > intCount) all = d.digits.substr(intCount);
  } else if (!d.IsZero()) {
    all = std::string(-intCount, '0') + d.digits;
  }
  all.resize(std::max<std::size_t>(all.size(), maxDecimals), '0');
  all.resize(maxDecimals);
  const auto last = all.find_last_not_of('0');
  const int significant = last == std::string::npos ? 0 : static_cast<int>(last) + 1;
  f.decimals = all.substr(0, std::max(minDecimals, significant));
  return f;
}

std::string Sign(bool negative, const std::string& digitsShown) {
  const bool allZero = digitsShown.find_first_not_of('0') == std::string::npos;
  return negative && !allZero ? "-" : "";
}

std::string FormatFixed(double value, const MaskParts& m) {
  DecimalDigits d = ToSignificantDigits(value, 15);
  const int maxDecimals = CountPlaceholders(m.decimals);
  RoundDigitsHalfAway(d, d.exponent + 1 + maxDecimals);
  const FixedDigits f = PlaceDigits(d, MinimumDecimals(m.decimals), maxDecimals);
  std::string integer = f.integer;
  const int minInt = MinimumLeadingDigits(m.integer);
  if (static_cast<int>(integer.size()) < minInt) integer.insert(0, minInt - integer.size(), '0');
  std::string out = FillInteger(m.integer, integer);
  if (m.hasPoint) {
    out += '.';
    out += FillDecimals(m.decimals, f.decimals);
  }
  return Sign(d.negative, f.integer + f.decimals) + out;
}

std::string ExponentDigits(const MaskParts& m, int exponent) {
  std::string digits = std::to_string(std::abs(exponent));
  const int minDigits = std::max(1, static_cast<int>(std::count(m.exponent.begin(), m.exponent.end(), '0')));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  const std::string sign = exponent < 0 ? "-" : (m.expSignAlways ? "+" : "");
  std::string literals;  // characters after the exponent's placeholders (blanks)
  for (char c : m.exponent)
    if (!IsPlaceholder(c)) literals += c;
  return std::string(1, m.expLetter) + sign + digits + literals;
}

std::string FormatScientific(double value, const MaskParts& m) {
  const int intSlots = CountPlaceholders(m.integer);
  const int maxDecimals = CountPlaceholders(m.decimals);
  DecimalDigits d = ToSignificantDigits(value, 15);
  int shift = 0;  // the exponent shown
  if (!d.IsZero()) {
    RoundDigitsHalfAway(d, intSlots + maxDecimals);
    shift = d.exponent - std::max(intSlots, 1) + 1;
    if (intSlots == 0) shift = d.exponent + 1;  // mantissa .ddd
  }
  DecimalDigits mantissa = d;
  mantissa.exponent = d.IsZero() ? 0 : d.exponent - shift;
  const FixedDigits f = PlaceDigits(mantissa, MinimumDecimals(m.decimals), maxDecimals);
  std::string integer = f.integer;
  const int minInt = MinimumLeadingDigits(m.integer);
  if (static_cast<int>(integer.size()) < minInt) integer.insert(0, minInt - integer.size(), '0');
  std::string out = FillInteger(m.integer, integer);
  if (m.hasPoint) {
    out += '.';
    out += FillDecimals(m.decimals, f.decimals);
  }
  return Sign(d.negative, f.integer + f.decimals) + out + ExponentDigits(m, shift);
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace

std::string Format(double value, std::string_view mask) {
  if (!std::isfinite(value)) return NonFinite(value);
  const MaskParts m = SplitMask(mask);
  return m.hasExponent ? FormatScientific(value, m) : FormatFixed(value, m);
}
