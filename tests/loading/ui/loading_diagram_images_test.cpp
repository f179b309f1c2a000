// The loading diagrams as rendered images: the spectrum's bars on the screen
// picture and, saved as a bitmap, on the hidden print picture; ten million
// history points on the history picture; the spectrum preview.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <random>
#include <vector>

#include "loading/ui/loading_db_panel.h"
#include "loading/ui/loading_diagram_fixture.h"
#include "loading/ui/loading_services.h"
#include "platform/draw/hidden_picture.h"
#include "platform/qt/colour_conversion.h"
#include "platform/runtime/sng.h"
#include "support/scoped_folder.h"

namespace {

// How many pixels of `colour` a row of the image holds between x0 and x1.
int CountInRow(const QImage& image, int y, int x0, int x1, int32_t colour) {
  int n = 0;
  for (int x = x0; x <= x1; ++x) n += BgrFromColour(image.pixelColor(x, y)) == colour;
  return n;
}

TEST(LoadingDiagramImages, SpectrumBarsAreFilledOnTheScreenAndOutlinedInTheBitmap) {
  LoadingUi ui;
  ScopedTempFolder folder("loading_diagram_images");
  const int32_t fill = ui.state.colourSettings.InvalidFieldColour;

  // The screen picture: a point inside the bar reads the fill colour.
  Surface& screen = ui.lf().Pic_Spectr.surface();
  DrawSpectrumDiagram(ui.main, screen, 0);
  const PictureBox& pic = ui.lf().Pic_Spectr;
  const float W = pic.Width(), H = pic.Height();
  const float x0 = Sng(0.1 * W), x1 = Sng(0.9 * W), y0 = Sng(0.15 * H);
  EXPECT_EQ(screen.Point(x0 + (x1 - x0) / 30 / 1.05 * 0.5, y0 + 45), fill) << "between the first tooth and the axis";

  // The hidden print picture: the same diagram, saved and read back, has
  // only the outline.
  HiddenPicture& printer2 = ui.main.Printer2();
  printer2.SetWidth(12000);
  printer2.SetHeight(9000);
  printer2.Cls();
  DrawSpectrumDiagram(ui.main, printer2, 0);
  const std::string file = (folder.path() / "spectrum.bmp").string();
  ASSERT_TRUE(printer2.SaveBitmap(file).ok);
  QImage back;
  ASSERT_TRUE(back.load(QString::fromStdString(file)));
  ASSERT_EQ(back.width(), 800);
  const float pw = Sng(12000 / 2.04), ph = Sng(9000 / 2.09);
  const float ox = Sng(12000 * 0.5051), oy = Sng(9000 / 2.0);
  // Device pixels of diagram points: 15 twips a pixel, y from the top.
  auto px = [&](double x) { return static_cast<int>((x + ox) / 15); };
  auto py = [&](double y) { return static_cast<int>((9000 - oy - y) / 15); };
  const float bx0 = Sng(0.1 * pw), bx1 = Sng(0.9 * pw), by0 = Sng(0.15 * ph), by1 = Sng(0.9 * ph);
  const double bEnd = bx0 + (bx1 - bx0) / 1.05;
  const int row = py(by0 + (by1 - by0) / 1.22 / 2);
  EXPECT_EQ(CountInRow(back, row, px(bx0) + 2, px(bEnd) - 2, fill), 0) << "no fill on paper";
  EXPECT_GT(CountInRow(back, row, px(bx0) + 2, px(bEnd) - 2, 0x800080), 10) << "the saw-tooth crosses the row";
  EXPECT_GT(CountInRow(back, row, px(bEnd) - 2, px(bEnd) + 2, 0x800080), 0) << "the bar's right edge";
}

TEST(LoadingDiagramImages, TenMillionHistoryPointsShowTheirExtremes) {
  LoadingUi ui;
  constexpr int32_t n = 10'000'000;
  LoadingData& l = ui.state.loadingData;
  l.HistoryPoints.assign(static_cast<size_t>(n) + 2, 0.0f);
  std::mt19937 rng(16);
  std::normal_distribution<float> step(0.0f, 5.0f);
  float x = 0, hi = 0, lo = 0;
  for (int32_t j = 1; j <= n; ++j) {
    x += step(rng);
    if (x > 400 || x < -300) x = 0;
    l.HistoryPoints[static_cast<size_t>(j)] = x;
    hi = std::max(hi, x);
    lo = std::min(lo, x);
  }
  LoadingDatabase& db = ui.state.loadingDatabase;
  db.BatchPointCount[1] = n;
  db.BatchHistoryMax[1] = hi;
  db.BatchHistoryMin[1] = lo;
  ui.state.loadingDbState.SelectedLoadingBatch = 1;
  ui.state.analysisOptions.LoadingType = 1;

  PictureBox& pic = ui.lf().Pic_Hist;
  Surface& s = pic.surface();
  DrawHistoryDiagram(ui.main, s, 1);
  const float H = pic.Height();
  // The maximum lies at 0.81 H and the minimum at 0.185 H of the diagram.
  const int top = static_cast<int>(std::floor(s.ScaleYToPixels(0.81 * H - s.ScaleTop())));
  const int bottom = static_cast<int>(std::floor(s.ScaleYToPixels(0.185 * H - s.ScaleTop())));
  s.ScalePixels();
  int firstRow = -1, lastRow = -1;
  for (int y = 0; y < static_cast<int>(s.ScaleHeight()); ++y) {
    for (int xp = 0; xp < static_cast<int>(s.ScaleWidth()); ++xp) {
      if (s.Point(xp + 0.5, y + 0.5) != 0xC000C0) continue;
      if (firstRow < 0) firstRow = y;
      lastRow = y;
      break;
    }
  }
  EXPECT_NEAR(firstRow, top, 1) << "the curve reaches the maximum";
  EXPECT_NEAR(lastRow, bottom, 1) << "and the minimum";
}

TEST(LoadingDiagramImages, SpectrumPreviewIsAStaircaseOnGreyAxes) {
  LoadingUi ui;
  LoadingDatabase& db = ui.state.loadingDatabase;
  LoadingDbPanel& browser = ui.main.loadingDb();
  Surface& s = browser.Pic_SpectrSH.surface();
  browser.Pic_SpectrSH.SetBackColor(0xFFFFFF);
  s.Line(0, 0, 300, 300, 0x0000FF, Surface::kFilledBox);
  // A batch without levels: nothing is done, not even a clearing.
  DrawSpectrumPreview(ui.main, 2);
  EXPECT_EQ(s.Point(100, 100), 0x0000FF);

  db.BatchLevelCount[2] = 3;
  db.BatchUpper[2] = 200;
  db.BatchBlockCycles[2] = 100;
  const float stress[] = {200, 120, 60}, cycles[] = {10, 30, 60};
  for (int k = 1; k <= 3; ++k) {
    db.BatchLevelStress[2][k] = stress[k - 1];
    db.BatchLevelCycles[2][k] = cycles[k - 1];
  }
  DrawSpectrumPreview(ui.main, 2);
  const float W = browser.Pic_SpectrSH.Width(), H = browser.Pic_SpectrSH.Height();
  EXPECT_EQ(W, Sng(browser.frm_SpectrSH.Width() * 0.96));
  const float x0 = Sng(0.1 * W), x1 = Sng(0.9 * W), y0 = Sng(0.15 * H), y1 = Sng(0.9 * H);
  const float ys = Sng((y1 - y0) / 200.0f / 1.25), xs = Sng((x1 - x0) / 100.0 / 1.05);
  EXPECT_EQ(s.Point(x0, (y0 + y1) / 2), 0x808080) << "the grey stress axis";
  // The top of the second level, halfway along it.
  bool step = false;
  for (int d = -2; d <= 2; ++d) step = step || s.Point(x0 + xs * 25, 120 * ys + y0 + 15 * d) == 0xC000C0;
  EXPECT_TRUE(step);
  EXPECT_EQ(s.Point(x0 + xs * 25, 60 * ys + y0), 0xFFFFFF) << "no fill";
}

}  // namespace
