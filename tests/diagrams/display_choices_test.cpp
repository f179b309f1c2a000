#include "diagrams/display_choices.h"

#include <gtest/gtest.h>

#include <cmath>

#include "loading/distribution_blocks.h"
#include "program_state.h"

namespace {

TEST(SettleMasterCurveEnds, ByMagnitude) {
  struct Case {
    int16_t mode, parameter, type;
    float from, to, kMin, kMax;
    float fromAfter, kMaxAfter;
  } cases[] = {
      {2, 1, 2, 300, 100, 1, 1, 100, 1},     // the start range is the larger: takes the end's value
      {2, 1, 2, -300, 100, 1, 1, 100, 1},    // by magnitude
      {2, 1, 2, 100, 300, 1, 1, 100, 1},     // in order: kept
      {2, 1, 1, 300, 100, 3, 1, 300, 3},     // a history: the scaling factors
      {2, 1, 1, 300, 100, -3, 2, 300, -3},
      {2, 2, 2, 300, 100, 3, 1, 300, 1},     // over the endurance limit: nothing
      {1, 1, 2, 300, 100, 3, 1, 300, 1},     // a single case: nothing
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.analysisOptions.AnalysisMode = c.mode;
    s.analysisOptions.MasterCurveParameter = c.parameter;
    s.analysisOptions.LoadingType = c.type;
    s.loadingData.StressRangeFrom = c.from;
    s.loadingData.StressRangeTo = c.to;
    s.loadingData.ScalingFactorMin = c.kMin;
    s.loadingData.ScalingFactorMax = c.kMax;
    SettleMasterCurveEnds(s);
    EXPECT_EQ(s.loadingData.StressRangeFrom, c.fromAfter) << c.from << " " << c.type;
    EXPECT_EQ(s.loadingData.ScalingFactorMax, c.kMaxAfter) << c.kMin << " " << c.type;
  }
}

TEST(LoadQuantity, StressOrMicroStrain) {
  ProgramState s;
  s.unitSettings = UnitsOf(UnitSystem::US);
  s.loadingDbState.SelectedLoadingBatch = 5;
  SetLoadQuantity(s, true);
  EXPECT_EQ(s.loadingUnits.LoadQuantity, "Strain ");
  EXPECT_EQ(s.loadingUnits.LoadUnitBracket, "[\xC2\xB5str]");
  EXPECT_EQ(s.loadingUnits.LoadUnit, "\xC2\xB5str");
  EXPECT_FLOAT_EQ(s.loadingUnits.LoadUnitFactor, 1e6f / 210000);  // stresses shown as strains
  EXPECT_EQ(s.loadingUnits.LoadToStressFactor, 1.0f);

  s.loadingDatabase.BatchPointCount[5] = 3000;  // a history keeps its strains
  SetLoadQuantity(s, true);
  EXPECT_EQ(s.loadingUnits.LoadUnitFactor, 1.0f);
  EXPECT_FLOAT_EQ(s.loadingUnits.LoadToStressFactor, 0.21f);

  SetLoadQuantity(s, false);
  EXPECT_EQ(s.loadingUnits.LoadQuantity, "Stress ");
  EXPECT_EQ(s.loadingUnits.LoadUnit, "ksi");
  EXPECT_EQ(s.loadingUnits.LoadUnitBracket, "[ksi]");
  EXPECT_EQ(s.loadingUnits.LoadUnitFactor, s.unitSettings.StressUnitFactor);
  EXPECT_EQ(s.loadingUnits.LoadToStressFactor, 1.0f);
}

TEST(LoadQuantity, AbandonedBatchTurnsStrainsIntoStresses) {
  ProgramState s;
  s.loadingDbState.LoadingSource = 1;
  s.loadingDbState.SelectedLoadingBatch = 3;
  s.jobTexts.LoadingName = "Wing root";
  s.loadingUnits.LoadQuantity = "Strain ";
  s.loadingData.StressRangeTo = 1000;
  s.loadingData.StressRangeFrom = 500;
  s.loadingData.StressMinOrMean = -200;
  AbandonBatchForQuantityChange(s);
  EXPECT_EQ(s.loadingDbState.LoadingSource, 2);
  EXPECT_EQ(s.loadingDbState.SelectedLoadingBatch, 0);
  EXPECT_EQ(s.jobTexts.LoadingName, "???");
  EXPECT_FLOAT_EQ(s.loadingData.StressRangeTo, 210);
  EXPECT_FLOAT_EQ(s.loadingData.StressRange, 210);
  EXPECT_FLOAT_EQ(s.loadingData.StressRangeFrom, 105);
  EXPECT_FLOAT_EQ(s.loadingData.StressMinOrMean, -42);
  EXPECT_FLOAT_EQ(s.loadingData.StressMinOrMeanInput, -42);

  ProgramState stress;
  stress.loadingData.StressRangeTo = 1000;
  AbandonBatchForQuantityChange(stress);
  EXPECT_EQ(stress.loadingData.StressRangeTo, 1000.0f) << "stresses stay";
}

// A Beta of relative Q and R over ranges up to `top` MPa, as typed.
ProgramState BetaLoading(float q, float r, float top) {
  ProgramState s;
  LoadingData& ld = s.loadingData;
  ld.DistQ = ld.DistQInput = q;
  ld.DistR = ld.DistRInput = r;
  ld.StressRangeTo = top;
  return s;
}

TEST(DistributionLaw, ChangeConvertsThroughTheBlocksWithQBackInStress) {
  for (int16_t type : {2, 3}) {
    ProgramState s = BetaLoading(2, 5, 200);
    // The same cut and fit by themselves give the relative parameters.
    ProgramState fit = s;
    fit.loadingDistributionBlocks.DistKindCode = 1;
    fit.loadingDistributionBlocks.DistBlockCount = 10;
    fit.loadingDistributionBlocks.DistLowestLevel = 0.1;
    fit.loadingData.DistributionType = type;
    DiscretizeLoadingDistribution(fit);
    ASSERT_TRUE(FitLoadingDistribution(fit));

    ASSERT_TRUE(ChangeDistributionLaw(s, type)) << type;
    const LoadingData& ld = s.loadingData;
    EXPECT_EQ(ld.DistributionType, type);
    EXPECT_EQ(ld.DistributionName, type == 2 ? "Weibull " : "Log-norm ");
    EXPECT_EQ(s.loadingDistributionBlocks.DistKindCode, 1.0f);
    const float q = fit.loadingData.DistQ;
    EXPECT_FLOAT_EQ(ld.DistQ, type == 2 ? q * 200 : q + std::log(200.0f));
    EXPECT_EQ(ld.DistR, fit.loadingData.DistR);
    EXPECT_EQ(ld.DistQInput, ld.DistQ);
    EXPECT_EQ(ld.DistRInput, ld.DistR);
  }
}

TEST(DistributionLaw, AConversionThatCannotBeMadeKeepsTheLaw) {
  // All of a steep Weibull's weight in the top block: no blocks to fit.
  ProgramState s = BetaLoading(0.01f, 2, 200);
  s.loadingData.DistributionType = 2;
  s.loadingData.DistributionName = "Weibull ";
  const LoadingData kept = s.loadingData;
  EXPECT_FALSE(ChangeDistributionLaw(s, 1));
  EXPECT_EQ(s.loadingData, kept);
  // No stress range to turn a Weibull's scale back into stress.
  ProgramState flat = BetaLoading(2, 5, 0);
  const LoadingData flatKept = flat.loadingData;
  EXPECT_FALSE(ChangeDistributionLaw(flat, 2));
  EXPECT_EQ(flat.loadingData, flatKept);
  EXPECT_TRUE(ChangeDistributionLaw(flat, 1)) << "a Beta stays relative";
}

TEST(DistributionLaw, ChangeWithoutParametersNamesTheLaw) {
  ProgramState s = BetaLoading(2, 3, 100);
  const DistributionLaw before = DistributionLawOf(s);
  s.loadingData.DistQ = 0;  // nothing to convert
  EXPECT_TRUE(ChangeDistributionLaw(s, 3));
  EXPECT_EQ(s.loadingData.DistributionName, "Log-norm ");
  EXPECT_EQ(s.loadingDistributionBlocks.DistBlockCount, 0);
  RestoreDistributionLaw(s, before);
  EXPECT_EQ(s.loadingData.DistributionType, 1);
  EXPECT_EQ(s.loadingData.DistributionName, "Beta ");
  EXPECT_EQ(s.loadingData.DistQ, 2.0f);
  EXPECT_EQ(s.loadingData.DistQInput, 2.0f);
}

TEST(DistributionLaw, QFaultByLaw) {
  struct Case {
    int16_t type;
    float q;
    const char* fault;
  } cases[] = {{1, 2, ""}, {1, 0, "(Q < 0)"}, {2, -1, "(Q < 0)"}, {3, -1, ""}, {3, 0, "(Q = 0)"}, {3, 5, ""}};
  for (const Case& c : cases) {
    ProgramState s;
    s.loadingData.DistributionType = c.type;
    s.loadingData.DistQ = c.q;
    EXPECT_EQ(DistributionQFault(s), c.fault) << c.type << " " << c.q;
  }
}

}  // namespace
