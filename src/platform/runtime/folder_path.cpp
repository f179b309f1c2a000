#include "platform/runtime/folder_path.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The path the file functions are given for a folder text: "" is the
// current folder.
fs::path AsGiven(const std::string& folder) { return folder.empty() ? fs::path(".") : fs::path(folder); }

// `p` without a trailing separator (a root keeps its own).
fs::path WithoutTrailingSeparator(fs::path p) {
  if (p.has_relative_path() && !p.has_filename()) p = p.parent_path();
  return p;
}

fs::path Absolute(const std::string& folder) {
  std::error_code ec;
  fs::path p = fs::absolute(AsGiven(folder), ec);
  if (ec) p = AsGiven(folder);
  return p;
}

// The absolute path with the symbolic links of its existing part resolved.
fs::path Resolved(const std::string& folder) {
  const fs::path absolute = Absolute(folder);
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(absolute, ec);
  return WithoutTrailingSeparator(ec ? absolute.lexically_normal() : resolved.lexically_normal());
}

}  // namespace

std::string AbsoluteFolder(const std::string& folder) {
  return WithoutTrailingSeparator(Absolute(folder).lexically_normal()).string();
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  const bool same = fs::equivalent(AsGiven(a), AsGiven(b), ec);
  if (!ec) return same;  // one of them exists
  return Resolved(a) == Resolved(b);
}
