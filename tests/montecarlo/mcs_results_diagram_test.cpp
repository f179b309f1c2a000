// The simulation results diagram on a recording surface: its layouts, axes,
// labels, statistics, header block and the corner cases it leaves out.

#include "montecarlo/mcs_results_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "mcs_fixtures.h"
#include "montecarlo/mcs_diagram_geometry.h"
#include "montecarlo/plot_markers.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/recording_surface.h"
#include "support/scoped_folder.h"

namespace {

// n lives from `low` to `high` blocks, spaced evenly on a log scale (the
// order they come in does not matter: the reader sorts them).
std::vector<float> LogSpaced(int n, double low, double high) {
  std::vector<float> lives;
  for (int i = 0; i < n; ++i) lives.push_back(static_cast<float>(low * std::pow(high / low, i / (n - 1.0))));
  std::reverse(lives.begin(), lives.end());
  return lives;
}

class McsResultsDiagramTest : public ::testing::Test {
 protected:
  // The job's results file with `lives` read back as a simulation leaves it.
  void Read(const std::vector<float>& lives, ProgramState job = McsJob()) {
    s = job;
    folder.Write("zp1pl.res", WorkFile(s, lives, lives.back()));
    s.mcsResults.ResultsPath = (folder.path() / "zp1pl.res").string();
    s.mcsSettings.SimulationsDone = 0;
    ReadMCSResults(s, host);
    ASSERT_EQ(s.mcsResults.ResultsReadStatus, 0) << host.Transcript();
    host.messages.clear();
  }

  McsDiagramOutcome Draw(RecordingSurface& t) {
    McsDiagramSizes sizes{t.Width(), t.Height(), t.Width(), 1.0f, s.mcsDisplay.McsPlotKind == 0};
    McsHeaderTexts texts;
    texts.notchFactorLabel = "Kt = ";
    texts.notchFactorValue = "2.5";
    return DrawMcsResults(s, host, t, t, McsDiagramGeometryFor(KindOf(t), sizes), texts);
  }

  // The texts printed, in order.
  static std::vector<std::string> Printed(const RecordingSurface& t) {
    std::vector<std::string> out;
    for (const auto& p : t.texts) out.push_back(p.text);
    return out;
  }
  static bool Has(const RecordingSurface& t, const std::string& text) {
    const std::vector<std::string> p = Printed(t);
    return std::find(p.begin(), p.end(), text) != p.end();
  }
  static int Count(const RecordingSurface& t, const std::string& part) {
    int n = 0;
    for (const std::string& line : t.log) n += line.find(part) != std::string::npos;
    return n;
  }

