#include "platform/ui/menu_item.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/qt_convert.h"
#include "platform/ui/form.h"

MenuItem::MenuItem(Form& form, MenuItem* parent, std::string name, int index, const std::string& caption)
    : form_(form), parent_(parent), name_(std::move(name)), index_(index), caption_(caption) {
  action_ = new QAction(form.widget());
  ShowCaption();
  QObject::connect(action_, &QAction::triggered, action_, [this] {
    ApplyCheck();  // the check mark is the program's to set, not Qt's
    click();
  });
  if (parent) {
    parent->AddChild(this);
  } else {
    form.menuBar()->addAction(action_);
  }
}

MenuItem::~MenuItem() {
  if (parent_) std::erase(parent_->items_, this);
  delete action_;
}

QMenu* MenuItem::SubMenu() {
  if (!menu_) {
    ownedMenu_ = std::make_unique<QMenu>();
    menu_ = ownedMenu_.get();
    action_->setMenu(menu_);
    // Opening a menu is its Click, as the program's menu handlers expect.
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] {
      if (onClick) onClick();
    });
  }
  return menu_;
}

void MenuItem::AddChild(MenuItem* child) {
  items_.push_back(child);
  SubMenu()->addAction(child->action_);
}

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  ShowCaption();
}

// A separator is a bare line: a menu draws the text of a separator action
// as a heading beside it.
void MenuItem::ShowCaption() {
  action_->setSeparator(IsSeparator());
  action_->setText(IsSeparator() ? QString() : ToQ(caption_));
}

void MenuItem::ApplyCheck() {
  action_->setCheckable(checked_);
  action_->setChecked(checked_);
}

void MenuItem::SetChecked(bool on) {
  checked_ = on;
  ApplyCheck();
}

void MenuItem::SetEnabled(bool on) {
  enabled_ = on;
  action_->setEnabled(on);
}

void MenuItem::SetVisible(bool on) {
  visible_ = on;
  action_->setVisible(on);
}

bool MenuItem::IsEnabledInMenu() const {
  for (const MenuItem* m = this; m; m = m->parent_)
    if (!m->enabled_) return false;
  return true;
}

void MenuItem::click() {
  if (IsSeparator() || !IsEnabledInMenu()) return;
  if (onClick) onClick();
}
