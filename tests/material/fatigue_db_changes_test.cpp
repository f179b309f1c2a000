#include "material/fatigue_db_changes.h"

#include <gtest/gtest.h>

#include "program_state.h"
#include "support/fake_host.h"

namespace {

TEST(MayLoseFatigueDbChanges, AsksOnlyWhenUnsavedEditsWouldBeLost) {
  struct Case {
    int16_t modified, batches;
    int answer;  // 0: no question expected
    bool mayLose;
  };
  const Case cases[] = {
      {0, 3, 0, true},                // saved
      {1, 0, 0, true},                // edited, but nothing in memory
      {1, 3, kAnswerOK, true},
      {1, 3, kAnswerCancel, false},
      {1, 3, -1, false},              // unscripted: the default button, Cancel
  };
  for (const Case& c : cases) {
    ProgramState s;
    FakeHost host;
    s.fatigueDbState.FatigueDbModified = c.modified;
    s.fatigueDbState.FatigueBatchCount = c.batches;
    if (c.answer > 0) host.QueueAnswer(c.answer);
    EXPECT_EQ(MayLoseFatigueDbChanges(s, host, "Open Fatigue Database"), c.mayLose) << c.modified << c.answer;
    ASSERT_EQ(host.messages.size(), c.answer ? 1u : 0u) << c.modified << c.answer;
    if (!c.answer) continue;
    EXPECT_EQ(host.messages[0].text, "Changes in Fatigue Database will be lost.");
    EXPECT_EQ(host.messages[0].title, "Open Fatigue Database");
    EXPECT_EQ(host.messages[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(host.messages[0].defaultButton, 2);
    EXPECT_EQ(host.beeps, 1);
  }
}

}  // namespace
