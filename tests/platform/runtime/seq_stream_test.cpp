#include "platform/runtime/seq_stream.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"
#include "support/error_code.h"

namespace fs = std::filesystem;

namespace {

// Replaces the line that follows `offset` by `item`.
void ReplaceLine(std::string& text, std::size_t offset, const std::string& item) {
  const std::size_t start = text.find("\r\n", offset) + 2;
  text.replace(start, text.find("\r\n", start) - start, item);
}

// What a run of Single items gives: the values read, then the error code
// that ended it.
struct SinglesRead {
  std::vector<uint32_t> bits;
  int error = 0;
  bool operator==(const SinglesRead&) const = default;
};

std::ostream& operator<<(std::ostream& os, const SinglesRead& r) {
  os << r.bits.size() << " values, error " << r.error << ":";
  for (uint32_t b : r.bits) os << " " << std::bit_cast<float>(b);
  return os;
}

template <typename Reader>
SinglesRead OneByOne(Reader&& r) {
  SinglesRead out;
  try {
    for (;;) out.bits.push_back(std::bit_cast<uint32_t>(r.ReadSingle()));
  } catch (const RuntimeError& e) {
    out.error = e.code();
  }
  return out;
}

SinglesRead Reference(const std::string& text) { return OneByOne(SeqReader::FromText(text)); }

// Small buffers and chunks, so that every item meets a buffer's end and the
// runs are cut into many chunks on several threads.
SeqStream::Options Tiny(std::size_t buffer, std::size_t chunk, unsigned threads) {
  SeqStream::Options o;
  o.bufferBytes = buffer;
  o.chunkBytes = chunk;
  o.threads = threads;
  o.parallelFrom = 1;
  return o;
}

class SeqStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = (fs::temp_directory_path() / ("seq_stream_test_" + std::to_string(::getpid()) + ".txt")).string();
  }
  void TearDown() override { fs::remove(path); }

  SeqStream File(const std::string& bytes, const SeqStream::Options& o) {
    Put(bytes);
    return Reopen(o);
  }
  void Put(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
  SeqStream Reopen(const SeqStream::Options& o) const { return SeqStream::Open(path, o); }

  // ReadSingles of `count` items, then the error of the next item (or of
  // the run itself).
  static SinglesRead Bulk(SeqStream s, std::size_t count) {
    std::vector<float> values(count);
    SinglesRead out;
    try {
      s.ReadSingles(values.data(), count);
    } catch (const RuntimeError& e) {
      out.error = e.code();
      return out;
    }
    for (float v : values) out.bits.push_back(std::bit_cast<uint32_t>(v));
    out.error = OneByOne(s).error;
    return out;
  }

  // Every way of the stream reads `text` as SeqReader does: item by item
  // from memory and from a file through a tiny buffer, and in runs: all of
  // the items (then the next item gives the same error) and one more (that
  // error), through tiny buffers on one thread and (`onCores`) in tiny
  // chunks on several.
  void ExpectSameAsSeqReader(const std::string& text, bool onCores = true) {
    SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
    const SinglesRead ref = Reference(text);
    const std::size_t n = ref.bits.size();
    const SinglesRead failed{{}, ref.error};
    EXPECT_EQ(OneByOne(SeqStream::FromBytes(text)), ref);
    EXPECT_EQ(OneByOne(File(text, Tiny(16, 1, 1))), ref);
    for (std::size_t buffer : {16, 17, 40}) {
      EXPECT_EQ(Bulk(Reopen(Tiny(buffer, 1, 1)), n), ref) << "buffer " << buffer;
      EXPECT_EQ(Bulk(Reopen(Tiny(buffer, 1, 1)), n + 1), failed) << "buffer " << buffer;
    }
    if (!onCores) return;
    for (std::size_t chunk : {1, 2, 5}) {
      EXPECT_EQ(Bulk(SeqStream::FromBytes(text, Tiny(16, chunk, 3)), n), ref) << "chunk " << chunk;
      EXPECT_EQ(Bulk(SeqStream::FromBytes(text, Tiny(16, chunk, 3)), n + 1), failed) << "chunk " << chunk;
    }
  }

  std::string path;
};

TEST_F(SeqStreamTest, EveryItemFormReadsAsSeqReaderReadsIt) {
  const char* texts[] = {
      "250\r\n0.8\r\n-10\r\n",        " 1.5 \r\n-2 \r\n", "+5 .5 5. -.25",       "1e5 1E+05 1.5e-3 2E-2",
      "1,2,,3", ",,",                  "1 ,2 , 3",          "1\r\n,2",             "1,\r\n2",
      "1\r2\r\r3\n\n4",                "1\t2\t,\t3",        "3.4028235e38 -3.4028235E+38", "3.5e38",
      "1e400",                        "1e-400 1e-50 -0",    "abc",                 "1e 2",
      "--1",                          "0x10",               "1d5",                 "\"5\"",
      "",                             "   \r\n  ",          "7",                   "12345678901234567890123",
      "0.000000000000000000000000000000000000000000001", "1 2 3\r\nend",       "4,\r\n,\r\n5",
      "1e-46",                        "1\x01" "2 3",        "\x02\x03,4",         "5\x7f",
  };
  for (const char* t : texts) ExpectSameAsSeqReader(t);
}

