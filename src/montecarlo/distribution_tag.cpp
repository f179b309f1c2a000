#include "montecarlo/distribution_tag.h"

#include <cmath>
#include <cstdio>

namespace {
// The per-cent figure: cov x 100 in double precision, halves to even. The
// whole-number conversion would overflow beyond 16 bits; the tag shows any
// finite figure instead of failing.
std::string PerCent(float cov) {
  const double rounded = std::nearbyint(static_cast<double>(cov) * 100.0);
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", rounded == 0 ? 0.0 : rounded);
  return text;
}
}  // namespace

std::string FormatDistributionTag(int16_t type, float cov) {
  static constexpr char kLetters[] = {'N', 'L', 'W', 'E', 'U'};
  if (type == -1) return "{C}";
  if (type == 0) return "{\u2013}";  // the en dash, character 150 of Windows-1252
  if (type >= 1 && type <= 5) return std::string("{") + kLetters[type - 1] + PerCent(cov) + "}";
  return "";
}
