#include "testdata/test_data_edit.h"

#include <cmath>

#include "material/fatigue_db_records.h"
#include "montecarlo/random_math.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

void CopyPoint(TestDataSet& set, int to, int from) {
  set.TestStress[to] = set.TestStress[from];
  set.TestLife[to] = set.TestLife[from];
  set.TestPointUsed[to] = set.TestPointUsed[from];
}

void ClearPoint(TestDataSet& set, int k) {
  set.TestStress[k] = 0;
  set.TestLife[k] = 0;
  set.TestPointUsed[k] = 0;
}

constexpr int16_t kLogNormal = 2;

}  // namespace

void StartNewTestDataSet(TestDataSet& set) {
  set.TestHeaderLines[1].clear();
  set.TestPointCount = 0;
  set.TestDataName = "Data_1";
  set.TestGridTop = 1;
  set.TestRefLife = 2000000;
  set.TestFitCoeff = 0;
  for (int k = 1; k <= kTestPointMax; ++k) {
    set.TestStress[k] = 0;
    set.TestLife[k] = 0;
    set.TestPointUsed[k] = 1;
  }
}

void ClearDatabaseSetForTestData(FatigueDatabase& db, int b, int s) {
  db.FdbSetName[b][s].clear();
  db.FdbR[b][s] = 0;
  db.FdbSe[b][s] = 0;
  db.FdbSy[b][s] = 0;
  db.FdbSu[b][s] = 0;
  db.FdbPn[b][s] = 0;
  db.FdbReference[b][s].clear();
  db.FdbSeDistType[b][s] = 0;
  db.FdbSeCov[b][s] = 0.1f;
  db.FdbTestDataName[b][s] = kNoFatigueData;
}

void DeleteTestPoint(TestDataSet& set, int k) {
  const int n = WholePointCount(set.TestPointCount);
  if (k < 1 || k > n) return;
  for (int i = k; i < n; ++i) CopyPoint(set, i, i + 1);
  ClearPoint(set, n);
  set.TestPointCount = static_cast<float>(n - 1);
}

void InsertTestPoint(TestDataSet& set, int k) {
  const int n = WholePointCount(set.TestPointCount);
  if (k < 1 || k > n || n >= kTestPointMax) return;
  for (int i = n + 1; i > k; --i) CopyPoint(set, i, i - 1);
  if (k == 1) {
    set.TestStress[1] /= 2;
  } else {
    set.TestStress[k] = 0;
    set.TestLife[k] = 0;
  }
  set.TestPointUsed[k] = 1;
  set.TestPointCount = static_cast<float>(n + 1);
}

int TestGridScrollMax(float count) {
  const double max = std::nearbyint(static_cast<double>(count) - 10);
  return max > 0 ? static_cast<int>(max) : 0;
}

bool TestDataNameTaken(const FatigueDatabase& db, int16_t batchCount, const std::string& name) {
  for (int i = 1; i <= batchCount && i <= kFdbMaxBatches; ++i) {
    const double sets = std::nearbyint(db.FdbSetCount[i]);
    for (int t = 1; t <= sets && t <= kFdbMaxSets; ++t)
      if (db.FdbTestDataName[i][t] == name) return true;
  }
  return false;
}

bool TestFitStorable(const TestDataSet& set) {
  int32_t life = 0;
  return set.TestPointCount >= 2 && set.TestFitCoeff > 0 && set.TestFitSlope <= 0 &&
         TryCLng(set.TestRefLife, life);
}

void StoreTestDataFit(ProgramState& state, const std::string& name) {
  const TestDataSet& set = state.testDataSet;
  FatigueDbState& st = state.fatigueDbState;
  FatigueDatabase& db = state.fatigueDatabase;
  const int b = st.CurrentFatigueBatch;
  const int s = st.MarkedFatigueSet + 1;
  int32_t no = 0;
  if (b < 1 || b > kFdbMaxBatches || s < 1 || s > kFdbMaxSets || !TryCLng(set.TestRefLife, no)) return;
  db.FdbSetName[b][s] = name;
  db.FdbTestDataName[b][s] = name;
  db.FdbReference[b][s] = set.TestHeaderLines[1];
  db.FdbR[b][s] = set.TestStressRatio;
  db.FdbSe[b][s] = set.TestFitSe;
  db.FdbM[b][s] = set.TestFitSlope == 0 ? 99.99f : static_cast<float>(-1.0 / set.TestFitSlope);
  db.FdbPn[b][s] = 50;
  db.FdbNo[b][s] = no;
  db.FdbSy[b][s] = set.TestSy;
  db.FdbSu[b][s] = set.TestSu;
  db.FdbSeDistType[b][s] = kLogNormal;
  db.FdbSeCov[b][s] = set.TestFitSeCov;
  RandomVariablePanel& panel = state.randomVariablePanel;
  CalcDistributionParams(panel, kLogNormal, set.TestFitSeCov);
  db.FdbSeParA[b][s] = panel.PanelParA;
  db.FdbSeParB[b][s] = panel.PanelParB;
  CalcDistributionPlotRange(panel, kLogNormal);
  db.FdbSeXmin[b][s] = panel.PanelXmin;
  db.FdbSeXmax[b][s] = panel.PanelXmax;
  st.FatigueDbModified = 1;
  if (static_cast<float>(st.MarkedFatigueSet) == db.FdbSetCount[b]) db.FdbSetCount[b] += 1;
}
