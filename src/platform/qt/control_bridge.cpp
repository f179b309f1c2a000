#include "platform/qt/control_bridge.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

bool ControlBridge::eventFilter(QObject* watched, QEvent* event) {
  Form& form = control_.ParentForm();
  switch (event->type()) {
    case QEvent::FocusIn: {
      // Reactivating the window or closing a popup gives the focus back to
      // the widget the form already has; only moves by the user count.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (!form.syncingQt_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        form.MoveFocus(&control_);
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
      auto* m = static_cast<QMouseEvent*>(event);
      const int which = event->type() == QEvent::MouseButtonPress ? 0 : event->type() == QEvent::MouseButtonRelease ? 1 : 2;
      const int buttons = ButtonBitsFromQt(which == 2 ? m->buttons() : Qt::MouseButtons(m->button()));
      control_.RaiseMouse(which, buttons, ShiftBitsFromQt(m->modifiers()), m->position().x(), m->position().y());
      const bool clickable = control_.Kind() == ControlKind::Label || control_.Kind() == ControlKind::PictureBox ||
                             control_.Kind() == ControlKind::Frame;
      if (which == 1 && clickable && m->button() == Qt::LeftButton &&
          static_cast<QWidget*>(watched)->rect().contains(m->position().toPoint()))
        control_.RaiseClick();
      break;
    }
    case QEvent::MouseButtonDblClick:
      control_.dblClick();
      break;
    case QEvent::KeyPress:
      return OnKey(event);
    default:
      break;
  }
  return false;
}

bool ControlBridge::OnKey(QEvent* event) {
  auto* k = static_cast<QKeyEvent*>(event);
  int code = KeyCodeFromQt(k->key());
  if (code == kKeyTab) return false;  // Qt moves the focus; FocusIn follows
  Form& form = control_.ParentForm();
  if (code == kKeyReturn && form.DefaultButton() && control_.Kind() != ControlKind::CommandButton) {
    form.DefaultButton()->click();
    return true;
  }
  if (code == kKeyEscape && form.CancelButton()) {
    form.CancelButton()->click();
    return true;
  }
  if (control_.onKeyDown) {
    control_.onKeyDown(code, ShiftBitsFromQt(k->modifiers()));
    if (code == 0) return true;
  }
  const QString text = k->text();
  if (text.size() != 1 || text[0].unicode() > 255) return false;
  const int ascii = text[0].unicode();
  if (ascii < 32 && ascii != kKeyReturn && ascii != kKeyBack) return false;
  auto* box = dynamic_cast<TextBox*>(&control_);
  if (box && ascii >= 32 && box->MaxLength() > 0 &&
      static_cast<int>(box->Text().size()) - box->SelLength() >= box->MaxLength())
    return true;
  const int typed = control_.keyPress(ascii);
  if (typed == 0) return true;
  if (typed != ascii && box && typed >= 32) {
    if (auto* line = qobject_cast<QLineEdit*>(control_.widget())) line->insert(QString(QChar(typed)));
    return true;
  }
  return false;
}
