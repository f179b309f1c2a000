#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingSurface, LogsEveryCallWithResolvedColours) {
  RecordingSurface s;
  s.Scale(0, 1000, 1000, 0);
  s.SetForeColor(255);
  s.Line(0, 0, 100, 50);
  s.Line(0, 0, 100, 50, 255, Surface::kBox);
  s.LineTo(200, 60, 0x00FF00, Surface::kFilledBox);
  s.PSet(10, 20, 0);
  s.Circle(50, 50, 10);
  s.Circle(50, 50, 10, 0, 0, 3.5, 0.5);
  s.SetFontName("Arial");
  s.SetFontSize(9);
  s.Print("abc", true);
  s.Print("d");
  s.Refresh();
  EXPECT_EQ(s.LogText(),
            "Scale 0,1000-1000,0\n"
            "ForeColor=255\n"
            "Line 0,0-100,50 c=255\n"
            "Line 0,0-100,50 c=255 B\n"
            "Line 100,50-200,60 c=65280 BF\n"
            "PSet 10,20 c=0\n"
            "Circle 50,50 r=10 c=255\n"
            "Circle 50,50 r=10 c=0 arc=0,3.5 aspect=0.5\n"
            "FontName=Arial\n"
            "FontSize=9\n"
            "Print 'abc';\n"
            "Print 'd'\n"
            "Refresh\n");
  ASSERT_EQ(s.texts.size(), 2u);
  EXPECT_EQ(s.texts[0].x, 50);
  EXPECT_EQ(s.texts[0].fontName, "Arial");
  EXPECT_EQ(s.texts[1].x, 50 + s.TextWidth("abc"));
}

TEST(RecordingSurface, FixedWidthTextMetricInUserUnits) {
  RecordingSurface s(6000, 4500);
  s.SetFontSize(10);
  EXPECT_DOUBLE_EQ(s.TextWidth("abcd"), 4 * 0.6 * 10 * 20);
  EXPECT_DOUBLE_EQ(s.TextHeight("x"), 1.2 * 10 * 20);
  s.Scale(0, 450, 600, 0);  // a tenth of a twip, y upwards
  EXPECT_DOUBLE_EQ(s.TextWidth("abcd"), 48);
  EXPECT_DOUBLE_EQ(s.TextHeight("x"), -24);
  EXPECT_EQ(ShortNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(ShortNumber(-0.0), "0");
}

}  // namespace
