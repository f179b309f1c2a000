#include "platform/ui/scroll_bar.h"

#include <QScrollBar>
#include <algorithm>

ScrollBar::ScrollBar(Form& form, Control* container, ControlKind kind, std::string name, int index)
    : Control(form, container, kind, std::move(name), index),
      bar_(new QScrollBar(kind == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, ParentWidget())) {
  AttachWidget(bar_);
  ShowRange();
  QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int v) {
    if (!showing_) UserMoved(v, bar_->isSliderDown());
  });
  QObject::connect(bar_, &QScrollBar::sliderReleased, bar_, [this] { UserMoved(bar_->value(), false); });
}

void ScrollBar::ShowRange() {
  showing_ = true;
  bar_->setRange(std::min(min_, max_), std::max(min_, max_));
  bar_->setSingleStep(smallChange_);
  bar_->setPageStep(largeChange_);
  bar_->setValue(value_);
  showing_ = false;
}

// While the thumb is dragged the value follows without Change; releasing it
// (or any click) reports the new value.
void ScrollBar::UserMoved(int value, bool dragging) {
  if (dragging || value == value_) return;
  value_ = value;
  RaiseChange();
}

void ScrollBar::SetValue(int value) {
  const int v = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (v == value_) return;
  value_ = v;
  ShowRange();
  RaiseChange();
}

void ScrollBar::SetMin(int value) {
  min_ = value;
  ShowRange();
  SetValue(value_);
}

void ScrollBar::SetMax(int value) {
  max_ = value;
  ShowRange();
  SetValue(value_);
}

void ScrollBar::SetSmallChange(int value) {
  smallChange_ = std::max(1, value);
  ShowRange();
}

void ScrollBar::SetLargeChange(int value) {
  largeChange_ = std::max(1, value);
  ShowRange();
}
