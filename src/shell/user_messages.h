#pragma once

#include <string>

#include "platform/host.h"
#include "shell/shell_state.h"

// Every refusal, error and question of the program is preceded by a beep
// while the beep setting is on.
void BeepIfEnabled(const ShellState& shell, Host& host);

// Beeps (when the beep setting is on), then shows the message box and returns
// the answer.
int AlertBox(const ShellState& shell, Host& host, const std::string& text, MsgButtons buttons, MsgIcon icon,
             int defaultButton, const std::string& title);

// The refusal of data that cannot be taken, alone or followed by its reason.
inline constexpr const char* kDataIncorrect = "Sorry, Data Incorrect!";
// The text of a refused input: "Sorry, Data Incorrect! " followed by the reason.
std::string DataIncorrectText(const std::string& reason);
