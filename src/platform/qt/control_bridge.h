#pragma once

// Carries Qt's events of a control's widget into the control's events and the
// form's focus model.

#include <QObject>

class Control;

class ControlBridge : public QObject {
 public:
  explicit ControlBridge(Control& control) : control_(control) {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKey(QEvent* event);
  Control& control_;
};
