#pragma once

#include <cfloat>
#include <cmath>

#include "platform/runtime/runtime_error.h"

// The runtime's store of a product into a Single property: the value rounded
// to single precision, or the runtime's Overflow when it lies beyond Single's
// range (or is no number), so that no infinity is ever written.
inline float CSng(double x) {
  if (!(std::fabs(x) <= static_cast<double>(FLT_MAX))) throw RuntimeError(kErrOverflow);
  return static_cast<float>(x);
}
