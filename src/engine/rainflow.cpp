#include "engine/rainflow.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/event_pump.h"
#include "platform/runtime/sng.h"

RainflowCounter::RainflowCounter(const float* history, int32_t n, float* stack, float* ranges,
                                 float* means)
    : history_(history), n_(std::max<int32_t>(n, 0)), stack_(stack), ranges_(ranges), means_(means) {}

namespace {

// X of the comparison: the later range times 1.005, rounded to Single.
inline float LaterRange(float z, float b) { return Sng(static_cast<double>(std::fabs(z - b)) * 1.005); }

}  // namespace

// The bulk of the history: points 1 .. n - 2, where the counting can neither
// end nor reach the closing point, so neither is checked.
void RainflowCounter::CountBulk(int32_t stop) {
  float* const s = stack_;
  const float* const h = history_;
  float* const ranges = ranges_;
  float* const means = means_;
  int32_t top = top_;
  int32_t c = cycles_;
  // The point below a newly pushed one is always the point pushed before it
  // (a cycle removes the two points under the top), so the first comparison
  // after a push needs no stack read for its later range.
  float previous = top >= 1 ? s[top] : 0.0f;
  for (int32_t next = next_; next <= stop; ++next) {
    const float z = h[next];
    float x = LaterRange(z, previous);
    s[++top] = z;
    if (top >= 3) {
      float b = previous;
      float a = s[top - 2];
      for (;;) {
        const float y = std::fabs(b - a);
        if (y > x) break;
        ++c;
        ranges[c] = y;
        means[c] = (a + b) / 2.0f;
        s[top - 2] = z;
        top -= 2;
        if (top < 3) break;
        b = s[top - 1];
        a = s[top - 2];
        x = LaterRange(z, b);
      }
    }
    previous = z;
  }
  next_ = std::max(next_, stop + 1);
  top_ = top;
  cycles_ = c;
}

bool RainflowCounter::CountUpTo(int32_t until) {
  const int32_t closing = n_ + 1;
  until = std::min(until, closing);
  if (!done_ && next_ <= n_ - 2) CountBulk(std::min(until, n_ - 2));
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
      if (y > LaterRange(z, b)) break;
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

namespace {

// Grows the three work arrays to what a history of n points needs, each
// array by `grow(array, size)`.
template <typename Grow>
void SizeArrays(int32_t n, std::vector<float>& stack, std::vector<float>& ranges, std::vector<float>& means,
                Grow grow) {
  n = std::max<int32_t>(n, 0);
  const size_t cycleSize = static_cast<size_t>(RainflowCounter::MaxCycles(n)) + 1;
  grow(stack, static_cast<size_t>(n) + 2);
  grow(ranges, cycleSize);
  grow(means, cycleSize);
}

// Counts the points of h(1..n) that the history holds, in stretches of
// 65536 points with `between` after each, the arrays grown by `grow`.
template <typename Grow, typename Between>
int32_t CountInStretches(const std::vector<float>& history, int32_t n, std::vector<float>& stack,
                         std::vector<float>& ranges, std::vector<float>& means, Grow grow, Between between) {
  n = std::clamp<int32_t>(n, 0, history.empty() ? 0 : static_cast<int32_t>(history.size()) - 1);
  SizeArrays(n, stack, ranges, means, grow);
  RainflowCounter counter(history.data(), n, stack.data(), ranges.data(), means.data());
  constexpr int32_t kStretch = 1 << 16;
  for (int32_t until = kStretch; !counter.CountUpTo(until); until += std::min(kStretch, INT32_MAX - until)) between();
  return counter.Cycles();
}

void GrowAtOnce(std::vector<float>& a, size_t size) {
  if (a.size() < size) a.resize(size, 0.0f);
}

}  // namespace

void SizeRainflowArrays(int32_t n, std::vector<float>& stack, std::vector<float>& ranges,
                        std::vector<float>& means) {
  SizeArrays(n, stack, ranges, means, GrowAtOnce);
}

int32_t CountRainflow(const std::vector<float>& history, int32_t n, std::vector<float>& stack,
                      std::vector<float>& ranges, std::vector<float>& means) {
  return CountInStretches(history, n, stack, ranges, means, GrowAtOnce, [] {});
}

int32_t CountRainflow(const std::vector<float>& history, int32_t n, std::vector<float>& stack,
                      std::vector<float>& ranges, std::vector<float>& means, EventPump& pump) {
  // Work arrays of millions of points are first touched piece by piece too.
  return CountInStretches(
      history, n, stack, ranges, means, [&pump](std::vector<float>& a, size_t size) { GrowInPieces(a, size, pump); },
      [&pump] { pump.Tick(); });
}
