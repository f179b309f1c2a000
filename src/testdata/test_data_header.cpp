#include "testdata/test_data_header.h"

#include <string>
#include <vector>

#include "platform/runtime/blanks.h"
#include "platform/runtime/seq_text.h"
#include "platform/runtime/seq_writer.h"

namespace {

struct Item {
  std::string text;
  bool quoted;
};

bool HoldsQuote(std::string_view text) { return text.find('"') != std::string_view::npos; }

// Adds text to the quoted item at the end of the line, or starts one.
void AddQuoted(std::vector<Item>& items, std::string_view text) {
  if (text.empty()) return;
  if (items.empty() || !items.back().quoted) items.push_back({"", true});
  items.back().text += text;
}

// One stretch of the text between commas: a stretch with a double quote is
// an unquoted item where the reader would take it back whole, its blanks at
// either end in the quoted items beside it.
void AddStretch(std::vector<Item>& items, std::string_view stretch) {
  std::size_t start = 0, end = stretch.size();
  while (start < end && IsBlank(stretch[start])) ++start;
  while (end > start && IsBlank(stretch[end - 1])) --end;
  const std::string_view core = stretch.substr(start, end - start);
  if (!HoldsQuote(core) || NeedsQuotes(core)) {
    AddQuoted(items, stretch);
    return;
  }
  AddQuoted(items, stretch.substr(0, start));
  items.push_back({std::string(core), false});
  AddQuoted(items, stretch.substr(end));
}

// The items of header text 1: they run together to the text, and none of
// them is the marker.
std::vector<Item> FirstHeaderItems(std::string_view text, std::string_view marker) {
  std::vector<Item> items;
  for (std::size_t from = 0;;) {
    const std::size_t comma = text.find(',', from);
    AddStretch(items, text.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
    if (comma == std::string_view::npos) break;
    AddQuoted(items, ",");
    from = comma + 1;
  }
  std::vector<Item> lineItems;
  for (Item& item : items) {
    if (item.quoted && item.text == marker) {  // split before its last blank: "*** TEST DATA" and " ***"
      const std::size_t blank = marker.rfind(' ');
      const std::size_t cut = blank == std::string_view::npos || blank == 0 ? 1 : blank;
      lineItems.push_back({std::string(marker.substr(0, cut)), true});
      lineItems.push_back({std::string(marker.substr(cut)), true});
    } else {
      lineItems.push_back(std::move(item));
    }
  }
  if (lineItems.empty()) lineItems.push_back({"", true});  // an empty text: ""
  return lineItems;
}

void WriteItem(SeqWriter& out, const Item& item) {
  if (item.quoted)
    out.WriteItem(item.text);
  else
    out.PrintText(item.text);
}

}  // namespace

void WriteFirstHeaderLine(SeqWriter& out, std::string_view text, std::string_view marker) {
  const std::string storable = WithoutControlCharacters(text);
  bool first = true;
  for (const Item& item : FirstHeaderItems(storable, marker)) {
    if (!first) out.Print(",");
    WriteItem(out, item);
    first = false;
  }
  out.EndLine();
}

void WriteHeaderLine(SeqWriter& out, std::string_view text) {
  const std::string storable = WithoutControlCharacters(text);
  WriteItem(out, {storable, !HoldsQuote(storable) || NeedsQuotes(storable)});
  out.EndLine();
}
