#include <gtest/gtest.h>

#include <QColor>
#include <QFontInfo>
#include <QPalette>
#include <QWidget>

#include "platform/draw/bitmap_encoding.h"
#include "platform/qt/font_mapping.h"
#include "platform/qt/window_grab.h"

namespace {

TEST(WindowImage, GrabsAHiddenWidgetAsTheScreenWouldShowIt) {
  QWidget form;
  form.resize(120, 80);
  QPalette palette = form.palette();
  palette.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
  form.setPalette(palette);
  form.setAutoFillBackground(true);
  QWidget child(&form);
  child.setGeometry(10, 10, 20, 20);
  palette.setColor(QPalette::Window, Qt::red);
  child.setPalette(palette);
  child.setAutoFillBackground(true);

  const WindowImage image = GrabWindowImage(form);
  ASSERT_FALSE(image.IsEmpty());
  EXPECT_EQ(image.PixelWidth(), 120);
  EXPECT_EQ(image.PixelHeight(), 80);
  EXPECT_EQ(image.Pixel(100, 70), 0x563412);
  EXPECT_EQ(image.Pixel(15, 15), 0x0000FF);
  EXPECT_EQ(image.Pixel(120, 0), -1);
  EXPECT_TRUE(WindowImage().IsEmpty());
}

TEST(BitmapEncoding, HeaderAndBottomUpPaddedRows) {
  const auto bytes = EncodeBitmap24(2, 2, [](int x, int y) { return x == 0 && y == 0 ? 0x0000FF : 0xFF0000; });
  ASSERT_EQ(bytes.size(), 54u + 2 * 8);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[2], 70);   // file size
  EXPECT_EQ(bytes[10], 54);  // pixel offset
  EXPECT_EQ(bytes[18], 2);   // width
  EXPECT_EQ(bytes[22], 2);   // height (bottom-up)
  EXPECT_EQ(bytes[28], 24);
  // First stored row is the bottom one: two blue pixels (B, G, R) and padding.
  const std::vector<uint8_t> bottom(bytes.begin() + 54, bytes.begin() + 62);
  EXPECT_EQ(bottom, (std::vector<uint8_t>{0xFF, 0, 0, 0xFF, 0, 0, 0, 0}));
  const std::vector<uint8_t> top(bytes.begin() + 62, bytes.end());
  EXPECT_EQ(top, (std::vector<uint8_t>{0, 0, 0xFF, 0xFF, 0, 0, 0, 0}));
}

TEST(FontMapping, ProgramFontsUseTheMetricCompatibleFreeFonts) {
  struct Case {
    const char* name;
    const char* family;
  };
  const Case cases[] = {{"Arial", "Liberation Sans"},
                        {"Microsoft Sans Serif", "Liberation Sans"},
                        {"Courier New", "Liberation Mono"},
                        {"Courier", "Liberation Mono"},
                        {"courier new", "Liberation Mono"}};
  for (const auto& c : cases) {
    EXPECT_EQ(MappedFontFamily(c.name).toStdString(), c.family) << c.name;
    EXPECT_EQ(QFontInfo(MakeDrawingFont(c.name, 9, false, false)).family().toStdString(), c.family) << c.name;
  }
  const QFont font = MakeDrawingFont("Arial", 6.5, true, true);
  EXPECT_DOUBLE_EQ(font.pointSizeF(), 6.5);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
}

}  // namespace
