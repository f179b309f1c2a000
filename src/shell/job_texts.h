#pragma once

#include <string>

// The three free texts that describe a job: shown in the job summary, kept in
// the job file and printed in the reports. "???" while nothing names them.
struct JobTexts {
  std::string JobSubject = "???";
  std::string MaterialName = "???";  // the database set's name once one is used
  std::string LoadingName = "???";   // the loading batch's name once one is used

  bool operator==(const JobTexts&) const = default;
};
