#include "testdata/test_data_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/runtime/seq_writer.h"
#include "support/fake_host.h"
#include "support/scoped_folder.h"
#include "testdata/test_data_fixtures.h"

namespace {

// Three points with every kind of header text.
TestDataSet SampleSet() {
  TestDataSet set = SetOf({{300, 20000, 1}, {250.5f, 150000, 0}, {200, 1500000, 1}});
  set.TestHeaderLines = {"", "Steel, notched", "h2", "", "h4", "h5"};
  return set;
}

const std::string kSampleFile =
    "\"Steel, notched\"\r\n"
    "\"*** TEST DATA ***\"\r\n"
    "3,355,510,-1\r\n"
    "\r\n"
    "\"h2\"\r\n"
    "\"\"\r\n"
    "\"h4\"\r\n"
    "\"h5\"\r\n"
    "300,20000,1\r\n"
    "250.5,150000,0\r\n"
    "200,1500000,1\r\n";

// A set in memory that a failed read must leave exactly as it is.
TestDataSet SetInMemory() {
  TestDataSet set = SetOf({{111, 2222}, {333, 4444}, {555, 6666}});
  set.TestDataName = "Before";
  set.TestHeaderLines[1] = "kept";
  set.TestDataModified = 1;
  set.TestFitCoeff = 7;
  set.TestDiagramZoom = 1;
  return set;
}

class TestDataFile : public ::testing::Test {
 protected:
  ScopedTempFolder folder{"test_data_file"};
  FakeHost host;

  std::string Path(const std::string& name) const { return (folder.path() / name).string(); }
};

TEST_F(TestDataFile, WritesTheLineTableAndReadsItBackWhole) {
  TestDataSet set = SampleSet();
  set.TestDataModified = 1;
  ASSERT_TRUE(WriteTestDataFile(set, Path("x.sft"), host, "Fatigue Test Data")) << host.Transcript();
  EXPECT_EQ(folder.Read("x.sft"), kSampleFile);
  EXPECT_EQ(set.TestDataModified, 0);

  TestDataSet back = SetInMemory();
  const TestDataSet before = back;
  ASSERT_TRUE(ReadTestDataFile(back, Path("x.sft"), host)) << host.Transcript();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(back.TestDataName, "x");
  EXPECT_EQ(back.TestHeaderLines, set.TestHeaderLines);
  EXPECT_EQ(back.TestPointCount, 3);
  EXPECT_EQ(back.TestSy, 355);
  EXPECT_EQ(back.TestSu, 510);
  EXPECT_EQ(back.TestStressRatio, -1);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(back.TestStress[k], set.TestStress[k]) << k;
    EXPECT_EQ(back.TestLife[k], set.TestLife[k]) << k;
    EXPECT_EQ(back.TestPointUsed[k], set.TestPointUsed[k]) << k;
  }
  // Reading leaves the modified flag, the fit and the editor state alone.
  EXPECT_EQ(back.TestDataModified, before.TestDataModified);
  EXPECT_EQ(back.TestFitCoeff, before.TestFitCoeff);
  EXPECT_EQ(back.TestRefLife, before.TestRefLife);
  EXPECT_EQ(back.TestDiagramZoom, before.TestDiagramZoom);
}

