// The sequential file read in chunks: whatever a file holds, its items read
// as the runtime's whole-file reader reads them (the same Singles bit for
// bit, the same texts and whole numbers, the same error), item by item
// through a tiny buffer and in runs cut into chunks on two threads.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_stream.h"

namespace {

// Every third item a text, the others Singles; each read as a line of text.
template <typename Reader>
std::vector<std::string> Items(Reader&& r) {
  std::vector<std::string> items;
  try {
    for (int i = 0;; ++i) {
      items.push_back(i % 3 == 2 ? "s" + r.ReadString() : std::to_string(std::bit_cast<uint32_t>(r.ReadSingle())));
    }
  } catch (const RuntimeError& e) {
    items.push_back("error " + std::to_string(e.code()));
  }
  return items;
}

// Singles only, then the error that ended them.
template <typename Reader>
std::vector<uint32_t> Singles(Reader&& r, int& error) {
  std::vector<uint32_t> values;
  try {
    for (;;) values.push_back(std::bit_cast<uint32_t>(r.ReadSingle()));
  } catch (const RuntimeError& e) {
    error = e.code();
  }
  return values;
}

SeqStream::Options Tiny(unsigned threads) {
  SeqStream::Options o;
  o.bufferBytes = 16;
  o.chunkBytes = 3;
  o.threads = threads;
  o.parallelFrom = 1;
  return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzPath("seq_stream_input");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  FUZZ_CHECK(Items(SeqStream::Open(path, Tiny(1))) == Items(SeqReader::Open(path)));

  int error = 0;
  const std::vector<uint32_t> ref = Singles(SeqReader::Open(path), error);
  for (unsigned threads : {1u, 2u}) {
    SeqStream s = SeqStream::Open(path, Tiny(threads));
    std::vector<float> values(ref.size() + 1);
    s.ReadSingles(values.data(), ref.size());  // all there are: no error
    for (std::size_t i = 0; i < ref.size(); ++i) FUZZ_CHECK(std::bit_cast<uint32_t>(values[i]) == ref[i]);
    int next = 0;
    FUZZ_CHECK(Singles(s, next).empty() && next == error);
    SeqStream t = SeqStream::Open(path, Tiny(threads));
    int bulk = 0;
    try {
      t.ReadSingles(values.data(), ref.size() + 1);
    } catch (const RuntimeError& e) {
      bulk = e.code();
    }
    FUZZ_CHECK(bulk == error);
  }
  return 0;
}
