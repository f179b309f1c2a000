#include "platform/runtime/seq_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "platform/runtime/blanks.h"
#include "platform/runtime/core_workers.h"
#include "platform/runtime/cp1252.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_input.h"
#include "platform/runtime/seq_items.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/whole_numbers.h"

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsSpace(char c) { return IsBlank(c) || IsLineEnd(c); }
// What ends a number item.
bool EndsNumber(char c) { return IsSpace(c) || c == ','; }

// Whether an item surely begins at text[p] (0 < p), whatever came before: a
// comma or a line end before it has ended the item before it in any case; a
// blank has done so when a number follows it (a comma after blanks could
// still be the end of the item before them).
bool ItemBeginsAt(const char* text, std::size_t p, std::size_t size) {
  const char before = text[p - 1];
  if (before == ',' || IsLineEnd(before)) return true;
  return IsBlank(before) && p < size && !EndsNumber(text[p]);
}

// The outcome of reading the Single items of a chunk of text.
struct ChunkRead {
  std::size_t count = 0;  // items read
  std::size_t stop = 0;   // offset behind the last item read and its end
  int error = 0;          // the RuntimeError code of item `count`, 0 when none failed
};

// Reads the number items of text[0 .. size) as Singles into out (at most
// `limit`), by the item rules of SeqReader: blanks and line ends before an
// item are skipped; an item ends at a blank, a comma or a line end; then
// blanks and one comma or one line end are taken as its end.
ChunkRead ReadChunk(const char* text, std::size_t size, float* out, std::size_t limit) {
  ChunkRead r;
  std::size_t p = 0;
  try {
    while (r.count < limit) {
      while (p < size && IsSpace(text[p])) ++p;
      if (p == size) break;
      const std::size_t start = p;
      while (p < size && !EndsNumber(text[p])) ++p;
      out[r.count] = SeqSingleValue(std::string_view(text + start, p - start));
      ++r.count;
      while (p < size && IsBlank(text[p])) ++p;
      if (p < size) {
        if (text[p] == ',' || text[p] == '\n') {
          ++p;
        } else if (text[p] == '\r') {
          ++p;
          if (p < size && text[p] == '\n') ++p;
        }
      }
      r.stop = p;
    }
    if (r.count < limit) r.stop = p;
  } catch (const RuntimeError& e) {
    r.error = e.code();
  }
  return r;
}

std::uint64_t FileBytes(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || st.st_size < 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

// Drops the control characters of text[0 .. n) that the reader ignores
// (WithoutControlCharacters of seq_text.h); returns the length left.
std::size_t DropControlCharacters(char* text, std::size_t n) {
  // Blocks of a fixed length without branches, so that the scan runs on vectors.
  constexpr std::size_t kBlock = 64;
  const auto control = [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return static_cast<unsigned>(c < 32) & (c != '\t') & (c != '\r') & (c != '\n');
  };
  unsigned any = 0;
  std::size_t i = 0;
  for (; i + kBlock <= n; i += kBlock) {
    unsigned block = 0;
    for (std::size_t j = 0; j < kBlock; ++j) block |= control(text[i + j]);
    any |= block;
  }
  for (; i < n; ++i) any |= control(text[i]);
  if (any == 0) return n;
  const std::string kept = WithoutControlCharacters(std::string_view(text, n), /*keepLineBreaks=*/true);
  std::memcpy(text, kept.data(), kept.size());
  return kept.size();
}

}  // namespace

// ---- opening ----

SeqStream::SeqStream(int fd, std::uint64_t fileBytes, const Options& options)
    : fd_(fd), fileLeft_(fileBytes), options_(options) {
  options_.bufferBytes = std::max<std::size_t>(options_.bufferBytes, 16);
  options_.chunkBytes = std::max<std::size_t>(options_.chunkBytes, 1);
  buf_.resize(options_.bufferBytes);
}

SeqStream SeqStream::Open(const std::string& path, const Options& options) {
  const int fd = OpenSeqInput(path);
  return SeqStream(fd, FileBytes(fd), options);
}

SeqStream SeqStream::FromBytes(std::string bytes, const Options& options) {
  SeqStream s(-1, 0, options);
  s.buf_.assign(bytes.begin(), bytes.end());
  s.end_ = DropControlCharacters(s.buf_.data(), s.buf_.size());
  return s;
}

