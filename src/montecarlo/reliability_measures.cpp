// The life at the probability level ("Tr") and the probability level at a
// given life, from the sorted lives (no fit) or the fitted law.

#include <algorithm>
#include <cmath>
#include <functional>

#include "montecarlo/life_statistics.h"
#include "montecarlo/random_math.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr float kAreaStep = 1.0e-4f;
constexpr int kAreaSteps = 10000;
constexpr double kTolerance = 1.0e-4;

using Density = std::function<double(float)>;

// The area of the fitted density over 0 .. 1 by the trapezoid rule in steps
// of 1E-04 (the density at 0 taken as 0), in Single arithmetic.
float AreaOf(const Density& d) {
  float area = 0.0f;
  double previous = 0.0;
  for (int k = 1; k <= kAreaSteps; ++k) {
    const double dx = d(Sng(k * 1.0e-4));
    area = Sng(area + (dx + previous) * kAreaStep / 2.0);
    previous = dx;
  }
  return area;
}

struct MarchEnd {
  float x = 0.0f;
  float area = 0.0f;
};

// Integrates the density from 0 by trapezoids, starting with the step `first`
// up to x = first, until `done`(x, area); when `beyond`(x, area, step) the
// step turns back at a tenth of its size. The march also ends at x = 1, when
// the next x would not be above 0, or when the step no longer moves x.
MarchEnd March(const Density& d, float first, const std::function<bool(float, float)>& done,
               const std::function<bool(float, float, float)>& beyond) {
  MarchEnd m;
  float x = first, step = first;
  double previous = 0.0;
  for (;;) {
    const double dx = d(x);
    m.area = Sng(m.area + (dx + previous) * step / 2.0);
    previous = dx;
    m.x = x;
    if (done(x, m.area)) break;
    if (beyond(x, m.area, step)) step = Sng(-step / 10.0);
    const float next = Sng(static_cast<double>(x) + step);
    if (x >= 1.0f || !(next > 0.0f) || next == x) break;
    x = next;
  }
  return m;
}

// Mode 0 without a fit: the life of the sorted sample at the failure share q.
float SampleLifeAt(const ProgramState& s, double q) {
  const McsResults& r = s.mcsResults;
  const double rounded = std::nearbyint(q * s.mcsSettings.SimulationsDone);  // CLng, halves to even
  const int32_t usable = std::max<int32_t>(1, r.UsableLifeCount);
  const int32_t index = std::isnan(rounded) ? 1 : static_cast<int32_t>(std::clamp<double>(rounded, 1, usable));
  return index < static_cast<int32_t>(r.SimulatedLives.size()) ? r.SimulatedLives[index] : 0.0f;
}

// Mode 1 without a fit: the probability level at the life T.
double SampleLevelAt(const ProgramState& s, float T) {
  const McsResults& r = s.mcsResults;
  if (T > r.MaxFiniteLife) return 0.0;
  if (T < r.SampleMin) return 1.0 - r.OneCycleFraction;
  const int32_t usable = std::min<int32_t>(r.UsableLifeCount, static_cast<int32_t>(r.SimulatedLives.size()) - 1);
  int32_t i = 1;
  while (i < usable && r.SimulatedLives[i] < T) ++i;
  return 1.0 - static_cast<double>(i - 1) / s.mcsSettings.SimulationsDone;
}

// Mode 0 with a fit: the life at the failure share q.
float FittedLifeAt(const McsResults& r, const Density& d, float area, double q) {
  const double tf = r.TailFraction, ocf = r.OneCycleFraction, U = r.SampleMax;
  if (!(q / tf > ocf)) return 0.0f;
  if (r.LifeFitKind == 2) {
    const auto share = [&](float a) { return a / static_cast<double>(area) * tf + ocf; };
    const MarchEnd m = March(
        d, q > 1.0e-4 ? 1.0e-4f : 1.0e-5f, [&](float, float a) { return std::fabs(share(a) - q) / q <= kTolerance; },
        [&](float, float a, float step) { return step > 0.0f ? share(a) > q : share(a) < q; });
    return Sng(m.x * U);
  }
  double y = 1.0 - area * (q - ocf) / tf;
  if (!(y > 0.0)) y = std::exp(-6.0);
  const double x = r.LifeFitPar1 * std::pow(-std::log(y), 1.0 / r.LifeFitPar2);
  return Sng(x * U);
}

// Mode 1 with a fit: the probability level at the life T.
double FittedLevelAt(const McsResults& r, const Density& d, float area, float T) {
  const double tf = r.TailFraction, ocf = r.OneCycleFraction, U = r.SampleMax;
  const double target = T / U;
  if (r.LifeFitKind == 2) {
    const MarchEnd m = March(
        d, target > 0.1 ? 1.0e-4f : 1.0e-5f,
        [&](float x, float) { return Sng(std::fabs(1.0 - Sng(x * U / T))) <= Sng(kTolerance); },
        [&](float x, float, float step) { return step > 0.0f ? x > target : x < target; });
    return 1.0 - m.area * tf / area - ocf;
  }
  const double F = std::exp(-std::pow(target / r.LifeFitPar1, static_cast<double>(r.LifeFitPar2)));
  return 1.0 - (1.0 - F) * tf / area - ocf;
}

}  // namespace

double FittedDensity(const McsResults& r, float t) {
  return CalcProbabilityDensity(r.LifeFitKind, r.LifeFitPar1, r.LifeFitPar2, t);
}

float FittedDensityArea(const McsResults& r) {
  return AreaOf([&r](float x) { return FittedDensity(r, x); });
}

void CalcReliabilityMeasures(ProgramState& s) {
  McsResults& r = s.mcsResults;
  McsDisplay& view = s.mcsDisplay;
  if (r.LifeAtReliability == 0.0f) view.ReliabilityInputMode = 0;
  const Density d = [&r](float x) { return FittedDensity(r, x); };
  const float area = FittedDensityArea(r);
  const bool fitted = r.LifeFitKind == 2 || r.LifeFitKind == 3;
  // A law without area over the tail gives no figures: they stay as they were.
  if (fitted && !(area > 0.0f && std::isfinite(area))) return;
  if (view.ReliabilityInputMode == 0) {
    const double q = 1.0 - r.ProbabilityLevel;
    r.LifeAtReliability = fitted ? FittedLifeAt(r, d, area, q) : SampleLifeAt(s, q);
  } else {
    const float T = r.LifeAtReliability;
    r.ProbabilityLevel = fitted ? FittedLevelAt(r, d, area, T) : SampleLevelAt(s, T);
  }
}
