#pragma once

#include <initializer_list>

#include "testdata/test_data_records.h"

// A test point as the tests write it: stress (MPa), life (cycles), flag.
struct TestPoint {
  float stress;
  int32_t life;
  int16_t used = 1;
};

// A set of the given points with strengths 355 / 510 MPa and R = -1.
inline TestDataSet SetOf(std::initializer_list<TestPoint> points, float refLife = 2000000) {
  TestDataSet set;
  int k = 0;
  for (const TestPoint& p : points) {
    ++k;
    set.TestStress[k] = p.stress;
    set.TestLife[k] = p.life;
    set.TestPointUsed[k] = p.used;
  }
  set.TestPointCount = static_cast<float>(k);
  set.TestSy = 355;
  set.TestSu = 510;
  set.TestStressRatio = -1;
  set.TestRefLife = refLife;
  set.TestDataName = "Data_1";
  return set;
}

// Eight falling points of a weld series.
inline TestDataSet WeldSeries(float refLife = 2000000) {
  return SetOf({{420, 12000}, {380, 25000}, {350, 41000}, {300, 98000}, {280, 150000}, {250, 390000},
                {230, 700000}, {210, 1500000}},
               refLife);
}

// Appends a point to a set.
inline void AddPoint(TestDataSet& set, TestPoint p) {
  const int k = static_cast<int>(set.TestPointCount) + 1;
  set.TestStress[k] = p.stress;
  set.TestLife[k] = p.life;
  set.TestPointUsed[k] = p.used;
  set.TestPointCount = static_cast<float>(k);
}
