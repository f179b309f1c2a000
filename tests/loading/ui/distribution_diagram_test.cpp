// The distribution diagram: typed and database distributions, the largest
// range and its exceedance probability, the controls on the picture, the
// spectrum view of a batch, the cases without a scale, and the preview.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_diagram_fixture.h"
#include "loading/ui/loading_services.h"
#include "platform/host.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"

namespace {

constexpr int32_t kPurple = 0x800080;

struct Plot {
  float W, H, xL, xR, yB, yT, xM;
};

Plot PlotOf(float W, float H) {
  const float xL = Sng(0.1 * W), xR = Sng(0.9 * W);
  return {W, H, xL, xR, Sng(0.15 * H), Sng(0.9 * H), Sng((xL + xR) / 2.5)};
}

class DistributionDiagram : public ::testing::Test {
 protected:
  DistributionDiagram() { ui.state.analysisOptions.LoadingType = 4; }

  void Type(int16_t type, float q, float r) {
    LoadingData& l = ui.state.loadingData;
    l.DistributionType = type;
    l.DistQInput = q;
    l.DistRInput = r;
  }

  Plot DrawOnScreen(RecordingSurface& s) {
    DrawDistributionDiagram(ui.main, s, ui.state.loadingDbState.SelectedLoadingBatch);
    return PlotOf(ui.lf().Pic_Distr.Width(), ui.lf().Pic_Distr.Height());
  }

  // Batch 1: n descending levels from 200 MPa with their cycles, a
  // distribution batch (R > 0), selected as a block spectrum.
  void SelectSpectrumBatch(int n, float cycles) {
    LoadingDatabase& db = ui.state.loadingDatabase;
    for (int i = 1; i <= n; ++i) {
      db.BatchLevelStress[1][i] = 200.0f - 150.0f * static_cast<float>(i - 1) / static_cast<float>(std::max(n - 1, 1));
      db.BatchLevelCycles[1][i] = cycles * static_cast<float>(i);
    }
    db.BatchLevelCount[1] = static_cast<float>(n);
    db.BatchUpper[1] = 200;
    db.BatchLower[1] = 50;
    db.BatchR[1] = 2;
    ui.state.loadingDbState.SelectedLoadingBatch = 1;
    ui.state.loadingDbState.LoadingSource = 1;
    ui.state.analysisOptions.LoadingType = 2;
  }

