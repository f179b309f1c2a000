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
  EXPECT_EQ(DistributionRangeRefusal(s, 1, -kInf), std::string());
  EXPECT_EQ(DistributionRangeRefusal(s, 1, kInf), " (SS too big)");
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

TEST(DistributionMeanRefusal, ANegativeMeanAndOneBeyondTheSingleRange) {
  const char* negative = "Sorry, No mean stress effect for Sm < 0.";
  const char* tooBig = "Sorry, Data Incorrect! (Sm too big)";
  struct Case {
    int16_t inputMode;
    float v;
    const char* text;  // nullptr: taken
  } cases[] = {{1, -40, nullptr}, {1, -50, nullptr},  {1, -60, negative},   {2, -0.001f, negative},
               {2, 10, nullptr},  {1, kInf, tooBig},  {2, -kInf, negative}, {1, std::nanf(""), negative}};
  for (const Case& c : cases) {
    ProgramState s = Law(1);
    s.loadingData.StressInputMode = c.inputMode;
    s.loadingData.StressRangeTo = 100;
    s.loadingData.StressRange = 5;
    BeginDistributionMean(s);
    EXPECT_EQ(s.loadingData.StressRange, 100.0f);
    const std::optional<InputRefusal> r = DistributionMeanRefusal(s, c.v);
    ASSERT_EQ(r.has_value(), c.text != nullptr) << c.inputMode << " " << c.v;
    if (!r) continue;
    EXPECT_EQ(r->text, c.text);
    EXPECT_EQ(r->icon, c.text == tooBig ? MsgIcon::Critical : MsgIcon::Information);
    EXPECT_EQ(r->title, " Mean Stress Effect");
  }
}

TEST(TypedBlockVolume, WholeCyclesAboveOneThatALongHolds) {
  const std::string low = " (NS < 1)", high = " (NS > 2147483647)";
  struct Case {
    std::string typed;
    std::string reason;
    int32_t n;
  } cases[] = {{"1", low, 0},     {"1.4", low, 0},      {"1.6", "", 2},         {"2.5", "", 2},
               {"3.5", "", 4},    {"", low, 0},         {"abc", low, 0},        {"1e10", high, 0},
               {"-5", low, 0},    {"1000", "", 1000},   {"2147483647", "", 2147483647},
               {"1e39", high, 0}, {std::string(400, '9'), high, 0}, {"-1e39", low, 0}, {"1e-400", low, 0}};
  for (const Case& c : cases) {
    int32_t n = 0;
    EXPECT_EQ(TypedBlockVolume(c.typed, n), c.reason) << c.typed.substr(0, 12);
    EXPECT_EQ(n, c.n) << c.typed.substr(0, 12);
  }
  ProgramState s;
  StoreBlockVolume(s, 2);
  EXPECT_EQ(s.loadingData.CyclesPerBlock, 2);
  EXPECT_EQ(s.loadingData.BlockVolumeEntry, 2);
}

}  // namespace
