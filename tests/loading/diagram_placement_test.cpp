#include "loading/diagram_placement.h"

#include <gtest/gtest.h>

#include "layout/layout_scales.h"
#include "loading/loading_records.h"
#include "loading/stress_pair.h"
#include "platform/runtime/sng.h"
#include "support/recording_surface.h"

namespace {

TEST(DiagramSurfaceOf, PrinterBandsCompareTheRatioInSinglePrecision) {
  struct Case {
    double height;
    DiagramSurface kind;
  };
  // Pages 12000 twips wide: ratios 0.75, 0.72, 0.70, 0.6.
  for (const Case c : {Case{9000, DiagramSurface::kPrinterTall}, Case{8640, DiagramSurface::kPrinterMiddle},
                       Case{8400, DiagramSurface::kPrinterMiddle}, Case{7200, DiagramSurface::kPrinterWide}}) {
    RecordingSurface page(12000, c.height, true);
    EXPECT_EQ(DiagramSurfaceOf(page), c.kind) << c.height;
  }
  EXPECT_EQ(DiagramSurfaceOf(RecordingSurface(0, 9000, true)), DiagramSurface::kPrinterTall) << "no page width";
  EXPECT_EQ(DiagramSurfaceOf(RecordingSurface(6000, 4000, false, true)), DiagramSurface::kPrinter2);
  EXPECT_EQ(DiagramSurfaceOf(RecordingSurface(6000, 4000)), DiagramSurface::kScreen);
}

struct Expected {
  float W, H, ox, oy;
  int line;
  float f;
};

void ExpectPlace(const DiagramPlace& p, const Expected& e, const char* what) {
  EXPECT_EQ(p.W, e.W) << what;
  EXPECT_EQ(p.H, e.H) << what;
  EXPECT_EQ(p.ox, e.ox) << what;
  EXPECT_EQ(p.oy, e.oy) << what;
  EXPECT_EQ(p.lineWidth, e.line) << what;
  EXPECT_EQ(p.f, e.f) << what;
}

TEST(PlaceDiagram, RowsOfTheThreeTables) {
  const LayoutScales sc{1.25f, 1.5f, 1.125f};
  const double w = 12000, h = 9000;
  const float fw = 5000, fh = 4000;
  using D = DiagramSurface;
  const Expected screen{Sng(fw * 0.96), Sng(fh * 0.92), 0, 0, 1, sc.FontScale};
  const Expected printer2{Sng(w / 2.04), Sng(h / 2.09), Sng(w * 0.5051), Sng(h / 2), 2, sc.FontScale};
  const float tallW = Sng(w / 2.45);
  const Expected tall{tallW, Sng(tallW * 0.7), Sng(w * 0.52), Sng(h * 0.485), 5, 1};
  const Expected middle{Sng(w / 2.5), Sng(h / 2.6), Sng(w * 0.51), Sng(h / 2), 5, 1};
  const float wideH = Sng(h / 2.6);
  const Expected wide{Sng(wideH / 0.7), wideH, Sng(w * 0.442), Sng(h * 0.5), 5, 1};

  ExpectPlace(PlaceDiagram(kSpectrumPlacement, D::kScreen, w, h, fw, fh, sc), screen, "spectrum screen");
  ExpectPlace(PlaceDiagram(kSpectrumPlacement, D::kPrinter2, w, h, fw, fh, sc), printer2, "spectrum Printer2");
  ExpectPlace(PlaceDiagram(kSpectrumPlacement, D::kPrinterTall, w, h, fw, fh, sc), tall, "tall");
  ExpectPlace(PlaceDiagram(kSpectrumPlacement, D::kPrinterMiddle, w, h, fw, fh, sc), middle, "middle");
  ExpectPlace(PlaceDiagram(kSpectrumPlacement, D::kPrinterWide, w, h, fw, fh, sc), wide, "wide");
  ExpectPlace(PlaceDiagram(kDistributionPlacement, D::kPrinterWide, w, h, fw, fh, sc), wide, "distribution wide");

  // The history's origin on Printer2 is a little higher, its curve always thin.
  Expected historyPrinter2 = printer2;
  historyPrinter2.oy = Sng(h / 2.005);
  historyPrinter2.line = 1;
  ExpectPlace(PlaceDiagram(kHistoryPlacement, D::kPrinter2, w, h, fw, fh, sc), historyPrinter2, "history Printer2");
  Expected historyTall = tall;
  historyTall.line = 1;
  ExpectPlace(PlaceDiagram(kHistoryPlacement, D::kPrinterTall, w, h, fw, fh, sc), historyTall, "history tall");
  // The distribution's fonts follow ScaleX on the screen.
  Expected distributionScreen = screen;
  distributionScreen.f = sc.ScaleX;
  ExpectPlace(PlaceDiagram(kDistributionPlacement, D::kScreen, w, h, fw, fh, sc), distributionScreen,
              "distribution screen");
}

TEST(ScaleToDiagram, YUpwardWithTheOriginAtTheDiagramCorner) {
  RecordingSurface s(12000, 9000, true);
  ScaleToDiagram(s, 12000, 9000, DiagramPlace{DiagramSurface::kPrinterTall, 0, 0, 6240, 4365, 5, 1});
  EXPECT_EQ(s.LogText(), "Scale 0,9000-12000,0\nScaleLeft=-6240\nScaleTop=4635\n");
}

TEST(DeriveTypedStressPair, RangeAndMinimumOrAmplitudeAndMean) {
  struct Case {
    int16_t mode;
    float range, minOrMean, smax, smin;
  };
  for (const Case c : {Case{2, 100, 20, 70, -30}, Case{1, 100, 20, 120, 20}, Case{1, -40, 30, 30, -10}}) {
    LoadingData l;
    l.StressInputMode = c.mode;
    l.StressRangeTo = c.range;
    l.StressMinOrMeanInput = c.minOrMean;
    DeriveTypedStressPair(l);
    EXPECT_EQ(l.SpectrumSmax, c.smax) << c.mode << " " << c.range;
    EXPECT_EQ(l.SpectrumSmin, c.smin) << c.mode << " " << c.range;
  }
}

}  // namespace
