#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A sequential input file, opened whole. Items are taken in order whatever the
// line breaks; CR LF, a lone CR and a lone LF each end a line.
//   number: leading blanks and line ends are skipped; it ends at a blank, a comma
//           or a line end (a comma or line end right after it is consumed);
//   string: leading blanks are skipped; it ends at a comma or a line end and loses
//           its trailing blanks; one that begins with a double quote runs to the
//           next double quote and may hold commas (line ends inside it are
//           dropped); an empty line is one empty item.
// Control characters other than Tab, CR and LF are ignored wherever they stand
// (writers never write them, seq_text.h), so a text item read from a file is
// in the form that StorableText gives it.
// Failures raise RuntimeError (the runtime's error trap): kErrInputPastEnd when
// nothing is left, kErrTypeMismatch for an item that is not a number, kErrOverflow
// for a number that does not fit its type (the rule of TypedSingle: also a
// non-zero number too small for a Single); opening: kErrFileNotFound, kErrPathNotFound,
// kErrPermissionDenied, kErrPathFileAccess (also for a folder), kErrOutOfMemory
// (a file beyond 1 GiB, which no file of the program comes near).
class SeqReader {
 public:
  // Opens a file; its bytes are decoded from Windows-1252.
  static SeqReader Open(const std::string& path);
  // A reader over text already in memory (UTF-8).
  static SeqReader FromText(std::string text);

  double ReadNumber();  // the value as read, in double
  float ReadSingle();
  double ReadDouble();
  int16_t ReadInteger();  // nearest whole number, halves to even
  int32_t ReadLong();
  std::string ReadString();
  std::string LineInput();  // the rest of the current line, without its line end

  bool Eof() const { return pos_ >= text_.size(); }
  // Whether nothing but blanks and line ends is left: no further item.
  bool NoItemsLeft() const;

  // The reading position, to read ahead and come back to it (Seek).
  std::size_t Tell() const { return pos_; }
  void Seek(std::size_t position) { pos_ = position < text_.size() ? position : text_.size(); }

 private:
  explicit SeqReader(std::string text) : text_(std::move(text)) {}

  bool At(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
  bool AtLineEnd() const { return At('\r') || At('\n'); }
  void SkipBlanks();
  void SkipLineEnd();
  void SkipItemEnd();  // blanks, then one comma or one line end
  void RequireMore() const;
  std::string NumberToken();
  std::string QuotedString();

  std::string text_;
  std::size_t pos_ = 0;
};
