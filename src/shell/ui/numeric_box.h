#pragma once

#include <cstdint>
#include <string>

#include "platform/host.h"
#include "platform/ui/control.h"
#include "platform/ui/text_box.h"
#include "shell/shell_state.h"

// The editing state of a numeric input box: GotFocus paints it white with a
// magenta text; an accepting LostFocus gives it its resting colours back. A
// box whose text is still magenta holds a value that was not accepted.
inline constexpr int32_t kEditBackColour = 0xFFFFFF;
inline constexpr int32_t kEditForeColour = 0xFF00FF;

void PaintForEditing(TextBox& box);
void PaintAccepted(TextBox& box, int32_t backColour);
bool IsBeingEdited(const TextBox& box);

// Leaving a box that the user did not type into keeps the value the program
// put there: the box gets its resting colours back and nothing is checked or
// stored (a value shown rounded keeps its full stored value). Returns true
// when so; the handler then only enables what the accepting path enables.
bool LeftUntyped(TextBox& box, int32_t backColour);

// A refused value. While `shownOn` (the picture or frame that shows the box)
// is on show: beep (when on), the critical message box with OK, the box text
// restored to `restoreText`, and the focus back to the box; returns true.
// While it is hidden the refusal is silent: the typed text stays; returns false.
bool RefuseInput(const ShellState& shell, Host& host, const Control& shownOn, TextBox& box,
                 const std::string& text, const std::string& title, const std::string& restoreText);
