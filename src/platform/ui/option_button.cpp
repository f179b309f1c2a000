#include "platform/ui/option_button.h"

#include <QRadioButton>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

namespace {
// The whole control answers a click, not only its circle and caption.
class OptionWidget : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
}  // namespace

OptionButton::OptionButton(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::OptionButton, std::move(name), index),
      button_(new OptionWidget(ParentWidget())) {
  // The group rule is kept here, not by Qt: Qt only shows the value.
  button_->setAutoExclusive(false);
  AttachWidget(button_);
  QObject::connect(button_, &QRadioButton::clicked, button_, [this] {
    ShowValue();  // undo Qt's own toggle; the focus already came with the press
    if (IsEnabledInForm()) SetValue(true);
  });
}

void OptionButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  button_->setText(ToQ(caption));
  GeometryChanged();
}

void OptionButton::ShowValue() {
  const QSignalBlocker block(button_);
  button_->setChecked(value_);
}

void OptionButton::SetValue(bool on) {
  if (value_ == on) return;
  value_ = on;
  ShowValue();
  if (!on) return;
  for (Control* c : ParentForm().Controls()) {
    auto* other = dynamic_cast<OptionButton*>(c);
    if (other && other != this && other->Container() == Container() && other->value_) {
      other->value_ = false;
      other->ShowValue();
    }
  }
  RaiseClick();
}

void OptionButton::click() {
  if (!IsEnabledInForm()) return;
  ParentForm().MoveFocus(this);
  SetValue(true);
}
