#include "loading/decimated_history.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/recording_surface.h"

namespace {

// A surface 100 pixels wide whose user unit is one pixel across (y up).
RecordingSurface PixelSurface() {
  RecordingSurface s(1500, 1500);
  s.Scale(0, 100, 100, 0);
  s.ClearLog();
  return s;
}

// A history of n points (element 0 is 0): point j holds f(j).
template <class F>
std::vector<float> History(int32_t n, F f) {
  std::vector<float> h(static_cast<size_t>(n) + 2, 0.0f);
  for (int32_t j = 1; j <= n; ++j) h[static_cast<size_t>(j)] = f(j);
  return h;
}

int CountStarting(const std::vector<std::string>& log, const std::string& prefix) {
  int n = 0;
  for (const auto& line : log) n += line.rfind(prefix, 0) == 0;
  return n;
}

TEST(DrawDecimatedHistory, ManyPointsPerPixelGiveOneVerticalLinePerColumn) {
  // 1,000 points at 0.1 pixel per point: m = 10, columns 0 .. 99.
  RecordingSurface s = PixelSurface();
  const auto h = History(1000, [](int32_t j) { return j % 7 == 0 ? 5.0f : 1.0f; });
  DrawDecimatedHistory(s, 10, 20, 0.1f, 2, 0xC000C0, 1, 1000, 1, h);
  ASSERT_EQ(s.log.size(), 100u) << s.LogText();
  EXPECT_EQ(CountStarting(s.log, "Line "), 100);
  // The first column starts at index 0 (its value 0 is in the range), one
  // step left of x0; the points after index 1000 (none) are not drawn.
  EXPECT_EQ(s.log.front(), "Line " + ShortNumber(10 - 0.1f) + ",20-" + ShortNumber(10 - 0.1f) + ",30 c=12583104");
  EXPECT_EQ(s.log.back(),
            "Line " + ShortNumber(10 + 0.1f * 989) + ",22-" + ShortNumber(10 + 0.1f * 989) + ",30 c=12583104");
}

TEST(DrawDecimatedHistory, FewPointsPerPixelGiveADotThenAPolyline) {
  // 5 points at 2 pixels per point: the first point is a dot in the fore colour.
  RecordingSurface s = PixelSurface();
  s.SetForeColor(0x123456);
  s.ClearLog();
  const auto h = History(5, [](int32_t j) { return static_cast<float>(j); });
  DrawDecimatedHistory(s, 10, 0, 2, 3, 0xC000C0, 1, 5, 1, h);
  const std::vector<std::string> expected = {
      "PSet 10,3 c=1193046",        "Line 10,3-12,6 c=12583104",   "Line 12,6-14,9 c=12583104",
      "Line 14,9-16,12 c=12583104", "Line 16,12-18,15 c=12583104",
  };
  EXPECT_EQ(s.log, expected);
}

TEST(DrawDecimatedHistory, PointsPerColumnRoundHalvesToEven) {
  struct Case {
    float pixelsPerPoint;
    bool columns;
  };
  // 1 / 0.4 = 2.5 -> 2 (columns); 1 / 0.8 = 1.25 -> 1 (polyline); 1 / 0.6 -> 2.
  for (const Case c : {Case{0.4f, true}, Case{0.8f, false}, Case{0.6f, true}, Case{2.5f, false}}) {
    RecordingSurface s = PixelSurface();
    const auto h = History(40, [](int32_t j) { return static_cast<float>(j % 3); });
    DrawDecimatedHistory(s, 0, 0, c.pixelsPerPoint, 1, 0xC000C0, 1, 40, 1, h);
    EXPECT_EQ(CountStarting(s.log, "PSet") == 0, c.columns) << c.pixelsPerPoint;
  }
}

TEST(DrawDecimatedHistory, FiftyThousandPointsPerColumnDoNotOverflowTheCount) {
  // 200,000 points on 4 pixels: m = 50,000, beyond a 16-bit count.
  RecordingSurface s = PixelSurface();
  auto h = History(200000, [](int32_t j) { return static_cast<float>(j % 100); });
  h[123456] = 900.0f;  // a single peak in column 2
  h[77777] = -300.0f;  // a single valley in column 1
  DrawDecimatedHistory(s, 0, 0, 4.0f / 200000, 0.1f, 0xC000C0, 1, 200000, 1, h);
  ASSERT_EQ(s.log.size(), 4u) << s.LogText();
  EXPECT_EQ(s.log[1], "Line " + ShortNumber(4.0f / 200000 * 49999) + ",-30-" + ShortNumber(4.0f / 200000 * 49999) +
                          "," + ShortNumber(99 * 0.1f) + " c=12583104");
  EXPECT_NE(s.log[2].find(std::string(",").append(ShortNumber(900 * 0.1f)).append(" c=")), std::string::npos)
      << s.log[2];
}

TEST(DrawDecimatedHistory, NegativeFactorTurnsEachColumnUpsideDown) {
  RecordingSurface s = PixelSurface();
  const auto h = History(20, [](int32_t j) { return j == 3 ? 10.0f : 2.0f; });
  DrawDecimatedHistory(s, 0, 50, 0.25f, 1, 0xC000C0, 1, 20, -1, h);
  // m = 4: column 0 holds 0, 2, 2, 10, 2 -> from -10 to 0 around the zero line.
  ASSERT_EQ(s.log.size(), 5u);
  EXPECT_EQ(s.log[0], "Line -0.25,40--0.25,50 c=12583104");
  EXPECT_EQ(s.log[1], "Line 0.75,48-0.75,48 c=12583104");
}

TEST(DrawDecimatedHistory, NeverReadsBeyondTheHistory) {
  // A point count larger than the history in memory draws what is there.
  for (const float step : {0.1f, 2.0f}) {
    RecordingSurface s = PixelSurface();
    const auto h = History(30, [](int32_t j) { return static_cast<float>(j); });
    DrawDecimatedHistory(s, 0, 0, step, 1, 0xC000C0, 1, 1000000, 1, h);
    EXPECT_FALSE(s.log.empty()) << step;
  }
  RecordingSurface s = PixelSurface();
  DrawDecimatedHistory(s, 0, 0, 1, 1, 0xC000C0, 1, 10, 1, {});
  EXPECT_TRUE(s.log.empty());
}

}  // namespace
