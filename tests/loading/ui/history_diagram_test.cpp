// The history diagram: scaled extremes, the curve through the decimation,
// the labels on the picture, paper captions and the cases without a scale;
// the history preview.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_diagram_fixture.h"
#include "loading/ui/loading_services.h"
#include "platform/host.h"
#include "platform/runtime/sng.h"

namespace {

constexpr int32_t kCurve = 0xC000C0;

struct Plot {
  float W, H, X0, Xr, Yb, Yt;
};

Plot PlotOf(float W, float H) { return {W, H, Sng(0.1 * W), Sng(0.95 * W), Sng(0.15 * H), Sng(0.9 * H)}; }

class HistoryDiagram : public ::testing::Test {
 protected:
  // Batch 2 holds a history of the given points, selected.
  void SelectHistory(const std::vector<float>& points) {
    LoadingData& l = ui.state.loadingData;
    l.HistoryPoints.assign(points.size() + 2, 0.0f);
    float hi = points.front(), lo = points.front();
    for (size_t j = 0; j < points.size(); ++j) {
      l.HistoryPoints[j + 1] = points[j];
      hi = std::max(hi, points[j]);
      lo = std::min(lo, points[j]);
    }
    LoadingDatabase& db = ui.state.loadingDatabase;
    db.BatchPointCount[2] = static_cast<int32_t>(points.size());
    db.BatchHistoryMax[2] = hi;
    db.BatchHistoryMin[2] = lo;
    ui.state.loadingDbState.SelectedLoadingBatch = 2;
    ui.state.analysisOptions.LoadingType = 1;
  }

  // A screen drawing on a recording surface the size the picture takes.
  Plot DrawOnScreen(RecordingSurface& s) {
    const float W = Sng(ui.FrameWidth() * 0.96), H = Sng(ui.FrameHeight() * 0.92);
    s.Resize(W, H);
    DrawHistoryDiagram(ui.main, s, ui.state.loadingDbState.SelectedLoadingBatch);
    return PlotOf(W, H);
  }

