#pragma once

// The program driven by real input: its windows on Qt's offscreen platform
// with the real QtHost, operated only through mouse and key events that Qt
// itself delivers (to the widget under the pointer, to the widget with the
// keyboard focus), never by calling the controls. Message boxes, file
// dialogs, the program's own modal windows and popup menus are answered as
// they come up, by the same kind of input, from answers the test queues; a
// watchdog ends a test that hangs. The desktop tests (tests/desktop) use the
// same harness on a virtual X display under a window manager.
//
// Facts of the offscreen platform that this relies on:
// - a window is activated when it is shown, but when the active window
//   goes (a dialog closes) no other window is activated; the user here plays
//   the window manager and activates the window that was active before it,
//   the way a desktop gives the focus back;
// - QCursor::pos() stays where it was set, so popup menus open at a fixed
//   place; they are answered through their own window wherever they are;
// - its one screen is 800x800 pixels, and a window may reach beyond it (the
//   test data editor's window is 966x723, its grid lies past the right
//   edge): whether anything covers the point aimed at is found by the
//   window's own hit test (QWidget::childAt), which holds there too, and the
//   events go to the window, not to a place on the screen. Qt's screen-wide
//   hit test (QApplication::widgetAt) would find nothing there.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/qt_host.h"
#include "program_state.h"
#include "shell/ui/form_main.h"
#include "support/scoped_folder.h"

class Control;
class DirList;
class Form;
class MenuItem;
class TextBox;
class QWidget;
class QWindow;

namespace real_input {

// Ends the test process with a clear message when a test does not finish in
// time (a modal window that nobody answers, a loop that never yields).
class Watchdog {
 public:
  explicit Watchdog(int seconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;
  // What the test is doing now, for the message.
  void Step(const std::string& what);

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::string step_ = "starting";
  std::thread thread_;
};

// A window that came up while the test ran: a message box ("message"), a
// popup menu ("popup"), a file dialog ("file"), another dialog ("dialog") or
// one of the program's own modal windows ("window").
struct Shown {
  std::string kind;
  std::string title;
  // A message's text; a popup's visible items, '|' between them; the number
  // of copies that a print dialog opens on.
  std::string text;
};

// What a text box shows on the screen (the lines of a multi-line box
// separated by '\n').
std::string ShownText(TextBox& box);

// The texts on show in a window (labels, boxes, buttons, frame captions)
// that name one of the words of `words` (a regular expression's
// alternatives, such as "MPa|mm"), each as its control's name and text.
std::vector<std::string> TextsNaming(const Form& window, const std::string& words);

// The user at the mouse and the keyboard.
class User : public QObject {
 public:
  User();
  ~User() override;

