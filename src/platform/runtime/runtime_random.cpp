#include "platform/runtime/runtime_random.h"

float RuntimeRandom::Rnd() {
  state_ = static_cast<uint32_t>((uint64_t{state_} * 1140671485u + 12820163u) & kMask);
  return static_cast<float>(state_) / 16777216.0f;
}
