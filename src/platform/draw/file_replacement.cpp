#include "platform/draw/file_replacement.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/runtime/runtime_error.h"

std::string TemporaryNameBeside(const std::string& target) {
  for (int attempt = 0;; ++attempt) {
    const std::string name = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
    std::error_code ec;
    if (!std::filesystem::exists(name, ec) || attempt >= 100) return name;
  }
}

SaveResult ReplaceFile(const std::string& temporary, const std::string& target) {
  if (std::rename(temporary.c_str(), target.c_str()) == 0) return {};
  const int code = RuntimeErrorFromErrno(errno);
  std::remove(temporary.c_str());
  return SaveResult{false, code, RuntimeErrorText(code)};
}
