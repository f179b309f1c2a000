#include "montecarlo/random_variate.h"

#include <cmath>

#include "platform/runtime/sng.h"

namespace {

constexpr double kModulus = 2147483647.0;  // 2^31 - 1
constexpr double kMultiplier = 16807.0;
constexpr double kDivisor = 2147483648.0;  // 2^31

// The standard normal deviate for u (0 < u < 1) by the rational approximation
// of Abramowitz and Stegun 26.2.22 (absolute error below 0.003).
double NormalDeviate(double u) {
  const double t = std::sqrt(-2.0 * std::log(u <= 0.5 ? u : 1.0 - u));
  const double r = (2.30753 + 0.27061 * t) / (1.0 + 0.99229 * t + 0.04481 * t * t);
  return u <= 0.5 ? -t + r : t - r;
}

// Location m and scale s of one pass: the table's A and B moved by the
// coefficient of variation c as the type asks (stored as Singles).
void AdjustLocationScale(int16_t type, double c, float& m, float& s) {
  switch (type) {
    case 1:
      m = Sng(m / (1.0 + 0.175 * c));
      s = Sng(s * (1.0 - 0.15 * c));
      break;
    case 2:
      m = Sng(m - 0.1 * c);
      s = Sng(s / (1.0 - 0.2 * c));
      break;
    case 3:
      s = Sng(s * (1.0 - 0.15 * c));
      break;
    case 4:
      m = Sng(m - 0.2 * c);
      s = Sng(s * (1.0 - 0.5 * c));
      break;
    default:
      break;
  }
}

// The value of one pass for the uniform number u.
double Transform(const RandomVariableTable& t, int16_t type, int i, double u, float m, float s) {
  const float parB = t.RvParB[i];
  switch (type) {
    case 1: {
      const float w = Sng(m + s * NormalDeviate(u));
      return Sng((1.0 + parB) * w);
    }
    case 2: {
      const float w = Sng(m + s * NormalDeviate(u));
      return std::exp(w + static_cast<double>(parB));
    }
    case 3:
      return std::exp((1.0 / s) * std::log(-std::pow(m, static_cast<double>(s)) * std::log(u)));
    case 4:
      return m - std::log(1.0 - u) / s;
    default:  // 5
      return (static_cast<double>(t.RvXmax[i]) - t.RvXmin[i]) * u + t.RvXmin[i];
  }
}

}  // namespace

double CalcModM31(double x) { return x - std::floor(x / kModulus) * kModulus; }

double NextUniform(double& seed) {
  seed = CalcModM31(kMultiplier * seed);
  return seed / kDivisor;
}

double GenerateRandomVariate(RandomVariableTable& t, int16_t type, int16_t varIndex, double& seed) {
  if (type < 1 || type > 5) return 1.0;
  const int i = varIndex;
  const double c = t.RvCov[i];
  float& last = t.RvLastUniform[i];
  double u = 0.0;
  for (int pass = 0; pass < kMaxVariatePasses; ++pass) {
    if (Sng(u) == last || last <= 0.0f) u = NextUniform(seed);
    if (last <= 0.0f) {
      last = Sng(u);
    } else {
      u = 1.0 - last;
      last = 0.0f;
    }
    float m = t.RvParA[i], s = t.RvParB[i];
    AdjustLocationScale(type, c, m, s);
    const double value = Transform(t, type, i, u, m, s);
    // Bounds included; a value that could not be evaluated is drawn again too.
    if (value >= t.RvXmin[i] && value <= t.RvXmax[i]) return value;
  }
  return 1.0;
}
