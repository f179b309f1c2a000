#include "real_input/real_user.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/menu_item.h"
#include "platform/ui/text_box.h"
#include "shell/ui/warranty_dialog.h"

namespace real_input {

namespace {

// A caption as the user reads it: without the '&' that marks the access key.
std::string Plain(const QString& caption) {
  QString s;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    s += caption[i];
  }
  return s.toStdString();
}

std::string KindOf(QWidget* w) {
  if (qobject_cast<QMenu*>(w)) return "popup";
  if (qobject_cast<QMessageBox*>(w)) return "message";
  if (qobject_cast<QFileDialog*>(w)) return "file";
  if (qobject_cast<QDialog*>(w)) return "dialog";
  return "window";
}

Shown Describe(QWidget* w) {
  Shown s{KindOf(w), w->windowTitle().toStdString(), ""};
  if (auto* box = qobject_cast<QMessageBox*>(w)) s.text = box->text().toStdString();
  if (auto* copies = qobject_cast<QPrintDialog*>(w) ? w->findChild<QSpinBox*>("copies") : nullptr)
    s.text = std::to_string(copies->value());
  if (auto* menu = qobject_cast<QMenu*>(w)) {
    for (QAction* a : menu->actions()) {
      if (!a->isVisible()) continue;
      if (!s.text.empty()) s.text += "|";
      s.text += a->isSeparator() ? "-" : Plain(a->text());
    }
  }
  return s;
}

std::string NameOf(QWidget* w) {
  std::string name = w->metaObject()->className();
  if (!w->objectName().isEmpty()) name += " " + w->objectName().toStdString();
  return name;
}

// The widgets of the form's controls.
std::set<const QWidget*> ControlWidgets(const Form& form) {
  std::set<const QWidget*> widgets;
  for (const Control* c : form.Controls()) widgets.insert(c->widget());
  return widgets;
}

// The widget that a press at `inTop` of `top` reaches, by the window's own
// hit test (see the header on windows larger than the screen): the deepest
// widget there, or, when `controls` are given, the widget of the control
// that holds it (a control's own inner widgets, such as a list's viewport,
// belong to it).
const QWidget* HitAt(QWidget* top, QPoint inTop, const std::set<const QWidget*>& controls) {
  const QWidget* hit = top->childAt(inTop);
  if (!hit) return top;
  if (controls.empty()) return hit;
  for (const QWidget* w = hit; w; w = w->parentWidget())
    if (controls.count(w)) return w;
  return top;
}

// The point `at` of `w` in its window, where the user aims: `w` is on show
// and enabled, and a press there reaches `w` (nothing lies over it). With no
// point given, the middle of `w`, or the spot nearest to it that no other
// control covers.
QPoint AimAt(QWidget* w, QPoint& at, const std::set<const QWidget*>& controls = {}) {
  if (!w) throw std::runtime_error("no widget to aim at");
  if (!w->isVisible()) throw std::runtime_error(NameOf(w) + " is not on show");
  if (!w->isEnabled()) throw std::runtime_error(NameOf(w) + " is disabled");
  QWidget* top = w->window();
  const auto reaches = [&](QPoint p) {
    const QWidget* hit = HitAt(top, w->mapTo(top, p), controls);
    return hit == w || (controls.empty() && w->isAncestorOf(hit));
  };
  if (at.isNull()) {
    at = w->rect().center();
    for (int r = 0; !reaches(at) && r < std::max(w->width(), w->height()); r += 3) {
      for (const QPoint d : {QPoint(r, 0), QPoint(-r, 0), QPoint(0, r), QPoint(0, -r), QPoint(r, r), QPoint(-r, -r)}) {
        const QPoint p = w->rect().center() + d;
        if (w->rect().contains(p) && reaches(p)) {
          at = p;
          break;
        }
      }
    }
  }
  if (!reaches(at)) {
    const QWidget* hit = HitAt(top, w->mapTo(top, at), controls);
    throw std::runtime_error(NameOf(const_cast<QWidget*>(hit)) + " lies over " + NameOf(w) + " at the point aimed at");
  }
  return w->mapTo(top, at);
}

}  // namespace

std::string ShownText(TextBox& box) {
  if (auto* lines = qobject_cast<QPlainTextEdit*>(box.widget())) return lines->toPlainText().toStdString();
  auto* edit = qobject_cast<QLineEdit*>(box.widget());
  if (!edit) throw std::runtime_error(box.Name() + " shows no line of text");
  return edit->text().toStdString();
}

