#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/atomic_file.h"

// Items that move the print position within a print statement.
struct Tab {  // "at column n": pads to column n, on a new line when already past it
  int column;
};
struct NextZone {};  // the ',' of a print statement: to the next 14-column zone
inline constexpr NextZone Zone{};
// A Single in the print form with the digits it needs to read back as the
// same Single (ExactNumberText) rather than at most 7: for files the program
// reads again. A Single that 7 digits keep prints as the plain float does.
struct ExactSingle {
  float value;
};

// A sequential output file, opened whole for output: its bytes are collected in
// memory (Windows-1252, CR LF line ends) and written by Save.
//
// Print style (print statements):
//   Print #f, a; b; c          ->  w.PrintLine(a, b, c);
//   Print #f, a; b;            ->  w.Print(a, b);           (no line end)
//   Print #f, "", "x"          ->  w.PrintLine("", Zone, "x");
//   Print #f, Tab(48); d       ->  w.PrintLine(Tab{48}, d);
// Numbers take the print form by their type (float = Single, double = Double,
// int16_t = Integer, int32_t = Long): " 1.5 ", "-2 "; strings are unquoted.
//   Print #f, name             ->  w.PrintText(name);       (one text item)
// PrintText writes a text that a reader takes as one item (SeqReader::
// ReadString) so that it reads back exactly: in double quotes where it must
// be (seq_text.h); Print writes a text as it stands (headers, whole lines).
//
// Write style (comma-separated):
//   Write #f, "x", 1.5         ->  w.WriteLine("x", 1.5f);   =>  "x",1.5
//   Write #f                   ->  w.WriteLine();            =>  empty line
// Write-style texts are always quoted, with each '"' in them written as '\''.
//
// No text writes a control character other than Tab: PrintText and WriteItem
// follow seq_text.h; Print keeps the CR and LF of its items (line breaks that
// are part of the layout) and drops the others. No file may hold
// a number that cannot be read back: a non-finite number is not written, and
// Save then fails with "Overflow" and leaves the old file as it was.
class SeqWriter {
 public:
  template <typename... Items>
  SeqWriter& Print(const Items&... items) {
    (PrintItem(items), ...);
    return *this;
  }

  template <typename... Items>
  SeqWriter& PrintLine(const Items&... items) {
    Print(items...);
    EndLine();
    return *this;
  }

  template <typename... Items>
  SeqWriter& WriteLine(const Items&... items) {
    [[maybe_unused]] bool first = true;
    ((Append(first ? "" : ","), WriteItem(items), first = false), ...);
    EndLine();
    return *this;
  }

  // Ends the statement: CR LF.
  void EndLine();

  // One text item that SeqReader::ReadString gives back exactly (the text as
  // StorableText keeps it, in double quotes where it must be). An empty text
  // right after a number on its line is written as "": the reader takes the
  // line end with the number and would otherwise read the next line.
  SeqWriter& PrintText(std::string_view text);

  // Whether a non-finite number was given (and left out): the bytes are then
  // not a readable file, and Save refuses them.
  bool HeldNonFinite() const { return nonFinite_; }

  // The next print position, counted from 1 on the current line.
  int Column() const { return column_; }

  // The file's bytes as they stand (Windows-1252).
  const std::string& Bytes() const { return bytes_; }

  // Writes the bytes to `path`, replacing the file atomically; fails with
  // "Overflow" (writing nothing) when a non-finite number was given.
  SaveResult Save(const std::string& path) const;

  void PrintItem(float value);
  void PrintItem(ExactSingle single);
  void PrintItem(double value);
  void PrintItem(int16_t value);
  void PrintItem(int32_t value);
  void PrintItem(std::string_view text);
  void PrintItem(const char* text) { PrintItem(std::string_view(text)); }
  void PrintItem(const std::string& text) { PrintItem(std::string_view(text)); }
  void PrintItem(Tab tab);
  void PrintItem(NextZone);
  void PrintItem(bool) = delete;
  void PrintItem(char) = delete;

  void WriteItem(float value);
  void WriteItem(double value);
  void WriteItem(int16_t value);
  void WriteItem(int32_t value);
  void WriteItem(std::string_view text);
  void WriteItem(const char* text) { WriteItem(std::string_view(text)); }
  void WriteItem(const std::string& text) { WriteItem(std::string_view(text)); }
  void WriteItem(bool) = delete;
  void WriteItem(char) = delete;

 private:
  // Appends UTF-8 text as Windows-1252 and follows the print column.
  void Append(std::string_view utf8);
  void PrintNumber(const std::string& text);
  void PadTo(int column);
  // Whether a number can be written; marks the writer when it cannot.
  bool Writable(double value);

  std::string bytes_;
  int column_ = 1;
  bool nonFinite_ = false;
  bool afterNumber_ = false;  // the last item of the line is a number
};
