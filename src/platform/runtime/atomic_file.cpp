#include "platform/runtime/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

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

// The name of the attempt-th temporary file beside `path`.
std::string TemporaryName(const std::string& path, int attempt) {
  return path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
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
  return {};
}

std::string TemporaryNameBeside(const std::string& target) {
  for (int attempt = 0;; ++attempt) {
    const std::string name = TemporaryName(target, attempt);
    std::error_code ec;
    if (!std::filesystem::exists(name, ec) || attempt >= 100) return name;
  }
}

SaveResult ReplaceFile(const std::string& temporary, const std::string& target) {
  if (std::rename(temporary.c_str(), target.c_str()) == 0) return {};
  const int err = errno;
  std::remove(temporary.c_str());
  return Failure(err);
}
