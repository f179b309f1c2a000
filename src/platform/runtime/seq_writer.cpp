#include "platform/runtime/seq_writer.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/cp1252.h"
#include "platform/runtime/number_text.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_text.h"

namespace {
constexpr int kZoneWidth = 14;
}

void SeqWriter::Append(std::string_view utf8) {
  afterNumber_ = false;
  const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  const std::size_t start = bytes_.size();
  if (std::all_of(utf8.begin(), utf8.end(), ascii)) bytes_ += utf8;  // the same bytes in both
  else bytes_ += Utf8ToCp1252(utf8);
  for (std::size_t i = start; i < bytes_.size(); ++i) {
    const char c = bytes_[i];
    column_ = (c == '\r' || c == '\n') ? 1 : column_ + 1;
  }
}

void SeqWriter::PadTo(int column) {
  if (column > column_) Append(std::string(static_cast<std::size_t>(column - column_), ' '));
}

bool SeqWriter::Writable(double value) {
  if (std::isfinite(value)) return true;
  nonFinite_ = true;
  return false;
}

void SeqWriter::EndLine() { Append("\r\n"); }

SaveResult SeqWriter::Save(const std::string& path) const {
  if (nonFinite_) return SaveResult{false, kErrOverflow, RuntimeErrorText(kErrOverflow)};
  return WriteFileAtomically(path, bytes_);
}

SeqWriter& SeqWriter::PrintText(std::string_view text) {
  const std::string item = StorableText(text);
  if (NeedsQuotes(item) || (item.empty() && afterNumber_)) Append("\"" + item + "\"");
  else Append(item);
  return *this;
}

void SeqWriter::PrintNumber(const std::string& text) {
  Append(text);
  afterNumber_ = true;
}

void SeqWriter::PrintItem(float value) {
  if (Writable(value)) PrintNumber(PrintSingle(value));
}
void SeqWriter::PrintItem(ExactSingle single) {
  if (Writable(single.value)) PrintNumber(PrintSingleExactly(single.value));
}
void SeqWriter::PrintItem(double value) {
  if (Writable(value)) PrintNumber(PrintDouble(value));
}
void SeqWriter::PrintItem(int16_t value) { PrintNumber(PrintInteger(value)); }
void SeqWriter::PrintItem(int32_t value) { PrintNumber(PrintInteger(value)); }
void SeqWriter::PrintItem(std::string_view text) { Append(WithoutControlCharacters(text, /*keepLineBreaks=*/true)); }

void SeqWriter::PrintItem(Tab tab) {
  const int column = tab.column < 1 ? 1 : tab.column;
  if (column_ > column) EndLine();
  PadTo(column);
}

void SeqWriter::PrintItem(NextZone) { PadTo(((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1); }

void SeqWriter::WriteItem(float value) {
  if (Writable(value)) Append(WriteNumberSingle(value));
}
void SeqWriter::WriteItem(double value) {
  if (Writable(value)) Append(WriteNumberDouble(value));
}
void SeqWriter::WriteItem(int16_t value) { Append(WriteNumberInteger(value)); }
void SeqWriter::WriteItem(int32_t value) { Append(WriteNumberInteger(value)); }
void SeqWriter::WriteItem(std::string_view text) {
  Append("\"");
  Append(StorableText(text, TextItemStyle::Write));
  Append("\"");
}
