#include "platform/runtime/print_text.h"

#include <gtest/gtest.h>

#include "platform/runtime/seq_reader.h"
#include "platform/runtime/seq_writer.h"

namespace {

TEST(PrintTextItem, TextsAfterANumberReadBackAsOneItem) {
  for (const char* text : {"", "MSE(+)", "St 52"}) {
    SeqWriter w;
    w.Print(2.5f);
    PrintTextItem(w, text);
    w.EndLine();
    w.PrintLine(7.0f);
    SeqReader r = SeqReader::FromText(w.Bytes());
    EXPECT_EQ(r.ReadSingle(), 2.5f);
    EXPECT_EQ(r.ReadString(), text);
    EXPECT_EQ(r.ReadSingle(), 7.0f) << '"' << text << '"';
  }
  SeqWriter w;
  PrintTextItem(w, "");
  EXPECT_EQ(w.Bytes(), "\"\"");
}

}  // namespace
