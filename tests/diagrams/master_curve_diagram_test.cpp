#include "diagrams/master_curve_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "diagrams/master_curve_geometry.h"
#include "loading/loading_units.h"
#include "program_state.h"
#include "support/recorded_lines.h"
#include "support/recording_surface.h"

namespace {

constexpr int32_t kGrey = 0x808080, kLightGrey = 0xC0C0C0, kRed = 0xFF;

// A screen graph 10000 x 8000 twips: the plot runs from XL = 1000 to
// XR = 9000 and from YB = 1200 to YT = 7200.
MasterCurveGeometry ScreenGeometry() {
  MasterCurveGeometry g;
  g.mode = 1;
  g.W = 10000;
  g.H = 8000;
  g.fs = 1;
  g.C = kGrey;
  return g;
}

// A master curve over the stress range of a spectrum: 21 points from 100 to
// 300 MPa, the longest life `longest` blocks, shown in blocks.
ProgramState MasterCurve(float longest) {
  ProgramState s;
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.LoadingType = 2;
  s.analysisOptions.LifeUnit = 2;
  s.loadingData.StressInputMode = 1;
  s.resultsDisplay.LifeUnitFactor = 1;
  for (int k = 1; k <= 21; ++k) {
    s.lifeResults.MasterParam[k] = 100.0f + 10.0f * (k - 1);
    s.lifeResults.MasterLife[k] = longest / k;
  }
  s.lifeResults.LifeUnitLabel = {"", " [cyc] ", " [blk] ", " [h]   "};
  return s;
}

bool Printed(const RecordingSurface& r, const std::string& text) {
  const std::vector<std::string> t = PrintedTexts(r);
  return std::find(t.begin(), t.end(), text) != t.end();
}

std::vector<RecordedLine> Segments(const RecordingSurface& r, int32_t colour) {
  return RecordedLines(r, colour, Surface::kSegment);
}

// The dotted lines (those drawn between DrawStyle=2 and DrawStyle=0).
std::vector<RecordedLine> DottedLines(const RecordingSurface& r) {
  RecordingSurface copy = r;
  std::vector<std::string> dotted;
  bool on = false;
  for (const std::string& entry : r.log) {
    if (entry == "DrawStyle=2") on = true;
    else if (entry == "DrawStyle=0") on = false;
    else if (on) dotted.push_back(entry);
  }
  copy.log = dotted;
  return RecordedLines(copy);
}

TEST(MasterLifeDiagram, LifeAxisToFourHundredThousandBlocks) {
  RecordingSurface graph(10000, 8000);
  ProgramState s = MasterCurve(3.47e5f);
  const MasterCurveOutcome out = DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "Fatigue life  [blk] ", "");
  EXPECT_TRUE(out.curveDrawn);
  EXPECT_FALSE(out.infinite);
  for (const char* label : {"0E+0", "1E+5", "2E+5", "3E+5", "4E+5"}) EXPECT_TRUE(Printed(graph, label)) << label;
  EXPECT_FALSE(Printed(graph, "5E+5"));
  // sx = 8000 / 4E+5: a minor tick every 1E+4 (200 twips), 39 of them below and above.
  const std::vector<RecordedLine> ticks = Segments(graph, kGrey);
  const auto below = std::count_if(ticks.begin(), ticks.end(), [](const RecordedLine& l) {
    return l.y1 == 1200 && l.y2 == 1160 && l.x1 == l.x2;
  });
  EXPECT_EQ(below, 39);
  // Light grey grid every 5E+4 (1000 twips), dotted.
  std::vector<double> grid;
  for (const RecordedLine& l : DottedLines(graph))
    if (l.colour == kLightGrey && l.x1 == l.x2) grid.push_back(l.x1);
  ASSERT_EQ(grid.size(), 7u);
  for (size_t i = 0; i < grid.size(); ++i) EXPECT_NEAR(grid[i], 2000 + 1000.0 * i, 1e-3);
  // The parameter axis to 310 MPa: labels 0 to 300, the last kept.
  for (const char* label : {"0.0", "100.0", "200.0", "300.0"}) EXPECT_TRUE(Printed(graph, label)) << label;
  EXPECT_EQ(s.shellState.CaptionBuf, "300.0");
  EXPECT_TRUE(Printed(graph, "PAR [MPa]  (range)"));
  EXPECT_FALSE(Printed(graph, "Fatigue life  [blk] ")) << "the label control is the title on the screen";
  EXPECT_EQ(s.resultsDisplay.LifeUnitFactor2, 1.0f);
  // The curve: a dot, then 20 red lines; the first point at 3.47E+5 blocks, 100 MPa.
  const std::vector<RecordedLine> curve = Segments(graph, kRed);
  EXPECT_EQ(curve.size(), 20u);
  const auto dot = std::find_if(graph.log.begin(), graph.log.end(), [](const std::string& e) { return e.rfind("PSet", 0) == 0; });
  ASSERT_NE(dot, graph.log.end());
  double x = 0, y = 0;
  ASSERT_EQ(std::sscanf(dot->c_str(), "PSet %lf,%lf", &x, &y), 2);
  EXPECT_NEAR(x, 1000 + 3.47e5 * 8000 / 4e5, 1e-2);
  EXPECT_NEAR(y, 1200 + 100 * 6000 / 310.0, 1e-2);
  EXPECT_NEAR(curve.back().x2, 1000 + 3.47e5 / 21 * 8000 / 4e5, 1e-2);
  EXPECT_NEAR(curve.back().y2, 1200 + 300 * 6000 / 310.0, 1e-2);
  EXPECT_NE(graph.LogText().find("DrawWidth=2\n"), std::string::npos);
}

