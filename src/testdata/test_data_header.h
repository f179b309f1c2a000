#pragma once

#include <string_view>

class SeqWriter;

// The header lines of the test data file, written so that the reader gives
// every header text back as it was. The reader runs all the items before the
// marker together, without separators, into header text 1, and takes one
// item for each of the texts 2 to 5. A text that a quoted item can hold is
// written as one quoted item (the file's usual form). Two kinds of text are
// written otherwise, as the reader's own items would give them:
//   - text 1 equal to the marker: two quoted items that run together to it
//     (a single item of that text would be read as the marker);
//   - a double quote in a text, which no quoted item can hold: the part of
//     the text around it between commas, less its blanks at either end, is
//     written unquoted (a text 2 to 5 whole, where the reader could take it
//     back so).
// A part that no item gives back so (one that begins with a double quote,
// which the reader's items never give) is written quoted, its double quotes
// as single ones, as in every quoted item.

// Line 1: header text 1, before the marker.
void WriteFirstHeaderLine(SeqWriter& out, std::string_view text, std::string_view marker);

// One of the lines of header texts 2 to 5.
void WriteHeaderLine(SeqWriter& out, std::string_view text);
