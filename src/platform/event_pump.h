#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

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