  LoadingUi ui;
};

TEST_F(DistributionDiagram, TypedWeibullIsPlacedAtTheRangeExceededWithProbability0002) {
  Type(2, 100, 2);
  RecordingSurface s;
  DrawOnScreen(s);
  const LoadingData& l = ui.state.loadingData;
  EXPECT_NEAR(l.StressRangeTo, 291.842f, 0.0005f);
  EXPECT_NEAR(l.DistQ, 0.342651f, 5e-7f);
  EXPECT_EQ(ui.lf().DTSmaxt(1).ToolTipText(), "P(DS > 291.84 MPa) = 2.0e-4");
  EXPECT_EQ(ui.lf().DT(0).Caption(), "Q = 100.0") << "the scale in stress";
  EXPECT_EQ(ui.lf().DT(1).Caption(), "R = 2.0");
  EXPECT_EQ(ui.lf().DTSmax(1).Caption(), "145.92  MPa") << "the amplitude of Smax";
  EXPECT_EQ(ui.lf().DT(0).ToolTipText(), "f(S)=(R/Q)*(S/Q)^(R-1)*exp[-(S/Q)^R]");
  EXPECT_EQ(ui.lf().frm_Distr.Caption(), "Loading: Weibull Distribution");
  // Each drawing starts again from the typed values.
  DrawOnScreen(s);
  EXPECT_NEAR(l.DistQ, 0.342651f, 5e-7f);
}

TEST_F(DistributionDiagram, TypedLogNormalShowsTheTrapezoidProbability) {
  Type(3, 4, 0.5f);
  RecordingSurface s;
  DrawOnScreen(s);
  const LoadingData& l = ui.state.loadingData;
  EXPECT_EQ(l.StressRangeTo, Sng(std::exp(4 + 0.125 + 1.65)));
  EXPECT_NEAR(l.DistQ, -1.775f, 2e-6f);
  EXPECT_EQ(ui.lf().DTSmaxt(1).ToolTipText(), "P(DS > 322.14 MPa) = 1.82e-4");
  EXPECT_EQ(ui.lf().DT(0).Caption(), "Q = 4.0");
  EXPECT_EQ(l.DistributionName, "Log-norm ");
}

TEST_F(DistributionDiagram, BetaKeepsItsTypedRangeAndPeaksAtTheSameHeight) {
  for (const auto& [q, r] : {std::pair{3.0f, 3.0f}, std::pair{0.5f, 2.0f}, std::pair{8.0f, 1.5f}}) {
    Type(1, q, r);
    ui.state.loadingData.StressRangeTo = 180;
    RecordingSurface s;
    const Plot p = DrawOnScreen(s);
    const LoadingData& l = ui.state.loadingData;
    EXPECT_EQ(l.StressRangeTo, 180.0f);
    EXPECT_EQ(l.DistQ, q);
    EXPECT_EQ(ui.lf().DTSmaxt(1).ToolTipText(), "P(DS > 180. MPa) = " + Format(0.0, "#.0#e+##"));
    const auto lines = RecordedLines(s);
    double top = 0;
    for (const RecordedLine& g : lines) {
      if (g.colour == kPurple) top = std::max(top, g.y2);
    }
    EXPECT_NEAR(top, p.yB + p.H / 1.65, 0.01) << q << " " << r;
    EXPECT_EQ(CountColour(lines, kPurple), 499);
    EXPECT_EQ(CountColour(lines, ui.state.colourSettings.InvalidFieldColour, Surface::kFilledBox), 499)
        << "the area on the screen";
    const float xk = Sng((p.xR - p.xL) / 1.05);
    EXPECT_TRUE(HasSeg(lines, p.xL + xk, p.yB - 50, p.xL + xk, p.yB, 0)) << "the tick at s = 1";
    ExpectUpwardAxis(lines, p.xL, p.yB, p.yT, 0);
    ExpectRightwardAxis(lines, p.xL, p.yB, p.xR, 0);
  }
  EXPECT_EQ(ui.lf().Pic_Distr.MousePointer(), kPointerDefault);
  EXPECT_EQ(ui.lf().Pic_Distr.ToolTipText(), "Right click to change the Distribution Type");
}

TEST_F(DistributionDiagram, OnPaperTheAreaIsNotFilledAndTheCaptionsArePrinted) {
  Type(1, 3, 3);
  RecordingSurface screen;
  DrawOnScreen(screen);
  RecordingSurface page(kPageWidth, 8640, true);
  DrawDistributionDiagram(ui.main, page, 0);
  const Plot p = PlotOf(Sng(kPageWidth / 2.5), Sng(8640 / 2.6));
  const auto lines = RecordedLines(page);
  EXPECT_EQ(CountColour(lines, ui.state.colourSettings.InvalidFieldColour, Surface::kFilledBox), 0);
  EXPECT_EQ(CountColour(lines, kPurple), 499);
  EXPECT_TRUE(Logged(page, "DrawWidth=5"));
  const auto* parameters = FindText(page, "Q = 3.0,    R = 3.0");
  ASSERT_NE(parameters, nullptr) << page.LogText();
  EXPECT_NEAR(parameters->x, p.xM - 550, 0.01);
  EXPECT_NEAR(parameters->y, p.yT - 200, 0.01);
  const auto* smax = FindText(page, ui.lf().DTSmax(1).Caption());
  ASSERT_NE(smax, nullptr);
  EXPECT_NEAR(smax->x, p.xR - ui.lf().DTSmax(1).Width() + 100, 0.01);
  ASSERT_NE(FindText(page, ui.lf().DTrng(1).Caption()), nullptr);
  std::string pdf;
  for (const auto& t : page.texts) pdf += t.text.size() == 1 ? t.text : "";
  EXPECT_EQ(pdf, "PDF");
}

TEST_F(DistributionDiagram, ValueBoxesLieOverTheNumbersOfTheirLabels) {
  ui.state.layoutScales = {1.25f, 1.2f, 1.1f};
  ui.state.loadingData.CyclesPerBlock = 5000;
  ui.state.analysisOptions.MeanStressOption = 1;
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  LoadingFramesPanel& lf = ui.lf();
  EXPECT_TRUE(lf.DT(0).Visible() && lf.DTt(0).Visible() && lf.DT(1).Visible() && lf.DTt(1).Visible());
  EXPECT_FLOAT_EQ(lf.DT(0).Left(), p.xM - 450 * 1.25f);
  EXPECT_FLOAT_EQ(lf.DT(0).Top(), TopOnPicture(lf.Pic_Distr, p.yT - 200 * 1.2f));
  EXPECT_EQ(lf.DTt(0).Top(), lf.DT(0).Top());
  EXPECT_GT(lf.DTt(0).Left(), lf.DT(0).Left());
  EXPECT_LT(lf.DTt(0).Left(), lf.DT(0).Left() + lf.DT(0).Width()) << "the box covers the number";
  EXPECT_EQ(lf.DTt(0).Text(), "3.0");
  EXPECT_EQ(lf.DTt(0).Width(), 600 * 1.25f);
  EXPECT_EQ(lf.DTt(0).BackColor(), ui.state.colourSettings.ColourLoading);
  EXPECT_FLOAT_EQ(lf.DT(1).Left(), p.xM + 670 * 1.25f);
  EXPECT_EQ(lf.DTvolume.Caption(), "n = 5000 cyc");
  EXPECT_EQ(lf.DTvolumet.Text(), "5000");
  EXPECT_EQ(lf.DTvolumet.Width(), 4 * 100 * 1.1f);
  EXPECT_FLOAT_EQ(lf.DTvolume.Left(), lf.DT(1).Left() + lf.DT(1).Width() + 400 * 1.25f);
  EXPECT_FLOAT_EQ(lf.DTSmax(1).Left(), p.xR - 830 * 1.25f);
  EXPECT_FLOAT_EQ(lf.DTSmax(1).Top(), TopOnPicture(lf.Pic_Distr, p.yB - 50 * 1.2f));
  EXPECT_EQ(lf.DTSmaxt(1).Text(), "50.0");
  // A single case with the mean stress neglected: ranges, no mean row, no
  // lower stress.
  EXPECT_EQ(lf.DTrng(1).Caption(), "        STRESS  RANGE     ");
  EXPECT_FLOAT_EQ(lf.DTrng(1).Left(), p.xR - 3330 * 1.25f) << "placed by the font factor ScaleX";
  EXPECT_FALSE(lf.DTrng(0).Visible() || lf.DTSmax(0).Visible() || lf.DTmean.Visible());
  EXPECT_FALSE(lf.SHscal(3).Visible() || lf.load_distr(2).Visible());
}

TEST_F(DistributionDiagram, TypedWeibullOrLogNormalWithoutShapeDrawsOnlyTheAxes) {
  for (const int16_t type : {int16_t{2}, int16_t{3}}) {
    Type(type, 100, 0);
    ui.state.loadingData.StressRangeTo = 250;
    for (const bool paper : {false, true}) {
      RecordingSurface s(kPageWidth, 9000, paper);
      DrawDistributionDiagram(ui.main, s, 0);
      const auto lines = RecordedLines(s);
      EXPECT_EQ(CountColour(lines, kPurple), 0) << type;
      EXPECT_EQ(s.LogText().find("nan"), std::string::npos) << type;
      EXPECT_GE(CountColour(lines, 0), 8) << type;
      EXPECT_EQ(ui.state.loadingData.StressRangeTo, 250.0f) << type;
      EXPECT_EQ(ui.state.loadingData.DistQ, 100.0f) << type;
    }
  }
}

TEST_F(DistributionDiagram, SpectrumViewOfA500LevelBatchLeavesTheDatabaseAsItWas) {
  SelectSpectrumBatch(kLevelMax, 2);
  const LoadingDatabase before = ui.state.loadingDatabase;
  for (const bool paper : {false, true}) {
    RecordingSurface s(kPageWidth, 9000, paper);
    DrawDistributionDiagram(ui.main, s, 1);
    const auto lines = RecordedLines(s);
    EXPECT_EQ(CountColour(lines, kPurple, Surface::kBox), kLevelMax) << paper;
    // The last bar runs from the lowest level down one level width.
    const Plot p = paper ? PlotOf(Sng(kPageWidth / 2.45), Sng(Sng(kPageWidth / 2.45) * 0.7))
                         : PlotOf(ui.lf().Pic_Distr.Width(), ui.lf().Pic_Distr.Height());
    const float xk = Sng((p.xR - p.xL) / 1.05);
    const float w = 150.0f / (kLevelMax - 1);
    const RecordedLine& last = lines[lines.size() - 1 - 8 - 1];
    EXPECT_NEAR(last.x1, p.xL + 50.0f / 200 * xk, 0.01) << paper;
    EXPECT_NEAR(last.x2, p.xL + (50.0f - w) / 200 * xk, 0.01) << paper;
    EXPECT_NEAR(last.y2, p.yB + p.H / 1.65, 0.01) << "the largest cycles reach H / 1.65";
  }
  EXPECT_EQ(ui.state.loadingDatabase.BatchLevelStress, before.BatchLevelStress);
  EXPECT_EQ(ui.state.loadingDatabase.BatchLevelCycles, before.BatchLevelCycles);
  EXPECT_EQ(ui.lf().DTSmaxt(1).ToolTipText(), "");
  EXPECT_EQ(ui.lf().Pic_Distr.MousePointer(), kPointerCross);
  EXPECT_EQ(ui.lf().Pic_Distr.ToolTipText(), "Right click to change the display");
  EXPECT_FALSE(ui.lf().DT(0).Visible());
}

TEST_F(DistributionDiagram, SpectrumViewWithoutAScaleDrawsOnlyTheAxes) {
  struct Case {
    const char* what;
    int levels;
    float cycles;
  };
  for (const Case c : {Case{"no cycles", 5, 0}, Case{"one level", 1, 10}}) {
    SelectSpectrumBatch(c.levels, c.cycles);
    RecordingSurface s;
    DrawOnScreen(s);
    const auto lines = RecordedLines(s);
    EXPECT_EQ(CountColour(lines, kPurple, Surface::kBox), 0) << c.what;
    EXPECT_EQ(s.LogText().find("inf"), std::string::npos) << c.what;
    EXPECT_GE(CountColour(lines, 0), 9) << c.what;
  }
}

// The colours on a preview picture, read pixel by pixel.
std::set<int32_t> ColoursOf(PictureBox& pic) {
  Surface& s = pic.surface();
  s.ScalePixels();
  std::set<int32_t> colours;
  for (int y = 0; y < static_cast<int>(s.ScaleHeight()); ++y) {
    for (int x = 0; x < static_cast<int>(s.ScaleWidth()); ++x) colours.insert(s.Point(x + 0.5, y + 0.5));
  }
  return colours;
}

TEST_F(DistributionDiagram, PreviewIsAGreyAxedCurveWithoutTexts) {
  LoadingDatabase& db = ui.state.loadingDatabase;
  db.BatchQ[3] = 0.4f;
  db.BatchR[3] = 2.5f;
  db.BatchDistType[3] = -1;
  Type(1, 3, 3);
  LoadingDbPanel& browser = ui.main.loadingDb();
  browser.Pic_DistrSh.SetBackColor(0xFFFFFF);
  DrawDistributionPreview(ui.main, 3);
  EXPECT_EQ(browser.Pic_DistrSh.Width(), Sng(browser.frm_DistrSH.Width() * 0.96));
  // Grey axes and the curve; no text (the black start dot lies under the curve).
  std::set<int32_t> colours = ColoursOf(browser.Pic_DistrSh);
  colours.erase(0x000000);
  EXPECT_EQ(colours, (std::set<int32_t>{0x808080, 0xC000C0, 0xFFFFFF}));
  // The preview leaves the batch's parameters in use; the next drawing takes
  // the typed ones again.
  EXPECT_EQ(ui.state.loadingData.DistQ, 0.4f);
  EXPECT_EQ(ui.state.loadingData.DistR, 2.5f);
  RecordingSurface s;
  DrawDistributionDiagram(ui.main, s, 0);
  EXPECT_EQ(ui.state.loadingData.DistQ, 3.0f);
  EXPECT_EQ(ui.state.loadingData.DistR, 3.0f);

  // A batch without a distribution leaves the picture empty.
  DrawDistributionPreview(ui.main, 4);
  EXPECT_EQ(ColoursOf(browser.Pic_DistrSh), std::set<int32_t>{0xFFFFFF});
  EXPECT_EQ(ui.state.loadingData.DistQ, 3.0f);
}

}  // namespace
