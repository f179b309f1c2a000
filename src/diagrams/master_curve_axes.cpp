#include "diagrams/master_curve_axes.h"

#include <cmath>

#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"

namespace {

// Brings the mantissa into 0.7 .. 7 and the power along with it. The
// mantissa of a positive finite Single gets there in well under a hundred
// steps; a power that leaves the Single range ends the search unfinished.
bool Normalise(float& mantissa, float& power) {
  for (int step = 0; step < 100; ++step) {
    if (mantissa < 0.7f) {
      mantissa = Sng(10.0 * mantissa);
      power = Sng(power / 10.0);
    } else if (mantissa > 7) {
      mantissa = Sng(mantissa / 10.0);
      power = Sng(10.0 * power);
    } else {
      return power > 0 && std::isfinite(power);
    }
  }
  return false;
}

// A count of tenths rounded up to the next whole tenth, always at least one
// tenth above, as a mantissa.
float NextTenthAbove(double tenths) { return Sng((Int(tenths) + 1) / 10); }

}  // namespace

int TenthsStep(float mantissa) { return 10.0 * mantissa / 5 < 5 ? 2 : 5; }

LifeAxis LifeAxisFor(float X) {
  LifeAxis a;
  if (!(X > 0) || !std::isfinite(X)) return a;
  a.m = Sng(X / 100.0);
  a.p = 100;
  if (!Normalise(a.m, a.p)) return a;
  a.m = NextTenthAbove(10.0 * X / a.p);
  const int16_t whole = CInt(a.m);
  if (whole > a.m) a.m = whole;
  a.labelStep = TenthsStep(a.m);
  a.drawn = true;
  return a;
}

ParameterAxis ParameterAxisFor(double value, float factor) {
  ParameterAxis a;
  const float q = Sng(std::fabs(value) * factor);
  if (!std::isfinite(q)) return a;
  a.drawn = true;
  if (q <= 1) return a;
  a.r = 10;
  a.n = Sng(q / 10.0);
  if (!Normalise(a.n, a.r)) {
    a.drawn = false;
    return a;
  }
  a.n = NextTenthAbove(std::fabs(value) * 10 / a.r * factor);
  return a;
}
