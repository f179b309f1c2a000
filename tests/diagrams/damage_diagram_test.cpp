#include "diagrams/damage_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "diagrams/bar_lines.h"
#include "diagrams/damage_geometry.h"
#include "program_state.h"
#include "support/recorded_lines.h"
#include "support/recording_surface.h"

namespace {

constexpr int32_t kOutline = 0x404080;

// A screen picture 7500 twips wide: the plot from x0 = 750 to x1 = 6750 is
// 6000 twips, 400 pixels.
struct Screen {
  RecordingSurface surface{7500, 2990};
  DamageDiagramView view{SurfaceKind::Screen, false, false, "Results:  Damage", 7812.5f, 3250.0f};
};
constexpr double kX0 = 750, kX1 = 6750, kY0 = 448.5, kYt = 2691;

std::vector<RecordedLine> Bars(const RecordingSurface& s) { return RecordedLines(s, kOutline, Surface::kBox); }

// A history of `cycles` rainflow cycles of equal damage.
ProgramState History(int32_t cycles, float each) {
  ProgramState s;
  s.analysisOptions.LoadingType = 1;
  s.loadingData.CyclesPerBlock = cycles;
  s.results.LevelDamage.assign(static_cast<size_t>(cycles) + 1, each);
  s.results.LevelDamage[0] = 0;
  s.results.MaxLevelDamage = each;
  s.results.TotalDamage = static_cast<float>(cycles * static_cast<double>(each));
  return s;
}

TEST(DamageGeometry, BySurfaceAndPage) {
  struct Case {
    SurfaceKind kind;
    double sw, sh;
    float W, H, left, bottom, fs;
    int DW;
  } cases[] = {
      {SurfaceKind::Screen, 1, 1, 7500, 2990, 0, 0, 1.25f, 1},
      {SurfaceKind::Bitmap, 20400, 20900, 10000, 10000, 20.4f, 104.5f, 1.25f, 2},
      {SurfaceKind::Printer, 10000, 7201, 4081.6326f, 2857.1428f, 1000, 720.1f, 1, 4},  // tall page
      {SurfaceKind::Printer, 10000, 7200, 4000, 2769.2307f, 1000, 720, 1, 4},           // ratio 0.72: middle
      {SurfaceKind::Printer, 10000, 7000, 4000, 2692.3076f, 1000, 700, 1, 4},           // ratio 0.7: middle
      {SurfaceKind::Printer, 10000, 6990, 3840.6593f, 2688.4614f, 1000, 699, 1, 4},     // wide page
  };
  for (const Case& c : cases) {
    const DamageGeometry g = DamageGeometryFor(c.kind, c.sw, c.sh, 7812.5f, 3250.0f, 1.25f);
    SCOPED_TRACE(c.sh);
    EXPECT_FLOAT_EQ(g.W, c.W);
    EXPECT_FLOAT_EQ(g.H, c.H);
    EXPECT_FLOAT_EQ(g.left, c.left);
    EXPECT_FLOAT_EQ(g.bottom, c.bottom);
    EXPECT_FLOAT_EQ(g.fs, c.fs);
    EXPECT_EQ(g.DW, c.DW);
  }
}

TEST(CyclesPerBar, OneOverTheWidthHalvesToEven) {
  struct Case {
    double px;
    int32_t count, n;
  } cases[] = {
      {0.04, 10000, 25}, {0.4, 100, 2}, {1 / 3.5, 100, 4}, {0.6, 100, 2}, {1.0, 10, 1},   {3.0, 10, 1},
      {0.0, 100, 100},   {1e-9, 100, 100}, {-0.5, 10, 1},  {0.001, 20, 20},
  };
  for (const Case& c : cases) EXPECT_EQ(CyclesPerBar(c.px, c.count), c.n) << c.px;
}

TEST(DamageDiagram, TenThousandCyclesOnFourHundredPixelsMergeTwentyFiveToABar) {
  for (int32_t cycles : {10000, 10007}) {
    SCOPED_TRACE(cycles);
    Screen screen;
    ProgramState s = History(cycles, 1e-4f);
    s.results.LevelDamage[static_cast<size_t>(cycles) - 2] = 5e-4f;  // a peak among the last cycles
    s.results.MaxLevelDamage = 5e-4f;
    DrawDamageBars(s, screen.surface, screen.view);
    const std::vector<RecordedLine> bars = Bars(screen.surface);
    ASSERT_EQ(bars.size(), 400u);
    const double w = static_cast<float>(6000.0 / cycles);
    EXPECT_DOUBLE_EQ(bars.front().x1, kX0);
    EXPECT_DOUBLE_EQ(bars.front().x2, kX0 + w * 25);
    EXPECT_DOUBLE_EQ(bars[399].x1, kX0 + w * 399 * 25);
    EXPECT_DOUBLE_EQ(bars.back().x2, kX0 + w * cycles) << "the last bar reaches the last cycle";
    // Per bar: a group shows its largest cycle; the peak is in the last group.
    const float ky = static_cast<float>((kYt - 10 - kY0) / 5e-4f);
    EXPECT_NEAR(bars.front().y2, kY0 + static_cast<float>(ky * 1e-4f), 1e-3);
    EXPECT_NEAR(bars.back().y2, kYt - 10, 1e-3);
  }
}

TEST(DamageDiagram, CumulativeHistoryEndsAtTheTotalDamage) {
  Screen screen;
  ProgramState s = History(10007, 1e-4f);
  s.resultsDisplay.DamageDisplayMode = 1;
  DrawDamageBars(s, screen.surface, screen.view);
  const std::vector<RecordedLine> bars = Bars(screen.surface);
  ASSERT_EQ(bars.size(), 400u);
  EXPECT_NEAR(bars.back().y2, kYt - 10, 0.5) << "the sum of all cycles is the printed total";
  EXPECT_NEAR(bars.front().y2, kY0 + 25 * 1e-4 * (kYt - 10 - kY0) / s.results.TotalDamage, 1e-3);
  const std::vector<std::string> texts = PrintedTexts(screen.surface);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "1.001E+0"), texts.end());
}

