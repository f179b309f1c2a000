#include "platform/runtime/seq_reader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/runtime/runtime_error.h"
#include "platform/runtime/seq_writer.h"
#include "support/error_code.h"

namespace fs = std::filesystem;

TEST(SeqReader, SettingsLineWrittenAndReadBack) {
  const fs::path path = fs::temp_directory_path() / "seq_reader_settings_test.cfg";
  SeqWriter w;
  w.PrintLine(1.0f, int32_t{8454143}, int32_t{8454016}, int32_t{16777215}, int32_t{16777088}, int32_t{16777088},
              int16_t{0}, int16_t{0});
  ASSERT_TRUE(w.Save(path.string()));
  {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, " 1  8454143  8454016  16777215  16777088  16777088  0  0 \r\n");
  }
  SeqReader r = SeqReader::Open(path.string());
  EXPECT_EQ(r.ReadSingle(), 1.0f);
  EXPECT_EQ(r.ReadLong(), 8454143);
  EXPECT_EQ(r.ReadLong(), 8454016);
  EXPECT_EQ(r.ReadLong(), 16777215);
  EXPECT_EQ(r.ReadLong(), 16777088);
  EXPECT_EQ(r.ReadLong(), 16777088);
  EXPECT_EQ(r.ReadInteger(), 0);
  EXPECT_EQ(r.ReadInteger(), 0);
  EXPECT_TRUE(r.Eof());
  EXPECT_EQ(ErrorCodeOf([&] { r.ReadInteger(); }), kErrInputPastEnd);
  fs::remove(path);
}

TEST(SeqReader, ItemsInOrderWhateverTheLineBreaks) {
  SeqReader r = SeqReader::FromText("1,2\r\n\r\n  3\n4\r5 , -6.5E+2");
  for (double expected : {1.0, 2.0, 3.0, 4.0, 5.0, -650.0}) EXPECT_EQ(r.ReadNumber(), expected);
  EXPECT_TRUE(r.Eof());
}

TEST(SeqReader, TextItemsEndAtCommasAndLineEnds) {
  SeqReader r = SeqReader::FromText("Name\r 3 Steel  \r\nA\rB\r  Kt = \r\n\"a, b\" ,  c d ,\r\n\r\n\"\"\r\nlast");
  EXPECT_EQ(r.ReadString(), "Name");
  EXPECT_EQ(r.ReadInteger(), 3);
  EXPECT_EQ(r.ReadString(), "Steel");
  EXPECT_EQ(r.ReadString(), "A");
  EXPECT_EQ(r.ReadString(), "B");
  EXPECT_EQ(r.ReadString(), "Kt =");
  EXPECT_EQ(r.ReadString(), "a, b");
  EXPECT_EQ(r.ReadString(), "c d");
  EXPECT_EQ(r.ReadString(), "");  // after the trailing comma, up to the line end
  EXPECT_EQ(r.ReadString(), "");  // the empty line
  EXPECT_EQ(r.ReadString(), "");  // an empty quoted item
  EXPECT_EQ(r.ReadString(), "last");
  EXPECT_TRUE(r.Eof());
  EXPECT_EQ(ErrorCodeOf([&] { r.ReadString(); }), kErrInputPastEnd);
}

TEST(SeqReader, TestDataFileLayoutReadsBack) {
  SeqWriter w;
  w.WriteLine("Steel, rotating bending");
  w.WriteLine("*** TEST DATA ***");
  w.WriteLine(3.0f, 300.0f, 500.0f, -1.0f);
  w.WriteLine();
  w.WriteLine("h2");
  w.WriteLine(250.5f, int32_t{100000}, int16_t{1});
  SeqReader r = SeqReader::FromText(w.Bytes());
  EXPECT_EQ(r.ReadString(), "Steel, rotating bending");
  EXPECT_EQ(r.ReadString(), "*** TEST DATA ***");
  EXPECT_EQ(r.ReadSingle(), 3.0f);
  EXPECT_EQ(r.ReadSingle(), 300.0f);
  EXPECT_EQ(r.ReadSingle(), 500.0f);
  EXPECT_EQ(r.ReadSingle(), -1.0f);
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_EQ(r.ReadString(), "h2");
  EXPECT_EQ(r.ReadSingle(), 250.5f);
  EXPECT_EQ(r.ReadLong(), 100000);
  EXPECT_EQ(r.ReadInteger(), 1);
  EXPECT_TRUE(r.Eof());
}

