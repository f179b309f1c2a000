#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "platform/draw/surface.h"
#include "platform/ui/form.h"
#include "support/fake_host.h"

namespace {

// A picture of 200 x 100 pixels inside a one-pixel border.
class PictureBoxTest : public ::testing::Test {
 protected:
  PictureBoxTest() {
    const ControlDef rows[] = {{.name = "Pic_Dam", .kind = ControlKind::PictureBox, .left = 150, .top = 150,
                                .width = 202 * 15, .height = 102 * 15}};
    form.Build(rows);
  }
  FakeHost host;
  Form form{host};
  PictureBox& pic() { return form.picture("Pic_Dam"); }
};

TEST_F(PictureBoxTest, DrawingReadsBackWithPointInTheUserScale) {
  Surface& s = pic().surface();
  s.Cls();
  s.Scale(0, 10, 20, 0);  // y grows upwards
  s.Line(2, 2, 8, 6, 0x0000FF, Surface::kFilledBox);
  EXPECT_EQ(s.Point(5, 4), 0x0000FF);
  EXPECT_EQ(s.Point(15, 8), 0xFFFFFF);
  // The widget shows the drawing: the box's lower left corner region is red.
  const QImage shown = pic().widget()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(1 + 50, 1 + 60), QColor(255, 0, 0));
}

TEST_F(PictureBoxTest, SurfaceFollowsTheControlSize) {
  Surface& s = pic().surface();
  s.ScaleTwips();
  EXPECT_NEAR(s.ScaleWidth(), 200 * 15, 1e-9);
  pic().SetWidth(302 * 15);
  EXPECT_NEAR(s.ScaleWidth(), 300 * 15, 1e-9);
}

TEST_F(PictureBoxTest, MouseEventsReportTheUserScale) {
  pic().surface().Scale(0, 10, 20, 0);
  float gx = -1, gy = -1;
  int gb = 0;
  pic().onMouseDown = [&](int b, int, float x, float y) {
    gb = b;
    gx = x;
    gy = y;
  };
  form.Show();
  // Pixel (100, 25) inside the border is x = 10, y = 7.5.
  QTest::mousePress(pic().widget(), Qt::RightButton, Qt::NoModifier, QPoint(1 + 100, 1 + 25));
  EXPECT_EQ(gb, kRightButton);
  EXPECT_FLOAT_EQ(gx, 10.0f);
  EXPECT_FLOAT_EQ(gy, 7.5f);
  form.Hide();
}

}  // namespace
