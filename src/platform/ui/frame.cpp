#include "platform/ui/frame.h"

#include <QGroupBox>

#include "platform/qt/qt_convert.h"

Frame::Frame(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::Frame, std::move(name), index), box_(new QGroupBox(ParentWidget())) {
  // A frame is opaque: it hides whatever lies behind it on its container.
  box_->setAutoFillBackground(true);
  AttachWidget(box_);
}

void Frame::SetCaption(const std::string& caption) {
  caption_ = caption;
  box_->setTitle(ToQ(caption));
  GeometryChanged();
}

QWidget* Frame::childArea() const { return box_; }