  // Mouse input at `at` (pixels in the widget; its centre when null). The
  // widget must be on show and enabled, and nothing may lie over the point.
  void Click(Control& c, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
  void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
  void DoubleClick(Control& c, QPoint at = {});
  // A double click on the entry of the folder list that names `folder`.
  void OpenFolder(DirList& list, const std::string& folder);
  // The pointer moves over `c` to `at`, no button held.
  void Move(Control& c, QPoint at);
  // Keys, delivered by Qt to the window that has the keyboard focus.
  void Type(const std::string& text);
  // All of the text of the box with the keyboard focus selected (Ctrl+A)
  // and `text` typed over it.
  void TypeOver(const std::string& text);
  // A click into a box, then `text` typed over all of its text.
  void Retype(Control& box, const std::string& text);
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // A menu command: a click on its menu's title in the menu bar, then on the
  // item (through the submenus on the way) in the menu that opens.
  void Choose(MenuItem& item);
  // Opens the menu of `title`, an item on the menu bar, by a click on it.
  QWidget* OpenMenu(MenuItem& title);
  // Lets pending events run for `ms` milliseconds.
  void Wait(int ms = 20);

  // Answers for what comes up next, used in the order queued.
  // A message box: presses the button with this text ("OK", "Yes", ...);
  // `whileUp` looks at the windows first.
  void AnswerMessage(const std::string& button, std::function<void()> whileUp = {});
  // A message box: answered by a key (Enter presses its default button).
  void AnswerMessageByKey(int key);
  // A popup menu: chooses the item with this caption.
  void AnswerPopup(const std::string& item);
  // A popup menu: closed by a click on `w` beside it.
  void ClosePopupByClickOn(QWidget* w);
  // A file dialog: types the full path into its name box and presses Enter.
  void AnswerFileDialog(const std::string& path);
  // Another dialog (the print dialog): presses Escape.
  void CancelDialog();
  // The print dialog: `copies` typed over its number of copies (on its
  // options), then the button with this text pressed.
  void AnswerPrintDialog(const std::string& copies, const std::string& button);
  // One of the program's own modal windows: `act` operates it.
  void AnswerWindow(std::function<void()> act);
  // Another dialog (the print dialog): `act` operates it, by the means of
  // this user.
  void AnswerDialog(std::function<void(QWidget* dialog)> act);
  // A click on the button on show in `window` whose caption reads `button`.
  void PressButton(QWidget* window, const std::string& button);
  // Whether every queued answer has been used.
  bool AllAnswered() const { return queue_.empty(); }

  // Everything that came up, in order. When one test starts the program a
  // second time, the user of the program started last answers: an earlier
  // one no longer looks at the windows.
  std::vector<Shown> shown;
  // The message boxes among them.
  std::vector<Shown> Messages() const;

 private:
  struct Answer {
    std::string kind;
    std::string what;
    std::function<void(QWidget*)> act;
  };
  void Queue(std::string kind, std::string what, std::function<void(QWidget*)> act);
  void Arm();
  void Poll();
  void Dismiss(QWidget* w);
  // The window manager's part: the window that the user works in is active.
  void Activate(QWidget* window);
  // A click at `pos` of `w`'s window, aimed at `w`.
  void ClickAt(QWidget* w, Qt::MouseButton button, QPoint pos);
  QWindow* FocusWindow();
  void ClickInMenu(QWidget* menu, MenuItem& item);
  // Opens `item`'s submenu by a click on `item` (a title on the menu bar, or
  // an item of the open menu `in`).
  QWidget* OpenSubmenu(MenuItem& item, QWidget* in);

  std::deque<Answer> queue_;
  // The windows answered that are still on show.
  std::vector<QPointer<QWidget>> handled_;
  std::vector<QPointer<QWidget>> activeHistory_;
  // The menus the user opened from the menu bar: not for the answers.
  std::vector<QPointer<QWidget>> ownMenus_;
  // The users of the programs running, in the order they started: the
  // last one answers what comes up.
  static std::vector<User*> users_;
};

// The real QtHost. Long work lets events through every few milliseconds;
// with `yieldAtEveryPiece` it lets them through between every two pieces of
// the work, so that input sent while the work runs surely arrives during it.
class RealQtHost : public QtHost {
 public:
  bool yieldAtEveryPiece = false;
  int YieldIntervalMs() const override { return yieldAtEveryPiece ? 0 : QtHost::YieldIntervalMs(); }
};

// One run of the program as the application starts it: in a folder of its
// own (the current folder), its records, the real QtHost and the main window,
// loaded with the warranty accepted by a click on "Accept". The watchdog
// comes first, so that it also watches the start; the setup's files are in
// the folder before the program starts. The folder goes with the program;
// it is made in `parent` where one is given (the user's folders, which
// outlive the run, beside it).
struct RealProgram {
  // Puts the files that the user has before the program starts into the folder.
  using Setup = std::function<void(const std::filesystem::path& folder)>;
  explicit RealProgram(const std::string& tag, const Setup& setup = {}, int seconds = 120,
                       const std::filesystem::path& parent = {});
  ~RealProgram();

  Watchdog watchdog;
  ScopedCurrentFolder folder;
  bool setUp;
  User user;
  ProgramState state;
  RealQtHost host;
  FormMain main{state, host};
};

}  // namespace real_input
