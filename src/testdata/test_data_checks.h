#pragma once

#include "testdata/test_data_records.h"

// The first fault of a test data set, in the order the editor checks them:
// the yield strength, the ultimate strength, the stress ratio (-1 <= R < 1),
// then point by point a stress that is not positive and a life below 2 (a
// point can fail both). NaN and infinity fail every check.
struct TestDataFault {
  enum class Field { None, YieldStrength, UltimateStrength, StressRatio, Point };
  Field field = Field::None;
  int point = 0;  // the faulty point, or the last point checked when there is none
  bool stress = false;
  bool life = false;
};
TestDataFault FindTestDataFault(const TestDataSet& set);

// Every point 1 .. count has a positive stress and a positive life, and both
// strengths are positive: the set can be fitted.
bool TestPointsComplete(const TestDataSet& set);
