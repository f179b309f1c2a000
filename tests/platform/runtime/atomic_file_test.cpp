#include "platform/runtime/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/runtime/runtime_error.h"

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
