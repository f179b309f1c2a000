#include "testdata/test_data_records.h"

#include <cmath>

int WholePointCount(float count) {
  if (!(count > 0)) return 0;  // also NaN
  if (count >= kTestPointMax) return kTestPointMax;
  return static_cast<int>(std::nearbyint(count));  // the default rounding: halves to even
}
