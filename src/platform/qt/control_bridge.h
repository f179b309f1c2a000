#pragma once

// Carries Qt's events of a control's widget into the control's events and the
// form's focus model, one rule per event for every kind of control:
//
// - a press: MouseDown; a release: MouseUp, then Click when the left button
//   goes up over the control (kinds whose widget reports its own clicks, the
//   buttons, raise Click from that report; kinds without a Click, such as
//   scroll bars, none); the second press of a double click: DblClick, and its
//   release no second Click; a move, with or without a button: MouseMove.
//   A release counts only after a press on the same control.
//   A control's mouse events are its own: they do not go on to the control
//   that holds it;
// - a key on the control that has the focus: the form's keys first (Tab,
//   Enter to the command button with the focus or else to the default
//   button, Escape to the cancel button; in a multi-line box that may be
//   typed into, Enter is the box's and starts a new line), else KeyDown,
//   then KeyPress for a key that types a character (Space on a button clicks
//   it when released); a release: KeyUp;
// - the focus: a move by the user (click, Tab) runs LostFocus and GotFocus
//   through the form; when Qt gives the focus back on its own (the window is
//   activated, a dialog or popup menu closed), it goes where the form has
//   it, and no event runs. The control that receives a key or a press has the
//   focus in the form as well;
// - an access key (Alt and a button's underlined letter) reaches only the
//   buttons of the window on show that no frame made later covers, and the
//   menu bar's title with that letter only where no such button has it
//   (platform/qt/access_keys.h).

#include <QObject>

class Control;
class QKeyEvent;
class QShortcutEvent;
class QMouseEvent;
class QWidget;

class ControlBridge : public QObject {
 public:
  explicit ControlBridge(Control& control) : control_(control) {}
  // Watches `widget`, the control's widget, and the inner widget that takes
  // its mouse input (the viewport of a list or a multi-line box).
  void Attach(QWidget* widget);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch(QWidget* w);
  bool HasQtFocus() const;
  bool TakeFocus();
  void OnFocusIn(int reason);
  void OnMouse(QWidget* watched, QMouseEvent* m);
  bool OnKeyPress(QKeyEvent* k);
  void OnKeyRelease(QKeyEvent* k);
  bool TypeCharacter(QKeyEvent* k);
  bool OnAccessKey(QShortcutEvent* se);

  Control& control_;
  int pressed_ = 0;  // the buttons pressed on the control and not yet released
  bool afterDoubleClick_ = false;
};
