#pragma once

#include <string_view>

// The value of one number item of a sequential input file, from its text as
// the reader cut it out (no blanks, commas or line ends in it). Every reader
// of sequential files takes its numbers through these, so that the same item
// gives the same value whichever reader reads it.
//   an empty item (two commas in a row) is 0;
//   an item that is not a whole decimal number raises kErrTypeMismatch;
//   a magnitude beyond the Double range raises kErrOverflow.
double SeqNumberValue(std::string_view item);

// The item as a Single: SeqNumberValue, then kErrOverflow for a number no
// Single holds (SingleOf: beyond the Single range, or not 0 but too small).
float SeqSingleValue(std::string_view item);
