#include "platform/qt/control_bridge.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShortcutEvent>

#include "platform/qt/access_keys.h"
#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

namespace {

// Where a control's Click comes from.
enum class ClickSource { Release, Widget, None };

// Buttons report their clicks (by the mouse or the space bar) themselves;
// scroll bars, drive lists and lines have no Click.
ClickSource ClickSourceOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::CommandButton:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox: return ClickSource::Widget;
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
    case ControlKind::DriveList:
    case ControlKind::Line: return ClickSource::None;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::TextBox:
    case ControlKind::PictureBox:
    case ControlKind::DirList: return ClickSource::Release;
  }
  return ClickSource::None;
}

}  // namespace

void ControlBridge::Attach(QWidget* widget) {
  Watch(widget);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) Watch(area->viewport());
}

void ControlBridge::Watch(QWidget* w) {
  w->installEventFilter(this);
  // MouseMove also without a button held; and the control's mouse events
  // are not passed on to the control that holds it.
  w->setMouseTracking(true);
  w->setAttribute(Qt::WA_NoMousePropagation);
}

bool ControlBridge::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      OnFocusIn(static_cast<QFocusEvent*>(event)->reason());
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      OnMouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
      return false;
    case QEvent::KeyPress:
      return OnKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      OnKeyRelease(static_cast<QKeyEvent*>(event));
      return false;
    case QEvent::Shortcut:
      return OnAccessKey(static_cast<QShortcutEvent*>(event));
    default:
      return false;
  }
}

// An access key (Alt and the underlined letter) works only on a button that
// the user can see: Qt's own shortcut also reaches a button that a frame
// made later covers, and takes turns among all that share the letter (the
// browser's "&Close" over the data-service dialog's "&Cancel", the menu
// bar's titles). Whichever button gets it, the buttons open to the key take
// it, else the menu title with that letter.
bool ControlBridge::OnAccessKey(QShortcutEvent* se) {
  const Form& form = control_.ParentForm();
  if (!PressAccessKeyButton(form, se->key())) OpenMenuByAccessKey(form, se->key());
  return true;
}

bool ControlBridge::HasQtFocus() const { return QApplication::focusWidget() == control_.widget(); }

// The control that receives the user's key or press has the focus: where
// Qt's focus is on it but the form has its focus elsewhere, the form moves
// it here (LostFocus, GotFocus). False when the focus did not come.
bool ControlBridge::TakeFocus() {
  Form& form = control_.ParentForm();
  if (form.ActiveControl() == &control_ || !control_.CanTakeFocus()) return true;
  form.MoveFocus(&control_);
  return form.ActiveControl() == &control_;
}

void ControlBridge::OnFocusIn(int reason) {
  Form& form = control_.ParentForm();
  if (form.syncingQt_) return;
  // The user's moves: a click, Tab. Any other arrival is Qt's own: the
  // window became active again (shown, or back from a dialog or a message
  // box) or a popup menu closed, and Qt puts the focus back where it was, or
  // on the first widget it made; the form says where it is.
  const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                      reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
  if (byUser)
    form.MoveFocus(&control_);
  else if (form.ActiveControl() != &control_)
    form.SyncQtFocus();
}

void ControlBridge::OnMouse(QWidget* watched, QMouseEvent* m) {
  QWidget* own = control_.widget();
  const QPointF at = watched == own ? m->position() : QPointF(watched->mapTo(own, m->position().toPoint()));
  const int shift = ShiftBitsFromQt(m->modifiers());
  const bool left = m->button() == Qt::LeftButton;
  const int button = ButtonBitsFromQt(m->button());
  switch (m->type()) {
    case QEvent::MouseButtonPress:
      pressed_ |= button;
      afterDoubleClick_ = false;
      // A press into a window that is not active yet moves the focus here
      // itself: Qt gives it with the window's activation, which may come
      // after the press.
      if ((HasQtFocus() || !own->isActiveWindow()) && !TakeFocus()) return;
      control_.RaiseMouse(0, button, shift, at.x(), at.y());
      return;
    case QEvent::MouseButtonDblClick:
      pressed_ |= button;
      afterDoubleClick_ = true;
      if (left) control_.dblClick();
      return;
    case QEvent::MouseButtonRelease: {
      // Only the release of a press made on this control is its own (not
      // the release of a click that closed a popup menu over it).
      if (!(pressed_ & button)) return;
      pressed_ &= ~button;
      control_.RaiseMouse(1, button, shift, at.x(), at.y());
      const bool click = left && !afterDoubleClick_ && own->rect().contains(at.toPoint());
      afterDoubleClick_ = false;
      if (click && ClickSourceOf(control_.Kind()) == ClickSource::Release && control_.IsEnabledInForm())
        control_.RaiseClick();
      return;
    }
    default:
      control_.RaiseMouse(2, ButtonBitsFromQt(m->buttons()), shift, at.x(), at.y());
      return;
  }
}

bool ControlBridge::OnKeyPress(QKeyEvent* k) {
  // A key that the control with the focus left unused comes on to the
  // controls that hold it; it is not theirs.
  if (!HasQtFocus() || !control_.IsEnabledInForm()) return false;
  if (!TakeFocus()) return true;
  int code = KeyCodeFromQt(k->key());
  const int shift = ShiftBitsFromQt(k->modifiers());
  if (control_.FormTakesKey(code, shift)) return true;
  control_.RaiseKeyDown(code, shift);
  // Swallowed, or the focus went elsewhere with the key.
  if (code == 0 || !control_.HasFocus()) return true;
  return TypeCharacter(k);
}

// KeyPress for a key that types a character (and Enter, Backspace and
// Escape); what it leaves typed goes into a text box.
bool ControlBridge::TypeCharacter(QKeyEvent* k) {
  const QString text = k->text();
  if (text.size() != 1 || text[0].unicode() > 255) return false;
  const int ascii = text[0].unicode();
  if (ascii < 32 && ascii != kKeyReturn && ascii != kKeyBack && ascii != kKeyEscape) return false;
  auto* box = dynamic_cast<TextBox*>(&control_);
  if (box && ascii >= 32 && box->MaxLength() > 0 &&
      static_cast<int>(box->Text().size()) - box->SelLength() >= box->MaxLength())
    return true;
  const int typed = control_.keyPress(ascii);
  if (typed == 0) return true;
  if (typed != ascii && box && typed >= 32) {
    const QString changed = QString(QChar(typed));
    if (auto* line = qobject_cast<QLineEdit*>(control_.widget())) line->insert(changed);
    if (auto* multi = qobject_cast<QPlainTextEdit*>(control_.widget())) multi->insertPlainText(changed);
    return true;
  }
  return false;
}

void ControlBridge::OnKeyRelease(QKeyEvent* k) {
  if (k->isAutoRepeat() || !HasQtFocus()) return;
  control_.keyUp(KeyCodeFromQt(k->key()), ShiftBitsFromQt(k->modifiers()));
}
