#include <utility>

#include "montecarlo/mcs_results_file.h"

// Shell's gaps n/2, n/4, ..., 1; for each gap, exchange passes repeat until
// one exchanges nothing, each pass ending where the last one exchanged. Equal
// lives are never exchanged.
void SortLives(std::vector<float>& lives, int32_t n) {
  if (n < 2 || lives.size() <= static_cast<std::size_t>(n)) return;
  float* const life = lives.data();
  for (int32_t gap = n / 2; gap >= 1; gap /= 2) {
    int32_t limit = n - gap;
    for (;;) {
      int32_t last = 0;
      for (int32_t i = 1; i <= limit; ++i) {
        if (life[i] > life[i + gap]) {
          std::swap(life[i], life[i + gap]);
          last = i;
        }
      }
      if (last == 0) break;
      limit = last - gap;
    }
  }
}
