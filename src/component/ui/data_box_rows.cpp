#include "component/ui/data_box_rows.h"

#include <map>
#include <string>

#include "component/notch_inputs.h"
#include "platform/runtime/format.h"
#include "platform/runtime/sng.h"
#include "platform/ui/form.h"
#include "program_state.h"

namespace {

using TextOf = std::string (*)(const ProgramState&);
using ValueOf = double (*)(const ProgramState&);
using Applies = bool (*)(const ProgramState&);

// A caption: a fixed text or one made from the records.
struct Text {
  const char* literal = nullptr;
  TextOf of = nullptr;
  constexpr Text() = default;
  constexpr Text(const char* l) : literal(l) {}
  constexpr Text(TextOf f) : of(f) {}
  bool Set() const { return literal || of; }
  std::string operator()(const ProgramState& s) const { return of ? of(s) : std::string(literal); }
};

// A value box's text: a number with its mask, or a text of the records.
struct BoxText {
  ValueOf value = nullptr;
  const char* mask = "";
  TextOf text = nullptr;
  bool Set() const { return value || text; }
  std::string operator()(const ProgramState& s) const { return text ? text(s) : Format(value(s), mask); }
};
constexpr BoxText Num(ValueOf v, const char* mask) { return {v, mask, nullptr}; }
constexpr BoxText Str(TextOf t) { return {nullptr, "", t}; }

// A control of the form by name and array index (-1: not an array element).
struct Anchor {
  const char* name = nullptr;
  int index = -1;
};

enum class Left {
  Column,             // W / 15 (+ offset x ScaleX)
  StrengthColumn,     // W / 1.7
  AfterShortCaption,  // right end of the anchor label with its first caption
  After,              // right end of the anchor control (+ offset x ScaleX)
};
enum class Top {
  OfHeight,  // value x H
  KtRow,     // 0.44 H, 0.38 H for a constant amplitude
  Below,     // top of the anchor + value x ScaleY
};
enum class BoxLeft {
  Keep,         // the box's left is not the summary's to set
  Column,       // W / 15 + offset x ScaleX
  AfterLabel,   // right end of the row's label
  AfterLabelGap,  // right end of the row's label + W / 15
  SameAs,       // the left of the anchor box
};

struct Row {
  Anchor label{};
  Applies applies = nullptr;  // nullptr: every job
  Left left = Left::Column;
  Anchor leftOf{};
  float leftOffset = 0;
  Top top = Top::OfHeight;
  Anchor topOf{};
  float topValue = 0;
  Anchor widthOf{};      // the label takes this label's width
  Text caption{};        // set first; the box is placed by the label's width with it
  Text finalCaption{};   // set once the box is placed (before it with finalFirst)
  bool finalFirst = false;
  Anchor box{};
  BoxLeft boxLeft = BoxLeft::AfterLabel;
  Anchor boxLeftOf{};
  float boxOffset = 0;
  BoxText text{};
  bool fitWidth = false;       // width = characters x 100 x FontScale
  bool heightOfLabel = false;  // the box takes the label's top and height
  bool dataColour = true;      // background ColourDataBox
};

// ---- texts and values of the rows

std::string JobSubject(const ProgramState& s) { return s.jobTexts.JobSubject; }
std::string LoadingName(const ProgramState& s) { return s.jobTexts.LoadingName; }
std::string MaterialName(const ProgramState& s) { return s.jobTexts.MaterialName; }
double ExtensionRatio(const ProgramState& s) { return s.materialData.SNExtensionRatio; }
double ExtensionCycles(const ProgramState& s) { return s.materialData.SNExtensionCycles; }
double ExtensionExponent(const ProgramState& s) { return s.materialData.SNExtensionExponent; }
// The value the Kt box edits: Kt, or the upper end of a master curve over Kt.
double Kt(const ProgramState& s) { return KtRangeEntry(s) ? s.componentData.KtTo : s.componentData.Kt; }
double ShownRadius(const ProgramState& s) {
  return Sng(s.componentData.NotchRadius * s.unitSettings.LengthUnitFactor);
}
double ShownThickness(const ProgramState& s) {
  return Sng(s.materialData.Thickness * s.unitSettings.LengthUnitFactor);
}
double ThicknessExponent(const ProgramState& s) { return s.materialData.ThicknessExponent; }
double MseNotchFactor(const ProgramState& s) { return s.componentData.MseNotchFactor; }
double DamageToFailure(const ProgramState& s) { return s.analysisOptions.DamageToFailure; }

std::string RadiusCaption(const ProgramState& s) {
  return "Notch Radius [" + s.unitSettings.SmallLengthUnit + "]:  r = ";
}
// The opaque boxes lie over the numbers in these captions, so the unit shows
// right of the t box and the k pair follows it.
std::string ThicknessCaption(const ProgramState& s) {
  return "Thickness Effect:    t = " + Format(ShownThickness(s), "###0.0  ") + s.unitSettings.SmallLengthUnit;
}
std::string ThicknessExponentCaption(const ProgramState& s) {
  return ",  k  =  " + Format(ThicknessExponent(s), "#0.0#");
}
std::string OptionsCaption(const ProgramState& s) {
  const AnalysisOptions& o = s.analysisOptions;
  return "Analysis Options:   " + o.StressApproachTag + o.SpecimenTag + o.NotchSensitivityTag;
}
std::string MseTag(const ProgramState& s) { return s.resultsDisplay.MseTag; }

bool RatioDisplay(const ProgramState& s) { return s.materialData.SNExtensionDisplay == 0; }
bool CyclesDisplay(const ProgramState& s) { return s.materialData.SNExtensionDisplay != 0; }
bool PlainSpecimen(const ProgramState& s) { return s.analysisOptions.SNDataSpecimen != 1; }
bool FeatureSpecimen(const ProgramState& s) { return s.analysisOptions.SNDataSpecimen == 1; }

// ---- the rows, top to bottom

const Row kRows[] = {
    {.label = {"Subj"}, .topValue = 1.0f / 16, .caption = "SUBJECT:           ",
     .box = {"Subjt"}, .boxLeft = BoxLeft::Column, .boxOffset = 1580, .text = Str(JobSubject)},
    {.label = {"Load"}, .topValue = 0.16f, .caption = "Loading Data:         ",
     .box = {"Loadt"}, .boxLeft = BoxLeft::Column, .boxOffset = 1570, .text = Str(LoadingName)},
    {.label = {"Material"}, .topValue = 0.24f, .caption = "Material Data:         ",
     .box = {"Materialt"}, .boxLeft = BoxLeft::Column, .boxOffset = 1570, .text = Str(MaterialName)},
    // S-N extension: the m' row starts under the end of the short caption.
    {.label = {"ExtSN", 0}, .applies = RatioDisplay, .topValue = 0.32f, .caption = "SN-Extension:      Se'",
     .finalCaption = "SN-Extension:      Se'/Se =", .finalFirst = true,
     .box = {"ExtSNt", 0}, .boxLeft = BoxLeft::AfterLabelGap, .text = Num(ExtensionRatio, "0.0##")},
    {.label = {"ExtSN", 0}, .applies = CyclesDisplay, .topValue = 0.32f, .caption = "SN-Extension:          ",
     .finalCaption = "SN-Extension:          No' =", .finalFirst = true,
     .box = {"ExtSNt", 0}, .boxLeft = BoxLeft::AfterLabelGap, .text = Num(ExtensionCycles, "0E+0#")},
    {.label = {"ExtSN", 1}, .left = Left::AfterShortCaption, .leftOf = {"ExtSN", 0},
     .top = Top::Below, .topOf = {"ExtSN", 0}, .topValue = 240, .caption = " m' = ",
     .box = {"ExtSNt", 1}, .boxLeft = BoxLeft::SameAs, .boxLeftOf = {"ExtSNt", 0},
     .text = Num(ExtensionExponent, "#0.0#")},
    // Kt; its label's caption (Kt or Kf wording) is the inputs' to set.
    {.label = {"SCF", 0}, .top = Top::KtRow, .box = {"SCFt", 0}, .text = Num(Kt, "#0.0##"), .fitWidth = true},
    {.label = {"SCF_distr"}, .left = Left::After, .leftOf = {"SCFt", 0}, .leftOffset = 50,
     .top = Top::Below, .topOf = {"SCF", 0}},
    // Under Kt: the notch radius for a plain specimen, the thickness for a feature specimen.
    {.label = {"Reliab"}, .applies = PlainSpecimen, .top = Top::Below, .topOf = {"SCF", 0}, .topValue = 330,
     .caption = RadiusCaption, .box = {"Reliabt"}, .text = Num(ShownRadius, "##0.0# "), .fitWidth = true},
    {.label = {"SNth", 0}, .applies = FeatureSpecimen, .top = Top::Below, .topOf = {"SCF", 0}, .topValue = 330,
     .caption = "Thickness Effect:    t = ", .finalCaption = ThicknessCaption,
     .box = {"SNtht", 0}, .text = Num(ShownThickness, "###0.0"), .fitWidth = true},
    {.label = {"SNth", 1}, .applies = FeatureSpecimen, .left = Left::After, .leftOf = {"SNth", 0},
     .top = Top::Below, .topOf = {"SNth", 0}, .caption = ",  k  =  ", .finalCaption = ThicknessExponentCaption,
     .box = {"SNtht", 1}, .text = Num(ThicknessExponent, "#0.0#"), .fitWidth = true},
    // The analysis options with the mean-stress tag behind them.
    {.label = {"DBmse", 0}, .top = Top::Below, .topOf = {"SCF", 0}, .topValue = 660, .caption = OptionsCaption},
    {.label = {"DBmse", 1}, .left = Left::After, .leftOf = {"DBmse", 0}, .top = Top::Below, .topOf = {"DBmse", 0},
     .caption = MseTag},
    // The notch and strength rows; row 2 sits on the options line behind the tag.
    {.label = {"DDBmse", 0}, .left = Left::StrengthColumn, .top = Top::Below, .topOf = {"DBmse", 0},
     .topValue = 240, .box = {"DBmset", 0}, .boxLeft = BoxLeft::Keep, .heightOfLabel = true, .dataColour = false},
    {.label = {"DDBmse", 1}, .left = Left::StrengthColumn, .top = Top::Below, .topOf = {"DBmse", 0},
     .topValue = 480, .widthOf = {"DDBmse", 0}, .box = {"DBmset", 1}, .boxLeft = BoxLeft::Keep,
     .heightOfLabel = true, .dataColour = false},
    {.label = {"DDBmse", 2}, .left = Left::After, .leftOf = {"DBmse", 1}, .top = Top::Below, .topOf = {"DBmse", 0},
     .box = {"DBmset", 2}, .text = Num(MseNotchFactor, "##.0#"), .fitWidth = true, .heightOfLabel = true,
     .dataColour = false},
    {.label = {"DTFf"}, .top = Top::Below, .topOf = {"SCF", 0}, .topValue = 990,
     .caption = "Damage to Failure:  d  =  ", .box = {"DTFft"}, .text = Num(DamageToFailure, "##0.0##")},
    {.label = {"Result"}, .topValue = 0.77f},
};

// ---- the walk

class RowWalk {
 public:
  RowWalk(Form& form, const ProgramState& s, float W, float H) : form_(form), s_(s), W_(W), H_(H) {}