TEST(SeqReader, NumbersReadBackToTheDigitsWritten) {
  SeqWriter w;
  const float singles[] = {0.5f, -0.25f, 1e30f, 1e-5f, 1.0f / 25.4f, 123456789.0f, 3.4028235e38f, 1.17549435e-38f};
  const double doubles[] = {0.1, 1.0 / 3.0, -1e-300, 6.02214076e23};
  for (float s : singles) w.Print(s);
  for (double d : doubles) w.PrintLine(d);
  SeqReader r = SeqReader::FromText(w.Bytes());
  // a Single keeps its 7 significant digits (the last binary digits may differ)
  for (float s : singles) EXPECT_NEAR(r.ReadSingle(), s, std::abs(s) * 5e-7);
  for (double d : doubles) EXPECT_NEAR(r.ReadDouble(), d, std::abs(d) * 1e-14);
}

TEST(SeqReader, MalformedAndOutOfRangeNumbersAreErrors) {
  const struct { const char* text; int code; } cases[] = {
      {"abc", kErrTypeMismatch}, {"1.2.3", kErrTypeMismatch}, {"12x", kErrTypeMismatch}, {"inf", kErrTypeMismatch},
      {"--1", kErrTypeMismatch}, {"1e400", kErrOverflow},     {"", kErrInputPastEnd},    {" \r\n \r\n", kErrInputPastEnd},
  };
  for (const auto& c : cases) {
    SeqReader r = SeqReader::FromText(c.text);
    EXPECT_EQ(ErrorCodeOf([&] { r.ReadNumber(); }), c.code) << c.text;
  }
  const struct { const char* text; int code; } typed[] = {{"32767.5", kErrOverflow}, {"1e39", kErrOverflow}};
  SeqReader a = SeqReader::FromText(typed[0].text);
  EXPECT_EQ(ErrorCodeOf([&] { a.ReadInteger(); }), typed[0].code);
  SeqReader b = SeqReader::FromText(typed[1].text);
  EXPECT_EQ(ErrorCodeOf([&] { b.ReadSingle(); }), typed[1].code);
  SeqReader c = SeqReader::FromText("2.5 3.5 2147483648");
  EXPECT_EQ(c.ReadInteger(), 2);
  EXPECT_EQ(c.ReadInteger(), 4);
  EXPECT_EQ(ErrorCodeOf([&] { c.ReadLong(); }), kErrOverflow);
  SeqReader d = SeqReader::FromText(",,7");
  EXPECT_EQ(d.ReadNumber(), 0.0);  // an empty item between commas
  EXPECT_EQ(d.ReadNumber(), 0.0);
  EXPECT_EQ(d.ReadNumber(), 7.0);
}

TEST(SeqReader, WholeLinesAndLineEnds) {
  SeqReader r = SeqReader::FromText("first, line \r\nsecond\rthird\n\r\nlast");
  EXPECT_EQ(r.LineInput(), "first, line ");
  EXPECT_EQ(r.LineInput(), "second");
  EXPECT_EQ(r.LineInput(), "third");
  EXPECT_EQ(r.LineInput(), "");
  EXPECT_EQ(r.LineInput(), "last");
  EXPECT_TRUE(r.Eof());
  EXPECT_EQ(ErrorCodeOf([&] { r.LineInput(); }), kErrInputPastEnd);
}

TEST(SeqReader, OpeningFailures) {
  const fs::path dir = fs::temp_directory_path();
  EXPECT_EQ(ErrorCodeOf([&] { SeqReader::Open((dir / "no_such_file_here.dat").string()); }), kErrFileNotFound);
  EXPECT_EQ(ErrorCodeOf([&] { SeqReader::Open((dir / "no_such_folder_here" / "x.dat").string()); }), kErrPathNotFound);
  EXPECT_EQ(ErrorCodeOf([&] { SeqReader::Open(dir.string()); }), kErrPathFileAccess);
}

// A named pipe in place of a file (say "Duvak.cfg") is refused at once: opening
// it must not wait for a writer, or start-up would hang. A helper thread opens
// the pipe's writing end after a while; the refusal has to come before that.
TEST(SeqReader, NamedPipeIsRefusedWithoutWaiting) {
  const fs::path pipe = fs::temp_directory_path() / ("seq_reader_fifo_" + std::to_string(getpid()));
  fs::remove(pipe);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::atomic<bool> writerCame{false};
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    writerCame = true;
    const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);  // frees a reader that waits
    if (fd >= 0) ::close(fd);
  });
  EXPECT_EQ(ErrorCodeOf([&] { SeqReader::Open(pipe.string()); }), kErrPathFileAccess);
  EXPECT_FALSE(writerCame) << "opening waited for a writer";
  writer.join();
  fs::remove(pipe);
}

TEST(SeqReader, FilesAreDecodedFromWindows1252) {
  const fs::path path = fs::temp_directory_path() / "seq_reader_cp1252_test.txt";
  std::ofstream(path, std::ios::binary) << "{\x96}\r\n\xB5m\r\n";
  SeqReader r = SeqReader::Open(path.string());
  EXPECT_EQ(r.ReadString(), "{\u2013}");
  EXPECT_EQ(r.ReadString(), "\u00B5m");
  fs::remove(path);
}
