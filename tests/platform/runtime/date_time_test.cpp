#include "platform/runtime/date_time.h"

#include <gtest/gtest.h>

#include "platform/runtime/runtime_random.h"

TEST(DateTime, TextsOfAGivenTime) {
  const CivilTime t{2026, 3, 7, 9, 5, 4};
  EXPECT_EQ(DateText(t), "03-07-2026");
  EXPECT_EQ(TimeText(t), "09:05:04");
  EXPECT_EQ(SecondsSinceMidnight(t), 9 * 3600 + 5 * 60 + 4);
  const CivilTime late{1999, 12, 31, 23, 59, 59};
  EXPECT_EQ(DateText(late), "12-31-1999");
  EXPECT_EQ(TimeText(late), "23:59:59");
}

TEST(DateTime, NowHasTheSameShape) {
  const CivilTime now = LocalTimeNow();
  const std::string d = DateText(now), t = TimeText(now);
  ASSERT_EQ(d.size(), 10u);
  EXPECT_EQ(d[2], '-');
  EXPECT_EQ(d[5], '-');
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[2], ':');
  EXPECT_EQ(t[5], ':');
  EXPECT_GE(now.year, 2020);
}

TEST(RuntimeRandom, DeterministicAndInTheUnitInterval) {
  RuntimeRandom a, b;
  float sum = 0;
  for (int i = 0; i < 10000; ++i) {
    const float x = a.Rnd();
    ASSERT_EQ(x, b.Rnd());
    ASSERT_GE(x, 0.0f);
    ASSERT_LT(x, 1.0f);
    sum += x;
  }
  EXPECT_NEAR(sum / 10000, 0.5f, 0.02f);
  a.Randomize(12345);
  b.Randomize(12345);
  EXPECT_EQ(a.Rnd(), b.Rnd());
  RuntimeRandom fresh;
  EXPECT_NE(a.Rnd(), fresh.Rnd());
}
