#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/unit_settings.h"
#include "support/recording_surface.h"
#include "testdata/sn_fit.h"
#include "testdata/test_data_fixtures.h"
#include "testdata/test_diagram_geometry.h"
#include "testdata/test_diagram_plot.h"

namespace {

std::vector<std::string> Texts(const RecordingSurface& s) {
  std::vector<std::string> out;
  for (const auto& t : s.texts) out.push_back(t.text);
  return out;
}

bool Printed(const RecordingSurface& s, const std::string& text) {
  const auto texts = Texts(s);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

int Count(const RecordingSurface& s, const std::string& prefix) {
  return static_cast<int>(std::count_if(s.log.begin(), s.log.end(),
                                        [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

TEST(TestDiagramPage, PrinterRowsByTheShapeOfThePage) {
  const struct {
    double w, h;
    int zoom;
    double left, right, bottom, top;
    double pageWidth;
  } cases[] = {
      {10000, 7200, 0, -295, 1655, -325, 305, 5800},  // H/W exactly 0.72: the middle row
      {10000, 7000, 0, -295, 1655, -325, 305, 5800},  // exactly 0.70
      {10000, 7000, 1, -245, 1155, -325, 305, 8200},
      {10000, 7201, 0, -290, 1660, -340, 310, 5800},  // just above 0.72: portrait row
      {10000, 14000, 1, -250, 1160, -340, 310, 8000},
      {10000, 6999, 0, -330, 1720, -305, 305, 0.76 * 6999 / (0.71 * 1.226)},  // landscape row
  };
  for (const auto& c : cases) {
    const TestDiagramPage p = TestDiagramPageFor(SurfaceKind::Printer, c.w, c.h, c.zoom, 1.3f);
    EXPECT_EQ(p.windowLeft, c.left) << c.h;
    EXPECT_EQ(p.windowRight, c.right) << c.h;
    EXPECT_EQ(p.windowBottom, c.bottom) << c.h;
    EXPECT_EQ(p.windowTop, c.top) << c.h;
    EXPECT_DOUBLE_EQ(p.pageWidth, c.pageWidth) << c.h;
    EXPECT_EQ(p.fontFactor, 1) << "paper ignores the screen's font scale";
    EXPECT_EQ(p.fitLineWidth, 4);
    EXPECT_EQ(p.frameLeft, -25);
  }
  const TestDiagramPage pane = TestDiagramPageFor(SurfaceKind::Screen, 9000, 7000, 1, 1.3f);
  EXPECT_EQ(pane.windowLeft, -100);
  EXPECT_EQ(pane.windowTop, 215);
  EXPECT_FLOAT_EQ(pane.fontFactor, 1.3f);
  EXPECT_EQ(pane.textColumn, 800);
  EXPECT_EQ(pane.pointRadius, 6);
  EXPECT_EQ(pane.frameLeft, -30);
  const TestDiagramPage bitmap = TestDiagramPageFor(SurfaceKind::Bitmap, 12000, 9000, 0, 1.3f);
  EXPECT_EQ(bitmap.windowRight, 1500);
  EXPECT_DOUBLE_EQ(bitmap.pageWidth, 0.72 * 12000);
  EXPECT_EQ(bitmap.fitLineWidth, 2);
  EXPECT_EQ(bitmap.textColumn, 770);
}

TEST(TestDiagramAxes, DecadesOverThePoints) {
  const struct {
    const char* what;
    TestDataSet set;
    int a, b, c, d;
  } cases[] = {
      {"all lives 5000", SetOf({{300, 5000}, {200, 5000}}), 3, 4, 2, 3},
      {"largest life 10^6", SetOf({{300, 5000}, {200, 1000000}}), 3, 7, 2, 3},
      {"largest stress 95", SetOf({{95, 5000}, {20, 50000}}), 3, 5, 1, 3},
      {"lives above 10^8", SetOf({{300, 200000000}, {200, 900000000}}), 8, 9, 2, 3},
      {"omitted points count", SetOf({{300, 5000}, {2000, 900, 0}}), 2, 4, 2, 4},
      {"points without a stress or life are left out", SetOf({{300, 5000}, {0, 50}, {200, 0}}), 3, 4, 2, 3},
  };
  for (const auto& c : cases) {
    const TestDiagramAxes axes = TestDiagramAxesFor(c.set, 1);
    ASSERT_TRUE(axes.hasPoints) << c.what;
    EXPECT_EQ(axes.lifeFirst, c.a) << c.what;
    EXPECT_EQ(axes.lifeLast, c.b) << c.what;
    EXPECT_EQ(axes.stressFirst, c.c) << c.what;
    EXPECT_EQ(axes.stressLast, c.d) << c.what;
    EXPECT_FLOAT_EQ(axes.lifeDecade, 620.0f / (c.b - c.a)) << c.what;
    EXPECT_FLOAT_EQ(axes.stressDecade, 285.0f / (c.d - c.c)) << c.what;
  }
  // US units: the stress axis runs in ksi.
  const TestDiagramAxes ksi = TestDiagramAxesFor(SetOf({{300, 5000}, {200, 50000}}), 1 / 6.895f);
  EXPECT_EQ(ksi.stressFirst, 1);
  EXPECT_EQ(ksi.stressLast, 2);
  EXPECT_NEAR(ksi.Y(68.95), kPlotY0, 1e-3) << "10 ksi at the foot of the stress axis";
  EXPECT_FALSE(TestDiagramAxesFor(SetOf({{0, 5000}}), 1).hasPoints);
}

class TestDiagramPlot : public ::testing::Test {
 protected:
  UnitSettings units;
};

TEST_F(TestDiagramPlot, LivesAllEqualGiveOneDecadeOverTheWholeAxis) {
  TestDataSet set = SetOf({{95, 5000}, {60, 5000}});
  RecordingSurface pane(9000, 7000);
  const TestDiagramDrawn drawn = DrawTestDataPlot(set, units, 1, pane, "Fatigue Test Data");
  EXPECT_TRUE(drawn.plotted);
  EXPECT_FALSE(drawn.fitShown) << "no fit yet";
  EXPECT_TRUE(Printed(pane, "1E+3 "));
  EXPECT_TRUE(Printed(pane, "1E+4 "));
  EXPECT_FALSE(Printed(pane, "1E+5 "));
  EXPECT_TRUE(Printed(pane, " 1000 ")) << "95 x 1.1 reaches into the decade below 1000";
  EXPECT_TRUE(Printed(pane, " 10 "));
  EXPECT_FALSE(Printed(pane, " 10000 "));
  EXPECT_EQ(set.TestAxisDecadeX, 620);
  EXPECT_EQ(set.TestAxisFirstDecadeX, 3);
  EXPECT_EQ(set.TestAxisFirstDecadeY, 1);
  EXPECT_EQ(Count(pane, "Circle"), 2);
  EXPECT_FALSE(Printed(pane, "m  =   ")) << "no text block without a fit";
  EXPECT_NE(std::find(pane.log.begin(), pane.log.end(), "Scale -100,215-1040,-265"), pane.log.end());
}

TEST_F(TestDiagramPlot, AFallingFitDrawsItsLineBandAndTexts) {
  TestDataSet set = WeldSeries();
  FitTestDataSNCurve(set);
  AddPoint(set, {0, 5000});  // not drawable: no logarithm of 0
  RecordingSurface pane(9000, 7000);
  const TestDiagramDrawn drawn = DrawTestDataPlot(set, units, 1, pane, "Fatigue Test Data");
  EXPECT_TRUE(drawn.fitShown);
  EXPECT_GT(drawn.noLabelEnd, 770);
  EXPECT_TRUE(Printed(pane, "No =  "));
  EXPECT_TRUE(Printed(pane, "Se =  197.2 MPa"));
  EXPECT_TRUE(Printed(pane, "COV =  0.017 {L}"));
  EXPECT_TRUE(Printed(pane, "m  =   6.84 "));
  EXPECT_EQ(Count(pane, "Circle"), 8);
  const int fitLines = static_cast<int>(std::count_if(pane.log.begin(), pane.log.end(), [](const std::string& l) {
    return l.rfind("Line ", 0) == 0 && l.find("c=16711935") != std::string::npos;
  }));
  EXPECT_EQ(fitLines, 3) << "the mean line and the two band lines";

  set.TestFitSlope = 0.1f;  // a rising line is not drawn
  RecordingSurface again(9000, 7000);
  EXPECT_FALSE(DrawTestDataPlot(set, units, 1, again, "Fatigue Test Data").fitShown);
}

TEST_F(TestDiagramPlot, NoPointsGiveNoFrameOrAxes) {
  TestDataSet set;
  set.TestAxisDecadeX = 77;
  RecordingSurface pane(9000, 7000);
  EXPECT_FALSE(DrawTestDataPlot(set, units, 1, pane, "Fatigue Test Data").plotted);
  EXPECT_EQ(Count(pane, "Line"), 0);
  EXPECT_EQ(set.TestAxisDecadeX, 77) << "the axes of the last drawing stay";
}

TEST_F(TestDiagramPlot, PaperCarriesTheTitleAndTheInformationBox) {
  TestDataSet set;
  for (int k = 1; k <= 25; ++k) AddPoint(set, {400.0f - 5 * k, 10000 * k});
  set.TestDataName = "Weld_A";
  set.TestSy = 355;
  set.TestSu = 510;
  set.TestStressRatio = 0.1f;
  set.TestGridTop = 12;
  RecordingSurface page(11000, 15000, true);
  DrawTestDataPlot(set, units, 1.3f, page, "Fatigue Test Data");
  const auto texts = Texts(page);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Fatigue Test Data"), 2) << "printed again over its erased border";
  EXPECT_TRUE(Printed(page, "Material:  Weld_A"));
  EXPECT_TRUE(Printed(page, "No of Points:  25 "));
  EXPECT_TRUE(Printed(page, "Yield Strength = 355 MPa"));
  EXPECT_TRUE(Printed(page, "Ultimate Strength = 510 MPa"));
  EXPECT_TRUE(Printed(page, "Stress ratio = 0.1 "));
  // 25 points with the grid at point 12: the last 21 are listed.
  EXPECT_TRUE(Printed(page, " 5 "));
  EXPECT_FALSE(Printed(page, " 4 "));
  EXPECT_TRUE(Printed(page, " 25 "));
  EXPECT_TRUE(Printed(page, "2.500E+5"));
  EXPECT_EQ(page.texts.front().fontSize, 12) << "paper does not scale its fonts";

  set.TestDiagramZoom = 1;
  RecordingSurface zoomed(11000, 15000, true);
  DrawTestDataPlot(set, units, 1, zoomed, "Fatigue Test Data");
  EXPECT_FALSE(Printed(zoomed, "No of Points:  25 ")) << "no information box when zoomed";
  EXPECT_TRUE(Printed(zoomed, "Material:  Weld_A")) << "the name above the plot";
}

}  // namespace
