#include "testdata/sn_fit.h"

#include <cmath>

#include "platform/runtime/sng.h"

namespace {

struct Fit {
  float slope, coeff, residualSd, cov, se;
};

bool Finite(const Fit& f) {
  return std::isfinite(f.slope) && std::isfinite(f.coeff) && std::isfinite(f.residualSd) &&
         std::isfinite(f.cov) && std::isfinite(f.se);
}

// The fit of the used points 1 .. m; false when no line can be fitted.
bool FitPoints(const TestDataSet& set, int m, Fit& fit) {
  float sx = 0, sy = 0, sxy = 0, sxx = 0;
  int used = 0;
  int32_t firstLife = 0;
  bool oneLife = true;
  for (int k = 1; k <= m; ++k) {
    if (set.TestPointUsed[k] <= 0) continue;
    const float stress = set.TestStress[k];
    const int32_t life = set.TestLife[k];
    if (!(stress > 0) || life <= 0) return false;
    if (used == 0) firstLife = life;
    oneLife = oneLife && life == firstLife;
    ++used;
    const double x = std::log(static_cast<double>(life));
    const double y = std::log(static_cast<double>(stress));
    sx = Sng(sx + x);
    sy = Sng(sy + y);
    sxy = Sng(sxy + x * y);
    sxx = Sng(sxx + x * x);
  }
  const float n = static_cast<float>(used);
  if (n <= 1 || oneLife) return false;
  const double denominator = static_cast<double>(sxx) - static_cast<double>(sx) * sx / n;
  if (denominator == 0) return false;
  const float b = Sng((static_cast<double>(sxy) - static_cast<double>(sx) * sy / n) / denominator);
  const float a = Sng((sy - static_cast<double>(b) * sx) / n);
  const float c0 = Sng(std::exp(static_cast<double>(a)));
  fit.slope = b;
  fit.se = Sng(c0 * std::pow(static_cast<double>(set.TestRefLife), static_cast<double>(b)));
  float ssr = 0;
  for (int k = 1; k <= m; ++k) {
    if (set.TestPointUsed[k] != 1) continue;
    const float fitted = Sng(a + static_cast<double>(b) * std::log(static_cast<double>(set.TestLife[k])));
    const double r = std::log(static_cast<double>(set.TestStress[k])) - fitted;
    ssr = Sng(ssr + r * r);
  }
  const float s = Sng(std::sqrt(ssr / (static_cast<double>(n) - 1)));
  fit.residualSd = s;
  fit.coeff = Sng(std::exp(a + static_cast<double>(s) * s / 2));
  const float sd = Sng(fit.coeff * std::sqrt(std::exp(static_cast<double>(s) * s) - 1));
  fit.cov = Sng(static_cast<double>(sd) / fit.coeff);
  return Finite(fit) && fit.coeff > 0;
}

}  // namespace

void FitTestDataSNCurve(TestDataSet& set) {
  Fit fit{};
  if (!FitPoints(set, WholePointCount(set.TestPointCount), fit)) {
    set.TestFitCoeff = 0;
    return;
  }
  set.TestFitSlope = fit.slope;
  set.TestFitSe = fit.se;
  set.TestFitResidualSd = fit.residualSd;
  set.TestFitCoeff = fit.coeff;
  set.TestFitCov = fit.cov;
  set.TestFitSeCov = fit.cov;
}
