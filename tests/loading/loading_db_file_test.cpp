#include "loading/loading_db_file.h"

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

using ldb_fixture::Batch;
using ldb_fixture::DatabaseText;

class LoadingDbFile : public ::testing::Test {
 protected:
  void SetUp() override { s.fatigueDbState.DatabaseDir = folder.path().string(); }

  bool Read(const std::string& bytes) {
    folder.Write("duvdt.dat", bytes);
    return ReadLoadingDatabase(s, host);
  }

  ScopedTempFolder folder{"loading_db_file_test"};
  ProgramState s;
  FakeHost host;
  MessagesOnFailure trace{host};
};

Batch WithSu(const std::string& name, const std::string& su) {
  Batch b;
  b.name = name;
  b.su = su;
  return b;
}

TEST(LoadingDatabasePath, PutsTheNameAfterASlashUnlessTheFolderEndsWithOne) {
  EXPECT_EQ(LoadingDatabasePath("/data/loads"), "/data/loads/duvdt.dat");
  EXPECT_EQ(LoadingDatabasePath("/data/loads/"), "/data/loads/duvdt.dat");
  EXPECT_EQ(LoadingDatabasePath("/"), "/duvdt.dat");
}

TEST_F(LoadingDbFile, AFileWithoutMarkerHoldsStressBatchesWithDefaultedStrengths) {
  // A kind left from an earlier file must not survive in the rows.
  s.loadingDatabase.BatchDistType[2] = -1;
  ASSERT_TRUE(Read(DatabaseText(3, {WithSu("One", "0"), WithSu("Two", "600"), WithSu("Three", "1")})));
  const LoadingDatabase& db = s.loadingDatabase;
  EXPECT_EQ(s.loadingDbState.LoadingBatchCount, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(db.BatchQuantity[i], "Stress ") << i;
    EXPECT_EQ(db.BatchDistType[i], 0) << i;
  }
  EXPECT_EQ(db.BatchName[3], "Three");  // no kind read: the items stay in place
  EXPECT_EQ(db.BatchKf[2], 1.0f);
  EXPECT_EQ(db.BatchSy[2], 600.0f);
  EXPECT_EQ(db.BatchKf[1], 0.0f);  // no strength data
  EXPECT_EQ(db.BatchKf[3], 0.0f);
  EXPECT_EQ(s.fatigueDbState.DataDirectory[1], folder.path().string());
  EXPECT_EQ(s.loadingDbState.LoadingDbOwnFolder, folder.path().string());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.mousePointer, kPointerDefault);
  EXPECT_EQ(host.pointerHistory.front(), kPointerHourglass);
  EXPECT_EQ(host.doEventsCalls, 0);
}

TEST_F(LoadingDbFile, TheMarkerSaysWhichItemsEachBatchHolds) {
  struct Case {
    int marker;
    const char* quantity;
    int16_t kind;
    float sy, kf;
  };
  const Case cases[] = {
      {0, "Stress ", 0, 500, 1}, {-1, "Stress ", -1, 500, 1}, {-2, "Stress ", -1, 400, 1.5f},
      {-3, "Strain", -1, 400, 1.5f}, {-4, "Stress ", -1, 400, 1.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.marker);
    ProgramState fresh;
    s = fresh;
    s.fatigueDbState.DatabaseDir = folder.path().string();
    Batch b = WithSu("Welded", "500");
    b.quantity = "Strain";
    b.kind = "-1";
    b.sy = "400";
    b.kf = "1.5";
    ASSERT_TRUE(Read(DatabaseText(c.marker, {b, WithSu("Next", "0")})));
    const LoadingDatabase& db = s.loadingDatabase;
    EXPECT_EQ(s.loadingDbState.LoadingBatchCount, 2);
    EXPECT_EQ(db.BatchQuantity[1], c.quantity);
    EXPECT_EQ(db.BatchDistType[1], c.kind);
    EXPECT_EQ(db.BatchSy[1], c.sy);
    EXPECT_EQ(db.BatchKf[1], c.kf);
    EXPECT_EQ(db.BatchName[2], "Next");
  }
}

