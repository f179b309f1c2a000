#include "component/summary_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "engine/damage.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "support/fake_host.h"

namespace {

// The S-N extension shown as No': the zero values are worked out from the curve.
TEST(SummaryValues, ExtensionCyclesOfTheNoPrimeDisplay) {
  struct Case {
    const char* name;
    int16_t display;
    float se, ratio, cycles, mPrime;
    float ratioAfter, cyclesAfter;
  };
  const Case cases[] = {
      {"ratio and No' filled", 1, 100, 0, 0, 3.5f, 1.0f / 100, 2e13f},
      {"a stored No' is kept", 1, 100, 0, 5e9f, 3.5f, 1.0f / 100, 5e9f},
      {"a stored ratio gives No'", 1, 100, 0.5f, 0, 3.5f, 0.5f, Sng(std::floor(2e6 * std::pow(2.0, 3.5)))},
      {"the ratio display fills nothing", 0, 100, 0, 0, 3.5f, 0, 0},
      {"Se 0 leaves both at 0", 1, 0, 0, 0, 3.5f, 0, 0},
      {"beyond the Single range: infinite", 1, 1000, 0, 0, 15, 1.0f / 1000, 1e30f},
      {"large but in range: kept", 1, 100, 0, 0, 15, 1.0f / 100, Sng(std::floor(2e6 * std::pow(100.0, 15)))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramState s;
    MaterialData& md = s.materialData;
    md.SNExtensionDisplay = c.display;
    md.Se = c.se;
    md.EnduranceCycles = 2000000;
    md.SNExtensionRatio = c.ratio;
    md.SNExtensionCycles = c.cycles;
    md.SNExtensionExponent = c.mPrime;
    UpdateSummaryValues(s);
    EXPECT_EQ(md.SNExtensionRatio, c.ratioAfter);
    EXPECT_EQ(md.SNExtensionCycles, c.cyclesAfter);
  }
}

TEST(SummaryValues, KtOfThePlainSpecimenInTheLocalApproach) {
  struct Case {
    const char* name;
    int16_t specimen, approach, sensitivity;
    float kt, ktAfter;
  };
  const Case cases[] = {
      {"local, NS neglected: Kt 1", 2, 2, 1, 3, 1},
      {"local, NS accounted: the radius row counts", 2, 2, 2, 3, 3},
      {"nominal", 2, 1, 1, 3, 3},
      {"feature specimen", 1, 2, 1, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramState s;
    s.analysisOptions.SNDataSpecimen = c.specimen;
    s.analysisOptions.StressApproach = c.approach;
    s.analysisOptions.NotchSensitivityMode = c.sensitivity;
    s.componentData.Kt = c.kt;
    UpdateSummaryValues(s);
    EXPECT_EQ(s.componentData.Kt, c.ktAfter);
  }
}

TEST(SummaryValues, NotchFactorAndMeanStressTags) {
  const float a = Sng(std::pow(269.0 / 500.0, 1.8));
  const float q = 1.0f / (1.0f + a / 1.0f);
  const float peterson = 2.0f * q + 1.0f;
  struct Case {
    const char* name;
    int16_t loading, meanStress, specimen, sensitivity;
    float kfAfter;
    const char* tag;
    const char* tag2;
  };
  const Case cases[] = {
      {"Peterson, feature specimen", 3, 2, 1, 2, peterson, "MSE(+): ", "MSE(+)"},
      {"Peterson, plain specimen", 2, 2, 2, 2, peterson, "MSE(+)", "MSE(+)"},
      {"notch sensitivity neglected: Kf kept", 3, 2, 1, 1, 7, "MSE(+): ", "MSE(+)"},
      {"mean stress neglected", 3, 1, 1, 2, 7, "MSE(-)  ", "MSE(-)  "},
      {"distribution: always neglected", 4, 2, 1, 2, 7, "MSE(-)  ", "MSE(-)  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramState s;
    s.analysisOptions.LoadingType = c.loading;
    s.analysisOptions.MeanStressOption = c.meanStress;
    s.analysisOptions.SNDataSpecimen = c.specimen;
    s.analysisOptions.NotchSensitivityMode = c.sensitivity;
    s.materialData.SuUsed = 500;
    s.componentData.NotchRadius = 1;
    s.componentData.SpecimenNotchFactor = 3;
    s.componentData.Kf = 7;
    UpdateSummaryValues(s);
    EXPECT_FLOAT_EQ(s.componentData.Kf, c.kfAfter);
    EXPECT_EQ(s.resultsDisplay.MseTag, c.tag);
    EXPECT_EQ(s.resultsDisplay.MseTag2, c.tag2);
  }
}

// The summary and the effective strengths work out the same Kf.
TEST(SummaryValues, KfAsTheEffectiveStrengthsGiveIt) {
  ProgramState s;
  s.analysisOptions.NotchSensitivityMode = 2;
  s.materialData.Su = 640;
  s.componentData.NotchRadius = 0.4f;
  s.componentData.SpecimenNotchFactor = 2.6f;
  FakeHost host;
  CalcEffectiveStrengths(s, host);
  const float kf = s.componentData.Kf;
  s.componentData.Kf = 0;
  UpdateSummaryValues(s);
  EXPECT_EQ(s.componentData.Kf, kf);
  EXPECT_GT(kf, 1.0f);
  EXPECT_LT(kf, 2.6f);
}

}  // namespace