  void Place(const Row& row) {
    Label& label = form_.label(row.label.name, row.label.index);
    label.SetLeft(LeftOf(row));
    label.SetTop(TopOf(row));
    if (row.widthOf.name) label.SetWidth(Of(row.widthOf).Width());
    if (row.caption.Set()) label.SetCaption(row.caption(s_));
    shortRight_[&label] = label.Left() + label.Width();
    if (row.finalFirst) label.SetCaption(row.finalCaption(s_));
    if (row.box.name) PlaceBox(row, label);
    if (!row.finalFirst && row.finalCaption.Set()) label.SetCaption(row.finalCaption(s_));
  }

 private:
  Control& Of(const Anchor& a) const { return form_.get<Control>(a.name, a.index); }
  float Column() const { return W_ / 15; }
  float RightOf(const Control& c) const { return c.Left() + c.Width(); }

  float LeftOf(const Row& row) {
    const float sx = s_.layoutScales.ScaleX;
    switch (row.left) {
      case Left::StrengthColumn: return Sng(W_ / 1.7);
      case Left::AfterShortCaption: return shortRight_[&form_.label(row.leftOf.name, row.leftOf.index)];
      case Left::After: return RightOf(Of(row.leftOf)) + row.leftOffset * sx;
      case Left::Column: break;
    }
    return Column() + row.leftOffset * sx;
  }

