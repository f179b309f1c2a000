#include "loading/batch_selection.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "loading/loading_db_fixtures.h"
#include "program_state.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"

namespace {

using ldb_fixture::HistoryText;

constexpr const char* kWrongHistory = " Sorry, Wrong History Data!";

class BatchSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    // the database in memory came from `folder`; the job names another
    s.loadingDbState.LoadingDbOwnFolder = folder.path().string();
    s.fatigueDbState.DataDirectory[1] = "/the/jobs/folder";
    s.loadingDbState.LoadingBatchCount = 5;
  }

  // Batch b as a history of the given points (file and database row).
  void History(int b, const std::vector<std::string>& values, float max, float min) {
    LoadingDatabase& db = s.loadingDatabase;
    db.BatchQuantity[b] = "Stress ";
    db.BatchName[b] = "History " + std::to_string(b);
    db.BatchPointCount[b] = static_cast<int32_t>(values.size());
    db.BatchHistoryMax[b] = max;
    db.BatchHistoryMin[b] = min;
    folder.Write("duvhs." + std::to_string(b), HistoryText(std::to_string(values.size()), "5", values));
  }
  // Batch b as a block spectrum of two levels.
  void Spectrum(int b) {
    LoadingDatabase& db = s.loadingDatabase;
    db.BatchQuantity[b] = "Stress ";
    db.BatchName[b] = "Spectrum " + std::to_string(b);
    db.BatchLevelCount[b] = 2;
    db.BatchLevelStress[b][1] = 1.0f;
    db.BatchLevelStress[b][2] = 0.5f;
    db.BatchLevelCycles[b][1] = 10;
    db.BatchLevelCycles[b][2] = 990;
    db.BatchUpper[b] = 300;
    db.BatchLower[b] = 150;
    db.BatchBlockCycles[b] = 1000;
  }
  void Distribution(int b, int16_t kind) {
    LoadingDatabase& db = s.loadingDatabase;
    db.BatchQuantity[b] = "Stress ";
    db.BatchName[b] = "Distribution " + std::to_string(b);
    db.BatchUpper[b] = 200;
    db.BatchQ[b] = 0.5f;
    db.BatchR[b] = 2;
    db.BatchDistType[b] = kind;
    db.BatchBlockCycles[b] = 1e6f;
  }

  BatchTaking Take(int b, int16_t loadingType) {
    s.analysisOptions.LoadingType = loadingType;
    s.loadingDbState.BrowsedLoadingBatch = static_cast<int16_t>(b);
    return TakeBrowsedBatch(s, host);
  }

  ScopedTempFolder folder{"batch_selection_test"};
  ProgramState s;
  FakeHost host;
  MessagesOnFailure trace{host};
};

TEST_F(BatchSelection, ABatchIsTakenOnlyForALoadingTypeItHolds) {
  s.analysisOptions.MeanStressOption = 1;  // no mean-stress question here
  History(1, {"-50", "100", "-20", "80"}, 100, -50);
  Spectrum(2);
  Distribution(3, 0);
  History(4, {"-50", "100", "-20", "80"}, 100, -50);
  Spectrum(4);  // a history with levels
  struct Case {
    int batch;
    bool fits[5];  // by loading type 1 .. 4
  };
  const Case cases[] = {
      {1, {false, true, false, false, false}},
      {2, {false, false, true, true, false}},
      {3, {false, false, false, false, true}},
      {4, {false, true, true, true, false}},
  };
  for (const Case& c : cases) {
    for (int16_t type = 1; type <= 4; ++type) {
      SCOPED_TRACE(testing::Message() << "batch " << c.batch << ", type " << type);
      host.messages.clear();
      const BatchTaking taken = Take(c.batch, type);
      EXPECT_EQ(taken == BatchTaking::Taken, c.fits[type]);
      if (!c.fits[type]) {
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text,
                  "Sorry, the data is incomplete!\rSelect other Data Batch or change problem definition...");
        EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
        EXPECT_EQ(host.messages[0].title, "  Current Data Batch");
      }
    }
  }
}

