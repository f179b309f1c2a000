#pragma once

#include <cstdint>

// The S-N curve and the material values of the job. Stresses are ranges in
// MPa, lengths in mm.
struct MaterialData {
  float Se = 100.0f;
  float SeFrom = 100.0f;
  float SeTo = 100.0f;
  int32_t EnduranceCycles = 2000000;  // No
  float SNExponent = 3.5f;            // m
  float SNExtensionExponent = 3.5f;   // m'
  float SNExtensionRatio = 0.0f;      // Se'/Se, 0 = no extension
  float SNExtensionCycles = 0.0f;     // No'
  int16_t SNExtensionDisplay = 0;     // 0 as Se'/Se, 1 as No'
  float SNStressRatio = -1.0f;        // r
  float SurvivalProbability = 50.0f;  // Pn, %
  float YoungModulus = 210000.0f;
  float Thickness = 25.0f;
  float ThicknessExponent = 0.25f;
  float ThicknessFactor = 1.0f;
  float DataSu = 500.0f;
  float DataSy = 300.0f;
  float Su = 500.0f;
  float Sy = 300.0f;
  float SuUsed = 500.0f;
  float SyUsed = 300.0f;
  float KtInput = 3.0f;  // the notch factor as typed (kept by the component inputs)
  float MaterialSpareValue = 0.7f;
  int16_t MaterialSource = 2;  // 1 a fatigue-database set, 2 typed in

  bool operator==(const MaterialData&) const = default;
};
