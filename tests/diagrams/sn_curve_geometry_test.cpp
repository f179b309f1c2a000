#include "diagrams/sn_curve_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(SnCurveGeometry, AreaBySurface) {
  struct Case {
    const char* name;
    SurfaceKind surface;
    float TW, TH;
    float W, H, OX, OY, fs;
    int k;
  };
  // Frame 6000 x 4000, font scale 1.25.
  const Case cases[] = {
      {"screen", SurfaceKind::Screen, 5700, 3650, 5760, 3680, 0, 0, 1.25f, 1},
      {"hidden picture", SurfaceKind::Bitmap, 12000, 9000, 12000 / 2.04f, 9000 / 2.09f, 0.001f * 12000, 4500, 1.25f, 1},
      {"portrait page", SurfaceKind::Printer, 11000, 15000, 11000 / 2.45f, 0.7f * (11000 / 2.45f), 1100,
       0.485f * 15000, 1, 2},
      {"page just above 0.72", SurfaceKind::Printer, 10000, 7201, 10000 / 2.45f, 0.7f * (10000 / 2.45f), 1000,
       0.485f * 7201, 1, 2},
      {"page at 0.72", SurfaceKind::Printer, 10000, 7200, 10000 / 2.5f, 7200 / 2.6f, 1000, 3600, 1, 2},
      {"page at exactly 0.7", SurfaceKind::Printer, 10000, 7000, 10000 / 2.5f, 7000 / 2.6f, 1000, 3500, 1, 2},
      {"page below 0.7", SurfaceKind::Printer, 10000, 6999, (6999 / 2.6f) / 0.7f, 6999 / 2.6f, 1000, 3499.5f, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SnCurveGeometry g = SnCurveGeometryFor(c.surface, c.TW, c.TH, 6000, 4000, 1.25f);
    EXPECT_EQ(g.W, c.W);
    EXPECT_EQ(g.H, c.H);
    EXPECT_EQ(g.OX, c.OX);
    EXPECT_EQ(g.OY, c.OY);
    EXPECT_EQ(g.fs, c.fs);
    EXPECT_EQ(g.k, c.k);
  }
}

TEST(SnCurveGeometry, PointsFollowTheDiagramSizeOnly) {
  const SnCurveGeometry g = SnCurveGeometryFor(SurfaceKind::Screen, 0, 0, 1000 / 0.96f, 1000 / 0.92f, 1);
  EXPECT_FLOAT_EQ(g.W, 1000);
  EXPECT_FLOAT_EQ(g.H, 1000);
  EXPECT_FLOAT_EQ(g.x0, 100);
  EXPECT_FLOAT_EQ(g.x1, 900);
  EXPECT_FLOAT_EQ(g.xm, 500);
  EXPECT_FLOAT_EQ(g.y0, 150);
  EXPECT_FLOAT_EQ(g.y1, 900);
  EXPECT_FLOAT_EQ(g.ye, 437.5f);
  EXPECT_FLOAT_EQ(g.Px, 130);
  EXPECT_FLOAT_EQ(g.Py, 810);
  EXPECT_NEAR(g.xa, 500 + 287.5 * 370 / 372.5, 1e-3);  // about 0.786 W
}

TEST(SnCurveGeometry, ExtensionEnd) {
  const SnCurveGeometry g = SnCurveGeometryFor(SurfaceKind::Screen, 0, 0, 1000 / 0.96f, 1000 / 0.92f, 1);
  const float slope = (g.xm - g.Px) / (g.Py - g.ye);
  struct Case {
    const char* name;
    int16_t loading;
    float ratio, m, mPrime;
    bool drawn;
    float xe, ye;
    bool plateau;
  };
  const float yHalf = g.y0 + 0.5f * (g.ye - g.y0);
  const Case cases[] = {
      {"ratio 0, m' = m: down to the axis", 2, 0, 3.5f, 3.5f, true, g.xa, g.y0, false},
      {"ratio 1: no extension", 2, 1, 3.5f, 3.5f, false, g.xm, g.ye, false},
      {"constant amplitude: no extension", 3, 0, 3.5f, 3.5f, false, g.xa, g.y0, false},
      {"ratio 0.5: slope to Se', then its plateau", 1, 0.5f, 3.5f, 3.5f, true,
       g.xm + slope * (g.ye - yHalf), yHalf, true},
      {"distribution: down to the axis whatever m'", 4, 0.5f, 3.5f, 9, true, g.xa, g.y0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SnExtensionEnd e = SnExtensionEndFor(g, c.loading, c.ratio, c.m, c.mPrime);
    EXPECT_EQ(e.drawn, c.drawn);
    if (!c.drawn) continue;
    EXPECT_FLOAT_EQ(e.xe, c.xe);
    EXPECT_FLOAT_EQ(e.ye, c.ye);
    EXPECT_EQ(e.plateau, c.plateau);
  }
  // A steep extension would pass x1: its end is pulled back onto x1 along the same line.
  const SnExtensionEnd e = SnExtensionEndFor(g, 2, 0, 3, 12);
  const float xFar = g.xm + 4 * slope * (g.ye - g.y0);
  EXPECT_FLOAT_EQ(e.xe, g.x1);
  EXPECT_FLOAT_EQ(e.ye, g.ye - (g.ye - g.y0) * (g.x1 - g.xm) / (xFar - g.xm));
  EXPECT_GT(e.ye, g.y0);
  EXPECT_TRUE(e.plateau);
}

}  // namespace
