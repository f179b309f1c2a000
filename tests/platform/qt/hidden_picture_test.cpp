#include "platform/draw/hidden_picture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <filesystem>

#include "platform/qt/colour_conversion.h"
#include "support/scoped_folder.h"

namespace {

namespace fs = std::filesystem;

class HiddenPictureTest : public ::testing::Test {
 protected:
  ScopedCurrentFolder folder{"hidden_picture_test"};
  const fs::path& dir = folder.path();
};

TEST_F(HiddenPictureTest, IsTheHiddenPictureAndTakesItsSizeInTwips) {
  HiddenPicture pic;
  Surface& s = pic;
  EXPECT_TRUE(s.IsHiddenPicture());
  EXPECT_FALSE(s.IsPrinter());
  EXPECT_DOUBLE_EQ(s.Width(), 0);
  pic.SetWidth(1500);
  EXPECT_DOUBLE_EQ(s.Width(), 1500);  // read back before the height is set
  EXPECT_DOUBLE_EQ(s.Height(), 0);
  pic.SetHeight(900);
  EXPECT_DOUBLE_EQ(s.Width(), 1500);
  EXPECT_DOUBLE_EQ(s.Height(), 900);
  EXPECT_EQ(pic.Image().PixelWidth(), 100);
  EXPECT_EQ(pic.Image().PixelHeight(), 60);
}

TEST_F(HiddenPictureTest, SavedBitmapReadsBackPixelForPixel) {
  HiddenPicture pic;
  pic.SetWidth(61 * 15);  // an odd width, so rows need padding
  pic.SetHeight(40 * 15);
  pic.Cls();
  pic.Scale(0, 40, 61, 0);  // y upwards, one unit a pixel
  pic.Line(0, 0, 30, 20, 0x00FF00, Surface::kFilledBox);
  pic.PSet(60.5, 39.5, 0x123456);
  pic.SetFontSize(9);
  pic.SetCurrentX(32);
  pic.SetCurrentY(38);
  pic.Print("Ab", true);

  const fs::path file = dir / "screen.bmp";
  const SaveResult saved = pic.SaveBitmap(file.string());
  ASSERT_TRUE(saved.ok) << saved.errorText;
  const std::string bytes = folder.Read("screen.bmp");
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel
  EXPECT_EQ(bytes.size(), 54u + 40u * ((61 * 3 + 3) / 4 * 4));

  QImage back;
  ASSERT_TRUE(back.load(QString::fromStdString(file.string()), "BMP"));
  const WindowImage drawn = pic.Image();
  ASSERT_EQ(back.width(), 61);
  ASSERT_EQ(back.height(), 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 61; ++x) ASSERT_EQ(BgrFromColour(QColor(back.pixel(x, y))), drawn.Pixel(x, y)) << x << "," << y;
  EXPECT_EQ(drawn.Pixel(60, 0), 0x123456);
  EXPECT_EQ(drawn.Pixel(0, 39), 0x00FF00);
  EXPECT_EQ(drawn.Pixel(40, 39), 0xFFFFFF);
  for (const auto& entry : fs::directory_iterator(dir)) EXPECT_EQ(entry.path(), file);  // no temporary left
}

TEST_F(HiddenPictureTest, KeepsItsDrawingWhenResized) {
  HiddenPicture pic;
  pic.SetWidth(300);
  pic.SetHeight(300);
  pic.PSet(15, 15, 0x0000FF);
  pic.SetWidth(600);
  EXPECT_EQ(pic.Point(15, 15), 0x0000FF);
  EXPECT_EQ(pic.Point(450, 15), 0xFFFFFF);
}

TEST_F(HiddenPictureTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
  HiddenPicture pic;
  pic.SetWidth(150);
  pic.SetHeight(150);
  const SaveResult missing = pic.SaveBitmap((dir / "missing" / "x.bmp").string());
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.errorText, "Path not found");

  const fs::path file = dir / "old.bmp";
  folder.Write("old.bmp", "old");
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const SaveResult refused = pic.SaveBitmap(file.string());
  fs::permissions(dir, fs::perms::owner_all);
  if (!refused.ok) {  // (root may write anyway)
    EXPECT_EQ(refused.errorText, "Permission denied");
    EXPECT_EQ(folder.Read("old.bmp"), "old");
  }
}

}  // namespace
