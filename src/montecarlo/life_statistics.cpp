// The class histogram of the lower tail and the fitted life law.

#include "montecarlo/life_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "montecarlo/mcs_results_messages.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

constexpr int kFewestClasses = 15;
constexpr int kMostClasses = 30;

// Mean and population deviation of the positive tail lives T and of
// ln(T / SampleMax).
struct TailMoments {
  int64_t n = 0;
  double mean = 0.0, logMean = 0.0, deviation = 0.0, logDeviation = 0.0;
};

TailMoments MomentsOf(const std::vector<float>& life, int32_t tail, double smax) {
  TailMoments t;
  double sum = 0.0, sumLog = 0.0;
  for (int32_t j = 1; j <= tail; ++j) {
    if (life[j] > 0.0f) {
      ++t.n;
      sum += life[j];
      sumLog += std::log(life[j] / smax);
    }
  }
  if (t.n == 0) return t;
  t.mean = sum / t.n;
  t.logMean = sumLog / t.n;
  double squares = 0.0, logSquares = 0.0;
  for (int32_t j = 1; j <= tail; ++j) {
    if (life[j] > 0.0f) {
      squares += (life[j] - t.mean) * (life[j] - t.mean);
      const double l = std::log(life[j] / smax) - t.logMean;
      logSquares += l * l;
    }
  }
  t.deviation = std::sqrt(squares / t.n);
  t.logDeviation = std::sqrt(logSquares / t.n);
  return t;
}

// The number of classes by the width rule 1.05 s n^-0.2, within 15 .. 30.
int ClassesFor(const TailMoments& t, float smax) {
  const double w = 1.05 * t.deviation * std::pow(static_cast<double>(t.n), -0.2);
  const float q = Sng(smax / w);
  const int classes = q < 50.0f ? static_cast<int>(Int(q)) : 50;
  return std::clamp(classes, kFewestClasses, kMostClasses);
}

// Counts the tail lives into the classes from the top; returns the lives counted.
int32_t FillClasses(McsResults& r, int classes, float width) {
  const std::vector<float>& life = r.SimulatedLives;
  for (int k = 1; k <= classes; ++k) r.ClassMid[k] = Sng(r.SampleMax - (k - 1.0) * width);
  int32_t j = r.TailLifeCount, counted = 0, before = 0;
  r.ClassCount[0] = 0.0f;
  for (int k = 1; k <= classes; ++k) {
    // the last class takes every remaining life above 0
    const float lower = k < classes ? Sng(r.ClassMid[k] - width / 2.0) : 0.0f;
    while (j > 0 && life[j] > lower) {
      ++counted;
      --j;
    }
    r.ClassCount[k] = static_cast<float>(std::max(0, counted - before));
    before = counted;
  }
  return counted;
}

void FillSurvival(McsResults& r, int classes, int32_t total, float& maxCount) {
  r.ClassSurvival[0] = 1.0f;
  maxCount = 0.0f;
  for (int k = 1; k <= classes; ++k) {
    const float v = Sng(r.ClassSurvival[k - 1] - static_cast<double>(r.ClassCount[k - 1]) / total);
    r.ClassSurvival[k] = v > 0.0f ? v : 1.0e-6f;
    maxCount = std::max(maxCount, r.ClassCount[k]);
  }
}

// A tail without spread: the deterministic life, and no usable statistics.
void ReportDeterministic(ProgramState& s, Host& host) {
  const double cycles = static_cast<double>(s.results.LifeBlocks) * s.loadingData.CyclesPerBlock;
  InformMcs(host, "Deterministic Fatigue Life!\rT = " + Format(cycles, "0.0##E+##  ") + "[cyc]");
  s.mcsResults.LifeFitPar1 = 0.0f;
  s.mcsResults.LifeFitPar2 = 0.0f;
  s.mcsResults.ResultsReadStatus = -3;
}

