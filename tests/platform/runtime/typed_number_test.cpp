#include "platform/runtime/typed_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>

TEST(Val, LeadingNumberRule) {
  const struct { const char* text; double value; } cases[] = {
      {"200", 200},        {" 2 00 ", 200},      {"1\t2\n3", 123},     {"-12.5", -12.5},   {"+7", 7},
      {".5", 0.5},         {"5.", 5},            {"1.2.3", 1.2},       {"1e3", 1000},      {"2.5E-2x", 0.025},
      {"1E", 1},           {"1e+", 1},           {"3 E 2", 300},       {"12abc", 12},      {"abc", 0},
      {"", 0},             {"-", 0},             {".", 0},             {"- 4", -4},        {"1,5", 1},
      {"\r5", 0},          {"0x1A", 0},          {"1e-400", 0},        {"6.895", 6.895},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(Val, HugeValuesAreInfiniteNotErrors) {
  EXPECT_EQ(Val("1e400"), INFINITY);
  EXPECT_EQ(Val("-1e400"), -INFINITY);
}

// A typed number is held only where it fits; otherwise there is nothing to
// store and the box refuses it.
TEST(TypedNumber, ANumberThatDoesNotFitItsFieldGivesNothing) {
  const std::string digits400(400, '7');
  const struct {
    std::string text;
    std::optional<float> single;
    std::optional<double> dbl;
  } cases[] = {
      {"1e39", std::nullopt, 1e39},
      {"-1e39", std::nullopt, -1e39},
      {digits400, std::nullopt, std::nullopt},
      {"1e-50", std::nullopt, 1e-50},
      {"1e-400", std::nullopt, std::nullopt},
      {"3.4028235e38", 3.4028235e38f, 3.4028235e38},
      {"1e-45", 1e-45f, 1e-45},  // the smallest Single there is
      {"0.1", 0.1f, 0.1},
      {"-0", 0.0f, 0.0},
      {"abc", 0.0f, 0.0},  // no number at all reads as 0, as before
      {"", 0.0f, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TypedSingle(c.text), c.single) << c.text.substr(0, 20);
    EXPECT_EQ(TypedDouble(c.text), c.dbl) << c.text.substr(0, 20);
  }
  EXPECT_EQ(TypedInteger("32767.4"), int16_t{32767});
  EXPECT_EQ(TypedInteger("-32768"), int16_t{-32768});
  EXPECT_EQ(TypedInteger("2.5"), int16_t{2});
  EXPECT_EQ(TypedInteger("40000"), std::nullopt);
  EXPECT_EQ(TypedInteger("1e39"), std::nullopt);
  EXPECT_EQ(TypedLong("2147483647"), int32_t{2147483647});
  EXPECT_EQ(TypedLong("3000000000"), std::nullopt);
  EXPECT_EQ(TypedLong(digits400), std::nullopt);
  EXPECT_TRUE(std::isnan(kUnfitNumber));
}

// A box checks a number beyond its field as the infinity of its sign, so that
// the number passes the bound on its side; one too small to be anything but 0
// is no number at all.
TEST(TypedNumber, ABoxChecksANumberBeyondItsFieldAsTheBoundItPasses) {
  const std::string digits400(400, '9');
  const float inf = INFINITY;
  const struct {
    std::string text;
    float single;
    double dbl;
  } cases[] = {
      {"1e39", inf, 1e39},       {"-1e39", -inf, -1e39}, {digits400, inf, INFINITY}, {"-" + digits400, -inf, -INFINITY},
      {"3.4028235e38", 3.4028235e38f, 3.4028235e38},      {"2.5", 2.5f, 2.5},         {"abc", 0.0f, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BoxSingle(c.text), c.single) << c.text.substr(0, 20);
    EXPECT_EQ(BoxDouble(c.text), c.dbl) << c.text.substr(0, 20);
  }
  EXPECT_TRUE(std::isnan(BoxSingle("1e-50")));
  EXPECT_TRUE(std::isnan(BoxSingle("-1e-50")));
  EXPECT_EQ(BoxDouble("1e-50"), 1e-50);
  EXPECT_TRUE(std::isnan(BoxDouble("1e-400")));
}

TEST(Val, PointIsTheSeparatorWhateverTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(Val("2.5"), 2.5);
  EXPECT_EQ(Val("2,5"), 2);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseWholeNumber, AcceptsOnlyACompleteNumber) {
  double v = -1;
  EXPECT_TRUE(ParseWholeNumber("-1.5E+02", v));
  EXPECT_EQ(v, -150);
  for (const char* bad : {"", "1x", "1e", " 1", "inf", "nan", "1.2.3", "--1", "+"}) {
    v = 42;
    EXPECT_FALSE(ParseWholeNumber(bad, v)) << bad;
    EXPECT_EQ(v, 42);
  }
}
