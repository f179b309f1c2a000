#pragma once

#include <string_view>

class SeqWriter;

// One text item of a print statement, written so that SeqReader::ReadString
// gives it back as one item: as it stands, except that an empty text is
// written as "" (a reader that has just taken a number at the end of a line
// has also taken the line end, and would read the next line for an empty
// text written as nothing).
void PrintTextItem(SeqWriter& w, std::string_view text);
