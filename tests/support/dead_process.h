#pragma once

#include <sys/wait.h>
#include <unistd.h>

// The id of a process that has ended and been waited for: the owner of a
// temporary file that a killed save left behind.
inline pid_t DeadProcessId() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}
