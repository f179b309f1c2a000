#pragma once

#include <cstdint>
#include <string>

// The application shell's own record.
struct ShellState {
  int16_t UiState = 1;           // 1 idle; 0 busy; 2..6 the About box covers a frame
  int16_t WarrantyAccepted = 0;
  int16_t ToolTipMode = 0;       // 0 "&Show", 1 "&Hide"
  int16_t BeepEnabled = 1;       // 1: refusals and errors beep first
  int16_t DisplayColourCount = -1;  // queried at start-up; -1 above 256 colours
  std::string OwnerName = "Quorz";
  int32_t PressedLabelColour = 0;
  // The UiState the About box found when it opened; closing it gives it back.
  int16_t UiStateBeforeAbout = 1;
  std::string CaptionBuf;
  // What the second window shows: 4 the test data diagram, 5 the simulation
  // results, 6 the random-variable panel.
  int16_t SecondWindowView = 0;
};
