#include "platform/ui/command_button.h"

#include <QPushButton>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

CommandButton::CommandButton(Form& form, Control* container, std::string name, int index)
    : Control(form, container, ControlKind::CommandButton, std::move(name), index),
      button_(new QPushButton(ParentWidget())) {
  button_->setAutoDefault(false);
  AttachWidget(button_);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] { RaiseClick(); });
}

void CommandButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  button_->setText(ToQ(caption));
  GeometryChanged();
}

bool CommandButton::Default() const { return ParentForm().defaultButton_ == this; }

void CommandButton::SetDefault(bool on) {
  Form& f = ParentForm();
  if (on) {
    if (f.defaultButton_ && f.defaultButton_ != this) f.defaultButton_->button_->setDefault(false);
    f.defaultButton_ = this;
  } else if (f.defaultButton_ == this) {
    f.defaultButton_ = nullptr;
  }
  button_->setDefault(on);
}

bool CommandButton::Cancel() const { return ParentForm().cancelButton_ == this; }

void CommandButton::SetCancel(bool on) {
  Form& f = ParentForm();
  if (on)
    f.cancelButton_ = this;
  else if (f.cancelButton_ == this)
    f.cancelButton_ = nullptr;
}
