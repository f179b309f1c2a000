#include "diagrams/ui/sn_curve_labels.h"

#include <string>

#include "diagrams/sn_curve_geometry.h"
#include "material/ui/sn_frame_panel.h"
#include "platform/draw/child_position.h"
#include "platform/draw/surface.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "program_state.h"
#include "shell/ui/form_main.h"

namespace {

using ValueOf = double (*)(const ProgramState&);
using Applies = bool (*)(const ProgramState&);

enum class X { X0, Xm, X1 };
enum class Y { Y0, Ye, Y1, SyRow };
enum class Suffix { None, StressUnit, Percent };
enum class Prefix { None, LowerSe };

struct Pair {
  const char* label;
  int labelIndex;
  const char* box;
  int boxIndex;
  X x;
  float dx;  // x ScaleX
  Y y;
  float dy;           // x ScaleY (upwards)
  bool byMeanStress;  // dy x (MeanStressOption - 1)
  const char* caption;
  Prefix prefix;
  ValueOf value;
  const char* boxMask;
  const char* longMask;
  Suffix suffix;
  float twipsPerChar;      // box width per character, x FontScale
  Applies applies;         // nullptr: every job
};

float Factor(const ProgramState& s) { return s.unitSettings.StressUnitFactor; }
double No(const ProgramState& s) { return s.materialData.EnduranceCycles; }
// The endurance limit is held as a range and shown as an amplitude.
double SeFromAmplitude(const ProgramState& s) { return Sng(s.materialData.SeFrom * Factor(s)) / 2; }
double SeToAmplitude(const ProgramState& s) { return Sng(s.materialData.SeTo * Factor(s)) / 2; }
double Pn(const ProgramState& s) { return s.materialData.SurvivalProbability; }
double M(const ProgramState& s) { return s.materialData.SNExponent; }
double R(const ProgramState& s) { return s.materialData.SNStressRatio; }
double Sy(const ProgramState& s) { return Sng(s.materialData.DataSy * Factor(s)); }
double Su(const ProgramState& s) { return Sng(s.materialData.DataSu * Factor(s)); }
double E(const ProgramState& s) { return Sng(s.materialData.YoungModulus * Factor(s)); }
bool MasterCurve(const ProgramState& s) { return s.analysisOptions.AnalysisMode != 1; }

const Pair kPairs[] = {
    {"SNNo", -1, "SNNot", -1, X::Xm, -355, Y::Y0, -50, false, "No = ", Prefix::None, No, "0E+0#", "0E+0#",
     Suffix::None, 120, nullptr},
    {"SNSe", 0, "SNset", 0, X::X1, -2200, Y::Ye, 320, false, "Se = ", Prefix::LowerSe, SeFromAmplitude, "###0.0#",
     "###0.0#  ", Suffix::StressUnit, 100, nullptr},
    {"SNSe", 1, "SNset", 1, X::X1, -2200, Y::Ye, 520, false, "Se =  Max. ", Prefix::None, SeToAmplitude, "###0.0#",
     "###0.0#  ", Suffix::StressUnit, 100, MasterCurve},
    {"SNPn", -1, "SNPnt", -1, X::X1, -1400, Y::Ye, -50, false, "Pn = ", Prefix::None, Pn, "#0.#", "#0.#  ",
     Suffix::Percent, 100, nullptr},
    {"SNm", -1, "SNmt", -1, X::Xm, 450, Y::Y1, 50, false, "m = ", Prefix::None, M, "#0.0#", "#0.0#", Suffix::None,
     100, nullptr},
    {"SNr", -1, "SNrt", -1, X::Xm, 1400, Y::Y1, 50, false, " r = ", Prefix::None, R, "#0.0#", "#0.0#",
     Suffix::None, 100, nullptr},
    {"SNth", 2, "SNtht", 2, X::X0, 150, Y::Y0, 300, false, "Sy = ", Prefix::None, Sy, "###0.0", "###0.0   ",
     Suffix::StressUnit, 100, nullptr},
    {"SNth", 3, "SNtht", 3, X::X0, 150, Y::SyRow, 250, false, "Su = ", Prefix::None, Su, "##0.0", "###0.0   ",
     Suffix::StressUnit, 100, nullptr},
    // E takes Sy's place with the mean stress neglected, 500 above it otherwise.
    {"SNE", -1, "SNEt", -1, X::X0, 150, Y::SyRow, 500, true, "E = ", Prefix::None, E, "######0", "######0  ",
     Suffix::StressUnit, 100, nullptr},
};

bool MasterCurveOverSe(const ProgramState& s) { return EnduranceLimitMasterCurve(s.analysisOptions); }

class Placer {
 public:
  Placer(FormMain& main, const Surface& pic, const SnCurveGeometry& g)
      : main_(main), s_(main.state()), pic_(pic), g_(g) {}