TEST_F(BatchSelection, AHistoryBatchBecomesTheJobsHistory) {
  History(3, {"-50", "100", "-20", "80", "-40"}, 100, -50);
  ASSERT_EQ(Take(3, 1), BatchTaking::Taken);
  const LoadingData& l = s.loadingData;
  EXPECT_EQ(l.HistoryPoints, (std::vector<float>{0, -50, 100, -20, 80, -40, 0}));
  EXPECT_EQ(l.SelectedHistoryLength, 5);
  EXPECT_EQ(l.LoadedHistoryLength, 5);
  EXPECT_EQ(l.HistoryScale, 1.0f);
  EXPECT_EQ(l.HistoryScaleUsed, 1.0f);
  for (const auto* a : {&l.RainflowWork, &l.RainflowMeans, &l.RainflowRanges}) EXPECT_EQ(a->size(), 7u);
  EXPECT_EQ(s.resultsDisplay.DamageDisplayMode, 0);
  EXPECT_EQ(s.loadingDbState.SelectedLoadingBatch, 3);
  EXPECT_EQ(s.loadingDbState.LoadingSource, 1);
  // the history came from the database's folder, which the job now names
  EXPECT_EQ(s.loadingDbState.TakenLoadingFolder, folder.path().string());
  EXPECT_EQ(s.fatigueDbState.DataDirectory[1], folder.path().string());
  EXPECT_EQ(s.jobTexts.LoadingName, "History 3");
  EXPECT_TRUE(s.wizardFlags.LoadingDataReady);
  // Range from the extremes (the upper range is 0), mean of them in mode 2.
  EXPECT_EQ(l.StressRange, 150.0f);
  EXPECT_EQ(l.StressMinOrMean, 25.0f);
  EXPECT_EQ(l.LoadSmax, 100.0f);
  EXPECT_EQ(l.LoadSmin, -50.0f);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(BatchSelection, TheStressPairComesFromTheExtremesWhereTheUpperRangeIs0) {
  for (int16_t mode : {1, 2}) {
    History(1, {"120", "-80", "100", "-60"}, 120, -80);
    s.loadingData.StressInputMode = mode;
    ASSERT_EQ(Take(1, 1), BatchTaking::Taken);
    const LoadingData& l = s.loadingData;
    EXPECT_EQ(l.StressRange, 200.0f);
    EXPECT_EQ(l.MaxStressInput, 200.0f);
    EXPECT_EQ(l.StressRangeFrom, 200.0f);
    EXPECT_EQ(l.StressMinOrMean, mode == 1 ? -80.0f : 20.0f);
    EXPECT_EQ(l.StressMinOrMeanInput, l.StressMinOrMean);
    EXPECT_EQ(l.SpectrumSmax, 120.0f);
    EXPECT_EQ(l.SpectrumSmin, -80.0f);
    EXPECT_EQ(l.LoadSmax, 120.0f);
    EXPECT_EQ(l.LoadSmin, -80.0f);
  }
}

// The history must start at its maximum or its minimum.
TEST_F(BatchSelection, AHistoryThatDoesNotStartAtAnExtremeIsRefused) {
  struct Case {
    const char* first;
    float max, min;
    bool taken;
  };
  const Case cases[] = {
      {"-50", 100, -50, true},      {"100", 100, -50, true},     {"-50.04", 100, -50, true},
      {"-50.5", 100.5f, -50, false}, {"0", 0, -50, true},        {"0", 100, 0, true},
      {"0", 100, -50, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    host.messages.clear();
    ProgramState fresh;
    s = fresh;
    SetUp();
    s.loadingData.SelectedHistoryLength = 77;
    History(2, {c.first, "60", "-10", "40"}, c.max, c.min);
    EXPECT_EQ(Take(2, 1) == BatchTaking::Taken, c.taken);
    if (c.taken) continue;
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kWrongHistory);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(host.messages[0].title, "  Current Data Batch");
    // The job keeps its history and the bound of its rainflow loop.
    EXPECT_TRUE(s.loadingData.HistoryPoints.empty());
    EXPECT_EQ(s.loadingData.SelectedHistoryLength, 77);
    EXPECT_EQ(s.loadingDbState.SelectedLoadingBatch, 0);
  }
}

// A refusal, a No or a history that cannot be read leave the job as it was.
TEST_F(BatchSelection, ARefusalOrANoLeavesTheJobAsItWas) {
  History(1, {"-50", "100", "-20", "80"}, 100, -50);
  ASSERT_EQ(Take(1, 1), BatchTaking::Taken);  // the job's history
  History(2, {"-40", "10", "-20", "30", "5"}, 30, -40);
  Spectrum(2);
  s.loadingDatabase.BatchSu[2] = 0;
  History(3, {"1", "2"}, 2, 1);  // the file holds too few points
  s.loadingDatabase.BatchPointCount[3] = 6;
  folder.Write("duvhs.3", HistoryText("2", "5", {"1", "2"}));
  History(4, {"-1", "5", "-2", "4"}, 5, -2);
  std::remove((folder.path() / "duvhs.4").c_str());

  struct Case {
    const char* what;
    int batch;
    int16_t type, meanStress;
    int answer;
    BatchTaking outcome;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"mean-stress No", 2, 2, 2, kAnswerNo, BatchTaking::Refused, {"Data Without Mean Stress Effect.\rContinue?"}},
      {"too few points", 3, 1, 1, kAnswerOK, BatchTaking::Refused, {"Sorry, Wrong History Data...", kWrongHistory}},
      {"no file", 4, 1, 1, kAnswerOK, BatchTaking::Stopped, {"File not found"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    s.analysisOptions.MeanStressOption = c.meanStress;
    s.analysisOptions.LoadingType = c.type;
    ProgramState before = s;
    host.QueueAnswer(c.answer);
    EXPECT_EQ(Take(c.batch, c.type), c.outcome);
    std::vector<std::string> texts;
    for (const auto& m : host.messages) texts.push_back(m.text);
    EXPECT_EQ(texts, c.messages);
    // Only the browsed number, the question's flag and what the history
    // reader writes into the database row have changed.
    before.loadingDbState.BrowsedLoadingBatch = static_cast<int16_t>(c.batch);
    before.loadingDatabase.BatchBlockTime[c.batch] = s.loadingDatabase.BatchBlockTime[c.batch];
    before.loadingDatabase.BatchPointCount[c.batch] = s.loadingDatabase.BatchPointCount[c.batch];
    before.results.MseQuestionAnswered = 0;
    EXPECT_TRUE(s == before);
    EXPECT_EQ(s.loadingData.SelectedHistoryLength, 4);
  }
}

// A batch that the caller no longer wants while its long history is read
// is not taken: the job's loading stays, without a message.
TEST_F(BatchSelection, ABatchNoLongerWantedWhileItsHistoryIsReadIsNotTaken) {
  History(1, {"-50", "100", "-20", "80"}, 100, -50);
  ASSERT_EQ(Take(1, 1), BatchTaking::Taken);
  std::vector<std::string> values(600000, "10");
  values[0] = "-50";
  History(2, values, 10, -50);
  s.analysisOptions.LoadingType = 1;
  s.loadingDbState.BrowsedLoadingBatch = 2;
  host.yieldIntervalMs = 0;
  bool closed = false;
  host.onDoEvents = [&] { closed = true; };  // the browser closed meanwhile
  ProgramState before = s;
  EXPECT_EQ(TakeBrowsedBatch(s, host, [&] { return !closed; }), BatchTaking::Stopped);
  EXPECT_TRUE(host.messages.empty());
  before.loadingData.SelectedHistoryLength = s.loadingData.SelectedHistoryLength;
  before.loadingDatabase.BatchBlockTime[2] = s.loadingDatabase.BatchBlockTime[2];
  EXPECT_TRUE(s == before);
  EXPECT_EQ(s.loadingDbState.SelectedLoadingBatch, 1);
  EXPECT_EQ(s.loadingData.LoadedHistoryLength, 4);

  // Still wanted, it is taken whole.
  closed = false;
  host.onDoEvents = nullptr;
  EXPECT_EQ(TakeBrowsedBatch(s, host, [&] { return !closed; }), BatchTaking::Taken);
  EXPECT_EQ(s.loadingData.LoadedHistoryLength, 600000);
  EXPECT_EQ(s.loadingData.HistoryPoints[600000], 10.0f);
  EXPECT_EQ(s.loadingData.RainflowRanges.size(), 600002u);
}

TEST_F(BatchSelection, TheMeanStressQuestionAsksWhereBatchAndOptionDisagree) {
  History(1, {"-50", "100", "-20", "80"}, 100, -50);
  Spectrum(1);
  Spectrum(2);  // levels only: never asked
  struct Case {
    int batch;
    float su;
    int16_t option;
    const char* word;  // "" when no question
  };
  const Case cases[] = {
      {1, 0, 2, "Without"}, {1, 600, 1, "With"}, {1, 600, 2, ""}, {1, 0, 1, ""}, {1, 1, 1, ""},
      {2, 0, 2, ""},        {2, 600, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.batch << " " << c.su << " " << c.option);
    host.messages.clear();
    host.beeps = 0;
    s.loadingDatabase.BatchSu[c.batch] = c.su;
    s.analysisOptions.MeanStressOption = c.option;
    host.QueueAnswer(kAnswerYes);
    ASSERT_EQ(Take(c.batch, 2), BatchTaking::Taken);
    EXPECT_EQ(s.results.MseQuestionAnswered, 1);
    if (*c.word == '\0') {
      EXPECT_TRUE(host.messages.empty());
      host.answers.clear();
      continue;
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, std::string("Data ") + c.word + " Mean Stress Effect.\rContinue?");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(host.messages[0].defaultButton, 2);
    EXPECT_EQ(host.messages[0].title, "Current Data Batch");
    EXPECT_EQ(host.beeps, 1);
  }
}

TEST_F(BatchSelection, AStrainBatchAsksWithoutABeepAndTakesItsUnits) {
  s.materialData.YoungModulus = 200000;
  History(1, {"-500", "1000", "-200", "800"}, 1000, -500);
  s.loadingDatabase.BatchQuantity[1] = "Strain";
  host.QueueAnswer(kAnswerNo);
  ProgramState before = s;
  EXPECT_EQ(Take(1, 1), BatchTaking::Refused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Strain will be transformed into pseudostress.\rContinue?");
  EXPECT_EQ(host.messages[0].defaultButton, 2);
  EXPECT_EQ(host.messages[0].title, "Current Data Batch");
  EXPECT_EQ(host.beeps, 0);
  before.analysisOptions.LoadingType = 1;
  before.loadingDbState.BrowsedLoadingBatch = 1;
  EXPECT_TRUE(s == before);

  host.QueueAnswer(kAnswerYes);
  ASSERT_EQ(Take(1, 1), BatchTaking::Taken);
  const LoadingUnits& u = s.loadingUnits;
  EXPECT_EQ(u.LoadQuantity, "Strain ");
  EXPECT_EQ(u.LoadUnitFactor, 1.0f);
  EXPECT_EQ(u.LoadToStressFactor, 0.2f);
  EXPECT_EQ(u.LoadUnit, "\xC2\xB5str");
  EXPECT_EQ(u.LoadUnitBracket, "[\xC2\xB5str]");

  // A stress batch after it: back to the stress units and factor 1.
  Spectrum(2);
  ASSERT_EQ(Take(2, 2), BatchTaking::Taken);
  EXPECT_EQ(u.LoadQuantity, "Stress ");
  EXPECT_EQ(u.LoadToStressFactor, 1.0f);
  EXPECT_EQ(u.LoadUnit, "MPa");
}

// A batch of any quantity but Stress and Strain is refused before its
// history is read and before any question: its values have no unit the
// program knows, nor a factor to stress.
TEST_F(BatchSelection, ABatchOfAnotherQuantityIsRefused) {
  History(1, {"-50", "100", "-20", "80"}, 100, -50);
  Spectrum(1);  // with levels; Su 0: a spectrum would ask about the mean stress
  for (const std::string quantity : {"Force", "stress", ""}) {
    for (int16_t type : {int16_t{1}, int16_t{2}}) {
      SCOPED_TRACE(quantity + ", type " + std::to_string(type));
      s.loadingDatabase.BatchQuantity[1] = quantity;
      s.analysisOptions.LoadingType = type;
      host.messages.clear();
      host.beeps = 0;
      ProgramState before = s;
      EXPECT_EQ(Take(1, type), BatchTaking::Refused);
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].text,
                " Sorry, can't use the data!\rThe loading quantity \"" + quantity + "\" is neither Stress nor Strain. ");
      EXPECT_EQ(host.messages[0].title, "Current Data Batch");
      EXPECT_EQ(host.messages[0].icon, MsgIcon::Critical);
      EXPECT_EQ(host.beeps, 1);
      before.loadingDbState.BrowsedLoadingBatch = 1;
      EXPECT_TRUE(s == before);
    }
  }
}

TEST_F(BatchSelection, TheDamageArrayHasAPlaceForEveryCycleOfTheHistory) {
  struct Case {
    int points;
    std::size_t size;
  };
  for (const Case& c : {Case{1001, 502}, Case{6, 5}, Case{4, 3}}) {
    SCOPED_TRACE(c.points);
    std::vector<std::string> values{"-10"};
    for (int i = 1; i < c.points; ++i) values.push_back(std::to_string(i % 2 == 0 ? -5 : 10));
    History(1, values, 10, -10);
    ASSERT_EQ(Take(1, 1), BatchTaking::Taken);
    EXPECT_EQ(s.results.LevelDamage.size(), c.size);
  }
  Spectrum(2);
  ASSERT_EQ(Take(2, 2), BatchTaking::Taken);
  EXPECT_EQ(s.results.LevelDamage.size(), 502u);
}

TEST_F(BatchSelection, TheBatchsStrengthsGiveTheMeanStressTexts) {
  struct Case {
    float su;
    int16_t specimen;
    const char* text;
    const char* shortText;
  };
  const Case cases[] = {
      {600, 1, "DMSE(+): Su=600, Sy=400, Kf=1.5 ", "DMSE(+): 600/400/1.5 "},
      {600, 2, "DMSE(+): Su=600, Sy=400", "DMSE(+): 600/400"},
      {1.0001f, 1, "DMSE(-)  ", "DMSE(-)  "},
      {0, 1, "DMSE(-)  ", "DMSE(-)  "},
  };
  Spectrum(1);
  s.loadingDatabase.BatchSy[1] = 400;
  s.loadingDatabase.BatchKf[1] = 1.5f;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.su);
    s.loadingDatabase.BatchSu[1] = c.su;
    s.analysisOptions.SNDataSpecimen = c.specimen;
    ASSERT_EQ(Take(1, 3), BatchTaking::Taken);
    EXPECT_EQ(s.loadingData.BatchMseText, c.text);
    EXPECT_EQ(s.loadingData.BatchMseText2, c.shortText);
  }
}

