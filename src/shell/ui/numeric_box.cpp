#include "shell/ui/numeric_box.h"

#include "shell/user_messages.h"

void PaintForEditing(TextBox& box) {
  box.SetBackColor(kEditBackColour);
  box.SetForeColor(kEditForeColour);
}

void PaintAccepted(TextBox& box, int32_t backColour) {
  box.SetBackColor(backColour);
  box.SetForeColor(0);
}

bool IsBeingEdited(const TextBox& box) { return box.ForeColor() == kEditForeColour; }

bool LeftUntyped(TextBox& box, int32_t backColour) {
  if (box.Typed()) return false;
  PaintAccepted(box, backColour);
  return true;
}

bool RefuseInput(const ShellState& shell, Host& host, const Control& shownOn, TextBox& box,
                 const std::string& text, const std::string& title, const std::string& restoreText) {
  if (!shownOn.IsShowing()) return false;
  AlertBox(shell, host, text, MsgButtons::OKOnly, MsgIcon::Critical, 1, title);
  box.SetText(restoreText);
  box.SetFocus();
  return true;
}
