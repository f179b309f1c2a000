#pragma once

#include <cstdint>
#include <random>
#include <vector>

// The benchmarks' stress history: a random walk of n points (elements 1 .. n)
// with normal steps, centred near 50 MPa, inside -100 .. 200 MPa so that no
// cycle exceeds Su.
inline std::vector<float> RandomWalk(int32_t n) {
  std::mt19937 rng(2024);
  std::normal_distribution<float> step(0.0f, 10.0f);
  std::vector<float> h(static_cast<size_t>(n) + 2, 0.0f);
  float x = 50.0f;
  for (int32_t j = 1; j <= n; ++j) {
    x += step(rng);
    if (x > 200.0f || x < -100.0f) x = 50.0f;
    h[j] = x;
  }
  return h;
}
