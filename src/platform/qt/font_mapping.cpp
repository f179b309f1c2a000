#include "platform/qt/font_mapping.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

struct FontAlias {
  std::string_view name;  // lower case
  const char* family;
};

constexpr std::array<FontAlias, 5> kAliases{{
    {"arial", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
}};

std::string Lower(const std::string& s) {
  std::string out = s;
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

QString MappedFontFamily(const std::string& name) {
  const std::string key = Lower(name);
  for (const auto& alias : kAliases) {
    if (alias.name == key) return QString::fromLatin1(alias.family);
  }
  return QString::fromStdString(name);
}

QFont MakeDrawingFont(const std::string& name, double points, bool bold, bool italic) {
  QFont font(MappedFontFamily(name));
  font.setPointSizeF(points > 0 ? points : 1.0);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}
