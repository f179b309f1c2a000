#include "platform/qt/image_surface.h"

#include "platform/qt/colour_conversion.h"

#include <gtest/gtest.h>

#include <QSize>
#include <cmath>
#include <numbers>

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kBlue = 0xFF0000;

// A picture of a settable pixel size, as a widget would report it.
struct Picture {
  QSize size{100, 80};
  int changes = 0;
  ImageSurface surface{[this] { return size; }};
  Picture() { surface.SetChangeListener([this] { ++changes; }); }
  int32_t Pixel(int x, int y) const {
    const QImage& image = surface.image();
    return image.valid(x, y) ? BgrFromColour(QColor(image.pixel(x, y))) : -1;
  }
};

TEST(ImageSurface, FreshSurfaceIsTwipsFromTopLeftWithDefaults) {
  Picture pic;
  EXPECT_DOUBLE_EQ(pic.surface.Width(), 1500);
  EXPECT_DOUBLE_EQ(pic.surface.Height(), 1200);
  EXPECT_DOUBLE_EQ(pic.surface.ScaleWidth(), 1500);
  EXPECT_DOUBLE_EQ(pic.surface.ScaleLeft(), 0);
  EXPECT_EQ(pic.surface.ForeColor(), 0);
  EXPECT_EQ(pic.surface.BackColor(), kWhite);
  EXPECT_EQ(pic.surface.DrawWidth(), 1);
  EXPECT_EQ(pic.surface.FillStyle(), Surface::kFillTransparent);
  EXPECT_FALSE(pic.surface.IsPrinter());
  EXPECT_FALSE(pic.surface.IsHiddenPicture());
  EXPECT_EQ(pic.surface.Point(10, 10), kWhite);
  EXPECT_EQ(pic.surface.Point(-15, 10), -1);
  EXPECT_EQ(pic.surface.Point(1500, 10), -1);
}

TEST(ImageSurface, LineBoxAndFilledBoxReadBackWithPoint) {
  Picture pic;
  Surface& s = pic.surface;
  s.Scale(0, 0, 100, 80);  // one unit a pixel
  s.Line(10, 5, 60, 5, kRed);
  EXPECT_EQ(s.Point(10.5, 5.5), kRed);
  EXPECT_EQ(s.Point(35, 5), kRed);
  EXPECT_EQ(s.Point(35, 6), kWhite);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 60);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 5);

  s.Line(20, 20, 40, 30, kBlue, Surface::kBox);  // outline only
  EXPECT_EQ(s.Point(20, 20), kBlue);
  EXPECT_EQ(s.Point(40, 30), kBlue);
  EXPECT_EQ(s.Point(30, 20), kBlue);
  EXPECT_EQ(s.Point(40, 25), kBlue);
  EXPECT_EQ(s.Point(30, 25), kWhite);

  s.SetFillStyle(Surface::kFillSolid);
  s.SetFillColor(kGreen);
  s.Line(50, 20, 70, 30, kBlue, Surface::kBox);  // outline with fill colour inside
  EXPECT_EQ(s.Point(50, 25), kBlue);
  EXPECT_EQ(s.Point(60, 25), kGreen);

  s.Line(75, 40, 80, 45, kRed, Surface::kFilledBox);  // filled with the line colour, both corners
  EXPECT_EQ(s.Point(75, 40), kRed);
  EXPECT_EQ(s.Point(80, 45), kRed);
  EXPECT_EQ(s.Point(77, 42), kRed);
  EXPECT_EQ(s.Point(81, 42), kWhite);
  EXPECT_EQ(s.Point(77, 46), kWhite);

  s.SetForeColor(kGreen);
  s.SetCurrentX(5);
  s.SetCurrentY(70);
  s.LineTo(5, 60);  // from the pen, in the fore colour
  EXPECT_EQ(s.Point(5, 65), kGreen);
  s.LineTo(15, 50, kRed, Surface::kFilledBox);
  EXPECT_EQ(s.Point(10, 55), kRed);
  EXPECT_GT(pic.changes, 0);
}

TEST(ImageSurface, ScaleWithYUpwardsPutsOriginBottomLeft) {
  Picture pic;
  Surface& s = pic.surface;
  s.Scale(0, 1000, 1000, 0);
  EXPECT_DOUBLE_EQ(s.ScaleTop(), 1000);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), -1000);
  s.PSet(1, 1, kRed);
  EXPECT_EQ(pic.Pixel(0, 79), kRed);
  EXPECT_EQ(s.Point(1, 1), kRed);
  s.PSet(999, 999, kBlue);
  EXPECT_EQ(pic.Pixel(99, 0), kBlue);
  // Shifting the origin moves what (0, 0) means.
  s.SetScaleLeft(s.ScaleLeft() - 500);
  s.SetScaleTop(s.ScaleTop() - 500);
  s.PSet(-499, -499, kGreen);
  EXPECT_EQ(pic.Pixel(0, 79), kGreen);
}

