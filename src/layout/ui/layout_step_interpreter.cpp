#include "layout/ui/layout_step_interpreter.h"

#include <algorithm>

#include "platform/runtime/checked_single.h"
#include "platform/ui/form.h"

namespace {

class Interpreter {
 public:
  Interpreter(Form& form, const LayoutScales& scales, const LayoutObserver& observe)
      : form_(form), scales_(scales), observe_(observe) {}

  void Run(std::span<const LayoutRow> rows) const {
    for (size_t first = 0; first < rows.size();) {
      size_t end = first + 1;
      while (end < rows.size() && rows[end].inLoopAbove) ++end;
      RunLoop(rows.subspan(first, end - first));
      first = end;
    }
  }

 private:
  // One loop: the group's rows element by element.
  void RunLoop(std::span<const LayoutRow> group) const {
    int from = group.front().elements.first, to = group.front().elements.last;
    for (const LayoutRow& r : group) {
      from = std::min(from, r.elements.first);
      to = std::max(to, r.elements.last);
    }
    for (int i = from; i <= to; ++i)
      for (const LayoutRow& r : group)
        if (i >= r.elements.first && i <= r.elements.last) RunRow(r, i + r.elements.shift);
  }

  void RunRow(const LayoutRow& row, int element) const {
    Control& c = LayoutControl(form_, row.name, element);
    for (uint8_t k = 0; k < row.steps.count; ++k) {
      const LayoutStep& s = row.steps.step[k];
      if (s.when == LayoutCondition::ScaleYBelowOne && !(scales_.ScaleY < 1.0f)) continue;
      WriteLayoutProp(c, s.prop, Value(s, c, element));
      if (observe_) observe_(c, s.prop);
    }
  }

  double Value(const LayoutStep& s, Control& c, int element) const {
    switch (s.kind) {
      case LayoutStepKind::Scale: return Product(ReadLayoutProp(c, s.prop), s);
      case LayoutStepKind::Base: return Product(s.base, s);
      case LayoutStepKind::CopyFrom: return ReadLayoutProp(LayoutControl(form_, s.source, element), s.prop);
    }
    return 0;
  }

  // A Single property times a Single factor gives a Single product; the font
  // object's size times the factor is worked in double.
  double Product(double value, const LayoutStep& s) const {
    const double product = value * static_cast<double>(Factor(s.factor));
    return s.prop == LayoutProp::FontObjectSize ? product : CSng(product);
  }

  float Factor(LayoutFactor f) const {
    switch (f) {
      case LayoutFactor::ScaleX: return scales_.ScaleX;
      case LayoutFactor::ScaleY: return scales_.ScaleY;
      case LayoutFactor::FontScale: return scales_.FontScale;
    }
    return 1;
  }

  Form& form_;
  const LayoutScales& scales_;
  const LayoutObserver& observe_;
};

}  // namespace

void RunLayoutRows(Form& form, const LayoutScales& scales, std::span<const LayoutRow> rows,
                   const LayoutObserver& observe) {
  Interpreter(form, scales, observe).Run(rows);
}

void RunLayoutPass(Form& form, const char* pass, const LayoutScales& scales, std::span<const LayoutRow> rows) {
  // Marked before it runs: a pass that failed half-way must not scale its
  // first controls again either.
  if (!form.FirstRunOf(pass)) return;
  RunLayoutRows(form, scales, rows);
}