  LoadingUi ui;
};

TEST_F(HistoryDiagram, NegativeScalingFactorDrawsTheHistoryUpsideDown) {
  SelectHistory({10, -20, 30, 0, 40});
  LoadingData& l = ui.state.loadingData;
  l.ScalingFactor = -1;
  l.HistMaxCaption = "before";
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  EXPECT_EQ(l.LoadSmax, 20.0f);
  EXPECT_EQ(l.LoadSmin, -40.0f);
  EXPECT_EQ(ui.lf().SHSmax.Caption(), "Smax = 20.0 MPa,  Smin = -40.0 MPa");
  EXPECT_EQ(l.HistMaxCaption, "Smax = 40.0 MPa,  Smin = -20.0 MPa") << "the history unscaled";
  // 5 points over a wide picture: a polyline; the highest point drawn is
  // point 2 (-20 x -1) at 0.81 H, the lowest point 5 at 0.185 H.
  const auto lines = RecordedLines(s);
  ASSERT_EQ(CountColour(lines, kCurve), 4) << s.LogText();
  const float ky = Sng(p.H / 60.0f / 1.6);
  const float yz = Sng(0.9 * p.Yt - 20 * ky);
  EXPECT_NEAR(lines[lines.size() - 6].y2, yz + 20 * ky, 0.01) << "point 2";
  EXPECT_NEAR(yz + 20 * ky, 0.81 * p.H, 0.05);
  EXPECT_NEAR(yz - 40 * ky, 0.185 * p.H, 0.05);
  ExpectUpwardAxis(lines, p.X0, p.Yb - 20, p.Yt, 0);
  ExpectRightwardAxis(lines, p.X0, yz, p.Xr, 0);
  // The screen's end of the point axis runs up to the zero line.
  const float end = Sng(p.Xr / 1.045);
  EXPECT_TRUE(HasSeg(lines, end, p.Yb - 20, end, yz, 0));

  l.ScalingFactor = 1;
  DrawOnScreen(s);
  EXPECT_EQ(l.HistMaxCaption, "Smax = 40.0 MPa,  Smin = -20.0 MPa");
  EXPECT_EQ(ui.state.shellState.CaptionBuf, l.HistMaxCaption);
}

TEST_F(HistoryDiagram, AHistoryAboveZeroStartsItsRangeAtZero) {
  SelectHistory({10, 50, 20});
  RecordingSurface s;
  const Plot p = DrawOnScreen(s);
  const float ky = Sng(p.H / 50.0f / 1.6);
  const float yz = Sng(0.9 * p.Yt - 50 * ky);
  EXPECT_NEAR(yz, 0.185 * p.H, 0.05);
  EXPECT_TRUE(Logged(s, "PSet " + ShortNumber(p.X0) + "," + ShortNumber(10 * ky + yz) + " c=0")) << s.LogText();
  // Texts: the quantity down the axis, "1", "POINTS" and the count.
  EXPECT_EQ(PrintedTexts(s), (std::vector<std::string>{"S", "T", "R", "E", "S", "S", "1", "POINTS", " 3 "}));
  const float kx = Sng((p.Xr - p.X0) / 2.0 / 1.05);
  EXPECT_NEAR(FindText(s, " 3 ")->x, p.X0 + kx * 2 - 50 * 2, 0.01);
}

TEST_F(HistoryDiagram, ScreenLabelsFollowTheAnalysis) {
  SelectHistory({10, -20, 30});
  LoadingData& l = ui.state.loadingData;
  l.ScalingFactorMax = 2;
  l.ScalingFactorMin = 0.5f;
  ui.state.layoutScales = {1.25f, 1.2f, 1.1f};
  LoadingFramesPanel& lf = ui.lf();
  RecordingSurface s;

  // Single case: only the extremes.
  Plot p = DrawOnScreen(s);
  const float xc = Sng((p.X0 + p.Xr) / 2.5);
  EXPECT_TRUE(lf.SHSmax.Visible());
  EXPECT_FLOAT_EQ(lf.SHSmax.Left(), xc - 1050 * 1.25f);
  EXPECT_FLOAT_EQ(lf.SHSmax.Top(), TopOnPicture(lf.Pic_Hist, p.Yt + 50 * 1.2f));
  EXPECT_FALSE(lf.SHscal(0).Visible() || lf.SHscalt(0).Visible() || lf.load_distr(0).Visible());

  // A master curve over the load level: both rows with their boxes.
  ui.state.analysisOptions.AnalysisMode = 2;
  ui.state.analysisOptions.MasterCurveParameter = 1;
  p = DrawOnScreen(s);
  for (int i = 0; i <= 1; ++i) EXPECT_TRUE(lf.SHscal(i).Visible() && lf.SHscalt(i).Visible()) << i;
  EXPECT_EQ(lf.SHscal(0).Caption(), "  Max. Scaling Factor = 2.0");
  EXPECT_EQ(lf.SHscalt(0).Text(), "2.0");
  EXPECT_EQ(lf.SHscal(1).Caption(), "  Min.  Scaling Factor = 0.5");
  EXPECT_FLOAT_EQ(lf.SHscal(1).Top(), TopOnPicture(lf.Pic_Hist, p.Yt - 380 * 1.2f));
  EXPECT_FLOAT_EQ(lf.SHscalt(0).Top(), TopOnPicture(lf.Pic_Hist, p.Yt - 150 * 1.2f));
  EXPECT_GT(lf.SHscalt(0).Left(), lf.SHscal(0).Left());

  // Probabilistic: the factor 1 with the random-variable tag after its box.
  ui.state.analysisOptions.AnalysisMode = 1;
  ui.state.analysisOptions.AnalysisKind = 2;
  DrawOnScreen(s);
  EXPECT_TRUE(lf.SHscal(0).Visible() && lf.load_distr(0).Visible());
  EXPECT_FALSE(lf.SHscalt(0).Visible());
  EXPECT_EQ(lf.SHscal(0).Caption(), "Scaling Factor  k = 1.0");
  EXPECT_EQ(lf.SHscalt(0).Text(), "1.0");
  EXPECT_EQ(lf.load_distr(0).Left(), lf.SHscalt(0).Left() + lf.SHscalt(0).Width());
  EXPECT_EQ(ui.host.pointerHistory.back(), kPointerDefault);
  EXPECT_GE(ui.host.doEventsCalls, 3) << "pending events run before every screen drawing";
}

TEST_F(HistoryDiagram, PaperPrintsThePointAxisAndTheCaptions) {
  SelectHistory({10, -20, 30});
  ui.state.analysisOptions.AnalysisKind = 2;
  RecordingSurface screen;
  DrawOnScreen(screen);
  ui.lf().load_distr(0).SetCaption("{N 5%}");
  RecordingSurface page(kPageWidth, 8400, true);
  DrawHistoryDiagram(ui.main, page, 2);
  const float W = Sng(kPageWidth / 2.5), H = Sng(8400 / 2.6);
  const Plot p = PlotOf(W, H);
  const auto lines = RecordedLines(page);
  const float end = Sng(p.Xr / 1.045);
  EXPECT_TRUE(HasSeg(lines, p.X0, p.Yb, end, p.Yb, 0));
  EXPECT_TRUE(HasSeg(lines, end, p.Yb - 20, end, p.Yb, 0)) << "a 20-twip end tick on paper";
  const float xc = Sng((p.X0 + p.Xr) / 2.5);
  const auto* extremes = FindText(page, "Smax = 30.0 MPa,  Smin = -20.0 MPa");
  ASSERT_NE(extremes, nullptr) << page.LogText();
  EXPECT_NEAR(extremes->x, xc - 850, 0.01);
  EXPECT_NEAR(extremes->y, p.Yt + 50, 0.01);
  ASSERT_NE(FindText(page, "Scaling Factor  k = 1.0  {N 5%}"), nullptr);
  EXPECT_FALSE(Logged(page, "DrawWidth=5")) << "the history curve is always one pixel wide";
}

TEST_F(HistoryDiagram, EmptyRangeOrOnePointDrawsOnlyTheAxes) {
  struct Case {
    const char* what;
    std::vector<float> points;
    int batch;
  };
  for (const Case& c :
       {Case{"flat zero history", {0, 0, 0, 0}, 2}, Case{"one point", {25}, 2}, Case{"no batch", {5, 7}, 0}}) {
    SelectHistory(c.points);
    ui.state.loadingDbState.SelectedLoadingBatch = static_cast<int16_t>(c.batch);
    for (const bool paper : {false, true}) {
      RecordingSurface s(kPageWidth, 9000, paper);
      if (paper) {
        DrawHistoryDiagram(ui.main, s, c.batch);
      } else {
        DrawOnScreen(s);
      }
      const auto lines = RecordedLines(s);
      EXPECT_EQ(CountColour(lines, kCurve), 0) << c.what;
      EXPECT_EQ(s.LogText().find("PSet"), std::string::npos) << c.what;
      EXPECT_GE(CountColour(lines, 0), 8) << c.what << ": the axes with their arrowheads";
      EXPECT_EQ(s.LogText().find("nan"), std::string::npos) << c.what;
      EXPECT_EQ(s.LogText().find("inf"), std::string::npos) << c.what;
    }
  }
}

TEST_F(HistoryDiagram, PreviewPlotsTheBrowsedHistoryUnscaledInGrey) {
  SelectHistory({10, -20, 30, 5});
  ui.state.loadingData.ScalingFactor = 3;
  ui.state.loadingData.LoadSmax = 111;
  LoadingDbPanel& browser = ui.main.loadingDb();
  browser.frm_HistSH.SetWidth(4500);
  browser.frm_HistSH.SetHeight(3000);
  DrawHistoryPreview(ui.main, 2, ui.state.loadingData.HistoryPoints);
  EXPECT_EQ(browser.Pic_HistSH.Width(), Sng(4500 * 0.96));
  EXPECT_EQ(browser.Pic_HistSH.Height(), Sng(3000 * 0.9));
  EXPECT_EQ(ui.state.loadingData.LoadSmax, 111.0f) << "the preview leaves the loading alone";
  const Surface& s = browser.Pic_HistSH.surface();
  const float W = browser.Pic_HistSH.Width(), H = browser.Pic_HistSH.Height();
  const float ky = Sng(H / 50.0f / 1.6);
  const float yz = Sng(0.9 * Sng(0.9 * H) - 30 * ky);
  // The grey stress axis, and the curve's top at point 3 (30, unscaled).
  EXPECT_EQ(s.Point(Sng(0.1 * W), Sng(0.5 * H)), 0x808080);
  const float kx = Sng((Sng(0.95 * W) - Sng(0.1 * W)) / 3.0 / 1.05);
  bool peak = false;
  for (int dx = -2; dx <= 2; ++dx) {
    for (int dy = -2; dy <= 2; ++dy)
      peak = peak || s.Point(Sng(0.1 * W) + 2 * kx + 15 * dx, yz + 30 * ky + 15 * dy) == 0xC000C0;
  }
  EXPECT_TRUE(peak) << "the curve passes point 3";
  EXPECT_EQ(ui.host.pointerHistory.back(), kPointerDefault);
}

TEST_F(HistoryDiagram, PreviewOfOnePointShowsTheAxesOnly) {
  SelectHistory({25});
  LoadingDbPanel& browser = ui.main.loadingDb();
  DrawHistoryPreview(ui.main, 2, ui.state.loadingData.HistoryPoints);
  const Surface& s = browser.Pic_HistSH.surface();
  const float W = browser.Pic_HistSH.Width(), H = browser.Pic_HistSH.Height();
  EXPECT_EQ(s.Point(Sng(0.1 * W), Sng(0.5 * H)), 0x808080);
  for (float x = Sng(0.1 * W) + 60; x < W; x += 15) {
    for (float y = 15; y < H; y += 15) ASSERT_NE(s.Point(x, y), 0xC000C0) << x << "," << y;
  }
}

}  // namespace
