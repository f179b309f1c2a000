// The goodness of the fitted life law and the search for the lower tail that
// it fits best.

#include <algorithm>
#include <cmath>

#include "montecarlo/life_statistics.h"
#include "montecarlo/mcs_results_file.h"
#include "montecarlo/random_math.h"
#include "platform/host.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

struct FitResidual {
  float residual = 0.0f;
  double densitySum = 0.0;
};

// The residual of CalcFitResidual with the sum of the densities it scales by.
FitResidual EvaluateFitResidual(const ProgramState& s, int32_t n, float meanLife) {
  const McsResults& r = s.mcsResults;
  const bool byClass = r.LifeFitKind == 2;
  const int32_t last = std::min<int32_t>(
      n, byClass ? kLifeClassMax : static_cast<int32_t>(r.SimulatedLives.size()) - 1);
  const auto value = [&](int32_t i) { return byClass ? r.ClassMid[i] : r.SimulatedLives[i]; };
  const auto density = [&](int32_t i) {
    return CalcProbabilityDensity(r.LifeFitKind, r.LifeFitPar1, r.LifeFitPar2,
                                  Sng(static_cast<double>(value(i)) / r.SampleMax));
  };
  FitResidual out;
  for (int32_t i = 1; i <= last; ++i) out.densitySum += density(i);
  if (!(out.densitySum > 0.0)) return out;
  for (int32_t i = 1; i <= last; ++i) {
    if (!(value(i) < meanLife)) continue;
    const double e = density(i) * r.TailLifeCount / out.densitySum;
    if (!(e > 0.0)) continue;  // a term without expectation adds nothing
    const double o = byClass ? r.ClassCount[i] : static_cast<double>(i) / r.TailLifeCount;
    out.residual = Sng(out.residual + (o - e) * (o - e) / e);
  }
  return out;
}

// Lowers the tail bound by `step`; false when that no longer moves it.
bool Lower(float& bound, float step) {
  const float next = Sng(static_cast<double>(bound) - step);
  if (next == bound) return false;
  bound = next;
  return true;
}

}  // namespace

float CalcFitResidual(ProgramState& s, int32_t n, float meanLife) {
  return EvaluateFitResidual(s, n, meanLife).residual;
}

void FitLowerTail(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  host.DoEvents();
  if (r.LowerTailLife > r.MaxFiniteLife) r.LowerTailLife = r.MaxFiniteLife;
  float step = Sng((static_cast<double>(r.LowerTailLife) - r.SampleMin) / 10.0);
  float r0 = 0.0f;
  for (;;) {
    ReadMCSResults(s, host);
    if (r.ResultsReadStatus < 0) return;
    const LifeStatistics st = CalcLifeStatistics(s, host);
    if (r.ResultsReadStatus < 0) return;
    const int32_t n = r.LifeFitKind == 2 ? st.classCount : r.TailLifeCount;
    const FitResidual fit = EvaluateFitResidual(s, n, st.meanLife);
    if (!(fit.densitySum > 0.0)) return;  // the law says nothing about this tail
    const float res = fit.residual;
    if (Sng(static_cast<double>(r.SampleMin) * 1.3) > r.SampleMax) {
      r.LowerTailLife = r.SampleMax;
      return;
    }
    if (r0 != 0.0f && !(r0 > 0.0f && r0 > res)) {  // the residual did not fall
      if (res < r0 && Lower(r.LowerTailLife, step)) continue;
      return;
    }
    const float before = r.LowerTailLife;
    r.LowerTailLife = Sng(static_cast<double>(r.LowerTailLife) - step);
    if (r.LowerTailLife < 0.0f) r.LowerTailLife = Sng(step * 0.9);
    if (std::fabs(r.LowerTailLife / r.SampleMin) < 2.5f) {
      step = Sng(step / 10.0);
      r.LowerTailLife = Sng(static_cast<double>(r.LowerTailLife) - step);
    }
    if (r.LowerTailLife == before) return;  // the step no longer moves the bound
    r0 = res;
  }
}