TEST(MasterLifeDiagram, ShorterAxisHasGridEveryTwoTenths) {
  RecordingSurface graph(10000, 8000);
  ProgramState s = MasterCurve(2.37e5f);
  DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "", "");
  for (const char* label : {"0E+0", "1E+5", "2E+5"}) EXPECT_TRUE(Printed(graph, label)) << label;
  EXPECT_FALSE(Printed(graph, "3E+5"));
  int grid = 0;
  for (const RecordedLine& l : DottedLines(graph))
    if (l.colour == kLightGrey && l.x1 == l.x2) ++grid;
  EXPECT_EQ(grid, 11) << "every 2E+4 up to 2.2E+5";
}

TEST(MasterLifeDiagram, RunOutOfAnInfiniteLastPoint) {
  RecordingSurface graph(10000, 8000);
  ProgramState s = MasterCurve(3.47e5f);
  s.lifeResults.MasterLife[21] = 1e30f;
  DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "", "");
  const std::vector<RecordedLine> curve = Segments(graph, kRed);
  ASSERT_EQ(curve.size(), 20u) << "19 joins and the run-out";
  EXPECT_NEAR(curve.back().x2, 9000, 1e-3);
  EXPECT_EQ(curve.back().y1, curve.back().y2);
  // g = 1.05 widens the axis: 3.6435E+5 -> 3.7 -> 4.
  EXPECT_TRUE(Printed(graph, "4E+5"));
}

TEST(MasterLifeDiagram, InfiniteLifeShowsNoLifeAxis) {
  for (int mode : {1, 3}) {
    SCOPED_TRACE(mode);
    RecordingSurface graph(10000, 8000, mode == 3);
    ProgramState s = MasterCurve(3.47e5f);
    s.results.InfiniteLifeFlag = 1;
    MasterCurveGeometry g = ScreenGeometry();
    g.mode = mode;
    const MasterCurveOutcome out = DrawMasterLifeDiagram(s, graph, g, "Fatigue life  [blk] ", "Fatigue Life  =  Infinite...");
    EXPECT_TRUE(out.infinite);
    EXPECT_FALSE(out.curveDrawn);
    EXPECT_FALSE(Printed(graph, "0E+0"));
    EXPECT_TRUE(Printed(graph, "300.0"));
    EXPECT_TRUE(DottedLines(graph).empty()) << "no grid beside no life axis";
    EXPECT_TRUE(Segments(graph, kRed).empty());
    EXPECT_EQ(Printed(graph, "Fatigue Life  =  Infinite..."), mode == 3);
    EXPECT_EQ(Printed(graph, "Fatigue life  [blk] "), mode == 3);
  }
}

