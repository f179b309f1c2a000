#pragma once

#include <string>

// Opens a file for sequential input and returns its descriptor. A missing file
// raises kErrFileNotFound, or kErrPathNotFound when its folder is missing too;
// anything that is not a regular file (a folder, a pipe, a device)
// kErrPathFileAccess; other failures the runtime's code for the errno value.
// The caller closes the descriptor.
int OpenSeqInput(const std::string& path);
