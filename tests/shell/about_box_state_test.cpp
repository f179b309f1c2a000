#include "shell/about_box_state.h"

#include <gtest/gtest.h>

#include <optional>

#include "shell/shell_state.h"

namespace {

using namespace ui_state;

// The state About finds, the frame it covers, what else sets UiState while
// it is up (nothing, the end of a run or a Calculate, the settings frame
// opened after that), and the state once it is closed.
TEST(AboutBoxState, ClosingGivesBackTheStateThatHoldsThen) {
  struct Case {
    const char* what;
    int16_t found, covered;
    std::optional<int16_t> setWhileUp;
    int16_t afterClose;
  };
  const Case cases[] = {
      {"idle, no working frame", kIdle, kBusy, {}, kIdle},
      {"idle, over the problem definition", kIdle, kAboutOverProblemDefinition, {}, kIdle},
      {"idle, over the fatigue database", kIdle, kAboutOverFatigueDatabase, {}, kIdle},
      {"the settings frame holds its code", kBusy, kAboutOverSettings, {}, kAboutOverSettings},
      {"a run still going", kBusy, kBusy, {}, kBusy},
      {"a run still going, over the loading database", kBusy, kAboutOverLoadingDatabase, {}, kBusy},
      {"a run that ended", kBusy, kBusy, kIdle, kIdle},
      {"a run that ended, over the loading database", kBusy, kAboutOverLoadingDatabase, kIdle, kIdle},
      {"the settings frame opened after the run", kBusy, kAboutOverDataServices, kBusy, kBusy},
  };
  for (const Case& c : cases) {
    ShellState shell;
    shell.UiState = c.found;
    AboutBoxOpened(shell, c.covered);
    EXPECT_EQ(shell.UiState, c.covered) << c.what;
    EXPECT_EQ(shell.AboutCoveredFrame, c.covered) << c.what;
    if (c.setWhileUp) shell.UiState = *c.setWhileUp;
    AboutBoxClosed(shell);
    EXPECT_EQ(shell.UiState, c.afterClose) << c.what;
  }
}

}  // namespace