SeqStream::SeqStream(SeqStream&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      fileLeft_(other.fileLeft_),
      buf_(std::move(other.buf_)),
      pos_(other.pos_),
      end_(other.end_),
      options_(other.options_),
      scratch_(std::move(other.scratch_)),
      scratchSize_(std::exchange(other.scratchSize_, 0)) {}

SeqStream::~SeqStream() {
  if (fd_ >= 0) ::close(fd_);
}

// ---- the buffer ----

bool SeqStream::ReadMore() {
  if (fd_ < 0) return false;
  if (pos_ > 0) {
    std::memmove(buf_.data(), buf_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  if (end_ == buf_.size()) buf_.resize(buf_.size() * 2);  // only a caller holding a whole buffer gets here
  const std::size_t before = end_;
  while (end_ < buf_.size() && fd_ >= 0) {
    const ssize_t n = ::read(fd_, buf_.data() + end_, buf_.size() - end_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw RuntimeError(kErrDeviceIO);
    if (n == 0) {
      ::close(fd_);
      fd_ = -1;
      fileLeft_ = 0;
      break;
    }
    fileLeft_ -= std::min<std::uint64_t>(fileLeft_, static_cast<std::uint64_t>(n));
    end_ += DropControlCharacters(buf_.data() + end_, static_cast<std::size_t>(n));
  }
  return end_ > before;
}

bool SeqStream::Have(std::size_t ahead) {
  while (pos_ + ahead >= end_) {
    if (!ReadMore()) return false;
  }
  return true;
}

bool SeqStream::Eof() { return !Have(0); }

// ---- single items, as SeqReader reads them ----

void SeqStream::SkipBlanks() {
  while (Have(0) && IsBlank(At(0))) ++pos_;
}

void SeqStream::SkipLineEnd() {
  if (!Have(0)) return;
  if (At(0) == '\r') {
    ++pos_;
    if (Have(0) && At(0) == '\n') ++pos_;
  } else if (At(0) == '\n') {
    ++pos_;
  }
}

void SeqStream::SkipItemEnd() {
  SkipBlanks();
  if (Have(0) && At(0) == ',') ++pos_;
  else SkipLineEnd();
}

// The item is gathered as the buffer passes, so that a long one never makes
// the buffer grow.
std::string SeqStream::NumberToken() {
  while (Have(0) && IsSpace(At(0))) ++pos_;
  if (!Have(0)) throw RuntimeError(kErrInputPastEnd);
  std::string token;
  do {
    std::size_t i = pos_;
    while (i < end_ && !EndsNumber(buf_[i])) ++i;
    token.append(buf_.data() + pos_, i - pos_);
    pos_ = i;
  } while (pos_ == end_ && ReadMore());
  SkipItemEnd();
  return token;
}

double SeqStream::ReadNumber() { return SeqNumberValue(NumberToken()); }
float SeqStream::ReadSingle() { return SeqSingleValue(NumberToken()); }
int16_t SeqStream::ReadInteger() { return CInt(ReadNumber()); }
int32_t SeqStream::ReadLong() { return CLng(ReadNumber()); }

std::string SeqStream::QuotedString(bool keep) {
  ++pos_;  // opening quote
  std::string item;
  do {
    const char* from = buf_.data() + pos_;
    const void* quote = std::memchr(from, '"', end_ - pos_);
    const std::size_t n = quote ? static_cast<const char*>(quote) - from : end_ - pos_;
    if (keep) item.append(from, n);
    pos_ += n;
  } while (pos_ == end_ && ReadMore());
  if (Have(0)) ++pos_;  // closing quote
  if (keep) item = WithoutControlCharacters(item);  // a quoted item may run over line ends, a text holds none
  // anything between the closing quote and the item's end is dropped
  while (Have(0) && At(0) != ',' && !IsLineEnd(At(0))) ++pos_;
  if (Have(0) && At(0) == ',') ++pos_;
  else SkipLineEnd();
  return item;
}

std::string SeqStream::TextItem(bool keep) {
  if (!Have(0)) throw RuntimeError(kErrInputPastEnd);
  SkipBlanks();
  if (Have(0) && At(0) == '"') return QuotedString(keep);
  std::string item;
  do {
    std::size_t i = pos_;
    while (i < end_ && buf_[i] != ',' && !IsLineEnd(buf_[i])) ++i;
    if (keep) item.append(buf_.data() + pos_, i - pos_);
    pos_ = i;
  } while (pos_ == end_ && ReadMore());
  while (!item.empty() && IsBlank(item.back())) item.pop_back();
  if (Have(0) && At(0) == ',') ++pos_;
  else SkipLineEnd();
  return item;
}

std::string SeqStream::ReadString() { return Cp1252ToUtf8(TextItem(true)); }

void SeqStream::SkipString() { TextItem(false); }

// ---- runs of Single items ----

std::size_t SeqStream::CutEnd() const {
  if (fd_ < 0) return end_;
  const char* text = buf_.data();
  for (std::size_t p = end_; p > pos_; --p) {
    if (ItemBeginsAt(text, p, end_)) return p;
  }
  return pos_;
}

std::size_t SeqStream::ReadRun(std::size_t stop, float* out, std::size_t limit) {
  const ChunkRead r = ReadChunk(buf_.data() + pos_, stop - pos_, out, limit);
  if (r.error != 0) throw RuntimeError(r.error);
  pos_ += r.stop;
  return r.count;
}

void SeqStream::ReadSingles(float* out, std::size_t count) {
  unsigned threads = options_.threads != 0 ? options_.threads : std::thread::hardware_concurrency();
  std::optional<CoreWorkers> workers;
  std::size_t got = 0;
  while (got < count) {
    if (end_ - pos_ < buf_.size() / 2) ReadMore();
    const std::size_t stop = CutEnd();
    if (stop == pos_) {
      out[got++] = ReadSingle();  // no place to cut: an item longer than the buffer, or the end
      continue;
    }
    const std::size_t limit = count - got;
    if (threads > 1 && limit >= options_.parallelFrom && stop - pos_ > options_.chunkBytes) {
      if (!workers) workers.emplace(threads);
      got += ReadRunOnCores(*workers, stop, out + got, limit);
    } else {
      got += ReadRun(stop, out + got, limit);
    }
  }
}

std::size_t SeqStream::ReadRunOnCores(CoreWorkers& workers, std::size_t stop, float* out, std::size_t limit) {
  const char* text = buf_.data() + pos_;
  const std::size_t size = stop - pos_;
  // Chunks of about chunkBytes, each beginning where an item surely begins.
  std::vector<std::size_t> starts{0};
  for (std::size_t p = options_.chunkBytes; p < size;) {
    while (p < size && !ItemBeginsAt(text, p, size)) ++p;
    if (p >= size) break;
    starts.push_back(p);
    p += options_.chunkBytes;
  }
  starts.push_back(size);
  const std::size_t chunks = starts.size() - 1;
  // A chunk of n bytes holds at most n items: chunk k writes from its own
  // start in the scratch space.
  if (scratchSize_ < size) {
    scratch_.reset(new float[size]);
    scratchSize_ = size;
  }
  std::vector<ChunkRead> reads(chunks);
  workers.Run(chunks, [&](std::size_t k) {
    reads[k] = ReadChunk(text + starts[k], starts[k + 1] - starts[k], scratch_.get() + starts[k], size);
  });
  // In file order: how many values of each chunk are taken (up to the
  // limit), and the first failing item that lies within it.
  std::vector<std::size_t> at(chunks), take(chunks);
  std::size_t got = 0, used = chunks;
  int error = 0;
  bool limitReached = false;
  for (std::size_t k = 0; k < chunks && used == chunks; ++k) {
    const ChunkRead& r = reads[k];
    const std::size_t need = limit - got;
    at[k] = got;
    take[k] = std::min(r.count, need);
    got += take[k];
    if (r.error != 0 && r.count < need) error = r.error;
    limitReached = error == 0 && r.count >= need;
    if (error != 0 || limitReached) used = k + 1;
  }
  workers.Run(used, [&](std::size_t k) { std::copy_n(scratch_.get() + starts[k], take[k], out + at[k]); });
  if (error != 0) throw RuntimeError(error);
  if (limitReached) {
    // The reading ends behind the last item taken.
    const std::size_t k = used - 1;
    const ChunkRead last = ReadChunk(text + starts[k], starts[k + 1] - starts[k], out + at[k], take[k]);
    pos_ += starts[k] + last.stop;
    return got;
  }
  pos_ = stop;
  return got;
}