TEST_F(BatchSelection, ASpectrumOrDistributionBatchFillsItsLevelsKindAndVolume) {
  Spectrum(1);
  ASSERT_EQ(Take(1, 2), BatchTaking::Taken);
  const LoadingData& l = s.loadingData;
  EXPECT_EQ(l.SpectrumLevelCount, 2);
  EXPECT_EQ(l.LevelStress[2], 0.5f);
  EXPECT_EQ(l.LevelCycles[2], 990.0f);
  EXPECT_EQ(l.CyclesPerBlock, 1000);
  EXPECT_EQ(l.BlockVolumeEntry, 1000);
  EXPECT_EQ(l.StressRange, 300.0f);
  EXPECT_EQ(l.StressMinOrMean, 0.0f);

  struct Case {
    int16_t kind, type;
    const char* name;
  };
  // Any other kind down to -10 is log-normal, as the browser's preview draws
  // it: the law in use is always one the calculation knows.
  for (const Case& c : {Case{0, 1, "Beta "}, Case{-1, 2, "Weibull "}, Case{-2, 3, "Log-norm "}, Case{-5, 3, "Log-norm "},
                        Case{4, 3, "Log-norm "}}) {
    Distribution(2, c.kind);
    ASSERT_EQ(Take(2, 4), BatchTaking::Taken);
    EXPECT_EQ(l.DistributionType, c.type);
    EXPECT_EQ(l.DistributionName, c.name);
    EXPECT_EQ(l.DistQInput, 0.5f);
    EXPECT_EQ(l.DistRInput, 2.0f);
  }

  // Cycles per block beyond the 32-bit range leave the block volume.
  Distribution(3, -1);
  s.loadingDatabase.BatchBlockCycles[3] = 1e10f;
  ASSERT_EQ(Take(3, 4), BatchTaking::Taken);
  EXPECT_EQ(l.CyclesPerBlock, 1000000);
  EXPECT_EQ(l.BlockVolumeEntry, 1000000);

  // A kind the program does not know is refused for a distribution loading.
  host.messages.clear();
  Distribution(4, -11);
  EXPECT_EQ(Take(4, 4), BatchTaking::Refused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, " Sorry, can't use the data!\rThis type of distribution cannot be accepted. ");
  EXPECT_EQ(host.messages[0].title, "Current Data Batch");
}

TEST(QuantityOfBatch, TakesSixCharactersAndABlank) {
  EXPECT_EQ(QuantityOfBatch("Stress "), "Stress ");
  EXPECT_EQ(QuantityOfBatch("Strain"), "Strain ");
  EXPECT_EQ(QuantityOfBatch("Strains and more"), "Strain ");
  EXPECT_EQ(QuantityOfBatch("\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5"),
            "\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5\xC2\xB5 ");
}

}  // namespace
