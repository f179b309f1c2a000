#pragma once

#include <functional>

#include "platform/runtime/runtime_error.h"

// The code of the RuntimeError that `f` raises, or 0 when it raises none.
inline int ErrorCodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.code();
  }
  return 0;
}
