#include <gtest/gtest.h>

#include <string>

#include "diagrams/ui/diagram_services.h"
#include "diagrams/ui/result_frames_panel.h"
#include "support/recorded_lines.h"
#include "support/recording_surface.h"
#include "diagram_ui_fixture.h"

namespace {

// A master curve over the stress range of a constant amplitude: 21 points,
// the longest life 3.47E+5 blocks, shown in cycles (one cycle a block).
class MasterCurveScreen : public DiagramUi, public ::testing::Test {
 protected:
  ResultFramesPanel& rf = main.results();
  MainMenus& menus = main.menus();
  RecordingSurface graph{1, 1}, text{1, 1};

  void SetUp() override {
    state.analysisOptions.AnalysisMode = 2;
    state.analysisOptions.LifeUnit = 1;
    state.lifeResults.LifeUnitLabel = {"", " [cyc] ", " [blk] ", " [h]   "};
    for (int k = 1; k <= 21; ++k) {
      state.lifeResults.MasterParam[k] = 100.0f + 10.0f * (k - 1);
      state.lifeResults.MasterLife[k] = 3.47e5f / k;
    }
    menus.mnu_calculate.SetEnabled(true);
  }
  // The pictures' surfaces take the size the screen gives the pictures.
  void Draw() {
    DrawMasterCurve(main, graph, text);
    graph.Resize(rf.pic_master.Width(), rf.pic_master.Height());
    text.Resize(rf.pic_master1.Width(), rf.pic_master1.Height());
    graph.ClearLog();
    text.ClearLog();
    DrawMasterCurve(main, graph, text);
  }
};

TEST_F(MasterCurveScreen, FramesPicturesAndLabelsArePlaced) {
  Draw();
  // The frames stand 10 twips down and end at the inner area's bottom.
  const float w = main.ScaleWidth(), h = main.ScaleHeight() - 10;
  EXPECT_TRUE(rf.frm_master.Visible());
  EXPECT_TRUE(rf.frm_master1.Visible());
  EXPECT_FLOAT_EQ(rf.frm_master.Width(), 0.76f * w);
  EXPECT_FLOAT_EQ(rf.frm_master.Height(), h);
  EXPECT_FLOAT_EQ(rf.frm_master.Top(), 10);
  EXPECT_FLOAT_EQ(rf.frm_master1.Left(), rf.frm_master.Width());
  EXPECT_FLOAT_EQ(rf.frm_master1.Width(), 0.24f * w);
  const float H = 0.957f * h, W = 0.975f * rf.frm_master.Width(), WT = 0.92f * rf.frm_master1.Width();
  EXPECT_NEAR(rf.pic_master.Height(), H, 0.01);
  EXPECT_NEAR(rf.pic_master.Width(), W, 0.01);
  EXPECT_NEAR(rf.pic_master1.Width(), WT, 0.01);
  EXPECT_FLOAT_EQ(rf.pic_master1.Top(), rf.pic_master.Top());
  EXPECT_FLOAT_EQ(rf.pic_master.Left(), 0.013f * rf.frm_master.Width());
  const float fractions[] = {0.7f, 0.31f, 0.08f};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(rf.DMline(i).X2(), rf.pic_master1.Width());
    EXPECT_NEAR(rf.DMline(i).Y1(), (1 - fractions[i]) * rf.pic_master1.Height(), 0.01) << i;
    EXPECT_EQ(rf.DMline(i).Y1(), rf.DMline(i).Y2());
  }
  EXPECT_EQ(rf.Lifelab(0).Caption(), "Fatigue life  [cyc] ");
  EXPECT_NEAR(rf.Lifelab(0).Left(), (W - 2000 - 500) / 2, 0.01);
  EXPECT_FALSE(rf.Life_inf.Visible());
  EXPECT_FALSE(menus.mnu_calculate.Enabled());
  EXPECT_EQ(menus.mnu_calculations.Caption(), "&Back to Main Screen");
  // Both pictures are cleared and drawn in their upward scale; the frames
  // themselves carry the captions.
  EXPECT_EQ(graph.log.front().rfind("Cls", 0), 0u) << graph.LogText();
  EXPECT_NE(text.LogText().find("Cls\n"), std::string::npos);
  EXPECT_NE(text.LogText().find("Scale 0," + ShortNumber(text.Height()) + "-" + ShortNumber(text.Width()) + ",0"),
            std::string::npos);
  for (const auto& t : graph.texts) EXPECT_NE(t.text, "Master Curve");
  EXPECT_FALSE(RecordedLines(graph, 0xFF, Surface::kSegment).empty());
  EXPECT_EQ(state.resultsDisplay.LifeUnitFactor, 1.0f);
}

TEST_F(MasterCurveScreen, InfiniteLifeShowsItsLabelAndKeepsTheMenu) {
  state.results.InfiniteLifeFlag = 1;
  Draw();
  EXPECT_TRUE(rf.Life_inf.Visible());
  EXPECT_EQ(menus.mnu_calculations.Caption(), "Check/Change &Input Data...");
  EXPECT_TRUE(RecordedLines(graph, 0xFF, Surface::kSegment).empty());
  for (const auto& t : graph.texts) EXPECT_EQ(t.text.find("E+"), std::string::npos) << t.text;
}

TEST_F(MasterCurveScreen, HoursWithoutABlockTimeReturnWithoutALifeAxis) {
  state.analysisOptions.LifeUnit = 3;  // the batch has no block time
  Draw();
  EXPECT_EQ(state.resultsDisplay.LifeUnitFactor, 0.0f);
  EXPECT_EQ(menus.mnu_calculations.Caption(), "Check/Change &Input Data...");
  EXPECT_TRUE(RecordedLines(graph, 0xFF, Surface::kSegment).empty());
  bool parameterLabels = false;
  for (const auto& t : graph.texts) {
    EXPECT_EQ(t.text.find("E+"), std::string::npos) << t.text;
    parameterLabels = parameterLabels || t.text == "100.0";  // amplitudes up to 150
  }
  EXPECT_TRUE(parameterLabels);
  EXPECT_TRUE(rf.frm_master.Visible());
}

TEST_F(MasterCurveScreen, PrinterTakesOneSurfaceForBoth) {
  RecordingSurface page(11900, 16840, true);  // a portrait page
  rf.frm_master.SetVisible(false);
  DrawMasterCurve(main, page, page);
  EXPECT_FALSE(rf.frm_master.Visible()) << "paper leaves the window alone";
  EXPECT_EQ(page.LogText().find("Cls"), std::string::npos);
  int captions = 0;
  for (const auto& t : page.texts) captions += t.text == "Master Curve" || t.text == "Input Data";
  EXPECT_EQ(captions, 4);
  EXPECT_NE(page.LogText().find("DrawWidth=6\n"), std::string::npos);
  EXPECT_EQ(menus.mnu_calculations.Caption(), "&Back to Main Screen");
}

}  // namespace
