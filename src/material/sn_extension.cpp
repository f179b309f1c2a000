#include "material/sn_extension.h"

#include <cfloat>
#include <cmath>

#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"

namespace {

// The life the program holds for "infinite".
constexpr float kInfiniteLife = 1e30f;

// The ratio No' is computed from: 0.01 stands for a ratio of 0.
double RatioForCycles(const MaterialData& md) {
  return md.SNExtensionRatio == 0 ? 0.01 : static_cast<double>(md.SNExtensionRatio);
}

}  // namespace

float ExtensionCyclesOf(const MaterialData& md, double mPrime) {
  return Sng(Int(md.EnduranceCycles * std::pow(1.0 / RatioForCycles(md), mPrime)));
}

float ExtensionRatioOf(const MaterialData& md, double cycles, double mPrime) {
  return Sng(std::pow(md.EnduranceCycles / cycles, 1.0 / mPrime));
}

void ApplyExtensionExponent(MaterialData& md, float mPrime) {
  md.SNExtensionExponent = mPrime;
  if (md.SNExtensionDisplay == 0 || md.SNExtensionCycles <= 0)
    md.SNExtensionCycles = ExtensionCyclesOf(md, mPrime);
  else
    md.SNExtensionRatio = ExtensionRatioOf(md, md.SNExtensionCycles, mPrime);
}

void FillExtensionCycles(MaterialData& md) {
  if (md.SNExtensionDisplay == 0) return;
  if (md.SNExtensionRatio == 0.0f) {
    if (!(md.Se > 0.0f)) return;  // no endurance limit yet: nothing to divide by
    md.SNExtensionRatio = 1.0f / md.Se;
  }
  if (md.SNExtensionCycles != 0.0f) return;
  const float inverse = 1.0f / md.SNExtensionRatio;
  const double cycles = std::floor(static_cast<double>(md.EnduranceCycles) *
                                   std::pow(static_cast<double>(inverse), static_cast<double>(md.SNExtensionExponent)));
  // A steep extension or a small ratio goes beyond the Single range: that is
  // an infinite life.
  md.SNExtensionCycles = std::isfinite(cycles) && cycles <= FLT_MAX ? Sng(cycles) : kInfiniteLife;
}

void ExtensionCyclesFollowTheRatio(MaterialData& md) {
  // Worked out again where it is shown; with the ratio shown it is worked
  // out when it is needed (ApplyExtensionExponent, the No' display).
  md.SNExtensionCycles = 0.0f;
  FillExtensionCycles(md);
}
