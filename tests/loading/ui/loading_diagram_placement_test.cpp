// Where the three loading diagrams lie on the screen picture, the hidden
// print picture and the printer's pages, and the frame with its title on
// paper.

#include <gtest/gtest.h>

#include <string>

#include "loading/ui/loading_diagram_fixture.h"
#include "loading/ui/loading_services.h"
#include "platform/runtime/sng.h"

namespace {

using DrawFn = void (*)(FormMain&, Surface&, int);

struct Diagram {
  const char* name;
  DrawFn draw;
  int16_t loadingType;
  double printer2Oy;  // Printer2's origin is Height / this above the bottom
  double titleSize;   // title font size before the font factor
  const char* frameName;
  const char* pictureName;
};

const Diagram kDiagrams[] = {
    {"spectrum", DrawSpectrumDiagram, 3, 2, 10, "frm_Spectr", "Pic_Spectr"},
    {"history", DrawHistoryDiagram, 1, 2.005, 10, "frm_Hist", "Pic_Hist"},
    {"distribution", DrawDistributionDiagram, 4, 2, 9, "frm_Distr", "Pic_Distr"},
};

struct Place {
  float W, H, ox, oy, f;
};

Place PrinterPlace(double width, double height) {
  const float r = Sng(height / width);
  if (r > 0.72f) {
    const float W = Sng(width / 2.45);
    return {W, Sng(W * 0.7), Sng(width * 0.52), Sng(height * 0.485), 1};
  }
  if (r >= 0.7f) return {Sng(width / 2.5), Sng(height / 2.6), Sng(width * 0.51), Sng(height / 2), 1};
  const float H = Sng(height / 2.6);
  return {Sng(H / 0.7), H, Sng(width * 0.442), Sng(height * 0.5), 1};
}

class LoadingDiagramPlacement : public ::testing::Test {
 protected:
  LoadingDiagramPlacement() {
    ui.state.layoutScales = {1.25f, 1.2f, 1.1f};
    ui.state.loadingDatabase.BatchPointCount[0] = 0;
  }

  // The scale set up for a diagram at `p` on a surface of width x height.
  static void ExpectScale(const RecordingSurface& s, double width, double height, const Place& p, const char* what) {
    EXPECT_TRUE(Logged(s, "Scale 0," + ShortNumber(height) + "-" + ShortNumber(width) + ",0")) << what << s.LogText();
    EXPECT_TRUE(Logged(s, "ScaleLeft=" + ShortNumber(0.0 - p.ox))) << what;
    EXPECT_TRUE(Logged(s, "ScaleTop=" + ShortNumber(height - p.oy))) << what;
  }

  // The black frame of the diagram area, and its title printed twice in bold
  // italic over a white gap.
  void ExpectPaperFrame(const RecordingSurface& s, const Diagram& d, const Place& p, const char* what) {
    const auto lines = RecordedLines(s);
    EXPECT_TRUE(HasSeg(lines, 0, 0, p.W, p.H, 0, Surface::kBox)) << what;
    const std::string title = ui.main.frame(d.frameName).Caption();
    int printed = 0;
    for (const auto& t : s.texts) {
      if (t.text != title) continue;
      ++printed;
      EXPECT_TRUE(t.bold && t.italic) << what;
      EXPECT_EQ(t.fontName, "Arial") << what;
      EXPECT_NEAR(t.fontSize, d.titleSize * p.f, 1e-4) << what;
      EXPECT_NEAR(t.x, Sng(0.1 * p.W) - 300 * p.f, 0.01) << what;
      EXPECT_NEAR(t.y, p.H + 100, 0.01) << what;
    }
    EXPECT_EQ(printed, 2) << what;
    EXPECT_EQ(CountColour(lines, 0xFFFFFF), 1) << what << ": the gap behind the title";
  }

  LoadingUi ui;
};

TEST_F(LoadingDiagramPlacement, ScreenPictureFillsItsFrameInTheUpperRightQuarter) {
  for (const Diagram& d : kDiagrams) {
    ui.state.analysisOptions.LoadingType = d.loadingType;
    RecordingSurface s;
    d.draw(ui.main, s, 0);
    const Frame& frame = ui.main.frame(d.frameName);
    const PictureBox& pic = ui.main.picture(d.pictureName);
    EXPECT_EQ(frame.Left(), ui.main.ScaleWidth() / 2) << d.name;
    EXPECT_EQ(frame.Top(), 10) << d.name;
    EXPECT_EQ(frame.Width(), ui.FrameWidth()) << d.name;
    EXPECT_EQ(frame.Height(), ui.FrameHeight()) << d.name;
    const Place p{Sng(frame.Width() * 0.96), Sng(frame.Height() * 0.92), 0, 0, 1};
    EXPECT_EQ(pic.Width(), p.W) << d.name;
    EXPECT_EQ(pic.Height(), p.H) << d.name;
    EXPECT_EQ(pic.Left(), Sng(frame.Width() * 0.02)) << d.name;
    EXPECT_EQ(pic.Top(), Sng(frame.Height() * 0.07 / 1.2f)) << d.name;
    ExpectScale(s, p.W, p.H, p, d.name);
    EXPECT_EQ(s.log.front(), "FontName=Arial") << d.name;
    EXPECT_TRUE(Logged(s, "Cls")) << d.name;
    EXPECT_EQ(CountColour(RecordedLines(s), 0, Surface::kBox), 0) << d.name << ": no frame on the screen";
  }
}

TEST_F(LoadingDiagramPlacement, HiddenPictureHoldsTheDiagramRightOfItsMiddle) {
  for (const Diagram& d : kDiagrams) {
    ui.state.analysisOptions.LoadingType = d.loadingType;
    RecordingSurface s(9000, 6750, false, true);
    d.draw(ui.main, s, 0);
    const Place p{Sng(9000 / 2.04), Sng(6750 / 2.09), Sng(9000 * 0.5051), Sng(6750 / d.printer2Oy), 1.1f};
    ExpectScale(s, 9000, 6750, p, d.name);
    ExpectPaperFrame(s, d, p, d.name);
    EXPECT_FALSE(Logged(s, "Cls")) << d.name << ": several diagrams share one picture";
  }
}

TEST_F(LoadingDiagramPlacement, PrinterPagesInThreeBandsOfTheirRatio) {
  for (const Diagram& d : kDiagrams) {
    ui.state.analysisOptions.LoadingType = d.loadingType;
    for (const double height : kPageHeights) {
      RecordingSurface s(kPageWidth, height, true);
      d.draw(ui.main, s, 0);
      const Place p = PrinterPlace(kPageWidth, height);
      const std::string what = std::string(d.name) + " page " + ShortNumber(height);
      ExpectScale(s, kPageWidth, height, p, what.c_str());
      ExpectPaperFrame(s, d, p, what.c_str());
      EXPECT_FALSE(Logged(s, "Cls")) << what;
    }
  }
}

}  // namespace
