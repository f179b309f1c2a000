#include "loading/distribution_shape.h"

#include <cmath>

#include "loading/loading_records.h"
#include "platform/runtime/sng.h"

namespace {

constexpr double kPi = 3.141592654;
// A typed Weibull's largest range is the one exceeded with this probability.
constexpr double kWeibullExceedance = 0.0002;
// A typed log-normal's largest range lies this many R above the log of the mean.
constexpr double kLogNormalSpread = 3.3;

constexpr int kBeta = 1;
constexpr int kWeibull = 2;

// The largest stress range of a typed Weibull or log-normal distribution.
double TypedSmax(int type, double q, double r) {
  if (type == kWeibull) return q * std::pow(-std::log(kWeibullExceedance), 1.0 / r);
  const double mean = std::exp(q + r * r / 2.0);
  return std::exp(std::log(mean) + kLogNormalSpread * r);
}

}  // namespace

double LoadingDensity(int distributionType, double s, double q, double r) {
  if (distributionType == kBeta) return std::pow(s, q - 1.0) * std::pow(1.0 - s, r - 1.0);
  if (distributionType == kWeibull) {
    const double qr = std::pow(q, r);
    return (r * std::pow(s, r - 1.0) / qr) * std::exp(-std::pow(s, r) / qr);
  }
  const double d = std::log(s) - q;
  return std::exp(-(d * d / 2.0) / (r * r)) / s / r / std::sqrt(2.0 * kPi);
}

bool TypedDistributionPlaceable(int distributionType, float q, float r) {
  if (distributionType == kBeta) return true;
  if (r == 0) return false;
  const float smax = Sng(TypedSmax(distributionType, q, r));
  return std::isfinite(smax) && smax > 0;
}

bool TypedDistributionPlaceable(const LoadingData& loading) {
  return TypedDistributionPlaceable(loading.DistributionType, loading.DistQ, loading.DistR);
}

void NormaliseTypedDistribution(LoadingData& loading) {
  if (loading.DistributionType == kBeta || !TypedDistributionPlaceable(loading)) return;
  const float q = loading.DistQ;
  loading.StressRangeTo = Sng(TypedSmax(loading.DistributionType, q, loading.DistR));
  if (loading.DistributionType == kWeibull) {
    loading.DistQ = Sng(q / loading.StressRangeTo);
  } else {
    loading.DistQ = Sng(q - std::log(loading.StressRangeTo));
  }
}

double DistributionExceedance(int distributionType, float q, float r) {
  if (distributionType == kBeta) return 0.0;
  if (distributionType == kWeibull) return std::exp(-1.0 / std::pow(static_cast<double>(q), r));
  const float h = 0.0001f;
  double sum = 0.0;
  double before = 0.0;
  for (float s = h; s <= 1.0f; s += h) {
    const double f = LoadingDensity(distributionType, s, q, r);
    sum += (f + before) * h / 2.0;
    before = f;
  }
  return 1.0 - sum;
}

std::vector<DensitySample> DensitySamples(int distributionType, float q, float r, float first, float step, float last) {
  std::vector<DensitySample> samples;
  if (!(step > 0)) return samples;
  for (float s = first; s <= last; s += step) samples.push_back({s, LoadingDensity(distributionType, s, q, r)});
  return samples;
}

double LargestDensity(const std::vector<DensitySample>& samples) {
  double largest = 0.0;
  for (const DensitySample& d : samples) {
    if (d.f > largest) largest = d.f;
  }
  return largest;
}

double DrawablePeak(const std::vector<DensitySample>& samples) {
  for (const DensitySample& d : samples) {
    if (!std::isfinite(d.f)) return 0.0;
  }
  return LargestDensity(samples);
}

std::string DistributionNameOf(int distributionType) {
  if (distributionType == kBeta) return "Beta ";
  if (distributionType == kWeibull) return "Weibull ";
  return "Log-norm ";
}

int DistributionTypeOfBatch(int batchDistType) {
  if (batchDistType == 0) return kBeta;
  if (batchDistType == -1) return kWeibull;
  return 3;
}
