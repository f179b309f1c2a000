#include "layout/layout_scales.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutScales, FromTheWindowSize) {
  struct Case {
    float width, height;
    float scaleX, scaleY, fontScale;
  };
  const Case cases[] = {
      {12000.0f, 9000.0f, 1.0f, 1.0f, 1.0f},      // the design size
      {18000.0f, 13500.0f, 1.5f, 1.5f, 1.25f},    // above 1.4: 1.25
      {16800.0f, 12600.0f, 1.4f, 1.4f, 1.26f},    // 1.4 itself: x 0.9
      {16920.0f, 12690.0f, 1.41f, 1.41f, 1.25f},  // just above 1.4: 1.25, less than at 1.4
      {13200.0f, 9900.0f, 1.1f, 1.1f, 0.99f},     // above 1: x 0.9, below 1 after it
      {9600.0f, 7200.0f, 0.8f, 0.8f, 0.8f},       // small screens keep ScaleX
      {17066.7f, 12800.0f, 1.42222f, 1.42222f, 1.25f},
  };
  for (const Case& c : cases) {
    const LayoutScales s = ComputeLayoutScales(c.width, c.height);
    EXPECT_NEAR(s.ScaleX, c.scaleX, 1e-5) << c.width;
    EXPECT_NEAR(s.ScaleY, c.scaleY, 1e-5) << c.width;
    EXPECT_NEAR(s.FontScale, c.fontScale, 1e-6) << c.width;
  }
}

}  // namespace
