#include "platform/runtime/seq_writer.h"

#include <gtest/gtest.h>

TEST(SeqWriter, SettingsLineInPrintForm) {
  SeqWriter w;
  const float unitFlag = 1.0f;
  const int32_t colours[] = {8454143, 8454016, 16777215, 16777088, 16777088};
  const int16_t toolTipMode = 0, spare = 0;
  w.PrintLine(unitFlag, colours[0], colours[1], colours[2], colours[3], colours[4], toolTipMode, spare);
  EXPECT_EQ(w.Bytes(), " 1  8454143  8454016  16777215  16777088  16777088  0  0 \r\n");
}

TEST(SeqWriter, PrintJoinsItemsAndTextsUnquoted) {
  SeqWriter w;
  w.PrintLine("Name", "\r", int16_t{3}, "Steel");
  w.PrintLine(1.5f, -0.25, "Tag", "Fast");
  w.Print("no end; ").Print(2.0f);
  w.EndLine();
  w.PrintLine();
  EXPECT_EQ(w.Bytes(), "Name\r 3 Steel\r\n 1.5 -.25 TagFast\r\nno end;  2 \r\n\r\n");
}

TEST(SeqWriter, ZonesAndColumns) {
  SeqWriter w;
  w.PrintLine("", Zone, "Subject");               // an empty item, then the next zone
  w.PrintLine("abcdefghijklmn", Zone, "x");       // a 14-character item fills its zone
  w.PrintLine(Tab{15}, "Owner", Tab{20}, "date"); // column 20 still ahead
  w.PrintLine(Tab{15}, std::string(34, 'o'), Tab{48}, "12-10-2026");  // past column 48: new line
  const std::string expected = std::string(14, ' ') + "Subject\r\n" + "abcdefghijklmn" + std::string(14, ' ') + "x\r\n" +
                               std::string(14, ' ') + "Owner" + "date\r\n" + std::string(14, ' ') + std::string(34, 'o') +
                               "\r\n" + std::string(47, ' ') + "12-10-2026\r\n";
  EXPECT_EQ(w.Bytes(), expected);
}

TEST(SeqWriter, WriteStyleQuotesTextsAndSeparatesByCommas) {
  SeqWriter w;
  w.WriteLine(int16_t{-3}, "My job, first");
  w.WriteLine(4.0f, 300.5f, 500.0f, -1.0f);
  w.WriteLine();
  w.WriteLine("");
  w.WriteLine(0.5, int32_t{1000000}, int16_t{1});
  EXPECT_EQ(w.Bytes(), "-3,\"My job, first\"\r\n4,300.5,500,-1\r\n\r\n\"\"\r\n.5,1000000,1\r\n");
}

TEST(SeqWriter, TextsAreWrittenInWindows1252) {
  SeqWriter w;
  w.PrintLine("{\u2013}", " \u00B5m");
  EXPECT_EQ(w.Bytes(), "{\x96} \xB5m\r\n");
  EXPECT_EQ(w.Column(), 1);
}
