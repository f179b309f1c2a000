#include "diagrams/master_curve_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagrams/master_curve_geometry.h"
#include "program_state.h"
#include "support/recording_surface.h"

namespace {

// A screen text panel 2400 x 8000 twips at font scale 1 (XT = 0, T = 0):
// line k of a block stands at its first line - 240 k.
MasterCurveGeometry Panel() {
  MasterCurveGeometry g;
  g.mode = 1;
  g.H = 8000;
  g.W = 9000;
  g.WT = 2400;
  g.fs = 1;
  return g;
}
constexpr double kLoading0 = 0.98 * 8000 - 400, kMaterial0 = 0.67 * 8000 - 400, kOptions0 = 0.28 * 8000 - 400;

// A master curve over the stress range of a constant amplitude, nominal
// stress, feature specimen, notch sensitivity neglected, mean stress accounted.
ProgramState Job() {
  ProgramState s;
  AnalysisOptions& ao = s.analysisOptions;
  ao.AnalysisMode = 2;
  ao.MasterCurveParameter = 1;
  ao.LoadingType = 3;
  ao.StressApproach = 1;
  ao.NotchSensitivityMode = 1;
  ao.StressApproachText = "Nominal Strs/Strn";
  ao.SpecimenText = "Feature Specimen";
  ao.NotchSensitivityText = "Notch Sensitivity (-)";
  s.loadingData.StressInputMode = 1;
  s.results.MasterMseLabel.assign(1, '1');
  s.resultsDisplay.MseTag = "MSE(+): ";
  s.jobTexts.JobSubject = "Crane hook";
  return s;
}

// The texts printed, each with its line number in its block (-1 when it
// stands elsewhere).
struct Line {
  std::string text;
  double x, y;
};
std::vector<Line> Draw(ProgramState& s, const JobSummaryTexts& summary = {"Kt = ", "3.0", "Stress Conc. Factor:  Kt = "}) {
  RecordingSurface text(2400, 8000), graph(9000, 8000);
  DrawMasterCurveTexts(s, text, graph, Panel(), 0, summary);
  EXPECT_EQ(graph.FontName(), "Microsoft Sans Serif");
  std::vector<Line> lines;
  for (const auto& t : text.texts) lines.push_back({t.text, t.x, t.y});
  return lines;
}
// The text at line k of the block starting at y0, or "" when none.
std::string At(const std::vector<Line>& lines, double y0, int k) {
  for (const Line& l : lines)
    if (l.y == y0 - 240.0 * k && l.x == 300) return l.text;
  return "";
}

TEST(MasterCurveTexts, ConstantAmplitudeJob) {
  ProgramState s = Job();
  const std::vector<Line> lines = Draw(s);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "Loading: Spectrum");
  EXPECT_EQ(lines[0].y, 0.98 * 8000);
  EXPECT_EQ(lines[0].x, 200);
  EXPECT_EQ(lines[1].text, "Material: SN-data");
  EXPECT_EQ(lines[2].text, "Analysis Options");
  EXPECT_EQ(lines[3].text, "Crane hook");
  EXPECT_EQ(lines[3].y, 0.05 * 8000);
  const std::vector<std::string> loading = {"???", "Nominal Strs/Strn", "SS =  PAR (range)", "Smin =  0.0 MPa",
                                            "Cycles:  1", "Levels:   1"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(At(lines, kLoading0, k), loading[k]) << k;
  EXPECT_EQ(s.loadingData.LevelCount, 1);
  const std::vector<std::string> material = {"???", "Feature Specimen", "Se =  50.0 MPa", "No =  2E+6 cyc",
                                             "m  =  3.5", "r    =  -1.0", "Pn =  50.0 %", "", "", ""};
  for (int k = 0; k < 10; ++k) EXPECT_EQ(At(lines, kMaterial0, k), material[k]) << k;
  // Mean stress with a feature specimen under nominal stress: the notch factor follows the tag.
  EXPECT_EQ(At(lines, kOptions0, 1), "MSE(+): Kt = 3.0");
  EXPECT_EQ(At(lines, kOptions0, 2), "t = 25.0 mm, k = 0.25 ");
  EXPECT_EQ(At(lines, kOptions0, 3), "") << "no damage to failure for a constant amplitude";
}

// A history's extremes: unscaled over the load level, where the factor is
// the varied parameter, else times the job's factor, the larger first; the
// job's factor and extremes stay as they are.
TEST(MasterCurveTexts, HistoryExtremesLeaveTheJobsFactor) {
  struct Case {
    int16_t parameter;
    float factor;
    const char *smax, *smin;
  };
  const Case cases[] = {{1, 2.5f, "Smax = 180.0 MPa", "Smin = -60.5 MPa"},
                        {2, 2.0f, "Smax = 360.0 MPa", "Smin = -121.0 MPa"},
                        {2, -1.0f, "Smax = 60.5 MPa", "Smin = -180.0 MPa"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.smax);
    ProgramState s = Job();
    s.analysisOptions.LoadingType = 1;
    s.analysisOptions.MasterCurveParameter = c.parameter;
    s.loadingDbState.SelectedLoadingBatch = 4;
    s.loadingData.ScalingFactor = c.factor;
    s.loadingData.LoadSmax = 7;
    s.loadingData.LoadSmin = -3;
    s.loadingDatabase.BatchHistoryMax[4] = 180;
    s.loadingDatabase.BatchHistoryMin[4] = -60.5f;
    s.loadingDatabase.BatchPointCount[4] = 4001;
    const LoadingData before = s.loadingData;
    const std::vector<Line> lines = Draw(s);
    EXPECT_EQ(lines[0].text, "Loading: History");
    EXPECT_EQ(s.loadingData, before);
    EXPECT_EQ(At(lines, kLoading0, 2), c.smax);
    EXPECT_EQ(At(lines, kLoading0, 3), c.smin);
    EXPECT_EQ(At(lines, kLoading0, 4), "Points:  4001");
    EXPECT_EQ(At(lines, kLoading0, 5), c.parameter == 1 ? "RSF = PAR" : "");
    // A loading other than constant amplitude shows the S-N extension.
    EXPECT_EQ(At(lines, kMaterial0, 7), "Se'/Se  =  0.0");
    EXPECT_EQ(At(lines, kMaterial0, 8), "m'  =  3.5");
  }
}

TEST(MasterCurveTexts, SpectrumBatchLabelMovesTheLoadingLinesDown) {
  ProgramState s = Job();
  s.analysisOptions.LoadingType = 2;
  s.analysisOptions.MasterCurveParameter = 2;
  s.loadingDbState.SelectedLoadingBatch = 2;
  s.loadingDatabase.BatchPointCount[2] = 12;
  s.loadingDatabase.BatchBlockCycles[2] = 2500;
  s.loadingData.SpectrumLevelCount = 12;
  s.loadingData.StressInputMode = 2;
  s.loadingData.StressRange = 250;
  s.loadingData.StressMinOrMean = 20;
  s.loadingData.BatchMseText2 = "DMSE(+): 500/300/2.0";
  s.results.MasterMseLabel = "DMSE(+): 500/300/2.0";
  const std::vector<Line> lines = Draw(s);
  EXPECT_EQ(At(lines, kLoading0, 2), "DMSE(+): 500/300/2.0");
  EXPECT_EQ(At(lines, kLoading0, 3), "SS =  125.0 MPa (ampl.)");
  EXPECT_EQ(At(lines, kLoading0, 4), "Smean =  20.0 MPa");
  EXPECT_EQ(At(lines, kLoading0, 5), "Cycles:  2500");
  EXPECT_EQ(At(lines, kLoading0, 6), "Levels:   12");
  EXPECT_EQ(s.loadingData.LevelCount, 12);
  EXPECT_EQ(At(lines, kMaterial0, 2), "Se =  PAR");
  // Feature specimen and a spectrum: thickness, then the damage to failure.
  EXPECT_EQ(At(lines, kOptions0, 2), "t = 25.0 mm, k = 0.25 ");
  EXPECT_EQ(At(lines, kOptions0, 3), "DTF = 1.0");
}

TEST(MasterCurveTexts, DistributionStartsCloserUnderItsHeading) {
  ProgramState s = Job();
  s.analysisOptions.LoadingType = 4;
  s.loadingData.DistributionName = "Weibull ";
  s.loadingData.DistQInput = 1.25f;
  s.loadingData.DistRInput = 0.8f;
  s.materialData.SNExtensionRatio = 0.5f;
  s.materialData.SNExtensionExponent = 5;
  const std::vector<Line> lines = Draw(s);
  EXPECT_EQ(lines[0].text, "Loading: Weibull  Distr.");
  const double y0 = 0.98 * 8000 - 160;
  EXPECT_EQ(At(lines, y0, 0), "???");
  EXPECT_EQ(At(lines, y0, 3), "Q   =  1.25");
  EXPECT_EQ(At(lines, y0, 4), "R   =  0.8");
  EXPECT_EQ(At(lines, y0, 5), "SS =  PAR");
  EXPECT_EQ(At(lines, kMaterial0, 7), "Se'/Se  =  0.0");
  EXPECT_EQ(At(lines, kMaterial0, 8), "m'  =  3.5") << "a distribution shows m";
}

TEST(MasterCurveTexts, PlainSpecimenNotchAndReliabilityRows) {
  ProgramState s = Job();
  AnalysisOptions& ao = s.analysisOptions;
  ao.LoadingType = 2;
  ao.SNDataSpecimen = 2;
  ao.StressApproach = 2;
  ao.NotchSensitivityMode = 2;
  ao.RelOption = 1;
  ao.RelValue = 0.95f;
  s.componentData.Kf = 2.2f;
  s.componentData.NotchRadius = 2.5f;
  s.unitSettings.LengthUnitFactor = 1;
  const std::vector<Line> lines = Draw(s, {"Kf = ", "2.2", "Notch Factor:         Kf = "});
  EXPECT_EQ(At(lines, kOptions0, 1), "Kf = 2.2, r = 2.5 mm");
  EXPECT_EQ(At(lines, kOptions0, 2), "MSE(+): ");
  EXPECT_EQ(At(lines, kOptions0, 3), "") << "no thickness line for a plain specimen";
  EXPECT_EQ(At(lines, kOptions0, 4), "DTF = 1.0") << "still one line down";
  bool rel = false;
  for (const Line& l : lines)
    if (l.text == "REL  =  0.95") rel = l.x == 300 && l.y == kOptions0 - 480;
  EXPECT_TRUE(rel);

  ao.StressApproach = 1;  // nominal: the plain specimen's Kt row
  s.componentData.Kt = 3.25f;
  const std::vector<Line> nominal = Draw(s, {"Kt = ", "3.25", "Stress Conc. Factor:  Kt = "});
  EXPECT_EQ(At(nominal, kOptions0, 1), "r = 2.5 mm");
  EXPECT_EQ(At(nominal, kOptions0, 5), "  Kt = 3.25 ");
}

}  // namespace
