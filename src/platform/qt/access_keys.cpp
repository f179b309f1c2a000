#include "platform/qt/access_keys.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>

#include "platform/ui/form.h"

namespace {

// The buttons of `form`'s window open to the access key `key`, in the order
// made.
std::vector<QAbstractButton*> ButtonsOpenToAccessKey(const Form& form, const QKeySequence& key) {
  std::vector<QAbstractButton*> open;
  const QWidget* window = form.widget();
  for (Control* c : form.Controls()) {
    auto* button = qobject_cast<QAbstractButton*>(c->widget());
    if (!button || button->window() != window || !c->IsShowing() || !c->IsEnabledInForm()) continue;
    if (QKeySequence::mnemonic(button->text()) != key || !form.FramesInFront(c).empty()) continue;
    open.push_back(button);
  }
  return open;
}

}  // namespace

bool PressAccessKeyButton(const Form& form, const QKeySequence& key) {
  const std::vector<QAbstractButton*> open = ButtonsOpenToAccessKey(form, key);
  if (open.empty()) return false;
  if (open.size() == 1) {
    open.front()->setFocus(Qt::ShortcutFocusReason);
    open.front()->animateClick();
    return true;
  }
  const auto focused = std::find(open.begin(), open.end(), QApplication::focusWidget());
  QAbstractButton* next = focused == open.end() || focused + 1 == open.end() ? open.front() : *(focused + 1);
  next->setFocus(Qt::ShortcutFocusReason);
  return true;
}

bool OpenMenuByAccessKey(const Form& form, const QKeySequence& key) {
  QMenuBar* bar = form.menuBar();
  if (!bar->isVisible()) return false;
  for (QAction* title : bar->actions()) {
    if (!title->isVisible() || !title->isEnabled() || QKeySequence::mnemonic(title->text()) != key) continue;
    bar->setActiveAction(title);
    return true;
  }
  return false;
}
