#pragma once

// The ranges of the two linear axes of the master-curve life diagram. An
// axis runs from 0 to mantissa x power, with the mantissa between 0.7 and 7
// rounded up to the next tenth.

// The life axis for the largest life shown X (life unit): m rounded up to
// the next tenth and then to a whole number where that is larger (3.6 -> 4,
// 3.4 and 2.5 stay); grid lines every `labelStep` tenths (5, or 2 for a
// short axis). No axis (`drawn` false) unless X is a positive finite number.
struct LifeAxis {
  bool drawn = false;
  float m = 0, p = 0;
  int labelStep = 5;
};
LifeAxis LifeAxisFor(float X);

// The parameter axis for the shown value of the last point q = |value| x
// factor (value = the stored parameter / divisor): 0 to 1 for q up to 1,
// else the normalised mantissa rounded up to the next tenth. No axis for a
// value that is not finite.
struct ParameterAxis {
  bool drawn = false;
  float n = 1, r = 1;
};
ParameterAxis ParameterAxisFor(double value, float factor);

// The tick step in tenths of an axis of mantissa `mantissa`: 5, or 2 when
// the axis has fewer than 25 tenths.
int TenthsStep(float mantissa);
