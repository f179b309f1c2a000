#include "platform/runtime/number_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(NumberText, SingleToSevenSignificantDigits) {
  const struct { float in; const char* out; } cases[] = {
      {0.5f, ".5"},          {-0.25f, "-.25"},         {1e30f, "1E+30"},       {1e-5f, "1E-05"},
      {1.0f / 25.4f, ".03937008"}, {123456789.0f, "1.234568E+08"}, {0.0f, "0"},   {100.0f, "100"},
      {2000000.0f, "2000000"}, {1e7f, "1E+07"},        {9999999.0f, "9999999"}, {0.0001f, ".0001"},
      {0.1f, ".1"},          {-1.5e-20f, "-1.5E-20"},  {3.4028235e38f, "3.402823E+38"}, {-0.0f, "0"},
      {1.0f / 3.0f, ".3333333"}, {2.0f / 3.0f, ".6666667"}, {1234.5678f, "1234.568"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.in), c.out) << c.in;
}

TEST(NumberText, DoubleToFifteenSignificantDigits) {
  const struct { double in; const char* out; } cases[] = {
      {0.5, ".5"},     {-0.25, "-.25"},           {1e30, "1E+30"},   {1e-5, "1E-05"},
      {0.1, ".1"},     {1.0 / 3.0, ".333333333333333"}, {1e7, "10000000"}, {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"}, {2.5e-300, "2.5E-300"},   {1e100, "1E+100"},  {-6.895, "-6.895"},
      {static_cast<double>(0.1f), ".100000001490116"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.in), c.out) << c.in;
}

TEST(NumberText, WholeNumbersAndTheBlankRules) {
  EXPECT_EQ(NumberText(int16_t{-32768}), "-32768");
  EXPECT_EQ(NumberText(int32_t{8454143}), "8454143");
  EXPECT_EQ(StrSingle(0.5f), " .5");
  EXPECT_EQ(StrDouble(-0.25), "-.25");
  EXPECT_EQ(StrInteger(0), " 0");
  EXPECT_EQ(PrintSingle(1.0f), " 1 ");
  EXPECT_EQ(PrintDouble(-2.5), "-2.5 ");
  EXPECT_EQ(PrintInteger(-3), "-3 ");
  EXPECT_EQ(WriteNumberSingle(0.5f), ".5");
  EXPECT_EQ(WriteNumberDouble(-1e30), "-1E+30");
  EXPECT_EQ(WriteNumberInteger(51), "51");
}

TEST(NumberText, ABoxShowsASingleWithItsLeadingZero) {
  const struct { float in; const char* out; } cases[] = {
      {0.5f, "0.5"}, {-0.5f, "-0.5"}, {50.0f, "50"},  {97.5f, "97.5"}, {0.1f, "0.1"},
      {-1.0f, "-1"}, {0.0f, "0"},     {1e-5f, "1E-05"}, {-1e-5f, "-1E-05"}, {0.0001f, "0.0001"},
  };
  for (const auto& c : cases) EXPECT_EQ(SingleBoxText(c.in), c.out) << c.in;
}

// A Single that the file must give back as it was held: the fewest digits
// (7 to 9) that read back as the same Single; 7 where they do.
TEST(NumberText, AnExactSingleHasTheDigitsThatReadItBack) {
  const struct { float in; const char* out; } cases[] = {
      {0.5f, ".5"},
      {1.0f / 25.4f, ".03937008"},
      {1.0f / 6.895f, ".14503263"},
      {1.0f / 3.0f, ".33333334"},
      {100.0f / 6.895f * 2.0f, "29.006527"},
      {110.379135f, "110.379135"},
      {16777216.0f, "1.6777216E+07"},
      {1e30f, "1E+30"},
      {-1.5e-20f, "-1.5E-20"},
      {3.4028235e38f, "3.4028235E+38"},
  };
  for (const auto& c : cases) {
    const std::string text = ExactNumberText(c.in);
    EXPECT_EQ(text, c.out) << c.in;
    EXPECT_EQ(static_cast<float>(std::stod(text)), c.in) << text;
  }
  EXPECT_EQ(PrintSingleExactly(1.0f / 6.895f), " .14503263 ");
}
