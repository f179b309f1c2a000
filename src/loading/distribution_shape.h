#pragma once

#include <string>
#include <vector>

struct LoadingData;

// The shape of a loading distribution over the normalised stress range
// s = S / Smax (0 < s < 1), as the distribution diagram and its preview draw
// it. Distribution types: 1 Beta, 2 Weibull, any other value log-normal.

// The density at s with parameters q and r: Beta s^(q-1) (1-s)^(r-1) without
// its normalising constant (the curve is scaled to its peak); Weibull
// (r s^(r-1) / q^r) exp(-s^r / q^r); log-normal
// exp(-((ln s - q)^2 / 2) / r^2) / s / r / sqrt(2 pi).
double LoadingDensity(int distributionType, double s, double q, double r);

// Whether a Weibull or log-normal distribution typed with DistQ and DistR can
// be placed on s: its largest stress range is a positive finite Single. A
// shape of 0 (R = 0) has none. Beta has nothing to place and always can.
bool TypedDistributionPlaceable(const LoadingData& loading);
// The same for a distribution of the type with Q = q (in stress) and R = r.
bool TypedDistributionPlaceable(int distributionType, float q, float r);

// Places a Weibull or log-normal distribution typed with DistQ and DistR (in
// stress) on s: StressRangeTo := the largest stress range Smax, DistQ := q
// relative to it. Weibull: Smax = Q (-ln 0.0002)^(1/R), the range exceeded
// with probability 0.0002, DistQ = Q / Smax; log-normal: Smax = exp(ln m +
// 3.3 R) with the mean m = exp(Q + R^2 / 2), DistQ = Q - ln Smax. Beta, and a
// distribution that cannot be placed, are left as they are.
void NormaliseTypedDistribution(LoadingData& loading);

// The probability that a stress range exceeds Smax, with q and r relative to
// s: Beta 0; Weibull exp(-1 / q^r); log-normal 1 - the trapezoid sum of the
// density over s = h, 2h, ... while s <= 1, with h = 0.0001 and s advancing
// by h in single precision (9,999 terms), summed in double.
double DistributionExceedance(int distributionType, float q, float r);

// One sample of a density curve.
struct DensitySample {
  float s;
  double f;
};

// The density at s = first, first + step, ... while s <= last, with s
// advancing by step in single precision.
std::vector<DensitySample> DensitySamples(int distributionType, float q, float r, float first, float step, float last);

// The largest density of the samples (a later sample replaces it only when it
// is strictly greater; 0 when there is none above 0).
double LargestDensity(const std::vector<DensitySample>& samples);

// The peak that scales a density curve: LargestDensity, or 0 where the curve
// cannot be drawn (no sample above 0, or a sample that is not a finite number).
double DrawablePeak(const std::vector<DensitySample>& samples);

// The name of a distribution type: "Beta ", "Weibull " or "Log-norm " (any
// other value).
std::string DistributionNameOf(int distributionType);

// The distribution type (1 Beta, 2 Weibull, 3 log-normal) of a database
// batch's kind code (0 Beta, -1 Weibull, any other value log-normal).
int DistributionTypeOfBatch(int batchDistType);
