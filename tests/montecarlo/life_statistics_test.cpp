#include "montecarlo/life_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "montecarlo/mcs_results_file.h"
#include "program_state.h"
#include "support/fake_host.h"
#include "support/message_trace.h"

namespace {

// A result in memory: `lives` sorted, read back as ReadMCSResults leaves it
// (summary already shown), with the tail below `tail`.
ProgramState Sample(std::vector<float> lives, int16_t fit = 1, float tail = 1e30f) {
  std::sort(lives.begin(), lives.end());
  ProgramState s;
  McsResults& r = s.mcsResults;
  r.SimulatedLives = lives;
  r.SimulatedLives.insert(r.SimulatedLives.begin(), 0.0f);
  s.mcsSettings.SimulationsDone = static_cast<int32_t>(lives.size());
  for (float life : lives) {
    if (life == 0.0f) ++r.OneCycleLifeCount;
    if (life > 0.0f && life < kInfiniteLifeFrom) {
      ++s.mcsSettings.SimulationsTarget;
      r.MaxFiniteLife = std::max(r.MaxFiniteLife, life);
    }
  }
  r.LivesSorted = 1;
  r.SummaryShown = 1;
  r.LifeFitKind = fit;
  r.LowerTailLife = tail;
  FakeHost quiet;
  ReadMCSResults(s, quiet);
  return s;
}

// Lives at the plotting positions of a Weibull law, i = 1 .. n.
std::vector<float> WeibullLives(int n, double scale, double shape) {
  std::vector<float> lives;
  for (int i = 1; i <= n; ++i) {
    const double F = (i - 0.3) / (n + 0.4);
    lives.push_back(static_cast<float>(scale * std::pow(-std::log(1.0 - F), 1.0 / shape)));
  }
  return lives;
}

std::vector<float> LogNormalLives(int n, double median, double sigma) {
  std::vector<float> lives;
  for (int i = 1; i <= n; ++i) {
    const double z = -2.0 + 4.0 * (i - 0.5) / n;  // evenly over four deviations
    lives.push_back(static_cast<float>(median * std::exp(sigma * z)));
  }
  return lives;
}

class LifeStatisticsTest : public ::testing::Test {
 protected:
  FakeHost host;
  MessagesOnFailure trace{host};
};

TEST_F(LifeStatisticsTest, HistogramFromTheTop) {
  ProgramState s = Sample({10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
  const LifeStatistics st = CalcLifeStatistics(s, host);
  const McsResults& r = s.mcsResults;
  EXPECT_EQ(st.classCount, 15);  // the width rule gives fewer
  EXPECT_FLOAT_EQ(st.classWidth, 6.0f);  // (100 - 10) / 15, not above the smallest life
  EXPECT_EQ(st.total, 10);
  EXPECT_FLOAT_EQ(st.meanLife, 55.0f);
  EXPECT_EQ(st.maxCount, 1.0f);
  const float counts[] = {1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 1, 1};
  const float survival[] = {1, 0.9f, 0.9f, 0.8f, 0.7f, 0.7f, 0.6f, 0.6f, 0.5f, 0.4f, 0.4f, 0.3f, 0.3f, 0.2f, 0.1f};
  for (int k = 1; k <= 15; ++k) {
    EXPECT_FLOAT_EQ(r.ClassMid[k], 100.0f - (k - 1) * 6.0f) << k;
    EXPECT_EQ(r.ClassCount[k], counts[k - 1]) << k;
    EXPECT_NEAR(r.ClassSurvival[k], survival[k - 1], 1e-6) << k;
  }
  EXPECT_FLOAT_EQ(r.TailFraction, 1.0f);
  // No fit: a Beta law with the moments of the classes' lower ends.
  double u = 0, second = 0;
  for (int k = 1; k <= 15; ++k) {
    const double xl = (r.ClassMid[k] - 3.0) / 100.0;
    u += xl * counts[k - 1] / 10.0;
    second += xl * xl * counts[k - 1] / 10.0;
  }
  const double a = r.LifeFitPar1, b = r.LifeFitPar2, v = second - u * u;
  EXPECT_NEAR(a / (a + b), u, 1e-6);
  EXPECT_NEAR(a * b / ((a + b) * (a + b) * (a + b + 1)), v, 1e-6);
}

TEST_F(LifeStatisticsTest, ClassRuleAndWidth) {
  struct Case {
    std::vector<float> lives;
    int classes;
    float width;
  };
  std::vector<float> uniform, narrow, outlier(999, 1.0f);
  for (int i = 1; i <= 1000; ++i) uniform.push_back(static_cast<float>(i));
  for (int i = 0; i <= 100; ++i) narrow.push_back(1000.0f + i);
  outlier.push_back(1000.0f);
  const Case cases[] = {
      {uniform, 15, 1000.0f / 15},  // (1000 - 1) / 15 exceeds the smallest life: classes from 0
      {narrow, 30, 100.0f / 30},  // SampleMax / w is large: at most 30
      {outlier, 30, 1000.0f / 30},  // the rule asks for more than 30
  };
  for (const Case& c : cases) {
    ProgramState s = Sample(c.lives);
    const LifeStatistics st = CalcLifeStatistics(s, host);
    EXPECT_EQ(st.classCount, c.classes);
    EXPECT_FLOAT_EQ(st.classWidth, c.width);
    EXPECT_EQ(st.total, static_cast<int32_t>(c.lives.size()));
    float sum = 0;
    for (int k = 1; k <= st.classCount; ++k) sum += s.mcsResults.ClassCount[k];
    EXPECT_EQ(sum, static_cast<float>(st.total));
  }
}

TEST_F(LifeStatisticsTest, LogNormalFitIsTheMomentsOfTheLogarithms) {
  ProgramState s = Sample(LogNormalLives(200, 1000.0, 0.5), 2);
  CalcLifeStatistics(s, host);
  const McsResults& r = s.mcsResults;
  double g = 0, sq = 0;
  for (int i = 1; i <= r.TailLifeCount; ++i) g += std::log(r.SimulatedLives[i] / r.SampleMax);
  g /= r.TailLifeCount;
  for (int i = 1; i <= r.TailLifeCount; ++i) sq += std::pow(std::log(r.SimulatedLives[i] / r.SampleMax) - g, 2);
  EXPECT_FLOAT_EQ(r.LifeFitPar1, static_cast<float>(g));
  EXPECT_FLOAT_EQ(r.LifeFitPar2, static_cast<float>(std::sqrt(sq / r.TailLifeCount)));
}

TEST_F(LifeStatisticsTest, WeibullFitGivesTheScaleAndAPositiveShape) {
  std::vector<float> lives = WeibullLives(50, 1000.0, 3.0);
  ProgramState plain = Sample(lives, 3);
  CalcLifeStatistics(plain, host);
  const McsResults& r = plain.mcsResults;
  EXPECT_NEAR(r.LifeFitPar2, 3.0f, 1e-4);
  EXPECT_NEAR(r.LifeFitPar1 * r.SampleMax, 1000.0f, 0.05f);
  // 1-cycle lives in the tail do not enter the regression.
  lives.insert(lives.end(), 5, 0.0f);
  ProgramState withCracks = Sample(lives, 3);
  CalcLifeStatistics(withCracks, host);
  EXPECT_EQ(withCracks.mcsResults.TailLifeCount, 55);
  EXPECT_FLOAT_EQ(withCracks.mcsResults.LifeFitPar1, r.LifeFitPar1);
  EXPECT_FLOAT_EQ(withCracks.mcsResults.LifeFitPar2, r.LifeFitPar2);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LifeStatisticsTest, ATailWithoutSpreadIsDeterministic) {
  for (int16_t fit : {1, 2, 3}) {
    FakeHost h;
    ProgramState s = Sample(std::vector<float>(40, 250.0f), fit);
    s.results.LifeBlocks = 1234.0f;
    s.loadingData.CyclesPerBlock = 500;
    CalcLifeStatistics(s, h);
    ASSERT_EQ(h.messages.size(), 1u) << fit;
    EXPECT_EQ(h.messages[0].text, "Deterministic Fatigue Life!\rT = 6.17E+5  [cyc]");
    EXPECT_EQ(h.messages[0].title, "MCS Simulation");
    EXPECT_EQ(h.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(s.mcsResults.ResultsReadStatus, -3);
    EXPECT_EQ(s.mcsResults.LifeFitPar1, 0.0f) << fit;
    EXPECT_EQ(s.mcsResults.LifeFitPar2, 0.0f) << fit;
  }
}

TEST_F(LifeStatisticsTest, FitResidualSkipsTermsWithoutExpectation) {
  ProgramState s = Sample(WeibullLives(40, 1000.0, 3.0), 3);
  const LifeStatistics st = CalcLifeStatistics(s, host);
  const float good = CalcFitResidual(s, s.mcsResults.TailLifeCount, st.meanLife);
  EXPECT_TRUE(std::isfinite(good));
  EXPECT_GT(good, 0.0f);
  s.mcsResults.SimulatedLives[1] = 0.0f;  // a density of 0 there: no term
  EXPECT_TRUE(std::isfinite(CalcFitResidual(s, s.mcsResults.TailLifeCount, st.meanLife)));
  s.mcsResults.LifeFitPar1 = 0.0f;  // every density 0
  EXPECT_EQ(CalcFitResidual(s, s.mcsResults.TailLifeCount, st.meanLife), 0.0f);

  // More tail lives than a 16-bit count holds.
  ProgramState large = Sample(WeibullLives(40000, 1000.0, 2.0), 3);
  const LifeStatistics big = CalcLifeStatistics(large, host);
  ASSERT_EQ(large.mcsResults.TailLifeCount, 40000);
  EXPECT_TRUE(std::isfinite(CalcFitResidual(large, 40000, big.meanLife)));
}

TEST_F(LifeStatisticsTest, LowerTailSearchEnds) {
  for (int16_t fit : {2, 3}) {
    ProgramState s = Sample(LogNormalLives(500, 1000.0, 0.4), fit);
    CalcLifeStatistics(s, host);
    FitLowerTail(s, host);
    const McsResults& r = s.mcsResults;
    EXPECT_EQ(r.ResultsReadStatus, 0) << fit;
    EXPECT_LE(r.LowerTailLife, r.MaxFiniteLife) << fit;
    EXPECT_GT(r.LowerTailLife, 0.0f) << fit;
    EXPECT_LE(r.SampleMax, r.LowerTailLife * 1.001f) << fit;
    EXPECT_GE(r.TailLifeCount, 30) << fit;
  }
  EXPECT_TRUE(host.messages.empty());
  // Equal lives: one message, and the search ends.
  ProgramState equal = Sample(std::vector<float>(40, 250.0f), 2);
  FitLowerTail(equal, host);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(equal.mcsResults.ResultsReadStatus, -3);
  EXPECT_GE(host.doEventsCalls, 1);
}

TEST_F(LifeStatisticsTest, ReliabilityFromTheSortedLives) {
  ProgramState s = Sample(WeibullLives(100, 1000.0, 3.0));
  CalcLifeStatistics(s, host);
  McsResults& r = s.mcsResults;
  struct Case {
    double level;
    int index;
  };
  for (const Case c : {Case{0.9, 10}, Case{0.99, 1}, Case{0.9999, 1}, Case{0.0, 100}, Case{0.875, 12},
                      Case{0.625, 38}}) {
    r.ProbabilityLevel = c.level;
    r.LifeAtReliability = 1.0f;
    s.mcsDisplay.ReliabilityInputMode = 0;
    CalcReliabilityMeasures(s);
    EXPECT_EQ(r.LifeAtReliability, r.SimulatedLives[c.index]) << c.level;  // 12.5 and 37.5 round to even
  }
  s.mcsDisplay.ReliabilityInputMode = 1;
  struct Given {
    float life;
    double level;
  };
  for (const Given g : {Given{r.SimulatedLives[20], 0.81}, Given{r.SimulatedLives[20] + 0.01f, 0.8},
                        Given{r.MaxFiniteLife * 2, 0.0}, Given{r.SampleMin / 2, 1.0}}) {
    r.LifeAtReliability = g.life;
    CalcReliabilityMeasures(s);
    EXPECT_DOUBLE_EQ(r.ProbabilityLevel, g.level) << g.life;
  }
  r.LifeAtReliability = 0.0f;  // no life given: the level gives it
  r.ProbabilityLevel = 0.9;
  CalcReliabilityMeasures(s);
  EXPECT_EQ(s.mcsDisplay.ReliabilityInputMode, 0);
  EXPECT_EQ(r.LifeAtReliability, r.SimulatedLives[10]);
}

TEST_F(LifeStatisticsTest, ReliabilityOfTheFittedLawsGoesBothWays) {
  struct Case {
    int16_t fit;
    std::vector<float> lives;
  };
  const Case cases[] = {{2, LogNormalLives(400, 1000.0, 0.4)}, {3, WeibullLives(400, 1000.0, 3.0)}};
  for (const Case& c : cases) {
    ProgramState s = Sample(c.lives, c.fit);
    CalcLifeStatistics(s, host);
    McsResults& r = s.mcsResults;
    for (double level : {0.999, 0.99, 0.9, 0.5}) {
      r.ProbabilityLevel = level;
      s.mcsDisplay.ReliabilityInputMode = 0;
      CalcReliabilityMeasures(s);
      const float life = r.LifeAtReliability;
      EXPECT_GT(life, 0.0f) << c.fit << " " << level;
      EXPECT_LT(life, r.SampleMax) << c.fit << " " << level;
      s.mcsDisplay.ReliabilityInputMode = 1;
      CalcReliabilityMeasures(s);
      EXPECT_NEAR(r.ProbabilityLevel, level, 2e-3 * (1.0 - level) + 1e-4) << c.fit << " " << life;
    }
    if (c.fit == 3) {  // the closed form of the fitted law
      const double x = r.LifeAtReliability / r.SampleMax;
      const double F = 1.0 - std::exp(-std::pow(x / r.LifeFitPar1, r.LifeFitPar2));
      EXPECT_NEAR(F, 0.5, 0.01);
    }
  }
}

TEST(CalcNormalQuantile, TableInterpolationAndEnds) {
  struct Case {
    float p;
    float z;
  };
  const Case cases[] = {
      {0.5f, 0.0f},
      {0.0015f, (-3.090252582f + -2.878172116f) / 2},
      {0.01f, -2.326347f},
      {0.975f, 1.8807926f + (2.326347f - 1.8807926f) * 0.25f},
      {0.9999f, 3.7190902f},
      {0.00001f, -3.719090272f},  // below the table: its first row
      {0.0f, -3.719090272f},
      {0.99999f, 4.2650433f},     // at and beyond its last row
      {1.0f, 4.2650433f},
  };
  for (const Case& c : cases) EXPECT_NEAR(CalcNormalQuantile(c.p), c.z, 2e-6) << c.p;
}

TEST(ScatterFactor, ReferenceOverTheLifeAtReliability) {
  McsResults r;
  r.ReferenceLife = 1000.0f;
  r.LifeAtReliability = 250.0f;
  EXPECT_EQ(ScatterFactor(r), 4.0f);
  r.LifeAtReliability = 0.0f;
  EXPECT_EQ(ScatterFactor(r), 0.0f);
  r.LifeAtReliability = -1.0f;
  EXPECT_EQ(ScatterFactor(r), 0.0f);
}

}  // namespace
