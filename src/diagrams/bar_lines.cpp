#include "diagrams/bar_lines.h"

#include <algorithm>
#include <vector>

#include "platform/draw/surface.h"
#include "platform/runtime/sng.h"
#include "platform/runtime/whole_numbers.h"
#include "program_state.h"

namespace {

// The damage of cycle j; a cycle the records do not hold has none.
float DamageOf(const std::vector<float>& damage, int32_t j) {
  return j >= 0 && static_cast<size_t>(j) < damage.size() ? damage[static_cast<size_t>(j)] : 0.0f;
}

}  // namespace

int32_t CyclesPerBar(double pixelsPerCycle, int32_t count) {
  const double perPixel = 1.0 / pixelsPerCycle;
  if (!(perPixel < count)) return std::max<int32_t>(count, 1);  // also a width of 0
  if (perPixel < 1) return 1;
  return CLng(perPixel);
}

void DrawBarLines(const ProgramState& s, Surface& target, float x0, float y0, float w, float ky, int32_t colour,
                  int32_t flag, int32_t count, float& sum) {
  if (count <= 0) return;
  const std::vector<float>& damage = s.results.LevelDamage;
  const int32_t n = CyclesPerBar(target.ScaleXToPixels(w), count);
  if (n <= 1) {
    for (int32_t j = 2; j <= count; ++j) {
      const double top = y0 + (static_cast<double>(flag) * sum + DamageOf(damage, j)) * ky;
      target.Line(x0 + static_cast<double>(w) * (j - 1), y0, x0 + static_cast<double>(w) * j, top, colour,
                  Surface::kBox);
      sum = Sng(static_cast<double>(sum) + DamageOf(damage, j));
    }
    return;
  }
  // Group g spans cycles g n to (g + 1) n, its first cycle shared with the
  // group before; the last group runs on to the last cycle.
  const int32_t groups = std::max<int32_t>(count / n, 1);
  for (int32_t g = 0; g < groups; ++g) {
    const int32_t first = g * n;
    const int32_t last = g + 1 == groups ? count : first + n;
    float peak = Sng(static_cast<double>(ky) * DamageOf(damage, first));
    for (int32_t j = first; j <= last; ++j) {
      peak = std::max(peak, Sng(static_cast<double>(ky) * DamageOf(damage, j)));
      if (j > first) sum = Sng(static_cast<double>(sum) + DamageOf(damage, j));
    }
    const double top = y0 + static_cast<double>(flag) * sum * ky + static_cast<double>(1 - flag) * peak;
    target.Line(x0 + static_cast<double>(w) * first, y0, x0 + static_cast<double>(w) * last, top, colour,
                Surface::kBox);
  }
}
