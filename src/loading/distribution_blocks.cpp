#include "loading/distribution_blocks.h"

#include <cmath>

#include "loading/distribution_shape.h"
#include "loading/gamma.h"
#include "platform/runtime/sng.h"
#include "program_state.h"

namespace {

constexpr int kBeta = 1;
constexpr int kWeibull = 2;
constexpr int kLogNormal = 3;

// The law of a kind code: 1 Beta, 2 Weibull, any other value log-normal.
int LawOfKindCode(float code) {
  if (code == 1) return kBeta;
  if (code == 2) return kWeibull;
  return kLogNormal;
}

// The factor that makes the Beta density integrate to 1: 1 / B(q, r). It
// cancels in the normalisation, so where the Gamma function leaves the
// range of its numbers (q + r beyond about 170) it is taken as 1.
float BetaScale(float q, float r) {
  const float b = Sng(CalcGamma(q) * CalcGamma(r) / CalcGamma(q + r));
  const float c = Sng(1.0 / b);
  return std::isfinite(c) && c > 0 ? c : 1.0f;
}

// The block count as a whole number within the work area (0 .. 10).
int BlockCountOf(const LoadingDistributionBlocks& b) {
  const int n = b.DistBlockCount;
  return n < 0 ? 0 : (n > kDistBlockMax ? kDistBlockMax : n);
}

// Step 5 of the cut: drops the empty blocks at the low end. An empty last
// block goes; an empty block just above the last takes the last block's
// weight and becomes the last. The lowest level follows the last block.
void DropEmptyLowBlocks(LoadingDistributionBlocks& b, int& n, double& lowest) {
  for (int k = n; k >= 1; --k) {
    if (b.DistBlockWeight[k] != 0) continue;
    if (k == n) {
      --n;
      lowest = k >= 2 ? b.DistBlockLevel[k - 1] : 0.0;
    } else if (k == n - 1) {
      --n;
      b.DistBlockWeight[k] = b.DistBlockWeight[k + 1];
      lowest = b.DistBlockLevel[k];
    }
  }
}

}  // namespace

void DiscretizeLoadingDistribution(ProgramState& s) {
  LoadingDistributionBlocks& b = s.loadingDistributionBlocks;
  const LoadingData& l = s.loadingData;
  int n = BlockCountOf(b);
  double lowest = b.DistLowestLevel;
  if (n < 2) {
    b.DistBlockCount = 0;
    return;
  }
  const double w = (1.0 - lowest) / (n - 1);
  const int law = LawOfKindCode(b.DistKindCode);
  const float c = law == kBeta ? BetaScale(l.DistQ, l.DistR) : 1.0f;
  double sum = 0.0;
  for (int k = 1; k <= n; ++k) {
    b.DistBlockLevel[k] = Sng(1.0 - (k - 1) * w);
    const double x = b.DistBlockLevel[k] - w / 2.0;
    const double p = c * LoadingDensity(law, x, l.DistQ, l.DistR);
    b.DistBlockWeight[k] = Sng(p);
    sum += p;
    if (sum == 0) sum = 1e-20;
  }
  b.DistBlockWeight[0] = 0;
  double above = 0.0;  // the normalised weight of the blocks above block k
  for (int k = 1; k <= n; ++k) {
    above += b.DistBlockWeight[k - 1];
    b.DistBlockWeight[k] = Sng(b.DistBlockWeight[k] / sum);
    if (above + b.DistBlockWeight[k] > 1) b.DistBlockWeight[k] = Sng(1.0 - above);
    if (k == 1 && b.DistBlockWeight[1] == 0) b.DistBlockWeight[1] = 1;
  }
  b.DistBlockWeight[n] = Sng(1.0 - above);  // the last block takes the remainder
  DropEmptyLowBlocks(b, n, lowest);
  if (n < 2) {
    b.DistBlockCount = 0;
    return;
  }
  b.DistBlockCount = static_cast<int16_t>(n);
  b.DistLowestLevel = lowest;
}

namespace {

// The sums of the fit over the blocks.
struct BlockSums {
  double m1 = 0, m2 = 0;  // mean and mean square of the midpoints
  double sx = 0, sxx = 0;  // ln x over the block levels
  double sy = 0, sxy = 0;  // ln(-ln F), F the exceedance at x
};

BlockSums SumBlocks(LoadingDistributionBlocks& b, int n) {
  const float w = Sng((1.0 - b.DistLowestLevel) / (n - 1));
  BlockSums t;
  b.DistBlockWeight[0] = 0;
  double f = 0.0;
  for (int k = 1; k <= n; ++k) {
    const float s = Sng(b.DistBlockLevel[k] - w * 0.5);
    const double x = b.DistBlockLevel[k];
    const double p = b.DistBlockWeight[k];
    f += b.DistBlockWeight[k - 1];
    if (f >= 1) f = 1 - 1e-12;
    if (f <= 0) f = 1e-12;
    t.m1 += s * p;
    t.m2 += static_cast<double>(s) * s * p;
    const double lnx = x > 0 ? std::log(x) : 0.0;
    const double lny = std::log(-std::log(f));
    t.sx += lnx;
    t.sxx += lnx * lnx;
    t.sy += lny;
    t.sxy += lnx * lny;
  }
  return t;
}

bool FiniteAbove0(double v) { return std::isfinite(v) && v > 0; }

// The fitted parameters become the typed ones: they must lie where the
// distribution inputs take them (R below 100, a Beta's Q below 1000).
constexpr float kQLimit = 1000.0f;
constexpr float kRLimit = 100.0f;

}  // namespace

bool FitLoadingDistribution(ProgramState& s) {
  LoadingDistributionBlocks& b = s.loadingDistributionBlocks;
  LoadingData& l = s.loadingData;
  const int n = BlockCountOf(b);
  if (n < 2) return false;
  BlockSums t = SumBlocks(b, n);
  const double v = t.m2 - t.m1 * t.m1;
  t.sxx -= t.sx * t.sx / n;
  t.sxy -= t.sx * t.sy / n;
  float q = 0, r = 0;
  if (l.DistributionType == kWeibull) {
    if (t.sxx == 0) return false;
    const float slope = Sng(t.sxy / t.sxx);
    const float a = Sng(t.sy / n - slope * t.sx / n);
    r = slope;
    q = Sng(std::exp(static_cast<double>(-a / slope)));
    if (!FiniteAbove0(r) || r >= kRLimit || !std::isfinite(q)) return false;
  } else if (l.DistributionType == kLogNormal) {
    if (!(v > 0) || !(t.m1 > 0)) return false;
    const float c = Sng(std::log(1.0 + v / (t.m1 * t.m1)));
    r = Sng(std::sqrt(static_cast<double>(c)));
    q = Sng(std::log(t.m1) - c * 0.5);
    if (!FiniteAbove0(r) || r >= kRLimit || !std::isfinite(q)) return false;
  } else {
    if (!(v > 0)) return false;
    q = Sng((t.m1 - t.m1 * t.m1 - v) * t.m1 / v);
    r = Sng((1.0 - t.m1) / t.m1 * q);
    if (!FiniteAbove0(q) || q >= kQLimit || !FiniteAbove0(r) || r >= kRLimit) return false;
  }
  l.DistQ = q;
  l.DistR = r;
  return true;
}
