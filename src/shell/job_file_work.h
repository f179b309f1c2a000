#pragma once

#include "platform/host.h"
#include "shell/shell_state.h"
#include "shell/user_messages.h"

// While a job file is opened or saved the program lets events through (a long
// history batch of the job is read in pieces). A command chosen meanwhile
// would run inside that work and mix two jobs: it does nothing then, with a
// beep when the beep setting is on.

// Marks the job file work for its lifetime.
class JobFileWork {
 public:
  explicit JobFileWork(ShellState& shell) : shell_(shell), before_(shell.JobFileBusy) { shell_.JobFileBusy = 1; }
  ~JobFileWork() { shell_.JobFileBusy = before_; }
  JobFileWork(const JobFileWork&) = delete;
  JobFileWork& operator=(const JobFileWork&) = delete;

 private:
  ShellState& shell_;
  int16_t before_;
};

// True, after the beep, when a command arrives during job file work.
inline bool RefusedDuringJobFileWork(const ShellState& shell, Host& host) {
  if (shell.JobFileBusy == 0) return false;
  BeepIfEnabled(shell, host);
  return true;
}
