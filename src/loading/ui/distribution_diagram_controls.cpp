// The labels and value boxes lying on the distribution diagram: Q, R, the
// block volume, Smax, the mean or minimum stress, the lower master-curve
// stress, the axis captions and the batch's and the scaling factor's tags,
// placed at points of the diagram at every screen drawing. Their input
// handlers belong to the loading frames' panel.

#include <cmath>
#include <string>

#include "loading/distribution_shape.h"
#include "loading/ui/distribution_diagram.h"
#include "loading/stress_entries.h"
#include "loading/ui/loading_diagram_parts.h"
#include "loading/ui/loading_frames_panel.h"
#include "platform/draw/surface.h"
#include "platform/host.h"
#include "platform/runtime/format.h"
#include "platform/runtime/number_text.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

constexpr const char* kParameterMask = "##0.0##";

constexpr const char* kDensityFormula[] = {
    "f(S)=S^(Q-1)*(1-S)^(R-1)",
    "f(S)=(R/Q)*(S/Q)^(R-1)*exp[-(S/Q)^R]",
    "f(S)=1/(S*R)/(2pi)^0.5*exp{-0.5[(lnS-Q)/R]^2}",
};

int TypeIndex(int distributionType) { return distributionType == 1 ? 0 : distributionType == 2 ? 1 : 2; }

float RightEdge(const Control& c) { return c.Left() + c.Width(); }

// Q as the user reads it: Beta's exponent as it is, a Weibull's scale and a
// log-normal's mean of the logarithm in display units of stress.
float ShownQ(const ProgramState& s) {
  const LoadingData& l = s.loadingData;
  const float smax = l.StressRangeTo * s.loadingUnits.LoadUnitFactor;
  switch (TypeIndex(l.DistributionType)) {
    case 0:
      return l.DistQ;
    case 1:
      return l.DistQ * smax;
    default:
      return smax > 0 ? static_cast<float>(l.DistQ + std::log(smax)) : l.DistQ;
  }
}

// A parameter row: "Q = " or "R = " with its box right after it, then the
// value appended to the label.
void FillParameterRow(FormMain& main, const PictureSpot& spot, int index, float x, float y, float value) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  Label& label = lf.DT(index);
  TextBox& box = lf.DTt(index);
  const std::string name = index == 0 ? "Q = " : "R = ";
  label.SetLeft(spot.Left(x));
  label.SetTop(spot.Top(y));
  label.SetCaption(name);
  box.SetLeft(RightEdge(label));
  box.SetTop(label.Top());
  box.SetBackColor(s.colourSettings.ColourLoading);
  box.SetWidth(600 * s.layoutScales.ScaleX);
  const std::string text = Format(value, kParameterMask);
  box.SetText(text);
  SetTip(label, kDensityFormula[TypeIndex(s.loadingData.DistributionType)], s);
  label.SetCaption(name + text);
}

// A stress row at the s axis, its box in the pictures' colour.
void FillStressRow(FormMain& main, const PictureSpot& spot, int index, float x, float y, float range) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const float v = ShownStressRange(s, range);
  FillValueRow(s, spot, lf.DTSmax(index), lf.DTSmaxt(index), v, x, y);
  lf.DTSmaxt(index).SetBackColor(s.colourSettings.ColourLoading);
}

void PlaceBlockVolume(FormMain& main, const PictureSpot& spot, const DistributionGeometry& g) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const LayoutScales& sc = s.layoutScales;
  const float after =
      s.analysisOptions.LoadingType == loading_type::kDistribution ? RightEdge(lf.DT(1)) : RightEdge(lf.DTmean);
  lf.DTvolume.SetLeft(after + 400 * sc.ScaleX);
  lf.DTvolume.SetTop(spot.Top(g.y1 - 200 * sc.ScaleY));
  lf.DTvolume.SetCaption("n = ");
  lf.DTvolumet.SetLeft(RightEdge(lf.DTvolume));
  lf.DTvolumet.SetTop(lf.DTvolume.Top());
  const std::string digits = NumberText(s.loadingData.CyclesPerBlock);
  lf.DTvolumet.SetText(digits);
  lf.DTvolumet.SetWidth(ValueBoxWidth(digits, s));
  lf.DTvolume.SetCaption("n = " + digits + " cyc");
}

// The word after the quantity in the axis captions; shows or hides the mean
// row as the mean stress is neglected or accounted.
std::string RangeWord(FormMain& main) {
  const ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  LoadingFramesPanel& lf = main.loadingFrames();
  if (a.MeanStressOption == mean_stress_option::kNeglect) {
    lf.DTmean.SetVisible(false);
    lf.DTmeant.SetVisible(false);
    for (int i = 0; i <= 1; ++i) {
      lf.DTrng(i).SetMousePointer(kPointerDefault);
      if (a.LoadingType < loading_type::kDistribution) lf.DTrng(i).SetToolTipText("");
    }
    return "RANGE     ";
  }
  if (a.MeanStressOption == mean_stress_option::kAccount && a.LoadingType == loading_type::kSpectrum) {
    lf.DTmean.SetVisible(true);
    lf.DTmeant.SetVisible(true);
    lf.DTmean.SetMousePointer(kPointerUpArrow);
    const bool range = s.loadingData.StressInputMode == 1;
    SetTip(lf.DTmean, range ? "Click here for Symetric Loading" : "Click here for Asymetric Loading", s);
    return range ? "RANGE     " : "AMPLITUDE";
  }
  return "";
}

