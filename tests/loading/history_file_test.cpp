#include "loading/history_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loading/allocation_watch.h"
#include "loading/loading_db_fixtures.h"
#include "program_state.h"
#include "support/fake_host.h"
#include "support/message_trace.h"
#include "support/scoped_folder.h"

namespace {

using ldb_fixture::HistoryText;

std::vector<std::string> Ramp(int n, float first) {
  std::vector<std::string> v;
  for (int i = 0; i < n; ++i) v.push_back(std::to_string(first + i));
  return v;
}

class HistoryFile : public ::testing::Test {
 protected:
  void SetUp() override {
    // the files lie in the folder of the database in memory, whatever
    // folder the job names or the data services show
    s.loadingDbState.LoadingDbOwnFolder = folder.path().string();
    s.fatigueDbState.DataDirectory[1] = "/the/jobs/folder";
    s.fatigueDbState.DatabaseDir = "/somewhere/else";
    s.loadingDatabase.BatchBlockTime[k] = 99.0f;
  }

  // A history of n points as the database knows it.
  void Database(int32_t n) { s.loadingDatabase.BatchPointCount[k] = n; }
  void File(const std::string& text) { folder.Write("duvhs." + std::to_string(k), text); }

  void ExpectOneMessage(const char* text, MsgIcon icon, int beeps) {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, text);
    EXPECT_EQ(host.messages[0].icon, icon);
    EXPECT_EQ(host.messages[0].title, "Stress History");
    EXPECT_EQ(host.beeps, beeps);
  }

  const int k = 12;
  ScopedTempFolder folder{"history_file_test"};
  ProgramState s;
  FakeHost host;
  MessagesOnFailure trace{host};
};

TEST(HistoryFilePath, NamesTheBatchWithoutLeadingZeros) {
  EXPECT_EQ(HistoryFilePath("/loads", 3), "/loads/duvhs.3");
  EXPECT_EQ(HistoryFilePath("/loads/", 17), "/loads/duvhs.17");
}

TEST_F(HistoryFile, ACompleteReadBecomesTheJobsHistoryWithItsScale) {
  struct Case {
    float first, scale;
  };
  for (const Case& c : {Case{250, 1}, Case{0.8f, 10}, Case{-10, 10}, Case{-10.5f, 1}}) {
    SCOPED_TRACE(c.first);
    Database(5);
    File(HistoryText("5", "2.5", Ramp(5, c.first)));
    s.loadingData.HistoryStartFlag = 1;
    ReadHistoryFile(s, host, k);
    const LoadingData& l = s.loadingData;
    ASSERT_EQ(l.HistoryPoints.size(), 7u);
    EXPECT_EQ(l.HistoryPoints[0], 0.0f);
    EXPECT_EQ(l.HistoryPoints[1], c.first);
    EXPECT_EQ(l.HistoryPoints[5], c.first + 4);
    EXPECT_EQ(l.HistoryPoints[6], 0.0f);
    EXPECT_EQ(l.HistoryScale, c.scale);
    EXPECT_EQ(l.LoadedHistoryLength, 5);
    EXPECT_EQ(l.HistoryStartFlag, 0);
    EXPECT_EQ(s.loadingDatabase.BatchBlockTime[k], 2.5f);
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.mousePointer, kPointerDefault);
  EXPECT_EQ(host.doEventsCalls, 0);
}

