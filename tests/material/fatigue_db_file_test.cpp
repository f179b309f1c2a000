#include "material/fatigue_db_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "material/fatigue_db_fixtures.h"
#include "material/fatigue_db_format.h"
#include "support/fake_host.h"
#include "support/file_size_limit.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class FatigueDbFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/fdb_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    state.DatabaseDir = dir.string();
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path File() const { return dir / "duvak.dat"; }

  // A database in memory that a failed read must leave alone.
  void LoadSomething() {
    db = fdb_fixture::TwoSetBatch();
    state.FatigueBatchCount = 1;
    state.FatigueDbModified = 1;
    state.DataDirectory[2] = state.FatigueDbOwnFolder = "/elsewhere";
  }

  void ExpectMessage(const std::string& text, const std::string& title) const {
    ASSERT_EQ(host.messages.size(), 1u) << host.Transcript();
    const FakeHost::Message& m = host.messages[0];
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::OKOnly);
    EXPECT_EQ(host.beeps, 1);
  }

  fs::path dir;
  FatigueDatabase db;
  FatigueDbState state;
  FakeHost host;
};

TEST(FatigueDbPath, AppendsTheNameAfterOneSeparator) {
  EXPECT_EQ(FatigueDatabasePath("/data"), "/data/duvak.dat");
  EXPECT_EQ(FatigueDatabasePath("/data/"), "/data/duvak.dat");
  EXPECT_EQ(FatigueDatabasePath("C:\\"), "C:\\duvak.dat");
}

TEST_F(FatigueDbFile, SaveThenOpenGivesTheSameDatabase) {
  db = fdb_fixture::ThreeBatches();
  state.FatigueBatchCount = 3;
  state.FatigueDbModified = 1;
  ASSERT_TRUE(WriteFatigueDatabase(db, state, host)) << host.Transcript();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(state.FatigueDbModified, 0);
  EXPECT_EQ(state.DataDirectory[2], dir.string());
  EXPECT_EQ(state.FatigueDbOwnFolder, dir.string());
  EXPECT_EQ(db.FdbReference[1][2], "Description & Reference:");  // in memory too
  EXPECT_EQ(host.pointerHistory, (std::vector<int>{kPointerHourglass, kPointerDefault}));
  EXPECT_NE(ReadBytes(File()).find("Al 4 \x96 Zugfestigkeit \xE4\r\n"), std::string::npos);

  FatigueDatabase readDb;
  FatigueDbState readState;
  readState.DatabaseDir = dir.string() + "/";
  readState.FatigueDbModified = 1;
  ASSERT_TRUE(ReadFatigueDatabase(readDb, readState, host)) << host.Transcript();
  EXPECT_TRUE(readDb == db);
  EXPECT_EQ(readState.FatigueBatchCount, 3);
  EXPECT_EQ(readState.FatigueDbModified, 0);
  EXPECT_EQ(readState.DataDirectory[2], dir.string() + "/");
  EXPECT_EQ(readState.FatigueDbOwnFolder, dir.string() + "/");
}

TEST_F(FatigueDbFile, SavedBytesAreTheFileLayout) {
  db = fdb_fixture::TwoSetBatch();
  state.FatigueBatchCount = 1;
  ASSERT_TRUE(WriteFatigueDatabase(db, state, host));
  EXPECT_EQ(ReadBytes(File()), fdb_fixture::TwoSetBatchText());
}

TEST_F(FatigueDbFile, MissingFileIsReportedAndChangesNothing) {
  LoadSomething();
  const FatigueDatabase before = db;
  const FatigueDbState stateBefore = state;
  EXPECT_FALSE(ReadFatigueDatabase(db, state, host));
  ExpectMessage("File not found", "Material Database");
  EXPECT_TRUE(db == before);
  EXPECT_TRUE(state == stateBefore);
  EXPECT_EQ(host.mousePointer, kPointerDefault);
}

// A file cut inside batch 3 of 3: batches 1 and 2 are taken, as after a
// read, with the message; one cut inside batch 1 changes nothing.
TEST_F(FatigueDbFile, ATruncatedFileKeepsTheBatchesReadWhole) {
  FatigueDatabase three = fdb_fixture::ThreeBatches();
  FillFatigueDbSaveTexts(three, 3);
  const std::string bytes = FormatFatigueDatabase(three, 3).Bytes();
  WriteBytes(File(), bytes.substr(0, bytes.find("Al 3\r\n")));
  LoadSomething();
  EXPECT_TRUE(ReadFatigueDatabase(db, state, host));
  ExpectMessage("The Material Data-Base is corrupted!", "Material Data-Base");
  EXPECT_EQ(state.FatigueBatchCount, 2);
  EXPECT_EQ(state.FatigueDbModified, 0);
  EXPECT_EQ(state.DataDirectory[2], dir.string());
  EXPECT_EQ(db.FdbBatchName[1], "Steels");
  EXPECT_EQ(db.FdbSetName[1][2], "Set 2");
  EXPECT_EQ(db.FdbSetCount[3], 0.0f);
  EXPECT_EQ(db.FdbSetName[3][1], "");

  WriteBytes(File(), bytes.substr(0, bytes.find("Set 2\r\n")));
  LoadSomething();
  host.messages.clear();
  host.beeps = 0;
  const FatigueDatabase before = db;
  const FatigueDbState stateBefore = state;
  EXPECT_FALSE(ReadFatigueDatabase(db, state, host));
  ExpectMessage("The Material Data-Base is corrupted!", "Material Data-Base");
  EXPECT_TRUE(db == before);
  EXPECT_TRUE(state == stateBefore);
}

