#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/runtime/runtime_error.h"
#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

class FolderListsTest : public ::testing::Test {
 protected:
  FolderListsTest() {
    QDir(tmp.path()).mkpath("b_sub");
    QDir(tmp.path()).mkpath("A_sub/deeper");
  }
  QTemporaryDir tmp;
  FakeHost host;
  Form form{host};
};

TEST_F(FolderListsTest, DirListShowsParentsAndSubfoldersAndRunsChange) {
  auto& dir = form.Add<DirList>("Dir1");
  int changes = 0;
  dir.onChange = [&] { ++changes; };
  const std::string root = QDir(tmp.path()).canonicalPath().toStdString();
  dir.SetPath(root);
  EXPECT_EQ(dir.Path(), root);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(dir.ListCount(), 2);
  EXPECT_EQ(dir.List(0), root + "/A_sub") << "name order, case-blind";
  EXPECT_EQ(dir.List(1), root + "/b_sub");
  EXPECT_EQ(dir.List(-1), root);
  EXPECT_EQ(dir.ListIndex(), -1);
  dir.SetPath(root + "/A_sub/");
  EXPECT_EQ(dir.Path(), root + "/A_sub");
  EXPECT_EQ(dir.List(-2), root);
  dir.SetPath(dir.Path());
  EXPECT_EQ(changes, 2) << "the same folder is no change";
}

TEST_F(FolderListsTest, MissingFolderRaisesPathNotFoundAndKeepsThePath) {
  auto& dir = form.Add<DirList>("Dir1");
  const std::string before = dir.Path();
  try {
    dir.SetPath(tmp.path().toStdString() + "/nothing");
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), kErrPathNotFound);
  }
  EXPECT_EQ(dir.Path(), before);
}

TEST_F(FolderListsTest, DriveListHoldsTheRoots) {
  auto& drives = form.Add<DriveList>("Drive1");
  ASSERT_GE(drives.ListCount(), 1);
  EXPECT_EQ(drives.List(0), "/");
  drives.SetDrive(tmp.path().toStdString());
  EXPECT_EQ(drives.Drive(), "/");
  EXPECT_THROW(drives.SetDrive("Q:"), RuntimeError);
}

}  // namespace
