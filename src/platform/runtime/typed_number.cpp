#include "platform/runtime/typed_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/runtime/whole_numbers.h"

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

// A decimal number's value; `belowRange` tells a non-zero number too small
// for a double (its value is then 0).
struct Decimal {
  double value = 0.0;
  bool belowRange = false;
};

// Decimal text to double, independent of the locale (point as separator).
Decimal DecimalValue(std::string_view number) {
  const bool negative = number[0] == '-';
  if (number[0] == '+' || number[0] == '-') number.remove_prefix(1);
  Decimal d;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), d.value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    const bool huge = LooksHuge(number);
    d.value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    d.belowRange = !huge;
  }
  if (negative) d.value = -d.value;
  return d;
}

Decimal LeadingDecimal(std::string_view text) {
  const std::string s = WithoutIgnored(text);
  const std::size_t n = LeadingNumberLength(s);
  if (n == 0) return {};
  return DecimalValue(std::string_view(s).substr(0, n));
}

}  // namespace

double Val(std::string_view text) { return LeadingDecimal(text).value; }

std::optional<double> TypedDouble(std::string_view text) {
  const Decimal d = LeadingDecimal(text);
  if (!std::isfinite(d.value) || d.belowRange) return std::nullopt;
  return d.value;
}

std::optional<float> SingleOf(double value) {
  // Below this a double rounds to a finite Single (3.4028235E+38 is the
  // largest Single, written with seven digits): the largest Single and half
  // its unit in the last place.
  static const double kSingleLimit = std::numeric_limits<float>::max() + std::ldexp(1.0, 103);
  if (!(std::fabs(value) < kSingleLimit)) return std::nullopt;
  const auto single = static_cast<float>(value);
  if (single == 0.0f && value != 0.0) return std::nullopt;
  return single;
}

std::optional<float> TypedSingle(std::string_view text) {
  const std::optional<double> v = TypedDouble(text);
  return v ? SingleOf(*v) : std::nullopt;
}

std::optional<int16_t> TypedInteger(std::string_view text) {
  int16_t n = 0;
  if (!TryCInt(Val(text), n)) return std::nullopt;
  return n;
}

std::optional<int32_t> TypedLong(std::string_view text) {
  int32_t n = 0;
  if (!TryCLng(Val(text), n)) return std::nullopt;
  return n;
}

double BoxDouble(std::string_view text) {
  const Decimal d = LeadingDecimal(text);
  return d.belowRange ? static_cast<double>(kUnfitNumber) : d.value;
}

float BoxSingle(std::string_view text) {
  const double v = BoxDouble(text);
  if (std::isnan(v)) return kUnfitNumber;
  if (const std::optional<float> single = SingleOf(v)) return *single;
  // Beyond the Single range, or a non-zero number that would become 0.
  if (std::fabs(v) > 1.0) return v > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
  return kUnfitNumber;
}

bool ParseWholeNumber(std::string_view text, double& value) {
  if (text.empty() || LeadingNumberLength(text) != text.size()) return false;
  value = DecimalValue(text).value;
  return true;
}
