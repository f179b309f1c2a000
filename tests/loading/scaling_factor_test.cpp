#include "loading/scaling_factor.h"

#include <gtest/gtest.h>

#include <string>

#include "program_state.h"

namespace {

// A history batch (row 4) whose extremes are 100 and -50, in use.
ProgramState HistoryJob(int16_t mode = 1, int16_t parameter = 1) {
  ProgramState s;
  s.analysisOptions.LoadingType = 1;
  s.analysisOptions.AnalysisMode = mode;
  s.analysisOptions.MasterCurveParameter = parameter;
  s.loadingDbState.SelectedLoadingBatch = 4;
  s.loadingDbState.LoadingSource = 1;
  s.loadingDatabase.BatchPointCount[4] = 6;
  s.loadingDatabase.BatchHistoryMax[4] = 100;
  s.loadingDatabase.BatchHistoryMin[4] = -50;
  return s;
}

TEST(CheckScalingFactor, TheScaledHistoryStaysBelow10000) {
  struct Case {
    const char* typed;
    const char* reason;
    float value;
  } cases[] = {
      {"99.99", "", 99.99f},
      {"100", "(|RSF| to big)", 100},
      {"-100", "(|RSF| to big)", -100},
      {"-99.99", "", -99.99f},
      {"1e400", "(|RSF| to big)", 0},  // no Single holds these: refused by the first check
      {"1e39", "(|RSF| to big)", 0},
      {"1e-50", "(|RSF| to big)", 0},
      {"0", "(RSF = 0)", 0},
      {"abc", "(RSF = 0)", 0},
      {"", "(RSF = 0)", 0},
      {"-2", "", -2},
  };
  const ProgramState s = HistoryJob();
  for (const Case& c : cases) {
    const ScalingFactorEntry e = CheckScalingFactor(s, 0, c.typed);
    EXPECT_EQ(e.accepted, std::string(c.reason).empty()) << c.typed;
    EXPECT_EQ(e.reason, c.reason) << c.typed;
    if (e.accepted) {
      EXPECT_EQ(e.value, c.value) << c.typed;
    }
  }
}

TEST(CheckScalingFactor, TheEndsOfAMasterCurveByMagnitude) {
  struct Case {
    int box;
    float upper, lower;
    const char* typed;
    const char* reason;
  } cases[] = {
      {1, 3, 1, "-2", ""},                    // signs are not compared
      {1, 3, 1, "4", "(RSFmax < RSFmin)"},    // the lower end above the upper
      {1, 3, 1, "3", ""},                     // equal ends pass
      {1, 3, 1, "-3", ""},
      {0, 3, 2, "1.5", "(RSFmax < RSFmin)"},  // the upper end below the lower
      {0, 3, 2, "-2", ""},
  };
  for (const Case& c : cases) {
    ProgramState s = HistoryJob(2, 1);
    s.loadingData.ScalingFactorMax = c.upper;
    s.loadingData.ScalingFactorMin = c.lower;
    EXPECT_EQ(CheckScalingFactor(s, c.box, c.typed).reason, c.reason) << c.box << " " << c.typed;
  }
  // Over the endurance limit (or in a single case) there is one factor.
  ProgramState one = HistoryJob(2, 2);
  one.loadingData.ScalingFactorMax = 3;
  EXPECT_TRUE(CheckScalingFactor(one, 0, "0.5").accepted);
}

TEST(StoreScalingFactor, TheFactorAndTheScaledExtremes) {
  ProgramState s = HistoryJob();
  ProgramState expected = s;
  StoreScalingFactor(s, 0, -2);
  LoadingData& e = expected.loadingData;
  e.ScalingFactor = e.ScalingFactorMax = e.ScalingFactorMin = -2;
  e.LoadSmax = 100;  // -2 x -50, the larger first
  e.LoadSmin = -200;
  EXPECT_EQ(s.loadingData, e);

  // A master curve over the load level: the end of the box, and the factor
  // accepted last.
  ProgramState m = HistoryJob(2, 1);
  StoreScalingFactor(m, 1, 0.5f);
  EXPECT_EQ(m.loadingData.ScalingFactor, 0.5f);
  EXPECT_EQ(m.loadingData.ScalingFactorMin, 0.5f);
  EXPECT_EQ(m.loadingData.ScalingFactorMax, 1.0f);
  EXPECT_EQ(m.loadingData.LoadSmax, 50.0f);
  EXPECT_EQ(m.loadingData.LoadSmin, -25.0f);
  StoreScalingFactor(m, 0, 3);
  EXPECT_EQ(m.loadingData.ScalingFactorMax, 3.0f);
  EXPECT_EQ(m.loadingData.ScalingFactorMin, 0.5f);
  EXPECT_EQ(m.loadingData.LoadSmax, 300.0f);
}

}  // namespace
