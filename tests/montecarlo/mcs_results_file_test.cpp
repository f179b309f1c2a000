#include "montecarlo/mcs_results_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "mcs_fixtures.h"
#include "platform/runtime/seq_reader.h"
#include "support/fake_host.h"
#include "support/file_size_limit.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"

namespace {

const std::string kHeaderLines2To21 =
    "Spectrum A\r 2 St 52\r\n"
    " 200  10  12 1\r\n"  // the copy's layout; the work file breaks after 10
    " 1  3  3 Beta\r\n"
    " 2.5  210000 MSE(+)\r\n"
    " 1  2  1  2  1  2.5  1 \r\n"
    "Nominal Strs/Strn\rPlain Specimen\rNotch Sensitivity (-)\rKt\rKt\r\n"  // the work file breaks before the last
    " 2000000  50 -1  200  3.5  0  3.5  0 \r\n"
    " 25  .25  1 NoFL/FSA\r\n"
    " 1  1 \r\n"
    " 1  .1 \r\n 0  .1 \r\n 0  .1 \r\n 0  .1 \r\n 0  .1 \r\n 0  .1 \r\n 0  .1 \r\n 0  .1 \r\n";

std::string WorkLayout(const std::string& lines2To21) {
  std::string s = lines2To21;
  s.replace(s.find(" 200  10  12 1"), 14, " 200  10 \r\n 12 1");
  s.replace(s.find("\rKt\rKt\r\n"), 8, "\rKt\r\nKt\r\n");
  return s;
}

class McsResultsFileTest : public ::testing::Test {
 protected:
  // Writes `bytes` as the work file of `s` and points the result at it.
  void PutWorkFile(ProgramState& s, const std::string& bytes) {
    folder.Write("zp1pl.res", bytes);
    s.mcsResults.ResultsPath = Path("zp1pl.res");
  }
  std::string Path(const std::string& name) const { return (folder.path() / name).string(); }