TEST_F(TestDataFile, OtherExtensionsReadTwoItemsPerPoint) {
  folder.Write("x.SFT", kSampleFile);
  TestDataSet set;
  ASSERT_TRUE(ReadTestDataFile(set, Path("x.SFT"), host)) << host.Transcript();
  EXPECT_EQ(set.TestDataName, "x");
  EXPECT_EQ(set.TestStress[1], 300);
  EXPECT_EQ(set.TestLife[1], 20000);
  EXPECT_EQ(set.TestStress[2], 1) << "the flag of point 1 is taken as the next stress";
  EXPECT_EQ(set.TestLife[2], 250) << "250.5 rounds to the even 250";
  EXPECT_EQ(set.TestStress[3], 150000);
  EXPECT_EQ(set.TestLife[3], 0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(set.TestPointUsed[k], 1);
}

TEST_F(TestDataFile, UnquotedHeaderPiecesRunTogether) {
  folder.Write("u.sft", "Steel, notched,  R-1\r\n\"*** TEST DATA ***\"\r\n2,1,2,0\r\n\r\na\r\nb\r\nc\r\nd\r\n"
                        "300,20000,1\r\n200,90000,1\r\n");
  TestDataSet set;
  ASSERT_TRUE(ReadTestDataFile(set, Path("u.sft"), host)) << host.Transcript();
  EXPECT_EQ(set.TestHeaderLines[1], "SteelnotchedR-1");
  EXPECT_EQ(set.TestHeaderLines[5], "d");
}

// Files that the reader takes, by their header lines: each is read, written
// and read back to the same set; a file in the writer's own form is written
// byte for byte as it was.
TEST_F(TestDataFile, EveryHeaderThatReadsIsWrittenSoThatItReadsBack) {
  const struct {
    const char* what;
    std::string before;  // the lines before the marker
    std::string line3;   // the line of header text 3
    std::string header1, header3;
    bool asWritten;
  } cases[] = {
      {"quoted, a comma in text 1", "\"Steel, notched\"\r\n", "\"h3\"\r\n", "Steel, notched", "h3", true},
      {"empty texts", "\"\"\r\n", "\"\"\r\n", "", "", true},
      {"the marker's text as text 3", "\"d\"\r\n", "\"*** TEST DATA ***\"\r\n", "d", "*** TEST DATA ***", true},
      {"text 1 the marker's, of two quoted items", "\"*** TEST\",\" DATA ***\"\r\n", "\"h3\"\r\n",
       "*** TEST DATA ***", "h3", false},
      {"text 1 the marker's, of unquoted pieces", "*** TEST DATA **,*\r\n", "\"h3\"\r\n", "*** TEST DATA ***",
       "h3", false},
      {"text 1 the marker's, of two lines", "\"*** TEST DATA\"\r\n\" ***\"\r\n", "\"h3\"\r\n",
       "*** TEST DATA ***", "h3", false},
      {"text 1 the marker's, as written", "\"*** TEST DATA\",\" ***\"\r\n", "\"h3\"\r\n", "*** TEST DATA ***",
       "h3", true},
      {"double quotes in unquoted items", "Bolt \"M12\",\", rolled\"\r\n", "say \"hi\"\r\n",
       "Bolt \"M12\", rolled", "say \"hi\"", true},
      {"a double quote after a blank, over two lines", "2 \"x\" bolt\r\n\", rolled\"\r\n", "a\"b\r\n",
       "2 \"x\" bolt, rolled", "a\"b", false},
  };
  for (const auto& c : cases) {
    const std::string file = c.before + "\"*** TEST DATA ***\"\r\n2,355,510,-1\r\n\r\n\"h2\"\r\n" + c.line3 +
                             "\"h4\"\r\n\"h5\"\r\n300,20000,1\r\n200,150000,0\r\n";
    folder.Write("a.sft", file);
    FakeHost h;
    TestDataSet first;
    ASSERT_TRUE(ReadTestDataFile(first, Path("a.sft"), h)) << c.what;
    EXPECT_EQ(first.TestHeaderLines[1], c.header1) << c.what;
    EXPECT_EQ(first.TestHeaderLines[3], c.header3) << c.what;
    ASSERT_TRUE(WriteTestDataFile(first, Path("b.sft"), h, "Fatigue Test Data")) << c.what;
    if (c.asWritten) {
      EXPECT_EQ(folder.Read("b.sft"), file) << c.what;
    }
    TestDataSet back;
    EXPECT_TRUE(ReadTestDataFile(back, Path("b.sft"), h)) << c.what << "\n" << folder.Read("b.sft");
    EXPECT_TRUE(h.messages.empty()) << c.what << h.Transcript();
    back.TestDataName = first.TestDataName;
    EXPECT_EQ(back, first) << c.what;
  }
}

// Texts held in memory: a double quote where the reader's items hold one
// reads back as it was; one that no item holds (at the start of a text or
// after a comma) is written as a single quote.
TEST_F(TestDataFile, AQuoteInAHeaderIsWrittenSoThatTheFileReadsBack) {
  TestDataSet set = SampleSet();
  set.TestHeaderLines[1] = "Bolt \"M12\", rolled, \"A\"";
  set.TestHeaderLines[3] = "say \"hi\"";
  set.TestHeaderLines[4] = "\"hi\" there";
  ASSERT_TRUE(WriteTestDataFile(set, Path("q.sft"), host, "Fatigue Test Data"));
  TestDataSet back;
  ASSERT_TRUE(ReadTestDataFile(back, Path("q.sft"), host)) << host.Transcript();
  EXPECT_EQ(back.TestHeaderLines[1], "Bolt \"M12\", rolled, 'A'");
  EXPECT_EQ(back.TestHeaderLines[3], "say \"hi\"");
  EXPECT_EQ(back.TestHeaderLines[4], "'hi' there");
  EXPECT_EQ(back.TestStress[3], 200);
}

TEST_F(TestDataFile, MoreThanFiftyOnePointsBeepOnceAndGiveTheFirst51) {
  std::string text = "\"\"\r\n\"*** TEST DATA ***\"\r\n60,355,510,-1\r\n\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
  for (int k = 1; k <= 60; ++k) text += std::to_string(100 + k) + "," + std::to_string(1000 * k) + ",1\r\n";
  folder.Write("big.sft", text);
  TestDataSet set;
  ASSERT_TRUE(ReadTestDataFile(set, Path("big.sft"), host)) << host.Transcript();
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(set.TestPointCount, 51);
  EXPECT_EQ(set.TestStress[51], 151);
  EXPECT_EQ(set.TestLife[51], 51000);
}

TEST_F(TestDataFile, CountsAreStoredAsWholePoints) {
  const struct {
    const char* count;
    float stored;
  } cases[] = {{"2.5", 2}, {"3.5", 4}, {"2.4", 2}};
  for (const auto& c : cases) {
    folder.Write("c.sft", std::string("\"\"\r\n\"*** TEST DATA ***\"\r\n") + c.count +
                              ",1,2,0\r\n\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                              "300,1000,1\r\n250,2000,1\r\n200,3000,1\r\n150,4000,1\r\n");
    TestDataSet set;
    ASSERT_TRUE(ReadTestDataFile(set, Path("c.sft"), host)) << c.count;
    EXPECT_EQ(set.TestPointCount, c.stored) << c.count;
    EXPECT_EQ(set.TestLife[static_cast<int>(c.stored)], 1000 * c.stored) << c.count;
  }
}

// Files that cannot be read: the message, and the set as it was.
TEST_F(TestDataFile, ACorruptFileLeavesTheSetUnchanged) {
  const std::string head = "\"d\"\r\n\"*** TEST DATA ***\"\r\n";
  const std::string tail = "\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n";
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"count 0", head + "0,1,2,0" + tail + "300,1000,1\r\n"},
      {"a count that rounds to 0", head + "0.4,1,2,0" + tail + "300,1000,1\r\n"},
      {"a negative count", head + "-3,1,2,0" + tail},
      {"no marker", "\"d\"\r\n\"*** TEST DATA\"\r\n2,1,2,0" + tail + "300,1000,1\r\n200,2000,1\r\n"},
      {"fewer points than the count", head + "3,1,2,0" + tail + "300,1000,1\r\n200,2000,1\r\n"},
      {"a point without its flag", head + "2,1,2,0" + tail + "300,1000,1\r\n200,2000\r\n"},
      {"a life beyond 32 bits", head + "2,1,2,0" + tail + "300,1000,1\r\n200,2147483648,1\r\n"},
      {"a stress beyond Single", head + "2,1,2,0" + tail + "300,1000,1\r\n1E+39,2000,1\r\n"},
      {"a flag beyond 16 bits", head + "2,1,2,0" + tail + "300,1000,1\r\n200,2000,32768\r\n"},
      {"a word for a number", head + "2,yield,2,0" + tail + "300,1000,1\r\n200,2000,1\r\n"},
      {"an empty file", ""},
  };
  for (const auto& c : cases) {
    folder.Write("bad.sft", c.text);
    FakeHost h;
    TestDataSet set = SetInMemory();
    const TestDataSet before = set;
    EXPECT_FALSE(ReadTestDataFile(set, Path("bad.sft"), h)) << c.what;
    ASSERT_EQ(h.messages.size(), 1u) << c.what;
    EXPECT_EQ(h.messages[0].text, "The Data is corrupted!");
    EXPECT_EQ(h.messages[0].title, "Fatigue Test Data");
    EXPECT_EQ(h.messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(h.messages[0].buttons, MsgButtons::OKOnly);
    EXPECT_EQ(set, before) << c.what;
  }
  TestDataSet set = SetInMemory();
  const TestDataSet before = set;
  EXPECT_FALSE(ReadTestDataFile(set, Path("missing.sft"), host));
  EXPECT_EQ(host.messages.at(0).text, "The Data is corrupted!");
  EXPECT_EQ(set, before);
}

TEST_F(TestDataFile, AFailedWriteLeavesNoFileAndTheSetModified) {
  TestDataSet set = SampleSet();
  set.TestDataModified = 1;
  const std::string path = Path("no_such_folder/x.sft");
  EXPECT_FALSE(WriteTestDataFile(set, path, host, "Fatigue Test Data"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Path not found");
  EXPECT_EQ(host.messages[0].title, "Fatigue Test Data");
  EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(set.TestDataModified, 1);
}

TEST(TestDataFileNames, NameFromThePathAndPathInTheFolder) {
  ScopedTempFolder folder{"test_data_names"};
  folder.Write("series.sft", kSampleFile);
  FakeHost host;
  TestDataSet set;
  ASSERT_TRUE(ReadTestDataFile(set, (folder.path() / "series.sft").string(), host));
  EXPECT_EQ(set.TestDataName, "series");
  EXPECT_EQ(PathInFolder("/db", "a.sft"), "/db/a.sft");
  EXPECT_EQ(PathInFolder("/db/", "a.sft"), "/db/a.sft");
  EXPECT_EQ(PathInFolder("C:\\db\\", "a.sft"), "C:\\db\\a.sft");
  EXPECT_EQ(PathInFolder("", "a.sft"), "a.sft");
}

}  // namespace
