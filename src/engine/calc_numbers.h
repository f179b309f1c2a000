#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "platform/runtime/sng.h"

// Numbers of the damage calculation.
namespace calc {

inline constexpr float kInfiniteLife = 1.0e30f;   // stored for an infinite life
inline constexpr float kInfiniteFrom = 1.0e29f;   // a life this long counts as infinite
inline constexpr float kBelowLimitDamage = 1.0e-30f;  // damage of a loading below the limit
inline constexpr double kLimitMargin = 1.0001;    // effective stress margin against a limit
inline constexpr int32_t kProgressColour = 0xFF0000;  // blue

// True when `limit` (rounded to Single) exceeds `stress` x 1.0001 (rounded to
// Single): the stress lies below the limit.
inline bool BelowLimit(float limit, float stress) {
  return limit > Sng(static_cast<double>(stress) * kLimitMargin);
}

// A double stored as Single where it fits; kept wide where Single would
// overflow (steep S-N curves make huge intermediates).
inline double NarrowOrWide(double x) {
  const float f = static_cast<float>(x);
  return std::isfinite(f) || !std::isfinite(x) ? static_cast<double>(f) : x;
}

// A life stored as Single; a value beyond Single becomes the infinite life.
inline float StoreLife(double life) {
  const float f = static_cast<float>(life);
  return std::isfinite(f) ? f : kInfiniteLife;
}

}  // namespace calc
