#include "shell/user_messages.h"

void BeepIfEnabled(const ShellState& shell, Host& host) {
  if (shell.BeepEnabled == 1) host.Beep();
}

int AlertBox(const ShellState& shell, Host& host, const std::string& text, MsgButtons buttons, MsgIcon icon,
             int defaultButton, const std::string& title) {
  BeepIfEnabled(shell, host);
  return host.MsgBox(text, buttons, icon, defaultButton, title);
}

std::string DataIncorrectText(const std::string& reason) { return std::string(kDataIncorrect) + " " + reason; }
