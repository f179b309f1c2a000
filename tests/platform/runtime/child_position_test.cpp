#include "platform/draw/child_position.h"

#include <gtest/gtest.h>

#include "support/recording_surface.h"

namespace {

TEST(ChildPosition, PointsOfTheUserScaleAsTwipsFromTheTopLeftAndBack) {
  RecordingSurface s(3000, 1500);
  s.Scale(0, 100, 200, 0);  // y upward over an area of 3000 x 1500 twips
  s.SetScaleLeft(-20);      // the origin 20 units right of the left edge
  EXPECT_DOUBLE_EQ(TwipsFromLeft(s, 30, 3000), 750);
  EXPECT_DOUBLE_EQ(TwipsFromTop(s, 75, 1500), 375);
  EXPECT_DOUBLE_EQ(UserXAt(s, 750, 3000), 30);
  EXPECT_DOUBLE_EQ(UserYAt(s, 375, 1500), 75);
  // Without a scale the value stays as it is.
  RecordingSurface empty(0, 0);
  empty.Scale(0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(TwipsFromLeft(empty, 30, 3000), 30);
  EXPECT_DOUBLE_EQ(UserYAt(empty, 375, 0), 375);
}

}  // namespace
