#pragma once

#include <cstdint>

// The runtime's own uniform random function: a 24-bit linear congruential
// generator, deterministic from its start (a fresh one always gives the same
// sequence). The program owns one in its state and never reseeds it.
class RuntimeRandom {
 public:
  // The next value, in [0, 1).
  float Rnd();

  // Restarts the sequence from a seed.
  void Randomize(uint32_t seed) { state_ = seed & kMask; }

  bool operator==(const RuntimeRandom&) const = default;

 private:
  static constexpr uint32_t kMask = 0xFFFFFF;
  static constexpr uint32_t kStart = 0x2F6B1D;
  uint32_t state_ = kStart;
};
