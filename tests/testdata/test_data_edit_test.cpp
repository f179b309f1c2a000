#include "testdata/test_data_edit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "program_state.h"
#include "testdata/test_data_fixtures.h"

namespace {

TEST(TestDataEdit, NewSetIsEmptyWithoutALine) {
  TestDataSet set = WeldSeries(1e7f);
  set.TestHeaderLines[1] = "old";
  set.TestFitCoeff = 1643;
  set.TestHeaderLines[2] = "kept";
  StartNewTestDataSet(set);
  EXPECT_EQ(set.TestPointCount, 0);
  EXPECT_EQ(set.TestDataName, "Data_1");
  EXPECT_EQ(set.TestHeaderLines[1], "");
  EXPECT_EQ(set.TestHeaderLines[2], "kept");
  EXPECT_EQ(set.TestGridTop, 1);
  EXPECT_EQ(set.TestRefLife, 2000000);
  EXPECT_EQ(set.TestFitCoeff, 0);
  for (int k = 1; k <= 51; ++k) {
    EXPECT_EQ(set.TestStress[k], 0);
    EXPECT_EQ(set.TestLife[k], 0);
    EXPECT_EQ(set.TestPointUsed[k], 1);
  }
}

TEST(TestDataEdit, TheDatabaseSetIsEmptiedForTestDataKeepingNoAndM) {
  FatigueDatabase db;
  db.FdbSetName[1][3] = "Old";
  db.FdbSe[1][3] = 100;
  db.FdbNo[1][3] = 777;
  db.FdbM[1][3] = 4;
  db.FdbReference[1][3] = "Ref";
  db.FdbSeDistType[1][3] = 1;
  db.FdbSeCov[1][3] = 0.3f;
  db.FdbSeParA[1][3] = 0.9f;
  ClearDatabaseSetForTestData(db, 1, 3);
  EXPECT_EQ(db.FdbSetName[1][3], "");
  EXPECT_EQ(db.FdbSe[1][3], 0);
  EXPECT_EQ(db.FdbReference[1][3], "");
  EXPECT_EQ(db.FdbSeDistType[1][3], 0);
  EXPECT_EQ(db.FdbSeCov[1][3], 0.1f);
  EXPECT_EQ(db.FdbTestDataName[1][3], "No fatigue data");
  EXPECT_EQ(db.FdbNo[1][3], 777);
  EXPECT_EQ(db.FdbM[1][3], 4);
  EXPECT_EQ(db.FdbSeParA[1][3], 0.9f);
}

TEST(TestDataEdit, InsertAtTheFirstPointHalvesItsStress) {
  TestDataSet set = SetOf({{300, 20000}, {250, 50000, 0}, {200, 90000}});
  InsertTestPoint(set, 1);
  EXPECT_EQ(set.TestPointCount, 4);
  EXPECT_EQ(set.TestStress[1], 150);
  EXPECT_EQ(set.TestLife[1], 20000);
  EXPECT_EQ(set.TestPointUsed[1], 1);
  EXPECT_EQ(set.TestStress[2], 300);
  EXPECT_EQ(set.TestPointUsed[3], 0);
  EXPECT_EQ(set.TestLife[4], 90000);

  InsertTestPoint(set, 3);
  EXPECT_EQ(set.TestPointCount, 5);
  EXPECT_EQ(set.TestStress[3], 0);
  EXPECT_EQ(set.TestLife[3], 0);
  EXPECT_EQ(set.TestPointUsed[3], 1);
  EXPECT_EQ(set.TestStress[4], 250);
}

TEST(TestDataEdit, InsertIsRefusedAt51AndOutsideThePoints) {
  TestDataSet set;
  for (int k = 1; k <= 51; ++k) AddPoint(set, {100.0f + k, 1000 * k});
  const TestDataSet full = set;
  InsertTestPoint(set, 5);
  EXPECT_EQ(set, full);
  TestDataSet three = SetOf({{300, 20000}, {250, 50000}, {200, 90000}});
  const TestDataSet before = three;
  InsertTestPoint(three, 0);
  InsertTestPoint(three, 4);
  EXPECT_EQ(three, before);
}

TEST(TestDataEdit, DeleteMovesThePointsDownAndClearsTheTopSlot) {
  TestDataSet set = SetOf({{300, 20000}, {250, 50000, 0}, {200, 90000}});
  DeleteTestPoint(set, 1);
  EXPECT_EQ(set.TestPointCount, 2);
  EXPECT_EQ(set.TestStress[1], 250);
  EXPECT_EQ(set.TestPointUsed[1], 0);
  EXPECT_EQ(set.TestStress[2], 200);
  EXPECT_EQ(set.TestStress[3], 0);
  EXPECT_EQ(set.TestLife[3], 0);
  EXPECT_EQ(set.TestPointUsed[3], 0);

  DeleteTestPoint(set, 2);  // the last point
  EXPECT_EQ(set.TestPointCount, 1);
  EXPECT_EQ(set.TestStress[2], 0);
  EXPECT_EQ(set.TestPointUsed[2], 0);

  const TestDataSet before = set;
  DeleteTestPoint(set, 5);  // no such point
  EXPECT_EQ(set, before);
}

TEST(TestDataEdit, ScrollRangeOfTenRows) {
  const struct {
    float count;
    int max;
  } cases[] = {{0, 0}, {5, 0}, {10, 0}, {11, 1}, {30, 20}, {51, 41}};
  for (const auto& c : cases) EXPECT_EQ(TestGridScrollMax(c.count), c.max) << c.count;
}

TEST(TestDataEdit, NamesTakenByTheDatabaseSets) {
  FatigueDatabase db;
  db.FdbSetCount[1] = 2;
  db.FdbTestDataName[1][2] = "Weld_A";
  db.FdbSetCount[2] = 1;
  db.FdbTestDataName[3][1] = "Beyond";  // batch 3 is not counted
  EXPECT_TRUE(TestDataNameTaken(db, 2, "Weld_A"));
  EXPECT_FALSE(TestDataNameTaken(db, 2, "weld_a"));
  EXPECT_FALSE(TestDataNameTaken(db, 2, "Beyond"));
  EXPECT_FALSE(TestDataNameTaken(db, 3, "Beyond")) << "its set count is 0";
}

TEST(TestDataEdit, OnlyAFallingFitAtA32BitLifeGoesIntoTheDatabase) {
  TestDataSet set = WeldSeries();
  set.TestFitCoeff = 1643;
  set.TestFitSlope = -0.146f;
  EXPECT_TRUE(TestFitStorable(set));
  set.TestFitSlope = 0;
  EXPECT_TRUE(TestFitStorable(set)) << "a flat line is stored with m = 99.99";
  set.TestFitSlope = 0.01f;
  EXPECT_FALSE(TestFitStorable(set));
  set.TestFitSlope = -0.146f;
  set.TestFitCoeff = 0;
  EXPECT_FALSE(TestFitStorable(set));
  set.TestFitCoeff = 1643;
  set.TestRefLife = 3e9f;
  EXPECT_FALSE(TestFitStorable(set));
  set.TestRefLife = 2e6f;
  set.TestPointCount = 1;
  EXPECT_FALSE(TestFitStorable(set));
}

TEST(TestDataEdit, TheFitFillsTheMarkedDatabaseSet) {
  ProgramState state;
  state.fatigueDbState.CurrentFatigueBatch = 2;
  state.fatigueDbState.MarkedFatigueSet = 1;  // the set after the last
  state.fatigueDatabase.FdbSetCount[2] = 1;
  TestDataSet& set = state.testDataSet;
  set = WeldSeries();
  set.TestHeaderLines[1] = "Butt welds";
  set.TestStressRatio = 0.1f;
  set.TestFitSlope = -0.1f;
  set.TestFitSe = 197.5f;
  set.TestFitCoeff = 1600;
  set.TestFitSeCov = 0.1f;
  set.TestRefLife = 2000000.5f;
  StoreTestDataFit(state, "Weld_A");
  const FatigueDatabase& db = state.fatigueDatabase;
  EXPECT_EQ(db.FdbSetName[2][2], "Weld_A");
  EXPECT_EQ(db.FdbTestDataName[2][2], "Weld_A");
  EXPECT_EQ(db.FdbReference[2][2], "Butt welds");
  EXPECT_EQ(db.FdbR[2][2], 0.1f);
  EXPECT_EQ(db.FdbSe[2][2], 197.5f);
  EXPECT_FLOAT_EQ(db.FdbM[2][2], 10);
  EXPECT_EQ(db.FdbPn[2][2], 50);
  EXPECT_EQ(db.FdbNo[2][2], 2000000);
  EXPECT_EQ(db.FdbSy[2][2], 355);
  EXPECT_EQ(db.FdbSu[2][2], 510);
  EXPECT_EQ(db.FdbSeDistType[2][2], 2);
  EXPECT_EQ(db.FdbSeCov[2][2], 0.1f);
  EXPECT_FLOAT_EQ(db.FdbSeParA[2][2], -0.005f);
  EXPECT_FLOAT_EQ(db.FdbSeParB[2][2], static_cast<float>(std::sqrt(std::log(1.01))));
  EXPECT_GT(db.FdbSeXmax[2][2], db.FdbSeXmin[2][2]);
  EXPECT_EQ(db.FdbSetCount[2], 2) << "a set after the last is counted";
  EXPECT_EQ(state.fatigueDbState.FatigueDbModified, 1);

  set.TestFitSlope = 0;
  StoreTestDataFit(state, "Weld_A");
  EXPECT_FLOAT_EQ(db.FdbM[2][2], 99.99f);
  EXPECT_EQ(db.FdbSetCount[2], 2) << "an existing set is not counted again";
}

}  // namespace
