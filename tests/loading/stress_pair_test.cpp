#include "loading/stress_pair.h"

#include <gtest/gtest.h>

#include "loading/loading_records.h"

namespace {

TEST(DeriveStressPair, TheLoadingInUseWithItsCopies) {
  struct Case {
    int16_t mode;
    float range, minOrMean, smax, smin;
  };
  // Amplitude and mean; range and minimum; a negative range given with its
  // minimum: the pair is exchanged so that the maximum comes first.
  for (const Case c : {Case{2, 100, 20, 70, -30}, Case{1, 100, -40, 60, -40}, Case{1, -40, 30, 30, -10}}) {
    LoadingData l;
    l.StressInputMode = c.mode;
    l.StressRange = c.range;
    l.StressMinOrMean = c.minOrMean;
    l.StressRangeTo = 999;  // the typed pair's fields play no part
    l.StressMinOrMeanInput = 999;
    DeriveStressPair(l);
    EXPECT_EQ(l.SpectrumSmax, c.smax) << c.mode << " " << c.range;
    EXPECT_EQ(l.SpectrumSmin, c.smin) << c.mode << " " << c.range;
    EXPECT_EQ(l.LoadSmax, c.smax);
    EXPECT_EQ(l.LoadSmin, c.smin);
  }
}

}  // namespace