// Random texts over the characters that matter to the item rules.
TEST_F(SeqStreamTest, RandomTextsReadAsSeqReaderReadsThem) {
  std::mt19937 rng(20240611);
  const std::string alphabet = "0123456789012345678901234567890123456789..ee+-  \t,,\r\n\r\nx";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), length(0, 60);
  for (int i = 0; i < 300; ++i) {
    std::string text;
    for (std::size_t n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
    ExpectSameAsSeqReader(text, i % 10 == 0);  // threads take long to start on a busy machine
    if (HasFailure()) return;
  }
}

TEST_F(SeqStreamTest, StringsAndWholeNumbersReadAsSeqReaderReadsThem) {
  const std::string text =
      "Title\x01 of a history\r\n\"a, quoted\" dropped, plain  ,\r\n\"runs\r\nover lines\"\r\n\r\n"
      "  12 ,-3.5\r\n40000\r\n7,\"last";
  auto read = [](auto&& r) {
    std::vector<std::string> items;
    try {
      for (int i = 0; i < 5; ++i) items.push_back(r.ReadString());
      items.push_back(std::to_string(r.ReadInteger()));
      items.push_back(std::to_string(r.ReadLong()));
      items.push_back(std::to_string(r.ReadLong()));
      items.push_back(std::to_string(r.ReadSingle()));
      items.push_back(r.ReadString());
      items.push_back(r.ReadString());
    } catch (const RuntimeError& e) {
      items.push_back("error " + std::to_string(e.code()));
    }
    return items;
  };
  const std::vector<std::string> ref = read(SeqReader::FromText(text));
  ASSERT_EQ(ref.back(), "error 62");
  EXPECT_EQ(read(SeqStream::FromBytes(text)), ref);
  EXPECT_EQ(read(File(text, Tiny(16, 1, 1))), ref);
  // A Windows-1252 byte of a name reads as its character.
  EXPECT_EQ(SeqStream::FromBytes("Stra\xDF" "e\r\n").ReadString(), "Stra\xC3\x9F" "e");
  EXPECT_EQ(ErrorCodeOf([] { SeqStream::FromBytes("70000").ReadInteger(); }), kErrOverflow);
}

// A long history on every core gives the values of reading it item by item,
// and an item that fails far into it is the one reported.
TEST_F(SeqStreamTest, LongRunsOnEveryCoreKeepTheOrderAndTheFirstError) {
  SeqWriter w;
  std::mt19937 rng(7);
  std::normal_distribution<float> step(0.0f, 3.0f);
  float x = 0;
  for (int i = 0; i < 200000; ++i) w.PrintLine(x += step(rng));
  const std::string text = w.Bytes();
  const SinglesRead ref = Reference(text);
  ASSERT_EQ(ref.bits.size(), 200000u);
  SeqStream::Options o;
  o.bufferBytes = 1 << 16;
  o.chunkBytes = 1 << 11;
  o.threads = 8;
  SeqStream s = File(text, o);
  std::vector<float> values(200000);
  s.ReadSingles(values.data(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i) ASSERT_EQ(std::bit_cast<uint32_t>(values[i]), ref.bits[i]) << i;
  EXPECT_TRUE(s.Eof());

  // Two bad items: the first in file order is reported, with the values
  // before it stored; one beyond the count read is never looked at.
  std::string bad = text;
  ReplaceLine(bad, 700000, "x");
  ReplaceLine(bad, 300000, "9e99");
  const SinglesRead badRef = Reference(bad);
  ASSERT_EQ(badRef.error, kErrOverflow);
  EXPECT_EQ(Bulk(File(bad, o), 200000).error, kErrOverflow);
  const SinglesRead upToTheError = Bulk(File(bad, o), badRef.bits.size());
  EXPECT_EQ(upToTheError, badRef);
}

TEST_F(SeqStreamTest, FilesAreRefusedAsSeqReaderRefusesThem) {
  EXPECT_EQ(ErrorCodeOf([] { SeqStream::Open("/no/such/folder/duvhs.1"); }), kErrPathNotFound);
  const fs::path folder = fs::path(path).parent_path();
  EXPECT_EQ(ErrorCodeOf([&] { SeqStream::Open((folder / "no_such_file_here").string()); }), kErrFileNotFound);
  EXPECT_EQ(ErrorCodeOf([&] { SeqStream::Open(folder.string()); }), kErrPathFileAccess);
  SeqStream s = File("1 2 3", SeqStream::Options());
  EXPECT_EQ(s.BytesLeft(), 5u);
  s.ReadSingle();
  EXPECT_EQ(s.BytesLeft(), 3u);
}

}  // namespace
