#pragma once

#include <string>
#include <vector>

// The records of a job file's bytes, one a line without its line end:
// record n at [n - 1]. Record 5 keeps the lone carriage returns between its
// texts.
inline std::vector<std::string> JobFileRecords(const std::string& bytes) {
  std::vector<std::string> records;
  size_t from = 0;
  for (size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", from)) {
    records.push_back(bytes.substr(from, end - from));
    from = end + 2;
  }
  return records;
}
