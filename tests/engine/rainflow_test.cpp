#include "engine/rainflow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/runtime/sng.h"

namespace {

struct Cycle {
  float range;
  float mean;
  bool operator==(const Cycle&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Cycle& c) {
  return os << "(" << c.range << ", " << c.mean << ")";
}

// The counting rule written out step by step on an array whose remaining
// points are shifted up after each cycle (quadratic, for reference only).
// Passing the closing point ends the counting.
std::vector<Cycle> ReferenceRainflow(const std::vector<float>& history) {
  const int n = static_cast<int>(history.size());
  std::vector<float> w(n + 2, 0.0f);
  for (int j = 1; j <= n; ++j) w[j] = history[j - 1];
  std::vector<Cycle> out;
  int i = 2, u = 0;
  for (;;) {
    do {
      ++i;
    } while (i - u < 3);
    if (i > n + 1) return out;
    for (;;) {
      const float x = Sng(std::fabs(w[i] - w[i - 1]) * 1.005);
      const float y = std::fabs(w[i - 1] - w[i - 2]);
      if (y > x) break;
      out.push_back({std::fabs(w[i - 2] - w[i - 1]), (w[i - 2] + w[i - 1]) / 2.0f});
      u += 2;
      for (int j = i - 3; j >= u - 1; --j) w[j + 2] = w[j];
      if (n - u < 3) return out;
      if (i - u < 3) break;
    }
  }
}

std::vector<Cycle> Count(const std::vector<float>& history) {
  std::vector<float> h(history.size() + 2, 0.0f);
  for (size_t j = 0; j < history.size(); ++j) h[j + 1] = history[j];
  std::vector<float> stack, ranges, means;
  const int32_t c = CountRainflow(h, static_cast<int32_t>(history.size()), stack, ranges, means);
  std::vector<Cycle> out;
  for (int32_t j = 1; j <= c; ++j) out.push_back({ranges[j], means[j]});
  return out;
}

struct Example {
  std::vector<float> history;
  std::vector<Cycle> cycles;
};

TEST(Rainflow, CountsTheWorkedExamples) {
  const std::vector<Example> examples = {
      {{0, 10, 5, 20}, {{5, 7.5f}}},                                     // ends: two points left
      {{0, 10, -10, 20, -20}, {{10, 5}, {30, 5}}},
      {{0, 100, 10, 90, 20, 80, 30, 70}, {{40, 50}, {60, 50}, {80, 50}}},  // closed by the point 0
      {{1, 2}, {{1, 1.5f}}},
      {{0, 10, 0.04f}, {{10, 5}}},        // the later range need only reach 1 / 1.005 of the earlier
      {{0, 10, 0.06f}, {}},               // ... and a smaller one does not close it
      {{-30, 40, -10, 0}, {}},            // the comparisons pass the closing point: residue
      {{5}, {}},                          // one point
      {{}, {}},                           // none
      {{3, 3, 3}, {{0, 3}}},              // a repeated point is a cycle of range 0
  };
  for (const Example& e : examples) {
    EXPECT_EQ(Count(e.history), e.cycles) << "history of " << e.history.size() << " points";
    EXPECT_EQ(ReferenceRainflow(e.history), e.cycles) << "reference, " << e.history.size() << " points";
  }
}

TEST(Rainflow, MatchesTheStepByStepRuleOnRandomHistories) {
  std::mt19937 rng(12345);
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = std::uniform_int_distribution<int>(0, 300)(rng);
    const int kind = trial % 3;
    std::vector<float> h(n);
    float level = 0.0f;
    for (float& v : h) {
      if (kind == 0) {  // few distinct values: repeats and equal ranges
        v = static_cast<float>(std::uniform_int_distribution<int>(-3, 3)(rng)) * 10.0f;
      } else if (kind == 1) {  // a random walk of whole steps
        level += static_cast<float>(std::uniform_int_distribution<int>(-2, 2)(rng));
        v = level;
      } else {  // continuous values
        v = std::uniform_real_distribution<float>(-100.0f, 100.0f)(rng);
      }
    }
    ASSERT_EQ(Count(h), ReferenceRainflow(h)) << "trial " << trial << ", " << n << " points";
  }
}

TEST(Rainflow, CountingInPiecesGivesTheSameCycles) {
  std::mt19937 rng(7);
  std::vector<float> h(5001, 0.0f);
  for (size_t j = 1; j + 1 < h.size(); ++j) h[j] = h[j - 1] + std::normal_distribution<float>(0.0f, 1.0f)(rng);
  const int32_t n = 4999;
  std::vector<float> s1, r1, m1, s2, r2, m2;
  const int32_t whole = CountRainflow(h, n, s1, r1, m1);
  SizeRainflowArrays(n, s2, r2, m2);
  RainflowCounter counter(h.data(), n, s2.data(), r2.data(), m2.data());
  int32_t until = 0;
  while (!counter.CountUpTo(until += 7)) {
  }
  ASSERT_EQ(counter.Cycles(), whole);
  for (int32_t j = 1; j <= whole; ++j) {
    EXPECT_EQ(r2[j], r1[j]);
    EXPECT_EQ(m2[j], m1[j]);
  }
  EXPECT_LE(whole, RainflowCounter::MaxCycles(n));
}

}  // namespace
