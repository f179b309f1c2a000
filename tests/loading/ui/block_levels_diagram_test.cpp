// The spectrum diagram: constant amplitude and block spectra on the screen
// picture and on paper, the controls placed on the picture, and the cases
// without a scale.

#include <gtest/gtest.h>

#include <string>

#include "loading/ui/loading_diagram_fixture.h"
#include "loading/ui/loading_services.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/host.h"
#include "platform/runtime/sng.h"

namespace {

constexpr int32_t kPurple = 0x800080;

struct Plot {
  float W, H, x0, x1, y0, y1, f;
};

Plot PlotOf(float W, float H, float f) { return {W, H, Sng(0.1 * W), Sng(0.9 * W), Sng(0.15 * H), Sng(0.9 * H), f}; }

class SpectrumDiagram : public ::testing::Test {
 protected:
  // Batch 1: levels of the given stresses (relative to an upper stress of 1)
  // and cycles, selected as a block spectrum.
  void SelectLevels(std::initializer_list<std::pair<float, float>> levels) {
    LoadingDatabase& db = ui.state.loadingDatabase;
    int k = 0;
    float total = 0;
    for (const auto& [stress, cycles] : levels) {
      ++k;
      db.BatchLevelStress[1][k] = stress;
      db.BatchLevelCycles[1][k] = cycles;
      total += cycles;
    }
    db.BatchLevelCount[1] = static_cast<float>(k);
    db.BatchBlockCycles[1] = total;
    db.BatchUpper[1] = 1;
    ui.state.loadingDbState.SelectedLoadingBatch = 1;
    ui.state.analysisOptions.LoadingType = 2;
  }

  Plot DrawOnScreen(RecordingSurface& s) {
    DrawSpectrumDiagram(ui.main, s, ui.state.loadingDbState.SelectedLoadingBatch);
    const PictureBox& pic = ui.lf().Pic_Spectr;
    return PlotOf(pic.Width(), pic.Height(), ui.state.layoutScales.FontScale);
  }

  Plot DrawOnPage(RecordingSurface& page) {
    DrawSpectrumDiagram(ui.main, page, ui.state.loadingDbState.SelectedLoadingBatch);
    const float W = Sng(page.Width() / 2.45);
    return PlotOf(W, Sng(W * 0.7), 1);
  }

