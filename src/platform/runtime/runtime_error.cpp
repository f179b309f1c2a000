#include "platform/runtime/runtime_error.h"

#include <array>
#include <utility>

std::string RuntimeErrorText(int code) {
  static constexpr std::array<std::pair<int, const char*>, 19> kTexts{{
      {kErrInvalidCall, "Invalid procedure call or argument"},
      {kErrOverflow, "Overflow"},
      {kErrOutOfMemory, "Out of memory"},
      {kErrSubscriptOutOfRange, "Subscript out of range"},
      {kErrDivisionByZero, "Division by zero"},
      {kErrTypeMismatch, "Type mismatch"},
      {kErrBadFileName, "Bad file name or number"},
      {kErrFileNotFound, "File not found"},
      {kErrBadFileMode, "Bad file mode"},
      {kErrFileAlreadyOpen, "File already open"},
      {kErrDeviceIO, "Device I/O error"},
      {kErrDiskFull, "Disk full"},
      {kErrInputPastEnd, "Input past end of file"},
      {kErrDeviceUnavailable, "Device unavailable"},
      {kErrPermissionDenied, "Permission denied"},
      {kErrPathFileAccess, "Path/File access error"},
      {kErrPathNotFound, "Path not found"},
      {kErrNoSuchElement, "Control array element doesn't exist"},
      {kErrNoSuchProperty, "Object doesn't support this property or method"},
  }};
  for (const auto& [c, text] : kTexts)
    if (c == code) return text;
  return "Application-defined or object-defined error";
}
