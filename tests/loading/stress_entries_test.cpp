#include "loading/stress_entries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "program_state.h"
#include "shell/unit_settings.h"

namespace {

const std::optional<std::string> kAccepted = std::nullopt;

struct Job {
  int16_t mode = 1, parameter = 1, meanOption = 2, inputMode = 2;
  float from = 100, to = 100, minOrMean = 0;
};

ProgramState StateOf(const Job& j) {
  ProgramState s;
  s.analysisOptions.AnalysisMode = j.mode;
  s.analysisOptions.MasterCurveParameter = j.parameter;
  s.analysisOptions.MeanStressOption = j.meanOption;
  s.loadingData.StressInputMode = j.inputMode;
  s.loadingData.StressRangeFrom = j.from;
  s.loadingData.StressRangeTo = j.to;
  s.loadingData.StressRange = j.to;
  s.loadingData.StressMinOrMean = j.minOrMean;
  return s;
}

TEST(SpectrumRangeRefusal, SignsImpliedMeanAndTheOrderOfTheEnds) {
  struct Case {
    const char* what;
    Job job;
    int box;
    float v;
    std::optional<std::string> reason;
  } cases[] = {
      {"amplitude 0", {}, 0, 0, kAccepted},
      {"amplitude below 0", {}, 0, -1, "(SS < 0)"},
      {"range 0 over a minimum of 0", {.inputMode = 1}, 0, 0, kAccepted},
      {"range 0 over a negative minimum", {.inputMode = 1, .minOrMean = -10}, 0, 0, "(SS < 0)"},
      {"range too small for its minimum", {.inputMode = 1, .minOrMean = -60}, 0, 100, "(Sm < 0)"},
      {"negative range with its minimum", {.inputMode = 1, .minOrMean = 30}, 0, -40, kAccepted},
      {"mean stress neglected: no reason", {.meanOption = 1}, 0, -1, ""},
      {"infinite", {}, 0, std::numeric_limits<float>::infinity(), "(SS too big)"},
      {"a typed number no Single holds", {}, 0, std::numeric_limits<float>::quiet_NaN(), "(SS < 0)"},
      {"the same in range mode", {.inputMode = 1}, 0, std::numeric_limits<float>::quiet_NaN(), "(SS < 0)"},
      {"master curve, equal ends", {.mode = 2}, 1, 100, kAccepted},
      {"master curve, upper below lower", {.mode = 2, .from = 150, .to = 300}, 0, 120, "(SSmax < SSmin)"},
      {"master curve, lower above upper", {.mode = 2, .from = 150, .to = 300}, 1, 320, "(SSmax < SSmin)"},
      {"master curve, -lower with +upper", {.mode = 2, .inputMode = 1, .from = 150, .to = 300, .minOrMean = 100}, 1, -50,
       "(SSmax < SSmin)"},
      {"master curve, lower in order", {.mode = 2, .from = 150, .to = 300}, 1, 50, kAccepted},
      {"over the endurance limit: no order", {.mode = 2, .parameter = 2, .from = 150, .to = 300}, 0, 120, kAccepted},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpectrumRangeRefusal(StateOf(c.job), c.box, c.v), c.reason) << c.what;
  }
}

TEST(SpectrumRangeTitle, ByTheMeanStressOption) {
  ProgramState s;
  EXPECT_EQ(SpectrumRangeTitle(s), "Stress Amplitude (SS)");
  s.analysisOptions.MeanStressOption = 1;
  s.loadingUnits.LoadQuantity = "Strain ";
  EXPECT_EQ(SpectrumRangeTitle(s), "Strain Range (SS)");
}

TEST(StoreSpectrumRange, TheEndAndTheTagOfTheBox) {
  struct Case {
    Job job;
    int box;
    const char* tag;
  } cases[] = {
      {{.inputMode = 1}, 0, "(range)"},
      {{.meanOption = 1}, 0, "(range)"},
      {{}, 0, "(amplit.)"},
      {{.mode = 2}, 0, "(Max)"},
      {{.mode = 2, .inputMode = 1}, 0, "(Max)"},
      {{.mode = 2, .parameter = 2, .inputMode = 1}, 0, "(range)"},
      {{.mode = 2, .parameter = 2}, 0, "(Max)"},
      {{.mode = 2}, 1, "(Min)"},
  };
  for (const Case& c : cases) {
    ProgramState s = StateOf(c.job);
    EXPECT_EQ(StoreSpectrumRange(s, c.box, 60), c.tag) << c.job.mode << c.job.parameter << c.job.inputMode;
    const LoadingData& l = s.loadingData;
    EXPECT_EQ(l.MaxStressInput, 60.0f);
    EXPECT_EQ(l.StressRange, 60.0f);
    EXPECT_EQ(c.box == 1 ? l.StressRangeFrom : l.StressRangeTo, 60.0f);
    EXPECT_EQ(c.box == 1 ? l.StressRangeTo : l.StressRangeFrom, 100.0f);
    EXPECT_EQ(l.LoadSmax, l.SpectrumSmax);
  }
  // Range 100 with a minimum of -40: 60 down to -40.
  ProgramState s = StateOf({.inputMode = 1, .minOrMean = -40});
  StoreSpectrumRange(s, 0, 100);
  EXPECT_EQ(s.loadingData.LoadSmax, 60.0f);
  EXPECT_EQ(s.loadingData.LoadSmin, -40.0f);
}

