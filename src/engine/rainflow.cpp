#include "engine/rainflow.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/sng.h"

RainflowCounter::RainflowCounter(const float* history, int32_t n, float* stack, float* ranges,
                                 float* means)
    : history_(history), n_(std::max<int32_t>(n, 0)), stack_(stack), ranges_(ranges), means_(means) {}

bool RainflowCounter::CountUpTo(int32_t until) {
  const int32_t closing = n_ + 1;
  until = std::min(until, closing);
  float* const s = stack_;
  int32_t top = top_;
  int32_t next = next_;
  int32_t c = cycles_;
  while (!done_) {
    if (next > closing) {  // the closing point is used up: the rest is residue
      done_ = true;
      break;
    }
    if (next > until) break;
    s[++top] = next <= n_ ? history_[next] : 0.0f;
    ++next;
    while (top >= 3) {
      const float a = s[top - 2];
      const float b = s[top - 1];
      const float z = s[top];
      const float y = std::fabs(b - a);
      const float x = Sng(static_cast<double>(std::fabs(z - b)) * 1.005);
      if (y > x) break;
      ++c;
      ranges_[c] = y;
      means_[c] = (a + b) / 2.0f;
      s[top - 2] = z;
      top -= 2;
      if (n_ - 2 * c < 3) {
        done_ = true;
        break;
      }
    }
  }
  top_ = top;
  next_ = next;
  cycles_ = c;
  return done_;
}

void SizeRainflowArrays(int32_t n, std::vector<float>& stack, std::vector<float>& ranges,
                        std::vector<float>& means) {
  n = std::max<int32_t>(n, 0);
  const size_t stackSize = static_cast<size_t>(n) + 2;
  const size_t cycleSize = static_cast<size_t>(RainflowCounter::MaxCycles(n)) + 1;
  if (stack.size() < stackSize) stack.resize(stackSize, 0.0f);
  if (ranges.size() < cycleSize) ranges.resize(cycleSize, 0.0f);
  if (means.size() < cycleSize) means.resize(cycleSize, 0.0f);
}

int32_t CountRainflow(const std::vector<float>& history, int32_t n, std::vector<float>& stack,
                      std::vector<float>& ranges, std::vector<float>& means) {
  n = std::clamp<int32_t>(n, 0, history.empty() ? 0 : static_cast<int32_t>(history.size()) - 1);
  SizeRainflowArrays(n, stack, ranges, means);
  RainflowCounter counter(history.data(), n, stack.data(), ranges.data(), means.data());
  counter.CountUpTo(n + 1);
  return counter.Cycles();
}
