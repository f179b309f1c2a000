#pragma once

#include <cstdint>

class Control;
class Form;

// The properties the layout passes write. FontSize is the control's
// single-precision size; FontObjectSize the size through its font object
// (fixed point, four decimals, worked in double). X1..Y2 and BorderWidth
// belong to lines.
enum class LayoutProp : uint8_t { Left, Top, Width, Height, FontSize, FontObjectSize, X1, Y1, X2, Y2, BorderWidth };

// A control of the form by name and element (-1 for a single control);
// RuntimeError (control array element doesn't exist) when there is none.
Control& LayoutControl(const Form& form, const char* name, int element = -1);

// One property as it stands, and a worked-out value stored the way the
// property takes it: a Single (Overflow beyond its range, no infinity is ever
// written), the font object's fixed point, or a line's width in whole pixels
// (16 bits, at least 1 so that the line stays visible). A property the
// control has not raises RuntimeError.
double ReadLayoutProp(Control& c, LayoutProp p);
void WriteLayoutProp(Control& c, LayoutProp p, double v);