TEST(SpectrumMeanRefusal, TheImpliedMeanMayFallBelowZeroByAHair) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const char* negative = "Sorry, No mean stress effect for Sm < 0.";
  struct Case {
    int16_t inputMode;
    float v;
    const char* text;  // nullptr: taken
  } cases[] = {
      {2, -0.001f, negative},  // a negative mean
      {2, 0, nullptr},
      {1, -50.001f, nullptr},  // range 100: within 0.0015 MPa of a mean of 0
      {1, -50.002f, negative},
      {1, 40, nullptr},
      {2, kInf, "Sorry, Data Incorrect! (Sm too big)"},  // beyond the Single range
      {1, -kInf, negative},
  };
  for (const Case& c : cases) {
    const auto r = SpectrumMeanRefusal(StateOf({.inputMode = c.inputMode}), c.v);
    ASSERT_EQ(r.has_value(), c.text != nullptr) << c.inputMode << " " << c.v;
    if (r) {
      EXPECT_EQ(r->text, c.text);
    }
  }
}

TEST(TypedStress, DisplayUnitsAndTheInputMode) {
  ProgramState s;
  s.unitSettings = UnitsOf(UnitSystem::US);
  s.loadingUnits.LoadUnitFactor = s.unitSettings.StressUnitFactor;
  EXPECT_FLOAT_EQ(TypedStressRange(s, "10"), 137.9f) << "an amplitude in ksi, a range in MPa";
  EXPECT_FLOAT_EQ(TypedStress(s, "10"), 68.95f);
  s.loadingData.StressInputMode = 1;
  EXPECT_FLOAT_EQ(TypedStressRange(s, "10 ksi"), 68.95f);
  EXPECT_EQ(TypedStressRange(s, "abc"), 0.0f);
  EXPECT_EQ(TypedStressRange(s, "1e39"), std::numeric_limits<float>::infinity()) << "no Single holds it";
  EXPECT_TRUE(std::isnan(TypedStress(s, "-1e-50")));
}

TEST(StressInputSwitches, RangeAndAmplitudeKeepTheStoredValues) {
  ProgramState s = StateOf({.minOrMean = 20});
  ASSERT_TRUE(SwitchRangeAndAmplitude(s));
  EXPECT_EQ(s.loadingData.StressInputMode, 1);
  EXPECT_EQ(s.loadingData.StressMinOrMean, 20.0f) << "20 now counts as the minimum";
  StoreSpectrumRange(s, 0, 100);
  EXPECT_EQ(s.loadingData.LoadSmax, 120.0f);
  EXPECT_EQ(s.loadingData.LoadSmin, 20.0f);
  ASSERT_TRUE(SwitchRangeAndAmplitude(s));
  EXPECT_EQ(s.loadingData.StressInputMode, 2);

  ProgramState neglected = StateOf({.meanOption = 1});
  EXPECT_FALSE(SwitchRangeAndAmplitude(neglected));
  EXPECT_EQ(neglected.loadingData.StressInputMode, 2);
}

TEST(StressInputSwitches, MeanAndMinimumKeepTheLoading) {
  ProgramState s = StateOf({.minOrMean = 20});
  s.loadingData.LoadSmax = 70;
  s.loadingData.LoadSmin = -30;
  SwitchMeanAndMinimum(s);
  EXPECT_EQ(s.loadingData.StressInputMode, 1);
  EXPECT_EQ(s.loadingData.StressMinOrMean, -30.0f);
  EXPECT_EQ(s.loadingData.StressMinOrMeanInput, -30.0f);
  SwitchMeanAndMinimum(s);
  EXPECT_EQ(s.loadingData.StressInputMode, 2);
  EXPECT_EQ(s.loadingData.StressMinOrMean, 20.0f);

  ProgramState neglected = StateOf({.meanOption = 1, .minOrMean = 20});
  neglected.loadingData.LoadSmin = -30;
  SwitchMeanAndMinimum(neglected);
  EXPECT_EQ(neglected.loadingData.StressInputMode, 1);
  EXPECT_EQ(neglected.loadingData.StressMinOrMean, 0.0f);
  EXPECT_EQ(neglected.loadingData.StressMinOrMeanInput, 0.0f);
}

}  // namespace
