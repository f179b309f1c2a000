#include "platform/runtime/seq_items.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/typed_number.h"

double SeqNumberValue(std::string_view item) {
  double value = 0.0;
  if (item.empty()) return value;
  if (!ParseWholeNumber(item, value)) throw RuntimeError(kErrTypeMismatch, std::string(item));
  if (std::isinf(value)) throw RuntimeError(kErrOverflow, std::string(item));
  return value;
}

float SeqSingleValue(std::string_view item) {
  const double v = SeqNumberValue(item);
  if (std::fabs(v) > FLT_MAX) throw RuntimeError(kErrOverflow, std::string(item));
  return static_cast<float>(v);
}
