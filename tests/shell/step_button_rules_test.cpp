#include "shell/step_button_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/analysis_records.h"
#include "loading/loading_records.h"
#include "material/material_data.h"

namespace {

TEST(StepButtonTexts, CaptionsAndTipSayWhereTheNextPressLeads) {
  struct Case {
    bool ready, inputViewUp;
    std::string tip, analysis, data;
  };
  const Case cases[] = {
      {false, false, "Input the loading data", "&Next", "&Run"},
      {false, true, "Input the loading data", "&Next", "&Run"},
      {true, false, "Check the input parameters", "&Next", "&Next"},
      {true, true, "Calculate fatigue life", "&Run", "&Run"},
  };
  for (const Case& c : cases) {
    const StepButtonTexts t = StepButtonTextsFor(c.ready, c.inputViewUp);
    EXPECT_EQ(t.toolTip, c.tip);
    EXPECT_EQ(t.analysisCaption, c.analysis);
    EXPECT_EQ(t.dataCaption, c.data);
  }
}

TEST(RangeStep, AMasterCurveWithAnEmptyRangeOpensItsInputInsteadOfCalculating) {
  struct Case {
    const char* what;
    int16_t mode, parameter, loadingType;
    float seFrom, seTo, rangeFrom, rangeTo, factorMin, factorMax;
    bool spectrumUp;
    RangeStep want;
  };
  const Case cases[] = {
      {"single case, everything equal", 1, 0, 3, 200, 200, 100, 100, 1, 1, true, RangeStep::Calculate},
      {"endurance limit, equal ends", 2, 2, 3, 200, 200, 100, 100, 1, 1, true, RangeStep::EnduranceLimitInput},
      {"endurance limit, a range", 2, 2, 3, 150, 200, 100, 100, 1, 1, true, RangeStep::Calculate},
      {"history, equal factors", 2, 1, 1, 200, 200, 100, 100, 1, 1, false, RangeStep::ScalingFactorInput},
      {"history, a factor range", 2, 1, 1, 200, 200, 100, 100, 1, 2, false,
       RangeStep::ScalingFactorInputThenCalculate},
      {"distribution, equal ends", 2, 1, 4, 200, 200, 100, 100, 1, 1, false, RangeStep::DistributionStressInput},
      {"distribution, a range", 2, 1, 4, 200, 200, 100, 150, 1, 1, false, RangeStep::Calculate},
      {"spectrum shown, equal ends", 2, 1, 2, 200, 200, 100, 100, 1, 1, true, RangeStep::SpectrumStressInput},
      {"constant amplitude, spectrum frame hidden", 2, 1, 3, 200, 200, 100, 100, 1, 1, false,
       RangeStep::DistributionStressInput},
      {"spectrum, a range", 2, 1, 2, 200, 200, 100, 150, 1, 1, true, RangeStep::Calculate},
      {"Kt master curve", 2, 3, 3, 200, 200, 100, 100, 1, 1, true, RangeStep::Calculate},
  };
  for (const Case& c : cases) {
    AnalysisOptions a;
    a.AnalysisMode = c.mode;
    a.MasterCurveParameter = c.parameter;
    a.LoadingType = c.loadingType;
    MaterialData m;
    m.SeFrom = c.seFrom;
    m.SeTo = c.seTo;
    LoadingData l;
    l.StressRangeFrom = c.rangeFrom;
    l.StressRangeTo = c.rangeTo;
    l.ScalingFactorMin = c.factorMin;
    l.ScalingFactorMax = c.factorMax;
    EXPECT_EQ(RangeStepFor(a, m, l, c.spectrumUp), c.want) << c.what;
  }
}

}  // namespace
