#pragma once

// The top-level widget of a Form: a menu bar above the client area where the
// controls sit. Closing, resizing and activation go to the Form.

#include <QMargins>
#include <QWidget>

class Form;
class QMenuBar;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form& form);
  QMenuBar* menuBar() const { return menuBar_; }
  QWidget* client() const { return client_; }
  // Places the menu bar (when it holds a visible item) and the client area.
  void Relayout();
  int MenuBarHeight() const;
  // The window's frame (border and title bar) as the platform has it, also
  // before the window is first shown: the platform window is made for that,
  // and the window manager tells the frame it will give it. Where neither
  // knows a frame yet, the last frame seen on a window stands in for it.
  QMargins FrameMargins();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Enter and Escape while no control has the focus.
  void keyPressEvent(QKeyEvent* event) override;
  // Qt's own moves of the focus within the window follow the form's tab
  // order and focus model instead of Qt's chain of widgets.
  bool focusNextPrevChild(bool next) override;
  // The menu bar's access keys: a button open to the same key takes it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Form& form_;
  QMenuBar* menuBar_;
  QWidget* client_;
  // The window manager's answer for the platform window it was asked for.
  WId askedFor_ = 0;
  QMargins wmFrame_;
};
