#pragma once

#include <cstdint>
#include <string>

// The codes of ShellState::UiState, by name: whether the main view takes a
// new command, and which working frame the About box covers.
namespace ui_state {
inline constexpr int16_t kBusy = 0;
inline constexpr int16_t kIdle = 1;
inline constexpr int16_t kAboutOverProblemDefinition = 2;
inline constexpr int16_t kAboutOverSettings = 3;
inline constexpr int16_t kAboutOverDataServices = 4;
inline constexpr int16_t kAboutOverLoadingDatabase = 5;
inline constexpr int16_t kAboutOverFatigueDatabase = 6;
}  // namespace ui_state

// The codes of ShellState::SecondWindowView: which view the second window shows.
namespace second_window_view {
inline constexpr int16_t kTestData = 4;
inline constexpr int16_t kSimulationResults = 5;
inline constexpr int16_t kRandomVariables = 6;
}  // namespace second_window_view

// The application shell's own record.
struct ShellState {
  int16_t UiState = 1;           // 1 idle; 0 busy; 2..6 the About box covers a frame
  int16_t WarrantyAccepted = 0;
  int16_t ToolTipMode = 0;       // 0 "&Show", 1 "&Hide"
  int16_t BeepEnabled = 1;       // 1: refusals and errors beep first
  int16_t DisplayColourCount = -1;  // queried at start-up; -1 above 256 colours
  std::string OwnerName = "Quorz";
  int32_t PressedLabelColour = 0;
  // While the About box is up: the UiState it found when it opened, and the
  // ui_state code of the working frame it covers (0 none; about_box_state.h).
  int16_t UiStateBeforeAbout = 1;
  int16_t AboutCoveredFrame = 0;
  std::string CaptionBuf;
  int16_t SecondWindowView = 0;  // second_window_view: 4 test data, 5 results, 6 random variables
  int16_t JobFileBusy = 0;       // 1 while a job file is opened or saved (job_file_work.h)

  bool operator==(const ShellState&) const = default;
};
