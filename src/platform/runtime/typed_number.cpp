#include "platform/runtime/typed_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutIgnored(std::string_view text) {
  std::string s;
  for (char c : text)
    if (!IsIgnored(c)) s += c;
  return s;
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// For a number text out of the double range: true when it is too large (an
// overflow), false when too small. Compares the decimal position of the first
// significant digit with zero.
bool LooksHuge(std::string_view number) {
  const auto e = number.find_first_of("Ee");
  const std::string_view mantissa = number.substr(0, e);
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view ex = number.substr(e + 1);
    const bool minus = !ex.empty() && ex[0] == '-';
    if (!ex.empty() && (ex[0] == '+' || ex[0] == '-')) ex.remove_prefix(1);
    if (ex.size() > 9) ex = "999999999";  // far beyond any double either way
    std::from_chars(ex.data(), ex.data() + ex.size(), exponent);
    if (minus) exponent = -exponent;
  }
  const auto point = mantissa.find('.');
  const auto first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return false;
  const long pointPos = static_cast<long>(point == std::string_view::npos ? mantissa.size() : point);
  const long position = pointPos - static_cast<long>(first) - (point != std::string_view::npos && first > point ? 0 : 1);
  return position + exponent > 0;
}

// Length of the longest leading number of s (0 when there is none).
std::size_t LeadingNumberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t intStart = i;
  i = SkipDigits(s, i);
  std::size_t mantissaDigits = i - intStart;
  if (i < s.size() && s[i] == '.') {
    const std::size_t fracStart = ++i;
    i = SkipDigits(s, i);
    mantissaDigits += i - fracStart;
  }
  if (mantissaDigits == 0) return 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expEnd = SkipDigits(s, j);
    if (expEnd > j) i = expEnd;
  }
  return i;
}

// Decimal text to double, independent of the locale (point as separator).
double DecimalValue(std::string_view number) {
  const bool negative = number[0] == '-';
  if (number[0] == '+' || number[0] == '-') number.remove_prefix(1);
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range)
    value = LooksHuge(number) ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
  const std::string s = WithoutIgnored(text);
  const std::size_t n = LeadingNumberLength(s);
  if (n == 0) return 0.0;
  return DecimalValue(s.substr(0, n));
}

float ValSingle(std::string_view text) {
  const double v = Val(text);
  if (std::fabs(v) > std::numeric_limits<float>::max())
    return v < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

bool ParseWholeNumber(std::string_view text, double& value) {
  if (text.empty() || LeadingNumberLength(text) != text.size()) return false;
  value = DecimalValue(text);
  return true;
}