  float TopOf(const Row& row) const {
    switch (row.top) {
      case Top::KtRow: return (s_.analysisOptions.LoadingType == 3 ? 0.38f : 0.44f) * H_;
      case Top::Below: return Of(row.topOf).Top() + row.topValue * s_.layoutScales.ScaleY;
      case Top::OfHeight: break;
    }
    return row.topValue * H_;
  }

  void PlaceBox(const Row& row, const Label& label) {
    TextBox& box = form_.textBox(row.box.name, row.box.index);
    switch (row.boxLeft) {
      case BoxLeft::Column: box.SetLeft(Column() + row.boxOffset * s_.layoutScales.ScaleX); break;
      case BoxLeft::AfterLabel: box.SetLeft(RightOf(label)); break;
      case BoxLeft::AfterLabelGap: box.SetLeft(RightOf(label) + Column()); break;
      case BoxLeft::SameAs: box.SetLeft(Of(row.boxLeftOf).Left()); break;
      case BoxLeft::Keep: break;
    }
    box.SetTop(label.Top());
    if (row.heightOfLabel) box.SetHeight(label.Height());
    if (row.text.Set()) box.SetText(row.text(s_));
    if (row.fitWidth) box.SetWidth(Sng(static_cast<double>(box.Text().size()) * 100 * s_.layoutScales.FontScale));
    if (row.dataColour) box.SetBackColor(s_.colourSettings.ColourDataBox);
  }

  Form& form_;
  const ProgramState& s_;
  float W_, H_;
  std::map<const Label*, float> shortRight_;
};

}  // namespace

void LayOutSummaryRows(Form& form, const ProgramState& s, float W, float H) {
  RowWalk walk(form, s, W, H);
  for (const Row& row : kRows)
    if (!row.applies || row.applies(s)) walk.Place(row);
}
