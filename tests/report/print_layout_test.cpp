// The layouts of the print commands: the printed report's page, the summary
// box's place and lines, the drawings that picture the main window and the
// companion bitmap's name.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "program_state.h"
#include "report/bitmap_names.h"
#include "report/data_box_layout.h"
#include "report/report_page.h"
#include "report/screen_sequence.h"
#include "support/recording_surface.h"

namespace {

TEST(ReportPage, CourierFromFortyMillimetresForASingleCaseAndTwentyForAMasterCurve) {
  for (const auto& [mode, top] : {std::pair{1, "CurrentY=40"}, std::pair{2, "CurrentY=20"}}) {
    RecordingSurface page(16838, 11906, true);
    PrintReportPage(page, {"", "  Tester"}, static_cast<int16_t>(mode));
    EXPECT_EQ(page.log, (std::vector<std::string>{"CurrentX=0", "CurrentY=0", "ScaleMillimeters", "FontName=Courier",
                                                  "FontBold=0", "FontItalic=0", "FontUnderline=0", "FontSize=10",
                                                  "FontName=Courier", top, "Print ''", "Print '  Tester'"}));
  }
}

struct GeometryCase {
  const char* name;
  bool printer;
  float width, height;
  bool distribution;
  DataBoxGeometry want;
};

TEST(DataBoxGeometry, ThePageRatioChoosesThePrinterLayout) {
  const GeometryCase cases[] = {
      {"a Letter sheet on its side (tall)", true, 15840, 12240, false, {6465.3062f, 4525.7144f, 8236.8f, 1224, 1}},
      {"tall, distribution", true, 15840, 12240, true, {6465.3062f, 4525.7144f, 4752, 1224, 1}},
      {"ratio exactly 0.72 (middle)", true, 10000, 7200, false, {4000, 2769.2307f, 5100, 720, 1}},
      {"ratio exactly 0.70 (middle)", true, 10000, 7000, true, {4000, 2692.3076f, 3000, 700, 1}},
      {"an A4 sheet on its side (middle)", true, 16838, 11906, false, {6735.2f, 4579.2305f, 8587.38f, 1190.6f, 1}},
      {"ratio 0.69 (wide)", true, 10000, 6900, false, {3791.2087f, 2653.8462f, 4420, 690, 1}},
      {"wide, distribution", true, 10000, 6900, true, {3791.2087f, 2653.8462f, 2730, 690, 1}},
      {"the hidden picture follows the font scale", false, 12000, 9000, false, {5882.353f, 4306.2202f, 6061.2f, 45, 1.08f}},
      {"hidden picture, distribution", false, 12000, 9000, true, {5882.353f, 4306.2202f, 3061.2f, 45, 1.08f}},
  };
  for (const GeometryCase& c : cases) {
    const DataBoxGeometry g = DataBoxGeometryOf(c.printer, c.width, c.height, c.distribution, 1.08f);
    EXPECT_FLOAT_EQ(g.W, c.want.W) << c.name;
    EXPECT_FLOAT_EQ(g.H, c.want.H) << c.name;
    EXPECT_FLOAT_EQ(g.C, c.want.C) << c.name;
    EXPECT_FLOAT_EQ(g.T, c.want.T) << c.name;
    EXPECT_FLOAT_EQ(g.fs, c.want.fs) << c.name;
  }
}

DataBoxTexts Texts() {
  DataBoxTexts t;
  t.subject = "Subject:  ";
  t.load = "Loading:  ";
  t.material = "Material:  ";
  t.extLabel[0] = "Se'/Se = ";
  t.extText[0] = "0.5";
  t.extLabel[1] = "m' = ";
  t.extText[1] = "7.0";
  t.notchLabel = "Kt = ";
  t.notchText = "2.5";
  t.notchTag = "{N5}";
  t.radiusLabel = "r = ";
  t.radiusText = "1.0";
  t.thicknessLabel[0] = "t = 25";
  t.thicknessLabel[1] = "  k = 0.25";
  t.mseLabel = "Mean Stress: ";
  t.notchQuantityLabel = "Kt = ";
  t.notchQuantityText = "3.0";
  t.damageLabel = "D to failure: ";
  t.damageText = "1.0";
  t.life = "Fatigue life:   2.000E+6 [cyc] ";
  return t;
}

// Each line as "y: items|items" (with "..." when the line stays open), the
// height in hundredths of the box.
std::vector<std::string> Described(const std::vector<DataBoxLine>& lines, float H) {
  std::vector<std::string> out;
  for (const DataBoxLine& l : lines) {
    std::string d = std::to_string(static_cast<int>(std::lround(l.y / H * 100))) + ":";
    for (const std::string& item : l.items) d += item + "|";
    if (!l.ended) d += "...";
    if (l.bold) d += " bold";
    out.push_back(d);
  }
  return out;
}

struct LinesCase {
  const char* name;
  std::function<void(AnalysisOptions&)> options;
  std::vector<std::string> want;
};

TEST(DataBoxLines, RowsFollowTheJobsOptionsInTheirOrder) {
  const LinesCase cases[] = {
      {"feature specimen, notch sensitivity neglected, mean stress accounted: spectrum",
       [](AnalysisOptions& a) { a.LoadingType = 2; },
       {"90:Subject:  |Bracket|", "81:Loading:  |Crane|", "72:Material:  |S355|", "63:Se'/Se = |0.5|", "58:m' = |7.0|",
        "40:t = 25|  k = 0.25|", "31:Mean Stress: |MSE(+)|Kt = |3.0|", "22:D to failure: |1.0|",
        "13:Fatigue life:   2.000E+6 [cyc] | bold"}},
      {"constant amplitude: no extension rows, the rest moves up",
       [](AnalysisOptions& a) { a.MeanStressOption = 1; },
       {"90:Subject:  |Bracket|", "81:Loading:  |Crane|", "72:Material:  |S355|", "49:t = 25|  k = 0.25|",
        "40:Mean Stress: |MSE(+)|...", "31:D to failure: |1.0|", "13:Fatigue life:   2.000E+6 [cyc] | bold"}},
      {"plain specimen, probabilistic, nominal: Kt with its tag, the radius",
       [](AnalysisOptions& a) {
         a.SNDataSpecimen = 2;
         a.AnalysisKind = 2;
         a.NotchSensitivityMode = 2;
       },
       {"90:Subject:  |Bracket|", "81:Loading:  |Crane|", "72:Material:  |S355|", "58:Kt = |2.5|  |{N5}|",
        "49:r = |1.0|", "40:Mean Stress: |MSE(+)|...", "31:D to failure: |1.0|",
        "13:Fatigue life:   2.000E+6 [cyc] | bold"}},
      {"plain specimen, local stress with notch sensitivity: (NS & MSE)",
       [](AnalysisOptions& a) {
         a.SNDataSpecimen = 2;
         a.StressApproach = 2;
         a.NotchSensitivityMode = 2;
       },
       {"90:Subject:  |Bracket|", "81:Loading:  |Crane|", "72:Material:  |S355|", "58:Kt = |2.5|  |(NS| & MSE)|",
        "49:r = |1.0|", "40:Mean Stress: |MSE(+)|...", "31:D to failure: |1.0|",
        "13:Fatigue life:   2.000E+6 [cyc] | bold"}},
      {"plain specimen, deterministic, notch sensitivity neglected: the Kt line stays open",
       [](AnalysisOptions& a) { a.SNDataSpecimen = 2; },
       {"90:Subject:  |Bracket|", "81:Loading:  |Crane|", "72:Material:  |S355|", "58:Kt = |2.5|  |...",
        "40:Mean Stress: |MSE(+)|...", "31:D to failure: |1.0|", "13:Fatigue life:   2.000E+6 [cyc] | bold"}},
      {"plain specimen used locally without notch sensitivity: no Kt line",
       [](AnalysisOptions& a) {
         a.SNDataSpecimen = 2;
         a.StressApproach = 2;
         a.MeanStressOption = 1;
       },
       {"90:Subject:  |Bracket|", "81:Loading:  |Crane|", "72:Material:  |S355|", "40:Mean Stress: |MSE(+)|...",
        "31:D to failure: |1.0|", "13:Fatigue life:   2.000E+6 [cyc] | bold"}},
  };
  for (const LinesCase& c : cases) {
    ProgramState s;
    AnalysisOptions& a = s.analysisOptions;
    a.LoadingType = 3;
    a.SNDataSpecimen = 1;
    a.StressApproach = 1;
    a.NotchSensitivityMode = 1;
    a.MeanStressOption = 2;
    s.jobTexts = {"Bracket", "S355", "Crane"};
    s.resultsDisplay.MseTag = "MSE(+)";
    s.componentData.Kt = 2.5f;
    c.options(a);
    const DataBoxGeometry g{4000, 2800, 5000, 700, 1};
    const std::vector<DataBoxLine> lines = DataBoxLines(s, Texts(), g, true);
    EXPECT_EQ(Described(lines, g.H), c.want) << c.name;
  }
}

TEST(DataBoxLines, TheSecondExtensionRowStandsFurtherInOnTheHiddenPicture) {
  ProgramState s;
  s.analysisOptions.LoadingType = 1;
  const DataBoxGeometry g{3600, 2800, 5000, 700, 1};
  for (const auto& [printer, offset] : {std::pair{true, 1500.0f}, std::pair{false, 1800.0f}}) {
    const std::vector<DataBoxLine> lines = DataBoxLines(s, Texts(), g, printer);
    EXPECT_FLOAT_EQ(lines[0].x, 300);
    EXPECT_FLOAT_EQ(lines[4].x, 300 + offset);
    EXPECT_FLOAT_EQ(lines[4].y, 0.58f * 2800);
  }
}

struct DrawingsCase {
  int16_t mode, loading;
  bool spectrumShown;
  std::vector<ScreenDrawing> own, second;
};

TEST(ScreenDrawings, TheMainScreenByAnalysisAndLoading) {
  using enum ScreenDrawing;
  const DrawingsCase cases[] = {
      {1, 1, false, {SNCurve, History, Damage, DataBox}, {History, Damage, SNCurve, DataBox}},
      {1, 2, true, {SNCurve, Spectrum, Damage, DataBox}, {Spectrum, Damage, SNCurve, DataBox}},
      {1, 3, false, {SNCurve, Distribution, Damage, DataBox}, {Spectrum, Damage, SNCurve, DataBox}},
      {1, 4, false, {SNCurve, Distribution, DataBox}, {Spectrum, Damage, SNCurve, DataBox}},
      {1, 0, true, {SNCurve, Damage, DataBox}, {History, Damage, SNCurve, DataBox}},
      {2, 2, true, {MasterCurve}, {Spectrum, Damage, SNCurve, DataBox}},
  };
  for (const DrawingsCase& c : cases) {
    AnalysisOptions a;
    a.AnalysisMode = c.mode;
    a.LoadingType = c.loading;
    EXPECT_EQ(MainScreenDrawings(a, c.spectrumShown), c.own) << c.mode << "/" << c.loading;
    EXPECT_EQ(SecondWindowMainScreenDrawings(a), c.second) << c.mode << "/" << c.loading;
  }
}

TEST(MainScreenBitmapName, ReplacesTheLastFourCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"/out/results.bmp", "/out/results_m.bmp"}, {"C:\\out\\report", "C:\\out\\re_m.bmp"},
      {"a.bm", "_m.bmp"},                         {"ab", "ab_m.bmp"},
      {"", "_m.bmp"},                             {"/tmp/Gr\u00fc\u00dfe.bmp", "/tmp/Gr\u00fc\u00dfe_m.bmp"},
      {"/tmp/x\u00e4\u00f6\u00fc\u00df", "/tmp/x_m.bmp"},
  };
  for (const auto& [chosen, want] : cases) EXPECT_EQ(MainScreenBitmapName(chosen), want) << chosen;
}

}  // namespace