TEST(ImageSurface, DrawWidthAndCircle) {
  Picture pic;
  Surface& s = pic.surface;
  s.Scale(0, 0, 100, 80);
  s.SetDrawWidth(5);
  s.Line(10, 40, 90, 40, kBlue);
  EXPECT_EQ(s.Point(50, 38), kBlue);
  EXPECT_EQ(s.Point(50, 42), kBlue);
  EXPECT_EQ(s.Point(50, 44), kWhite);
  s.SetDrawWidth(1);
  s.Cls();
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  s.SetFillStyle(Surface::kFillSolid);
  s.SetFillColor(kGreen);
  s.Circle(50, 40, 20, kRed);
  EXPECT_EQ(s.Point(50, 40), kGreen);
  EXPECT_EQ(s.Point(50, 60), kRed);
  EXPECT_EQ(s.Point(5, 5), kWhite);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 50);
  // A flat ellipse: the radius is the horizontal half axis.
  s.Cls();
  s.SetFillStyle(Surface::kFillTransparent);
  s.Circle(50, 40, 30, kRed, 0, 0, 0.25);
  EXPECT_EQ(s.Point(20, 40), kRed);
  EXPECT_EQ(s.Point(50, 33), kWhite);
}

TEST(ImageSurface, ArcsAndPies) {
  Picture pic;
  Surface& s = pic.surface;
  s.Scale(0, 0, 100, 80);
  s.Circle(50, 40, 20, kRed, 0, std::numbers::pi / 2);  // the upper right quarter, counter-clockwise
  const auto redIn = [&](int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += pic.Pixel(x, y) == kRed;
    return n;
  };
  EXPECT_GT(redIn(51, 15, 75, 39), 20);
  EXPECT_EQ(redIn(25, 15, 49, 39), 0);
  EXPECT_EQ(redIn(25, 41, 75, 65), 0);
  s.Cls();
  s.SetFillStyle(Surface::kFillSolid);
  s.SetFillColor(kGreen);
  s.Circle(50, 40, 20, kRed, -0.0001, -std::numbers::pi / 2);  // a pie with both radii, filled
  EXPECT_EQ(s.Point(58, 33), kGreen);
  EXPECT_EQ(s.Point(42, 47), kWhite);
  EXPECT_EQ(s.Point(50, 30), kRed);  // the radius to 90 degrees
}

TEST(ImageSurface, DashedAndDottedLinesHaveGaps) {
  Picture pic;
  Surface& s = pic.surface;
  s.Scale(0, 0, 100, 80);
  const auto count = [&](int y) {
    int on = 0;
    for (int x = 0; x < 100; ++x) on += pic.Pixel(x, y) == 0;
    return on;
  };
  s.Line(0, 10, 99, 10, 0);
  s.SetDrawStyle(Surface::kDash);
  s.Line(0, 20, 99, 20, 0);
  s.SetDrawStyle(Surface::kDot);
  s.Line(0, 30, 99, 30, 0);
  EXPECT_GE(count(10), 99);
  EXPECT_GT(count(20), 60);
  EXPECT_LT(count(20), 90);
  EXPECT_GT(count(30), 35);
  EXPECT_LT(count(30), 65);
}

TEST(ImageSurface, FollowsTheSizeSourceAndKeepsTheDrawing) {
  Picture pic;
  Surface& s = pic.surface;
  s.PSet(150, 150, kRed);  // twips: pixel (10, 10)
  pic.size = QSize(200, 50);
  EXPECT_DOUBLE_EQ(s.Width(), 3000);
  EXPECT_EQ(s.Point(150, 150), kRed);
  EXPECT_EQ(pic.surface.image().size(), QSize(200, 50));
  EXPECT_EQ(s.Point(2000, 150), kWhite);
  pic.size = QSize(0, 0);  // hidden before it was ever shown: nothing to draw on
  s.Line(0, 0, 100, 100);
  EXPECT_EQ(s.Point(0, 0), -1);
}

TEST(ImageSurface, PrintMovesThePen) {
  Picture pic;
  Surface& s = pic.surface;
  s.SetFontName("Arial");
  s.SetFontSize(10);
  s.SetCurrentX(100);
  s.SetCurrentY(200);
  const double w = s.TextWidth("Stress");
  const double h = s.TextHeight("Stress");
  EXPECT_GT(w, 300);
  EXPECT_GT(h, 150);
  s.Print("Stress", true);
  EXPECT_NEAR(s.CurrentX(), 100 + w, 1e-9);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 200);
  s.Print("x");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  EXPECT_NEAR(s.CurrentY(), 200 + h, 1e-9);

  // With y upwards the next line is lower on the surface: the height is negative.
  s.Scale(0, 1200, 1500, 0);
  EXPECT_NEAR(s.TextHeight("x"), -h, 1e-9);
  s.SetCurrentY(600);
  s.Print("x");
  EXPECT_NEAR(s.CurrentY(), 600 - h, 1e-9);
}

TEST(ImageSurface, PrintedTextIsDarkBelowThePen) {
  Picture pic;
  Surface& s = pic.surface;
  s.Scale(0, 0, 100, 80);
  s.SetFontSize(12);
  s.SetCurrentX(10);
  s.SetCurrentY(10);
  s.Print("MMMM", true);
  int dark = 0;
  for (int y = 10; y < 30; ++y)
    for (int x = 10; x < 40; ++x) dark += (pic.Pixel(x, y) & 0xFF) < 0x80;
  EXPECT_GT(dark, 20);
  for (int x = 0; x < 100; ++x) EXPECT_EQ(pic.Pixel(x, 5), kWhite);
}

TEST(ImageSurface, BackColorClearsThePicture) {
  Picture pic;
  pic.surface.PSet(150, 150, kRed);
  pic.surface.SetBackColor(kBlue);
  EXPECT_EQ(pic.surface.Point(150, 150), kBlue);
  EXPECT_EQ(pic.surface.BackColor(), kBlue);
}

}  // namespace
