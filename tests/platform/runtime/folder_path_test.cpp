#include "platform/runtime/folder_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scoped_folder.h"

namespace {

namespace fs = std::filesystem;

// The current folder holds "materials", "other" and "link", a symbolic link
// to "materials"; "gone" does not exist.
class FolderPath : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(here.path() / "materials");
    fs::create_directory(here.path() / "other");
    fs::create_directory_symlink(here.path() / "materials", here.path() / "link");
  }
  std::string At(const std::string& name) const { return (here.path() / name).string(); }
  ScopedCurrentFolder here{"folder_path"};
};

TEST_F(FolderPath, SameFolderComparesFoldersNotTexts) {
  struct Case {
    std::string a, b;
    bool same;
  };
  const Case cases[] = {
      {At("materials"), At("materials"), true},
      {At("materials"), At("materials") + "/", true},
      {At("materials"), At("materials") + "//", true},
      {At("materials"), At("materials/."), true},
      {At("materials"), At("other/../materials"), true},
      {At("materials"), At("link"), true},
      {At("materials"), At("link") + "/", true},
      {At("materials"), "materials", true},
      {At("materials"), "./materials/", true},
      {At("materials"), "../" + here.path().filename().string() + "/materials", true},
      {here.path().string(), "", true},
      {here.path().string(), ".", true},
      {At("materials"), At("other"), false},
      {At("materials"), "", false},
      {At("link"), At("other"), false},
      // folders that do not exist: by their paths
      {At("gone"), At("gone") + "/", true},
      {At("gone"), "gone", true},
      {At("link/gone"), At("materials/gone"), true},
      {At("gone"), At("gone2"), false},
      {At("gone"), At("materials"), false},
      {At("materials/gone"), At("other/gone"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameFolder(c.a, c.b), c.same) << c.a << " | " << c.b;
    EXPECT_EQ(SameFolder(c.b, c.a), c.same) << c.b << " | " << c.a;
  }
}

TEST_F(FolderPath, AbsoluteFolderIsTheFolderAsTheListsShowIt) {
  const struct {
    std::string given, absolute;
  } cases[] = {
      {At("materials"), At("materials")},
      {At("materials") + "/", At("materials")},
      {"materials/", At("materials")},
      {"./other/../materials", At("materials")},
      {"", here.path().string()},
      {"link", At("link")},  // a link stays as written
      {"gone/", At("gone")},
      {"/", "/"},
  };
  for (const auto& c : cases) EXPECT_EQ(AbsoluteFolder(c.given), c.absolute) << c.given;
}

}  // namespace