void PlaceAxisCaptions(FormMain& main, const PictureSpot& spot, const DistributionGeometry& g,
                       const std::string& rangeWord) {
  const ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  LoadingFramesPanel& lf = main.loadingFrames();
  const bool single = OneStressRange(a);
  lf.DTrng(0).SetVisible(!single);
  const std::string maxWord = single ? "        " : "MAX. ";
  const std::string quantity = s.loadingUnits.LoadQuantity == "Stress " ? "STRESS  " : "STRAIN  ";
  lf.DTrng(0).SetCaption("MIN. " + quantity + rangeWord);
  lf.DTrng(1).SetCaption(maxWord + quantity + rangeWord);
  lf.DTrng(0).SetLeft(spot.Left(g.x1 - 3330 * g.FK));
  lf.DTrng(0).SetTop(spot.Top(g.y0 - 280 * g.FK));
  lf.DTrng(1).SetLeft(spot.Left(g.x1 - 3330 * g.FK));
  lf.DTrng(1).SetTop(spot.Top(g.y0 - 80 * g.FK));
}

void PlaceMeanRow(FormMain& main, const PictureSpot& spot, const DistributionGeometry& g) {
  const ProgramState& s = main.state();
  LoadingFramesPanel& lf = main.loadingFrames();
  const LayoutScales& sc = s.layoutScales;
  FillMeanRow(s, spot, lf.DTmean, lf.DTmeant, g.xc - 450 * sc.ScaleX, g.y1 - 200 * sc.ScaleY);
  lf.DTmeant.SetForeColor(0);
}

}  // namespace

void PlaceDistributionControls(FormMain& main, const PictureSpot& spot, const DistributionGeometry& g) {
  ProgramState& s = main.state();
  const AnalysisOptions& a = s.analysisOptions;
  const LayoutScales& sc = s.layoutScales;
  LoadingData& l = s.loadingData;
  LoadingFramesPanel& lf = main.loadingFrames();

  l.DistributionName = DistributionNameOf(l.DistributionType);
  lf.frm_Distr.SetCaption(a.LoadingType > loading_type::kSpectrum ? "Loading: " + l.DistributionName + "Distribution"
                                                                  : "Loading: Distribution");

  lf.DTmse.SetVisible(false);
  if (s.loadingDatabase.BatchPointCount[g.batch] > 0 && s.loadingDbState.LoadingSource == 1) {
    lf.DTmse.SetCaption(l.BatchMseText);
    lf.DTmse.SetTop(spot.Top(g.y1 + 200 * sc.ScaleY));
    lf.DTmse.SetLeft(spot.Left(spot.width - sc.FontScale * 90.0 * static_cast<double>(l.BatchMseText.size())));
    lf.DTmse.SetVisible(true);
  }

  const bool single = OneStressRange(a);
  for (int i = 0; i <= 1; ++i) {
    lf.DTSmax(i).SetVisible(i == 1 || !single);
    lf.DTSmaxt(i).SetVisible(i == 1 || !single);
  }
  const bool distribution = a.LoadingType == loading_type::kDistribution;
  for (int i = 0; i <= 1; ++i) {
    lf.DT(i).SetVisible(distribution);
    lf.DTt(i).SetVisible(distribution);
    if (distribution) lf.DTt(i).SetForeColor(0);
  }
  FillParameterRow(main, spot, 0, g.xc - 450 * sc.ScaleX, g.y1 - 200 * sc.ScaleY, ShownQ(s));
  FillParameterRow(main, spot, 1, g.xc + 670 * sc.ScaleX, g.y1 - 200 * sc.ScaleY, l.DistR);
  PlaceBlockVolume(main, spot, g);

  const std::string rangeWord = RangeWord(main);
  if (a.LoadingType == loading_type::kSpectrum) {
    lf.Pic_Distr.SetMousePointer(kPointerCross);
    SetTip(lf.Pic_Distr, "Right click to change the display", s);
  } else if (a.LoadingType != loading_type::kDistribution) {
    lf.Pic_Distr.SetMousePointer(kPointerDefault);
    lf.Pic_Distr.SetToolTipText("");
  }
  PlaceAxisCaptions(main, spot, g, rangeWord);
  FillStressRow(main, spot, 1, g.x1 - 830 * sc.ScaleX, g.y0 - 50 * sc.ScaleY, l.StressRangeTo);
  PlaceMeanRow(main, spot, g);
  FillStressRow(main, spot, 0, g.x1 - 830 * sc.ScaleX, g.y0 - 260 * sc.ScaleY, l.StressRangeFrom);

  Label& scaling = lf.SHscal(3);
  scaling.SetCaption("Scaling Factor  k = 1.0   ");
  scaling.SetLeft(spot.Left(g.xc - 450 * sc.ScaleX));
  scaling.SetTop(spot.Top(g.y1));
  lf.load_distr(2).SetLeft(RightEdge(scaling));
  lf.load_distr(2).SetTop(scaling.Top());
  const bool probabilistic = a.AnalysisKind != analysis_kind::kDeterministic;
  scaling.SetVisible(probabilistic);
  lf.load_distr(2).SetVisible(probabilistic);
}