TEST(DamageDiagram, WideCyclesGetABarEachFromTheSecondCycle) {
  Screen screen;
  ProgramState s = History(10, 1e-3f);
  DrawDamageBars(s, screen.surface, screen.view);
  const std::vector<RecordedLine> bars = Bars(screen.surface);
  ASSERT_EQ(bars.size(), 9u);
  EXPECT_DOUBLE_EQ(bars.front().x1, kX0 + 600);
  EXPECT_DOUBLE_EQ(bars.front().x2, kX0 + 1200);
  EXPECT_DOUBLE_EQ(bars.back().x2, kX1);
}

TEST(DamageDiagram, ScreenFrameTitlesAndFill) {
  Screen screen;
  ProgramState s = History(10, 1e-3f);
  DrawDamageBars(s, screen.surface, screen.view);
  const std::string log = screen.surface.LogText();
  EXPECT_EQ(screen.surface.log.front(), "FontName=Arial");
  EXPECT_NE(log.find("Cls\nScale 0,2990-7500,0\nScaleLeft=0\nScaleTop=2990\n"), std::string::npos) << log;
  EXPECT_NE(log.find("FontSize=6.5\nCurrentY=368.5\nCurrentX=3000\nPrint 'RAIFLOW CYCLES'"), std::string::npos);
  EXPECT_NE(log.find("Line 750,448.5-6750,2691 c=0 B"), std::string::npos);
  EXPECT_NE(log.find("DrawWidth=1\nFillStyle=0\nFillColor=8438015\n"), std::string::npos);
  std::string letters;
  for (const auto& t : screen.surface.texts)
    if (t.text.size() == 1) {
      letters += t.text;
      EXPECT_DOUBLE_EQ(t.x, kX0 - 220);
    }
  EXPECT_EQ(letters, "DAMAGE");
  EXPECT_EQ(s.shellState.CaptionBuf, "DAMAGE");
  EXPECT_EQ(log.find("Results:"), std::string::npos) << "the frame carries the title on the screen";
}

// A block spectrum of three levels (10, 20 and 30 cycles of a 60-cycle
// block) from batch 2; the middle level does no damage worth a bar.
ProgramState Spectrum() {
  ProgramState s;
  s.analysisOptions.LoadingType = 2;
  s.loadingDbState.SelectedLoadingBatch = 2;
  s.loadingData.LevelCount = 3;
  LoadingDatabase& db = s.loadingDatabase;
  db.BatchBlockCycles[2] = 60;
  const float cycles[] = {10, 20, 30}, stresses[] = {300, 200, 100};
  for (int k = 1; k <= 3; ++k) {
    db.BatchLevelCycles[2][k] = cycles[k - 1];
    db.BatchLevelStress[2][k] = stresses[k - 1];
  }
  s.results.LevelDamage = {0, 2e-3f, 1e-30f, 1e-3f};
  s.results.MaxLevelDamage = 2e-3f;
  s.results.TotalDamage = 3e-3f;
  return s;
}

