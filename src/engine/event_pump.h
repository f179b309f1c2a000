#pragma once

#include <chrono>
#include <cstdint>

#include "platform/host.h"

// Lets pending events through during a long loop: Tick() on every item looks
// at the clock only every `checkEvery` items and calls Host::DoEvents when
// kInterval has passed since the last call.
class EventPump {
 public:
  explicit EventPump(Host& host, uint32_t checkEvery = 1u << 16)
      : host_(host), last_(Clock::now()), checkEvery_(checkEvery) {}

  void Tick() {
    if (++count_ < checkEvery_) return;
    count_ = 0;
    const auto now = Clock::now();
    if (now - last_ >= kInterval) {
      host_.DoEvents();
      last_ = Clock::now();
    }
  }

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kInterval{20};
  Host& host_;
  Clock::time_point last_;
  uint32_t checkEvery_;
  uint32_t count_ = 0;
};
