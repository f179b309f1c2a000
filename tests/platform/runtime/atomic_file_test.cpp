#include "platform/runtime/atomic_file.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/runtime/runtime_error.h"
#include "support/dead_process.h"

namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("atomic_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  int FileCount() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator())); }

  fs::path dir_;
};

}  // namespace

TEST_F(AtomicFileTest, WritesAndReplacesWholeFiles) {
  const std::string path = (dir_ / "a.cfg").string();
  ASSERT_TRUE(WriteFileAtomically(path, "first\r\n"));
  EXPECT_EQ(Contents(path), "first\r\n");
  ASSERT_TRUE(WriteFileAtomically(path, "x"));
  EXPECT_EQ(Contents(path), "x");
  EXPECT_EQ(FileCount(), 1);  // no temporary left behind
}

// A database kept in one folder and linked into another: saving through the
// link replaces the file it points to and leaves the link in place, as
// writing to the file's name always did.
TEST_F(AtomicFileTest, SavingThroughALinkReplacesTheLinkedFile) {
  fs::create_directories(dir_ / "shared");
  fs::create_directories(dir_ / "jobs");
  const fs::path target = dir_ / "shared" / "duvak.dat";
  const fs::path link = dir_ / "jobs" / "duvak.dat";
  std::ofstream(target, std::ios::binary) << "old";
  fs::create_symlink(fs::path("..") / "shared" / "duvak.dat", link);

  ASSERT_TRUE(WriteFileAtomically(link.string(), "new\r\n"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(target), "new\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "shared"), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "jobs"), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, MissingFolderGivesPathNotFound) {
  const SaveResult r = WriteFileAtomically((dir_ / "no" / "a.cfg").string(), "data");
  EXPECT_FALSE(r);
  EXPECT_EQ(r.code, kErrPathNotFound);
  EXPECT_EQ(r.errorText, "Path not found");
}

TEST_F(AtomicFileTest, TargetThatIsAFolderKeepsEverythingAsItWas) {
  const fs::path target = dir_ / "folder";
  fs::create_directory(target);
  std::ofstream(target / "inside.txt") << "kept";
  const SaveResult r = WriteFileAtomically(target.string(), "data");
  EXPECT_FALSE(r);
  EXPECT_EQ(r.errorText, RuntimeErrorText(r.code));
  EXPECT_FALSE(r.errorText.empty());
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Contents(target / "inside.txt"), "kept");
  EXPECT_EQ(FileCount(), 1);  // the temporary was removed
}

TEST(RuntimeErrorFromErrno, MapsTheCommonFailures) {
  EXPECT_EQ(RuntimeErrorFromErrno(ENOENT), kErrPathNotFound);
  EXPECT_EQ(RuntimeErrorFromErrno(EACCES), kErrPermissionDenied);
  EXPECT_EQ(RuntimeErrorFromErrno(EROFS), kErrPermissionDenied);
  EXPECT_EQ(RuntimeErrorFromErrno(ENOSPC), kErrDiskFull);
  EXPECT_EQ(RuntimeErrorFromErrno(EIO), kErrDeviceIO);
  EXPECT_EQ(RuntimeErrorFromErrno(EISDIR), kErrPathFileAccess);
}

TEST(RuntimeErrorText, TheTableOfTexts) {
  const struct { int code; const char* text; } cases[] = {
      {kErrFileNotFound, "File not found"},          {kErrPathNotFound, "Path not found"},
      {kErrInputPastEnd, "Input past end of file"},  {kErrTypeMismatch, "Type mismatch"},
      {kErrOverflow, "Overflow"},                    {kErrPermissionDenied, "Permission denied"},
      {kErrDiskFull, "Disk full"},                   {kErrDeviceUnavailable, "Device unavailable"},
      {kErrDeviceIO, "Device I/O error"},            {kErrPathFileAccess, "Path/File access error"},
      {kErrOutOfMemory, "Out of memory"},            {kErrSubscriptOutOfRange, "Subscript out of range"},
      {kErrDivisionByZero, "Division by zero"},      {kErrInvalidCall, "Invalid procedure call or argument"},
  };
  for (const auto& c : cases) EXPECT_EQ(RuntimeErrorText(c.code), c.text);
  EXPECT_EQ(RuntimeError(kErrTypeMismatch, "abc").code(), kErrTypeMismatch);
}

// What killed saves leave behind is cleared by the next save of the same
// file, and only that: a running process's temporary, other files and the
// temporaries of other targets stay.
TEST_F(AtomicFileTest, ASaveRemovesTheTemporariesThatKilledSavesLeft) {
  const std::string dead = std::to_string(DeadProcessId());
  const std::string path = (dir_ / "duvak.dat").string();
  const std::vector<std::string> stale = {"duvak.dat.tmp" + dead + "_0", "duvak.dat.tmp" + dead + "_17"};
  const std::vector<std::string> kept = {
      "duvak.dat.tmp" + std::to_string(::getpid()) + "_3",  // this process's own
      "duvak.dat.tmp1_0",                                    // a running process's (init)
      "duvak.dat.tmp" + dead,                                // not of the temporary form
      "duvak.dat.tmp" + dead + "_x",
      "duvak.dat.tmp" + dead + "_0.bak",
      "xduvak.dat.tmp" + dead + "_0",
      "Duvak.cfg.tmp" + dead + "_0",  // another target's: its own save clears it
      "duvak.dat",
  };
  for (const auto& name : stale) std::ofstream(dir_ / name) << "partial";
  for (const auto& name : kept) std::ofstream(dir_ / name) << "other";
  fs::create_directory(dir_ / ("duvak.dat.tmp" + dead + "_1"));  // a folder of that name stays

  ASSERT_TRUE(WriteFileAtomically(path, "saved"));
  for (const auto& name : stale) EXPECT_FALSE(fs::exists(dir_ / name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir_ / name)) << name;
  EXPECT_TRUE(fs::is_directory(dir_ / ("duvak.dat.tmp" + dead + "_1")));
  EXPECT_EQ(Contents(path), "saved");
  EXPECT_EQ(RemoveStaleTemporaries((dir_ / "Duvak.cfg").string()), 1);  // start-up's clearing
  EXPECT_TRUE(fs::exists(dir_ / ("duvak.dat.tmp" + std::to_string(::getpid()) + "_3")));
}

// A child process saves a large file over and over and is killed at random
// moments: the file is always the whole old or the whole new one, never a
// mixture or a part; and one more save removes every temporary the killed
// saves left.
TEST_F(AtomicFileTest, AKilledSaveNeverLeavesAPartialFile) {
  const std::string path = (dir_ / "duvak.dat").string();
  const std::string a(3 << 20, 'a'), b(5 << 20, 'b');
  ASSERT_TRUE(WriteFileAtomically(path, a));
  std::mt19937 random(static_cast<unsigned>(::testing::UnitTest::GetInstance()->random_seed()));
  std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
  int killedMidSave = 0;  // kills that left a temporary (the next save clears it)
  for (int attempt = 0; attempt < 50; ++attempt) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) (void)WriteFileAtomically(path, i % 2 ? a : b);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string now = Contents(path);
    EXPECT_TRUE(now == a || now == b) << "attempt " << attempt << ": " << now.size() << " bytes";
    if (FileCount() > 1) ++killedMidSave;
  }
  EXPECT_GT(killedMidSave, 0) << "no kill hit a save: the test shows nothing";
  ASSERT_TRUE(WriteFileAtomically(path, "last"));
  EXPECT_EQ(Contents(path), "last");
  EXPECT_EQ(FileCount(), 1);
}
