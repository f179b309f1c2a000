#include "testdata/sn_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime/sng.h"
#include "testdata/test_data_fixtures.h"

namespace {

// The value to the six significant digits the figures are given in.
void ExpectNear6(float actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * 5e-6) << what;
}

// The weld series with one more point in its place by life, after 25,000 cycles.
TestDataSet WeldSeriesWith(TestPoint extra) {
  TestDataSet set = WeldSeries();
  const int n = static_cast<int>(set.TestPointCount);
  for (int k = n + 1; k > 3; --k) {
    set.TestStress[k] = set.TestStress[k - 1];
    set.TestLife[k] = set.TestLife[k - 1];
    set.TestPointUsed[k] = set.TestPointUsed[k - 1];
  }
  set.TestStress[3] = extra.stress;
  set.TestLife[3] = extra.life;
  set.TestPointUsed[3] = extra.used;
  set.TestPointCount = static_cast<float>(n + 1);
  return set;
}

TEST(FitTestDataSNCurve, ExactPowerLawGivesItsSlopeCoefficientAndNoScatter) {
  TestDataSet set = SetOf({{Sng(1000 * std::pow(1e3, -0.2)), 1000},
                           {Sng(1000 * std::pow(1e4, -0.2)), 10000},
                           {Sng(1000 * std::pow(1e5, -0.2)), 100000},
                           {Sng(1000 * std::pow(1e6, -0.2)), 1000000}});
  FitTestDataSNCurve(set);
  EXPECT_NEAR(set.TestFitSlope, -0.2, 1e-5);
  EXPECT_NEAR(set.TestFitSe, 54.928, 0.002);
  EXPECT_NEAR(set.TestFitCoeff, 1000, 0.05);
  EXPECT_NEAR(set.TestFitResidualSd, 0, 1e-3);
  EXPECT_NEAR(set.TestFitCov, 0, 1e-3);
  EXPECT_EQ(set.TestFitSeCov, set.TestFitCov);
}

TEST(FitTestDataSNCurve, WeldSeriesInSinglePrecision) {
  TestDataSet set = WeldSeries();
  FitTestDataSNCurve(set);
  ExpectNear6(set.TestFitSlope, -0.146156, "b");
  ExpectNear6(set.TestFitSe, 197.192, "Se");
  ExpectNear6(set.TestFitResidualSd, 0.0169572, "s");
  ExpectNear6(set.TestFitCov, 0.0169584, "COV");
  ExpectNear6(set.TestFitCoeff, 1643.94, "coefficient");
  EXPECT_EQ(set.TestFitSeCov, set.TestFitCov);

  TestDataSet later = WeldSeries(1e7f);
  FitTestDataSNCurve(later);
  ExpectNear6(later.TestFitSe, 155.859, "Se at 1e7");
}

TEST(FitTestDataSNCurve, OmittedPointsStayOutAndFlagTwoCountsOnlyInTheSums) {
  TestDataSet plain = WeldSeries();
  FitTestDataSNCurve(plain);

  TestDataSet omitted = WeldSeriesWith({500, 30000, 0});
  FitTestDataSNCurve(omitted);
  EXPECT_EQ(omitted.TestFitSlope, plain.TestFitSlope);
  EXPECT_EQ(omitted.TestFitSe, plain.TestFitSe);
  EXPECT_EQ(omitted.TestFitResidualSd, plain.TestFitResidualSd);

  TestDataSet flagTwo = WeldSeriesWith({330, 30000, 2});
  FitTestDataSNCurve(flagTwo);
  ExpectNear6(flagTwo.TestFitSlope, -0.140273, "b");
  ExpectNear6(flagTwo.TestFitResidualSd, 0.0209307, "s");
}

// Sets through which no line can be fitted: only the coefficient becomes 0.
TEST(FitTestDataSNCurve, NoLineLeavesEveryOtherFieldAsItWas) {
  struct Case {
    const char* what;
    TestDataSet set;
  } cases[] = {
      {"one used point", SetOf({{300, 10000}, {250, 50000, 0}, {200, 90000, 0}})},
      {"all lives equal", SetOf({{300, 5000}, {250, 5000}, {200, 5000}})},
      {"a used stress of 0", SetOf({{300, 10000}, {0, 50000}, {200, 90000}})},
      {"a used life of 0", SetOf({{300, 10000}, {250, 0}, {200, 90000}})},
      {"a result beyond Single", SetOf({{300, 10000}, {250, 20000}}, 0)},
      {"no points", SetOf({})},
  };
  for (Case& c : cases) {
    c.set.TestFitSlope = -0.25f;
    c.set.TestFitSe = 123;
    c.set.TestFitResidualSd = 0.5f;
    c.set.TestFitCov = 0.6f;
    c.set.TestFitSeCov = 0.7f;
    c.set.TestFitCoeff = 999;
    TestDataSet expected = c.set;
    expected.TestFitCoeff = 0;
    FitTestDataSNCurve(c.set);
    EXPECT_EQ(c.set, expected) << c.what;
  }
}

TEST(FitTestDataSNCurve, TwoPointsGiveTheLineThroughBoth) {
  TestDataSet set = SetOf({{400, 10000}, {200, 1000000}});
  FitTestDataSNCurve(set);
  EXPECT_NEAR(set.TestFitSlope, std::log(0.5) / std::log(100.0), 1e-6);
  EXPECT_NEAR(set.TestFitResidualSd, 0, 1e-3);
  EXPECT_NEAR(set.TestFitCoeff * std::pow(10000.0, set.TestFitSlope), 400, 0.01);
}

}  // namespace
