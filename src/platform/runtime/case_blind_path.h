#pragma once

#include <string>

// The path of the file `name` in `folder`: the name follows the folder after
// a "/" unless the folder ends with one; an empty folder gives the name alone
// (the current folder).
std::string FileInFolder(const std::string& folder, const std::string& name);

// FileInFolder, or, when nothing of that name is there, the file of the folder
// whose name differs from it only in the case of its letters ("DUVDT.DAT" for
// "duvdt.dat": files prepared on a system that ignores case); of several such
// files the first in the order of their names. When there is none either,
// the exact path, so that opening it reports the missing file.
std::string CaseBlindPath(const std::string& folder, const std::string& name);
