#include "platform/runtime/print_text.h"

#include "platform/runtime/seq_writer.h"

void PrintTextItem(SeqWriter& w, std::string_view text) {
  if (text.empty()) w.Print("\"\"");
  else w.Print(text);
}
