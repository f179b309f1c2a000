#pragma once

// The component's notch. The notch factor as typed, KtInput, is held in
// MaterialData beside the strengths.
struct ComponentData {
  float Kt = 3.0f;
  float SpecimenNotchFactor = 3.0f;  // the notch factor applied to the S-N data
  float KtFrom = 3.0f;
  float KtTo = 3.0f;
  float Kf = 3.0f;                   // fatigue notch factor in use
  float MseNotchFactor = 3.0f;
  float NotchRadius = 1.0f;          // mm, above 0

  bool operator==(const ComponentData&) const = default;
};
