#include "platform/runtime/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, CharactersThePagePlacesAboveAscii) {
  EXPECT_EQ(Cp1252ToUtf8("\x96"), "\u2013");  // en dash
  EXPECT_EQ(Cp1252ToUtf8("\xB5"), "\u00B5");  // micro sign
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\u0081");
  EXPECT_EQ(Utf8ToCp1252("{\u2013}"), "{\x96}");
  EXPECT_EQ(Utf8ToCp1252("\u00B5m/m"), "\xB5m/m");
}

TEST(Cp1252, TextWithoutACodeBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\U0001F600"), "?");
  EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");   // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xFF" "a"), "?a");  // stray byte
}
