#pragma once

#include <string>
#include <string_view>

// How the program's sequential files keep their texts, so that every text a
// file holds reads back exactly as it was stored. Boxes pass a typed text
// through StorableText before they store it; SeqWriter::PrintText and
// SeqWriter::WriteItem write texts by the same rule; SeqReader's text items
// come back in the same form.
//
//   - Control characters below 32 other than Tab never reach a file: they are
//     dropped (a text of several lines keeps its lines, see StorableLines).
//   - Characters that the Windows-1252 code page lacks become '?', as the file
//     can hold nothing else.
//   - A print-style text item that the reader takes back whole (no comma, no
//     double quote at its start, no blank or Tab at either end) is written as
//     it stands; any other is written in double quotes, which the reader
//     removes.
//   - The runtime has no escape for a double quote inside a quoted item: a
//     text that must be quoted has each '"' replaced by '\''. Write-style
//     items are always quoted, so each '"' in them becomes '\''.
enum class TextItemStyle {
  Print,  // written unquoted where the reader allows it (Print #)
  Write,  // always written in double quotes (Write #)
};

// The text as a file of the program keeps it (the rules above).
std::string StorableText(std::string_view text, TextItemStyle style = TextItemStyle::Print);

// Whether a print-style text item must be written in double quotes to be read
// back whole: it holds a comma, begins with a double quote, or begins or ends
// with a blank or Tab.
bool NeedsQuotes(std::string_view text);

// A text of several lines (a description and reference) as a file keeps it:
// its lines separated by a lone carriage return (CR LF and a lone LF become
// one), other control characters but Tab dropped, characters outside the code
// page replaced by '?'.
std::string StorableLines(std::string_view text);

// The text without its control characters below 32 other than Tab; with
// `keepLineBreaks` its CR and LF stay as well.
std::string WithoutControlCharacters(std::string_view text, bool keepLineBreaks = false);
