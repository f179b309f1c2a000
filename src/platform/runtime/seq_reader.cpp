#include "platform/runtime/seq_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/blanks.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/typed_number.h"
#include "platform/runtime/whole_numbers.h"

namespace {

// No file of the program comes near this; a larger one is refused, not loaded.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

bool FolderExists(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return true;
  struct stat st {};
  const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

[[noreturn]] void RaiseOpenError(const std::string& path, int err) {
  if (err == ENOENT) throw RuntimeError(FolderExists(path) ? kErrFileNotFound : kErrPathNotFound, path);
  throw RuntimeError(RuntimeErrorFromErrno(err), path);
}

std::string ReadWholeFile(const std::string& path) {
  // O_NONBLOCK: a named pipe or device in place of the file must be refused
  // below, not wait for a writer; it does not change reading a regular file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) RaiseOpenError(path, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw RuntimeError(kErrPathFileAccess, path);
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

// A whole token as a decimal number; an empty item (between commas) reads as 0.
double ParseNumber(const std::string& token) {
  double value = 0.0;
  if (token.empty()) return value;
  if (!ParseWholeNumber(token, value)) throw RuntimeError(kErrTypeMismatch, token);
  if (std::isinf(value)) throw RuntimeError(kErrOverflow, token);
  return value;
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

double SeqReader::ReadNumber() { return ParseNumber(NumberToken()); }

double SeqReader::ReadDouble() { return ReadNumber(); }

float SeqReader::ReadSingle() {
  const std::optional<float> v = SingleOf(ReadNumber());
  if (!v) throw RuntimeError(kErrOverflow);
  return *v;
}

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
