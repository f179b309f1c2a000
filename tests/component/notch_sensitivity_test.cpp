#include "component/notch_sensitivity.h"

#include <gtest/gtest.h>

namespace {

TEST(NotchSensitivity, PetersonsRule) {
  EXPECT_FLOAT_EQ(NotchSensitivity(269.0f, 1.0f), 0.5f);          // a = 1 mm
  EXPECT_FLOAT_EQ(NotchFactorFromKt(3.0f, 0.5f), 2.0f);
  EXPECT_GT(NotchSensitivity(1000.0f, 1.0f), NotchSensitivity(269.0f, 1.0f));  // stronger steels are more sensitive
  EXPECT_EQ(NotchSensitivity(0.0f, 1.0f), 0.0f);                  // no strength, no radius: Kf = 1
  EXPECT_EQ(NotchSensitivity(269.0f, 0.0f), 0.0f);
  EXPECT_EQ(NotchFactorFromKt(3.0f, 0.0f), 1.0f);
}

}  // namespace
