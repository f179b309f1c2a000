#pragma once

#include <cstdint>
#include <string>

#include "testdata/test_data_records.h"

struct FatigueDatabase;
struct ProgramState;

// A new, empty test data set "Data_1" at the reference life 2,000,000: no
// points (every slot zero and used), no description, no fitted line.
void StartNewTestDataSet(TestDataSet& set);

// Empties data set (b, s) of the database for test data that are to come: no
// name, strengths, R, Pn, reference or test data; its endurance limit without
// scatter type and with a COV of 0.1. No, m and the other scatter values stay.
void ClearDatabaseSetForTestData(FatigueDatabase& db, int b, int s);

// Removes point k (1 .. count): the points above it move down one, the slot
// freed at the top holds zeros and an omitted flag, and the count drops by 1.
void DeleteTestPoint(TestDataSet& set, int k);

// Inserts a used point at k (1 .. count, count below 51): the points from k
// move up one and the count grows by 1. At k = 1 the new point has the life
// of the old first point and half its stress; elsewhere it is zero.
void InsertTestPoint(TestDataSet& set, int k);

// The largest value of the grid's scroll bar: ten rows over `count` points.
int TestGridScrollMax(float count);

// Whether `name` is the test data name of a set of the database's batches
// 1 .. batchCount.
bool TestDataNameTaken(const FatigueDatabase& db, int16_t batchCount, const std::string& name);

// Whether the last fit can go into a database set: a falling (or flat) line
// through at least two points, at a reference life that fits a 32-bit life.
bool TestFitStorable(const TestDataSet& set);

// Fills the marked data set of the batch on show with the test data of the
// name `name` and their last fit (Se at No, m = -1 / slope or 99.99 for a
// flat line, Pn 50, the strengths and R, the description, the log-normal
// scatter of Se), marks the database changed and counts a set added after
// the last one. Only for a fit that TestFitStorable accepts.
void StoreTestDataFit(ProgramState& state, const std::string& name);