TEST(MasterLifeDiagram, NoShownLifeLeavesOutTheLifeAxisWithoutAHang) {
  struct Case {
    const char* what;
    float factor;
    float longest;
  } cases[] = {{"hours with a block time of 0", 0, 3.47e5f}, {"no finite life", 1, 0}, {"a negative factor", -1, 3.47e5f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingSurface graph(10000, 8000);
    ProgramState s = MasterCurve(c.longest);
    s.resultsDisplay.LifeUnitFactor = c.factor;
    if (c.longest == 0) std::fill(s.lifeResults.MasterLife.begin(), s.lifeResults.MasterLife.end(), 1e30f);
    const MasterCurveOutcome out = DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "", "");
    EXPECT_FALSE(out.curveDrawn);
    EXPECT_FALSE(Printed(graph, "0E+0"));
    EXPECT_TRUE(Printed(graph, "300.0")) << "the parameter axis stays";
    EXPECT_TRUE(Printed(graph, "PAR [MPa]  (range)"));
    EXPECT_TRUE(Segments(graph, kRed).empty());
  }
}

TEST(MasterLifeDiagram, NegativeScalingFactorsCarryTheirSign) {
  RecordingSurface graph(10000, 8000);
  ProgramState s = MasterCurve(3.47e5f);
  s.analysisOptions.LoadingType = 1;
  for (int k = 1; k <= 21; ++k) s.lifeResults.MasterParam[k] = -0.1f * k;
  DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "", "");
  for (const char* label : {"0.0", "-1.0", "-2.0"}) EXPECT_TRUE(Printed(graph, label)) << label;
  EXPECT_TRUE(Printed(graph, "PAR "));
  for (const RecordedLine& l : Segments(graph, kRed)) EXPECT_GT(l.y2, 1200) << "the curve stands above the axis";
}

// The parameter axis names what it shows: a history's scaling factor as a
// bare factor, a load level in the loading's unit and form, the endurance
// limit over Kf (also what a master curve over Kt holds) as an amplitude.
TEST(MasterLifeDiagram, ParameterTitleNamesWhatTheAxisShows) {
  struct Case {
    const char* what;
    int16_t parameter, loading, inputMode;
    bool strain;
    std::string title;
  } cases[] = {
      {"a history's scaling factor typed as an amplitude", 1, 1, 2, false, "PAR "},
      {"a spectrum's range", 1, 2, 1, false, "PAR [MPa]  (range)"},
      {"a strain spectrum's amplitude", 1, 2, 2, true, std::string("PAR [") + kMicroSign + "str]  (amplitude)"},
      {"the endurance limit", 2, 2, 1, false, "PAR [MPa]  (amplitude)"},
      {"Kt over a spectrum typed as a range", 3, 2, 1, false, "PAR [MPa]  (amplitude)"},
      {"Kt over a history", 3, 1, 1, false, "PAR [MPa]  (amplitude)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState s = MasterCurve(3.47e5f);
    s.analysisOptions.MasterCurveParameter = c.parameter;
    s.analysisOptions.LoadingType = c.loading;
    s.analysisOptions.MeanStressOption = 2;
    s.loadingData.StressInputMode = c.inputMode;
    if (c.strain) {
      s.loadingUnits.LoadQuantity = "Strain ";
      s.materialData.YoungModulus = 200000;
      FollowLoadingUnits(s);
    }
    RecordingSurface graph(10000, 8000);
    DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "", "");
    EXPECT_TRUE(Printed(graph, c.title)) << PrintedTexts(graph).back();
  }
}

TEST(MasterLifeDiagram, SmallParameterRunsToOne) {
  RecordingSurface graph(10000, 8000);
  ProgramState s = MasterCurve(3.47e5f);
  s.analysisOptions.MasterCurveParameter = 2;  // the endurance limit / Kf as an amplitude
  for (int k = 1; k <= 21; ++k) s.lifeResults.MasterParam[k] = 0.09f * k;
  DrawMasterLifeDiagram(s, graph, ScreenGeometry(), "", "");
  EXPECT_TRUE(Printed(graph, "0.0"));
  EXPECT_TRUE(Printed(graph, "1.0"));
  EXPECT_FALSE(Printed(graph, "2.0"));
  EXPECT_TRUE(Printed(graph, "PAR [MPa]  (amplitude)"));
}

