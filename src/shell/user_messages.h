#pragma once

#include <string>

#include "platform/host.h"
#include "shell/shell_state.h"

// The alert rule that every subsystem's messages follow. Header-only, so
// that any core library may show a message without linking the shell.

// Every refusal, error and question of the program is preceded by a beep
// while the beep setting is on.
inline void BeepIfEnabled(const ShellState& shell, Host& host) {
  if (shell.BeepEnabled == 1) host.Beep();
}

// Beeps (when the beep setting is on), then shows the message box and returns
// the answer.
inline int AlertBox(const ShellState& shell, Host& host, const std::string& text, MsgButtons buttons, MsgIcon icon,
                    int defaultButton, const std::string& title) {
  BeepIfEnabled(shell, host);
  return host.MsgBox(text, buttons, icon, defaultButton, title);
}

// A refused value as its box tells the user: the message, its icon and title.
struct InputRefusal {
  std::string text;
  MsgIcon icon = MsgIcon::Critical;
  std::string title;
};

// The refusal of data that cannot be taken, alone or followed by its reason.
inline constexpr const char* kDataIncorrect = "Sorry, Data Incorrect!";
// The text of a refused input: "Sorry, Data Incorrect! " followed by the reason.
inline std::string DataIncorrectText(const std::string& reason) { return std::string(kDataIncorrect) + " " + reason; }
