#include "platform/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QWindow>

#include "platform/qt/access_keys.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/window_manager_frame.h"
#include "platform/ui/form.h"

FormWindow::FormWindow(Form& form) : form_(form), menuBar_(new QMenuBar(this)), client_(new QWidget(this)) {
  menuBar_->setNativeMenuBar(false);
  menuBar_->installEventFilter(this);
}

int FormWindow::MenuBarHeight() const {
  for (QAction* a : menuBar_->actions())
    if (a->isVisible()) return menuBar_->sizeHint().height();
  return 0;
}

QMargins FormWindow::FrameMargins() {
  static QMargins seen;
  const WId id = winId();
  QMargins m = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  // Qt knows the frame once it has seen the window framed; until then the
  // window manager's answer stands (asked once for each platform window).
  if (m.isNull() && windowHandle()) {
    if (askedFor_ != id) {
      wmFrame_ = FrameFromWindowManager(*windowHandle());
      askedFor_ = id;
    }
    m = wmFrame_;
  }
  if (m.isNull() && !isVisible()) return seen;
  if (isVisible() || !m.isNull()) seen = m;
  return m;
}

void FormWindow::Relayout() {
  const int mh = MenuBarHeight();
  menuBar_->setVisible(mh > 0);
  menuBar_->setGeometry(0, 0, width(), mh);
  client_->setGeometry(0, mh, width(), std::max(0, height() - mh));
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (form_.close())
    event->accept();
  else
    event->ignore();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
  form_.RaiseResize();
}

void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) form_.RaiseActivate();
}

bool FormWindow::focusNextPrevChild(bool next) {
  form_.QtMovesFocusOn(next);
  return true;
}

// Qt gives a title's access key to the menu bar in turn with the buttons
// that share the letter: a button open to it takes the key instead, every
// press.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != menuBar_ || event->type() != QEvent::Shortcut) return QWidget::eventFilter(watched, event);
  return PressAccessKeyButton(form_, static_cast<QShortcutEvent*>(event)->key());
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  const bool toTheWindow = QApplication::focusWidget() == this;  // not passed on by a control
  if (!toTheWindow || !form_.PressDefaultOrCancel(KeyCodeFromQt(event->key()))) QWidget::keyPressEvent(event);
}