  ScopedTempFolder folder{"mcs_diagram"};
  FakeHost host;
  MessagesOnFailure trace{host};
  ProgramState s;
  RecordingSurface printer{16000, 11000, true};  // a landscape page: the middle layout
};

TEST_F(McsResultsDiagramTest, TheProbabilityPlotTakesTheDecadesOfTheLives) {
  Read(LogSpaced(100, 500, 62000));  // 2.5E+5 .. 3.1E+7 cycles at 500 cycles a block
  s.analysisOptions.LifeUnit = 1;
  s.mcsDisplay.McsPlotKind = 1;
  Draw(printer);
  for (const char* label : {"1E+5", "1E+6", "1E+7", "1E+8"}) EXPECT_TRUE(Has(printer, label)) << label;
  EXPECT_FALSE(Has(printer, "1E+4"));
  EXPECT_FALSE(Has(printer, "1E+9"));
  EXPECT_TRUE(Has(printer, " Life  T [cyc] "));
  EXPECT_TRUE(Has(printer, "Probability Plot  {Log-norm}"));

  // Lives within one decade still get one: no division by zero.
  RecordingSurface narrow(16000, 11000, true);
  Read(LogSpaced(100, 400, 1600));  // 2E+5 .. 8E+5 cycles
  s.analysisOptions.LifeUnit = 1;
  s.mcsDisplay.McsPlotKind = 1;
  Draw(narrow);
  EXPECT_TRUE(Has(narrow, "1E+5"));
  EXPECT_TRUE(Has(narrow, "1E+6"));
  EXPECT_FALSE(Has(narrow, "1E+7"));
}

TEST_F(McsResultsDiagramTest, TheLifeAxisOfTheLifeDistribution) {
  Read(LogSpaced(100, 500, 62000));  // Tmax 3.1E+7 cycles
  s.analysisOptions.LifeUnit = 1;
  Draw(printer);
  for (const char* label : {"0", "1", "2", "3.0E+7 ", "3.0E+7"}) EXPECT_TRUE(Has(printer, label)) << label;
  EXPECT_FALSE(Has(printer, "3"));
  // Ten minor ticks a unit, 31 in all, below each of the two life axes.
  int minor = 0;
  for (const std::string& line : printer.log) minor += line.find(",-2 c=0") != std::string::npos;
  EXPECT_EQ(minor, 31);
  EXPECT_TRUE(Has(printer, "Life Distribution"));
  EXPECT_TRUE(Has(printer, "f(T)"));
  EXPECT_TRUE(Has(printer, "R(T)"));
}

TEST_F(McsResultsDiagramTest, TheFailureProbabilityIsClippedToWhatCanBeShown) {
  struct Case {
    double level;
    const char* line;
    double stored;
  };
  for (const Case& c : {Case{0.999, "Pf =   1.00E-3", 0.999}, Case{0.9999999, "Pf <   1.00E-6", 0.999999}}) {
    RecordingSurface page(16000, 11000, true);
    Read(LogSpaced(1000, 1000, 20000));
    s.mcsResults.ProbabilityLevel = c.level;
    Draw(page);
    EXPECT_TRUE(Has(page, c.line)) << c.line;
    EXPECT_DOUBLE_EQ(s.mcsResults.ProbabilityLevel, c.stored) << c.line;
  }
}

TEST_F(McsResultsDiagramTest, OnTheScreenTheValuesGoToTheBoxes) {
  Read(LogSpaced(1000, 1000, 20000));
  RecordingSurface screen(8880, 7680);
  const McsDiagramOutcome out = Draw(screen);
  EXPECT_TRUE(out.drawn);
  EXPECT_EQ(out.pfText, "1.00E-3");
  EXPECT_TRUE(Has(screen, "Pf =   "));
  EXPECT_TRUE(Has(screen, "Le.Tail = "));
  EXPECT_FALSE(Has(screen, "Pf =   1.00E-3"));
  EXPECT_GT(out.pf.x, 0);
  EXPECT_LT(out.tr.y, out.pf.y) << "Tr stands below Pf";
  EXPECT_EQ(screen.log.front(), "DrawStyle=0");
  EXPECT_NE(std::find(screen.log.begin(), screen.log.end(), "Cls"), screen.log.end());
}

TEST_F(McsResultsDiagramTest, TheLastLineIsTheScatterFactorOrPfStar) {
  struct Case {
    int16_t fast;
    const char* starts;
    const char* absent;
  };
  for (const Case& c : {Case{1, "SF =   ", "Pf* =   "}, Case{0, "Pf* =   ", "SF =   "}}) {
    ProgramState job = McsJob();
    job.mcsSettings.FastSimulation = c.fast;
    RecordingSurface page(16000, 11000, true);
    Read(LogSpaced(1000, 1000, 20000), job);
    Draw(page);
    const std::vector<std::string> p = Printed(page);
    auto starts = [&](const char* prefix) {
      return std::any_of(p.begin(), p.end(), [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
    };
    EXPECT_TRUE(starts(c.starts)) << c.starts;
    EXPECT_FALSE(starts(c.absent)) << c.absent;
  }
}

TEST_F(McsResultsDiagramTest, WeibullPaperStartsDeeperForLargeSamplesOrAFit) {
  struct Case {
    int lives;
    int16_t fit;
    bool deepest;
  };
  for (const Case& c : {Case{500, 1, false}, Case{1000, 1, true}, Case{500, 3, true}}) {
    RecordingSurface page(16000, 11000, true);
    Read(LogSpaced(c.lives, 1000, 20000));
    s.mcsDisplay.McsPlotKind = 1;
    s.mcsDisplay.McsPlotPaper = 1;
    s.mcsResults.LifeFitKind = c.fit;
    Draw(page);
    EXPECT_TRUE(Has(page, "Probability Plot  {Weibull}"));
    EXPECT_TRUE(Has(page, "0.001"));
    EXPECT_EQ(Has(page, "0.0001"), c.deepest) << c.lives << " " << c.fit;
  }
}

TEST_F(McsResultsDiagramTest, TheTitleFollowsThePlotAndThePaper) {
  struct Case {
    int16_t kind, paper, fit;
    const char* title;
  };
  const Case cases[] = {
      {0, 1, 3, "Life Distribution"},          {1, 0, 1, "Probability Plot  {Log-norm}"},
      {1, 1, 1, "Probability Plot  {Weibull}"}, {1, 1, 2, "Probability Plot  {Log-norm}"},
      {5, 0, 3, "Probability Plot  {Weibull}"},
  };
  for (const Case& c : cases) {
    ProgramState st;
    st.mcsDisplay.McsPlotKind = c.kind;
    st.mcsDisplay.McsPlotPaper = c.paper;
    st.mcsResults.LifeFitKind = c.fit;
    EXPECT_EQ(McsPlotTitle(st), c.title);
  }
}

TEST_F(McsResultsDiagramTest, TheHeaderBlockFollowsTheResultsFile) {
  // A constant-amplitude strain loading: cycles only, no extension or DTF
  // rows, stresses in micro-strain.
  ProgramState job = McsJob();
  job.analysisOptions.LoadingType = 3;
  job.loadingUnits.LoadToStressFactor = 0.21f;
  job.analysisOptions.LifeUnit = 3;
  Read(LogSpaced(100, 1000, 20000), job);
  Draw(printer);
  EXPECT_TRUE(Has(printer, "Loading: Spectrum"));
  EXPECT_TRUE(Has(printer, "SS = 200.0 \xC2\xB5str (range)"));
  EXPECT_FALSE(Has(printer, "DTF = 1.0"));
  EXPECT_TRUE(Has(printer, "Sample = 100"));
  EXPECT_TRUE(Has(printer, "MCS:  NoFL/FSA"));
  EXPECT_TRUE(Has(printer, "Input Data"));
  EXPECT_EQ(s.analysisOptions.LifeUnit, 1);
  EXPECT_EQ(s.loadingUnits.LoadUnit, "\xC2\xB5str");
  EXPECT_EQ(s.loadingUnits.LoadUnitFactor, 1.0f);
  for (const std::string& t : Printed(printer)) EXPECT_EQ(t.find("Se'/Se"), std::string::npos) << t;

  // An older file (marker -1) lacks lines 7 to 9 and 12.
  std::string old = WorkFile(McsJob(), LogSpaced(100, 1000, 20000), 1000);
  old.replace(0, 2, "-1");
  const std::size_t line8 = old.find("Nominal Strs/Strn\r");
  const std::size_t line10 = old.find(" 2000000 ");
  old.erase(old.find(" 1  2  1  2  1  2.5  1 \r\n"), line10 - old.find(" 1  2  1  2  1  2.5  1 \r\n"));
  old.erase(old.find(" 1  1 \r\n 1  .1"), 8);
  ASSERT_NE(line8, std::string::npos);
  folder.Write("old.psn", old);
  ProgramState older = McsJob();
  older.mcsResults.ResultsPath = (folder.path() / "old.psn").string();
  older.mcsResults.LivesSorted = 1;
  ReadMCSResults(older, host);
  ASSERT_EQ(older.mcsResults.ResultsReadStatus, 0) << host.Transcript();
  s = older;
  RecordingSurface page(16000, 11000, true);
  Draw(page);
  EXPECT_TRUE(Has(page, "Nominal Strs/Strn"));
  EXPECT_TRUE(Has(page, "DTF = 1.0"));
  for (const std::string& t : Printed(page)) EXPECT_EQ(t.rfind("MCS:", 0), std::string::npos) << t;
}

TEST_F(McsResultsDiagramTest, UndefinedScalesAreLeftOut) {
  // A fitted density whose tail lies within one class width has no scale;
  // a life at the reliability of 0 has no guide.
  Read(LogSpaced(200, 1000, 20000));
  s.mcsResults.LifeFitKind = 2;
  Draw(printer);
  const int fitted = Count(printer, "c=12582912");
  RecordingSurface cut(16000, 11000, true);
  s.mcsResults.LowerTailLife = 1.0f;  // below one class width
  s.mcsResults.LifeAtReliability = 0.0f;
  s.mcsDisplay.ReliabilityInputMode = 1;
  Draw(cut);
  EXPECT_GT(fitted, Count(cut, "c=12582912"));
}

TEST(McsDiagramGeometry, LayoutsByOutput) {
  const McsDiagramSizes tall{10000, 14000, 0, 0.8f, true}, wide{14000, 9000, 0, 0.8f, false};
  const McsDiagramGeometry t = McsDiagramGeometryFor(SurfaceKind::Printer, tall);
  EXPECT_DOUBLE_EQ(t.W, 6200);
  EXPECT_DOUBLE_EQ(t.H, 6200 * 0.71 * 1.226);
  EXPECT_DOUBLE_EQ(t.S, 1800);
  EXPECT_DOUBLE_EQ(t.P, 1.016 * 6200);
  EXPECT_EQ(t.fontFactor, 1.0f);
  EXPECT_DOUBLE_EQ(t.plotX, -330);
  EXPECT_DOUBLE_EQ(t.plotY, -300);
  const McsDiagramGeometry w = McsDiagramGeometryFor(SurfaceKind::Printer, wide);
  EXPECT_DOUBLE_EQ(w.H, 0.76 * 9000);
  EXPECT_DOUBLE_EQ(w.W, 0.76 * 9000 / 0.71 / 1.226);
  EXPECT_DOUBLE_EQ(w.plotWidth, 2200);
  EXPECT_DOUBLE_EQ(w.plotY, -325);  // the probability plot's band
  const McsDiagramGeometry b = McsDiagramGeometryFor(SurfaceKind::Bitmap, wide);
  EXPECT_DOUBLE_EQ(b.W, 0.76 * 14000);
  EXPECT_DOUBLE_EQ(b.marginTop, 0.005 * 9000);
  EXPECT_EQ(b.fontFactor, 0.8f);
  const McsDiagramGeometry sc = McsDiagramGeometryFor(SurfaceKind::Screen, {8880, 7680, 2640, 0.8f, true});
  EXPECT_DOUBLE_EQ(sc.W, 8880);
  EXPECT_DOUBLE_EQ(sc.S, 2640);
  EXPECT_DOUBLE_EQ(sc.P, 0);
  EXPECT_DOUBLE_EQ(sc.plotHeight, 490);
}

TEST(McsPlotMarkers, ClosedArrowheads) {
  RecordingSurface t;
  t.Scale(0, 200, 700, -200);
  t.ClearLog();
  DrawPlotMarkerA(t, 670, 0, 0, 3);
  DrawPlotMarkerB(t, 80, 130, 0, 3);
  EXPECT_EQ(t.LogText(),
            "Line 670,0-661,-1.5 c=0\nLine 661,-1.5-661,1.5 c=0\nLine 661,1.5-670,0 c=0\n"
            "Line 80,130-77,125.5 c=0\nLine 77,125.5-83,125.5 c=0\nLine 83,125.5-80,130 c=0\n");
}

}  // namespace
