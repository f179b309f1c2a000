#include "desktop/x_desktop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/qt/x11_properties.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartTime = std::chrono::seconds(20);

// The program's full path from PATH ("" where it is not installed).
std::string Installed(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "/usr/bin:/bin");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const std::string full = dir + "/" + program;
    if (!dir.empty() && ::access(full.c_str(), X_OK) == 0) return full;
  }
  return "";
}

// The process's environment with `changes` made.
std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& changes) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (!changes.count(entry.substr(0, entry.find('=')))) env.push_back(entry);
  }
  for (const auto& [name, value] : changes) env.push_back(name + "=" + value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> p;
  for (std::string& t : texts) p.push_back(t.data());
  p.push_back(nullptr);
  return p;
}

// Starts `program` with `args`, its output into `log`; `keepOpen` is a
// descriptor that it inherits. Everything the child needs is made before the
// fork: after it, the child only calls what is safe there.
pid_t Spawn(const std::string& program, std::vector<std::string> args, std::vector<std::string> env,
            const std::filesystem::path& log, int keepOpen = -1) {
  args.insert(args.begin(), program);
  std::vector<char*> argv = Pointers(args), envp = Pointers(env);
  const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);  // the test ended before the signal was asked for
    if (out >= 0) {
      ::dup2(out, STDOUT_FILENO);
      ::dup2(out, STDERR_FILENO);
    }
    if (keepOpen >= 0) ::fcntl(keepOpen, F_SETFD, 0);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  if (out >= 0) ::close(out);
  return pid;
}

void Stop(pid_t& pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  for (int i = 0; i < 200 && ::waitpid(pid, nullptr, WNOHANG) == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (::waitpid(pid, nullptr, WNOHANG) == 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  pid = -1;
}

bool Running(pid_t pid) { return pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0; }

// The display number that the server writes to `fd` once it takes clients.
std::string DisplayNumberFrom(int fd, pid_t server) {
  std::string number;
  const auto end = Clock::now() + kStartTime;
  while (Clock::now() < end && Running(server)) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    char c = 0;
    if (::read(fd, &c, 1) != 1) break;
    if (c == '\n') return number;
    number += c;
  }
  return "";
}

}  // namespace

XDesktop::XDesktop(int width, int height) {
  char tmpl[] = "/tmp/fla_desktop_XXXXXX";
  if (!::mkdtemp(tmpl)) {
    failure_ = "no temporary folder for the desktop";
    return;
  }
  folder_ = tmpl;
  StartServer(width, height);
  if (Up()) StartWindowManager();
}

XDesktop::~XDesktop() {
  Stop(windowManager_);
  Stop(server_);
  std::error_code ec;
  if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

std::string XDesktop::LogOf(const char* program) const {
  std::ifstream in(folder_ / (std::string(program) + ".log"));
  const std::string text(std::istreambuf_iterator<char>(in), {});
  return text.size() > 2000 ? text.substr(text.size() - 2000) : text;
}

void XDesktop::StartServer(int width, int height) {
  const std::string xvfb = Installed("Xvfb");
  if (xvfb.empty()) {
    failure_ = "Xvfb is not installed (scripts/setup installs it)";
    return;
  }
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) {
    failure_ = "no pipe for the X server's display number";
    return;
  }
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  server_ = Spawn(xvfb, {"-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp", "-noreset", "-dpi", "96"},
                  EnvironmentWith({}), folder_ / "Xvfb.log", fds[1]);
  ::close(fds[1]);
  const std::string number = DisplayNumberFrom(fds[0], server_);
  ::close(fds[0]);
  if (number.empty()) failure_ = "the X server (Xvfb) did not start:\n" + LogOf("Xvfb");
  display_ = ":" + number;
}

void XDesktop::StartWindowManager() {
  const std::string openbox = Installed("openbox");
  if (openbox.empty()) {
    failure_ = "openbox is not installed (scripts/setup installs it)";
    return;
  }
  const std::filesystem::path own = std::filesystem::path(FLA_TESTS_DIR) / "desktop";
  const std::string home = folder_.string();
  // Its settings, the theme and its own files come from here, not from the user's home.
  windowManager_ = Spawn(openbox, {"--config-file", (own / "openbox" / "rc.xml").string(), "--sm-disable"},
                         EnvironmentWith({{"DISPLAY", display_},
                                          {"HOME", home},
                                          {"XDG_CONFIG_HOME", home + "/config"},
                                          {"XDG_CACHE_HOME", home + "/cache"},
                                          {"XDG_DATA_HOME", own.string()}}),
                         folder_ / "openbox.log");
  const auto end = Clock::now() + kStartTime;
  while (Clock::now() < end && Running(windowManager_)) {
    if (WindowManagerAnswers()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  failure_ = "the window manager (openbox) did not start on " + display_ + ":\n" + LogOf("openbox");
}

// Whether a window manager manages the display: it names its check window
// on the root window, as the desktop conventions have it.
bool XDesktop::WindowManagerAnswers() const {
  xcb_connection_t* c = xcb_connect(display_.c_str(), nullptr);
  const bool up = !xcb_connection_has_error(c) &&
                  X11WindowManagerRuns(c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root);
  xcb_disconnect(c);
  return up;
}