  void Place(const Pair& p) {
    const LayoutScales& ls = s_.layoutScales;
    Label& label = main_.label(p.label, p.labelIndex);
    TextBox& box = main_.textBox(p.box, p.boxIndex);
    const float x = XOf(p.x) + p.dx * ls.ScaleX;
    const float rise = p.byMeanStress ? static_cast<float>(s_.analysisOptions.MeanStressOption - 1) : 1.0f;
    const float y = YOf(p.y) + rise * p.dy * ls.ScaleY;
    label.SetLeft(LeftInPicture(x));
    label.SetTop(TopInPicture(y));
    const std::string shortCaption = p.caption + PrefixText(p.prefix);
    label.SetCaption(shortCaption);
    box.SetLeft(label.Left() + label.Width());
    box.SetTop(label.Top());
    box.SetBackColor(s_.colourSettings.ColourSN);
    const double value = p.value(s_);
    box.SetText(Format(value, p.boxMask));
    box.SetWidth(Sng(static_cast<double>(box.Text().size()) * p.twipsPerChar * ls.FontScale));
    label.SetCaption(shortCaption + Format(value, p.longMask) + SuffixText(p.suffix));
  }

 private:
  float XOf(X x) const {
    switch (x) {
      case X::X0: return g_.x0;
      case X::Xm: return g_.xm;
      case X::X1: break;
    }
    return g_.x1;
  }
  float YOf(Y y) const {
    switch (y) {
      case Y::Y0: return g_.y0;
      case Y::Ye: return g_.ye;
      case Y::Y1: return g_.y1;
      case Y::SyRow: break;
    }
    return g_.y0 + 300 * s_.layoutScales.ScaleY;
  }
  // A control's place in the picture, in twips from its top left corner,
  // for a point of the diagram's scale (y upwards). A picture without area
  // has no scale to convert by.
  float LeftInPicture(float x) const { return Sng(TwipsFromLeft(pic_, x, pic_.Width())); }
  float TopInPicture(float y) const { return Sng(TwipsFromTop(pic_, y, pic_.Height())); }
  std::string PrefixText(Prefix p) const {
    if (p == Prefix::None) return "";
    return MasterCurveOverSe(s_) ? " Min.  " : std::string(10, ' ');
  }
  std::string SuffixText(Suffix suffix) const {
    switch (suffix) {
      case Suffix::StressUnit: return s_.unitSettings.StressUnit;
      case Suffix::Percent: return "%";
      case Suffix::None: break;
    }
    return "";
  }

  FormMain& main_;
  const ProgramState& s_;
  const Surface& pic_;
  const SnCurveGeometry& g_;
};

}  // namespace

void PlaceSnLabels(FormMain& main, const Surface& pic, const SnCurveGeometry& g) {
  ProgramState& s = main.state();
  SnFramePanel& sn = main.snInputs();
  Placer placer(main, pic, g);
  for (const Pair& p : kPairs)
    if (!p.applies || p.applies(s)) placer.Place(p);

  // The endurance limit's random-variable tag follows its long caption.
  Label& se = sn.SNSe(0);
  Label& tag = sn.dN_distr(0);
  tag.SetTop(se.Top());
  tag.SetLeft(se.Left() + se.Width() + 100 * s.layoutScales.FontScale);

  const bool upperSe = s.analysisOptions.AnalysisMode != 1 && s.analysisOptions.MasterCurveParameter == 2;
  sn.SNSe(1).SetVisible(upperSe);
  sn.SNset(1).SetVisible(upperSe);
  const bool strain = s.loadingUnits.LoadQuantity == "Strain ";
  sn.SNE.SetVisible(strain);
  sn.SNEt.SetVisible(strain);
  tag.SetVisible(s.analysisOptions.AnalysisKind != 1);
}