  ScopedTempFolder folder{"mcs_results"};
  FakeHost host;
  MessagesOnFailure trace{host};
};

TEST_F(McsResultsFileTest, WorkFileLayoutAsTheSimulationWritesIt) {
  const std::string bytes = WorkFile(McsJob(), {3.0f, 1.0f}, 2.0f);
  EXPECT_EQ(bytes, "-3,\"Shaft\"\r\n" + WorkLayout(kHeaderLines2To21) + " 2  500  1.5 \r\n 3 \r\n 1 \r\n 2 \r\n");

  const McsResultsHeader h = McsResultsHeaderOf(McsJob(), "Stress Conc. Factor:  Kt = ", "Kt = ");
  EXPECT_EQ(h.NotchText, "  Kt = ");  // the caption's last seven characters
  EXPECT_EQ(h.NotchFactorLabel, "Kt = ");
}

TEST_F(McsResultsFileTest, HeaderLinesFollowTheLoadingType) {
  struct Case {
    int16_t type;
    int32_t batchPoints;
    float stress1, stress2;
    int32_t points;
    const char* text;
  };
  const Case cases[] = {
      {1, 101, 150.0f, -50.0f, 101, "1"},         // history: Smax, Smin and the batch's points
      {2, 0, 200.0f, 10.0f, 12, "1"},             // spectrum: levels
      {2, 101, 200.0f, 10.0f, 12, "DMSE(+): "},   // taken from a batch with a history
      {3, 0, 100.0f, 10.0f, 1, "1"},              // amplitude: range / 2 in input mode 2
      {4, 101, 200.0f, 10.0f, 0, "DMSE(+): "},
  };
  for (const Case& c : cases) {
    ProgramState s = McsJob();
    s.analysisOptions.LoadingType = c.type;
    s.loadingDatabase.BatchPointCount[0] = c.batchPoints;
    s.loadingData.BatchMseText2 = "DMSE(+): ";
    s.loadingData.LoadSmax = 150.0f;
    s.loadingData.LoadSmin = -50.0f;
    if (c.type == 3) s.loadingData.StressInputMode = 2;
    const McsResultsHeader h = McsResultsHeaderOf(s, "Kt", "Kt");
    EXPECT_EQ(h.Stress1, c.stress1) << c.type;
    EXPECT_EQ(h.Stress2, c.stress2) << c.type;
    EXPECT_EQ(h.PointCount, c.points) << c.type;
    EXPECT_EQ(h.PointText, c.text) << c.type;
  }
}

TEST_F(McsResultsFileTest, ReadBackClassifiesSortsAndRewritesTheFile) {
  ProgramState s = McsJob();
  // 20 lives: two 1-cycle lives, 15 finite, three infinite; -4 is held as 0.
  std::vector<float> lives = Descending(15, 100.0f);
  lives.insert(lives.begin() + 3, {0.0f, 1e30f, 9.0e29f, 0.0f, 2e30f});
  lives.push_back(-4.0f);
  ASSERT_EQ(lives.size(), 21u);
  PutWorkFile(s, WorkFile(s, lives, 700.0f));
  ReadMCSResults(s, host);

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, " - No of Simulations: 21\r - 1 cycle Life:      2\r - Infinite Life:     4");
  EXPECT_EQ(host.messages[0].title, "MCS Simulation Results");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Information);
  const McsResults& r = s.mcsResults;
  EXPECT_EQ(r.ResultsReadStatus, 0);
  EXPECT_EQ(s.mcsSettings.SimulationsDone, 21);
  EXPECT_EQ(s.mcsSettings.SimulationsTarget, 15);
  EXPECT_EQ(r.OneCycleLifeCount, 2);
  EXPECT_EQ(r.UsableLifeCount, 17);
  EXPECT_EQ(r.MaxFiniteLife, 1500.0f);
  EXPECT_EQ(r.ReferenceLife, 700.0f);
  EXPECT_FLOAT_EQ(r.OneCycleFraction, 2.0f / 21.0f);
  EXPECT_FLOAT_EQ(r.TailFraction, 1.0f - 15.0f / 21.0f - 2.0f / 21.0f);
  EXPECT_FLOAT_EQ(r.PfStar, 15.0f / 21.0f);
  EXPECT_DOUBLE_EQ(r.ProbabilityLevel, 0.999);  // 1 - 0.999 is below the finite share
  EXPECT_EQ(r.ResultLoadingType, 2);
  EXPECT_EQ(r.ResultRvType[1], 1);
  EXPECT_FLOAT_EQ(r.ResultRvCov[1], 0.1f);
  EXPECT_EQ(r.ResultBlockTime, 1.5f);
  EXPECT_EQ(r.LivesSorted, 1);
  EXPECT_EQ(r.SummaryShown, 1);
  ASSERT_EQ(r.SimulatedLives.size(), 22u);
  EXPECT_TRUE(std::is_sorted(r.SimulatedLives.begin() + 1, r.SimulatedLives.end()));
  EXPECT_EQ(r.SimulatedLives[3], 0.0f);  // two 1-cycle lives and the negative value
  EXPECT_EQ(r.SimulatedLives[4], 100.0f);
  EXPECT_EQ(r.SimulatedLives[21], 2e30f);
  // The tail: every finite life, from the smallest positive one.
  EXPECT_EQ(r.LowerTailLife, 1500.0f);
  EXPECT_EQ(r.SampleMin, 100.0f);
  EXPECT_EQ(r.SampleMax, 1500.0f);
  EXPECT_EQ(r.TailLifeCount, 18);
  // Mean and deviation of lives 1 .. 17 (the 1-cycle ones count as 0).
  double sum = 0, squares = 0;
  for (int i = 1; i <= 17; ++i) sum += r.SimulatedLives[i];
  for (int i = 1; i <= 17; ++i) squares += std::pow(r.SimulatedLives[i] - sum / 17, 2);
  EXPECT_DOUBLE_EQ(r.SampleMean, sum / 17);
  EXPECT_DOUBLE_EQ(r.SampleStdDev, std::sqrt(squares / 17));

  // The work file now holds the sorted lives in the copy's layout.
  std::string sorted = "-3 Shaft\r\n" + kHeaderLines2To21 + " 21  500  1.5 \r\n 0 \r\n 0 \r\n 0 \r\n";
  for (int i = 1; i <= 15; ++i) sorted += " " + std::to_string(i * 100) + " \r\n";
  sorted += " 9E+29 \r\n 1E+30 \r\n 2E+30 \r\n 700 \r\n";
  EXPECT_EQ(folder.Read("zp1pl.res"), sorted);
}