TEST(DamageDiagram, SpectrumLevelWithoutDamageLeavesAGap) {
  Screen screen;
  screen.view.spectrumShown = true;
  ProgramState s = Spectrum();
  DrawDamageBars(s, screen.surface, screen.view);
  const std::vector<RecordedLine> bars = Bars(screen.surface);
  ASSERT_EQ(bars.size(), 2u);
  const double w = 100;  // 6000 twips for 60 cycles
  EXPECT_DOUBLE_EQ(bars[0].x1, kX0);
  EXPECT_DOUBLE_EQ(bars[0].x2, kX0 + 10 * w);
  EXPECT_NEAR(bars[0].y2, kYt - 10, 1e-3);
  EXPECT_DOUBLE_EQ(bars[1].x1, kX0 + 30 * w);
  EXPECT_DOUBLE_EQ(bars[1].x2, kX1);
  EXPECT_EQ(s.loadingDatabase.BatchLevelCycles[2][1], 10.0f);
  EXPECT_EQ(screen.surface.texts.back().text, "2.0E-3");

  Screen cumulative;
  cumulative.view.spectrumShown = true;
  s.resultsDisplay.DamageDisplayMode = 1;
  DrawDamageBars(s, cumulative.surface, cumulative.view);
  const std::vector<RecordedLine> all = Bars(cumulative.surface);
  ASSERT_EQ(all.size(), 3u) << "every level is drawn in cumulative mode";
  EXPECT_NEAR(all.back().y2, kYt - 10, 1e-3);
  EXPECT_EQ(cumulative.surface.texts.back().text, "3.0E-3");
}

