#include "engine/mean_stress.h"

#include "material/material_data.h"
#include "platform/runtime/sng.h"

float MeanStressFactor(float suUsed, float kLSm) {
  const float denominator = suUsed - kLSm;
  if (!(denominator > 0.0f)) return 0.0f;
  const float f = suUsed / denominator;
  return f > 0.0f ? f : 0.0f;
}

float DataMeanStressFactor(float suUsed, float smR) {
  if (!(smR > 0.0f) || !(suUsed - smR > 0.0f)) return 1.0f;
  return suUsed / (suUsed - smR);
}

float DataMeanStress(const MaterialData& md, float seN) {
  const float r = md.SNStressRatio;
  return Sng(static_cast<double>(md.ThicknessFactor * seN) * 0.5 * (1.0f + r) / (1.0f - r));
}