TEST(MasterCurveOverview, PaperFramesCaptionsAndSeparators) {
  RecordingSurface page(20000, 10000, false, true);
  ProgramState s = MasterCurve(3.47e5f);
  s.analysisOptions.LoadingType = 3;
  s.analysisOptions.LifeUnit = 1;
  const MasterCurveGeometry g = MasterCurveGeometryFor(SurfaceKind::Bitmap, {20000, 10000, 0, 0, 0, 1});
  const MasterCurveOutcome out = DrawMasterCurveOverview(s, page, page, g, MasterCurveLabels{});
  EXPECT_TRUE(out.curveDrawn);
  EXPECT_EQ(s.resultsDisplay.LifeUnitFactor, 1.0f) << "a constant amplitude has one cycle a block";
  const std::string log = page.LogText();
  EXPECT_EQ(log.find("Cls"), std::string::npos) << "paper is not cleared";
  EXPECT_NE(log.find("Scale 0,10000-20000,0\nScaleLeft=-20\nScaleTop=9950\n"), std::string::npos) << log;
  // W = 15200, H = 9750, XT = 15504, WT = 4200.
  EXPECT_NE(log.find("Line 0,0-15200,9750 c=0 B"), std::string::npos);
  EXPECT_NE(log.find("Line 15504,0-19704,9750 c=0 B"), std::string::npos);
  for (double y : {0.71, 0.31, 0.08})
    EXPECT_NE(log.find("Line 15504," + ShortNumber(y * 9750) + "-19704," + ShortNumber(y * 9750) + " c=0\n"),
              std::string::npos)
        << y;
  const std::vector<RecordedLine> cuts = Segments(page, 0xFFFFFF);
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_DOUBLE_EQ(cuts[0].x1, 1520 - 650);
  EXPECT_DOUBLE_EQ(cuts[0].x2, 1520 - 600 + 12 * 0.6 * 12 * 20 + 50);
  EXPECT_DOUBLE_EQ(cuts[1].x1, 15504 + 150);
  int masterCaptions = 0;
  for (const auto& t : page.texts)
    if (t.text == "Master Curve") {
      ++masterCaptions;
      EXPECT_TRUE(t.bold && t.italic);
      EXPECT_EQ(t.fontSize, 12);
      EXPECT_EQ(t.fontName, "Arial");
    }
  EXPECT_EQ(masterCaptions, 2);
  EXPECT_TRUE(Printed(page, "Input Data"));
  EXPECT_TRUE(Printed(page, "Fatigue life  [cyc] "));
  EXPECT_NE(log.find("DrawWidth=4\n"), std::string::npos);
}

TEST(MasterLifeUnitFactor, ByLifeUnitAndLoadingSource) {
  struct Case {
    const char* what;
    int16_t type, unit, source;
    float expected;
  } cases[] = {
      {"history batch in cycles", 1, 1, 1, 500},  // (1001 - 1) / 2
      {"spectrum batch in cycles", 2, 1, 1, 0},   // the batch has levels: its block cycles
      {"typed loading in cycles", 4, 1, 2, 1000},
      {"constant amplitude in cycles", 3, 1, 1, 1},
      {"blocks", 2, 2, 1, 1},
      {"hours", 2, 3, 1, 0.5f},
      {"no such unit", 2, 4, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState s;
    s.loadingDbState.SelectedLoadingBatch = 3;
    s.analysisOptions.LoadingType = c.type;
    s.analysisOptions.LifeUnit = c.unit;
    s.loadingDbState.LoadingSource = c.source;
    s.loadingDatabase.BatchPointCount[3] = 1001;
    s.loadingDatabase.BatchBlockTime[3] = 30;
    if (c.type == 2) s.loadingDatabase.BatchLevelCount[3] = 4;
    RecordingSurface page(20000, 10000, false, true);
    DrawMasterCurveOverview(s, page, page, MasterCurveGeometryFor(SurfaceKind::Bitmap, {20000, 10000, 0, 0, 0, 1}),
                            MasterCurveLabels{});
    EXPECT_EQ(s.resultsDisplay.LifeUnitFactor, c.expected);
  }
}

}  // namespace