// The damage printed at the top of the axis stands left of the plot box and
// above it, clear of both of its lines, however wide the font.
TEST(DamageDiagram, TopValueStaysClearOfThePlotBox) {
  struct Case {
    float damage;
    const char* text;
    float scale, fontScale;
  };
  const Case cases[] = {{2e-3f, "2.0E-3", 1.0f, 1.0f}, {1.526e-6f, "1.526E-6", 1.2288f, 1.106f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Screen screen;
    screen.view.spectrumShown = true;
    ProgramState s = Spectrum();
    s.results.MaxLevelDamage = c.damage;
    s.layoutScales = {c.scale, c.scale, c.fontScale};
    DrawDamageBars(s, screen.surface, screen.view);
    const RecordingSurface::PrintedText& value = screen.surface.texts.back();
    ASSERT_EQ(value.text, c.text);
    screen.surface.SetFontSize(value.fontSize);
    EXPECT_LT(value.x + screen.surface.TextWidth(value.text), kX0);
    EXPECT_GT(value.y + screen.surface.TextHeight(value.text), kYt) << "the text reaches down from the pen";
  }
}

TEST(DamageDiagram, ConstantAmplitudeIsOneBarAndKeepsItsCycles) {
  Screen screen;
  screen.view.spectrumShown = true;
  ProgramState s = Spectrum();
  s.analysisOptions.LoadingType = 3;
  s.loadingData.LevelCount = 1;
  s.loadingDatabase.BatchLevelCycles[2][1] = 7;
  DrawDamageBars(s, screen.surface, screen.view);
  const std::vector<RecordedLine> bars = Bars(screen.surface);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_DOUBLE_EQ(bars[0].x1, kX0);
  EXPECT_DOUBLE_EQ(bars[0].x2, kX1);
  EXPECT_EQ(s.loadingDatabase.BatchLevelCycles[2][1], 7.0f);
}

TEST(DamageDiagram, PrintedDistributionRunsRightToLeftUnfilled) {
  RecordingSurface page(12000, 8000, true);  // ratio 0.667: a wide page
  DamageDiagramView view{SurfaceKind::Printer, false, true, "Results:  Damage", 0, 0};
  ProgramState s = Spectrum();
  LoadingDatabase& db = s.loadingDatabase;
  db.BatchUpper[2] = 300;
  db.BatchLower[2] = 100;
  db.BatchR[2] = 2;
  db.BatchLevelCount[2] = 3;  // classes of (300 - 100) / 2 = 100
  DrawDamageBars(s, page, view);
  // H = 8000 / 2.6, W = H / 0.7; x0 = 0.9 W and x1 = 0.1 W.
  const double H = static_cast<float>(8000 / 2.6), W = static_cast<float>(H / 0.7);
  const double x0 = static_cast<float>(0.9 * W), x1 = static_cast<float>(0.1 * W);
  const double w = static_cast<float>((x1 - x0) / 300);
  const std::vector<RecordedLine> bars = Bars(page);
  ASSERT_EQ(bars.size(), 2u);
  // Levels from the last: level 3 spans 0 .. 100, level 1 spans 200 .. 300.
  EXPECT_DOUBLE_EQ(bars[0].x1, x0 + w * 0);
  EXPECT_DOUBLE_EQ(bars[0].x2, x0 + w * 100);
  EXPECT_DOUBLE_EQ(bars[1].x1, x0 + w * 200);
  EXPECT_DOUBLE_EQ(bars[1].x2, x0 + w * 300);
  const std::string log = page.LogText();
  EXPECT_NE(log.find("ScaleLeft=-1200\nScaleTop=7200\n"), std::string::npos) << log;
  EXPECT_NE(log.find("DrawWidth=4\n"), std::string::npos);
  EXPECT_EQ(log.find("FillStyle=0"), std::string::npos);
  // The title, cut into the top edge and printed again, stands at the right.
  const auto& texts = page.texts;
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Results:  Damage");
  EXPECT_TRUE(texts[0].bold && texts[0].italic);
  EXPECT_EQ(texts[0].fontSize, 10);
  EXPECT_DOUBLE_EQ(texts[0].x, x0 - 300);
  EXPECT_DOUBLE_EQ(texts[0].y, H + 100);
  EXPECT_EQ(texts[1].text, "Results:  Damage");
  const std::vector<RecordedLine> cut = RecordedLines(page, 0xFFFFFF, Surface::kSegment);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_DOUBLE_EQ(cut[0].x1, x0 - 350);
  const double end = x0 - 300 + 16 * 0.6 * 10 * 20;  // the recording surface's text width
  EXPECT_DOUBLE_EQ(cut[0].x2, static_cast<double>(static_cast<long>(end + 0.5)) + 50);
  EXPECT_DOUBLE_EQ(cut[0].y1, H);
  EXPECT_EQ(RecordedLines(page, 0, Surface::kBox).front().x2, W);
}

// Records that cannot give a bar width, or that point outside their arrays,
// give the frame and the titles and nothing more.
TEST(DamageDiagram, RecordsWithoutABarWidthDrawTheFrameOnly) {
  struct Case {
    const char* what;
    void (*spoil)(ProgramState&, DamageDiagramView&);
  } cases[] = {
      {"history of 0 cycles", [](ProgramState& s, DamageDiagramView&) {
         s = History(10, 1e-3f);
         s.loadingData.CyclesPerBlock = 0;
       }},
      {"history longer than its damages", [](ProgramState& s, DamageDiagramView&) {
         s = History(10, 1e-3f);
         s.loadingData.CyclesPerBlock = 11;
       }},
      {"block of 0 cycles", [](ProgramState& s, DamageDiagramView& v) {
         v.spectrumShown = true;
         s.loadingDatabase.BatchBlockCycles[2] = 0;
       }},
      {"no upper stress", [](ProgramState& s, DamageDiagramView& v) {
         v.distributionShown = true;
         s.loadingDatabase.BatchUpper[2] = 0;
       }},
      {"one level with a distribution", [](ProgramState& s, DamageDiagramView& v) {
         v.distributionShown = true;
         s.loadingDatabase.BatchUpper[2] = 300;
         s.loadingDatabase.BatchR[2] = 1;
         s.loadingDatabase.BatchLevelCount[2] = 1;
       }},
      {"batch outside the database", [](ProgramState& s, DamageDiagramView& v) {
         v.spectrumShown = true;
         s.loadingDbState.SelectedLoadingBatch = 21;
       }},
      {"more levels than the records", [](ProgramState& s, DamageDiagramView& v) {
         v.spectrumShown = true;
         s.loadingData.LevelCount = 501;
       }},
      {"no total in cumulative mode", [](ProgramState& s, DamageDiagramView& v) {
         v.spectrumShown = true;
         s.resultsDisplay.DamageDisplayMode = 1;
         s.results.TotalDamage = 0;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Screen screen;
    ProgramState s = Spectrum();
    c.spoil(s, screen.view);
    DrawDamageBars(s, screen.surface, screen.view);
    EXPECT_TRUE(Bars(screen.surface).empty());
    EXPECT_EQ(RecordedLines(screen.surface, 0, Surface::kBox).size(), 1u);
    EXPECT_EQ(s.shellState.CaptionBuf, "DAMAGE");
  }
}

TEST(DamageDiagram, NoDamageGivesNoValueAndNoBars) {
  Screen screen;
  screen.view.spectrumShown = true;
  ProgramState s = Spectrum();
  s.results.MaxLevelDamage = 0;
  DrawDamageBars(s, screen.surface, screen.view);
  EXPECT_TRUE(Bars(screen.surface).empty());
  EXPECT_EQ(screen.surface.texts.size(), 7u) << "the axis title and the six letters";
  EXPECT_EQ(screen.surface.texts[0].text, "SPECTRUM LEVELS");
}

}  // namespace
