#include "report/summary_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "loading/loading_units.h"
#include "platform/runtime/date_time.h"
#include "report_jobs.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"

namespace {

const std::string kRule(43, '-');

ReportLines Report(ProgramState& s, ReportVariant variant = ReportVariant::File) {
  return SummaryReportLines(s, ConstantAmplitudeCaptions(), "01-02-2025", variant);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SummaryReport : public ::testing::Test {
 protected:
  SummaryReport() { PutConstantAmplitudeJob(s); }
  ProgramState s;
};

TEST_F(SummaryReport, FileLinesOfAConstantAmplitudeJob) {
  const ReportLines r = Report(s);
  ASSERT_EQ(r.error, "");
  const std::vector<std::string>& l = r.lines;
  ASSERT_GE(l.size(), 7u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], "");
  EXPECT_EQ(l[2], Then(At(15, "Tester"), 48, "01-02-2025"));
  EXPECT_EQ(l[6], At(23, "PROGRAM  >>> D U V A K <<< "));
  EXPECT_TRUE(HasInOrder(l, {At(15, "Endurance Limit (ampl.)[MPa]  Se =  100.0 "),
                             Then(At(15, "Stress Amplitude [MPa]"), 42, "SSmax =  100.0"),
                             At(36, "MSE(+)Kt = 3.0"), At(15, "Total Damage:    D = 1.25E-4")}));
  EXPECT_EQ(l[l.size() - 2], "");
  EXPECT_EQ(l.back(), At(15, "No. of Cycles:   N = 1.2345E+4"));
}

TEST_F(SummaryReport, FileMatchesTheFixtureByteForByte) {
  ScopedTempFolder folder("summary_report");
  const std::string path = (folder.path() / "job.txt").string();
  FakeHost host;
  const std::string today = DateText(LocalTimeNow());
  ASSERT_TRUE(WriteReportToFile(s, ConstantAmplitudeCaptions(), path, host));
  EXPECT_TRUE(host.messages.empty());
  std::string expected = ReadFile(std::filesystem::path(FLA_TESTS_DIR) / "report" / "constant_amplitude_report.txt");
  ASSERT_FALSE(expected.empty());
  expected.replace(expected.find("01-02-2025"), 10, today);
  EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(SummaryReport, PrintedVariantColumnsAndWordings) {
  const ReportLines r = Report(s, ReportVariant::Printed);
  ASSERT_EQ(r.error, "");
  const std::vector<std::string>& l = r.lines;
  ASSERT_GE(l.size(), 6u);
  EXPECT_EQ(l[2], Then(At(20, "Tester"), 53, "01-02-2025"));
  EXPECT_EQ(l[3], "") << "one empty line after the owner";
  EXPECT_EQ(l[4], At(20, kRule));
  EXPECT_EQ(l[5], At(29, "PROGRAM  >>> D U V A K <<< "));
  EXPECT_TRUE(HasInOrder(l, {At(20, "SUBJECT:   Bracket"), "", At(20, "MATERIAL DATA: S355")}));
  EXPECT_TRUE(HasInOrder(l, {Then(At(20, "Stress Amplitude [MPa]"), 47, "SSmax =  100.0"),
                             At(20, "Thickness Effect Exponent      k =  0.25"),
                             At(20, "Analysis Options:  Notch Sensitivity (-)"), At(39, "MSE(+)Kt = 3.0 ")}));
}

TEST_F(SummaryReport, MasterCurveBeginsWithTheOwnerAndEndsWithTheTable) {
  AnalysisOptions& a = s.analysisOptions;
  a.AnalysisMode = 2;
  a.MasterCurveParameter = 2;
  a.MasterCurveSteps = 2;
  a.LifeUnit = 2;
  s.lifeResults.MasterParam = {0, 100, 150, 200};
  s.lifeResults.MasterLife = {0, 2.5e6f, 1.25e5f, 9.9e29f};
  s.resultsDisplay.LifeUnitFactor = 1;
  s.resultsDisplay.LifeUnitFactor2 = 1;
  const ReportLines r = Report(s);
  ASSERT_EQ(r.error, "");
  const std::vector<std::string>& l = r.lines;
  EXPECT_EQ(l[0], Then(At(15, "Tester"), 48, "01-02-2025"));
  EXPECT_TRUE(HasInOrder(l, {At(15, "Endurance Limit (ampl.)[MPa]  Se =   PAR"), At(15, "FATIGUE LIFE:")}));
  const std::vector<std::string> table(l.end() - 7, l.end());
  EXPECT_EQ(table, (std::vector<std::string>{
                       At(15, kRule), Then(At(15, " PAR[MPa]"), 48, "N [blk] "), At(15, kRule),
                       Then(At(15, " 50.0"), 47, "2.5000E+6"),
                       Then(At(15, " 75.0"), 47, "1.2500E+5"),
                       Then(At(15, " 100.0"), 47, " infinite"), At(15, kRule)}));
  EXPECT_EQ(std::count(l.begin(), l.end(), At(15, "Total Damage:    D = 1.25E-4")), 0);
}

// The master-curve table names and shows its parameter as the master-curve
// diagram does: the stored value over the diagram's divisor (2 for the
// endurance limit and for what a master curve over Kt holds, the input's
// form for a load level, 1 for a history's scaling factor) times the display
// factor; a factor with the decimals that show each row as it is.
struct MasterTableCase {
  const char* what;
  std::function<void(ProgramState&)> change;
  std::vector<float> params;  // stored, from row 1
  std::string heading;
  std::vector<std::string> column;  // the rows' parameter texts
  ReportVariant variant = ReportVariant::File;
};

void MasterCurveOver(ProgramState& s, int16_t parameter, int16_t loading) {
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.MasterCurveParameter = parameter;
  s.analysisOptions.LoadingType = loading;
  s.resultsDisplay.LifeUnitFactor = 1;
  s.resultsDisplay.LifeUnitFactor2 = 1;
}

// A history's scaling factor from 0.5 to 2.0 in 20 steps, added up in
// Single as the damage routine steps it.
std::vector<float> ScalingFactorSteps() {
  std::vector<float> factors;
  float k = 0.5f;
  for (int i = 0; i <= 20; ++i, k += 0.075f) factors.push_back(k);
  return factors;
}

// A strain loading typed in, E = 200000 MPa: shown in micro-strain, 5 a MPa.
void StrainLoading(ProgramState& s) {
  s.loadingUnits.LoadQuantity = "Strain ";
  s.materialData.YoungModulus = 200000;
  FollowLoadingUnits(s);
}

std::vector<std::string> Texts(std::initializer_list<const char*> texts) { return {texts.begin(), texts.end()}; }

const MasterTableCase kMasterTableCases[] = {
    {"a history's scaling factor, 0.5 to 2.0, as the diagram shows it",
     [](ProgramState& s) { MasterCurveOver(s, 1, 1); },
     ScalingFactorSteps(),
     " PAR",
     Texts({" 0.500", " 0.575", " 0.650", " 0.725", " 0.800", " 0.875", " 0.950", " 1.025", " 1.100", " 1.175",
            " 1.250", " 1.325", " 1.400", " 1.475", " 1.550", " 1.625", " 1.700", " 1.775", " 1.850", " 1.925",
            " 2.000"})},
    {"a scaling factor in tenths keeps one decimal",
     [](ProgramState& s) { MasterCurveOver(s, 1, 1); },
     {1.0f, 1.1f, 1.2f},
     " PAR",
     Texts({" 1.0", " 1.1", " 1.2"})},
    {"a constant amplitude typed as a range with the mean stress: ranges",
     [](ProgramState& s) {
       MasterCurveOver(s, 1, 3);
       s.loadingData.StressInputMode = 1;
     },
     {100, 150},
     " PAR[MPa] (range)",
     Texts({" 100.0", " 150.0"})},
    {"a constant amplitude typed as an amplitude: amplitudes",
     [](ProgramState& s) { MasterCurveOver(s, 1, 3); },
     {100, 150},
     " PAR[MPa] (ampl.)",
     Texts({" 50.0", " 75.0"})},
    {"a strain spectrum: in the loading's unit",
     [](ProgramState& s) {
       MasterCurveOver(s, 1, 2);
       StrainLoading(s);
       s.resultsDisplay.LifeUnitFactor2 = s.loadingUnits.LoadUnitFactor;
     },
     {100, 150},
     std::string(" PAR[") + kMicroSign + "str] (ampl.)",
     Texts({" 250.0", " 375.0"})},
    {"the endurance limit of a job typed as ranges: amplitudes, as its line says",
     [](ProgramState& s) {
       MasterCurveOver(s, 2, 3);
       s.loadingData.StressInputMode = 1;
     },
     {80, 140},
     " PAR[MPa]",
     Texts({" 40.0", " 70.0"})},
    {"Kt: the endurance limit over Kf it holds, as the diagram shows it",
     [](ProgramState& s) {
       MasterCurveOver(s, 3, 3);
       s.loadingData.StressInputMode = 1;
     },
     {80, 80},
     " PAR[MPa]",
     Texts({" 40.0", " 40.0"})},
    {"printed: the endurance limit of a strain loading in the stress unit",
     [](ProgramState& s) {
       MasterCurveOver(s, 2, 3);
       StrainLoading(s);
     },
     {80, 140},
     " PAR [MPa]",
     Texts({" 40.0", " 70.0"}),
     ReportVariant::Printed},
};

TEST_F(SummaryReport, MasterCurveTableShowsItsParameterAsTheDiagram) {
  for (const MasterTableCase& c : kMasterTableCases) {
    SCOPED_TRACE(c.what);
    ProgramState job;
    PutConstantAmplitudeJob(job);
    job.analysisOptions.LifeUnit = 2;
    c.change(job);
    job.analysisOptions.MasterCurveSteps = static_cast<int16_t>(c.params.size() - 1);
    for (size_t i = 0; i < c.params.size(); ++i) {
      job.lifeResults.MasterParam[i + 1] = c.params[i];
      job.lifeResults.MasterLife[i + 1] = 1000.0f * (i + 1);
    }
    const ReportLines r = Report(job, c.variant);
    ASSERT_EQ(r.error, "");
    const int column = c.variant == ReportVariant::File ? 15 : 20;
    const int lifeColumn = c.variant == ReportVariant::File ? 47 : 52;
    const auto rows = r.lines.end() - 1 - static_cast<std::ptrdiff_t>(c.params.size());
    ASSERT_EQ(*(rows - 1), At(column, kRule));
    EXPECT_EQ(rows[-2].substr(0, column - 1 + c.heading.size()), At(column, c.heading)) << rows[-2];
    EXPECT_EQ(rows[-2].substr(column - 1, c.heading.size() + 1).back(), ' ') << "nothing follows the heading";
    std::vector<std::string> column_texts;
    for (auto row = rows; row != r.lines.end() - 1; ++row)
      column_texts.push_back(row->substr(column - 1, lifeColumn - column));
    std::vector<std::string> wanted;
    for (const std::string& text : c.column) {
      std::string padded = text;
      padded.resize(lifeColumn - column, ' ');
      wanted.push_back(padded);
    }
    EXPECT_EQ(column_texts, wanted);
  }
}

TEST_F(SummaryReport, InfiniteLifeEndsTheReport) {
  s.results.InfiniteLifeFlag = 1;
  s.analysisOptions.LoadingType = 2;  // a spectrum would have a blocks line
  const ReportLines r = Report(s);
  EXPECT_EQ(r.lines.back(), At(15, "No. of Cycles:   N =  INFINITE..."));
}

TEST_F(SummaryReport, ProbabilisticSingleCaseStoresTheLifeAtTheRequiredReliability) {
  s.analysisOptions.AnalysisKind = 2;
  s.randomVariableTable.RvType[1] = 2;
  s.randomVariableTable.RvCov[1] = 0.1f;
  s.randomVariableTable.RvType[2] = 0;
  s.mcsSettings.SimulationsDone = 1000;
  s.mcsResults.ProbabilityLevel = 0.999;
  s.mcsResults.ReferenceLife = 2000;
  s.mcsResults.LifeAtReliability = 800;
  s.loadingData.CyclesPerBlock = 1000;
  s.loadingDatabase.BatchBlockTime[0] = 30;
  const ReportLines r = Report(s);
  ASSERT_EQ(r.error, "");
  EXPECT_TRUE(HasInOrder(r.lines, {At(15, "Endurance Limit (ampl.)[MPa]  Se =  100.0 {L10}"),
                                   Then(At(15, "Scaling factor"), 42, "    k =  1.0 {\u2013}"),
                                   At(15, "MCS: NoFL/FSA"), At(15, "Sampling: S = 1000 "), At(15, "Fit:  Log-normal"),
                                   At(15, "Failure Probability: Pf = 1.00E-3"),
                                   At(15, "Scatter Factor:      SF = 2.50"), "",
                                   At(15, "No. of Cycles:   N = 8.0000E+5")}));
  EXPECT_EQ(std::count_if(r.lines.begin(), r.lines.end(),
                          [](const std::string& x) { return x.find("Total Damage") != std::string::npos; }),
            0);
  EXPECT_EQ(s.lifeResults.LifeByUnit, (std::array<float, 4>{0, 800000, 800, 400}));
}

// A simulation without statistics (a lower tail without spread) has no fit,
// failure probability or scatter factor, and leaves the job's life; a life at
// the required reliability of 0 has no scatter factor. The report comes out
// whole either way.
TEST_F(SummaryReport, MeasuresASimulationCannotHaveAreLeftOut) {
  struct Case {
    const char* what;
    int16_t readStatus;
    std::vector<std::string> measures;
    std::array<float, 4> life;
  };
  const Case cases[] = {
      {"no statistics", -3, {"Sampling: S = 100 "}, {0, 12345, 12345, 0}},
      {"no life at the reliability",
       0,
       {"Sampling: S = 100 ", "Fit:  Log-normal", "Failure Probability: Pf = 1.00E-3"},
       {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PutConstantAmplitudeJob(s);
    s.analysisOptions.AnalysisKind = 2;
    s.mcsSettings.SimulationsDone = 100;
    s.mcsResults.ProbabilityLevel = 0.999;
    s.mcsResults.ReferenceLife = 12345;
    s.mcsResults.LifeAtReliability = 0;
    s.mcsResults.ResultsReadStatus = c.readStatus;
    for (const ReportVariant variant : {ReportVariant::File, ReportVariant::Printed}) {
      const ReportLines r = Report(s, variant);
      EXPECT_EQ(r.error, "");
      // The measures after the sampling line, an empty line, the life.
      const int column = variant == ReportVariant::File ? 15 : 20;
      std::vector<std::string> wanted;
      for (const std::string& text : c.measures) wanted.push_back(At(column, text));
      wanted.push_back("");
      const auto sampling = std::find(r.lines.begin(), r.lines.end(), wanted.front());
      ASSERT_NE(sampling, r.lines.end());
      EXPECT_EQ(std::vector<std::string>(sampling, r.lines.end() - 1), wanted);
      EXPECT_EQ(r.lines.back().substr(0, column + 20), At(column, "No. of Cycles:   N = "));
    }
    EXPECT_EQ(s.lifeResults.LifeByUnit, c.life);
  }
}

TEST_F(SummaryReport, RowsBeyondTheMasterCurveArraysStopTheReport) {
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.MasterCurveSteps = 40;
  s.resultsDisplay.LifeUnitFactor2 = 1;
  const ReportLines r = Report(s);
  EXPECT_EQ(r.error, "Subscript out of range");
  const auto firstRow = std::find(r.lines.rbegin(), r.lines.rend(), At(15, kRule)).base();
  EXPECT_EQ(r.lines.end() - firstRow, kMasterPointsMax);
}

TEST_F(SummaryReport, ABatchBeyondTheDatabaseStopsTheReport) {
  s.analysisOptions.LoadingType = 1;
  s.loadingDbState.SelectedLoadingBatch = 21;
  const ReportLines r = Report(s);
  EXPECT_EQ(r.error, "Subscript out of range");
  EXPECT_EQ(r.lines.back(), At(15, "Type: Nominal Strs/Strn - History"));
}

// Lines that appear or change with the job's options.
struct LineCase {
  const char* name;
  std::function<void(ProgramState&)> change;
  std::vector<std::string> lines;  // in this order
  ReportVariant variant = ReportVariant::File;
};

void History(ProgramState& s) {
  s.analysisOptions.LoadingType = 1;
  s.loadingDbState.SelectedLoadingBatch = 3;
  s.loadingDbState.LoadingSource = 1;
  s.loadingDatabase.BatchPointCount[3] = 5000;
  s.loadingDatabase.BatchHistoryMax[3] = 120;
  s.loadingDatabase.BatchHistoryMin[3] = -80;
  s.loadingDatabase.BatchBlockTime[3] = 90;
  s.loadingData.HistoryScaleUsed = -0.5f;
  s.lifeResults.LifeByUnit = {0, 12345, 4.5f, 6.75f};
}

// A master curve over the history's load level (one point).
void HistoryOverTheLoadLevel(ProgramState& s) {
  History(s);
  s.analysisOptions.AnalysisMode = 2;
  s.analysisOptions.MasterCurveSteps = 0;
}

const LineCase kLineCases[] = {
    {"US units convert the material's stresses",
     [](ProgramState& s) {
       s.unitSettings = UnitsOf(UnitSystem::US);
       s.loadingUnits.LoadQuantity = "Strain ";
     },
     {At(15, "Endurance Limit (ampl.)[ksi]  Se =  14.5 "), At(15, "Ultimate Strength [ksi]       Su =  72.6"),
      At(15, "Young's Modulus [ksi]          E =  30457"), At(15, "Hot Spot Thickness [in]        t =  1.0")}},
    {"a negative history scale swaps the extremes; blocks and hours follow",
     History,
     {At(15, "SN-Extention:             Se'/Se =  0.0"), At(15, "                              m' =  3.5"),
      Then(At(15, "No. of Points"), 43, " NOP =  5000"),
      Then(At(15, "Stress MAX [MPa]"), 43, "Smax =  40.0"),
      Then(At(15, "Stress MIN [MPa]"), 43, "Smin =  -60.0"),
      At(15, "Damage to Failure:  d =  1.0"), At(15, "No. of Cycles:   N = 1.2345E+4"),
      At(15, "No. of Blocks:  BL = 4.50000E+0"), At(15, "No. of Hours:    T = 6.75000E+0")}},
    {"the history over a load-level master curve: unscaled, PAR rows",
     HistoryOverTheLoadLevel,
     {Then(At(15, "Stress MAX [MPa]"), 43, "Smax =  120.0"),
      Then(At(15, "Rescale Factor"), 43, " RSF =  PAR"),
      Then(At(15, " PAR"), 48, "N [cyc] ")}},
    {"printed: the history's rescale line in capitals at 48",
     HistoryOverTheLoadLevel,
     {Then(At(20, "RESCALE FACTOR"), 48, " RSF =  PAR"),
      Then(At(20, " PAR "), 54, "N [cyc] ")},
     ReportVariant::Printed},
    {"a Weibull distribution from a database batch with a history",
     [](ProgramState& s) {
       s.analysisOptions.LoadingType = 4;
       LoadingData& ld = s.loadingData;
       ld.DistributionType = 2;
       ld.DistributionName = "Weibull ";
       ld.DistQ = 0.5f;
       ld.StressRangeTo = 300;
       ld.DistR = 1.25f;
       ld.BatchMseText = "DMSE(+)  ";
       s.loadingDbState.SelectedLoadingBatch = 2;
       s.loadingDbState.LoadingSource = 1;
       s.loadingDatabase.BatchPointCount[2] = 10;
     },
     {At(15, "Type: Nominal Strs/Strn - Distr.Weibull "), At(15, "              PARAMETERS:      Q =  150.0"),
      At(15, "                               R =  1.25"), At(15, "Rainflow MSE:  DMSE(+)  "), "",
      At(15, "No. of Cycles:   N = 1.2345E+4"), At(15, "No. of Blocks:  BL = 1.23450E+4")}},
    {"a log-normal distribution shifts Q by the log of the range",
     [](ProgramState& s) {
       s.analysisOptions.LoadingType = 4;
       s.loadingData.DistributionType = 3;
       s.loadingData.DistQ = 1;
       s.loadingData.StressRangeTo = 100;
       s.loadingData.DistRInput = 0.5f;
     },
     {At(20, "              PARAMETERS:      Q =  5.61"), At(20, "                               R =  0.5")},
     ReportVariant::Printed},
    {"a spectrum typed as range and minimum",
     [](ProgramState& s) {
       s.analysisOptions.LoadingType = 2;
       s.loadingData.StressInputMode = 1;
       s.loadingData.CyclesPerBlock = 1110;
       s.loadingData.LevelCount = 3;
       s.loadingData.StressMinOrMean = -20;
     },
     {Then(At(15, "No. of Cycles"), 43, "   N =  1110"),
      Then(At(15, "No. of Levels"), 43, "  NL =  3"),
      Then(At(15, "Stress Range [MPa]"), 42, "SSmax =  200.0"),
      At(15, "Stress Min [MPa]           Smin =  -20.0")}},
    {"local stress without notch sensitivity: one empty line for the component",
     [](ProgramState& s) { s.analysisOptions.StressApproach = 2; },
     {At(15, "Stress Mean [MPa]          Smean =  50.0"), "", At(15, "OPTIONS: ")}},
    {"a plain specimen with notch sensitivity: Kt, its tag, the notch radius",
     [](ProgramState& s) {
       s.analysisOptions.SNDataSpecimen = 2;
       s.analysisOptions.NotchSensitivityMode = 2;
       s.analysisOptions.AnalysisKind = 2;
       s.randomVariableTable.RvType[3] = 1;
       s.randomVariableTable.RvCov[3] = 0.05f;
       s.mcsResults.LifeAtReliability = 1;
       s.componentData.Kt = 2.5f;
       s.componentData.NotchRadius = 0.75f;
     },
     {At(15, "COMPONENT: "), At(15, "----------"), At(15, "Stress Conc. Factor:  Kt = 2.5 {N5}"),
      At(15, "Notch Radius:  r =  0.75"), "", At(15, "OPTIONS: ")}},
    {"a master curve over Kt: the stress stands, as on the master-curve screen",
     [](ProgramState& s) {
       s.analysisOptions.AnalysisMode = 2;
       s.analysisOptions.MasterCurveParameter = 3;
       s.analysisOptions.MasterCurveSteps = 0;
     },
     {At(15, "Endurance Limit (ampl.)[MPa]  Se =   PAR"),
      Then(At(15, "Stress Amplitude [MPa]"), 42, "SSmax =  100.0")}},
    {"US units: the notch radius in inches, as the thickness",
     [](ProgramState& s) {
       s.unitSettings = UnitsOf(UnitSystem::US);
       s.analysisOptions.SNDataSpecimen = 2;
       s.analysisOptions.NotchSensitivityMode = 2;
       s.componentData.Kt = 2.5f;
       s.componentData.NotchRadius = 2.54f;
     },
     {At(15, "Notch Radius:  r =  0.1"), "", At(15, "OPTIONS: ")}},
    {"local stress with notch sensitivity: the entered notch factor and its mean-stress mark",
     [](ProgramState& s) {
       s.analysisOptions.SNDataSpecimen = 2;
       s.analysisOptions.StressApproach = 2;
       s.analysisOptions.NotchSensitivityMode = 2;
       s.componentData.MseNotchFactor = 2.125f;
     },
     {At(15, "Stress Conc. Factor:  Kt = 2.125 (NS & MSE)"), At(36, "MSE(+)")}},
};

TEST_F(SummaryReport, LinesFollowTheJobsOptions) {
  for (const LineCase& c : kLineCases) {
    ProgramState job;
    PutConstantAmplitudeJob(job);
    c.change(job);
    const ReportLines r = Report(job, c.variant);
    EXPECT_EQ(r.error, "") << c.name;
    std::string text;
    for (const std::string& line : r.lines) text += "|" + line + "|\n";
    EXPECT_TRUE(HasInOrder(r.lines, c.lines)) << c.name << "\n" << text;
  }
}

TEST_F(SummaryReport, AFailedReportLeavesTheFileThatWasThere) {
  ScopedTempFolder folder("summary_report");
  const std::string path = (folder.path() / "old.txt").string();
  folder.Write("old.txt", "the old report\r\n");
  s.analysisOptions.LoadingType = 1;
  s.loadingDbState.SelectedLoadingBatch = 21;
  FakeHost host;
  EXPECT_FALSE(WriteReportToFile(s, ConstantAmplitudeCaptions(), path, host));
  EXPECT_EQ(folder.Read("old.txt"), "the old report\r\n");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Subscript out of range");
  EXPECT_EQ(host.messages[0].title, "Printing to File ...");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(host.events.front(), "Beep");
}

TEST_F(SummaryReport, AMissingFolderIsReportedAndLeavesNoFile) {
  ScopedTempFolder folder("summary_report");
  const std::filesystem::path path = folder.path() / "no" / "job.txt";
  FakeHost host;
  s.shellState.BeepEnabled = 0;
  EXPECT_FALSE(WriteReportToFile(s, ConstantAmplitudeCaptions(), path.string(), host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Path not found");
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

}  // namespace
