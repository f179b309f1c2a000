#include "platform/runtime/save_name.h"

std::string DefaultExtension(std::string_view filter) {
  const auto bar = filter.find('|');
  if (bar == std::string_view::npos) return "";
  const std::string_view patterns = filter.substr(bar + 1);
  if (patterns.find_first_of("|;") != std::string_view::npos) return "";  // more than one pattern
  if (patterns.size() < 3 || patterns.substr(0, 2) != "*.") return "";
  const std::string_view extension = patterns.substr(1);
  if (extension.find_first_of("*?. ", 1) != std::string_view::npos) return "";
  return std::string(extension);
}

std::string WithDefaultExtension(const std::string& path, std::string_view filter) {
  const auto slash = path.find_last_of('/');
  const std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
  if (name.empty() || name.find('.', 1) != std::string_view::npos) return path;
  return path + DefaultExtension(filter);
}
