#pragma once

#include <string>

// Blanks in the texts the runtime reads and the program shows.

// A blank between the items of a line: a space or a tab.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether `text` holds nothing but spaces (or nothing): a name left empty.
inline bool OnlyBlanks(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }
