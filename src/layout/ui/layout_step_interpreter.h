#pragma once

// The screen layout's control passes as data, and the one interpreter that
// runs them.
//
// How a row reads: a control's name, the elements of it that the row covers,
// then the steps done on each element, in order. A step writes one property
// (see LayoutStep). A row that follows another with `In` instead of `Row`
// runs inside the same loop as the rows above it: the loop goes over the
// elements of the whole group, element by element, and each row of the group
// acts on the elements in its own range only. So
//
//   Row("Label28", Each(0, 2), kLabel), In("Label14", Each(0, 1), kLabel)
//
// runs Label28(0), Label14(0), Label28(1), Label14(1), Label28(2). A row
// whose elements are shifted (Each(0, 4, 1)) acts on element i + 1 at loop
// position i.
//
// Every step raises RuntimeError when it cannot be done (a missing control, a
// property the control has not, a product beyond Single, a line width beyond
// 16 bits): the pass ends at that step and what it wrote before stays.

#include <array>
#include <concepts>
#include <cstdint>
#include <functional>
#include <span>

#include "layout/layout_scales.h"
#include "layout/ui/layout_properties.h"

class Control;
class Form;

enum class LayoutFactor : uint8_t { ScaleX, ScaleY, FontScale };

enum class LayoutStepKind : uint8_t {
  Scale,     // property := its current value x factor
  Base,      // property := base x factor, whatever the current value
  CopyFrom,  // property := the same property of `source`, same element, as it stands
};

enum class LayoutCondition : uint8_t {
  Always,
  ScaleYBelowOne,  // only on a screen smaller than the design (ScaleY < 1)
};

struct LayoutStep {
  LayoutStepKind kind = LayoutStepKind::Scale;
  LayoutProp prop = LayoutProp::Left;
  LayoutFactor factor = LayoutFactor::ScaleX;
  double base = 0;               // Base
  const char* source = nullptr;  // CopyFrom
  LayoutCondition when = LayoutCondition::Always;
};

// Up to eight steps of one row, in order.
struct LayoutSteps {
  std::array<LayoutStep, 8> step{};
  uint8_t count = 0;
};

// Loop positions first..last, each acting on the element position + shift of
// a control array; first = last = -1 for a single control.
struct LayoutElements {
  int first = -1;
  int last = -1;
  int shift = 0;
};

struct LayoutRow {
  const char* name;
  LayoutElements elements;
  LayoutSteps steps;
  bool inLoopAbove = false;  // runs in the loop of the rows above it
};

// The vocabulary of the tables.
namespace layout_steps {

constexpr LayoutStep Scaled(LayoutProp p, LayoutFactor f) { return {LayoutStepKind::Scale, p, f}; }

// Left and Width x ScaleX, Top and Height x ScaleY, the font x FontScale.
inline constexpr LayoutStep L = Scaled(LayoutProp::Left, LayoutFactor::ScaleX);
inline constexpr LayoutStep T = Scaled(LayoutProp::Top, LayoutFactor::ScaleY);
inline constexpr LayoutStep W = Scaled(LayoutProp::Width, LayoutFactor::ScaleX);
inline constexpr LayoutStep H = Scaled(LayoutProp::Height, LayoutFactor::ScaleY);
inline constexpr LayoutStep S = Scaled(LayoutProp::FontSize, LayoutFactor::FontScale);
inline constexpr LayoutStep F = Scaled(LayoutProp::FontObjectSize, LayoutFactor::FontScale);
// A line's end points, and its width (rounded to whole pixels, halves to even).
inline constexpr LayoutStep X1 = Scaled(LayoutProp::X1, LayoutFactor::ScaleX);
inline constexpr LayoutStep Y1 = Scaled(LayoutProp::Y1, LayoutFactor::ScaleY);
inline constexpr LayoutStep X2 = Scaled(LayoutProp::X2, LayoutFactor::ScaleX);
inline constexpr LayoutStep Y2 = Scaled(LayoutProp::Y2, LayoutFactor::ScaleY);
inline constexpr LayoutStep BW = Scaled(LayoutProp::BorderWidth, LayoutFactor::ScaleY);

// The font size := points x FontScale, as a Single (FontOf) or through the
// font object, worked in double (FontObjectOf).
constexpr LayoutStep FontOf(double points) {
  return {LayoutStepKind::Base, LayoutProp::FontSize, LayoutFactor::FontScale, points};
}
constexpr LayoutStep FontObjectOf(double points) {
  return {LayoutStepKind::Base, LayoutProp::FontObjectSize, LayoutFactor::FontScale, points};
}
// The property := that of the leading control `source` (same element).
constexpr LayoutStep CopyOf(LayoutProp p, const char* source) {
  return {LayoutStepKind::CopyFrom, p, LayoutFactor::ScaleX, 0, source};
}
// The step only when ScaleY < 1.
constexpr LayoutStep WhenShrinking(LayoutStep s) {
  s.when = LayoutCondition::ScaleYBelowOne;
  return s;
}

template <std::same_as<LayoutStep>... Step>
constexpr LayoutSteps Steps(Step... s) {
  static_assert(sizeof...(s) <= 8, "at most eight steps a row");
  return {{s...}, static_cast<uint8_t>(sizeof...(s))};
}

constexpr LayoutElements One{};
constexpr LayoutElements Each(int first, int last, int shift = 0) { return {first, last, shift}; }
constexpr LayoutElements At(int element) { return {element, element}; }

constexpr LayoutRow Row(const char* name, LayoutSteps steps) { return {name, One, steps}; }
constexpr LayoutRow Row(const char* name, LayoutElements e, LayoutSteps steps) { return {name, e, steps}; }
constexpr LayoutRow In(const char* name, LayoutElements e, LayoutSteps steps) { return {name, e, steps, true}; }

// The rule: the font through the font object, Width, Top, Left, Height; and
// the same with the font last.
inline constexpr LayoutSteps kRule = Steps(F, W, T, L, H);
inline constexpr LayoutSteps kRuleFontLast = Steps(W, T, L, H, F);
// The label statements with the control's own font size.
inline constexpr LayoutSteps kLabel = Steps(S, W, T, L, H);
inline constexpr LayoutSteps kLine = Steps(X1, Y1, X2, Y2);

}  // namespace layout_steps

// Told of every property write of a pass (for tests that check which
// properties a pass writes and how often).
using LayoutObserver = std::function<void(const Control&, LayoutProp)>;

// Runs the rows on the form's controls.
void RunLayoutRows(Form& form, const LayoutScales& scales, std::span<const LayoutRow> rows,
                   const LayoutObserver& observe = {});

// The same, at most once for the form's controls as they stand: a second call
// for the same pass does nothing.
void RunLayoutPass(Form& form, const char* pass, const LayoutScales& scales, std::span<const LayoutRow> rows);