std::vector<std::string> TextsNaming(const Form& window, const std::string& words) {
  const QRegularExpression named(QString("\\b(%1)\\b").arg(QString::fromStdString(words)));
  std::vector<std::string> found;
  for (Control* c : window.Controls()) {
    if (!c->IsShowing()) continue;
    QWidget* w = c->widget();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) text = edit->text();
    if (auto* lines = qobject_cast<QPlainTextEdit*>(w)) text = lines->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) text = frame->title();
    if (text.contains(named)) found.push_back(c->Name() + "(" + std::to_string(c->Index()) + ") \"" + text.toStdString() + "\"");
  }
  return found;
}

// ---- watchdog

Watchdog::Watchdog(int seconds)
    : thread_([this, seconds] {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) return;
        std::fprintf(stderr, "\n*** The test did not finish within %d s; it hung at: %s\n", seconds, step_.c_str());
        std::fflush(stderr);
        std::_Exit(1);
      }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void Watchdog::Step(const std::string& what) {
  std::lock_guard<std::mutex> lock(mutex_);
  step_ = what;
}

// ---- the user

std::vector<User*> User::users_;

User::User() {
  users_.push_back(this);
  QObject::connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (window && top->windowHandle() == window && !qobject_cast<QMenu*>(top)) activeHistory_.emplace_back(top);
  });
  Arm();
}

User::~User() {
  users_.erase(std::find(users_.begin(), users_.end(), this));
  for (const Answer& a : queue_) ADD_FAILURE() << "An answer was never used: " << a.kind << ", " << a.what;
}

// The check for what came up runs every few milliseconds, also inside the
// event loops of modal windows and popup menus: each check arms the next
// one first, so that it can fire while an answer still runs.
void User::Arm() {
  QTimer::singleShot(15, this, [this] {
    Arm();
    Poll();
  });
}

void User::Poll() {
  if (users_.back() != this) return;
  // The program's popups are menus; other popups (a completer's list, a
  // drop-down list) belong to the widget the user works in.
  QWidget* w = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!w && !QApplication::activePopupWidget()) w = QApplication::activeModalWidget();
  // A window answered and gone that comes up again (a menu of the menu bar
  // opened once more) is answered anew.
  std::erase_if(handled_, [](const QPointer<QWidget>& h) { return !h || !h->isVisible(); });
  if (!w || !w->isVisible()) return;
  for (const auto* seen : {&handled_, &ownMenus_})
    for (const QPointer<QWidget>& h : *seen)
      if (h == w) return;
  // A window is answered once it has settled: the offscreen platform
  // activates a shown window a moment after the show. Answered before that,
  // the late activation would go to a window already closed, and no window
  // would be active after it. (QWindow::isActive would also count a popup
  // whose parent window is active.)
  if (!w->windowHandle() || QGuiApplication::focusWindow() != w->windowHandle()) return;
  handled_.emplace_back(w);
  const Shown s = Describe(w);
  shown.push_back(s);
  if (queue_.empty() || queue_.front().kind != s.kind) {
    ADD_FAILURE() << "Unexpected " << s.kind << " \"" << s.title << "\" (" << NameOf(w) << "): " << s.text
                  << (queue_.empty() ? std::string() : " (the next answer is for a " + queue_.front().kind + ")");
    Dismiss(w);
    return;
  }
  const Answer a = std::move(queue_.front());
  queue_.pop_front();
  QPointer<QWidget> alive(w);
  try {
    a.act(w);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "Could not answer the " << s.kind << " \"" << s.title << "\" by " << a.what << ": " << e.what();
    if (alive && alive->isVisible()) Dismiss(alive);
  }
}

void User::Dismiss(QWidget* w) {
  if (auto* menu = qobject_cast<QMenu*>(w))
    menu->close();
  else if (auto* dialog = qobject_cast<QDialog*>(w))
    dialog->reject();
  else
    w->close();
}

void User::Queue(std::string kind, std::string what, std::function<void(QWidget*)> act) {
  queue_.push_back({std::move(kind), std::move(what), std::move(act)});
}

std::vector<Shown> User::Messages() const {
  std::vector<Shown> out;
  for (const Shown& s : shown)
    if (s.kind == "message") out.push_back(s);
  return out;
}

void User::Activate(QWidget* window) {
  if (QApplication::activeWindow() == window) return;
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window, 2000))
    throw std::runtime_error("the window \"" + window->windowTitle().toStdString() + "\" does not become active");
}

