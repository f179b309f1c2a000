#include "montecarlo/density_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "montecarlo/random_math.h"
#include "support/recorded_lines.h"
#include "support/recording_surface.h"

namespace {

constexpr int32_t kPurple = 0x800080;

DensityPlotView ScreenView(float xmin, float xmax) {
  DensityPlotView v;
  v.xmin = xmin;
  v.xmax = xmax;
  return v;
}

// The plot's purple segments that are not the two short ticks on the axis.
std::vector<RecordedLine> PurpleDrawing(const RecordingSurface& s, const DensityPlotFrame& f) {
  std::vector<RecordedLine> out;
  for (const RecordedLine& l : RecordedLines(s, kPurple, Surface::kSegment))
    if (!(l.y1 == f.y0 && l.y2 == f.y0 + 70.0)) out.push_back(l);
  return out;
}

TEST(DensityPlotRegion, BySurfaceAndPage) {
  const DensityPlotRegion screen = DensityPlotRegionOf(SurfaceKind::Screen, 6000, 3000, 1.25f);
  EXPECT_EQ(screen.width, 6000.0f);
  EXPECT_EQ(screen.left, 0.0f);
  EXPECT_EQ(screen.textScale, 1.25f);
  EXPECT_EQ(screen.curveWidth, 1);

  const DensityPlotRegion bitmap = DensityPlotRegionOf(SurfaceKind::Bitmap, 18000, 13500, 1.5f);
  EXPECT_FLOAT_EQ(bitmap.width, 14400.0f);
  EXPECT_FLOAT_EQ(bitmap.height, 10800.0f);
  EXPECT_FLOAT_EQ(bitmap.left, 1800.0f);
  EXPECT_FLOAT_EQ(bitmap.top, 1350.0f);
  EXPECT_EQ(bitmap.textScale, 1.5f);
  EXPECT_EQ(bitmap.curveWidth, 2);

  struct Case {
    double w, h, left;
  };
  const Case pages[] = {
      {16000, 11312, 0.1},   // 0.707: landscape A4
      {16000, 11200, 0.1},   // 0.70
      {16000, 11520, 0.1},   // 0.72
      {16000, 11536, 0.08},  // above 0.72
      {16000, 11184, 0.15},  // below 0.7
      {11906, 16838, 0.08},  // portrait
  };
  for (const Case& c : pages) {
    const DensityPlotRegion r = DensityPlotRegionOf(SurfaceKind::Printer, c.w, c.h, 1.5f);
    EXPECT_FLOAT_EQ(r.left, static_cast<float>(c.left * c.w)) << c.h / c.w;
    EXPECT_FLOAT_EQ(r.height, static_cast<float>(0.78 * c.h)) << c.h / c.w;
    EXPECT_FLOAT_EQ(r.top, static_cast<float>(0.1 * c.h));
    EXPECT_EQ(r.textScale, 1.0f);
    EXPECT_EQ(r.curveWidth, 5);
    EXPECT_LE(r.left + r.width, c.w);  // the plot stays on the page
  }
  const DensityPlotRegion landscape = DensityPlotRegionOf(SurfaceKind::Printer, 16000, 11312, 1);
  EXPECT_FLOAT_EQ(landscape.width, static_cast<float>(0.78 * 11312 / 0.7));
  const DensityPlotRegion portrait = DensityPlotRegionOf(SurfaceKind::Printer, 11906, 16838, 1);
  EXPECT_FLOAT_EQ(portrait.width, static_cast<float>(0.84 * 11906));
}

TEST(DensityPlot, NormalCurvePeaksAtTheTopAndRunsOnBeyondTheBox) {
  RecordingSurface s(6000, 3000);
  DrawDensityPlot(s, ScreenView(0.6f, 1.4f), 1, 1.0f, 0.1f);
  const DensityPlotRegion r = DensityPlotRegionOf(SurfaceKind::Screen, 6000, 3000, 1);
  const DensityPlotFrame f = DensityPlotFrameOf(r, false, 1, 1.0f, 0.1f, 1.4f);
  EXPECT_EQ(f.x0, 600.0f);
  EXPECT_EQ(f.yTop, 2700.0f);
  EXPECT_NEAR(f.x0 + 1.4 * f.sx, 0.81 * 6000, 1e-3);

  const std::vector<RecordedLine> purple = PurpleDrawing(s, f);
  ASSERT_EQ(purple.size(), 220u + 3u);  // the curve's segments, then the box's three
  EXPECT_EQ(purple.front().x1, f.x0);
  EXPECT_EQ(purple.front().y1, f.y0);
  double peak = 0;
  for (size_t i = 0; i < 220; ++i) peak = std::max(peak, purple[i].y2);
  EXPECT_NEAR(peak, 0.95 * f.yTop, 1e-6);
  EXPECT_NEAR(purple[219].x2, f.x0 + 1.54 * f.sx, 1e-3);
  const RecordedLine up = purple[220], across = purple[221], down = purple[222];
  EXPECT_NEAR(up.x1, f.x0 + 0.6 * f.sx, 1e-3);
  EXPECT_EQ(up.y1, f.y0);
  EXPECT_NEAR(up.y2, 0.95 * f.yTop, 1e-6);
  EXPECT_NEAR(across.x2, f.x0 + 1.4 * f.sx, 1e-3);
  EXPECT_EQ(down.y2, f.y0);
  EXPECT_EQ(s.log.front().rfind("FontName=Arial", 0), 0u);
  EXPECT_NE(std::find(s.log.begin(), s.log.end(), "Cls"), s.log.end());
  EXPECT_EQ(PrintedTexts(s), (std::vector<std::string>{"P", "D", "F", "X", "0", "1"}));
}

TEST(DensityPlot, PointMassUniformAndCorrelated) {
  struct Case {
    int16_t type;
    float a, b, xmin, xmax;
    size_t purple;  // segments beside the two ticks
  };
  const Case cases[] = {
      {0, 1.0f, 0.0f, 1.0f, 1.0f, 1},   // one vertical line at 1
      {0, 1.0f, 0.0f, 1.0f, 1.3f, 1},   // no sample at 1: the line still reaches the top
      {5, 1.0f, 0.1f, 0.8f, 1.2f, 3},   // the box is the density
      {-1, 1.0f, 0.0f, 1.0f, 1.0f, 0},  // nothing
  };
  for (const Case& c : cases) {
    RecordingSurface s(6000, 3000);
    DrawDensityPlot(s, ScreenView(c.xmin, c.xmax), c.type, c.a, c.b);
    const DensityPlotRegion r = DensityPlotRegionOf(SurfaceKind::Screen, 6000, 3000, 1);
    const DensityPlotFrame f = DensityPlotFrameOf(r, false, c.type, c.a, c.b, c.xmax);
    const std::vector<RecordedLine> purple = PurpleDrawing(s, f);
    ASSERT_EQ(purple.size(), c.purple) << c.type << " " << c.xmax;
    if (c.type == 0) {
      EXPECT_NEAR(purple[0].x1, f.x0 + f.sx, 1e-6);
      EXPECT_EQ(purple[0].x2, purple[0].x1);
      EXPECT_NEAR(purple[0].y2, 0.95 * f.yTop, 1e-6) << c.xmax;
    }
  }
}

TEST(DensityPlot, RangeWithoutAnEndDoesNotDivide) {
  const DensityPlotRegion r = DensityPlotRegionOf(SurfaceKind::Screen, 6000, 3000, 1);
  const DensityPlotFrame f = DensityPlotFrameOf(r, false, 1, 1.0f, 0.1f, 0.0f);
  EXPECT_EQ(f.xm, 1.0);
  EXPECT_DOUBLE_EQ(f.sx, 0.9 * f.x1 - f.x0);
  const DensityPlotFrame flat = DensityPlotFrameOf(r, false, 4, 5.0f, 1.0f, 1.2f);  // shift beyond the plot
  EXPECT_EQ(flat.ymax, 1.0);
}

TEST(DensityPlot, PaperCarriesTheFrameTitleAndTheDialogsTexts) {
  RecordingSurface page(16000, 11312, true);
  DensityPlotView v = ScreenView(0.6f, 1.4f);
  v.kind = SurfaceKind::Printer;
  v.fontScale = 1.5f;
  v.title = "Loading Data";
  v.variable = "Variability of the Scaling Factor,  k: {N10}";
  v.rows = {"C.O.V. = 0.1", "STDV:     B = 0.1", "Mean:     A = 1.0", "Xmin  =  0.6", "Xmax =  1.4"};
  DrawDensityPlot(page, v, 1, 1.0f, 0.1f);
  const std::vector<std::string> texts = PrintedTexts(page);
  const std::vector<std::string> expected = {"Loading Data", "Loading Data", v.variable, v.rows[0], v.rows[1],
                                             v.rows[2],      v.rows[3],      v.rows[4],  "P",       "D",
                                             "F",            "X",            "0",        "1"};
  EXPECT_EQ(texts, expected);
  const DensityPlotRegion r = DensityPlotRegionOf(SurfaceKind::Printer, 16000, 11312, 1.5f);
  const DensityPlotFrame f = DensityPlotFrameOf(r, true, 1, 1.0f, 0.1f, 1.4f);
  EXPECT_FLOAT_EQ(f.yTop, 0.55f * r.height);
  EXPECT_EQ(page.texts[0].x, f.x0 - 300.0);
  EXPECT_EQ(page.texts[0].y, r.height + 100.0);
  EXPECT_TRUE(page.texts[0].bold && page.texts[0].italic);
  EXPECT_EQ(page.texts[0].fontSize, 12);
  EXPECT_TRUE(page.texts[2].bold);
  EXPECT_FALSE(page.texts[2].italic);
  EXPECT_FALSE(page.texts[3].bold);
  EXPECT_DOUBLE_EQ(page.texts[3].y, 0.85 * r.height);
  EXPECT_EQ(page.texts[8].fontSize, 7 * 1.5);  // the axis labels follow the screen's text scale
  const std::vector<RecordedLine> frame = RecordedLines(page, 0, Surface::kBox);
  ASSERT_EQ(frame.size(), 1u);
  EXPECT_EQ(frame[0].x2, r.width);
  EXPECT_EQ(frame[0].y2, r.height);
  const std::vector<RecordedLine> gap = RecordedLines(page, 0xFFFFFF, Surface::kSegment);
  ASSERT_EQ(gap.size(), 1u);
  EXPECT_EQ(gap[0].x1, f.x0 - 350.0);
  EXPECT_EQ(gap[0].y1, r.height);
  EXPECT_EQ(std::count(page.log.begin(), page.log.end(), "DrawWidth=5"), 1);
  EXPECT_EQ(std::find(page.log.begin(), page.log.end(), "Cls"), page.log.end());
  EXPECT_NE(std::find(page.log.begin(), page.log.end(), "ScaleLeft=-1600"), page.log.end());
}

}  // namespace
