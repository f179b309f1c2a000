#include "loading/loading_units.h"

#include <gtest/gtest.h>

#include "program_state.h"

namespace {

constexpr const char* kMicroStrain = "\xC2\xB5str";
constexpr const char* kMicroStrainBracket = "[\xC2\xB5str]";

// The display units of the stress: the start's SI, or US.
UnitSettings Units(bool us) {
  UnitSettings u;
  if (us) {
    u.StressUnitBracket = "[ksi]";
    u.StressUnit = "ksi";
    u.StressUnitFactor = 1.0f / 6.895f;
    u.LengthUnitFactor = 1.0f / 25.4f;
  }
  return u;
}

TEST(FollowLoadingUnits, StressLoadingTakesTheStressUnit) {
  for (bool us : {false, true}) {
    ProgramState s;
    s.unitSettings = Units(us);
    s.loadingUnits.LoadToStressFactor = 0.5f;  // a stress loading leaves it alone
    FollowLoadingUnits(s);
    ProgramState expected;
    expected.unitSettings = s.unitSettings;
    expected.loadingUnits.LoadToStressFactor = 0.5f;
    expected.loadingUnits.LoadUnitFactor = s.unitSettings.StressUnitFactor;
    expected.loadingUnits.LoadUnitBracket = s.unitSettings.StressUnitBracket;
    expected.loadingUnits.LoadUnit = s.unitSettings.StressUnit;
    EXPECT_EQ(s, expected) << us;
  }
}

TEST(FollowLoadingUnits, StrainLoadingFollowsTheSelectedBatchInEitherUnitSystem) {
  struct Case {
    bool us;
    int16_t batch;
    int32_t points;
    float unitFactor, toStress;
  };
  const Case cases[] = {
      {false, 3, 0, 1e6f / 210000.0f, 1.0f},  // no history: held in MPa
      {true, 3, 0, 1e6f / 210000.0f, 1.0f},
      {false, 3, 500, 1.0f, 0.21f},           // a strain history: held in micro-strain
      {true, 3, 500, 1.0f, 0.21f},
      {false, 25, 500, 1.0f, 0.21f},          // a number past the rows reads the last row
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.unitSettings = Units(c.us);
    s.loadingUnits.LoadQuantity = "Strain ";
    s.loadingDbState.SelectedLoadingBatch = c.batch;
    s.loadingDatabase.BatchPointCount[c.batch > kLoadingBatchMax ? kLoadingBatchMax : c.batch] = c.points;
    FollowLoadingUnits(s);
    const LoadingUnits& u = s.loadingUnits;
    EXPECT_EQ(u.LoadUnitFactor, c.unitFactor) << c.batch << " " << c.points;
    EXPECT_EQ(u.LoadToStressFactor, c.toStress) << c.batch << " " << c.points;
    EXPECT_EQ(u.LoadUnit, kMicroStrain);
    EXPECT_EQ(u.LoadUnitBracket, kMicroStrainBracket);
  }
}

TEST(FollowLoadingUnits, FactorsAreTheSingleQuotients) {
  // Young's moduli whose quotients by 1e6 are not exact in Single.
  for (float e : {206843.0f, 71000.3f, 195000.0f}) {
    ProgramState s;
    s.loadingUnits.LoadQuantity = "Strain ";
    s.materialData.YoungModulus = e;
    FollowLoadingUnits(s);
    EXPECT_EQ(s.loadingUnits.LoadUnitFactor, static_cast<float>(1000000.0 / e)) << e;
    s.loadingDatabase.BatchPointCount[0] = 1;
    FollowLoadingUnits(s);
    EXPECT_EQ(s.loadingUnits.LoadToStressFactor, static_cast<float>(e / 1000000.0)) << e;
  }
}

TEST(RescaleStrainLoading, StressesScaleWithYoungsModulus) {
  struct Case {
    int16_t mode;
    float rangeFrom, rangeTo, minOrMean;
    float smax, smin;
  };
  // E doubles: every stress doubles; the maximum and minimum follow the mode.
  const Case cases[] = {
      {2, 100, 200, 10, 400.0f / 2 + 20, 400.0f / 2 * -1 + 20},  // amplitude and mean
      {1, 100, 200, 10, 400.0f + 20, 20},                         // range and minimum
      {1, -50, -100, 10, 20, -200.0f + 20},                       // a negative range: kept in order
  };
  for (const Case& c : cases) {
    ProgramState s;
    s.loadingUnits.LoadQuantity = "Strain ";
    s.materialData.YoungModulus = 420000.0f;
    LoadingData& ld = s.loadingData;
    ld.StressInputMode = c.mode;
    ld.StressRangeFrom = c.rangeFrom;
    ld.StressRangeTo = c.rangeTo;
    ld.StressMinOrMean = c.minOrMean;
    RescaleStrainLoading(s, 210000.0f);
    EXPECT_EQ(ld.StressRangeFrom, 2 * c.rangeFrom);
    EXPECT_EQ(ld.StressRangeTo, 2 * c.rangeTo);
    EXPECT_EQ(ld.StressRange, 2 * c.rangeTo);
    EXPECT_EQ(ld.StressMinOrMean, 2 * c.minOrMean);
    EXPECT_EQ(ld.StressMinOrMeanInput, 2 * c.minOrMean);
    EXPECT_EQ(ld.SpectrumSmax, c.smax) << c.mode << " " << c.rangeTo;
    EXPECT_EQ(ld.SpectrumSmin, c.smin) << c.mode << " " << c.rangeTo;
    EXPECT_EQ(ld.LoadSmax, c.smax);
    EXPECT_EQ(ld.LoadSmin, c.smin);
    EXPECT_EQ(s.loadingUnits.LoadUnitFactor, 1e6f / 420000.0f);
    EXPECT_EQ(s.loadingUnits.LoadToStressFactor, 1.0f);
  }
}

}  // namespace