TEST_F(McsResultsFileTest, ASecondReadUsesTheLivesInMemory) {
  ProgramState s = McsJob();
  PutWorkFile(s, WorkFile(s, Descending(40), 20.0f));
  ReadMCSResults(s, host);
  std::filesystem::remove(s.mcsResults.ResultsPath);
  s.mcsResults.LowerTailLife = 35.0f;
  ReadMCSResults(s, host);
  EXPECT_EQ(host.messages.size(), 1u);  // no second summary
  EXPECT_EQ(s.mcsResults.ResultsReadStatus, 0);
  EXPECT_EQ(s.mcsResults.SampleMax, 35.0f);
  EXPECT_EQ(s.mcsResults.TailLifeCount, 35);
}

TEST_F(McsResultsFileTest, ResultsThatGiveNoStatistics) {
  struct Case {
    std::vector<float> lives;
    const char* message;
    float lifeAtReliability;
  };
  const Case cases[] = {
      {Descending(9), " Insufficient Number of Simulations! ", 0.0f},
      {std::vector<float>(12, 0.0f), "Fatigue Life = 1 cycle!", 1.0f},
      {std::vector<float>(12, 1e30f), "No Fatigue Failure!", 1e30f},
  };
  for (const Case& c : cases) {
    FakeHost h;
    ProgramState s = McsJob();
    PutWorkFile(s, WorkFile(s, c.lives, 1.0f));
    ReadMCSResults(s, h);
    EXPECT_EQ(s.mcsResults.ResultsReadStatus, -3) << c.message;
    ASSERT_FALSE(h.messages.empty());
    EXPECT_EQ(h.messages.back().text, c.message);
    EXPECT_EQ(h.messages.back().title, "MCS Simulation");
    EXPECT_EQ(h.messages.back().icon, MsgIcon::Information);
    EXPECT_EQ(s.mcsResults.LifeAtReliability, c.lifeAtReliability) << c.message;
  }
  // A single usable life: no message beyond the summary.
  FakeHost h;
  ProgramState s = McsJob();
  std::vector<float> lives(11, 1e30f);
  lives[4] = 5.0f;
  PutWorkFile(s, WorkFile(s, lives, 1.0f));
  ReadMCSResults(s, h);
  EXPECT_EQ(s.mcsResults.ResultsReadStatus, -3);
  EXPECT_EQ(h.messages.size(), 1u);
}

TEST_F(McsResultsFileTest, ATailThatCannotGrowHasTooFewSimulations) {
  ProgramState s = McsJob();
  std::vector<float> lives(95, 1e30f);
  for (float life : {5.0f, 1.0f, 4.0f, 2.0f, 3.0f}) lives.push_back(life);
  PutWorkFile(s, WorkFile(s, lives, 3.0f));
  s.mcsResults.ProbabilityLevel = 0.9;  // a failure probability above the finite share
  ReadMCSResults(s, host);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, " - No of Simulations: 100\r - 1 cycle Life:      0\r - Infinite Life:     95");
  EXPECT_EQ(host.messages[1].text, " Insufficient Number of Simulations! ");
  EXPECT_EQ(s.mcsResults.ResultsReadStatus, -3);
  EXPECT_EQ(s.mcsResults.LowerTailLife, 5.0f);
  // The 30-life floor stays within the usable lives: no infinite life in the tail.
  EXPECT_EQ(s.mcsResults.TailLifeCount, 5);
  EXPECT_EQ(s.mcsResults.SampleMax, 5.0f);
  EXPECT_DOUBLE_EQ(s.mcsResults.ProbabilityLevel, 0.95);  // 1 - 5 / 100
}

