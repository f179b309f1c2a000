#include "layout/ui/layout_properties.h"

#include <cmath>

#include "platform/runtime/checked_single.h"
#include "platform/runtime/runtime_error.h"
#include "platform/ui/form.h"

namespace {

// The largest value a font object holds (its size is a fixed-point number).
constexpr double kFontObjectMax = 922337203685477.5807;

LineControl& LineOf(Control& c) {
  auto* line = dynamic_cast<LineControl*>(&c);
  if (!line) throw RuntimeError(kErrNoSuchProperty, c.Name());
  return *line;
}

}  // namespace

Control& LayoutControl(const Form& form, const char* name, int element) {
  Control* c = form.Find(name, element);
  if (!c) throw RuntimeError(kErrNoSuchElement, name);
  return *c;
}

double ReadLayoutProp(Control& c, LayoutProp p) {
  using P = LayoutProp;
  switch (p) {
    case P::Left: return c.Left();
    case P::Top: return c.Top();
    case P::Width: return c.Width();
    case P::Height: return c.Height();
    case P::FontSize: return c.FontSize();
    case P::FontObjectSize: return c.FontObjectSize();
    case P::X1: return LineOf(c).X1();
    case P::Y1: return LineOf(c).Y1();
    case P::X2: return LineOf(c).X2();
    case P::Y2: return LineOf(c).Y2();
    case P::BorderWidth: return LineOf(c).BorderWidth();
  }
  return 0;
}

void WriteLayoutProp(Control& c, LayoutProp p, double v) {
  using P = LayoutProp;
  switch (p) {
    case P::Left: return c.SetLeft(CSng(v));
    case P::Top: return c.SetTop(CSng(v));
    case P::Width: return c.SetWidth(CSng(v));
    case P::Height: return c.SetHeight(CSng(v));
    case P::FontSize: return c.SetFontSize(CSng(v));
    case P::FontObjectSize:
      if (!(std::fabs(v) <= kFontObjectMax)) throw RuntimeError(kErrOverflow);
      return c.SetFontObjectSize(v);
    case P::X1: return LineOf(c).SetX1(CSng(v));
    case P::Y1: return LineOf(c).SetY1(CSng(v));
    case P::X2: return LineOf(c).SetX2(CSng(v));
    case P::Y2: return LineOf(c).SetY2(CSng(v));
    case P::BorderWidth: return LineOf(c).SetBorderWidth(CSng(v));
  }
}
