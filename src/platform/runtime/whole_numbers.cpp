#include "platform/runtime/whole_numbers.h"

#include <cmath>

#include "platform/runtime/runtime_error.h"

namespace {

// Round half to even in double; NaN stays NaN.
double RoundHalfEven(double x) { return std::nearbyint(x); }  // default FE_TONEAREST

template <typename T>
bool TryRound(double x, double lo, double hi, T& out) {
  const double r = RoundHalfEven(x);
  if (!(r >= lo && r <= hi)) return false;  // also catches NaN
  out = static_cast<T>(r);
  return true;
}

}  // namespace

bool TryCInt(double x, int16_t& out) { return TryRound(x, -32768.0, 32767.0, out); }
bool TryCLng(double x, int32_t& out) { return TryRound(x, -2147483648.0, 2147483647.0, out); }

int16_t CInt(double x) {
  int16_t v = 0;
  if (!TryCInt(x, v)) throw RuntimeError(kErrOverflow);
  return v;
}

int32_t CLng(double x) {
  int32_t v = 0;
  if (!TryCLng(x, v)) throw RuntimeError(kErrOverflow);
  return v;
}

double Int(double x) { return std::floor(x); }
double Fix(double x) { return std::trunc(x); }