TEST_F(FatigueDbFile, CountBeyondTwentyBatchesIsRefused) {
  WriteBytes(File(), fdb_fixture::VersionLine(21));
  LoadSomething();
  const FatigueDatabase before = db;
  EXPECT_FALSE(ReadFatigueDatabase(db, state, host));
  ExpectMessage("The Material Data-Base is corrupted!", "Material Data-Base");
  EXPECT_TRUE(db == before);
  EXPECT_EQ(state.FatigueBatchCount, 1);
}

TEST_F(FatigueDbFile, NoBeepWhenBeepsAreOff) {
  EXPECT_FALSE(ReadFatigueDatabase(db, state, host, false));
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(FatigueDbFile, ReplacingAFileAsksUnlessConfirmedForThisFolder) {
  WriteBytes(File(), "old");
  db = fdb_fixture::TwoSetBatch();
  state.FatigueBatchCount = 1;
  state.FatigueDbModified = 1;

  host.QueueAnswer(kAnswerCancel);
  EXPECT_FALSE(WriteFatigueDatabase(db, state, host));
  ASSERT_EQ(host.messages.size(), 1u);
  const FakeHost::Message& q = host.messages[0];
  EXPECT_EQ(q.text, "Overwrite the existing Fatigue Database?  ");
  EXPECT_EQ(q.title, "Material Database");
  EXPECT_EQ(q.buttons, MsgButtons::OKCancel);
  EXPECT_EQ(q.icon, MsgIcon::Exclamation);
  EXPECT_EQ(q.defaultButton, 2);
  EXPECT_EQ(ReadBytes(File()), "old");
  EXPECT_EQ(state.FatigueDbModified, 1);

  host.QueueAnswer(kAnswerOK);
  EXPECT_TRUE(WriteFatigueDatabase(db, state, host));
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(ReadBytes(File()), fdb_fixture::TwoSetBatchText());

  state.OverwriteConfirmed = 1;  // same folder as the last save: no question
  EXPECT_TRUE(WriteFatigueDatabase(db, state, host));
  EXPECT_EQ(host.messages.size(), 2u);
  state.DatabaseDir = dir.string() + "/";  // the same folder, written otherwise
  state.DataDirectory[2] = "/the/jobs/folder";
  EXPECT_TRUE(WriteFatigueDatabase(db, state, host));
  EXPECT_EQ(host.messages.size(), 2u);

  // confirmation was for another folder, the database's own, even where a
  // job opened names the folder written to
  state.FatigueDbOwnFolder = "/another/folder";
  state.DataDirectory[2] = state.DatabaseDir;
  host.QueueAnswer(kAnswerCancel);
  EXPECT_FALSE(WriteFatigueDatabase(db, state, host));
  EXPECT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(state.OverwriteConfirmed, 0);
}

TEST_F(FatigueDbFile, SaveIntoAMissingFolderReportsTheRuntimesText) {
  state.DatabaseDir = (dir / "missing").string();
  db = fdb_fixture::TwoSetBatch();
  state.FatigueBatchCount = 1;
  state.FatigueDbModified = 1;
  EXPECT_FALSE(WriteFatigueDatabase(db, state, host));
  ExpectMessage("Path not found", "Material Database");
  EXPECT_EQ(state.FatigueDbModified, 1);
  EXPECT_EQ(state.DataDirectory[2], "");
}

TEST_F(FatigueDbFile, FailedSaveKeepsTheOldFile) {
  WriteBytes(File(), "the old database");
  db = fdb_fixture::ThreeBatches();
  state.FatigueBatchCount = 3;
  state.FatigueDbModified = 1;
  state.OverwriteConfirmed = 1;
  state.FatigueDbOwnFolder = state.DatabaseDir;
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(WriteFatigueDatabase(db, state, host));
  }
  ExpectMessage("Path/File access error", "Material Database");
  EXPECT_EQ(ReadBytes(File()), "the old database");
  EXPECT_EQ(state.FatigueDbModified, 1);
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename(), "duvak.dat");  // no temporary file left
}

}  // namespace
