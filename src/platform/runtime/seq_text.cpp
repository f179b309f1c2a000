#include "platform/runtime/seq_text.h"

#include <algorithm>

#include "platform/runtime/cp1252.h"

namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 32 && c != '\t'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text as the code page holds it; plain ASCII is left as it is.
std::string InCodePage(std::string text) {
  const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  if (std::all_of(text.begin(), text.end(), ascii)) return text;
  return Cp1252ToUtf8(Utf8ToCp1252(text));
}

}  // namespace

std::string WithoutControlCharacters(std::string_view text, bool keepLineBreaks) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!IsControl(c) || (keepLineBreaks && (c == '\r' || c == '\n'))) out += c;
  return out;
}

bool NeedsQuotes(std::string_view text) {
  if (text.empty()) return false;
  return text.find(',') != std::string_view::npos || text.front() == '"' || IsBlank(text.front()) ||
         IsBlank(text.back());
}

std::string StorableText(std::string_view text, TextItemStyle style) {
  std::string out = InCodePage(WithoutControlCharacters(text));
  if (style == TextItemStyle::Write || NeedsQuotes(out)) std::replace(out.begin(), out.end(), '"', '\'');
  return out;
}

std::string StorableLines(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines += '\r';
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (!IsControl(c)) {
      lines += c;
    }
  }
  return InCodePage(std::move(lines));
}
