#include "loading/diagram_placement.h"

#include "layout/layout_scales.h"
#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"

namespace {

using T = PlacementTerm;

constexpr T Times(T::Basis b, double k) { return {b, false, k}; }
constexpr T Over(T::Basis b, double k) { return {b, true, k}; }
constexpr T kNone{T::kZero, false, 0};

// The rows that every loading diagram shares.
constexpr PlacementRow kScreenRow{Times(T::kFrameWidth, 0.96), Times(T::kFrameHeight, 0.92), kNone, kNone, 1,
                                  FontFactor::kFontScale};
constexpr PlacementRow kPrinter2Row{
    Over(T::kWidth, 2.04), Over(T::kHeight, 2.09), Times(T::kWidth, 0.5051), Over(T::kHeight, 2), 2,
    FontFactor::kFontScale};
constexpr PlacementRow kPrinterTallRow{
    Over(T::kWidth, 2.45), Times(T::kPlotWidth, 0.7), Times(T::kWidth, 0.52), Times(T::kHeight, 0.485), 5,
    FontFactor::kOne};
constexpr PlacementRow kPrinterMiddleRow{
    Over(T::kWidth, 2.5), Over(T::kHeight, 2.6), Times(T::kWidth, 0.51), Over(T::kHeight, 2), 5, FontFactor::kOne};
constexpr PlacementRow kPrinterWideRow{
    Over(T::kPlotHeight, 0.7), Over(T::kHeight, 2.6), Times(T::kWidth, 0.442), Times(T::kHeight, 0.5), 5,
    FontFactor::kOne};

// The history diagram's origin on Printer2 lies a little higher; its curve
// is always one pixel wide.
constexpr PlacementRow kHistoryPrinter2Row{
    Over(T::kWidth, 2.04), Over(T::kHeight, 2.09), Times(T::kWidth, 0.5051), Over(T::kHeight, 2.005), 1,
    FontFactor::kFontScale};
constexpr PlacementRow WithLineWidth(PlacementRow row, int width) {
  row.lineWidth = width;
  return row;
}

// The distribution diagram's fonts follow the horizontal scale on the screen.
constexpr PlacementRow kDistributionScreenRow{
    Times(T::kFrameWidth, 0.96), Times(T::kFrameHeight, 0.92), kNone, kNone, 1, FontFactor::kScaleX};

double Basis(T::Basis b, double width, double height, float fw, float fh, float plotW, float plotH) {
  switch (b) {
    case T::kWidth:
      return width;
    case T::kHeight:
      return height;
    case T::kFrameWidth:
      return fw;
    case T::kFrameHeight:
      return fh;
    case T::kPlotWidth:
      return plotW;
    case T::kPlotHeight:
      return plotH;
    case T::kZero:
      return 0;
  }
  return 0;
}

float Evaluate(const T& t, double width, double height, float fw, float fh, float plotW, float plotH) {
  const double b = Basis(t.basis, width, height, fw, fh, plotW, plotH);
  return Sng(t.divide ? b / t.value : b * t.value);
}

bool Uses(const T& t, T::Basis b) { return t.basis == b; }

float FactorOf(FontFactor f, const LayoutScales& scales) {
  switch (f) {
    case FontFactor::kOne:
      return 1.0f;
    case FontFactor::kFontScale:
      return scales.FontScale;
    case FontFactor::kScaleX:
      return scales.ScaleX;
  }
  return 1.0f;
}

}  // namespace

const PlacementTable kSpectrumPlacement{kScreenRow, kPrinter2Row, kPrinterTallRow, kPrinterMiddleRow, kPrinterWideRow};
const PlacementTable kHistoryPlacement{WithLineWidth(kScreenRow, 1), kHistoryPrinter2Row,
                                       WithLineWidth(kPrinterTallRow, 1), WithLineWidth(kPrinterMiddleRow, 1),
                                       WithLineWidth(kPrinterWideRow, 1)};
const PlacementTable kDistributionPlacement{kDistributionScreenRow, kPrinter2Row, kPrinterTallRow, kPrinterMiddleRow,
                                            kPrinterWideRow};

PageBand PageBandOf(double pageWidth, double pageHeight) {
  if (!(pageWidth > 0)) return PageBand::Tall;
  const float ratio = Sng(pageHeight / pageWidth);
  if (ratio > 0.72f) return PageBand::Tall;
  if (ratio < 0.7f) return PageBand::Wide;
  return PageBand::Middle;
}

DiagramSurface DiagramSurfaceOf(const Surface& surface) {
  if (surface.IsHiddenPicture()) return DiagramSurface::kPrinter2;
  if (!surface.IsPrinter()) return DiagramSurface::kScreen;
  switch (PageBandOf(surface.Width(), surface.Height())) {
    case PageBand::Tall:
      return DiagramSurface::kPrinterTall;
    case PageBand::Middle:
      return DiagramSurface::kPrinterMiddle;
    case PageBand::Wide:
      return DiagramSurface::kPrinterWide;
  }
  return DiagramSurface::kPrinterTall;
}

DiagramPlace PlaceDiagram(const PlacementTable& table, DiagramSurface kind, double width, double height,
                          float frameWidth, float frameHeight, const LayoutScales& scales) {
  const PlacementRow& row = table[static_cast<size_t>(kind)];
  DiagramPlace p{kind, 0, 0, 0, 0, row.lineWidth, FactorOf(row.font, scales)};
  // A side given by the other side is worked out after it.
  if (Uses(row.w, T::kPlotHeight)) {
    p.H = Evaluate(row.h, width, height, frameWidth, frameHeight, 0, 0);
    p.W = Evaluate(row.w, width, height, frameWidth, frameHeight, 0, p.H);
  } else {
    p.W = Evaluate(row.w, width, height, frameWidth, frameHeight, 0, 0);
    p.H = Evaluate(row.h, width, height, frameWidth, frameHeight, p.W, 0);
  }
  p.ox = Evaluate(row.ox, width, height, frameWidth, frameHeight, p.W, p.H);
  p.oy = Evaluate(row.oy, width, height, frameWidth, frameHeight, p.W, p.H);
  return p;
}

PlotFrame PlotFrameOf(float W, float H, double rightFraction) {
  PlotFrame f{};
  f.x0 = Sng(0.1 * W);
  f.x1 = Sng(rightFraction * W);
  f.y0 = Sng(0.15 * H);
  f.y1 = Sng(0.9 * H);
  f.xc = Sng((f.x0 + f.x1) / 2.5);
  return f;
}

void ScaleToDiagram(Surface& surface, double width, double height, const DiagramPlace& place) {
  surface.Scale(0, height, width, 0);
  surface.SetScaleLeft(surface.ScaleLeft() - place.ox);
  surface.SetScaleTop(surface.ScaleTop() - place.oy);
}
