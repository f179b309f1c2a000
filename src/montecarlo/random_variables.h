#pragma once

#include <array>
#include <cstdint>

// Random variables of a job, slots 1 .. 8 (slot 0 unused): 1 endurance limit,
// 2 loading scaling factor, 3 Kt.
inline constexpr int kRandomVarMax = 8;

struct RandomVariableTable {
  template <typename T>
  using Slots = std::array<T, kRandomVarMax + 1>;
  static constexpr Slots<float> Filled(float v, float slot0) {
    Slots<float> s{};
    s[0] = slot0;
    for (int i = 1; i <= kRandomVarMax; ++i) s[i] = v;
    return s;
  }

  Slots<int16_t> RvType{};  // -1 correlated, 0 none, 1 normal, 2 log-normal, 3 Weibull, 4 exponential, 5 uniform
  Slots<float> RvCov = Filled(0.1f, 0.0f);
  Slots<float> RvXmin = Filled(1.0f, 0.0f);
  Slots<float> RvXmax = Filled(1.0f, 0.0f);
  Slots<float> RvParA{};
  Slots<float> RvParB{};
  Slots<float> RvLastUniform{};
  int16_t CurrentRandomVar = 0;

  bool operator==(const RandomVariableTable&) const = default;
};

// The random-variable dialog's working record: the variable being edited,
// the parameters of its mean-1 distribution and the x range of its density
// plot.
struct RandomVariablePanel {
  int16_t PanelDistType = 0;
  float PanelCov = 0.0f;
  float PanelParA = 0.0f;
  float PanelParB = 0.0f;
  float PanelXmin = 0.0f;
  float PanelXmax = 0.0f;

  bool operator==(const RandomVariablePanel&) const = default;
};
