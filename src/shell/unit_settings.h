#pragma once

#include <string>

// The unit system of the display. Stresses are held in MPa and lengths in mm;
// a shown value is the stored one times its factor, a typed one is divided by
// it. LengthUnitFactor doubles as the unit flag: exactly 1 means SI.
struct UnitSettings {
  std::string StressUnitBracket = "[MPa]";
  std::string StressUnit = "MPa";
  std::string SmallLengthUnit = "mm";
  float StressUnitFactor = 1.0f;
  float LengthUnitFactor = 1.0f;

  bool operator==(const UnitSettings&) const = default;
};

enum class UnitSystem { SI, US };

// The texts and factors of a unit system: SI (MPa, mm) or US (ksi, in).
UnitSettings UnitsOf(UnitSystem system);

// The system a length factor stands for: exactly 1 is SI, anything else US.
inline UnitSystem UnitSystemOf(float lengthUnitFactor) {
  return lengthUnitFactor == 1.0f ? UnitSystem::SI : UnitSystem::US;
}
