#include "loading/gamma.h"

#include <cmath>
#include <limits>

double CalcGamma(float x) {
  if (!(x > 0.0f)) return std::numeric_limits<double>::quiet_NaN();
  constexpr double kPi = 3.141592654;
  constexpr double kE = 2.7182818285;
  const double xd = x;
  const double z = xd + 2.0;
  const double a = std::sqrt(2.0 * kPi / kE) / kE / kE * z / xd * z / (xd + 1.0);
  const double b = std::pow(z / kE, xd - 0.5);
  return a * b * (1.0 + (1.0 / 12.0 + (1.0 / 463.0) / z) / z);
}
