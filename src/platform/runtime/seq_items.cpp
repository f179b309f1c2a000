#include "platform/runtime/seq_items.h"

#include <cmath>
#include <optional>
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
  const std::optional<float> v = SingleOf(SeqNumberValue(item));
  if (!v) throw RuntimeError(kErrOverflow, std::string(item));
  return *v;
}
