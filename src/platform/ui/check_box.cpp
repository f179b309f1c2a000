#include "platform/ui/check_box.h"

#include <QCheckBox>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

namespace {
// The whole control answers a click, not only its box and caption.
class CheckWidget : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
}  // namespace

CheckBox::CheckBox(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::CheckBox, std::move(name), index), box_(new CheckWidget(ParentWidget())) {
  box_->setTristate(false);
  AttachWidget(box_);
  QObject::connect(box_, &QCheckBox::clicked, box_, [this] {
    ShowValue();  // the value changes by the rule below, not by Qt
    if (IsEnabledInForm()) SetValue(value_ == kChecked ? kUnchecked : kChecked);
  });
}

void CheckBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  box_->setText(ToQ(caption));
  GeometryChanged();
}

void CheckBox::ShowValue() {
  const QSignalBlocker block(box_);
  box_->setCheckState(value_ == kChecked ? Qt::Checked : value_ == kGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::SetValue(int value) {
  if (value_ == value) return;
  value_ = value;
  ShowValue();
  RaiseClick();
}

void CheckBox::click() {
  if (!IsEnabledInForm()) return;
  ParentForm().MoveFocus(this);
  SetValue(value_ == kChecked ? kUnchecked : kChecked);
}
