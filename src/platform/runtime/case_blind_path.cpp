#include "platform/runtime/case_blind_path.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Lower(x) == Lower(y);
         });
}

}  // namespace

std::string FileInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string CaseBlindPath(const std::string& folder, const std::string& name) {
  const std::string exact = FileInFolder(folder, name);
  struct stat st {};
  if (::lstat(exact.c_str(), &st) == 0 || errno != ENOENT) return exact;
  std::error_code ec;
  std::string found;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (SameIgnoringCase(entry, name) && it->is_regular_file(ec) && (found.empty() || entry < found)) found = entry;
  }
  return found.empty() ? exact : FileInFolder(folder, found);
}
