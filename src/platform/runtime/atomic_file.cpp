#include "platform/runtime/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/runtime_error.h"

namespace {

SaveResult Failure(int err) {
  const int code = RuntimeErrorFromErrno(err);
  return SaveResult{false, code, RuntimeErrorText(code)};
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr std::string_view kTemporaryMark = ".tmp";

// The name of the attempt-th temporary file beside `path`.
std::string TemporaryName(const std::string& path, int attempt) {
  return path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "_" + std::to_string(attempt);
}

bool AllDigits(std::string_view s) {
  return !s.empty() && s.size() <= 18 && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id of a temporary file's name "<target name>.tmp<pid>_<n>", or 0
// when `name` is not one of `targetName`'s temporaries.
long TemporaryOwner(std::string_view name, std::string_view targetName) {
  if (name.size() <= targetName.size() + kTemporaryMark.size()) return 0;
  if (name.substr(0, targetName.size()) != targetName) return 0;
  name.remove_prefix(targetName.size());
  if (name.substr(0, kTemporaryMark.size()) != kTemporaryMark) return 0;
  name.remove_prefix(kTemporaryMark.size());
  const auto underscore = name.find('_');
  if (underscore == std::string_view::npos) return 0;
  const std::string_view pid = name.substr(0, underscore), attempt = name.substr(underscore + 1);
  if (!AllDigits(pid) || !AllDigits(attempt)) return 0;
  long owner = 0;
  std::from_chars(pid.data(), pid.data() + pid.size(), owner);
  return owner;
}

// Whether process `pid` still runs (or may: a process of another user answers
// EPERM, and its file is left alone).
bool ProcessRuns(long pid) {
  if (pid <= 0 || pid > INT32_MAX) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// Creates a new, empty temporary file beside `path`; returns its descriptor or -1.
int CreateTemporary(const std::string& path, std::string& tmpName) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmpName = TemporaryName(path, attempt);
    const int fd = ::open(tmpName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Keeps the permission bits of the file being replaced.
void CopyMode(int fd, const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) (void)::fchmod(fd, st.st_mode & 07777);
}

void SyncFolder(const std::string& path) {
  const int dfd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return;
  (void)::fsync(dfd);
  ::close(dfd);
}

// The file a save replaces: the file a link points to (the link stays), else
// the path itself (a link to nothing is replaced by the file).
std::string SaveTarget(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  const std::filesystem::path target = std::filesystem::canonical(path, ec);
  return ec ? path : target.string();
}

}  // namespace

int RuntimeErrorFromErrno(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return kErrPermissionDenied;
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    case EIO:
      return kErrDeviceIO;
    default:
      return kErrPathFileAccess;
  }
}

SaveResult WriteFileAtomically(const std::string& name, std::string_view bytes) {
  const std::string path = SaveTarget(name);
  std::string tmp;
  const int fd = CreateTemporary(path, tmp);
  if (fd < 0) return Failure(errno);
  CopyMode(fd, path);
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    return Failure(err);
  }
  if (::close(fd) != 0 || ::rename(tmp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return Failure(err);
  }
  SyncFolder(path);
  RemoveStaleTemporaries(path);
  return {};
}

int RemoveStaleTemporaries(const std::string& target) {
  namespace fs = std::filesystem;
  const fs::path path(SaveTarget(target));
  const std::string targetName = path.filename().string();
  if (targetName.empty()) return 0;
  std::error_code ec;
  fs::directory_iterator it(FolderOf(path.string()), ec), end;
  int removed = 0;
  for (; !ec && it != end; it.increment(ec)) {
    const long owner = TemporaryOwner(it->path().filename().string(), targetName);
    if (owner == 0 || owner == ::getpid() || ProcessRuns(owner)) continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError) || it->is_symlink(typeError)) continue;
    if (::unlink(it->path().c_str()) == 0) ++removed;
  }
  return removed;
}

std::string TemporaryNameBeside(const std::string& target) {
  for (int attempt = 0;; ++attempt) {
    const std::string name = TemporaryName(target, attempt);
    std::error_code ec;
    if (!std::filesystem::exists(name, ec) || attempt >= 100) return name;
  }
}

SaveResult ReplaceFile(const std::string& temporary, const std::string& target) {
  if (std::rename(temporary.c_str(), target.c_str()) == 0) {
    RemoveStaleTemporaries(target);
    return {};
  }
  const int err = errno;
  std::remove(temporary.c_str());
  return Failure(err);
}
