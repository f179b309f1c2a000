#pragma once

#include <stdexcept>
#include <string>

// Error numbers of the runtime, as the file routines and conversions raise them.
enum RuntimeErrorCode : int {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscriptOutOfRange = 9,
  kErrDivisionByZero = 11,
  kErrTypeMismatch = 13,
  kErrBadFileName = 52,
  kErrFileNotFound = 53,
  kErrBadFileMode = 54,
  kErrFileAlreadyOpen = 55,
  kErrDeviceIO = 57,
  kErrDiskFull = 61,
  kErrInputPastEnd = 62,
  kErrPermissionDenied = 70,
  kErrDeviceUnavailable = 68,
  kErrPathFileAccess = 75,
  kErrPathNotFound = 76,
  kErrNoSuchElement = 340,
  kErrNoSuchProperty = 438,
};

// The runtime's own text for an error number ("File not found", ...).
std::string RuntimeErrorText(int code);

// A run-time error, as the original runtime's error trap would catch it.
// Raised by the runtime layer (conversions, sequential files); file routines
// catch it and report RuntimeErrorText(code()) through the Host.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int code) : std::runtime_error(RuntimeErrorText(code)), code_(code) {}
  RuntimeError(int code, const std::string& detail)
      : std::runtime_error(RuntimeErrorText(code) + ": " + detail), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};
