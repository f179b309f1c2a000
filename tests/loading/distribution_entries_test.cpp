#include "loading/distribution_entries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "program_state.h"
#include "shell/unit_settings.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

ProgramState Law(int16_t type) {
  ProgramState s;
  s.analysisOptions.LoadingType = 4;
  s.loadingData.DistributionType = type;
  return s;
}

TEST(DistributionParameterRefusal, LimitsByLaw) {
  struct Case {
    int16_t type;
    int index;
    float v;
    const char* reason;
  } cases[] = {
      {1, 0, 500, ""},
      {1, 0, 1000, "(Q> 100)"},  // 1000, not 100, with the "> 100)" text
      {1, 0, 0, "(Q< 0)"},
      {2, 0, -1, "(Q< 0)"},
      {2, 0, 999, ""},
      {2, 0, 1000, "(Q> 100)"},
      {1, 1, 0, "(R< 0)"},
      {1, 1, 99.9f, ""},
      {1, 1, 100, "(R> 100)"},
      {1, 0, kInf, "(Q> 100)"},
      {3, 0, kInf, "(Q> 100)"},
      {1, 1, kInf, "(R> 100)"},
      {1, 0, std::numeric_limits<float>::quiet_NaN(), "(Q< 0)"},  // a typed number no Single holds
      {3, 1, std::numeric_limits<float>::quiet_NaN(), "(R< 0)"},
      // A Weibull or log-normal needs a largest stress range within Single.
      {3, 0, 70, ""},  // with R = 3: Smax = exp(70 + 4.5 + 9.9)
      {3, 0, 5000, "(Q> 100)"},
      {3, 0, 90, "(Q> 100)"},
      {3, 1, 10, ""},
      {3, 1, 12, "(R> 100)"},
      {2, 1, 0.05f, ""},
      {2, 1, 1e-5f, "(R> 100)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DistributionParameterRefusal(Law(c.type), c.index, c.v), c.reason)
        << "law " << c.type << " index " << c.index << " v " << c.v;
  }
  EXPECT_EQ(DistributionParameterTitle(0), " Distribution Parameter (Q)");
  EXPECT_EQ(DistributionParameterTitle(1), " Distribution Parameter (R)");
}

TEST(StoreDistributionParameter, QInStressAndShownInDisplayUnits) {
  for (int16_t type : {1, 2, 3}) {
    ProgramState s = Law(type);
    s.unitSettings = UnitsOf(UnitSystem::US);
    s.loadingUnits.LoadUnitFactor = s.unitSettings.StressUnitFactor;
    StoreDistributionParameter(s, 0, 10);
    const float expected = type == 1 ? 10.0f : type == 2 ? 68.95f : static_cast<float>(10 + std::log(6.895));
    EXPECT_NEAR(s.loadingData.DistQ, expected, 1e-4) << type;
    EXPECT_EQ(s.loadingData.DistQInput, s.loadingData.DistQ);
    EXPECT_EQ(ShownDistributionParameter(s, 0), "10.0") << type;
    StoreDistributionParameter(s, 1, 2.5f);
    EXPECT_EQ(s.loadingData.DistR, 2.5f);
    EXPECT_EQ(s.loadingData.DistRInput, 2.5f);
    EXPECT_EQ(ShownDistributionParameter(s, 1), "2.5");
  }
}

TEST(DistributionRange, NegativeAndTheOrderOfTheEnds) {
  ProgramState s = Law(1);
  EXPECT_EQ(DistributionRangeRefusal(s, 1, -1), std::string());
  EXPECT_EQ(DistributionRangeRefusal(s, 1, kInf), std::string());
  EXPECT_EQ(DistributionRangeRefusal(s, 1, std::numeric_limits<float>::quiet_NaN()), std::string());
  EXPECT_EQ(DistributionRangeRefusal(s, 0, 500), std::nullopt) << "a single case has no order";
  s.analysisOptions.AnalysisMode = 2;
  s.loadingData.StressRangeFrom = 50;
  s.loadingData.StressRangeTo = 200;
  EXPECT_EQ(DistributionRangeRefusal(s, 0, 201), " (SSmax < SSmin)");
  EXPECT_EQ(DistributionRangeRefusal(s, 1, 49), " (SSmax < SSmin)");
  EXPECT_EQ(DistributionRangeRefusal(s, 1, 50), std::nullopt);
  EXPECT_EQ(DistributionRangeTitle(s), "Stress Amplitude");
  s.analysisOptions.MeanStressOption = 1;
  EXPECT_EQ(DistributionRangeTitle(s), "Stress Range");

  // A master curve keeps the range in use; a single case takes it.
  StoreDistributionRange(s, 1, 300);
  EXPECT_EQ(s.loadingData.StressRangeTo, 300.0f);
  EXPECT_EQ(s.loadingData.StressRange, 100.0f);
  EXPECT_EQ(s.loadingData.MaxStressInput, 300.0f);
  s.analysisOptions.AnalysisMode = 1;
  StoreDistributionRange(s, 1, 250);
  EXPECT_EQ(s.loadingData.StressRange, 250.0f);
  StoreDistributionRange(s, 0, 20);
  EXPECT_EQ(s.loadingData.StressRangeFrom, 20.0f);
  EXPECT_EQ(s.loadingData.StressRange, 250.0f);
}

TEST(DistributionMeanRefused, ANegativeMeanIsRefused) {
  struct Case {
    int16_t inputMode;
    float v;
    bool refused;
  } cases[] = {{1, -40, false}, {1, -50, false}, {1, -60, true}, {2, -0.001f, true}, {2, 10, false}, {1, kInf, true}};
  for (const Case& c : cases) {
    ProgramState s = Law(1);
    s.loadingData.StressInputMode = c.inputMode;
    s.loadingData.StressRangeTo = 100;
    s.loadingData.StressRange = 5;
    BeginDistributionMean(s);
    EXPECT_EQ(s.loadingData.StressRange, 100.0f);
    EXPECT_EQ(DistributionMeanRefused(s, c.v), c.refused) << c.inputMode << " " << c.v;
  }
}

TEST(TypedBlockVolume, WholeCyclesAboveOne) {
  struct Case {
    const char* typed;
    bool accepted;
    int32_t n;
  } cases[] = {{"1", false, 0},   {"1.4", false, 0}, {"1.6", true, 2},        {"2.5", true, 2},
               {"3.5", true, 4},  {"", false, 0},    {"abc", false, 0},       {"1e10", false, 0},
               {"-5", false, 0},  {"1000", true, 1000}, {"2147483647", true, 2147483647}};
  for (const Case& c : cases) {
    int32_t n = 0;
    EXPECT_EQ(TypedBlockVolume(c.typed, n), c.accepted) << c.typed;
    if (c.accepted) {
      EXPECT_EQ(n, c.n) << c.typed;
    }
  }
  ProgramState s;
  StoreBlockVolume(s, 2);
  EXPECT_EQ(s.loadingData.CyclesPerBlock, 2);
  EXPECT_EQ(s.loadingData.BlockVolumeEntry, 2);
}

}  // namespace
