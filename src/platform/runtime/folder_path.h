#pragma once

#include <string>

// Folders as the program's files and its folder lists name them. A folder
// text may be absolute or relative to the current folder (as the file
// readers take it; "" is the current folder) and may end with a separator.

// The folder that `folder` names, as an absolute path without "." and ".."
// parts and without a trailing separator (except the root's). Symbolic links
// stay as they are written.
std::string AbsoluteFolder(const std::string& folder);

// Whether two folder texts name the same folder: as the file system finds
// them where either exists (a symbolic link and its target, a trailing
// separator, a relative and an absolute path are the same folder), else by
// their absolute paths with what exists of them resolved.
bool SameFolder(const std::string& a, const std::string& b);
