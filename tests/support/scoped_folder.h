#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh temporary folder, removed with everything in it when the object
// goes: in the system's temporary folder, or in `parent` where one is given.
class ScopedTempFolder {
 public:
  explicit ScopedTempFolder(const std::string& tag, const std::filesystem::path& parent = {}) {
    static int counter = 0;
    path_ = (parent.empty() ? std::filesystem::temp_directory_path() : parent) /
            (tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScopedTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScopedTempFolder(const ScopedTempFolder&) = delete;
  ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

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
  std::filesystem::path path_;
};

// A temporary folder that is the current folder while the object lives; the
// previous current folder comes back before the folder is removed.
class ScopedCurrentFolder : public ScopedTempFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& tag, const std::filesystem::path& parent = {})
      : ScopedTempFolder(tag, parent), previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path());
  }
  ~ScopedCurrentFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
  }

 private:
  std::filesystem::path previous_;
};

// One file in a temporary folder of its own: the file a test writes, reads
// and hands to the routine under test.
class ScopedTempFile {
 public:
  ScopedTempFile(const std::string& tag, const std::string& name)
      : folder_(tag), name_(name), path_((folder_.path() / name).string()) {}

  const std::filesystem::path& folder() const { return folder_.path(); }
  const std::string& path() const { return path_; }

  void Put(const std::string& bytes) const { folder_.Write(name_, bytes); }
  std::string Get() const { return folder_.Read(name_); }

 private:
  ScopedTempFolder folder_;
  std::string name_;
  std::string path_;
};
