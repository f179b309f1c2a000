#include "material/fatigue_db_format.h"

#include <gtest/gtest.h>

#include <string>

#include "material/fatigue_db_fixtures.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/seq_reader.h"

namespace {

using fdb_fixture::ThreeBatches;
using fdb_fixture::TwoSetBatch;
using fdb_fixture::TwoSetBatchText;
using fdb_fixture::VersionLine;

// The database as saving leaves it in memory.
FatigueDatabase Filled(FatigueDatabase db, int16_t batches) {
  FillFatigueDbSaveTexts(db, batches);
  return db;
}

std::string Bytes(const FatigueDatabase& db, int16_t batches) {
  return FormatFatigueDatabase(db, batches).Bytes();
}

FatigueDbParseResult Parse(const std::string& text, FatigueDatabase& out) {
  SeqReader in = SeqReader::FromText(Cp1252ToUtf8(text));
  return ParseFatigueDatabase(in, out);
}

TEST(FatigueDbFormat, WritesTheCurrentVersionByteForByte) {
  FatigueDatabase db = TwoSetBatch();
  FillFatigueDbSaveTexts(db, 1);
  EXPECT_EQ(db.FdbReference[1][2], "Description & Reference:");
  EXPECT_EQ(db.FdbTestDataName[1][2], "No fatigue data");
  EXPECT_EQ(db.FdbReference[1][1], "EC3 detail 71\rButt weld");
  EXPECT_EQ(Bytes(db, 1), TwoSetBatchText());
}

// Every byte of a realistic file: Singles that need all seven digits, negative
// numbers, Singles in the exponent form (-1.5E-05, 2.25E+07, 1E+30), lives in
// millions that need seven digits (1.234567) or the exponent form (50 cycles
// as 5E-05), a set linked to test data and a batch name holding a comma.
TEST(FatigueDbFormat, SevenDigitSinglesAndExponentFormsByteForByte) {
  FatigueDatabase db;
  db.FdbSetCount[1] = 2;
  db.FdbBatchName[1] = "Structural steels, EN 10025";
  db.FdbSetName[1][1] = "S355 J2";
  db.FdbSe[1][1] = 123.4567f;
  db.FdbNo[1][1] = 1234567;
  db.FdbM[1][1] = 3.333333f;  // values that seven digits give back exactly
  db.FdbPn[1][1] = 97.72499f;
  db.FdbR[1][1] = -0.3333333f;
  db.FdbSu[1][1] = 510;
  db.FdbSy[1][1] = 355;
  db.FdbReference[1][1] = "EN 1993-1-9\rDetail category 71";
  db.FdbSeDistType[1][1] = 3;
  db.FdbSeCov[1][1] = 0.0833333f;
  db.FdbSeParA[1][1] = -1.5e-5f;
  db.FdbSeParB[1][1] = 2.25e7f;
  db.FdbSeXmin[1][1] = 0.5f;
  db.FdbSeXmax[1][1] = 1e30f;
  db.FdbSetName[1][2] = "Weld 50";
  db.FdbTestDataName[1][2] = "Weld 50";
  db.FdbSe[1][2] = 27.5f;
  db.FdbNo[1][2] = 50;
  db.FdbM[1][2] = 5;
  db.FdbPn[1][2] = 50;
  db.FdbSu[1][2] = 400;
  db.FdbSy[1][2] = 240;
  const std::string expected =
      "-2             1 \r\n"  // the count in the zone at column 15, its sign blank there
      " 2 \r\n"
      "\r\n"
      "S355 J2\r\n"
      " 123.4567  1.234567  3.333333 \r\n"
      " 97.72499 -.3333333  510  355 \r\n"
      "EN 1993-1-9\rDetail category 71\r\n"
      "\r\n"
      "No fatigue data\r\n"
      " 3  .0833333 -1.5E-05  2.25E+07  .5  1E+30 \r\n"
      "\r\n"
      "Weld 50\r\n"
      " 27.5  5E-05  5 \r\n"
      " 50  0  400  240 \r\n"
      "Description & Reference:\r\n"
      "\r\n"
      "Weld 50\r\n"
      " 0  .1  0  0  0  0 \r\n"
      " 0 \"Structural steels, EN 10025\"\r\n";  // quoted: it holds a comma
  FillFatigueDbSaveTexts(db, 1);
  EXPECT_EQ(Bytes(db, 1), expected);

  FatigueDatabase read;
  const FatigueDbParseResult r = Parse(expected, read);
  ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << r.errorText;
  EXPECT_TRUE(read == db);
  EXPECT_EQ(read.FdbNo[1][2], 50);
}

TEST(FatigueDbFormat, ReadsTheCurrentVersionBack) {
  FatigueDatabase db;
  const FatigueDbParseResult r = Parse(TwoSetBatchText(), db);
  ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << r.errorText;
  EXPECT_EQ(r.batchCount, 1);
  EXPECT_TRUE(db == Filled(TwoSetBatch(), 1));
  EXPECT_EQ(db.FdbNo[1][1], 2000000);
  EXPECT_EQ(db.FdbNo[1][2], 500000);
}

TEST(FatigueDbFormat, ThreeBatchesRoundTrip) {
  const FatigueDatabase original = Filled(ThreeBatches(), 3);
  const std::string bytes = Bytes(original, 3);
  FatigueDatabase db;
  const FatigueDbParseResult r = Parse(bytes, db);
  ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << r.errorText;
  EXPECT_EQ(r.batchCount, 3);
  EXPECT_TRUE(db == original);
  EXPECT_EQ(db.FdbBatchName[2], "");                 // an empty name stays empty
  EXPECT_EQ(db.FdbBatchName[3], "Aluminium, 6xxx");  // a comma does not cut the name
  EXPECT_EQ(db.FdbReference[3][1], "Line one\rLine two\rLine three");
  EXPECT_EQ(db.FdbTestDataName[3][6], "AlMg test");
  EXPECT_EQ(Bytes(db, 3), bytes);
}

TEST(FatigueDbFormat, EmptyDatabaseIsOneLine) {
  const std::string bytes = Bytes(FatigueDatabase{}, 0);
  EXPECT_EQ(bytes, VersionLine(0));
  FatigueDatabase db;
  const FatigueDbParseResult r = Parse(bytes, db);
  EXPECT_EQ(r.status, FatigueDbParseStatus::Ok);
  EXPECT_EQ(r.batchCount, 0);
}

TEST(FatigueDbFormat, ReadsVersionMinusOne) {
  const std::string text =
      "-1            1 \r\n"
      " 1 \r\n"
      "Old set\r\n"
      " 100  1.5  4 \r\n"
      " 90  0  600  5 \r\n"
      "\r\n"
      "Ref line 1\r\n"
      "Ref line 2\r\n"
      "\r\n"
      "No fatigue data\r\n"
      " 0 Old batch\r\n";
  FatigueDatabase db;
  db.FdbSeParA[1][1] = 7;  // not given by the file: left as the arrays held it
  const FatigueDbParseResult r = Parse(text, db);
  ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << r.errorText;
  EXPECT_EQ(r.batchCount, 1);
  EXPECT_EQ(db.FdbSetName[1][1], "Old set");
  EXPECT_EQ(db.FdbNo[1][1], 1500000);
  EXPECT_FLOAT_EQ(db.FdbSy[1][1], 360.0f);  // below 10 MPa: 0.6 x Su
  EXPECT_EQ(db.FdbReference[1][1], "Ref line 1\rRef line 2");
  EXPECT_EQ(db.FdbTestDataName[1][1], "No fatigue data");
  EXPECT_EQ(db.FdbSeDistType[1][1], 0.0f);
  EXPECT_FLOAT_EQ(db.FdbSeCov[1][1], 0.1f);
  EXPECT_EQ(db.FdbSeParA[1][1], 7.0f);
  EXPECT_EQ(db.FdbBatchName[1], "Old batch");
}

TEST(FatigueDbFormat, ReadsAFileWithoutVersionMarker) {
  const std::string text =
      " 2 \r\n"
      " 1 \r\n"
      "A\r\n"
      " 80  2  3.5 \r\n"
      " 50 -1  400  250 \r\n"
      " 0 First\r\n"
      " 1 \r\n"
      "B\r\n"
      " 60  10  5 \r\n"
      " 50  .5  300  200 \r\n"
      " 0 Second\r\n";
  FatigueDatabase db;
  const FatigueDbParseResult r = Parse(text, db);
  ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << r.errorText;
  EXPECT_EQ(r.batchCount, 2);
  EXPECT_EQ(db.FdbSetName[2][1], "B");
  EXPECT_EQ(db.FdbNo[2][1], 10000000);
  EXPECT_FLOAT_EQ(db.FdbR[2][1], 0.5f);
  for (int i : {1, 2}) {
    EXPECT_EQ(db.FdbReference[i][1], "Description and/or Reference:");
    EXPECT_EQ(db.FdbTestDataName[i][1], "No fatigue data");
    EXPECT_EQ(db.FdbSeDistType[i][1], 0.0f);
    EXPECT_FLOAT_EQ(db.FdbSeCov[i][1], 0.1f);
  }
  EXPECT_EQ(db.FdbBatchName[2], "Second");
}

// Replaces the first occurrence of `what` in `text`.
std::string Replaced(std::string text, const std::string& what, const std::string& with) {
  const auto at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

TEST(FatigueDbFormat, SetCountIsRoundedHalvesToEven) {
  const std::string text =
      Replaced(Bytes(Filled(ThreeBatches(), 3), 3), "\r\n 6 \r\n", "\r\n 6.5 \r\n");
  FatigueDatabase db;
  ASSERT_EQ(Parse(text, db).status, FatigueDbParseStatus::Ok);
  EXPECT_EQ(db.FdbSetCount[3], 6.0f);
}

TEST(FatigueDbFormat, CountsBeyondTheArraysAreRefused) {
  const std::string three = Bytes(Filled(ThreeBatches(), 3), 3);
  const std::string cases[] = {
      Replaced(three, VersionLine(3), VersionLine(21)),
      Replaced(three, "\r\n 0 \r\n", "\r\n-1 \r\n"),  // set count of the empty batch
      Replaced(three, VersionLine(3), "-2 -3 \r\n"),
  };
  for (const std::string& text : cases) {
    FatigueDatabase db;
    EXPECT_EQ(Parse(text, db).status, FatigueDbParseStatus::Corrupted) << text.substr(0, 40);
  }
}

// A set count of 7 or more keeps six sets and reads on: the batch trailer
// follows the sixth set.
TEST(FatigueDbFormat, ASetCountOfSevenOrMoreKeepsSixSets) {
  const FatigueDatabase original = Filled(ThreeBatches(), 3);
  const std::string three = Bytes(original, 3);
  for (const char* count : {" 7 ", " 6.6 ", " 99 ", " 32767 "}) {
    FatigueDatabase db;
    const FatigueDbParseResult r = Parse(Replaced(three, "\r\n 6 \r\n", std::string("\r\n") + count + "\r\n"), db);
    ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << count << r.errorText;
    EXPECT_EQ(r.batchCount, 3);
    EXPECT_EQ(db.FdbSetCount[3], 6.0f) << count;
    EXPECT_TRUE(db == original) << count;
  }
}

TEST(FatigueDbFormat, EveryTruncationBeforeTheLastTrailerFails) {
  const std::string bytes = Bytes(Filled(ThreeBatches(), 3), 3);
  const std::size_t lastTrailer = bytes.rfind("\r\n 0 \"Aluminium") + 2;
  for (std::size_t n = 0; n < lastTrailer; ++n) {
    FatigueDatabase db;
    const FatigueDbParseResult r = Parse(bytes.substr(0, n), db);
    ASSERT_NE(r.status, FatigueDbParseStatus::Ok) << "cut at " << n;
  }
}

// A file that ends inside batch 3 keeps batches 1 and 2 whole, and nothing of
// batch 3; one that ends inside batch 1 keeps nothing.
TEST(FatigueDbFormat, ATruncatedFileKeepsTheBatchesReadWhole) {
  const FatigueDatabase original = Filled(ThreeBatches(), 3);
  const std::string bytes = Bytes(original, 3);
  FatigueDatabase db;
  FatigueDbParseResult r = Parse(bytes.substr(0, bytes.find("Al 3\r\n")), db);
  EXPECT_EQ(r.status, FatigueDbParseStatus::Corrupted);
  EXPECT_EQ(r.batchCount, 2);
  const FatigueDatabase fresh;
  FatigueDatabase kept = original;  // batch 3 at its start values
  kept.FdbSetCount[3] = fresh.FdbSetCount[3];
  kept.FdbBatchName[3] = fresh.FdbBatchName[3];
  kept.FdbSetName[3] = fresh.FdbSetName[3];
  kept.FdbSe[3] = fresh.FdbSe[3];
  kept.FdbNo[3] = fresh.FdbNo[3];
  kept.FdbM[3] = fresh.FdbM[3];
  kept.FdbPn[3] = fresh.FdbPn[3];
  kept.FdbR[3] = fresh.FdbR[3];
  kept.FdbSu[3] = fresh.FdbSu[3];
  kept.FdbSy[3] = fresh.FdbSy[3];
  kept.FdbReference[3] = fresh.FdbReference[3];
  kept.FdbTestDataName[3] = fresh.FdbTestDataName[3];
  kept.FdbSeDistType[3] = fresh.FdbSeDistType[3];
  kept.FdbSeCov[3] = fresh.FdbSeCov[3];
  kept.FdbSeParA[3] = fresh.FdbSeParA[3];
  kept.FdbSeParB[3] = fresh.FdbSeParB[3];
  kept.FdbSeXmin[3] = fresh.FdbSeXmin[3];
  kept.FdbSeXmax[3] = fresh.FdbSeXmax[3];
  EXPECT_TRUE(db == kept);

  FatigueDatabase none;
  r = Parse(bytes.substr(0, bytes.find("Set 2\r\n")), none);
  EXPECT_EQ(r.status, FatigueDbParseStatus::Corrupted);
  EXPECT_EQ(r.batchCount, 0);
  EXPECT_TRUE(none == FatigueDatabase{});
}

TEST(FatigueDbFormat, TestDataNameOtherThanTheSetNameRunsToTheEnd) {
  FatigueDatabase original = Filled(ThreeBatches(), 3);
  original.FdbTestDataName[3][6] = "Other test";
  FatigueDatabase db;
  EXPECT_EQ(Parse(Bytes(original, 3), db).status, FatigueDbParseStatus::Corrupted);
}

TEST(FatigueDbFormat, BadItemsGiveTheRuntimesText) {
  const struct {
    std::string text;
    const char* error;
  } cases[] = {
      {Replaced(TwoSetBatchText(), " 50  2  3 ", " 50  3000  3 "), "Overflow"},  // 3e9 cycles
      {Replaced(TwoSetBatchText(), " 50  2  3 ", " 50  two  3 "), "Type mismatch"},
      {"-2 x\r\n", "Type mismatch"},
  };
  for (const auto& c : cases) {
    FatigueDatabase db;
    const FatigueDbParseResult r = Parse(c.text, db);
    EXPECT_EQ(r.status, FatigueDbParseStatus::Error);
    EXPECT_EQ(r.errorText, c.error);
  }
}

}  // namespace
