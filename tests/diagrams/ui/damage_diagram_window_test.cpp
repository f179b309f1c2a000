#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "loading/ui/loading_frames_panel.h"
#include "platform/draw/hidden_picture.h"
#include "support/recorded_lines.h"
#include "support/recording_surface.h"
#include "support/scoped_folder.h"
#include "diagram_ui_fixture.h"

namespace {

constexpr int32_t kOutline = 0x404080;

class DamageDiagramWindow : public DiagramUi, public ::testing::Test {
 protected:
  void SetUp() override {
    PutSpectrumBatch(state);
    PutSpectrumDamage(state);
    main.loadingFrames().frm_Spectr.SetVisible(true);
    main.loadingFrames().frm_Distr.SetVisible(false);
  }
};

TEST_F(DamageDiagramWindow, ScreenPlacesItsFrameAndSetsPointerAndTip) {
  ResultFramesPanel& rf = main.results();
  RecordingSurface picture(rf.Pic_Dam.Width(), rf.Pic_Dam.Height());
  DrawDamageDiagram(main, picture);
  EXPECT_FLOAT_EQ(rf.frm_Dam.Left(), 0);
  EXPECT_FLOAT_EQ(rf.frm_Dam.Top(), main.ScaleHeight() / 2);
  EXPECT_FLOAT_EQ(rf.frm_Dam.Width(), main.ScaleWidth() / 2);
  EXPECT_FLOAT_EQ(rf.frm_Dam.Height(), main.ScaleHeight() / 2);
  EXPECT_FLOAT_EQ(rf.Pic_Dam.Width(), 0.96f * rf.frm_Dam.Width());
  EXPECT_FLOAT_EQ(rf.Pic_Dam.Height(), 0.92f * rf.frm_Dam.Height());
  EXPECT_FLOAT_EQ(rf.Pic_Dam.Left(), 0.02f * rf.frm_Dam.Width());
  EXPECT_FLOAT_EQ(rf.Pic_Dam.Top(), 0.07f * rf.frm_Dam.Height());
  EXPECT_EQ(host.pointerHistory, (std::vector<int>{kPointerHourglass, kPointerDefault}));
  EXPECT_EQ(host.doEventsCalls, 1);
  EXPECT_EQ(rf.Pic_Dam.ToolTipText(), "Right click to change the display");
  EXPECT_EQ(rf.Pic_Dam.MousePointer(), kPointerCross);
  EXPECT_EQ(RecordedLines(picture, kOutline, Surface::kBox).size(), 2u) << "the level without damage leaves a gap";

  state.shellState.ToolTipMode = 1;
  DrawDamageDiagram(main, picture);
  EXPECT_EQ(rf.Pic_Dam.ToolTipText(), "");

  state.shellState.ToolTipMode = 0;
  state.analysisOptions.LoadingType = 3;
  DrawDamageDiagram(main, picture);
  EXPECT_EQ(rf.Pic_Dam.ToolTipText(), "");
  EXPECT_EQ(rf.Pic_Dam.MousePointer(), kPointerDefault);
}

TEST_F(DamageDiagramWindow, PaperLeavesTheWindowAlone) {
  ResultFramesPanel& rf = main.results();
  rf.frm_Dam.Move(100, 200, 3000, 2000);
  RecordingSurface page(12000, 16000, true);
  DrawDamageDiagram(main, page);
  EXPECT_FLOAT_EQ(rf.frm_Dam.Left(), 100);
  EXPECT_FLOAT_EQ(rf.frm_Dam.Width(), 3000);
  EXPECT_EQ(page.log.end(), std::find(page.log.begin(), page.log.end(), "Cls"));
  ASSERT_FALSE(page.texts.empty());
  EXPECT_EQ(page.texts[0].text, "Results:  Damage") << "the frame's caption is the title";
}

// The bitmap of the damage diagram has its bars where the recorded calls put them.
TEST_F(DamageDiagramWindow, BitmapHoldsTheBarsWhereTheCallsPutThem) {
  ScopedCurrentFolder folder{"damage_bitmap_test"};
  HiddenPicture& bitmap = main.Printer2();
  bitmap.SetWidth(18000);
  bitmap.SetHeight(13500);
  bitmap.Cls();
  DrawDamageDiagram(main, bitmap);
  const std::string file = (folder.path() / "damage.bmp").string();
  const SaveResult saved = bitmap.SaveBitmap(file);
  ASSERT_TRUE(saved.ok) << saved.errorText;

  RecordingSurface calls(18000, 13500, false, true);
  DrawDamageDiagram(main, calls);
  const std::vector<RecordedLine> bars = RecordedLines(calls, kOutline, Surface::kBox);
  ASSERT_EQ(bars.size(), 2u);
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(file)));
  ASSERT_EQ(image.width(), 1200);
  ASSERT_EQ(image.height(), 900);
  // User x and y to pixels: 15 twips a pixel, y up from the shifted origin.
  const double left = calls.ScaleLeft(), top = calls.ScaleTop();
  auto px = [&](double x) { return static_cast<int>((x - left) / 15); };
  auto py = [&](double y) { return static_cast<int>((top - y) / 15); };
  auto colour = [&](double x, double y) { return image.pixel(px(x), py(y)) & 0xFFFFFF; };
  const uint32_t outline = 0x804040;  // &H404080 as RGB
  for (const RecordedLine& bar : bars) {
    const double midY = (bar.y1 + bar.y2) / 2, midX = (bar.x1 + bar.x2) / 2;
    EXPECT_EQ(colour(bar.x1, midY), outline) << "left edge of the bar at " << bar.x1;
    EXPECT_EQ(colour(bar.x2, midY), outline) << "right edge";
    EXPECT_EQ(colour(midX, bar.y2), outline) << "top edge";
    EXPECT_EQ(colour(midX, midY), 0xFFFFFFu) << "bars stay outlined in a bitmap";
  }
  // The gap of the second level: nothing between the two bars halfway up.
  const double gapX = (bars[0].x2 + bars[1].x1) / 2, gapY = (bars[0].y1 + bars[0].y2) / 2;
  EXPECT_EQ(colour(gapX, gapY), 0xFFFFFFu);
}

}  // namespace
