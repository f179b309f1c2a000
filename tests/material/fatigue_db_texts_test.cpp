// Every text of the fatigue database comes back from "duvak.dat" exactly as
// it was stored, whatever an engineer types into it.
#include <gtest/gtest.h>

#include <string>

#include "material/fatigue_db_fixtures.h"
#include "material/fatigue_db_format.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_text.h"

using namespace std::string_literals;

namespace {

FatigueDatabase SavedAndOpened(FatigueDatabase db, int16_t batches, FatigueDbParseResult& r) {
  FillFatigueDbSaveTexts(db, batches);
  SeqReader in = SeqReader::FromText(Cp1252ToUtf8(FormatFatigueDatabase(db, batches).Bytes()));
  FatigueDatabase read;
  r = ParseFatigueDatabase(in, read);
  return read;
}

// The database as saving leaves it in memory.
FatigueDatabase Filled(FatigueDatabase db, int16_t batches) {
  FillFatigueDbSaveTexts(db, batches);
  return db;
}

const std::string kTypedNames[] = {
    "Shaft 5\" dia, shoulder", "St 52-3, welded", "Shaft 5\" dia", "\"Quoted\" name",
    "  indented and trailing  ", "\tTab\tinside", ",x", ",", "No fatigue data",
    "form\ffeed NUL\0 CR\r LF\n end"s, "\u00B5m \u2264 3", "",
};

}  // namespace

TEST(FatigueDbTexts, BatchAndSetNamesComeBackExactlyAsStored) {
  for (const std::string& typed : kTypedNames) {
    for (int field = 0; field < 2; ++field) {
      FatigueDatabase db = fdb_fixture::ThreeBatches();
      const std::string stored = StorableText(typed);
      if (field == 0) db.FdbBatchName[3] = stored;
      else db.FdbSetName[3][2] = stored;
      FatigueDbParseResult r;
      const FatigueDatabase read = SavedAndOpened(db, 3, r);
      ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << field << " \"" << typed << "\" " << r.errorText;
      EXPECT_TRUE(read == Filled(db, 3)) << field << " \"" << typed << "\"";
      EXPECT_EQ(field == 0 ? read.FdbBatchName[3] : read.FdbSetName[3][2], stored);
    }
  }
}

// A reference ends where the writer's layout ends it, not at a line that
// happens to equal a name.
TEST(FatigueDbTexts, ReferencesComeBackWhateverTheirLinesHold) {
  const struct {
    const char* setName;
    std::string typed;
    std::string stored;
  } cases[] = {
      {"Weld 71", "Weld 71", "Weld 71"},
      {"Weld 71", "Detail\r\nWeld 71\r\nEC3", "Detail\rWeld 71\rEC3"},
      {"Weld 71", "Detail\r\n\r\nWeld 71\r\nEC3", "Detail\r\rWeld 71\rEC3"},
      {"Weld 71", "No fatigue data\nbelow", "No fatigue data\rbelow"},
      {"Weld 71", "Detail\r\rNo fatigue data", "Detail\r\rNo fatigue data"},
      {"Weld 71", "Detail\r\r", "Detail\r\r"},  // empty lines at its end
      {"Weld 71", "\r\n\r\nDetail", "Detail"},  // empty lines before it are not kept
      {"Weld 71", "a, \"b\"\t ", "a, \"b\"\t "},
      {"", "Detail\r\r", "Detail\r\r"},  // a set without name
      {"", "\r\n", "Description & Reference:"},
      {"Weld 71", " 0  .1  0  0  0  0 ", " 0  .1  0  0  0  0 "},
  };
  for (const auto& c : cases) {
    FatigueDatabase db = fdb_fixture::TwoSetBatch();
    db.FdbSetName[1][2] = c.setName;
    db.FdbReference[1][2] = StorableReference(c.typed);
    EXPECT_EQ(Filled(db, 1).FdbReference[1][2], c.stored) << c.typed;
    FatigueDbParseResult r;
    const FatigueDatabase read = SavedAndOpened(db, 1, r);
    ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << c.typed << " " << r.errorText;
    EXPECT_EQ(read.FdbReference[1][2], c.stored) << c.typed;
    EXPECT_TRUE(read == Filled(db, 1)) << c.typed;
  }
}

// A file of the unmarked old layout whose set has no name opens, and once
// saved opens again with the same records.
TEST(FatigueDbTexts, AnOldFileWithAnEmptySetNameOpensAgainOnceSaved) {
  const std::string old =
      " 1 \r\n"
      " 2 \r\n"
      "\r\n"
      " 80  2  3.5 \r\n"
      " 50 -1  400  250 \r\n"
      "Second\r\n"
      " 60  10  5 \r\n"
      " 50  .5  300  200 \r\n"
      " 0 ,Old, batch\r\n";
  SeqReader in = SeqReader::FromText(old);
  FatigueDatabase first;
  ASSERT_EQ(ParseFatigueDatabase(in, first).status, FatigueDbParseStatus::Ok);
  EXPECT_EQ(first.FdbSetName[1][1], "");
  EXPECT_EQ(first.FdbBatchName[1], "Old, batch");  // the comma after the number separates
  FatigueDbParseResult r;
  const FatigueDatabase again = SavedAndOpened(first, 1, r);
  ASSERT_EQ(r.status, FatigueDbParseStatus::Ok) << r.errorText;
  EXPECT_TRUE(again == Filled(first, 1));
}

TEST(FatigueDbTexts, OrdinaryNamesAreWrittenAsBefore) {
  EXPECT_EQ(FormatFatigueDatabase(Filled(fdb_fixture::TwoSetBatch(), 1), 1).Bytes(), fdb_fixture::TwoSetBatchText());
  FatigueDatabase db = fdb_fixture::TwoSetBatch();
  db.FdbBatchName[1] = ",x";
  const std::string bytes = FormatFatigueDatabase(Filled(db, 1), 1).Bytes();
  EXPECT_TRUE(bytes.ends_with("\r\n 0 \",x\"\r\n")) << bytes;
}
