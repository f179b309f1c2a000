#include "diagrams/master_curve_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "diagrams/master_curve_geometry.h"

namespace {

TEST(LifeAxis, RoundsUpToATenthThenToAWholeNumber) {
  struct Case {
    float X;
    float m, p;
    int step;
  } cases[] = {
      {3.47e5f, 4.0f, 1e5f, 5},   // 3.5 becomes 4
      {2.37e5f, 2.4f, 1e5f, 2},   // 2.4 stays
      {2.45e5f, 2.5f, 1e5f, 5},   // 2.5 stays: CInt(2.5) is 2
      {3.35e5f, 3.4f, 1e5f, 5},   // 3.4 stays
      {4e5f, 4.1f, 1e5f, 5},      // always a tenth above
      {6.95e3f, 7.0f, 1e3f, 5},   // 6.95 rounds up to 7
      {7.2e3f, 1.0f, 1e4f, 2},    // above 7: the next power; 0.8 becomes 1
      {65.0f, 7.0f, 10.0f, 5},
  };
  for (const Case& c : cases) {
    const LifeAxis a = LifeAxisFor(c.X);
    SCOPED_TRACE(c.X);
    EXPECT_TRUE(a.drawn);
    EXPECT_FLOAT_EQ(a.m, c.m);
    EXPECT_FLOAT_EQ(a.p, c.p);
    EXPECT_EQ(a.labelStep, c.step);
  }
}

TEST(LifeAxis, NoAxisWithoutAPositiveFiniteLife) {
  for (float X : {0.0f, -5.0f, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()})
    EXPECT_FALSE(LifeAxisFor(X).drawn) << X;
  // The smallest Singles end without a hang.
  (void)LifeAxisFor(std::numeric_limits<float>::denorm_min());
  EXPECT_TRUE(LifeAxisFor(3e38f).drawn);
}

TEST(ParameterAxis, OneOrTheNormalisedMantissaUnrounded) {
  struct Case {
    double value;
    float factor;
    bool drawn;
    float n, r;
  } cases[] = {
      {0.5, 1, true, 1, 1},        {1.0, 1, true, 1, 1},     {-0.8, 1, true, 1, 1},
      {300, 1, true, 3.1f, 100},   {125, 1, true, 1.3f, 100}, {-2, 1, true, 2.1f, 1},
      {100, 1 / 6.895f, true, 1.5f, 10},
      {std::numeric_limits<double>::infinity(), 1, false, 1, 1},
      {std::nan(""), 1, false, 1, 1},
  };
  for (const Case& c : cases) {
    const ParameterAxis a = ParameterAxisFor(c.value, c.factor);
    SCOPED_TRACE(c.value);
    EXPECT_EQ(a.drawn, c.drawn);
    EXPECT_FLOAT_EQ(a.n, c.n);
    EXPECT_FLOAT_EQ(a.r, c.r);
  }
}

TEST(MasterCurveGeometry, BySurfaceAndPage) {
  struct Case {
    SurfaceKind kind;
    double sw, sh;
    int mode;
    float H, W, WT, ML, MB, XT, fs;
    int32_t C;
    float T;
  } cases[] = {
      {SurfaceKind::Screen, 0, 0, 1, 7656, 8775, 2576, 0, 0, 0, 1.5f, 0x808080, 0},
      {SurfaceKind::Bitmap, 20000, 10000, 2, 9750, 15200, 4200, 20, 50, 15504, 1.5f, 0, 100},
      {SurfaceKind::Printer, 10000, 14000, 3, 5396.852f, 6200, 1800, 1000, 1400, 6299.2f, 1, 0, 100},
      {SurfaceKind::Printer, 10000, 7200, 3, 5472, 6200, 1800, 1000, 720, 6299.2f, 1, 0, 100},
      {SurfaceKind::Printer, 10000, 7000, 3, 5320, 6200, 1800, 1000, 700, 6299.2f, 1, 0, 100},
      {SurfaceKind::Printer, 10000, 6000, 3, 4560, 5238.6094f, 1519.1968f, 1000, 600, 5322.4272f, 1, 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sh);
    const MasterCurveGeometry g = MasterCurveGeometryFor(c.kind, {c.sw, c.sh, 9000, 8000, 2800, 1.5f});
    EXPECT_EQ(g.mode, c.mode);
    EXPECT_FLOAT_EQ(g.H, c.H);
    EXPECT_FLOAT_EQ(g.W, c.W);
    EXPECT_FLOAT_EQ(g.WT, c.WT);
    EXPECT_FLOAT_EQ(g.ML, c.ML);
    EXPECT_FLOAT_EQ(g.MB, c.MB);
    EXPECT_FLOAT_EQ(g.XT, c.XT);
    EXPECT_FLOAT_EQ(g.fs, c.fs);
    EXPECT_EQ(g.C, c.C);
    EXPECT_FLOAT_EQ(g.T, c.T);
  }
}

}  // namespace
