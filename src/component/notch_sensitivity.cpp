#include "component/notch_sensitivity.h"

#include <cmath>

#include "platform/runtime/sng.h"

float NotchSensitivity(float suUsed, float notchRadius) {
  if (!(suUsed > 0.0f) || !(notchRadius > 0.0f)) return 0.0f;
  const float ratio = 269.0f / suUsed;
  const float a = Sng(std::pow(static_cast<double>(ratio), 1.8));
  return 1.0f / (1.0f + a / notchRadius);
}

float NotchFactorFromKt(float kt, float q) { return 1.0f + (kt - 1.0f) * q; }
