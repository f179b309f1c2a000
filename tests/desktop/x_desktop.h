#pragma once

// A desktop of its own for the tests of what a window manager does to the
// program's windows: a virtual X display (Xvfb) of the given size and a
// window manager (openbox) on it, with the window decorations of the
// theme in tests/desktop/themes. Qt's offscreen platform draws no frames,
// so that only a real window manager shows where the title bar goes and how
// much of a title it shows.
//
// Both programs end with the object, and with the test process however it
// ends (the watchdog's exit, a crash): they get a kill signal when the
// process that started them is gone.

#include <sys/types.h>

#include <filesystem>
#include <string>

class XDesktop {
 public:
  XDesktop(int width, int height);
  ~XDesktop();
  XDesktop(const XDesktop&) = delete;
  XDesktop& operator=(const XDesktop&) = delete;

  // Whether the display and its window manager run.
  bool Up() const { return failure_.empty(); }
  // Why they do not, with what they wrote.
  const std::string& Failure() const { return failure_; }
  // The display's name for DISPLAY (":5").
  const std::string& Display() const { return display_; }

 private:
  void StartServer(int width, int height);
  void StartWindowManager();
  bool WindowManagerAnswers() const;
  std::string LogOf(const char* program) const;

  std::filesystem::path folder_;
  std::string display_;
  std::string failure_;
  pid_t server_ = -1;
  pid_t windowManager_ = -1;
};
