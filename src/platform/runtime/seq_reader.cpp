#include "platform/runtime/seq_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/runtime/blanks.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_input.h"
#include "platform/runtime/seq_items.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/whole_numbers.h"

namespace {

// No file of the program comes near this; a larger one is refused, not loaded.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

std::string ReadWholeFile(const std::string& path) {
  const int fd = OpenSeqInput(path);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    throw RuntimeError(kErrDeviceIO, path);
  }
  if (static_cast<std::size_t>(st.st_size) > kMaxFileBytes) {
    ::close(fd);
    throw RuntimeError(kErrOutOfMemory, path);
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      throw RuntimeError(kErrDeviceIO, path);
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxFileBytes) {  // the file grew while being read
      ::close(fd);
      throw RuntimeError(kErrOutOfMemory, path);
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace

SeqReader SeqReader::Open(const std::string& path) { return FromText(Cp1252ToUtf8(ReadWholeFile(path))); }

SeqReader SeqReader::FromText(std::string text) {
  return SeqReader(WithoutControlCharacters(text, /*keepLineBreaks=*/true));
}

void SeqReader::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

void SeqReader::SkipLineEnd() {
  if (At('\r')) {
    ++pos_;
    if (At('\n')) ++pos_;
  } else if (At('\n')) {
    ++pos_;
  }
}

void SeqReader::SkipItemEnd() {
  SkipBlanks();
  if (At(',')) ++pos_;
  else SkipLineEnd();
}

bool SeqReader::NoItemsLeft() const {
  for (std::size_t i = pos_; i < text_.size(); ++i)
    if (!IsBlank(text_[i]) && text_[i] != '\r' && text_[i] != '\n') return false;
  return true;
}

void SeqReader::RequireMore() const {
  if (Eof()) throw RuntimeError(kErrInputPastEnd);
}

std::string SeqReader::NumberToken() {
  while (pos_ < text_.size() && (IsBlank(text_[pos_]) || AtLineEnd())) ++pos_;
  RequireMore();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !IsBlank(text_[pos_]) && !At(',') && !AtLineEnd()) ++pos_;
  std::string token = text_.substr(start, pos_ - start);
  SkipItemEnd();
  return token;
}

double SeqReader::ReadNumber() { return SeqNumberValue(NumberToken()); }

double SeqReader::ReadDouble() { return ReadNumber(); }

float SeqReader::ReadSingle() { return SeqSingleValue(NumberToken()); }

int16_t SeqReader::ReadInteger() { return CInt(ReadNumber()); }

int32_t SeqReader::ReadLong() { return CLng(ReadNumber()); }

std::string SeqReader::QuotedString() {
  ++pos_;  // opening quote
  const std::size_t close = text_.find('"', pos_);
  const std::size_t end = close == std::string::npos ? text_.size() : close;
  std::string item = text_.substr(pos_, end - pos_);
  pos_ = close == std::string::npos ? end : close + 1;
  // anything between the closing quote and the item's end is dropped
  while (pos_ < text_.size() && !At(',') && !AtLineEnd()) ++pos_;
  if (At(',')) ++pos_;
  else SkipLineEnd();
  return WithoutControlCharacters(item);  // a quoted item may run over line ends, a text holds none
}

std::string SeqReader::ReadString() {
  RequireMore();
  SkipBlanks();
  if (At('"')) return QuotedString();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !At(',') && !AtLineEnd()) ++pos_;
  std::size_t end = pos_;
  while (end > start && IsBlank(text_[end - 1])) --end;
  if (At(',')) ++pos_;
  else SkipLineEnd();
  return text_.substr(start, end - start);
}

std::string SeqReader::LineInput() {
  RequireMore();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !AtLineEnd()) ++pos_;
  std::string line = text_.substr(start, pos_ - start);
  SkipLineEnd();
  return line;
}
