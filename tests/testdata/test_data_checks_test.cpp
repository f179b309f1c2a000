#include "testdata/test_data_checks.h"

#include <gtest/gtest.h>

#include <limits>

#include "testdata/test_data_fixtures.h"

namespace {

using Field = TestDataFault::Field;

TEST(FindTestDataFault, TheFirstFaultInTheOrderOfTheChecks) {
  struct Case {
    const char* what;
    void (*change)(TestDataSet&);
    Field field;
    int point;
    bool stress, life;
  };
  const Case cases[] = {
      {"all valid", [](TestDataSet&) {}, Field::None, 3, false, false},
      {"Sy 0, Su and R wrong too", [](TestDataSet& s) { s.TestSy = 0, s.TestSu = 0, s.TestStressRatio = 1; },
       Field::YieldStrength, 0, false, false},
      {"Sy infinite", [](TestDataSet& s) { s.TestSy = std::numeric_limits<float>::infinity(); }, Field::YieldStrength, 0, false, false},
      {"Su NaN", [](TestDataSet& s) { s.TestSu = std::numeric_limits<float>::quiet_NaN(); }, Field::UltimateStrength, 0, false, false},
      {"R = 1", [](TestDataSet& s) { s.TestStressRatio = 1; }, Field::StressRatio, 0, false, false},
      {"R NaN", [](TestDataSet& s) { s.TestStressRatio = std::numeric_limits<float>::quiet_NaN(); }, Field::StressRatio, 0, false, false},
      {"point 2 stress 0 and life 1", [](TestDataSet& s) { s.TestStress[2] = 0, s.TestLife[2] = 1; }, Field::Point,
       2, true, true},
      {"points 2 and 3 faulty", [](TestDataSet& s) { s.TestLife[2] = 0, s.TestStress[3] = -1; }, Field::Point, 2,
       false, true},
      {"a life of 2 passes", [](TestDataSet& s) { s.TestLife[3] = 2; }, Field::None, 3, false, false},
  };
  for (const Case& c : cases) {
    TestDataSet set = SetOf({{300, 10000}, {250, 50000}, {200, 90000}});
    c.change(set);
    const TestDataFault f = FindTestDataFault(set);
    EXPECT_EQ(f.field, c.field) << c.what;
    EXPECT_EQ(f.point, c.point) << c.what;
    EXPECT_EQ(f.stress, c.stress) << c.what;
    EXPECT_EQ(f.life, c.life) << c.what;
  }
  TestDataSet minusOne = SetOf({{300, 10000}, {250, 50000}});
  minusOne.TestStressRatio = -1;
  EXPECT_EQ(FindTestDataFault(minusOne).field, Field::None) << "R = -1 is accepted";
}

TEST(TestPointsComplete, EveryPointAndBothStrengths) {
  TestDataSet set = SetOf({{300, 10000}, {250, 50000}});
  EXPECT_TRUE(TestPointsComplete(set));
  set.TestSy = 0;
  EXPECT_FALSE(TestPointsComplete(set));
  set = SetOf({{300, 10000}, {250, 0}});
  EXPECT_FALSE(TestPointsComplete(set));
  set = SetOf({{300, 10000}, {250, 50000}});
  set.TestPointCount = 3;  // a raised count with an empty third point
  EXPECT_FALSE(TestPointsComplete(set));
}

}  // namespace