TEST_F(McsResultsFileTest, TheTailGrowsByATenthUntilItHoldsTenFiniteLives) {
  ProgramState s = McsJob();
  std::vector<float> lives(25, 0.0f);  // 25 1-cycle lives, then 1 .. 20
  for (float life : Descending(20)) lives.push_back(life);
  PutWorkFile(s, WorkFile(s, lives, 3.0f));
  s.mcsResults.LowerTailLife = 1.0f;  // as the lower-tail box would set it
  s.mcsResults.LivesSorted = 0;
  ReadMCSResults(s, host);
  // The floor gives 30 lives (5 finite); the bound grows from 1 by 1.1 until
  // it takes in the 10th finite life.
  float bound = 1.0f;
  while (bound * 1.001f < 10.0f) bound = static_cast<float>(bound * 1.1);
  EXPECT_EQ(s.mcsResults.ResultsReadStatus, 0);
  EXPECT_EQ(s.mcsResults.LowerTailLife, bound);
  EXPECT_EQ(s.mcsResults.TailLifeCount, 25 + static_cast<int>(std::floor(bound * 1.001f)));
}

TEST_F(McsResultsFileTest, OneCycleLivesDoNotShortenTheTail) {
  ProgramState s = McsJob();
  std::vector<float> lives = Descending(99);
  lives.push_back(0.0f);
  PutWorkFile(s, WorkFile(s, lives, 3.0f));
  ReadMCSResults(s, host);
  EXPECT_EQ(s.mcsResults.SampleMax, 99.0f);  // the largest finite life
  EXPECT_EQ(s.mcsResults.TailLifeCount, s.mcsResults.UsableLifeCount);
  EXPECT_EQ(s.mcsResults.TailLifeCount, 100);
}

TEST_F(McsResultsFileTest, OlderVersionsReadWithDefaultsAndCopyAsTheCurrentOne) {
  const std::string lines7To9 = " 1  2  1  2  1  2.5  1 \r\nNominal Strs/Strn\rPlain Specimen\rNotch Sensitivity (-)\rKt\r\nKt\r\n";
  const std::string line12 = " 1  1 \r\n";
  std::string current = WorkFile(McsJob(), Descending(12), 6.0f);
  struct Case {
    int marker;
    bool without7To9, without12;
  };
  for (const Case& c : {Case{-2, true, false}, Case{-1, true, true}}) {
    std::string old = current;
    old.replace(0, 2, std::to_string(c.marker));
    if (c.without12) old.erase(old.find(line12), line12.size());
    old.erase(old.find(lines7To9), lines7To9.size());
    folder.Write("old.psn", old);
    SeqReader in = SeqReader::FromText(old);
    const McsResultsHeader h = ReadMcsResultsHeader(in);
    EXPECT_EQ(h.StressInputMode, 0);
    EXPECT_EQ(h.NotchFactor, 0.0f);
    EXPECT_EQ(h.NotchRadius, 1.0f);
    EXPECT_EQ(h.StressApproachText, "Nominal Strs/Strn");
    EXPECT_EQ(h.SpecimenText, "");
    EXPECT_EQ(h.NotchText, "Kf = ");
    EXPECT_EQ(h.NotchFactorLabel, "Kf = ");
    EXPECT_EQ(h.NeglectFatigueLimit, c.without12 ? -1 : 1);
    EXPECT_EQ(h.RvType[1], 1);
    EXPECT_EQ(h.BlockTime, 1.5f);

    ProgramState s = McsJob();
    s.mcsResults.ResultsPath = Path("old.psn");
    s.mcsResults.LivesSorted = 1;
    ReadMCSResults(s, host);
    EXPECT_EQ(s.mcsResults.ResultsReadStatus, 0) << c.marker;
    s.mcsResults.SaveAsPath = Path("copy.psn");
    ASSERT_TRUE(SaveMCSResultsAs(s, host));
    SeqReader copy = SeqReader::FromText(folder.Read("copy.psn"));
    const McsResultsHeader full = ReadMcsResultsHeader(copy);
    EXPECT_EQ(full.Marker, -3);
    EXPECT_EQ(full.NotchRadius, 1.0f);
    EXPECT_EQ(full.NotchText, "Kf = ");  // its trailing blank kept: written quoted
    EXPECT_EQ(full.NeglectFatigueLimit, c.without12 ? -1 : 1);
    EXPECT_EQ(full.FastSimulation, c.without12 ? -1 : 1);
  }
}