QWindow* User::FocusWindow() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
  if (QWindow* w = QGuiApplication::focusWindow()) return w;
  for (auto it = activeHistory_.rbegin(); it != activeHistory_.rend(); ++it) {
    if (*it && (*it)->isVisible()) {
      Activate(*it);
      return (*it)->windowHandle();
    }
  }
  throw std::runtime_error("no window takes the keys");
}

namespace {

// The point aimed at on a control, or the failure with the control's name.
QPoint AimAtControl(Control& c, QPoint& at) {
  try {
    return AimAt(c.widget(), at, ControlWidgets(c.ParentForm()));
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(c.Name() + (c.Index() >= 0 ? "(" + std::to_string(c.Index()) + ")" : "") + ": " +
                             e.what());
  }
}

}  // namespace

void User::Click(Control& c, Qt::MouseButton button, QPoint at) { ClickAt(c.widget(), button, AimAtControl(c, at)); }

void User::Click(QWidget* w, Qt::MouseButton button, QPoint at) { ClickAt(w, button, AimAt(w, at)); }

void User::ClickAt(QWidget* w, Qt::MouseButton button, QPoint pos) {
  QWidget* top = w->window();
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != top && !QApplication::activePopupWidget())
    throw std::runtime_error("the modal window \"" + modal->windowTitle().toStdString() + "\" is in the way");
  if (QApplication::activePopupWidget() || top->isActiveWindow()) {
    QTest::mouseClick(top->windowHandle(), button, Qt::NoModifier, pos);
    return;
  }
  // A click into another window: the press comes first, then the window
  // manager activates the window (as a desktop may do), then the release.
  QTest::mousePress(top->windowHandle(), button, Qt::NoModifier, pos);
  Activate(top);
  QTest::mouseRelease(top->windowHandle(), button, Qt::NoModifier, pos);
}

void User::DoubleClick(Control& c, QPoint at) {
  QWidget* w = c.widget();
  const QPoint pos = AimAtControl(c, at);
  Activate(w->window());
  QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
}

void User::OpenFolder(DirList& list, const std::string& folder) {
  auto* view = qobject_cast<QListWidget*>(list.widget());
  if (!view) throw std::runtime_error(list.Name() + " shows no list");
  const auto found = view->findItems(QString::fromStdString(folder), Qt::MatchEndsWith);
  if (found.size() != 1) throw std::runtime_error(folder + " is not in the list");
  DoubleClick(list, view->viewport()->mapTo(view, view->visualItemRect(found[0]).center()));
}

void User::Move(Control& c, QPoint at) {
  QWidget* w = c.widget();
  const QPoint pos = AimAtControl(c, at);
  QTest::mouseMove(w->window()->windowHandle(), pos);
}

void User::Type(const std::string& text) {
  for (char ch : text) QTest::keyClick(FocusWindow(), ch);
}

void User::TypeOver(const std::string& text) {
  Key(Qt::Key_A, Qt::ControlModifier);
  Type(text);
}

void User::Retype(Control& box, const std::string& text) {
  Click(box);
  TypeOver(text);
}

void User::Key(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(FocusWindow(), static_cast<Qt::Key>(key), modifiers);
}

void User::Wait(int ms) { QTest::qWait(ms); }

void User::ClickInMenu(QWidget* w, MenuItem& item) {
  auto* menu = qobject_cast<QMenu*>(w);
  if (!menu) throw std::runtime_error("no menu is open for " + item.Caption());
  const QRect r = menu->actionGeometry(item.action());
  if (!item.action()->isVisible() || r.isEmpty()) throw std::runtime_error(item.Caption() + " is not in the menu");
  if (!item.action()->isEnabled()) throw std::runtime_error(item.Caption() + " is disabled");
  QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier, r.center());
}

QWidget* User::OpenSubmenu(MenuItem& item, QWidget* in) {
  QMenu* menu = item.action()->menu();
  if (!menu) throw std::runtime_error(item.Caption() + " holds no menu");
  ownMenus_.emplace_back(menu);
  if (in) {
    ClickInMenu(in, item);
  } else {
    QMenuBar* bar = item.ParentForm().menuBar();
    const QRect title = bar->actionGeometry(item.action());
    if (!item.action()->isVisible() || title.isEmpty()) throw std::runtime_error(item.Caption() + " is not on the menu bar");
    if (!item.action()->isEnabled()) throw std::runtime_error(item.Caption() + " is disabled");
    Click(bar, Qt::LeftButton, title.center());
  }
  if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
    throw std::runtime_error("the menu " + item.Caption() + " does not open");
  return menu;
}

