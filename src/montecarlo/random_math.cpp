#include "montecarlo/random_math.h"

#include <cmath>

#include "engine/gamma.h"
#include "platform/runtime/sng.h"

namespace {

// The Weibull shape B whose COV is within 0.001 of `cov`, and A = 1 / Gamma(1 + 1/B).
void WeibullParams(RandomVariablePanel& panel, float cov) {
  float b = 1;
  float step = Sng(1.0 / cov);
  bool refined = false;
  float g1 = 0;
  for (;;) {
    g1 = Sng(CalcGamma(Sng(1 + 1.0 / b)));
    const float g2 = Sng(CalcGamma(Sng(1 + 2.0 / b)));
    const double cb = std::sqrt(g2 - static_cast<double>(g1) * g1) / g1;
    const float d = Sng(cov - cb);
    if (!std::isfinite(d) || std::fabs(d) <= 0.001f) break;
    if (std::fabs(d) < 0.01f && !refined) {
      step = Sng(step / 10.0);
      refined = true;
    }
    b = Sng(b - static_cast<double>(step) * d);
  }
  panel.PanelParB = b;
  panel.PanelParA = Sng(1.0 / g1);
}

}  // namespace

void CalcDistributionParams(RandomVariablePanel& panel, int16_t distType, float cov) {
  const double c = cov;
  if (distType < 1) {
    panel.PanelParB = 0;
    panel.PanelParA = 1;
  } else if (distType == 1 || distType == 5) {
    panel.PanelParB = cov;
    panel.PanelParA = 1;
  } else if (distType == 2) {
    panel.PanelParB = Sng(std::sqrt(std::log(c * c + 1)));
    panel.PanelParA = Sng(-0.5 * c * c);
  } else if (!(cov > 0)) {
    panel.PanelParB = 0;
    panel.PanelParA = 1;
  } else if (distType == 4) {
    panel.PanelParB = Sng(1 / c);
    panel.PanelParA = Sng(1 - 1.0 / panel.PanelParB);
  } else {
    WeibullParams(panel, cov);
  }
}

void CalcDistributionPlotRange(RandomVariablePanel& panel, int16_t distType) {
  const double a = panel.PanelParA;
  const double b = panel.PanelParB;
  double lo = 0, hi = 0;
  if (distType < 2) {
    hi = a + 4 * b;
    lo = a - 4 * b;
  } else if (distType == 2) {
    const float m = Sng(std::exp(a + b * b / 2));
    hi = std::exp(std::log(m) + 4 * b);
    lo = std::exp(std::log(m) - 4 * b);
  } else if (distType == 3) {
    const float g1 = Sng(CalcGamma(Sng(1 + 1 / b)));
    const float g2 = Sng(CalcGamma(Sng(1 + 2 / b)));
    const float m = Sng(a * g1);
    const double s = std::sqrt(a * a * g2 - static_cast<double>(m) * m);
    const double centre = m - a + 1;
    hi = centre + 4 * s;
    lo = centre - 4 * s;
  } else if (distType == 5) {
    hi = a + 1.732 * b;
    lo = a - 1.732 * b;
  } else {
    hi = a + 1 / b + 4 / b;
    lo = a;
  }
  panel.PanelXmin = Sng(lo);
  panel.PanelXmax = Sng(hi);
  if (panel.PanelXmin < 0) panel.PanelXmin = 0.01f;
  if (panel.PanelXmax > 3) panel.PanelXmax = 3;
}
