#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CoreWorkers;

// A sequential input file read chunk by chunk, for files too long to hold
// whole (stress histories of millions of points). Every item reads exactly as
// SeqReader reads it (seq_reader.h: the same item rules, the same values and
// the same errors; control characters other than Tab, CR and LF are ignored
// wherever they stand), while the memory in use stays at a few MiB whatever
// the file's length.
//
// ReadSingles takes a long run of Single items at once: the text is cut at
// points where an item surely begins (after a comma or a line end, or at a
// number after a blank) and the chunks are converted on every core, then put
// in order. The values, and the first error in file order, are those of
// reading the items one by one.
class SeqStream {
 public:
  struct Options {
    std::size_t bufferBytes = std::size_t{2} << 20;  // the text held at a time
    std::size_t chunkBytes = std::size_t{64} << 10;  // the work of one thread at a time
    unsigned threads = 0;                            // 0: one per core
    std::size_t parallelFrom = std::size_t{1} << 17;  // fewer items are read on the calling thread
  };

  // Opens a file (the errors of OpenSeqInput). Its bytes are Windows-1252.
  static SeqStream Open(const std::string& path) { return Open(path, Options()); }
  static SeqStream Open(const std::string& path, const Options& options);
  // A stream over bytes already in memory (Windows-1252, as a file holds them).
  static SeqStream FromBytes(std::string bytes) { return FromBytes(std::move(bytes), Options()); }
  static SeqStream FromBytes(std::string bytes, const Options& options);

  SeqStream(SeqStream&& other) noexcept;
  SeqStream& operator=(SeqStream&&) = delete;
  SeqStream(const SeqStream&) = delete;
  SeqStream& operator=(const SeqStream&) = delete;
  ~SeqStream();

  double ReadNumber();
  float ReadSingle();
  double ReadDouble() { return ReadNumber(); }
  int16_t ReadInteger();  // nearest whole number, halves to even
  int32_t ReadLong();
  std::string ReadString();  // decoded to UTF-8
  void SkipString();         // a string item read and dropped, however long

  // Reads `count` Single items into out[0 .. count - 1]. On a failure the
  // RuntimeError of the first item in file order that fails is raised (the
  // values before it are stored).
  void ReadSingles(float* out, std::size_t count);

  // Whether nothing is left to read.
  bool Eof();
  // The bytes not yet read: each item takes at least one, so no more items
  // than this can follow.
  std::uint64_t BytesLeft() const { return fileLeft_ + (end_ - pos_); }

 private:
  SeqStream(int fd, std::uint64_t fileBytes, const Options& options);

  // Makes room and reads more of the file behind the bytes held; false when
  // the file has nothing more. Keeps buf_[pos_ .. end_) but moves it to the
  // front, so positions are held relative to pos_ across a call.
  bool ReadMore();
  // Whether the byte at pos_ + ahead is there (reading more when needed).
  bool Have(std::size_t ahead);
  char At(std::size_t ahead) const { return buf_[pos_ + ahead]; }

  void SkipBlanks();
  void SkipLineEnd();
  void SkipItemEnd();
  std::string NumberToken();
  // A string item's bytes (none when not `keep`).
  std::string TextItem(bool keep);
  std::string QuotedString(bool keep);
  // The end of the text that can be cut into chunks: the last place in the
  // buffer where an item surely begins (pos_ when there is none); all of it
  // once the file has been read to its end.
  std::size_t CutEnd() const;
  // Reads the items of buf_[pos_ .. stop) into out, at most `limit`; moves
  // pos_ behind the last item read and returns how many were read.
  std::size_t ReadRun(std::size_t stop, float* out, std::size_t limit);
  std::size_t ReadRunOnCores(CoreWorkers& workers, std::size_t stop, float* out, std::size_t limit);

  int fd_ = -1;
  std::uint64_t fileLeft_ = 0;  // bytes of the file not yet in the buffer
  std::vector<char> buf_;
  std::size_t pos_ = 0, end_ = 0;
  Options options_;
  // Work space of ReadRunOnCores (one float per byte of a run, not
  // initialised), kept from one run to the next.
  std::unique_ptr<float[]> scratch_;
  std::size_t scratchSize_ = 0;
};
