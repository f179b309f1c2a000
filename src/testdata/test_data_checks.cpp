#include "testdata/test_data_checks.h"

#include <cmath>

namespace {
bool Positive(float v) { return std::isfinite(v) && v > 0; }
}  // namespace

TestDataFault FindTestDataFault(const TestDataSet& set) {
  using Field = TestDataFault::Field;
  if (!Positive(set.TestSy)) return {Field::YieldStrength};
  if (!Positive(set.TestSu)) return {Field::UltimateStrength};
  const float r = set.TestStressRatio;
  if (!(r >= -1 && r < 1)) return {Field::StressRatio};
  const int n = WholePointCount(set.TestPointCount);
  for (int i = 1; i <= n; ++i) {
    const bool stress = !Positive(set.TestStress[i]);
    const bool life = !(set.TestLife[i] > 1);
    if (stress || life) return {Field::Point, i, stress, life};
  }
  return {Field::None, n};
}

bool TestPointsComplete(const TestDataSet& set) {
  const int n = WholePointCount(set.TestPointCount);
  int complete = 0;
  for (int i = 1; i <= n; ++i) complete += (set.TestStress[i] > 0) + (set.TestLife[i] > 0);
  return static_cast<float>(complete) == 2 * set.TestPointCount && set.TestSy > 0 && set.TestSu > 0;
}
