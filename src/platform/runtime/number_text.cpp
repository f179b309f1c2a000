#include "platform/runtime/number_text.h"

#include <cmath>
#include <charconv>
#include <cstdlib>

#include "platform/runtime/decimal_digits.h"

namespace {

struct PlainLimits {
  int significant;    // digits kept
  int fixedBelowExp;  // fixed notation for decimal exponents -4 .. fixedBelowExp-1
};

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

std::string ExponentText(const DecimalDigits& d) {
  std::string s = d.digits.substr(0, 1);
  if (d.digits.size() > 1) {
    s += '.';
    s.append(d.digits, 1);
  }
  const int e = std::abs(d.exponent);
  s += d.exponent < 0 ? "E-" : "E+";
  if (e < 10) s += '0';
  return s + std::to_string(e);
}

std::string FixedText(const DecimalDigits& d) {
  const int intDigits = d.exponent + 1;  // digits before the point (may be <= 0)
  std::string s;
  if (intDigits <= 0) {
    s.assign(1, '.');
    s.append(static_cast<std::size_t>(-intDigits), '0');
    s += d.digits;
    return s;
  }
  s = d.digits;
  if (static_cast<int>(s.size()) <= intDigits) s.append(static_cast<std::size_t>(intDigits) - s.size(), '0');
  else s.insert(s.begin() + intDigits, '.');
  return s;
}

std::string PlainText(double value, PlainLimits lim) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0.0) return "0";
  DecimalDigits d = ToSignificantDigits(value, lim.significant);
  StripTrailingZeros(d);
  const bool fixed = d.exponent >= -4 && d.exponent < lim.fixedBelowExp;
  std::string text = d.negative ? std::string(1, '-') : std::string();
  text += fixed ? FixedText(d) : ExponentText(d);
  return text;
}

std::string Str(const std::string& text) { return text[0] == '-' ? text : " " + text; }

}  // namespace

std::string NumberText(float value) { return PlainText(value, {7, 7}); }
std::string NumberText(double value) { return PlainText(value, {15, 15}); }
std::string NumberText(int16_t value) { return std::to_string(value); }
std::string NumberText(int32_t value) { return std::to_string(value); }

std::string ExactNumberText(float value) {
  if (!std::isfinite(value)) return NumberText(value);
  constexpr int kMostDigits = 9;  // enough for every Single
  for (int digits = 7; digits < kMostDigits; ++digits) {
    const std::string text = PlainText(value, {digits, 7});
    double back = 0;
    const char* end = text.data() + text.size();
    if (std::from_chars(text.data(), end, back).ptr == end && static_cast<float>(back) == value) return text;
  }
  return PlainText(value, {kMostDigits, 7});
}

std::string SingleBoxText(float value) {
  const std::string text = NumberText(value);
  if (text[0] == '.') return "0" + text;
  if (text.size() > 1 && text[0] == '-' && text[1] == '.') return "-0" + text.substr(1);
  return text;
}

std::string StrSingle(float value) { return Str(NumberText(value)); }
std::string StrDouble(double value) { return Str(NumberText(value)); }
std::string StrInteger(int32_t value) { return Str(NumberText(value)); }

std::string PrintSingle(float value) { return StrSingle(value) + " "; }
std::string PrintSingleExactly(float value) { return Str(ExactNumberText(value)) + " "; }
std::string PrintDouble(double value) { return StrDouble(value) + " "; }
std::string PrintInteger(int32_t value) { return StrInteger(value) + " "; }

std::string WriteNumberSingle(float value) { return NumberText(value); }
std::string WriteNumberDouble(double value) { return NumberText(value); }
std::string WriteNumberInteger(int32_t value) { return NumberText(value); }
