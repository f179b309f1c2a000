#pragma once

#include <cstdint>
#include <vector>

class EventPump;

// Rainflow counting of a stress history h(1..n) followed by a closing point 0.
//
// The points in play are kept on a stack. Each new point is pushed; while at
// least three points are in play, the range Y between the third and second
// from the top is compared with the range X between the second and the top:
// when Y is at most X x 1.005 (X rounded to Single) Y is one cycle, its two
// points leave play and the comparison repeats, else the next point is
// pushed. Counting ends as soon as fewer than three history points remain
// uncounted (n - 2 x cycles < 3), or when the closing point has been used;
// the points still in play are the residue and are not counted.
// Time is linear in n; the stack needs at most n + 1 places and there are at
// most (n + 1) / 2 cycles.
class RainflowCounter {
 public:
  // history, stack, ranges and means are indexed from 1 (element 0 unused);
  // stack has room for n + 2 elements, ranges and means for MaxCycles(n) + 1.
  RainflowCounter(const float* history, int32_t n, float* stack, float* ranges, float* means);

  // Counts on until the point with index `until` (the closing point is n + 1)
  // has been taken in, or the counting ends. Returns true once it has ended.
  bool CountUpTo(int32_t until);
  bool Done() const { return done_; }
  int32_t Cycles() const { return cycles_; }

  static int32_t MaxCycles(int32_t n) { return n < 0 ? 0 : (n + 1) / 2; }

 private:
  void CountBulk(int32_t stop);

  const float* history_;
  int32_t n_;
  float* stack_;
  float* ranges_;
  float* means_;
  int32_t top_ = 0;     // stack_[1 .. top_] are in play
  int32_t next_ = 1;    // index of the next point to take in
  int32_t cycles_ = 0;
  bool done_ = false;
};

// Counts the whole history h(1..n) into ranges and means (index 1 .. cycles),
// sizing the three arrays as needed; returns the number of cycles.
int32_t CountRainflow(const std::vector<float>& history, int32_t n, std::vector<float>& stack,
                      std::vector<float>& ranges, std::vector<float>& means);
// The same, with a tick of `pump` after every stretch of the history, so that
// a long history lets pending events through while it is counted.
int32_t CountRainflow(const std::vector<float>& history, int32_t n, std::vector<float>& stack,
                      std::vector<float>& ranges, std::vector<float>& means, EventPump& pump);

// Grows the work arrays to the sizes a history of n points needs (never
// shrinks them: other users may keep more in them).
void SizeRainflowArrays(int32_t n, std::vector<float>& stack, std::vector<float>& ranges,
                        std::vector<float>& means);
