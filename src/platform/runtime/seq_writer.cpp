#include "platform/runtime/seq_writer.h"

#include "platform/runtime/cp1252.h"
#include "platform/runtime/number_text.h"

namespace {
constexpr int kZoneWidth = 14;
}

void SeqWriter::Append(std::string_view utf8) {
  const std::string bytes = Utf8ToCp1252(utf8);
  for (char c : bytes) column_ = (c == '\r' || c == '\n') ? 1 : column_ + 1;
  bytes_ += bytes;
}

void SeqWriter::PadTo(int column) {
  if (column > column_) Append(std::string(static_cast<std::size_t>(column - column_), ' '));
}

void SeqWriter::EndLine() { Append("\r\n"); }

SaveResult SeqWriter::Save(const std::string& path) const { return WriteFileAtomically(path, bytes_); }

void SeqWriter::PrintItem(float value) { Append(PrintSingle(value)); }
void SeqWriter::PrintItem(double value) { Append(PrintDouble(value)); }
void SeqWriter::PrintItem(int16_t value) { Append(PrintInteger(value)); }
void SeqWriter::PrintItem(int32_t value) { Append(PrintInteger(value)); }
void SeqWriter::PrintItem(std::string_view text) { Append(text); }

void SeqWriter::PrintItem(Tab tab) {
  const int column = tab.column < 1 ? 1 : tab.column;
  if (column_ > column) EndLine();
  PadTo(column);
}

void SeqWriter::PrintItem(NextZone) { PadTo(((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1); }

void SeqWriter::WriteItem(float value) { Append(WriteNumberSingle(value)); }
void SeqWriter::WriteItem(double value) { Append(WriteNumberDouble(value)); }
void SeqWriter::WriteItem(int16_t value) { Append(WriteNumberInteger(value)); }
void SeqWriter::WriteItem(int32_t value) { Append(WriteNumberInteger(value)); }
void SeqWriter::WriteItem(std::string_view text) {
  Append("\"");
  Append(text);
  Append("\"");
}
