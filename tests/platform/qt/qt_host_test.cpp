#include <gtest/gtest.h>

#include <cmath>

#include "platform/qt/qt_host.h"

namespace {

TEST(QtHostTest, FileFiltersBecomeQtFilters) {
  struct Case {
    const char* filter;
    const char* qt;
  };
  const Case cases[] = {
      {"Duvak Job (*.sns)|*.sns", "Duvak Job (*.sns)"},
      {"MIRET Fatigue Test Data (*.txt;*.lft)|*.txt;*.lft", "MIRET Fatigue Test Data (*.txt *.lft)"},
      {"Bitmap (*.bmp)|*.bmp|All (*.*)|*.*", "Bitmap (*.bmp);;All (*.*)"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(QtFileFilter(c.filter).toStdString(), c.qt) << c.filter;
}

TEST(QtHostTest, ScreenFactsInTwips) {
  QtHost host;
  // The offscreen screen is 800 x 600 pixels at 96 dpi.
  EXPECT_GT(host.ScreenWidthTwips(), 0);
  EXPECT_DOUBLE_EQ(std::fmod(host.ScreenWidthTwips(), 15.0), 0.0);
  EXPECT_EQ(host.DisplayColourCount(), -1);
  host.SetMousePointer(kPointerHourglass);
  EXPECT_EQ(host.GetMousePointer(), kPointerHourglass);
  host.SetMousePointer(kPointerDefault);
  EXPECT_EQ(host.GetMousePointer(), kPointerDefault);
}

}  // namespace