TEST_F(McsResultsFileTest, ASavedCopyReadsAndCopiesByteForByte) {
  ProgramState s = McsJob();
  PutWorkFile(s, WorkFile(s, Descending(30, 2.5f), 7.5f));
  ReadMCSResults(s, host);
  s.loadingData.RainflowRanges.assign(3, 9.0f);  // a later history calculation has its own arrays
  s.mcsResults.SaveAsPath = Path("first.psn");
  ASSERT_TRUE(SaveMCSResultsAs(s, host));

  ProgramState opened = McsJob();  // as the open command leaves it
  opened.mcsResults.ResultsPath = Path("first.psn");
  opened.mcsResults.LivesSorted = 1;
  ReadMCSResults(opened, host);
  EXPECT_EQ(opened.mcsResults.SimulatedLives, s.mcsResults.SimulatedLives);
  EXPECT_EQ(opened.mcsResults.ReferenceLife, 7.5f);
  opened.mcsResults.SaveAsPath = Path("second.psn");
  ASSERT_TRUE(SaveMCSResultsAs(opened, host));
  EXPECT_EQ(folder.Read("second.psn"), folder.Read("first.psn"));
  EXPECT_EQ(folder.Read("first.psn"), folder.Read("zp1pl.res"));
}

TEST_F(McsResultsFileTest, ACopyWhoseLivesAreOutOfOrderIsSortedInMemory) {
  ProgramState s = McsJob();
  const std::string bytes = WorkFile(s, Descending(12), 6.0f);  // as a hand-edited copy
  PutWorkFile(s, bytes);
  s.mcsResults.LivesSorted = 1;  // as the open command leaves it
  ReadMCSResults(s, host);
  EXPECT_EQ(s.mcsResults.ResultsReadStatus, 0);
  EXPECT_TRUE(std::is_sorted(s.mcsResults.SimulatedLives.begin() + 1, s.mcsResults.SimulatedLives.end()));
  EXPECT_EQ(s.mcsResults.SampleMin, 1.0f);
  EXPECT_EQ(folder.Read("zp1pl.res"), bytes);  // an opened file is not rewritten
}

TEST_F(McsResultsFileTest, ItemsAreReadWhateverTheLineBreaks) {
  // The whole file on one line, items separated by commas, texts quoted.
  std::string line = "-3,\"Shaft\",\"Spectrum A\",2,\"St 52\",200,10,12,\"1\",1,3,3,\"Beta\",2.5,210000,\"MSE(+)\","
                     "1,2,1,2,1,2.5,1,\"Nominal Strs/Strn\",\"Plain Specimen\",\"Notch Sensitivity (-)\",\"Kt\",\"Kt\","
                     "2000000,50,-1,200,3.5,0,3.5,0,25,.25,1,\"NoFL/FSA\",1,1,1,.1,0,.1,0,.1,0,.1,0,.1,0,.1,0,.1,0,.1,"
                     "12,500,1.5";
  for (int i = 12; i >= 1; --i) line.append(",").append(std::to_string(i));
  line += ",6\r\n";
  ProgramState oneLine = McsJob(), layout = McsJob();
  PutWorkFile(oneLine, line);
  ReadMCSResults(oneLine, host);
  folder.Write("layout.res", WorkFile(layout, Descending(12), 6.0f));
  layout.mcsResults.ResultsPath = Path("layout.res");
  ReadMCSResults(layout, host);
  EXPECT_EQ(oneLine.mcsResults.ResultsReadStatus, 0);
  EXPECT_EQ(oneLine.mcsResults.SimulatedLives, layout.mcsResults.SimulatedLives);
  EXPECT_EQ(folder.Read("zp1pl.res"), folder.Read("layout.res"));  // both rewritten alike
}