TEST_F(LoadingDbFile, TheLevelCountGoesToTheNearestWholeNumberHalvesToEven) {
  struct Case {
    const char* levels;
    int pairs;
  };
  for (const Case& c : {Case{"2.5", 2}, Case{"3.5", 4}, Case{"-2", 0}}) {
    SCOPED_TRACE(c.levels);
    Batch b = WithSu("Spectrum", "0");
    b.levels = c.levels;
    for (int k = 1; k <= c.pairs; ++k) b.pairs.push_back({std::to_string(1.0 / k), std::to_string(10 * k)});
    b.upper = "250";
    ASSERT_TRUE(Read(DatabaseText(-1, {b, WithSu("After", "0")})));
    const LoadingDatabase& db = s.loadingDatabase;
    EXPECT_EQ(db.BatchUpper[1], 250.0f);
    EXPECT_EQ(db.BatchName[2], "After");
    for (int k = 1; k <= c.pairs; ++k) EXPECT_EQ(db.BatchLevelCycles[1][k], 10.0f * k);
  }
}

TEST_F(LoadingDbFile, TheEndOfTheFileKeepsTheCompleteBatches) {
  ASSERT_TRUE(Read(DatabaseText(-2, {WithSu("A", "0"), WithSu("B", "0")})));
  const std::string three = DatabaseText(-2, {WithSu("One", "0"), WithSu("Two", "0"), WithSu("Three", "0")});

  // Ends in the third batch: two batches, a beep and no message.
  s.fatigueDbState.DataDirectory[1] = "elsewhere";
  EXPECT_TRUE(Read(three.substr(0, three.find("Three") - 20)));
  EXPECT_EQ(s.loadingDbState.LoadingBatchCount, 2);
  EXPECT_EQ(s.loadingDatabase.BatchName[2], "Two");
  EXPECT_EQ(s.loadingDatabase.BatchName[3], "");
  EXPECT_EQ(s.fatigueDbState.DataDirectory[1], folder.path().string());
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());

  // Empty, or ending in the first batch: no batch, the folder not stored.
  for (const std::string& text : {std::string(), three.substr(0, 12)}) {
    s.fatigueDbState.DataDirectory[1] = s.loadingDbState.LoadingDbOwnFolder = "elsewhere";
    EXPECT_FALSE(Read(text));
    EXPECT_EQ(s.loadingDbState.LoadingBatchCount, 0);
    EXPECT_EQ(s.fatigueDbState.DataDirectory[1], "elsewhere");
    EXPECT_EQ(s.loadingDbState.LoadingDbOwnFolder, "elsewhere");
  }
  EXPECT_EQ(host.beeps, 3);
  EXPECT_TRUE(host.messages.empty());
}

