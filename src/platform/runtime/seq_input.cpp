#include "platform/runtime/seq_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/runtime/atomic_file.h"
#include "platform/runtime/runtime_error.h"

namespace {

bool FolderExists(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return true;
  struct stat st {};
  const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

[[noreturn]] void RaiseOpenError(const std::string& path, int err) {
  if (err == ENOENT) throw RuntimeError(FolderExists(path) ? kErrFileNotFound : kErrPathNotFound, path);
  throw RuntimeError(RuntimeErrorFromErrno(err), path);
}

}  // namespace

int OpenSeqInput(const std::string& path) {
  // O_NONBLOCK: a named pipe or device in place of the file must be refused
  // below, not wait for a writer; it does not change reading a regular file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) RaiseOpenError(path, errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw RuntimeError(kErrPathFileAccess, path);
  }
  return fd;
}