QWidget* User::OpenMenu(MenuItem& title) { return OpenSubmenu(title, nullptr); }

void User::Choose(MenuItem& item) {
  std::vector<MenuItem*> chain;
  for (MenuItem* m = &item; m; m = m->Parent()) chain.insert(chain.begin(), m);
  if (chain.size() < 2) throw std::runtime_error(item.Caption() + " is not a command of a menu");
  QWidget* menu = nullptr;
  for (size_t i = 0; i + 1 < chain.size(); ++i) menu = OpenSubmenu(*chain[i], menu);
  ClickInMenu(menu, item);
}

// ---- answers

void User::PressButton(QWidget* window, const std::string& button) {
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    if (b->isVisible() && Plain(b->text()) == button) {
      Click(b);
      return;
    }
  }
  throw std::runtime_error("\"" + window->windowTitle().toStdString() + "\" has no button " + button + " on show");
}

void User::AnswerMessage(const std::string& button, std::function<void()> whileUp) {
  Queue("message", "pressing " + button, [this, button, whileUp = std::move(whileUp)](QWidget* w) {
    if (whileUp) whileUp();
    PressButton(w, button);
  });
}

void User::AnswerMessageByKey(int key) {
  Queue("message", "a key", [this, key](QWidget*) { Key(key); });
}

void User::AnswerPopup(const std::string& item) {
  Queue("popup", "choosing " + item, [item](QWidget* w) {
    auto* menu = qobject_cast<QMenu*>(w);
    for (QAction* a : menu->actions()) {
      if (!a->isVisible() || Plain(a->text()) != item) continue;
      if (!a->isEnabled()) throw std::runtime_error(item + " is disabled");
      QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
      return;
    }
    throw std::runtime_error("the popup has no item " + item);
  });
}

void User::ClosePopupByClickOn(QWidget* target) {
  Queue("popup", "a click beside it", [target](QWidget*) {
    QPoint at;
    const QPoint pos = AimAt(target, at);
    QTest::mouseClick(target->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
  });
}

void User::AnswerFileDialog(const std::string& path) {
  Queue("file", "typing " + path, [this, path](QWidget* w) {
    auto* name = w->findChild<QLineEdit*>("fileNameEdit");
    if (!name) throw std::runtime_error("the file dialog has no name box");
    Click(name);
    TypeOver(path);
    Key(Qt::Key_Return);
  });
}

void User::CancelDialog() {
  Queue("dialog", "Escape", [this](QWidget* w) {
    Activate(w);
    Key(Qt::Key_Escape);
  });
}

void User::AnswerPrintDialog(const std::string& copies, const std::string& button) {
  Queue("dialog", "typing " + copies + " copies, then " + button, [this, copies, button](QWidget* w) {
    auto* box = w->findChild<QSpinBox*>("copies");
    if (!box) throw std::runtime_error("the dialog has no number of copies");
    // The number lies on the tab "Copies" of the options that "Options >>"
    // shows.
    PressButton(w, "Options >>");
    if (!box->isVisible()) {
      auto* tabs = w->findChild<QTabBar*>();
      for (int i = 0; tabs && i < tabs->count(); ++i)
        if (Plain(tabs->tabText(i)) == "Copies") Click(tabs, Qt::LeftButton, tabs->tabRect(i).center());
    }
    Click(box->findChild<QLineEdit*>());
    TypeOver(copies);
    PressButton(w, button);
  });
}

void User::AnswerDialog(std::function<void(QWidget*)> act) { Queue("dialog", "operating it", std::move(act)); }

void User::AnswerWindow(std::function<void()> act) {
  Queue("window", "operating it", [act = std::move(act)](QWidget*) { act(); });
}

// ---- the program

RealProgram::RealProgram(const std::string& tag, const Setup& setup, int seconds,
                         const std::filesystem::path& parent)
    : watchdog(seconds), folder(tag, parent), setUp(setup ? (setup(folder.path()), true) : false) {
  host.SetParentWindow(main.widget());
  main.onProgramEnd = [] {};
  user.AnswerWindow([this] { user.Click(main.dialog().Dialog_OKButton); });
  watchdog.Step("start-up and the warranty");
  main.Load();
  if (!main.IsLoaded() || !QTest::qWaitForWindowExposed(main.widget()))
    ADD_FAILURE() << "The main window did not come up";
}

RealProgram::~RealProgram() { watchdog.Step("closing"); }

}  // namespace real_input
