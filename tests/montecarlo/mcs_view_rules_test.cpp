// The rules of the results view's boxes, on a result in memory.

#include "montecarlo/mcs_view_rules.h"

#include <gtest/gtest.h>

#include "platform/runtime/typed_number.h"
#include "program_state.h"

namespace {

// A Pf above the share of the lives the law stands for is refused and
// corrected to a Pf the box takes: 0.001 below the share, or the share
// itself when nearly every life never fails; the level stays below 1 and
// the corrected text, committed, is taken.
TEST(EnterFailureProbability, APfAboveTheShareIsCorrectedToOneTheBoxTakes) {
  const struct {
    int32_t lives, failing;
    int16_t fit;
    double correctedPf;
    const char* text;
  } cases[] = {
      {1000, 200, 1, 0.199, "0.199"},          // no fit: 0.001 below the share
      {1000, 200, 2, 0.199, "0.199"},          // a fit over its tail
      {20000, 15, 1, 15.0 / 20000, "0.00075"},  // the share itself
      {100000, 30, 3, 30.0 / 100000, "0.0003"},
  };
  for (const auto& c : cases) {
    ProgramState s;
    McsResults& r = s.mcsResults;
    s.mcsSettings.SimulationsDone = c.lives;
    r.UsableLifeCount = c.failing;
    r.TailLifeCount = c.failing;
    r.LifeFitKind = c.fit;
    const float share = static_cast<float>(c.failing) / c.lives;
    const ResultsBoxEntry refused = EnterFailureProbability(s, share * 2);
    EXPECT_FALSE(refused.accepted) << c.lives;
    EXPECT_EQ(refused.message.rfind("Sorry, Data Incorrect! (Pf > ", 0), 0u) << refused.message;
    EXPECT_NEAR(1.0 - r.ProbabilityLevel, c.correctedPf, 1e-9) << c.lives;
    EXPECT_LT(r.ProbabilityLevel, 1.0) << c.lives;
    EXPECT_EQ(refused.text, c.text) << c.lives;
    EXPECT_TRUE(EnterFailureProbability(s, TypedSingle(refused.text).value_or(0.0f)).accepted) << c.text;
  }
}

}  // namespace
