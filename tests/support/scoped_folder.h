#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh temporary folder that is the current folder while the object
// lives; the previous current folder comes back and the folder is removed.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& tag) : previous_(std::filesystem::current_path()) {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            (tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScopedCurrentFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
  ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to a file of the folder.
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }
  // The bytes of a file of the folder ("" when it is missing).
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