// No fit: a Beta law on 0 .. 1 by the moments of the class lower ends.
bool FitBeta(McsResults& r, int classes, float width, int32_t total) {
  double u = 0.0, second = 0.0;
  for (int k = 1; k <= classes; ++k) {
    const double xl = (r.ClassMid[k] - width / 2.0) / r.SampleMax;
    const double f = static_cast<double>(r.ClassCount[k]) / total;
    u += xl * f;
    second += xl * xl * f;
  }
  const double v = second - u * u;
  if (!(v > 0.0)) return false;
  r.LifeFitPar1 = Sng((u - u * u - v) * u / v);
  r.LifeFitPar2 = Sng((1.0 - u) / u * r.LifeFitPar1);
  return true;
}

// Weibull: least squares of y = ln(-ln(1 - F)) on x = ln(T / SampleMax) over
// the positive tail lives, ranked among themselves with F = (i - 0.3) / (n +
// 0.4): the slope is the shape, exp(-intercept / slope) the scale.
bool FitWeibull(McsResults& r) {
  const std::vector<float>& life = r.SimulatedLives;
  int32_t first = 1;
  while (first <= r.TailLifeCount && !(life[first] > 0.0f)) ++first;
  const double n = r.TailLifeCount - first + 1;
  if (n < 2.0) return false;  // one life has no spread
  double mx = 0.0, my = 0.0, mxy = 0.0, mxx = 0.0;
  for (int32_t j = first; j <= r.TailLifeCount; ++j) {
    double F = (j - first + 1 - 0.3) / (n + 0.4);
    if (F >= 1.0) F = 1.0 - 1.0e-6;
    if (!(F > 0.0)) F = 1.0e-6;
    const double y = std::log(-std::log(1.0 - F));
    const double x = std::log(life[j] / static_cast<double>(r.SampleMax));
    mx += x;
    my += y;
    mxy += x * y;
    mxx += x * x;
  }
  mx /= n;
  my /= n;
  mxy /= n;
  mxx /= n;
  const double spread = mxx - mx * mx;
  if (!(spread > 0.0)) return false;
  const double b = (mxy - mx * my) / spread;
  const double a = my - b * mx;
  r.LifeFitPar2 = Sng(b);
  r.LifeFitPar1 = Sng(std::exp(-a / b));
  return true;
}

// The law of LifeFitKind; false for a tail without spread.
bool FitLaw(McsResults& r, const TailMoments& t, int classes, float width, int32_t total) {
  switch (r.LifeFitKind) {
    case 1:
      return FitBeta(r, classes, width, total);
    case 2:
      if (!(t.logDeviation > 0.0)) return false;
      r.LifeFitPar1 = Sng(t.logMean);
      r.LifeFitPar2 = Sng(t.logDeviation);
      return true;
    case 3:
      return FitWeibull(r);
    default:
      return true;
  }
}

}  // namespace

LifeStatistics CalcLifeStatistics(ProgramState& s, Host& host) {
  McsResults& r = s.mcsResults;
  LifeStatistics out;
  r.TailLifeCount = std::clamp<int32_t>(r.TailLifeCount, 0, static_cast<int32_t>(r.SimulatedLives.size()) - 1);
  const TailMoments t = MomentsOf(r.SimulatedLives, r.TailLifeCount, r.SampleMax);
  if (t.n == 0) {  // no positive life in the tail (the reader never leaves one): nothing to class
    r.LifeFitPar1 = 0.0f;
    r.LifeFitPar2 = 0.0f;
    r.ResultsReadStatus = -3;
    return out;
  }
  out.meanLife = Sng(t.mean);
  const int classes = ClassesFor(t, r.SampleMax);
  float width = Sng((static_cast<double>(r.SampleMax) - r.SampleMin) / classes);
  if (width > r.SampleMin) width = Sng(static_cast<double>(r.SampleMax) / classes);
  out.classCount = static_cast<int16_t>(classes);
  out.classWidth = width;
  out.total = FillClasses(r, classes, width);
  r.TailFraction = Sng(static_cast<double>(out.total) / s.mcsSettings.SimulationsDone);
  FillSurvival(r, classes, out.total, out.maxCount);
  if (!FitLaw(r, t, classes, width, out.total)) ReportDeterministic(s, host);
  return out;
}

float ScatterFactor(const McsResults& r) {
  return r.LifeAtReliability > 0.0f ? Sng(static_cast<double>(r.ReferenceLife) / r.LifeAtReliability) : 0.0f;
}
