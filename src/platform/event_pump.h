#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/host.h"

// Lets pending events through during long work: Tick() on every item (or
// piece of work) looks at the clock only every `checkEvery` ticks and calls
// Host::DoEvents when the host's yield interval has passed since the last
// call.
//
// Work that the events may make pointless (the window that asked for it has
// been closed meanwhile) gives `goOn`: it is asked at every look at the
// clock, and once it says no, Tick returns false and the work stops.
class EventPump {
 public:
  explicit EventPump(Host& host, uint32_t checkEvery = 1u << 16, std::function<bool()> goOn = {})
      : host_(host),
        interval_(host.YieldIntervalMs()),
        last_(Clock::now()),
        checkEvery_(checkEvery),
        goOn_(std::move(goOn)) {}

  // False once the work is to stop.
  bool Tick() {
    if (++count_ < checkEvery_) return going_;
    count_ = 0;
    if (Clock::now() - last_ >= interval_) {
      host_.DoEvents();
      last_ = Clock::now();
    }
    if (goOn_ && !goOn_()) going_ = false;
    return going_;
  }

 private:
  using Clock = std::chrono::steady_clock;
  Host& host_;
  std::chrono::milliseconds interval_;
  Clock::time_point last_;
  uint32_t checkEvery_;
  uint32_t count_ = 0;
  std::function<bool()> goOn_;
  bool going_ = true;
};

// Grows `v` to `size` elements (the new ones value-initialised; it never
// shrinks) in pieces of `piece` elements with a tick of `pump` between two
// pieces, so that an array of millions of elements lets events through while
// its memory is first touched. False when the pump stops the work (`v` is
// then shorter).
template <typename T>
bool GrowInPieces(std::vector<T>& v, std::size_t size, EventPump& pump, std::size_t piece = std::size_t{1} << 20) {
  if (v.size() >= size) return true;
  v.reserve(size);
  const std::size_t from = v.size();
  while (v.size() < size) {
    if (v.size() > from && !pump.Tick()) return false;
    v.resize(std::min(size, v.size() + piece));
  }
  return true;
}