TEST_F(McsResultsFileTest, EmptyTextsComeBackInBothLayouts) {
  ProgramState s = McsJob();
  s.jobTexts = JobTexts{"", "", ""};
  s.loadingData.DistributionName = "";
  s.resultsDisplay.MseTag2 = "";
  s.analysisOptions.StressApproachText = "";
  s.mcsSettings.FatigueLimitTag = "";
  s.mcsSettings.FastSimulationTag = "";
  PutWorkFile(s, WorkFile(s, Descending(12), 6.0f));
  ReadMCSResults(s, host);  // also rewrites the work file in the copy's layout
  ASSERT_EQ(s.mcsResults.ResultsReadStatus, 0);
  SeqReader in = SeqReader::FromText(folder.Read("zp1pl.res"));
  const McsResultsHeader h = ReadMcsResultsHeader(in);
  for (const std::string* text : {&h.Subject, &h.LoadingName, &h.MaterialName, &h.DistributionName, &h.MseTag,
                                  &h.StressApproachText, &h.SimulationTags}) {
    EXPECT_EQ(*text, "");
  }
  EXPECT_EQ(h.MeanStressOption, 2);
  EXPECT_EQ(h.BlockTime, 1.5f);
}

TEST_F(McsResultsFileTest, ASubjectWithACommaSurvivesTheWorkFile) {
  ProgramState s = McsJob();
  s.jobTexts.JobSubject = "Shaft, 5 mm";
  SeqReader in = SeqReader::FromText(WorkFile(s, Descending(12), 6.0f));
  EXPECT_EQ(ReadMcsResultsHeader(in).Subject, "Shaft, 5 mm");
}

