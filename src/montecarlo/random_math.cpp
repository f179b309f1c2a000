#include "montecarlo/random_math.h"

#include <cmath>

#include "loading/gamma.h"
#include "platform/runtime/sng.h"

namespace {

constexpr double kPi = 3.141592654;

// Gamma(1 + k / b) as the routines store it: argument and value as Singles.
float GammaOf(double k, float b) { return Sng(CalcGamma(Sng(1.0 + k / b))); }

// The Weibull shape B for a coefficient of variation c, and A = 1 / Gamma(1 +
// 1/B) of the last pass. From B = 1 the shape moves by step x d, d being the
// difference between c and the coefficient of the current shape, until |d| <=
// 0.001; the step (1 / c) is cut to a tenth once, when |d| first falls below
// 0.01. Over the dialog's range 0.01 .. 1.0 this converges (about 2,300
// passes at 0.01); a pass whose difference cannot be evaluated, or a run far
// beyond that count, ends the search instead of looping for ever.
void WeibullShape(float c, float& a, float& b) {
  constexpr long kPassLimit = 10'000'000;
  float shape = 1.0f;
  float step = Sng(1.0 / c);
  bool refined = false;
  float g1 = 1.0f;
  for (long pass = 0; pass < kPassLimit; ++pass) {
    g1 = GammaOf(1.0, shape);
    const float g2 = GammaOf(2.0, shape);
    const double cB = std::sqrt(static_cast<double>(g2) - static_cast<double>(g1) * g1) / g1;
    const float d = Sng(c - cB);
    if (!std::isfinite(d) || std::fabs(d) <= 0.001f) break;
    if (std::fabs(d) < 0.01f && !refined) {
      step = Sng(step / 10.0);
      refined = true;
    }
    shape = Sng(shape - static_cast<double>(step) * d);
  }
  b = shape;
  a = Sng(1.0 / g1);
}

// A density value, or 0 when it could not be evaluated.
double Finite(double d) { return std::isfinite(d) ? d : 0.0; }

}  // namespace

void CalcDistributionParams(RandomVariablePanel& p, int16_t t, float cov) {
  const double c = cov;
  if (t < 1) {
    p.PanelParB = 0.0f;
    p.PanelParA = 1.0f;
  } else if (t == 1 || t == 5) {
    p.PanelParB = cov;
    p.PanelParA = 1.0f;
  } else if (t == 2) {
    p.PanelParB = Sng(std::sqrt(std::log(c * c + 1.0)));
    p.PanelParA = Sng(-0.5 * c * c);
  } else if (!(cov > 0.0f)) {  // the Weibull and exponential types divide by it
    p.PanelParB = 0.0f;
    p.PanelParA = 1.0f;
  } else if (t == 4) {
    p.PanelParB = Sng(1.0 / c);
    p.PanelParA = Sng(1.0 - 1.0 / p.PanelParB);
  } else {
    WeibullShape(cov, p.PanelParA, p.PanelParB);
  }
}

void CalcDistributionPlotRange(RandomVariablePanel& p, int16_t t) {
  const double a = p.PanelParA, b = p.PanelParB;
  double hi = 0.0, lo = 0.0;
  if (t < 2) {
    hi = a + 4.0 * b;
    lo = a - 4.0 * b;
  } else if (t == 2) {
    const float m = Sng(std::exp(a + b * b / 2.0));
    hi = std::exp(std::log(m) + 4.0 * b);
    lo = std::exp(std::log(m) - 4.0 * b);
  } else if (t == 3) {
    const float m = Sng(a * GammaOf(1.0, p.PanelParB));
    const float s = Sng(std::sqrt(a * a * GammaOf(2.0, p.PanelParB) - static_cast<double>(m) * m));
    const double centre = m - a + 1.0;
    hi = centre + 4.0 * s;
    lo = centre - 4.0 * s;
  } else if (t == 5) {
    hi = a + 1.732 * b;
    lo = a - 1.732 * b;
  } else {
    hi = a + 1.0 / b + 4.0 / b;
    lo = a;
  }
  p.PanelXmax = Sng(hi);
  p.PanelXmin = Sng(lo);
  // A range that cannot be evaluated (a shape of 0) takes the widest plot.
  if (std::isnan(p.PanelXmin)) p.PanelXmin = 0.01f;
  if (std::isnan(p.PanelXmax)) p.PanelXmax = 3.0f;
  if (p.PanelXmin < 0.0f) p.PanelXmin = 0.01f;
  if (p.PanelXmax > 3.0f) p.PanelXmax = 3.0f;
}

double CalcProbabilityDensity(int16_t t, float a, float b, float x) {
  const double A = a, B = b, X = x;
  switch (t) {
    case -1:
    case 0:
      return std::fabs(Sng(X - A)) < 0.0001f ? 1.0 : 0.0;
    case 1:
      return Finite(std::exp(-(X - A) * (X - A) / 2.0 / (B * B)) / B / std::sqrt(2.0 * kPi));
    case 2: {
      if (!(X > 0.0)) return 0.0;
      const double l = std::log(X) - A;
      return Finite(std::exp(-l * l / 2.0 / (B * B)) / X / B / std::sqrt(2.0 * kPi));
    }
    case 3: {
      const double ab = std::pow(A, B);
      return Finite(B * std::pow(X, B - 1.0) / ab * std::exp(-std::pow(X, B) / ab));
    }
    case 4:
      return X >= A ? Finite(B * std::exp(-B * (X - A))) : 0.0;
    case 5: {
      const float lo = Sng(A - 1.732 * B), hi = Sng(A + 1.732 * B);
      return (lo <= x && x <= hi) ? Finite(1.0 / (static_cast<double>(hi) - lo)) : 0.0;
    }
    default:
      return 0.0;
  }
}
