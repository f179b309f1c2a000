#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class Form;

// An item of a form's menu: a command, a separator (caption "-") or a menu
// that holds further items. Top-level items sit on the form's menu bar; a
// top-level item that is not Visible is not on the bar but can still be shown
// as a popup menu (Form::PopupMenu). Using a menu never takes the focus from
// the form's controls.
class MenuItem {
 public:
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  ~MenuItem();

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }  // -1 when not an element of an array
  MenuItem* Parent() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  Form& ParentForm() const { return form_; }

  // Caption with '&' before the access key ("&File"); "-" makes a separator.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);

  std::function<void()> onClick;
  // Chooses the item as the user would: runs Click when the item and all its
  // menus are enabled; a separator does nothing. The focus stays where it is.
  void click();
  // Enabled and every parent menu enabled.
  bool IsEnabledInMenu() const;

  QAction* action() const { return action_; }

 private:
  friend class Form;
  MenuItem(Form& form, MenuItem* parent, std::string name, int index, const std::string& caption);
  void AddChild(MenuItem* child);
  QMenu* SubMenu();
  void ApplyCheck();
  void ShowCaption();

  Form& form_;
  MenuItem* parent_;
  std::string name_;
  int index_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  std::vector<MenuItem*> items_;
  QAction* action_ = nullptr;
  std::unique_ptr<QMenu> ownedMenu_;  // the submenu of a menu that is not on a bar
  QMenu* menu_ = nullptr;
};
