#include "platform/runtime/whole_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/runtime/runtime_error.h"

TEST(WholeNumbers, CIntRoundsHalvesToEven) {
  const struct { double in; int16_t out; } cases[] = {
      {3.5, 4}, {2.5, 2}, {6.5, 6}, {-2.5, -2}, {-3.5, -4}, {0.49999, 0}, {1.5000001, 2},
      {32767.4, 32767}, {-32768.4, -32768}, {0.0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CInt(c.in), c.out) << c.in;
}

TEST(WholeNumbers, CLngRoundsHalvesToEvenIn32Bits) {
  EXPECT_EQ(CLng(2000000.5), 2000000);
  EXPECT_EQ(CLng(2000001.5), 2000002);
  EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<int32_t>::min());
}

TEST(WholeNumbers, OutOfRangeIsAnOverflow) {
  const double bad[] = {32767.5, -32768.6, 1e10, std::nan(""), std::numeric_limits<double>::infinity()};
  for (double x : bad) {
    try {
      CInt(x);
      ADD_FAILURE() << x;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code(), kErrOverflow);
    }
    int16_t keep = 7;
    EXPECT_FALSE(TryCInt(x, keep));
    EXPECT_EQ(keep, 7);
  }
  EXPECT_THROW(CLng(2147483647.5), RuntimeError);
}

TEST(WholeNumbers, IntFloorsFixTruncates) {
  EXPECT_EQ(Int(-2.5), -3);
  EXPECT_EQ(Fix(-2.5), -2);
  EXPECT_EQ(Int(2.9), 2);
  EXPECT_EQ(Fix(2.9), 2);
}
