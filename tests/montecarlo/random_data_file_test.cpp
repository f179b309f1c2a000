#include "montecarlo/random_data_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/file_size_limit.h"
#include "support/scoped_folder.h"

namespace {

RandomVariableTable Varied() {
  RandomVariableTable t;
  for (int k = 1; k <= kRandomVarMax; ++k) {
    t.RvType[k] = static_cast<int16_t>(k % 7 - 1);  // -1 .. 5
    t.RvCov[k] = 0.01f * k + 0.003f;
    t.RvXmax[k] = 1.0f + 0.25f * k;
    t.RvXmin[k] = 1.0f / (k + 1);
    t.RvParA[k] = -0.123456789f * k;
    t.RvParB[k] = 1.0e-5f * k;
  }
  return t;
}

bool SameVariables(const RandomVariableTable& a, const RandomVariableTable& b) {
  return a.RvType == b.RvType && a.RvCov == b.RvCov && a.RvXmin == b.RvXmin && a.RvXmax == b.RvXmax &&
         a.RvParA == b.RvParA && a.RvParB == b.RvParB;
}

// The file keeps Singles to seven significant digits.
void ExpectNear(const RandomVariableTable& a, const RandomVariableTable& b) {
  EXPECT_EQ(a.RvType, b.RvType);
  for (int k = 1; k <= kRandomVarMax; ++k) {
    for (auto field : {&RandomVariableTable::RvCov, &RandomVariableTable::RvXmin, &RandomVariableTable::RvXmax,
                       &RandomVariableTable::RvParA, &RandomVariableTable::RvParB}) {
      EXPECT_NEAR((a.*field)[k], (b.*field)[k], 1e-6 * std::fabs((b.*field)[k])) << k;
    }
  }
}

class RandomDataFileTest : public ::testing::Test {
 protected:
  ScopedTempFile file{"random_data", "job.rsn"};
  std::string message;
};

TEST_F(RandomDataFileTest, EightPrintLinesWithTheUpperBoundFirst) {
  RandomVariableTable t;
  t.RvType[3] = 3;
  t.RvXmax[3] = 1.5f;
  t.RvXmin[3] = 0.5f;
  t.RvParA[3] = 1.043396f;
  t.RvParB[3] = 12.05612f;
  ASSERT_TRUE(WriteRandomDataFile(t, file.path()));
  const std::string plain = " 0  .1  1  1  0  0 \r\n";
  EXPECT_EQ(file.Get(), plain + plain + " 3  .1  1.5  .5  1.043396  12.05612 \r\n" + plain + plain + plain + plain + plain);
}

TEST_F(RandomDataFileTest, WrittenTablesReadBack) {
  for (const RandomVariableTable& written : {RandomVariableTable{}, Varied()}) {
    ASSERT_TRUE(WriteRandomDataFile(written, file.path()));
    RandomVariableTable read;
    read.RvLastUniform[2] = 0.25f;  // the generator's memory is not in the file
    read.CurrentRandomVar = 3;
    ASSERT_TRUE(ReadRandomDataFile(read, file.path(), message)) << message;
    ExpectNear(read, written);
    EXPECT_EQ(read.RvLastUniform[2], 0.25f);
    EXPECT_EQ(read.CurrentRandomVar, 3);
  }
}

TEST_F(RandomDataFileTest, OneLongLineReadsLikeEightLines) {
  ASSERT_TRUE(WriteRandomDataFile(Varied(), file.path()));
  std::string bytes = file.Get();
  for (std::size_t at; (at = bytes.find("\r\n")) != std::string::npos;) bytes.replace(at, 2, 1, ' ');
  file.Put(bytes + "\r\n");
  RandomVariableTable read;
  ASSERT_TRUE(ReadRandomDataFile(read, file.path(), message)) << message;
  ExpectNear(read, Varied());
}

TEST_F(RandomDataFileTest, AFileThatIsNotWholeLeavesTheTableAsItWas) {
  ASSERT_TRUE(WriteRandomDataFile(Varied(), file.path()));
  const std::string good = file.Get();
  std::string threeLines = good;
  std::size_t end = 0;
  for (int line = 0; line < 3; ++line) end = threeLines.find("\r\n", end) + 2;
  threeLines.resize(end);
  std::string badType = good;
  badType.replace(0, 3, " 7 ");
  std::string huge = good;
  huge.replace(huge.find(" .013 "), 6, " 1E+39 ");
  struct Case {
    const char* what;
    std::string bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"three complete lines", threeLines, "(Input past end of file)"},
      {"a type code of 7", badType, "(unknown distribution type 7 of variable 1)"},
      {"a COV beyond Single", huge, "(Overflow)"},
      {"words", "Hello world\r\n", "(Type mismatch)"},
      {"an empty file", "", "(Input past end of file)"},
  };
  for (const Case& c : cases) {
    file.Put(c.bytes);
    RandomVariableTable t;
    t.RvCov[1] = 0.42f;
    ASSERT_FALSE(ReadRandomDataFile(t, file.path(), message)) << c.what;
    EXPECT_TRUE(SameVariables(t, [] {
      RandomVariableTable d;
      d.RvCov[1] = 0.42f;
      return d;
    }())) << c.what;
    EXPECT_EQ(message, "Sorry, Can't read the Random Data file!\r" + file.path() + "\r" + c.reason) << c.what;
  }
  RandomVariableTable t;
  EXPECT_FALSE(ReadRandomDataFile(t, file.path() + ".missing"));
}

TEST_F(RandomDataFileTest, AFailedWriteKeepsTheOldFile) {
  file.Put("old");
  {
    FileSizeLimit limit(20);
    EXPECT_FALSE(WriteRandomDataFile(Varied(), file.path(), message));
  }
  EXPECT_EQ(file.Get(), "old");
  EXPECT_EQ(message.rfind("Sorry, Can't write the Random Data file!\r" + file.path() + "\r(", 0), 0u);
}

}  // namespace