  LoadingUi ui;
};

TEST_F(SpectrumDiagram, ConstantAmplitudeIsOneBarWithASawTooth) {
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  const auto lines = RecordedLines(s);
  const double end = p.x0 + (p.x1 - p.x0) / 1.05;
  EXPECT_TRUE(HasSeg(lines, p.x0, p.y0, end, p.y0 + (p.y1 - p.y0) / 1.22, kPurple, Surface::kBox)) << s.LogText();
  EXPECT_TRUE(Logged(s, "FillStyle=0"));
  EXPECT_TRUE(Logged(s, "FillColor=" + std::to_string(ui.state.colourSettings.InvalidFieldColour)));
  int teeth = 0;
  for (const RecordedLine& g : lines) teeth += g.colour == kPurple && Near(g.y2, p.y1 / 1.18);
  EXPECT_EQ(teeth, 15);
  EXPECT_TRUE(HasSeg(lines, end - (p.x1 - p.x0) / 30 / 1.05, p.y1 / 1.18, end, p.y0, kPurple))
      << "ends at the bar's edge";
  // The end tick carries no number for constant amplitude.
  EXPECT_TRUE(HasSeg(lines, end, p.y0 - 30, end, p.y0, 0));
  EXPECT_EQ(PrintedTexts(s),
            (std::vector<std::string>{"S", "T", "R", "E", "S", "S", " ", "A", "M", "P", "L", " ", "CYCLES"}));
  ExpectUpwardAxis(lines, p.x0, p.y0, p.y1, 0);
  ExpectRightwardAxis(lines, p.x0, p.y0, p.x1, 0);
  // The stress labels offer the stress/strain popup.
  for (int i = 0; i <= 1; ++i) {
    EXPECT_EQ(ui.lf().SSmax(i).MousePointer(), kPointerUpArrow);
    EXPECT_EQ(ui.lf().SSmax(i).ToolTipText(), "Right click for Stress/Strain change");
  }
  // The typed pair: amplitude 50 about a mean of 0.
  EXPECT_EQ(ui.state.loadingData.SpectrumSmax, 50.0f);
  EXPECT_EQ(ui.state.loadingData.SpectrumSmin, -50.0f);
}

TEST_F(SpectrumDiagram, ConstantAmplitudeOnPaperIsAnOutline) {
  RecordingSurface page(kPageWidth, 9000, true);
  const Plot p = DrawOnPage(page);
  const auto lines = RecordedLines(page);
  const double top = p.y0 + (p.y1 - p.y0) / 1.22, end = p.x0 + (p.x1 - p.x0) / 1.05;
  EXPECT_EQ(CountColour(lines, kPurple, Surface::kBox), 0);
  EXPECT_TRUE(HasSeg(lines, p.x0, top, end, top, kPurple));
  EXPECT_TRUE(HasSeg(lines, end, top, end, p.y0, kPurple));
  EXPECT_TRUE(Logged(page, "DrawWidth=5"));
}

TEST_F(SpectrumDiagram, FallingLevelsOfferTheDisplayMenuAndARisingOneTakesItAway) {
  struct Case {
    float third;
    int16_t toolTipMode;
    bool descending;
    const char* tip;
  };
  for (const Case c :
       {Case{0.8f, 0, true, "Right click to change the display"}, Case{0.8f, 1, true, ""}, Case{0.9f, 0, false, ""}}) {
    SelectLevels({{1, 10}, {0.8f, 10}, {c.third, 10}, {0.5f, 10}});
    ui.state.shellState.ToolTipMode = c.toolTipMode;
    RecordingSurface s;
    DrawOnScreen(s);
    EXPECT_EQ(ui.state.loadingData.SpectrumDescending, c.descending) << c.third;
    EXPECT_EQ(ui.lf().Pic_Spectr.MousePointer(), c.descending ? kPointerCross : kPointerDefault) << c.third;
    EXPECT_EQ(ui.lf().Pic_Spectr.ToolTipText(), c.tip) << c.third;
    EXPECT_EQ(ui.lf().SSmax(0).ToolTipText(), "") << "a block spectrum has no unit popup";
    EXPECT_EQ(ui.lf().SSmax(0).MousePointer(), kPointerDefault);
  }
}

TEST_F(SpectrumDiagram, ALevelWithoutCyclesHasNoBoxOnTheScreenAndAZeroWidthStepOnPaper) {
  SelectLevels({{1, 10}, {0.8f, 0}, {0.6f, 10}, {0.5f, 10}});
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  EXPECT_EQ(CountColour(RecordedLines(s), kPurple, Surface::kBox), 3);
  // The cycles per block are printed under the end tick.
  const float xs = Sng((p.x1 - p.x0) / 30.0 / 1.05);
  const auto* n = FindText(s, " 30 ");
  ASSERT_NE(n, nullptr) << s.LogText();
  EXPECT_NEAR(n->x, p.x0 + xs * 30 - p.f * 50 * 3, 0.01);

  RecordingSurface page(kPageWidth, 9000, true);
  const Plot q = DrawOnPage(page);
  const auto lines = RecordedLines(page);
  const float ys = Sng((q.y1 - q.y0) / 1.0 / 1.22), xq = Sng((q.x1 - q.x0) / 30.0 / 1.05);
  const double x10 = q.x0 + static_cast<double>(xq) * 10, y08 = 0.8f * ys + q.y0;
  EXPECT_EQ(CountColour(lines, kPurple), 12);
  EXPECT_TRUE(HasSeg(lines, x10, y08, x10, y08, kPurple)) << "the level of no cycles";
  EXPECT_TRUE(HasSeg(lines, x10, y08, x10, q.y0, kPurple));
}

TEST_F(SpectrumDiagram, MasterCurveOverTheLoadLevelShowsTwoValueRows) {
  ui.state.layoutScales = {1.25f, 1.2f, 1.1f};
  ui.state.analysisOptions.AnalysisMode = 2;
  ui.state.analysisOptions.MasterCurveParameter = 1;
  ui.state.loadingData.StressRangeFrom = 60;
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  LoadingFramesPanel& lf = ui.lf();
  EXPECT_TRUE(lf.SSmax(1).Visible() && lf.SSmaxt(1).Visible() && lf.SSrng(1).Visible());
  EXPECT_EQ(lf.SSrng(0).Caption(), "(Max)");
  EXPECT_EQ(lf.SSrng(1).Caption(), "(Min)");
  EXPECT_FLOAT_EQ(lf.SSmax(0).Top(), TopOnPicture(lf.Pic_Spectr, p.y1 - (200 - 210) * 1.2f));
  EXPECT_FLOAT_EQ(lf.SSmax(1).Top(), TopOnPicture(lf.Pic_Spectr, p.y1 - 200 * 1.2f));
  EXPECT_LT(lf.SSmax(0).Top(), lf.SSmax(1).Top()) << "the upper end above the lower";
  EXPECT_FLOAT_EQ(lf.SSmax(0).Left(), p.x0 + 100 * 1.25f);
  EXPECT_EQ(lf.SSmax(0).Caption(), "50.0  MPa");
  EXPECT_EQ(lf.SSmax(1).Caption(), "30.0  MPa");
  EXPECT_EQ(lf.SSmaxt(1).Text(), "30.0");
  EXPECT_EQ(lf.SSmaxt(1).Width(), 4 * 100 * 1.1f);
  EXPECT_FLOAT_EQ(lf.SSrng(1).Left(), lf.SSmax(1).Left() + lf.SSmax(1).Width() + 100 * 1.25f);
  EXPECT_EQ(lf.SSrng(1).Top(), lf.SSmax(1).Top());

  ui.state.analysisOptions.AnalysisMode = 1;
  lf.SSrng(0).SetCaption("(range)");
  DrawOnScreen(s);
  EXPECT_EQ(lf.SSrng(0).Caption(), "") << "a single case has no tag";
  EXPECT_FALSE(lf.SSmax(1).Visible() || lf.SSmaxt(1).Visible() || lf.SSrng(1).Visible());
  EXPECT_FLOAT_EQ(lf.SSmax(0).Top(), TopOnPicture(lf.Pic_Spectr, p.y1 - 200 * 1.2f));
}

TEST_F(SpectrumDiagram, MeanRowAndTheBatchTagLieOnThePicture) {
  LoadingData& l = ui.state.loadingData;
  l.StressMinOrMeanInput = 20;
  l.BatchMseText = "DMSE(+): Su=500";
  ui.state.loadingDatabase.BatchPointCount[1] = 1000;
  SelectLevels({{1, 10}, {0.5f, 10}});
  ui.lf().SSmse.SetVisible(false);
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  LoadingFramesPanel& lf = ui.lf();
  EXPECT_EQ(lf.SSmean.Caption(), "Mean Stress =  20.0  MPa");
  EXPECT_EQ(lf.SSmean.ToolTipText(), "Click for Asymetric Loading");
  EXPECT_EQ(lf.SSmean.MousePointer(), kPointerUpArrow);
  EXPECT_EQ(lf.SSmeant.Text(), "20.0");
  EXPECT_FLOAT_EQ(lf.SSmean.Left(), Sng((p.x0 + p.x1) / 2.5) + 700);
  EXPECT_FLOAT_EQ(lf.SSmean.Top(), TopOnPicture(lf.Pic_Spectr, p.y1 - 200));
  EXPECT_EQ(lf.SSmeant.Top(), lf.SSmean.Top());
  EXPECT_GT(lf.SSmeant.Left(), lf.SSmean.Left());
  EXPECT_TRUE(lf.SSmse.Visible());
  EXPECT_EQ(lf.SSmse.Caption(), "DMSE(+): Su=500");
  EXPECT_FLOAT_EQ(lf.SSmse.Left(), p.W - 15 * 90);
  EXPECT_FLOAT_EQ(lf.SSmse.Top(), TopOnPicture(lf.Pic_Spectr, p.y1 + 200));
  EXPECT_FALSE(lf.SHscal(2).Visible()) << "deterministic";
}

TEST_F(SpectrumDiagram, ValueBoxesTakeTheDiagramColourUnderTheirCorner) {
  RecordingSurface s;
  s.SetBackColor(0xFFFFFF);
  s.pointSource = [](double, double) { return 0x00C0FFEE; };
  DrawOnScreen(s);
  EXPECT_EQ(ui.lf().SSmaxt(0).BackColor(), 0x00C0FFEE);
  EXPECT_EQ(ui.lf().SSmeant.BackColor(), 0x00C0FFEE);
  // A corner outside the surface reads -1: the picture's own back colour.
  s.pointSource = [](double, double) { return -1; };
  s.SetBackColor(0x00ABCDEF);
  DrawOnScreen(s);
  EXPECT_EQ(ui.lf().SSmaxt(0).BackColor(), 0x00ABCDEF);
  EXPECT_EQ(ui.lf().SSmeant.BackColor(), 0x00ABCDEF);
}

TEST_F(SpectrumDiagram, WithoutAScaleOnlyTheAxesAreDrawn) {
  struct Case {
    const char* what;
    int16_t type;
    float stress, blockCycles;
  };
  for (const Case c : {Case{"Sref 0", 3, 0, 0}, Case{"N 0", 2, 100, 0}}) {
    ui.state.analysisOptions.LoadingType = c.type;
    ui.state.loadingData.StressRangeTo = c.stress;
    ui.state.loadingDbState.SelectedLoadingBatch = c.type == 2 ? 1 : 0;
    ui.state.loadingDatabase.BatchLevelCount[1] = 2;
    ui.state.loadingDatabase.BatchUpper[1] = 100;
    ui.state.loadingDatabase.BatchBlockCycles[1] = c.blockCycles;
    for (const bool paper : {false, true}) {
      RecordingSurface s(kPageWidth, 9000, paper);
      const Plot p = paper ? DrawOnPage(s) : DrawOnScreen(s);
      const auto lines = RecordedLines(s);
      EXPECT_EQ(CountColour(lines, kPurple) + CountColour(lines, kPurple, Surface::kBox), 0) << c.what << s.LogText();
      EXPECT_EQ(s.LogText().find("PSet"), std::string::npos) << c.what;
      ExpectUpwardAxis(lines, p.x0, p.y0, p.y1, 0);
      ExpectRightwardAxis(lines, p.x0, p.y0, p.x1, 0);
    }
    EXPECT_TRUE(ui.lf().SSmaxt(0).Visible()) << c.what << ": the stress can still be typed";
  }
}

TEST_F(SpectrumDiagram, PaperPrintsTheCaptionsOfTheLastScreenDrawing) {
  ui.state.analysisOptions.AnalysisKind = 2;
  ui.state.loadingData.BatchMseText = "DMSE(-)  ";
  RecordingSurface screen;
  DrawOnScreen(screen);
  LoadingFramesPanel& lf = ui.lf();
  lf.load_distr(1).SetCaption("{N 10%}");
  RecordingSurface page(kPageWidth, 9000, true);
  const Plot p = DrawOnPage(page);
  const auto* ss = FindText(page, lf.SSmax(0).Caption());
  ASSERT_NE(ss, nullptr) << page.LogText();
  EXPECT_NEAR(ss->x, p.x0 + 100, 0.01);
  EXPECT_NEAR(ss->y, p.y1 - 300, 0.01);
  EXPECT_EQ(ss->fontName, "Microsoft Sans Serif");
  const auto* mean = FindText(page, lf.SSmean.Caption());
  ASSERT_NE(mean, nullptr);
  EXPECT_NEAR(mean->x, p.x0 + 2600, 0.01);
  const auto* scaling = FindText(page, "Scaling Factor  k = 1.0   {N 10%}");
  ASSERT_NE(scaling, nullptr);
  EXPECT_NEAR(scaling->x, Sng((p.x0 + p.x1) / 2.5) - 550, 0.01);
  EXPECT_EQ(FindText(page, "DMSE(-)  "), nullptr) << "constant amplitude prints no batch tag";
}

TEST_F(SpectrumDiagram, StrainLoadingShowsTheModulusAndItsTitle) {
  ui.state.loadingUnits.LoadQuantity = "Strain ";
  ui.state.loadingData.StressInputMode = 1;
  RecordingSurface s;
  DrawOnScreen(s);
  EXPECT_TRUE(ui.main.snInputs().SNE.Visible() && ui.main.snInputs().SNEt.Visible());
  std::string title;
  for (size_t i = 0; i < 12 && i < s.texts.size(); ++i) title += s.texts[i].text;
  EXPECT_EQ(title, "STRAIN RANGE");
  ui.state.loadingUnits.LoadQuantity = "Stress ";
  DrawOnScreen(s);
  EXPECT_FALSE(ui.main.snInputs().SNE.Visible() || ui.main.snInputs().SNEt.Visible());
}

}  // namespace
