#pragma once

#include "platform/runtime/atomic_file.h"

#include <string>

// For output that a library writes itself (a PDF document): a name for a
// temporary file beside the target, and the rename of the finished temporary
// file over the target. A failed rename removes the temporary file and leaves
// the target as it was.
std::string TemporaryNameBeside(const std::string& target);
SaveResult ReplaceFile(const std::string& temporary, const std::string& target);
