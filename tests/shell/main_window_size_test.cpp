#include "shell/main_window_size.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowSize, FromTheScreenInTwips) {
  struct Case {
    const char* screen;
    double width, height;
    float left, top, windowWidth, windowHeight;
  };
  const Case cases[] = {
      // Wide and tall: 0.96 of the height first, then height / 1.2.
      {"1920 x 1080", 28800, 16200, 432, 86.4f, 18000, 13500},
      // Narrow and tall: 0.96 of the width first, then height / 1.2.
      {"1280 x 1024", 19200, 15360, 288, 57.6f, 17066.666f, 12800},
      // Exactly 4:3, not tall: 0.96 of both sides.
      {"800 x 600", 12000, 9000, 180, 36, 11520, 8640},
      // Wide, height / 9000 between 1.3 and 1.5: height / 1.1.
      {"1600 x 900", 24000, 13500, 360, 72, 16363.636f, 12272.727f},
      // Wide, not tall: 0.96 of the height with a 4:3 width.
      {"1366 x 768", 20490, 11520, 307.35f, 61.47f, 14745.6f, 11059.2f},
  };
  for (const Case& c : cases) {
    const WindowPlacement w = MainWindowPlacement(c.width, c.height);
    EXPECT_FLOAT_EQ(w.Left, c.left) << c.screen;
    EXPECT_FLOAT_EQ(w.Top, c.top) << c.screen;
    EXPECT_FLOAT_EQ(w.Width, c.windowWidth) << c.screen;
    EXPECT_FLOAT_EQ(w.Height, c.windowHeight) << c.screen;
  }
}

TEST(MainWindowSize, TheWidthFollowsTheHeightAsTheWindowHoldsIt) {
  // 4/3 of the single-precision height, not of the exact 0.96 x height.
  const WindowPlacement w = MainWindowPlacement(20490, 11520);
  EXPECT_EQ(w.Width, static_cast<float>(4.0 / 3.0 * static_cast<float>(0.96 * 11520)));
}

TEST(MainWindowSize, NoScreenGivesNoSize) {
  const WindowPlacement w = MainWindowPlacement(0, 0);
  EXPECT_EQ(w.Width, 0);
  EXPECT_EQ(w.Height, 0);
}

}  // namespace
