#pragma once

// What the file-reader fuzz targets share: a folder of their own for the
// files they read and write, and a check that stops the run on a broken rule.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/scoped_folder.h"

// Aborts the run (libFuzzer keeps the input) when a rule is broken.
#define FUZZ_CHECK(condition)                                                       \
  do {                                                                              \
    if (!(condition)) {                                                             \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

// The folder of one fuzz process, kept for all its runs.
inline ScopedTempFolder& FuzzFolder() {
  static ScopedTempFolder folder("file_reader_fuzz");
  return folder;
}

// The path of a file of the fuzz folder.
inline std::string FuzzPath(const std::string& name) { return (FuzzFolder().path() / name).string(); }