TEST_F(McsResultsFileTest, UnreadableFilesLeaveTheResultAsItWas) {
  ProgramState s = McsJob();
  PutWorkFile(s, WorkFile(s, Descending(40), 20.0f));
  ReadMCSResults(s, host);
  const McsResults before = s.mcsResults;
  const int32_t done = s.mcsSettings.SimulationsDone, finite = s.mcsSettings.SimulationsTarget;

  struct Case {
    const char* what;
    std::string bytes;  // empty: no file at all
    const char* reason;
  };
  const std::string lines = WorkFile(McsJob(), Descending(12), 6.0f);
  const Case cases[] = {
      {"no file", "", "File not found"},
      {"a foreign file", "Hello, world\r\n", "Type mismatch"},
      {"an unknown marker", "-7" + lines.substr(2), "Type mismatch"},
      {"a count beyond the file", WorkFile(McsJob(), Descending(3), 1.0f, 2000000000), "Input past end of file"},
      {"no reference life", lines.substr(0, lines.rfind(" 6 \r\n")), "Input past end of file"},
      {"a life beyond Single", lines.substr(0, lines.find(" 12 \r\n", 200)) + " 1E+39 \r\n", "Overflow"},
      {"a header cut short", lines.substr(0, 120), "Input past end of file"},
  };
  for (const Case& c : cases) {
    FakeHost h;
    s.mcsResults.LivesSorted = 0;  // a new simulation's work file
    s.mcsResults.ResultsPath = Path(std::string("bad_") + std::to_string(&c - cases) + ".res");
    if (!c.bytes.empty()) folder.Write(std::filesystem::path(s.mcsResults.ResultsPath).filename(), c.bytes);
    ReadMCSResults(s, h);
    EXPECT_EQ(s.mcsResults.ResultsReadStatus, -3) << c.what;
    ASSERT_EQ(h.messages.size(), 1u) << c.what;
    EXPECT_EQ(h.messages[0].text, "Sorry, Can't read the MCS-Results file!\r" + s.mcsResults.ResultsPath + "\r(" +
                                      c.reason + ")")
        << c.what;
    EXPECT_EQ(h.messages[0].title, "MCS Simulation");
    EXPECT_EQ(h.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(h.beeps, 1);
    EXPECT_EQ(s.mcsResults.SimulatedLives, before.SimulatedLives) << c.what;
    EXPECT_EQ(s.mcsSettings.SimulationsDone, done);
    EXPECT_EQ(s.mcsSettings.SimulationsTarget, finite);
    EXPECT_EQ(s.mcsResults.MaxFiniteLife, before.MaxFiniteLife);
    EXPECT_EQ(s.mcsResults.ReferenceLife, before.ReferenceLife);
    EXPECT_EQ(s.mcsResults.SampleMax, before.SampleMax);
    EXPECT_EQ(h.mousePointer, kPointerDefault);
  }
}

TEST_F(McsResultsFileTest, AFailedCopyKeepsTheOldFile) {
  ProgramState s = McsJob();
  PutWorkFile(s, WorkFile(s, Descending(2000), 20.0f));
  ReadMCSResults(s, host);
  folder.Write("old.psn", "old contents");
  s.mcsResults.SaveAsPath = Path("old.psn");
  {
    FileSizeLimit limit(1000);
    EXPECT_FALSE(SaveMCSResultsAs(s, host));
  }
  EXPECT_EQ(folder.Read("old.psn"), "old contents");
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text.rfind("Sorry, Can't save the MCS-Results file!\r" + Path("old.psn") + "\r(", 0), 0u);
  EXPECT_EQ(host.messages[1].icon, MsgIcon::Exclamation);

  // A work file that no longer matches the result in memory is not copied.
  folder.Write("zp1pl.res", WorkFile(McsJob(), Descending(12), 6.0f));
  EXPECT_FALSE(SaveMCSResultsAs(s, host));
  EXPECT_EQ(folder.Read("old.psn"), "old contents");
}

TEST(SortLives, AscendingInPlace) {
  const std::vector<std::vector<float>> samples = {
      {0.0f, 5.0f, 1.0f, 4.0f, 1.0f, 0.0f, 1e30f, 3.0f},
      {0.0f, 1.0f},
      {0.0f},
      {0.0f, 9.0f, 8.0f, 7.0f, 6.0f, 5.0f, 4.0f, 3.0f, 2.0f, 1.0f, 0.0f, 0.0f},
  };
  for (std::vector<float> lives : samples) {
    std::vector<float> expected = lives;
    std::sort(expected.begin() + 1, expected.end());
    SortLives(lives, static_cast<int32_t>(lives.size()) - 1);
    EXPECT_EQ(lives, expected);
  }
  std::vector<float> partly = {-1.0f, 3.0f, 2.0f, 1.0f, 0.5f};
  SortLives(partly, 3);  // element 0 and those beyond n stay
  EXPECT_EQ(partly, (std::vector<float>{-1.0f, 1.0f, 2.0f, 3.0f, 0.5f}));
  std::vector<float> random(5001);
  uint32_t x = 12345;
  for (float& v : random) v = static_cast<float>((x = x * 1103515245u + 12345u) % 1000);
  std::vector<float> expected = random;
  std::sort(expected.begin() + 1, expected.end());
  SortLives(random, 5000);
  EXPECT_EQ(random, expected);
}

}  // namespace