// A count says more than the file holds: the file ends before the last
// batch, which keeps the batches read completely, without a message.
TEST_F(LoadingDbFile, ACountBeyondWhatTheFileHoldsKeepsTheCompleteBatches) {
  const auto named = [](int n) {
    std::vector<Batch> batches;
    for (int i = 1; i <= n; ++i) batches.push_back(WithSu("Batch " + std::to_string(i), "0"));
    return batches;
  };
  Batch shortLevels = WithSu("Short", "0");
  shortLevels.levels = "600";
  shortLevels.pairs.assign(30, {"1", "10"});
  Batch fullLevels = WithSu("Full", "0");
  fullLevels.levels = "600";
  fullLevels.pairs.assign(500, {"1", "10"});
  const auto levelsEnd = [](const Batch& last) {
    const std::string text = DatabaseText(-2, {WithSu("Batch 1", "0"), WithSu("Batch 2", "0"), last});
    return text.substr(0, text.rfind("1,10") + 6);  // the file ends after the last level pair it holds
  };
  struct Case {
    const char* what;
    std::string text;
    int batches;
  };
  const Case cases[] = {
      {"25 stated, 10 held", DatabaseText(-2, named(10), 25), 10},
      {"21 stated, 20 held", DatabaseText(-2, named(20), 21), 20},
      {"25 stated, 20 held, quantities", DatabaseText(-3, named(20), 25), 20},
      {"600 levels stated, 30 held", levelsEnd(shortLevels), 2},
      {"600 levels stated, 500 held", levelsEnd(fullLevels), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.beeps = 0;
    s.fatigueDbState.DataDirectory[1] = "elsewhere";
    EXPECT_TRUE(Read(c.text));
    EXPECT_EQ(s.loadingDbState.LoadingBatchCount, c.batches);
    EXPECT_EQ(s.loadingDatabase.BatchName[c.batches], "Batch " + std::to_string(c.batches));
    if (c.batches < kLoadingBatchMax) {
      EXPECT_EQ(s.loadingDatabase.BatchName[c.batches + 1], "");
    }
    EXPECT_EQ(s.fatigueDbState.DataDirectory[1], folder.path().string());
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST_F(LoadingDbFile, AFaultLeavesTheDatabaseItsCountAndFolderAsTheyWere) {
  ASSERT_TRUE(Read(DatabaseText(-2, {WithSu("A", "600"), WithSu("B", "0")})));
  const LoadingDatabase before = s.loadingDatabase;
  const std::string folderBefore = s.fatigueDbState.DataDirectory[1];
  std::vector<Batch> twentyOne(21, WithSu("Many", "0"));
  Batch tooManyLevels = WithSu("Levels", "0");
  tooManyLevels.levels = "600";
  tooManyLevels.pairs.assign(501, {"1", "10"});
  Batch notANumber = WithSu("Bad", "0");
  notANumber.lower = "abc";
  struct Case {
    const char* what;
    std::string text;  // empty: no file
    const char* message;
  };
  const Case cases[] = {
      {"missing", "", "File not found"},
      {"a 21st batch", DatabaseText(-2, twentyOne), "Subscript out of range"},
      {"a 501st level", DatabaseText(-2, {WithSu("Fine", "0"), tooManyLevels}), "Subscript out of range"},
      {"abc", DatabaseText(-2, {WithSu("Fine", "0"), notANumber}), "Type mismatch"},
      {"huge", DatabaseText(-2, {WithSu("Fine", "1e39")}), "Overflow"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    host.beeps = 0;
    std::remove((folder.path() / "duvdt.dat").c_str());
    if (c.text.empty()) {
      EXPECT_FALSE(ReadLoadingDatabase(s, host));
    } else {
      EXPECT_FALSE(Read(c.text));
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].title, "Loading Database");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(s.loadingDbState.LoadingBatchCount, 2);
    EXPECT_TRUE(s.loadingDatabase == before);
    EXPECT_EQ(s.fatigueDbState.DataDirectory[1], folderBefore);
  }
}

TEST_F(LoadingDbFile, EveryReadGivesUpTheSelectedBatch) {
  for (const std::string& text : {DatabaseText(-2, {WithSu("A", "0")}), std::string("x")}) {
    s.loadingDbState.SelectedLoadingBatch = 3;
    s.wizardFlags.LoadingDataReady = true;
    Read(text);
    EXPECT_EQ(s.loadingDbState.SelectedLoadingBatch, 0);
    EXPECT_FALSE(s.wizardFlags.LoadingDataReady);
  }
  // Without a selection the flag stays as it is.
  s.wizardFlags.LoadingDataReady = true;
  Read(DatabaseText(-2, {WithSu("A", "0")}));
  EXPECT_TRUE(s.wizardFlags.LoadingDataReady);
}

TEST_F(LoadingDbFile, AFolderPreparedWithoutCaseServesItsUpperCaseFile) {
  folder.Write("DUVDT.DAT", DatabaseText(-2, {WithSu("Upper", "0")}));
  EXPECT_TRUE(ReadLoadingDatabase(s, host));
  EXPECT_EQ(s.loadingDatabase.BatchName[1], "Upper");
  // The exact name wins where both are there.
  folder.Write("duvdt.dat", DatabaseText(-2, {WithSu("Lower", "0")}));
  EXPECT_TRUE(ReadLoadingDatabase(s, host));
  EXPECT_EQ(s.loadingDatabase.BatchName[1], "Lower");
}

}  // namespace