TEST_F(HistoryFile, ACountThatDoesNotFitIsRefusedBeforeAnythingIsAllocated) {
  struct Case {
    const char* what;
    int32_t database;
    std::string count;
    int32_t pointsAfter, loadedAfter;
  };
  const Case cases[] = {
      {"count 2", 2, "2", 0, 77},
      {"one off", 5, "6", 5, 0},
      {"beyond ten million", 10000001, "10000001", 10000001, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    Database(c.database);
    s.loadingData.LoadedHistoryLength = 77;
    s.loadingData.HistoryPoints = {0, 1, 2, 3, 0};
    File(HistoryText(c.count, "4", Ramp(6, 1)));
    AllocationWatch watch;
    ReadHistoryFile(s, host, k);
    EXPECT_LT(watch.Largest(), std::size_t{8} << 20);
    ExpectOneMessage("Sorry, Wrong History Data...", MsgIcon::Critical, 0);
    EXPECT_EQ(s.loadingDatabase.BatchPointCount[k], c.pointsAfter);
    EXPECT_EQ(s.loadingData.LoadedHistoryLength, c.loadedAfter);
    EXPECT_EQ(s.loadingData.HistoryPoints, (std::vector<float>{0, 1, 2, 3, 0}));
    EXPECT_EQ(s.loadingDatabase.BatchBlockTime[k], 4.0f);  // taken before the count was checked
  }
}

TEST_F(HistoryFile, AFileThatEndsEarlyOrHoldsABadValueLeavesTheHistory) {
  s.shellState.BeepEnabled = 1;
  struct Case {
    const char* what;
    int32_t count;
    std::vector<std::string> values;
    const char* message;
  };
  std::vector<std::string> bad = Ramp(10, 1);
  bad[6] = "abc";
  std::vector<std::string> huge = Ramp(10, 1);
  huge[3] = "1e39";
  const Case cases[] = {
      {"100 of 120", 120, Ramp(100, 1), "Input past end of file"},
      {"millions announced", 9000000, Ramp(10, 1), "Input past end of file"},
      {"abc", 10, bad, "Type mismatch"},
      {"beyond a Single", 10, huge, "Overflow"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host.messages.clear();
    host.beeps = 0;
    Database(c.count);
    s.loadingData.LoadedHistoryLength = 3;
    s.loadingData.HistoryPoints = {0, 7, 8, 9, 0};
    File(HistoryText(std::to_string(c.count), "1", c.values));
    AllocationWatch watch;
    ReadHistoryFile(s, host, k);
    EXPECT_LT(watch.Largest(), std::size_t{8} << 20);  // not the 36 MB the count announces
    ExpectOneMessage(c.message, MsgIcon::Exclamation, 1);
    EXPECT_EQ(s.loadingData.HistoryPoints, (std::vector<float>{0, 7, 8, 9, 0}));
    EXPECT_EQ(s.loadingData.LoadedHistoryLength, 0);
  }
}

TEST_F(HistoryFile, AMissingFileOrABatchBeyondTheRowsIsReported) {
  Database(5);
  ReadHistoryFile(s, host, k);
  ExpectOneMessage("File not found", MsgIcon::Exclamation, 1);
  EXPECT_EQ(s.loadingData.LoadedHistoryLength, 0);
  host.messages.clear();
  host.beeps = 0;
  s.shellState.BeepEnabled = 0;  // no beep with the setting off
  std::vector<float> points{1, 2};
  EXPECT_EQ(ReadHistoryFile(s, host, 21, points), 0);
  ExpectOneMessage("Subscript out of range", MsgIcon::Exclamation, 0);
  EXPECT_TRUE(points.empty());
}

TEST_F(HistoryFile, AFolderPreparedWithoutCaseServesItsUpperCaseFile) {
  Database(3);
  folder.Write("DUVHS.12", HistoryText("3", "1", Ramp(3, 5)));
  ReadHistoryFile(s, host, k);
  EXPECT_EQ(s.loadingData.LoadedHistoryLength, 3);
  EXPECT_EQ(s.loadingData.HistoryPoints[1], 5.0f);
}

// The browser's read: the same file, checks and messages into its own
// array; the job's history stays.
TEST_F(HistoryFile, AReadIntoAnotherArrayLeavesTheJobsHistory) {
  Database(4);
  File(HistoryText("4", "3", {"-20", "50", "-30", "40"}, "\"A, quoted title\""));
  s.loadingData.HistoryPoints = {0, 1, 2, 0};
  s.loadingData.LoadedHistoryLength = 2;
  const LoadingData before = s.loadingData;
  std::vector<float> points;
  EXPECT_EQ(ReadHistoryFile(s, host, k, points), 4);
  EXPECT_EQ(points, (std::vector<float>{0, -20, 50, -30, 40, 0}));
  EXPECT_TRUE(s.loadingData == before);
  EXPECT_EQ(s.loadingDatabase.BatchBlockTime[k], 3.0f);

  // A count below 3 still makes the batch one without history.
  File(HistoryText("2", "3", {"1", "2"}));
  EXPECT_EQ(ReadHistoryFile(s, host, k, points), 0);
  EXPECT_TRUE(points.empty());
  EXPECT_EQ(s.loadingDatabase.BatchPointCount[k], 0);
  EXPECT_TRUE(s.loadingData == before);
}

// A history of n whole numbers (j mod 1000 - 500 for point j) as the file
// holds it, and as the reader keeps it.
std::string LongHistoryText(int32_t n) {
  std::string t = "Long\r\n " + std::to_string(n) + " \r\n 4 \r\n";
  for (int32_t j = 1; j <= n; ++j) t += " " + std::to_string(j % 1000 - 500) + " \r\n";
  return t;
}
std::vector<float> LongHistory(int32_t n) {
  std::vector<float> h(static_cast<std::size_t>(n) + 2, 0.0f);
  for (int32_t j = 1; j <= n; ++j) h[static_cast<std::size_t>(j)] = static_cast<float>(j % 1000 - 500);
  return h;
}

// A long history is read in pieces; the events that get through between
// them find the job's history as it was, and a caller that no longer wants
// the history stops the read.
TEST_F(HistoryFile, ALongHistoryIsReadInPiecesThatLetEventsThrough) {
  constexpr int32_t n = 600000;
  Database(n);
  File(LongHistoryText(n));
  host.yieldIntervalMs = 0;  // events at every piece
  s.loadingData.HistoryPoints = {0, 7, 8, 9, 0};
  s.loadingData.LoadedHistoryLength = 3;
  int seenIntact = 0;
  host.onDoEvents = [&] {
    seenIntact += s.loadingData.HistoryPoints == std::vector<float>{0, 7, 8, 9, 0} ? 1 : 0;
    EXPECT_EQ(host.mousePointer, kPointerHourglass);
  };
  ReadHistoryFile(s, host, k);
  EXPECT_GE(host.doEventsCalls, 1);
  EXPECT_EQ(seenIntact, host.doEventsCalls);
  EXPECT_TRUE(s.loadingData.HistoryPoints == LongHistory(n));
  EXPECT_EQ(s.loadingData.LoadedHistoryLength, n);
  EXPECT_EQ(host.mousePointer, kPointerDefault);

  // Not wanted any more: nothing read is taken, and nothing is said.
  s.loadingData.HistoryPoints = {0, 7, 8, 9, 0};
  s.loadingData.LoadedHistoryLength = 3;
  s.loadingData.HistoryStartFlag = 1;
  const LoadingData before = s.loadingData;
  int asked = 0;
  const auto wanted = [&] { return ++asked < 2; };
  ReadHistoryFile(s, host, k, wanted);
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(s.loadingData == before);
  std::vector<float> points{1, 2};
  asked = 0;
  EXPECT_EQ(ReadHistoryFile(s, host, k, points, wanted), 0);
  EXPECT_TRUE(points.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.mousePointer, kPointerDefault);
}

}  // namespace
