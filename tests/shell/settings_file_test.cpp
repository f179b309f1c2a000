#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <iterator>
#include <filesystem>
#include <string>

#include "support/fake_host.h"
#include "support/file_size_limit.h"
#include "support/scoped_folder.h"

namespace {

namespace fs = std::filesystem;

// SI units, the pastel start colours and tips shown.
const char kStartLine[] = " 1  8454143  8454016  16777215  16777088  16777088  0  0 \r\n";

class SettingsFile : public ::testing::Test {
 protected:
  void Put(const std::string& bytes) const { file.Put(bytes); }
  std::string Get() const { return file.Get(); }

  ScopedTempFile file{"settings_test", "Duvak.cfg"};
  const fs::path& dir = file.folder();
  const std::string& path = file.path();
  float lengthUnitFactor = 1;
  ColourSettings colours;
  int16_t toolTipMode = 0;
};

TEST_F(SettingsFile, StartSettingsGiveTheKnownLine) {
  ASSERT_TRUE(WriteSettingsFile(path, 1.0f, StartColours(-1), 0));
  EXPECT_EQ(Get(), kStartLine);
}

TEST_F(SettingsFile, RoundTripOfUsUnitsColoursAndHiddenTips) {
  ColourSettings chosen;
  chosen.ColourSN = 0x000000FF;
  chosen.ColourResults = 0x00010203;
  chosen.ColourLoading = 0x00FFFFFF;
  chosen.ColourDataBox = 1;
  chosen.ColourDiagrams = 0x00FF8080;
  ASSERT_TRUE(WriteSettingsFile(path, 1.0f / 25.4f, chosen, 1));
  EXPECT_EQ(Get(), " 0  255  66051  16777215  1  16744576  1  0 \r\n");

  EXPECT_TRUE(ReadSettingsFile(path, lengthUnitFactor, colours, toolTipMode));
  EXPECT_EQ(lengthUnitFactor, 0.0f);  // not 1: US units
  EXPECT_EQ(toolTipMode, 1);
  EXPECT_EQ(colours.ColourSN, chosen.ColourSN);
  EXPECT_EQ(colours.ColourResults, chosen.ColourResults);
  EXPECT_EQ(colours.ColourLoading, chosen.ColourLoading);
  EXPECT_EQ(colours.ColourDataBox, chosen.ColourDataBox);
  EXPECT_EQ(colours.ColourDiagrams, chosen.ColourDiagrams);
}

TEST_F(SettingsFile, ItemsAreReadWhateverTheLineBreaks) {
  Put("2,\r\n1 2 3\r4,5\n1\r\n7\r\n");
  EXPECT_TRUE(ReadSettingsFile(path, lengthUnitFactor, colours, toolTipMode));
  EXPECT_EQ(lengthUnitFactor, 2.0f);
  EXPECT_EQ(colours.ColourSN, 1);
  EXPECT_EQ(colours.ColourDiagrams, 5);
  EXPECT_EQ(toolTipMode, 1);
}

TEST_F(SettingsFile, MissingShortOrUnreadableFilesFallBackToSi) {
  const struct {
    const char* bytes;  // nullptr: no file
    int32_t colourSN, colourResults;
    int16_t toolTipMode;
  } cases[] = {
      {nullptr, 11, 22, 1},                              // missing: nothing taken
      {" 0  255 \r\n", 255, 22, 1},                      // short: the items before the end are taken
      {" 0  255  66051  1  2  3  0 \r\n", 255, 66051, 0},  // only the eighth item missing
      {"US 255\r\n", 11, 22, 1},                         // not a number
      {" 0  255  -1  1  2  3  0  0 \r\n", 255, 22, 1},     // a colour that is no colour
      {" 0  255  16777216  1  2  3  0  0 \r\n", 255, 22, 1},
      {" 0  1  2  3  4  5  2  0 \r\n", 1, 2, 1},           // tip mode beyond the two menu items
      {"", 11, 22, 1},
  };
  for (const auto& c : cases) {
    fs::remove(path);
    if (c.bytes) Put(c.bytes);
    float factor = 0;
    ColourSettings cs;
    cs.ColourSN = 11;
    cs.ColourResults = 22;
    int16_t mode = 1;
    EXPECT_FALSE(ReadSettingsFile(path, factor, cs, mode)) << (c.bytes ? c.bytes : "(none)");
    EXPECT_EQ(factor, 1.0f);
    EXPECT_EQ(cs.ColourSN, c.colourSN);
    EXPECT_EQ(cs.ColourResults, c.colourResults);
    EXPECT_EQ(mode, c.toolTipMode);
  }
}

TEST_F(SettingsFile, FailedSaveReportsTheRuntimesTextAndKeepsTheFile) {
  Put(kStartLine);
  FakeHost host;
  {
    FileSizeLimit limit(10);
    EXPECT_FALSE(SaveSettingsFile(path, 0.0f, colours, 1, host));
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Path/File access error");
  EXPECT_EQ(host.messages[0].title, "Save Settings");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Get(), kStartLine);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  EXPECT_FALSE(SaveSettingsFile((dir / "no" / "Duvak.cfg").string(), 1.0f, colours, 0, host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "Path not found");
}

TEST(ColourSettingsTest, StartAndFactoryColoursByColourCount) {
  EXPECT_TRUE(StartColours(-1) == ColourSettings{});
  const ColourSettings full = StartColours(256);
  EXPECT_EQ(full.ColourSN, 0x0000FFFF);
  EXPECT_EQ(full.ColourResults, 0x0000FF00);
  EXPECT_EQ(full.ColourLoading, 0x00FFFFFF);
  EXPECT_EQ(full.ColourDataBox, 0x00FFFF00);
  EXPECT_EQ(full.ColourDiagrams, 0x00FFFF00);
  EXPECT_EQ(full.InvalidFieldColour, 0x00FF00FF);

  for (int count : {-1, 256}) {
    ColourSettings c = StartColours(count);
    c.ColourSN = 1;
    RestoreFactoryColours(c, count);
    ColourSettings expected = StartColours(count);
    expected.ColourDiagrams = count == -1 ? 0x00FFC0C0 : 0x00FF8080;  // the only difference
    EXPECT_TRUE(c == expected) << count;
  }
}

}  // namespace
