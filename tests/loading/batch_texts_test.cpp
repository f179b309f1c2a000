#include "loading/batch_texts.h"

#include <gtest/gtest.h>

#include "program_state.h"

namespace {

// A stress history of 1000 points with a spectrum of 3 levels.
void HistoryAndSpectrum(ProgramState& s, int k) {
  LoadingDatabase& db = s.loadingDatabase;
  db.BatchQuantity[k] = "Stress ";
  db.BatchName[k] = "Crane hook";
  db.BatchPointCount[k] = 1000;
  db.BatchHistoryMax[k] = 250.5f;
  db.BatchHistoryMin[k] = -120;
  db.BatchBlockTime[k] = 12.25f;
  db.BatchLevelCount[k] = 3;
  db.BatchUpper[k] = 300;
  db.BatchLower[k] = 30;
  db.BatchBlockCycles[k] = 250000;
}

TEST(BrowseLoadingBatch, AStressBatchShowsItsValuesInTheStressUnit) {
  ProgramState s;
  s.loadingDbState.LoadingBatchCount = 4;
  HistoryAndSpectrum(s, 2);
  const BatchBrowserTexts t = BrowseLoadingBatch(s, 2);
  EXPECT_EQ(t.number, "2");
  EXPECT_EQ(t.count, "4");
  EXPECT_EQ(t.name, "Crane hook");
  EXPECT_EQ(t.historyTitle, "Stress History");
  EXPECT_EQ(t.spectrumTitle, "Stress Spectrum");
  EXPECT_EQ(t.distributionTitle, "Stress Distribution");
  EXPECT_EQ(t.historyMaxLabel, "Maximum Stress :");
  EXPECT_EQ(t.rangeMinLabel, "Minimum Stress Range:");
  EXPECT_EQ(t.points, "1000");
  EXPECT_EQ(t.historyMax, "250.5");
  EXPECT_EQ(t.historyMin, "-120.0");
  EXPECT_EQ(t.historyTime, "12.25");
  EXPECT_EQ(t.upper, "300.0");
  EXPECT_EQ(t.lower, "30.0");
  EXPECT_EQ(t.levels, "3");
  EXPECT_EQ(t.volume, "250000");
  EXPECT_EQ(t.spectrumTime, "12.25");
  EXPECT_EQ(t.unit, "MPa");
  EXPECT_EQ(t.kind, "(Beta)");
  EXPECT_EQ(t.remark, "  DMSE(-)");

  // In US units the stresses follow the unit; counts and times do not.
  s.unitSettings = UnitsOf(UnitSystem::US);
  const BatchBrowserTexts us = BrowseLoadingBatch(s, 2);
  EXPECT_EQ(us.upper, "43.51");
  EXPECT_EQ(us.unit, "ksi");
  EXPECT_EQ(us.historyTime, "12.25");
}

TEST(BrowseLoadingBatch, ABatchWithoutHistoryOrLevelsShowsZerosAndNoKind) {
  ProgramState s;
  s.loadingDatabase.BatchBlockTime[1] = 30;
  s.loadingDatabase.BatchHistoryMax[1] = 99;
  s.loadingDatabase.BatchR[1] = 2.5f;
  s.loadingDatabase.BatchDistType[1] = -1;
  const BatchBrowserTexts t = BrowseLoadingBatch(s, 1);
  EXPECT_EQ(t.historyMax, "0.0");
  EXPECT_EQ(t.historyTime, "0.0");
  EXPECT_EQ(t.spectrumTime, "0.0");
  EXPECT_EQ(t.kind, "");
  EXPECT_EQ(t.r, "2.5");
}

TEST(BrowseLoadingBatch, AStrainBatchShowsMicroStrain) {
  ProgramState s;
  s.materialData.YoungModulus = 1;  // none given yet: 210000
  LoadingDatabase& db = s.loadingDatabase;
  db.BatchQuantity[1] = "Strain";
  db.BatchPointCount[1] = 500;
  db.BatchHistoryMax[1] = 1200;
  db.BatchUpper[1] = 1500;
  db.BatchQuantity[2] = "Strain";
  db.BatchLevelCount[2] = 4;
  db.BatchUpper[2] = 210;
  const BatchBrowserTexts history = BrowseLoadingBatch(s, 1);
  EXPECT_EQ(s.materialData.YoungModulus, 210000.0f);
  EXPECT_EQ(history.historyTitle, "Strain History");
  EXPECT_EQ(history.historyMax, "1200.0");  // held in micro-strain
  EXPECT_EQ(history.upper, "1500.0");
  EXPECT_EQ(history.unit, "\xC2\xB5str");
  const BatchBrowserTexts spectrum = BrowseLoadingBatch(s, 2);
  EXPECT_EQ(spectrum.upper, "1000.0");  // MPa x 1,000,000 / E
  EXPECT_EQ(spectrum.unit, "\xC2\xB5str");
}

TEST(BrowseLoadingBatch, TheDistributionsQIsShownAsAStress) {
  struct Case {
    int16_t kind;
    float q, upper;
    const char* shown;
    const char* kind_text;
  };
  const Case cases[] = {
      {0, 3.5f, 200, "3.5", "(Beta)"},       {-1, 0.5f, 200, "100.0", "(Weibull)"},
      {-2, -0.5f, 200, "4.798", "(Log-norm)"}, {-1, 0.5f, 0, "0.5", "(Weibull)"},
      {-2, -0.5f, 0, "-0.5", "(Log-norm)"},   {-5, 1.0f, 1, "1.0", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    ProgramState s;
    LoadingDatabase& db = s.loadingDatabase;
    db.BatchQuantity[1] = "Stress ";
    db.BatchLevelCount[1] = 1;
    db.BatchDistType[1] = c.kind;
    db.BatchQ[1] = c.q;
    db.BatchUpper[1] = c.upper;
    const BatchBrowserTexts t = BrowseLoadingBatch(s, 1);
    EXPECT_EQ(t.q, c.shown);
    EXPECT_EQ(t.kind, c.kind_text);
  }
}

TEST(BrowseLoadingBatch, TheRemarkShowsTheBatchsStrengthsAboveSu1Point0011) {
  ProgramState s;
  LoadingDatabase& db = s.loadingDatabase;
  db.BatchSy[1] = 400;
  db.BatchKf[1] = 1.5f;
  db.BatchSu[1] = 1.001f;
  EXPECT_EQ(BrowseLoadingBatch(s, 1).remark, "  DMSE(-)");
  db.BatchSu[1] = 500;
  EXPECT_EQ(BrowseLoadingBatch(s, 1).remark, "DMSE(+): Su=500 MPa, Sy=400 MPa, Kf=1.5");
}

}  // namespace
