#pragma once

#include <string>
#include <string_view>

// Outcome of a file write: ok, or the runtime's error code and text.
struct SaveResult {
  bool ok = true;
  int code = 0;           // a RuntimeErrorCode when !ok
  std::string errorText;  // RuntimeErrorText(code) when !ok

  explicit operator bool() const { return ok; }
};

// Writes `bytes` to a temporary file in the target's folder, flushes it to the
// disk and renames it over `path`. On any failure the temporary file is removed,
// an existing file at `path` stays as it was, and the result carries the text.
// When `path` is a link to a file, that file is replaced and the link stays.
// The temporary file is named "<target>.tmp<process id>_<n>"; a successful save
// removes the temporaries of the same target that an earlier, killed save left
// (RemoveStaleTemporaries).
SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files "<target>.tmp<process id>_<n>" beside `target`
// whose process is no longer running (a save killed half-way, by a power cut
// or a kill signal, leaves its temporary file behind). Nothing else is
// touched: not the target, not the temporaries of a running process (this
// one's included), not other files, not folders or links of such a name.
// Returns how many were removed.
int RemoveStaleTemporaries(const std::string& target);

// The runtime's error code for an errno value of a failed file operation.
int RuntimeErrorFromErrno(int err);

// For output that a library writes itself (a PDF document): a name for a
// temporary file beside the target, and the rename of the finished temporary
// file over the target. A failed rename removes the temporary file and leaves
// the target as it was.
std::string TemporaryNameBeside(const std::string& target);
SaveResult ReplaceFile(const std::string& temporary, const std::string& target);
