#include "montecarlo/distribution_tag.h"

#include <gtest/gtest.h>

namespace {

struct TagCase {
  int16_t type;
  float cov;
  const char* tag;
};

TEST(FormatDistributionTag, TagsByTypeAndCoefficient) {
  const TagCase cases[] = {
      {-1, 0.1f, "{C}"},
      {0, 0.3f, "{\u2013}"},
      {1, 0.1f, "{N10}"},
      {2, 0.25f, "{L25}"},
      {3, 0.08f, "{W8}"},
      {4, 1.0f, "{E100}"},
      {5, 0.0f, "{U0}"},
      {1, 0.125f, "{N12}"},  // 12.5 rounds to the even 12
      {3, 0.125f, "{W12}"},
      {5, 1.0f, "{U100}"},
      {9, 0.3f, ""},
      {1, 0.135f, "{N14}"},  // the Single 0.135 lies just above 13.5
      {1, 0.145f, "{N14}"},  // and 0.145 just below 14.5
      {2, 3.0f, "{L300}"},
      {1, -0.05f, "{N-5}"},
      {6, 0.1f, ""},
      {-2, 0.1f, ""},
  };
  for (const TagCase& c : cases) EXPECT_EQ(FormatDistributionTag(c.type, c.cov), c.tag) << c.type << " " << c.cov;
}

TEST(FormatDistributionTag, HugeCoefficientGivesATagNotAFailure) {
  EXPECT_EQ(FormatDistributionTag(1, 1e6f), "{N100000000}");
}

}  // namespace
