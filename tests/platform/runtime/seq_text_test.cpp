#include "platform/runtime/seq_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/runtime/cp1252.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"

using namespace std::string_literals;

namespace {

// Texts that engineers type, and what a file keeps of each.
const struct {
  std::string typed;
  std::string stored;  // StorableText
  std::string item;    // as PrintText writes it
} kTexts[] = {
    {"Shaft shoulder", "Shaft shoulder", "Shaft shoulder"},
    {"St 52-3, welded", "St 52-3, welded", "\"St 52-3, welded\""},
    {"Shaft 5\" dia", "Shaft 5\" dia", "Shaft 5\" dia"},  // a quote inside reads back as it is
    {"Shaft 5\" dia, shoulder", "Shaft 5' dia, shoulder", "\"Shaft 5' dia, shoulder\""},
    {"\"Quoted\" name", "'Quoted' name", "'Quoted' name"},
    {"  indented  ", "  indented  ", "\"  indented  \""},
    {"\tTab\tinside", "\tTab\tinside", "\"\tTab\tinside\""},
    {"Tab\tinside", "Tab\tinside", "Tab\tinside"},
    {",x", ",x", "\",x\""},
    {",", ",", "\",\""},
    {"", "", ""},
    {"form\ffeed, NUL\0 and\r\nbreaks\n"s, "formfeed, NUL and breaks"s, "\"formfeed, NUL andbreaks\""},
    {"\u00B5str \u2013 \u2264 1", "\u00B5str \u2013 ? 1", "\u00B5str \u2013 ? 1"},  // no code for the sign
};

}  // namespace

TEST(SeqText, EveryTypedTextComesBackAsItIsStored) {
  for (const auto& t : kTexts) {
    const std::string stored = StorableText(t.typed);
    EXPECT_EQ(StorableText(stored), stored) << "the rule is settled after one pass: " << t.typed;
    SeqWriter w;
    w.PrintText(t.typed).EndLine();
    w.PrintText(stored).EndLine();
    w.PrintLine(int16_t{7});
    SeqReader r = SeqReader::FromText(Cp1252ToUtf8(w.Bytes()));
    EXPECT_EQ(r.ReadString(), stored) << t.typed;
    EXPECT_EQ(r.ReadString(), stored) << t.typed;
    EXPECT_EQ(r.ReadInteger(), 7) << t.typed;
  }
}

TEST(SeqText, PrintStyleQuotesOnlyWhatTheReaderWouldNotTakeBackWhole) {
  for (const auto& t : kTexts) {
    if (t.typed.find_first_of("\f\r\n"s + '\0') != std::string::npos) continue;  // checked below
    EXPECT_EQ(StorableText(t.typed), t.stored) << t.typed;
    EXPECT_EQ(Cp1252ToUtf8(SeqWriter().PrintText(t.typed).Bytes()), t.item) << t.typed;
  }
}

TEST(SeqText, ControlCharactersNeverReachAFile) {
  const std::string typed = "a\fb\0c\rd\ne\x1b"s;
  EXPECT_EQ(StorableText(typed), "abcde");
  EXPECT_EQ(SeqWriter().PrintText(typed).Bytes(), "abcde");
  SeqWriter w;
  w.PrintLine("head\r\x01line", "\x7f");  // print items keep their line breaks only
  EXPECT_EQ(w.Bytes(), "head\rline\x7f\r\n");
  // a hostile file's control characters are not part of any item
  SeqReader r = SeqReader::FromText("na\x01me\x0c,\x02 12\x00 3\r\n"s);
  EXPECT_EQ(r.ReadString(), "name");
  EXPECT_EQ(r.ReadInteger(), 12);
  EXPECT_EQ(r.ReadInteger(), 3);
}

TEST(SeqText, WriteStyleItemsAreQuotedWithTheirQuotesReplaced) {
  SeqWriter w;
  w.WriteLine("Shaft 5\" dia, shoulder", 1.5f, "plain", "\x01");
  EXPECT_EQ(w.Bytes(), "\"Shaft 5' dia, shoulder\",1.5,\"plain\",\"\"\r\n");
  SeqReader r = SeqReader::FromText(w.Bytes());
  EXPECT_EQ(r.ReadString(), StorableText("Shaft 5\" dia, shoulder", TextItemStyle::Write));
  EXPECT_EQ(r.ReadSingle(), 1.5f);
  EXPECT_EQ(r.ReadString(), "plain");
  EXPECT_EQ(StorableText("5\" dia", TextItemStyle::Write), "5' dia");
}

TEST(SeqText, LinesOfAReferenceAreSeparatedByALoneCarriageReturn) {
  EXPECT_EQ(StorableLines("one\r\ntwo\nthree\r\f\tfour"), "one\rtwo\rthree\r\tfour");
  EXPECT_EQ(StorableLines("\r\n\r\n"), "\r\r");
}

TEST(SeqWriter, ANonFiniteNumberIsNeverWritten) {
  SeqWriter w;
  w.PrintLine(1.5f, std::numeric_limits<float>::infinity(), std::nan(""));
  w.WriteLine(-std::numeric_limits<double>::infinity());
  EXPECT_TRUE(w.HeldNonFinite());
  EXPECT_EQ(w.Bytes().find("Inf"), std::string::npos);
  EXPECT_EQ(w.Bytes().find("NaN"), std::string::npos);
  const SaveResult saved = w.Save("/nonexistent-folder/never-written.dat");
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.errorText, "Overflow");
}

// An empty text right after a number on its line reads back as one item.
TEST(SeqText, AnEmptyTextAfterANumberIsWrittenAsTwoQuotes) {
  for (const char* text : {"", "MSE(+)", "St 52"}) {
    SeqWriter w;
    w.Print(2.5f).PrintText(text).EndLine();
    w.PrintLine(7.0f);
    SeqReader r = SeqReader::FromText(w.Bytes());
    EXPECT_EQ(r.ReadSingle(), 2.5f);
    EXPECT_EQ(r.ReadString(), text);
    EXPECT_EQ(r.ReadSingle(), 7.0f) << '"' << text << '"';
  }
  EXPECT_EQ(SeqWriter().Print(int16_t{0}).PrintText("").Bytes(), " 0 \"\"");
  EXPECT_EQ(SeqWriter().PrintText("").Bytes(), "");  // an empty line is an empty item already
}
